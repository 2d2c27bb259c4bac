#include "common/drucktext.h"

#include <algorithm>

#include "common/fehlermeldung.h"
#include "platform/drucker.h"
#include "platform/schritte.h"
#include "platform/text.h"

namespace kronel {

namespace {
// Positions that land on a bound by adding up line heights.
constexpr double Genauigkeit = 1e-9;

bool IstTrenner(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('\r');
}

}  // namespace

qsizetype DruckZeichenBis(const QString& text, double breite) {
    const Drucker& d = drucker();
    // Widths grow with every character: the longest start that fits by halving.
    qsizetype passt = 0;
    qsizetype zuBreit = text.size() + 1;
    while (zuBreit - passt > 1) {
        const qsizetype mitte = passt + (zuBreit - passt) / 2;
        if (d.TextWidth(text.left(mitte)) < breite) {
            passt = mitte;
        } else {
            zuBreit = mitte;
        }
    }
    // Never between the two halves of a character beyond the basic plane.
    if (passt > 0 && passt < text.size() && text.at(passt - 1).isHighSurrogate()) {
        --passt;
    }
    return passt;
}

QStringList DruckZeilenUmbrechen(const QString& zeile, double ersteBreite, double weitereBreite) {
    const Drucker& d = drucker();
    const auto istBruch = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('-'); };
    QStringList zeilen;
    qsizetype pos = 0;
    double breite = ersteBreite;
    for (;;) {
        const QString rest = zeile.mid(pos);
        const qsizetype passt = d.TextWidth(rest) <= breite + Genauigkeit
                                    ? rest.size()
                                    : DruckZeichenBis(rest, breite + Genauigkeit);
        if (passt >= rest.size()) {
            zeilen.append(rest);
            break;
        }
        qsizetype laenge = passt;
        qsizetype weiter = passt;
        if (rest.at(passt) == QLatin1Char(' ')) {
            weiter = passt + 1;  // the break stands for the blank
        } else {
            qsizetype bruch = passt;
            while (bruch > 0 && !istBruch(rest.at(bruch - 1))) {
                --bruch;
            }
            // The word goes on the next row, unless it is wider than a whole row
            // anyway: then it fills this one.
            qsizetype wortEnde = passt;
            while (wortEnde < rest.size() && !istBruch(rest.at(wortEnde))) {
                ++wortEnde;
            }
            if (bruch > 0 &&
                d.TextWidth(rest.mid(bruch, wortEnde - bruch)) <= weitereBreite + Genauigkeit) {
                laenge = weiter = bruch;
            }
        }
        if (laenge == 0) {
            laenge = weiter = 1;  // not even one character fits: one a row
        }
        zeilen.append(rest.left(laenge));
        pos += weiter;
        if (pos >= RTrim(zeile).size()) {
            break;  // only blanks left
        }
        breite = weitereBreite;
    }
    return zeilen;
}

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
    // Where a line ends by a line end puts x.
    const double zeilenAnfang = std::max(links, 0.0);
    const double zeilenHoehe = d.TextHeight(QStringLiteral("ABCxyz"));
    const double blankBreite = d.TextWidth(QStringLiteral(" "));
    SchrittLaeufer lauf(
        [](const Fehler& f) {
            return FehlerMeldung(f, QStringLiteral("Fehler bei der Textformatierung."));
        },
        QStringLiteral("TextDrucken"));
    const auto zeileBeenden = [&] {
        if (!lauf([&] { return d.Print(QString()); })) {
            return false;
        }
        if (links >= 0) {
            d.setCurrentX(links);
        }
        return true;
    };

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
        double breite = d.TextWidth(wort);
        // The word as it shows: a closing blank may hang over the bound.
        const auto sichtbar = [&] {
            return wort.endsWith(QLatin1Char(' ')) ? breite - blankBreite : breite;
        };
        // A word wider than a whole line is broken where it stands, any other
        // that does not fit goes to the next line.
        if (sichtbar() < rechts - zeilenAnfang - Genauigkeit &&
            d.CurrentX() + breite >= rechts - Genauigkeit) {
            if (!zeileBeenden()) {
                return {};
            }
            neueZeile = true;
        }
        for (;;) {
            if (neueZeile && d.CurrentY() + zeilenHoehe > unten + Genauigkeit) {
                return wort + text.mid(pos);
            }
            if (d.CurrentX() + sichtbar() < rechts - Genauigkeit) {
                break;
            }
            // The part that fits, the rest on the next line, so that nothing runs
            // past the right bound.
            qsizetype teil = DruckZeichenBis(wort, rechts - d.CurrentX() - Genauigkeit);
            if (teil == 0 && d.CurrentX() > zeilenAnfang + Genauigkeit) {
                if (!zeileBeenden()) {
                    return {};
                }
                neueZeile = true;
                continue;
            }
            teil = std::max<qsizetype>(teil, 1);  // a single character wider than the line
            if (teil >= wort.size()) {
                break;
            }
            if (!lauf([&] { return d.Print(wort.left(teil), false); }) || !zeileBeenden()) {
                return {};
            }
            wort.remove(0, teil);
            breite = d.TextWidth(wort);
            neueZeile = true;
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
