#include "shared_ui/geruest.h"

#include <QApplication>
#include <QMainWindow>

#include "platform_qt/dienste_qt.h"

namespace kronel {

int LeeresHauptfensterStarten(int argc, char** argv, const QString& titel) {
    QApplication app(argc, argv);
    DeutscheUebersetzungenLaden(app);
    DesktopDiensteInstallieren();
    QMainWindow fenster;
    fenster.setObjectName(QStringLiteral("Main"));
    fenster.setWindowTitle(titel);
    fenster.resize(800, 560);
    fenster.show();
    return QApplication::exec();
}

}  // namespace kronel
