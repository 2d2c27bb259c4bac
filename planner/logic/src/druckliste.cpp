#include "planner/druckliste.h"

#include <algorithm>
#include <cmath>

#include "common/datenpfade.h"
#include "common/deutschetexte.h"
#include "common/drucktext.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/textfelder.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/drucker.h"
#include "platform/schritte.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

constexpr qsizetype PraefixLaenge = 15;  // the prefix without its closing blank
constexpr qsizetype ZeilenGrenze = 201;
constexpr qsizetype ZeilenLaenge = 99;

// A scroll bar's setting: the number at the start of the text, which the bar
// takes when it lies in its range; any other value is the key's default.
int Regler(const char* schluessel, int vorgabe, int min, int max) {
    const double wert = std::nearbyint(
        Val(IniLesen({}, {}, QString::fromUtf8(schluessel), QString::number(vorgabe))));
    return wert >= min && wert <= max ? static_cast<int>(wert) : vorgabe;
}

void Schreiben(const char* schluessel, const QString& wert) {
    IniSchreiben({}, {}, QString::fromUtf8(schluessel), wert);
}

QString MitBlank(int n) {
    return QLatin1Char(' ') + QString::number(n);
}

bool KeineDruckzeile(const QString& text) {
    return Mid(text, 2, 10) == QStringLiteral("----------") || text.startsWith(QLatin1Char('#')) ||
           text.startsWith(QLatin1Char('@'));
}

}  // namespace

DruckListenOptionen DruckOptionenLesen(const QDate& heute) {
    DruckListenOptionen o;
    o.TDruckenMaxSeiten = Regler("DruckenMaxSeiten", 1, 1, 5);
    o.TDruckenAnzahl = Regler("DruckenAnzahl", 1, 1, 20);
    o.TDruckenRandLinks = Regler("DruckenRandLinks", 10, 0, 20);
    o.TDruckenLeerzeilen = Regler("DruckenLeerzeilen", 1, 0, 5);
    o.ODruckenAlleTage = Regler("DruckenAlleTage", 1, 0, 1) == 1;
    o.KDruckenBis = IniLesen({}, {}, QStringLiteral("DruckenBis"), QStringLiteral("3W"));
    o.TDruckenAb = DatumText(heute);
    o.BDruckenBis = DruckenBisBerechnen(o.TDruckenAb, o.KDruckenBis);
    return o;
}

void DruckOptionenSchreiben(const DruckListenOptionen& o) {
    Schreiben("DruckenMaxSeiten", MitBlank(o.TDruckenMaxSeiten));
    Schreiben("DruckenAlleTage", o.ODruckenAlleTage ? QStringLiteral("1") : QStringLiteral("0"));
    Schreiben("DruckenLeerzeilen", MitBlank(o.TDruckenLeerzeilen));
    Schreiben("DruckenRandLinks", MitBlank(o.TDruckenRandLinks));
    Schreiben("DruckenAnzahl", MitBlank(o.TDruckenAnzahl));
    Schreiben("DruckenBis", o.KDruckenBis);
}

QString DruckenBisBerechnen(const QString& ab, const QString& code) {
    const QString bis = DatumVerschieben(code, ab);
    if (!bis.isEmpty()) {
        return bis;
    }
    // Only a shift beyond the calendar fails: forward the span ends with it.
    return Trim(code).startsWith(QLatin1Char('-')) ? ab : QStringLiteral("31.12.9999");
}

QString DruckenBisCode(const QString& ab, const QDate& bis) {
    const std::optional<QDate> von = DatumLesen(ab);
    return QString::number(von ? von->daysTo(bis) : 0) + QLatin1Char('T');
}

DruckTermine::DruckTermine(QStringList termine) : termine_(std::move(termine)) {
    nachDatum_.reserve(static_cast<size_t>(termine_.size()));
    for (qsizetype i = 0; i < termine_.size(); ++i) {
        if (const std::optional<QDate> tag = SchluesselLesen(termine_.at(i))) {
            nachDatum_.emplace_back(*tag, i);
        }
    }
    std::stable_sort(nachDatum_.begin(), nachDatum_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

DruckTermine::Bereich DruckTermine::tage(const QDate& von, const QDate& bis) const {
    const auto vorDem = [](const std::pair<QDate, qsizetype>& e, const QDate& d) {
        return e.first < d;
    };
    const auto anfang = std::lower_bound(nachDatum_.begin(), nachDatum_.end(), von, vorDem);
    const auto ende = std::upper_bound(
        anfang, nachDatum_.end(), bis,
        [](const QDate& d, const std::pair<QDate, qsizetype>& e) { return d < e.first; });
    return {anfang, ende};
}

QString TagesPraefix(const QDate& tag) {
    return DatumText(tag) + QStringLiteral(" (") +
           TagMonatName(Wochentag(tag), QStringLiteral("WT2")) + QStringLiteral(") ");
}

namespace {

// A line of the print list with what the printout needs to know of it.
struct ListenZeile {
    QString text;
    QDate tag;           // none for the day separator
    bool linie = false;  // a note rule
};

std::vector<ListenZeile> ListeAufbauen(const DruckTermine& termine, const DruckListenOptionen& o) {
    std::vector<ListenZeile> liste;
    const std::optional<QDate> von = DatumLesen(o.TDruckenAb);
    if (!von) {
        return liste;
    }
    // The first day is built even when the last one lies before it.
    const QDate bis = std::max(*von, DatumLesen(o.BDruckenBis).value_or(*von));
    const bool alleTage = o.ODruckenAlleTage;
    const int leer = alleTage ? o.TDruckenLeerzeilen : 0;
    const QString notiz = Space(ZeilenLaenge);
    const QString linie = Zeichenkette(ZeilenLaenge, QLatin1Char('_'));
    TextFelderStapel felder;
    auto [it, ende] = termine.tage(*von, bis);
    QDate tag = *von;
    for (;;) {
        // Without empty days and note lines a day without a record gives no line.
        if (!alleTage && it != ende && it->first > tag) {
            tag = it->first;
        }
        const QString praefix = TagesPraefix(tag);
        const QString datum = DatumText(tag);
        int anzahl = 0;
        for (; it != ende && it->first == tag; ++it) {
            QString text = RTrim(Mid(termine.termine().at(it->second), 38));
            if (text.isEmpty() || KeineDruckzeile(text)) {
                continue;
            }
            text = felder.ersetzen(text, tag, datum);
            qsizetype p;
            while ((p = text.indexOf(QStringLiteral("°°"))) >= 0) {
                liste.push_back({praefix + text.left(p), tag});
                text = text.mid(p + 2);
            }
            liste.push_back({praefix + text, tag});
            ++anzahl;
        }
        for (int i = 0; i < leer; ++i) {
            liste.push_back({praefix + notiz, tag});
            liste.push_back({praefix + linie, tag, true});
            ++anzahl;
        }
        if (alleTage && anzahl == 0) {
            liste.push_back({praefix + Space(255), tag});
            anzahl = 1;
        }
        if (anzahl > 0) {
            liste.push_back({notiz, {}});
        }
        tag = tag.addDays(1);
        if (!tag.isValid() || tag > bis || liste.size() > ZeilenGrenze ||
            (!alleTage && it == ende)) {
            break;
        }
    }
    for (ListenZeile& zeile : liste) {
        zeile.text.truncate(ZeilenLaenge);
    }
    // Upwards, so that each line is compared with the unchanged one above it.
    const QString leerPraefix = Space(PraefixLaenge);
    for (size_t i = liste.size(); i-- > 1;) {
        if (QStringView(liste[i].text).left(PraefixLaenge) ==
            QStringView(liste[i - 1].text).left(PraefixLaenge)) {
            liste[i].text.replace(0, PraefixLaenge, leerPraefix);
        }
    }
    return liste;
}

}  // namespace

QStringList DruckListeAufbauen(const DruckTermine& termine, const DruckListenOptionen& o) {
    QStringList liste;
    for (ListenZeile& zeile : ListeAufbauen(termine, o)) {
        liste.append(std::move(zeile.text));
    }
    return liste;
}

QString DruckVorschauText(const QStringList& liste) {
    constexpr qsizetype Hoechstens = 30000;
    QString text;
    for (const QString& zeile : liste) {
        text += QStringView(zeile).left(250);
        text += QStringLiteral("\r\n");
        if (text.size() >= Hoechstens) {
            break;
        }
    }
    text.truncate(Hoechstens);
    return text;
}

SchriftWerte VorschauSchrift(SchriftWerte s) {
    s.groesse = std::min(s.groesse, 9.0);
    return s;
}

bool DruckListeDrucken(const DruckTermine& termine, const DruckListenOptionen& o,
                       const SchriftWerte& schrift, const DruckRueckmeldung& rueck) {
    SanduhrZeiger sanduhr;
    Drucker& d = drucker();
    SchrittLaeufer lauf(
        [](const Fehler& f) {
            return FehlerMeldung(f, QStringLiteral("Es ist ein Fehler aufgetreten."));
        },
        QStringLiteral("Drucken.befOk_Click"));
    // The options cannot change while the printout runs: stored once.
    DruckOptionenSchreiben(o);
    const double rand = o.TDruckenRandLinks / 10.0;
    const QString leerPraefix = Space(PraefixLaenge);
    QString titel;
    for (int kopie = 1; kopie <= o.TDruckenAnzahl && !lauf.abgebrochen(); ++kopie) {
        // Each copy prints from a list of its own.
        const std::vector<ListenZeile> liste = ListeAufbauen(termine, o);
        lauf([&] { return d.setScaleMode(Massstab::Zentimeter); });
        d.setFontName(schrift.name);
        d.setFontSize(schrift.groesse);
        d.setFontBold(schrift.fett);
        d.setFontItalic(schrift.kursiv);
        const double breite = d.ScaleWidth() - rand;
        int seitenUebrig = o.TDruckenMaxSeiten;
        bool seitenAnfang = true;
        if (rueck.ereignisse) {
            rueck.ereignisse();
        }
        // Prints one row and ends the page when it touches the bottom reserve of
        // 1.7 cm; false when the copy has no further page or the run was aborted.
        const auto zeileDrucken = [&](const QString& zeile) {
            if (!lauf([&] { return d.Print(zeile); })) {
                return false;
            }
            seitenAnfang = d.CurrentY() + d.TextHeight(zeile) >= d.ScaleHeight() - 1.7 - 1e-9;
            if (seitenAnfang) {
                --seitenUebrig;
                if (!lauf([&] { return d.EndDoc(); }) || seitenUebrig <= 0) {
                    return false;
                }
            }
            return true;
        };
        for (const ListenZeile& z : liste) {
            const QString neu = QStringLiteral("Kopie: %1, Seite: %2")
                                    .arg(kopie)
                                    .arg(o.TDruckenMaxSeiten + 1 - seitenUebrig);
            if (neu != titel) {
                titel = neu;
                if (rueck.fortschritt) {
                    rueck.fortschritt(titel);
                }
            }
            QString zeile = z.text;
            // A day going on over a page break shows its date again at the top.
            const auto datum = [&z] { return TagesPraefix(z.tag).left(PraefixLaenge); };
            if (seitenAnfang && z.tag.isValid() && zeile.startsWith(leerPraefix)) {
                zeile.replace(0, PraefixLaenge, datum());
            }
            QStringList reihen{zeile};
            double spalte = rand;
            if (d.TextWidth(zeile) > breite + 1e-9) {
                if (z.linie) {
                    // The rule ends at the printable width.
                    reihen = {zeile.left(DruckZeichenBis(zeile, breite + 1e-9))};
                } else {
                    // Too wide for the paper: the line goes on in rows under the text
                    // of the day's dated line, behind a date repeated at a page's top
                    // also where a proportional font makes the date wider than blanks.
                    spalte = rand + d.TextWidth(z.tag.isValid() ? TagesPraefix(z.tag)
                                                                : zeile.left(PraefixLaenge + 1));
                    reihen = DruckZeilenUmbrechen(zeile, breite, rand + breite - spalte);
                }
            }
            bool weiter = true;
            for (qsizetype r = 0; r < reihen.size() && weiter; ++r) {
                if (r > 0 && seitenAnfang && z.tag.isValid()) {
                    d.setCurrentX(rand);
                    weiter = lauf([&] { return d.Print(datum(), false); });
                }
                d.setCurrentX(r == 0 ? rand : spalte);
                weiter = weiter && zeileDrucken(reihen.at(r));
            }
            if (!weiter) {
                break;
            }
        }
        lauf([&] { return d.EndDoc(); });
    }
    if (lauf.abgebrochen()) {
        d.KillDoc();
        return false;
    }
    IniSchreiben({}, {}, QStringLiteral("AutoPrintZuletzt"), DatumText(uhr().heute()));
    return true;
}

}  // namespace kronel
