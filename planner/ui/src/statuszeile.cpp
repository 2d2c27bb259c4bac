#include "planner_ui/statuszeile.h"

#include <QEvent>
#include <QLabel>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace kronel {

namespace {

// A label like the panel measures a text as the panel lays it out.
class Mass {
public:
    explicit Mass(const QLabel& panel) {
        label_.setFont(panel.font());
        label_.setFrameStyle(panel.frameStyle());
        label_.setMargin(panel.margin());
        label_.setIndent(panel.indent());
        label_.setAlignment(panel.alignment());
    }
    int Hoehe(const QString& text, int breite) {
        label_.setWordWrap(true);
        label_.setText(text);
        return label_.heightForWidth(breite);
    }
    int Breite(const QString& wort) {
        label_.setWordWrap(false);
        label_.setText(wort);
        return label_.sizeHint().width();
    }

private:
    QLabel label_;
};

}  // namespace

StatusZeilen::StatusZeilen(QLabel* panel, QStringList hinweise,
                           std::function<void()> leisteGeaendert)
    : QObject(panel),
      panel_(panel),
      hinweise_(std::move(hinweise)),
      leisteGeaendert_(std::move(leisteGeaendert)) {
    panel_->setWordWrap(true);
    // A word is never broken: the panel keeps the width of the widest.
    panel_->setMinimumWidth(Breite());
    panel_->installEventFilter(this);
    panel_->parentWidget()->installEventFilter(this);
}

int StatusZeilen::Hoehe(int breite) const {
    Mass mass(*panel_);
    int hoehe = 0;
    for (const QString& h : hinweise_) {
        hoehe = std::max(hoehe, mass.Hoehe(h, breite));
    }
    return hoehe;
}

int StatusZeilen::Breite() const {
    Mass mass(*panel_);
    int breite = 1;
    for (const QString& h : hinweise_) {
        for (const QString& wort : h.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            breite = std::max(breite, mass.Breite(wort));
        }
    }
    return breite;
}

bool StatusZeilen::eventFilter(QObject* ziel, QEvent* e) {
    if (e->type() == QEvent::Resize) {
        const auto* r = static_cast<QResizeEvent*>(e);
        if (ziel == panel_ && r->size().width() != breite_) {
            breite_ = r->size().width();
            panel_->setFixedHeight(Hoehe(breite_));
        } else if (ziel == panel_->parentWidget() && r->size().height() != r->oldSize().height()) {
            // After the window's layout has given the rest to the client area.
            QTimer::singleShot(0, this, leisteGeaendert_);
        }
    } else if (e->type() == QEvent::LayoutRequest && ziel == panel_->parentWidget()) {
        QTimer::singleShot(0, this, leisteGeaendert_);  // a panel's width may have changed
    }
    return QObject::eventFilter(ziel, e);
}

}  // namespace kronel
