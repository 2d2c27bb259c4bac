#include "planner_ui/statuszeile.h"

#include <QEvent>
#include <QLabel>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <utility>

namespace kronel {

namespace {

// Each word wider than the panel may break after any of its characters (a
// path), the others only between words.
QString Brechbar(const QString& text, const std::function<int(const QString&)>& breiteVon,
                 int breite) {
    QStringList worte = text.split(QLatin1Char(' '));
    for (QString& wort : worte) {
        if (wort.size() > 1 && breiteVon(wort) > breite) {
            QString teile;
            for (const QChar c : std::as_const(wort)) {
                if (!teile.isEmpty()) {
                    teile += QChar(0x200B);  // zero-width space: a break opportunity
                }
                teile += c;
            }
            wort = teile;
        }
    }
    return worte.join(QLatin1Char(' '));
}

}  // namespace

StatusZeilen::StatusZeilen(QLabel* panel, QStringList hinweise,
                           std::function<void()> leisteGeaendert)
    : QObject(panel),
      panel_(panel),
      hinweise_(std::move(hinweise)),
      leisteGeaendert_(std::move(leisteGeaendert)),
      mass_(std::make_unique<QLabel>()) {
    text_ = panel_->text();
    // A label like the panel measures a text as the panel lays it out.
    mass_->setFont(panel_->font());
    mass_->setFrameStyle(panel_->frameStyle());
    mass_->setMargin(panel_->margin());
    mass_->setIndent(panel_->indent());
    mass_->setAlignment(panel_->alignment());
    panel_->setWordWrap(true);
    // A word is never broken: the panel keeps the width of the widest.
    panel_->setMinimumWidth(Breite());
    panel_->installEventFilter(this);
    panel_->parentWidget()->installEventFilter(this);
}

StatusZeilen::~StatusZeilen() = default;

int StatusZeilen::HoeheVon(const QString& text, int breite) const {
    mass_->setWordWrap(true);
    mass_->setText(text);
    return mass_->heightForWidth(breite);
}

int StatusZeilen::BreiteVon(const QString& wort) const {
    mass_->setWordWrap(false);
    mass_->setText(wort);
    return mass_->sizeHint().width();
}

int StatusZeilen::Hoehe(int breite) const {
    int hoehe = 0;
    for (const QString& h : hinweise_) {
        hoehe = std::max(hoehe, HoeheVon(h, breite));
    }
    return hoehe;
}

int StatusZeilen::Breite() const {
    int breite = 1;
    for (const QString& h : hinweise_) {
        for (const QString& wort : h.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            breite = std::max(breite, BreiteVon(wort));
        }
    }
    return breite;
}

bool StatusZeilen::Setzen(const QString& text) {
    if (text == text_) {
        return false;
    }
    text_ = text;
    Zeigen();
    return true;
}

void StatusZeilen::Zeigen() {
    const int breite = panel_->width();
    const QString gezeigt = Brechbar(
        text_, [this](const QString& wort) { return BreiteVon(wort); }, breite);
    panel_->setText(gezeigt);
    // A text longer than every prompt (where a printout went) makes the bar taller.
    panel_->setFixedHeight(std::max(hinweisHoehe_, HoeheVon(gezeigt, breite)));
}

bool StatusZeilen::eventFilter(QObject* ziel, QEvent* e) {
    if (e->type() == QEvent::Resize) {
        const auto* r = static_cast<QResizeEvent*>(e);
        if (ziel == panel_ && r->size().width() != breite_) {
            breite_ = r->size().width();
            hinweisHoehe_ = Hoehe(breite_);
            Zeigen();
        } else if (ziel == panel_->parentWidget() && r->size().height() != r->oldSize().height()) {
            // After the window's layout has given the rest to the client area.
            QTimer::singleShot(0, this, leisteGeaendert_);
        }
    } else if (e->type() == QEvent::LayoutRequest && ziel == panel_->parentWidget()) {
        // Every text of a panel asks for a layout (the clock each second): the
        // window is laid out again only when the bar's least width changed.
        QTimer::singleShot(0, this, [this] {
            const int mindestens = panel_->parentWidget()->minimumSizeHint().width();
            if (mindestens != mindestBreite_) {
                mindestBreite_ = mindestens;
                leisteGeaendert_();
            }
        });
    }
    return QObject::eventFilter(ziel, e);
}

}  // namespace kronel
