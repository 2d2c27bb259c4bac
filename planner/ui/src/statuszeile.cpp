#include "planner_ui/statuszeile.h"

#include <QEvent>
#include <QLabel>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <utility>

#include "shared_ui/programm.h"

namespace kronel {

namespace {

const QChar kAuslassung(0x2026);  // "…"

const QChar kBruchstelle(0x200B);  // zero-width space: a break opportunity

// A word wider than the panel (a path) may break after each "/", a part still
// too wide after any of its characters; the others break only between words.
QString Brechbar(const QString& text, const std::function<int(const QString&)>& breiteVon,
                 int breite) {
    auto zuBreit = [&](const QString& wort) { return wort.size() > 1 && breiteVon(wort) > breite; };
    QStringList worte = text.split(QLatin1Char(' '));
    for (QString& wort : worte) {
        if (!zuBreit(wort)) {
            continue;
        }
        QStringList teile = wort.split(QLatin1Char('/'));
        for (qsizetype i = 0; i < teile.size(); ++i) {
            if (i + 1 < teile.size()) {
                teile[i] += QLatin1Char('/');
            }
            if (zuBreit(teile[i])) {
                QString zeichen;
                for (const QChar c : std::as_const(teile[i])) {
                    if (!zeichen.isEmpty()) {
                        zeichen += kBruchstelle;
                    }
                    zeichen += c;
                }
                teile[i] = zeichen;
            }
        }
        wort = teile.join(kBruchstelle);
    }
    return worte.join(QLatin1Char(' '));
}

// The text with n of its characters kept, half from its start, half from its end.
QString MitteKuerzen(const QString& text, qsizetype n) {
    return text.left(n - n / 2) + kAuslassung + text.right(n / 2);
}

// The largest n from von to bis for which passt holds, found by halving (the
// longer a text, the less it fits); von - 1 when none does.
qsizetype Groesstes(qsizetype von, qsizetype bis, const std::function<bool(qsizetype)>& passt) {
    qsizetype unten = von - 1;
    qsizetype oben = bis;
    while (unten < oben) {
        const qsizetype mitte = unten + (oben - unten + 1) / 2;
        if (passt(mitte)) {
            unten = mitte;
        } else {
            oben = mitte - 1;
        }
    }
    return unten;
}

}  // namespace

QString HinweisKuerzen(const QString& text, const std::function<bool(const QString&)>& passt) {
    if (passt(text)) {
        return text;
    }
    const qsizetype auf = text.indexOf(QChar(0xBB));                         // »
    const qsizetype zu = auf < 0 ? -1 : text.indexOf(QChar(0xAB), auf + 1);  // «
    if (zu > auf + 1) {
        const QString pfad = text.mid(auf + 1, zu - auf - 1);
        const qsizetype schnitt = pfad.lastIndexOf(QLatin1Char('/'));
        const QString name = pfad.mid(schnitt + 1);
        const QString davor = text.left(auf);
        auto mitPfad = [&](const QString& p, const QString& d) {
            return d + QChar(0xBB) + p + text.mid(zu);
        };
        if (schnitt > 0) {
            const QString ordner = pfad.left(schnitt);
            auto mitOrdner = [&](qsizetype n) {
                return mitPfad(MitteKuerzen(ordner, n) + QLatin1Char('/') + name, davor);
            };
            const qsizetype n =
                Groesstes(0, ordner.size() - 1, [&](qsizetype k) { return passt(mitOrdner(k)); });
            if (n >= 0) {
                return mitOrdner(n);
            }
        }
        const QString vorn = schnitt >= 0 ? QString(kAuslassung) + QLatin1Char('/') : QString();
        // Then the words before the name, from the first on: the name stays
        // whole as long as it finds room.
        const QString weg = davor.isEmpty() ? QString() : QString(kAuslassung);
        for (qsizetype blank = davor.indexOf(QLatin1Char(' '));;
             blank = davor.indexOf(QLatin1Char(' '), blank + 1)) {
            const QString rest = blank < 0 ? QString() : davor.mid(blank + 1);
            const QString kurz = mitPfad(vorn + name, weg + rest);
            if (passt(kurz)) {
                return kurz;
            }
            if (blank < 0) {
                break;
            }
        }
        auto mitName = [&](qsizetype n) { return mitPfad(vorn + MitteKuerzen(name, n), weg); };
        const qsizetype n =
            Groesstes(1, name.size() - 1, [&](qsizetype k) { return passt(mitName(k)); });
        if (n >= 1) {
            return mitName(n);
        }
    }
    auto mitAnfang = [&](qsizetype n) { return text.left(n) + kAuslassung; };
    return mitAnfang(std::max<qsizetype>(
        0, Groesstes(0, text.size() - 1, [&](qsizetype k) { return passt(mitAnfang(k)); })));
}

StatusZeilen::StatusZeilen(QLabel* panel, QStringList hinweise,
                           std::function<void()> leisteGeaendert)
    : QObject(panel),
      panel_(panel),
      hinweise_(std::move(hinweise)),
      leisteGeaendert_(std::move(leisteGeaendert)),
      mass_(std::make_unique<QLabel>()),
      tip_(panel->toolTip()),
      text_(panel->text()) {
    // A label like the panel measures a text as the panel lays it out.
    mass_->setFont(panel_->font());
    mass_->setFrameStyle(panel_->frameStyle());
    mass_->setMargin(panel_->margin());
    mass_->setIndent(panel_->indent());
    mass_->setAlignment(panel_->alignment());
    panel_->setWordWrap(true);
    // The narrowest width at which no prompt takes more than two lines, and no
    // word of a prompt is broken.
    int breiteste = 1;
    int laengste = 1;
    for (const QString& h : std::as_const(hinweise_)) {
        laengste = std::max(laengste, BreiteVon(h));
        for (const QString& wort : h.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            breiteste = std::max(breiteste, BreiteVon(wort));
        }
    }
    const int zweiZeilen = HoeheVon(QStringLiteral("x\nx"), laengste);
    int unten = breiteste;
    int oben = std::max(breiteste, laengste);
    while (unten < oben) {
        const int mitte = unten + (oben - unten) / 2;
        if (HinweisHoehe(mitte) <= zweiZeilen) {
            oben = mitte;
        } else {
            unten = mitte + 1;
        }
    }
    breite_ = unten;
    hoehe_ = HinweisHoehe(breite_);
    panel_->setMinimumWidth(breite_);
    panel_->setFixedHeight(hoehe_);
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

int StatusZeilen::HinweisHoehe(int breite) const {
    int hoehe = 0;
    for (const QString& h : hinweise_) {
        hoehe = std::max(hoehe, HoeheVon(h, breite));
    }
    return hoehe;
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
    auto brechbar = [&](const QString& t) {
        return Brechbar(
            t, [this](const QString& wort) { return BreiteVon(wort); }, breite);
    };
    const QString gezeigt = HinweisKuerzen(
        text_, [&](const QString& t) { return HoeheVon(brechbar(t), breite) <= hoehe_; });
    panel_->setText(brechbar(gezeigt));
    panel_->setToolTip(gezeigt == text_ ? tip_ : text_);
}

bool StatusZeilen::eventFilter(QObject* ziel, QEvent* e) {
    return AbgesichertAusfuehren([&] { return Filtern(ziel, e); }, "StatusZeilen_eventFilter",
                                 false);
}

bool StatusZeilen::Filtern(QObject* ziel, QEvent* e) {
    if (e->type() == QEvent::Resize) {
        const auto* r = static_cast<QResizeEvent*>(e);
        if (ziel == panel_ && r->size().width() != gezeigtBreite_) {
            gezeigtBreite_ = r->size().width();
            Zeigen();
        } else if (ziel == panel_->parentWidget() && r->size().height() != r->oldSize().height()) {
            // After the window's layout has given the rest to the client area.
            QTimer::singleShot(0, this, Abgesichert(leisteGeaendert_, "Main_Form_Resize"));
        }
    } else if (e->type() == QEvent::LayoutRequest && ziel == panel_->parentWidget()) {
        // Every text of a panel asks for a layout (the clock each second): the
        // window is laid out again only when the bar's least width changed.
        QTimer::singleShot(0, this,
                           Abgesichert(
                               [this] {
                                   const int mindestens =
                                       panel_->parentWidget()->minimumSizeHint().width();
                                   if (mindestens != mindestBreite_) {
                                       mindestBreite_ = mindestens;
                                       leisteGeaendert_();
                                   }
                               },
                               "Main_Form_Resize"));
    }
    return QObject::eventFilter(ziel, e);
}

}  // namespace kronel
