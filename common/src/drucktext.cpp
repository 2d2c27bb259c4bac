#include "common/drucktext.h"

#include "common/fehlermeldung.h"
#include "platform/drucker.h"
#include "platform/schritte.h"

namespace kronel {

namespace {
// Positions that land on a bound by adding up line heights.
constexpr double Genauigkeit = 1e-9;

bool IstTrenner(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('\r');
}
}  // namespace

QString TextDrucken(const QString& text, double links, double oben, double rechts, double unten) {
    Drucker& d = drucker();
    if (links >= 0) {
        d.setCurrentX(links);
    }
    if (oben >= 0) {
        d.setCurrentY(oben);
    }
    if (rechts < 0 || rechts <= links) {
        rechts = d.ScaleWidth() - 1;
    }
    if (unten < 0 || unten <= oben) {
        unten = d.ScaleHeight() - 1.5;
    }
    const double zeilenHoehe = d.TextHeight(QStringLiteral("ABCxyz"));
    SchrittLaeufer lauf(
        [](const Fehler& f) {
            return FehlerMeldung(f, QStringLiteral("Fehler bei der Textformatierung."));
        },
        QStringLiteral("TextDrucken"));

    qsizetype pos = 0;
    // A carriage return began the line the next word goes on: that line is tested
    // against the bottom like a wrapped one, so a cell's texts never run below it.
    bool neueZeile = false;
    do {
        QString wort;
        while (pos < text.size()) {
            const QChar c = text.at(pos++);
            if (c == QLatin1Char('\n')) {
                continue;
            }
            wort.append(c);
            if (IstTrenner(c)) {
                break;
            }
        }
        if (wort.isEmpty()) {
            break;  // nothing but line feeds
        }
        if (d.CurrentX() + d.TextWidth(wort) >= rechts - Genauigkeit) {
            if (!lauf([&] { return d.Print(QString()); })) {
                return {};
            }
            if (links >= 0) {
                d.setCurrentX(links);
            }
            neueZeile = true;
        }
        if (neueZeile && d.CurrentY() + zeilenHoehe > unten + Genauigkeit) {
            return wort + text.mid(pos);
        }
        if (!lauf([&] { return d.Print(wort, false); })) {
            return {};
        }
        neueZeile = wort.endsWith(QLatin1Char('\r'));
        if (d.CurrentX() < links) {
            d.setCurrentX(links);
        }
    } while (pos < text.size());
    return {};
}

}  // namespace kronel
