#include <QCursor>
#include <QGuiApplication>

#include "platform_qt/dienste_qt.h"

namespace kronel {

void QtZeiger::setzen(Zeiger z) {
    if (z == z_) {
        return;
    }
    if (z == Zeiger::Sanduhr) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
    z_ = z;
}

}  // namespace kronel
