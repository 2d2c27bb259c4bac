#include "planner/druckblatt.h"

#include <algorithm>
#include <cmath>

#include "common/datenpfade.h"
#include "common/drucktext.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/fenster.h"
#include "common/kalender.h"
#include "common/textfelder.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/drucker.h"
#include "platform/schritte.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

constexpr int Rot = 255;       // 0x00BBGGRR
constexpr int Gruen = 0xFF00;  // of the day notes
constexpr double Punktabstand = 0.04;

const char* const MonatsNamen[] = {"Januar",    "Februar", "März",     "April",
                                   "Mai",       "Juni",    "Juli",     "August",
                                   "September", "Oktober", "November", "Dezember"};
const char* const TagesNamen[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

int Wert(const char* schluessel, int vorgabe, int min, int max, int sonst) {
    const double w = std::nearbyint(
        Val(IniLesen({}, {}, QString::fromUtf8(schluessel), QString::number(vorgabe))));
    return w >= min && w <= max ? static_cast<int>(w) : sonst;
}

QString StationsFilter(const QString& station) {
    const QString f = LCase(Trim(station));
    return f == QStringLiteral("alle") ? QString() : f;
}

void Schreiben(const char* schluessel, const QString& wert) {
    IniSchreiben({}, {}, QString::fromUtf8(schluessel), wert);
}

QString Schalter(bool an) {
    return an ? QStringLiteral("1") : QStringLiteral("0");
}

// Geometry of one sheet, in centimetres.
struct Raster {
    double x0 = 0, y0 = 0, spalte = 0, zeile = 0;
};

class BlattLauf {
public:
    BlattLauf(const QStringList& termine, BlattOptionen& o, const SchriftWerte& schrift,
              const BlattRueckmeldung& rueck)
        : o_(o),
          schrift_(schrift),
          rueck_(rueck),
          texte_(termine, o.kombiAdresse),
          farbe_(o.strgPrnSW ? 0 : 1),
          zellenzahl_(o.LaufAnzMon * o.TDruckenAnzahl * 42),
          feiertage_(Val(IniLesen({}, {}, QStringLiteral("InfoFeiertag"), QStringLiteral("1"))) !=
                     0),
          astro_(Val(IniLesen({}, {}, QStringLiteral("InfoAstro"), QStringLiteral("1"))) != 0),
          lauf_(
              [](const Fehler& f) {
                  return FehlerMeldung(
                      f, QStringLiteral("Es ist ein Fehler beim Drucken aufgetreten."));
              },
              QStringLiteral("DruckenBlatt.befOk_Click")) {}

    bool drucken() {
        const int alteAusrichtung = d_.Orientation();
        QDate monat = DatumLesen(o_.TDruckenAb).value_or(uhr().heute());
        monat = QDate(monat.year(), monat.month(), 1);
        int monateRest = o_.LaufAnzMon;
        do {
            for (int kopie = 1; kopie <= o_.TDruckenAnzahl; ++kopie) {
                if (!blatt(monat)) {
                    d_.KillDoc();
                    (void)d_.setOrientation(alteAusrichtung);
                    return false;
                }
            }
            --monateRest;
            monat = monat.addMonths(1);
            o_.TDruckenAb = DatumText(monat);
        } while (monateRest > 0);
        o_.LaufAnzMon = 1;
        (void)d_.setOrientation(alteAusrichtung);
        IniSchreiben({}, {}, QStringLiteral("AutoPrintZuletzt"), DatumText(uhr().heute()));
        return true;
    }

private:
    bool schritt(const std::function<Status()>& s) { return lauf_(s); }

    bool blatt(const QDate& monat) {
        const double groesse = schrift_.groesse;
        if (!schritt([&] { return d_.setScaleMode(Massstab::Zentimeter); })) {
            return false;
        }
        d_.setFontName(schrift_.name);
        d_.setFontSize(groesse);
        d_.setFontBold(false);
        d_.setFontItalic(false);
        if (!schritt([&] {
                return d_.setOrientation(o_.strgPrnQuer ? Ausrichtung::Querformat
                                                        : Ausrichtung::Hochformat);
            })) {
            return false;
        }
        Raster r;
        r.x0 = d_.TextWidth(QStringLiteral("99.Woche  "));

        const QString kopf = QString::fromUtf8(MonatsNamen[monat.month() - 1]) + QLatin1Char(' ') +
                             QString::number(monat.year());
        d_.setFontSize(1.5 * groesse);
        d_.setFontBold(true);
        d_.setCurrentX((d_.ScaleWidth() - d_.TextWidth(kopf)) / 2);
        if (!schritt([&] { return d_.Print(kopf); }) || !schritt([&] { return d_.Print({}); }) ||
            !schritt([&] { return d_.Print({}); })) {
            return false;
        }
        d_.setFontSize(groesse);
        d_.setFontBold(false);
        r.y0 = d_.CurrentY();
        r.spalte = (d_.ScaleWidth() - r.x0) / 7.4;
        r.zeile = (d_.ScaleHeight() - r.y0) / 6.99;

        d_.setFontBold(true);
        for (int i = 0; i < 7; ++i) {
            const QString name = QString::fromLatin1(TagesNamen[i]);
            if (i >= 5) {
                d_.setForeColor(Rot * farbe_);
            }
            d_.setCurrentX(r.x0 + i * r.spalte + (r.spalte - d_.TextWidth(name)) / 2);
            if (!schritt([&] { return d_.Print(name, false); })) {
                return false;
            }
            d_.setForeColor(0);
        }
        d_.setFontBold(false);
        if (!schritt([&] { return d_.Print({}); }) || !schritt([&] { return d_.Print({}); })) {
            return false;
        }
        r.y0 = d_.CurrentY();

        // The grid starts on the Monday on or before the first of the month.
        QDate tag = monat.addDays(-((Wochentag(monat) + 5) % 7));
        for (int zelle = 0; zelle < 42; ++zelle, tag = tag.addDays(1)) {
            if (!zeichnen(r, zelle % 7, zelle / 7, tag, monat)) {
                return false;
            }
        }

        DruckFusszeile(r.x0);
        const QString station = Trim(o_.kombiAdresse);
        if (!station.isEmpty() && LCase(station) != QStringLiteral("alle")) {
            d_.setFontItalic(true);
            if (!schritt([&] {
                    return d_.Print(QStringLiteral(" · Meldungen für ") + station, false);
                })) {
                return false;
            }
            d_.setFontItalic(false);
        }
        return schritt([&] { return d_.EndDoc(); });
    }

    bool rahmen(double links, double oben, double b, double h, bool fremd) {
        if (!fremd) {
            return schritt([&] { return d_.Line(links, oben, b, h, 0); });
        }
        // Days of the neighbouring months get a dotted border.
        const int nb = static_cast<int>(std::floor(b / Punktabstand + 1e-9));
        for (int i = 0; i <= nb; ++i) {
            const double t = i * Punktabstand;
            if (!schritt([&] { return d_.PSet(links + t, oben, 0); }) ||
                !schritt([&] { return d_.PSet(links + t, oben + h, 0); })) {
                return false;
            }
        }
        const int nh = static_cast<int>(std::floor(h / Punktabstand + 1e-9));
        for (int i = 0; i <= nh; ++i) {
            const double t = i * Punktabstand;
            if (!schritt([&] { return d_.PSet(links, oben + t, 0); }) ||
                !schritt([&] { return d_.PSet(links + b, oben + t, 0); })) {
                return false;
            }
        }
        return true;
    }

    bool zeichnen(const Raster& r, int spalte, int zeile, const QDate& tag, const QDate& monat) {
        d_.setFontSize(schrift_.groesse);
        ++zaehler_;
        if (rueck_.fortschritt) {
            rueck_.fortschritt(zaehler_ * 100 / zellenzahl_);
        }
        const double links = r.x0 + spalte * r.spalte;
        const double oben = r.y0 + zeile * r.zeile;
        const double unten = oben + r.zeile;
        if (spalte == 0) {
            d_.setFontSize(o_.GroesseDatum);
            d_.setFontItalic(true);
            const QString woche = QString::number(KalenderWoche(tag)) + QStringLiteral(".Woche  ");
            d_.setCurrentX(r.x0 - d_.TextWidth(woche));
            d_.setCurrentY(oben + (r.zeile - d_.TextHeight(woche)) / 2);
            if (!schritt([&] { return d_.Print(woche, false); })) {
                return false;
            }
            d_.setFontItalic(false);
        }
        const bool fremd = tag.month() != monat.month() || tag.year() != monat.year();
        if (!rahmen(links, oben, r.spalte, r.zeile, fremd)) {
            return false;
        }

        d_.setFontSize(o_.GroesseDatum);
        d_.setFontBold(true);
        if (spalte >= 5) {
            d_.setForeColor(Rot * farbe_);
        }
        d_.setCurrentX(links + 0.2);
        d_.setCurrentY(oben + 0.02);
        if (!schritt([&] {
                return d_.Print(QStringLiteral("%1.%2").arg(tag.day()).arg(tag.month()));
            })) {
            return false;
        }
        d_.setFontBold(false);

        d_.setFontName(QStringLiteral("Arial"));
        d_.setFontSize(o_.GroesseText);
        const double blank = d_.TextWidth(QStringLiteral(" "));
        const double iy = d_.TextHeight(QStringLiteral("Iy"));
        // The cell's texts keep a blank's width off both borders, so that a broken
        // word never touches the text of the neighbouring cell.
        const double xl = links + blank;
        const double xr = links + r.spalte - blank;
        if (feiertage_) {
            const QString feiertag = FeiertagText(tag);
            if (!feiertag.isEmpty()) {
                d_.setForeColor(Rot * farbe_);
                d_.setFontItalic(o_.strgPrnSW);
                // Broken inside the cell like the texts, so a long name stays in it.
                const QStringList reihen = DruckZeilenUmbrechen(feiertag, xr - xl, xr - xl);
                for (qsizetype i = 0; i < reihen.size(); ++i) {
                    if (i > 0 && d_.CurrentY() + iy > unten + 1e-9) {
                        break;
                    }
                    d_.setCurrentX(xl);
                    if (!schritt([&] { return d_.Print(reihen.at(i)); })) {
                        return false;
                    }
                }
                d_.setFontItalic(false);
            }
        }
        if (astro_) {
            const QString notizen = AstroText(tag);
            if (!notizen.isEmpty()) {
                d_.setForeColor(Gruen * farbe_);
                d_.setFontItalic(o_.strgPrnSW);
                if (!o_.strgNoData) {
                    const double y = d_.CurrentY();
                    // Capped at the cell: notes never run into the row below.
                    if (y + iy <= unten + 1e-9) {
                        (void)TextDrucken(notizen + QLatin1Char('\r'), xl, y, xr, unten);
                    }
                }
                d_.setFontItalic(false);
            }
        }

        d_.setForeColor(0);
        if (!o_.strgNoData) {
            const QString s = texte_.holen(tag);
            if (!s.isEmpty()) {
                const double punkte = d_.TextWidth(QStringLiteral("..."));
                // The texts fill the cell down to its bottom. Its last line keeps
                // room for "..." unless what is left fits on it, so that "..." never
                // covers a letter.
                QString rest = s;
                if (d_.CurrentY() + 2 * iy <= unten + 1e-9) {
                    rest = TextDrucken(s, xl, d_.CurrentY(), xr, unten - iy);
                }
                double y = d_.CurrentY();
                if (!rest.isEmpty() && y + iy <= unten + 1e-9) {
                    QString letzte = rest;
                    if (letzte.endsWith(QStringLiteral("\r\n"))) {
                        letzte.chop(2);
                    }
                    const bool passt = !letzte.contains(QLatin1Char('\r')) &&
                                       d_.TextWidth(letzte) < xr - xl - 1e-9;
                    rest = TextDrucken(rest, xl, y, passt ? xr : xr - punkte, unten);
                } else if (!rest.isEmpty()) {
                    y = unten - iy;  // no room at all: "..." on the cell's last line
                }
                if (!rest.isEmpty()) {
                    d_.setCurrentY(y);
                    d_.setCurrentX(xr - punkte);
                    if (!schritt([&] { return d_.Print(QStringLiteral("..."), false); })) {
                        return false;
                    }
                }
            }
        }
        d_.setFontName(schrift_.name);
        return true;
    }

    Drucker& d_ = drucker();
    BlattOptionen& o_;
    const SchriftWerte schrift_;
    const BlattRueckmeldung& rueck_;
    const TagesTexte texte_;
    const int farbe_;
    const int zellenzahl_;
    const bool feiertage_;
    const bool astro_;
    SchrittLaeufer lauf_;
    int zaehler_ = 0;
};

}  // namespace

BlattOptionen BlattOptionenLesen(const QDate& heute) {
    BlattOptionen o;
    o.TDruckenAb = DatumText(QDate(heute.year(), heute.month(), 1));
    o.kombiAdresse = IniLesen({}, {}, QStringLiteral("KalenderBlattFuer"), QStringLiteral("Alle"));
    o.TDruckenAnzahl = Wert("DruckenAnzahl", 1, 1, 20, 1);
    o.strgPrnQuer = Wert("KalenderBlattQuer", 1, 0, 1, 1) == 1;
    o.strgPrnSW = Wert("KalenderBlattSW", 1, 0, 1, 1) == 1;
    // A size the list does not hold leaves its item "5" selected.
    o.GroesseDatum = Wert("DruckenMonFntSz1", 9, 3, 12, 5);
    o.GroesseText = Wert("DruckenMonFntSz2", 7, 3, 12, 5);
    return o;
}

void BlattOptionenSchreiben(const BlattOptionen& o) {
    Schreiben("DruckenAnzahl", QString::number(o.TDruckenAnzahl));
    Schreiben("KalenderBlattQuer", Schalter(o.strgPrnQuer));
    Schreiben("KalenderBlattSW", Schalter(o.strgPrnSW));
    Schreiben("KalenderBlattFuer", Trim(o.kombiAdresse));
    Schreiben("DruckenMonFntSz1", QString::number(o.GroesseDatum));
    Schreiben("DruckenMonFntSz2", QString::number(o.GroesseText));
}

TagesTexte::TagesTexte(const QStringList& termine, const QString& station) : termine_(termine) {
    const QString f = StationsFilter(station);
    for (qsizetype i = 0; i < termine_.size(); ++i) {
        const QString& r = termine_.at(i);
        const QString st = LCase(Trim(Mid(r, 31, 7)));
        if (!f.isEmpty() && st != f && st != QStringLiteral("alle")) {
            continue;
        }
        if (const std::optional<QDate> tag = SchluesselLesen(r)) {
            nachDatum_.emplace(*tag, i);
        }
    }
}

QString TagesTexte::holen(const QDate& tag) const {
    QStringList zeilen;
    TextFelderStapel felder;
    const QString datum = DatumText(tag);
    for (auto [it, ende] = nachDatum_.equal_range(tag); it != ende; ++it) {
        const QString m = RTrim(Mid(termine_.at(it->second), 38));
        if (m.isEmpty() || Mid(m, 2, 10) == QStringLiteral("----------") ||
            m.startsWith(QLatin1Char('#')) || m.startsWith(QLatin1Char('@'))) {
            continue;
        }
        zeilen.append(QStringLiteral("* ") + felder.ersetzen(m, tag, datum));
    }
    QString text;
    for (const qsizetype i : DeutscheReihenfolge(zeilen)) {
        text += zeilen.at(i) + QStringLiteral("\r\n");
    }
    return Ersetzen(text, QStringLiteral("°°"), QStringLiteral("\r\n"));
}

bool BlattDrucken(const QStringList& termine, BlattOptionen& o, const SchriftWerte& schrift,
                  const BlattRueckmeldung& rueck) {
    SanduhrZeiger sanduhr;
    if (rueck.ereignisse) {
        rueck.ereignisse();
    }
    if (rueck.fortschritt) {
        rueck.fortschritt(0);
    }
    return BlattLauf(termine, o, schrift, rueck).drucken();
}

}  // namespace kronel
