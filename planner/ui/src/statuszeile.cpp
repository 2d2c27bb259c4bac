#include "planner_ui/statuszeile.h"

#include <QEvent>
#include <QLabel>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace kronel {

StatusZeilen::StatusZeilen(QLabel* panel, QStringList hinweise,
                           std::function<void()> hoeheGeaendert)
    : QObject(panel),
      panel_(panel),
      hinweise_(std::move(hinweise)),
      hoeheGeaendert_(std::move(hoeheGeaendert)) {
    panel_->setWordWrap(true);
    panel_->installEventFilter(this);
    panel_->parentWidget()->installEventFilter(this);
}

int StatusZeilen::Hoehe(int breite) const {
    // A label like the panel measures each prompt as the panel lays it out.
    QLabel mass;
    mass.setFont(panel_->font());
    mass.setFrameStyle(panel_->frameStyle());
    mass.setMargin(panel_->margin());
    mass.setIndent(panel_->indent());
    mass.setAlignment(panel_->alignment());
    mass.setWordWrap(true);
    int hoehe = 0;
    for (const QString& h : hinweise_) {
        mass.setText(h);
        hoehe = std::max(hoehe, mass.heightForWidth(breite));
    }
    return hoehe;
}

bool StatusZeilen::eventFilter(QObject* ziel, QEvent* e) {
    if (e->type() == QEvent::Resize) {
        const auto* r = static_cast<QResizeEvent*>(e);
        if (ziel == panel_ && r->size().width() != breite_) {
            breite_ = r->size().width();
            panel_->setFixedHeight(Hoehe(breite_));
        } else if (ziel == panel_->parentWidget() && r->size().height() != r->oldSize().height()) {
            // After the window's layout has given the rest to the client area.
            QTimer::singleShot(0, this, hoeheGeaendert_);
        }
    }
    return QObject::eventFilter(ziel, e);
}

}  // namespace kronel
