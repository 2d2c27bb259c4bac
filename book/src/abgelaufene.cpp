#include "book/abgelaufene.h"

#include "book/termin.h"
#include "common/fehlermeldung.h"
#include "common/zahlformat.h"
#include "platform/dateien.h"
#include "platform/datum.h"
#include "platform/text.h"

#include <algorithm>
#include <cmath>

namespace kronel {

namespace {

constexpr long long kTageImBereich = 3700000;  // the years 100 to 9999 and some
constexpr long long kMonateImBereich = 120000;

// Whether stepping by m months from d can still clamp the day: only when one of
// the months the steps visit can be shorter than the day (February counted short).
bool KuerzungMoeglich(const QDate& d, long long m) {
    if (d.day() <= 28) {
        return false;
    }
    const long long schritt = m % 12;
    for (long long i = 1; i <= 12; ++i) {
        const int monat = static_cast<int>((d.month() - 1 + i * schritt) % 12) + 1;
        if (kMonatsTage[monat - 1] < d.day()) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool ZyklusAktiv(QStringView zyklusFeld, bool nurBekannteZyklen) {
    qsizetype n = zyklusFeld.size();
    while (n > 0 && zyklusFeld[n - 1] == u' ') {
        --n;
    }
    if (n == 0) {
        return false;
    }
    if (nurBekannteZyklen) {
        return PeriodeAktiv(zyklusFeld.toString());
    }
    // A blank field is never written by the composition; it counts as "-".
    return !(n == 1 && zyklusFeld[0] == u'-');
}

std::optional<QDate> ZyklusFortschreiben(const QDate& datum, const Periode& zyklus,
                                         const Periode& bis, const QDate& heute) {
    if (zyklus.einheit == 0 || zyklus.anzahl <= 0 || !ImKalender(datum)) {
        return std::nullopt;
    }
    auto erreicht = [&](const QDate& d) -> std::optional<bool> {
        const auto ende = DatumVerschieben(bis, d);
        if (!ende) {
            return std::nullopt;
        }
        return *ende >= heute;
    };
    const auto ende0 = DatumVerschieben(bis, datum);
    if (!ende0) {
        return std::nullopt;
    }
    if (*ende0 >= heute) {
        return datum;
    }

    // From d on no step clamps a day, so the k-th date is d shifted by k steps at
    // once. Whether k steps reach today is monotone in k: search the first k that
    // does, starting from an estimate. A date past the calendar counts as reached
    // (it lies beyond every date in range); the answer itself must lie in range.
    auto springen = [&](const QDate& d, long long schaetzung,
                        auto&& datumBei) -> std::optional<QDate> {
        auto reicht = [&](long long k) {
            const auto kand = datumBei(d, k);
            if (!kand) {
                return true;
            }
            const auto r = erreicht(*kand);
            return !r || *r;
        };
        // Gallop from the estimate to a bracket: unten steps do not reach, oben do.
        const long long k = std::max<long long>(1, schaetzung);
        long long unten = k - 1;
        long long oben = k;
        if (unten > 0 && reicht(unten)) {
            oben = unten;
            long long weite = 1;
            for (;;) {
                unten = std::max<long long>(0, oben - weite);
                if (unten == 0 || !reicht(unten)) {
                    break;
                }
                oben = unten;
                weite *= 2;
            }
        } else {
            long long weite = 1;
            while (!reicht(oben)) {
                unten = oben;
                oben += weite;
                weite *= 2;
            }
        }
        while (oben - unten > 1) {
            const long long mitte = unten + (oben - unten) / 2;
            if (reicht(mitte)) {
                oben = mitte;
            } else {
                unten = mitte;
            }
        }
        const auto ergebnis = datumBei(d, oben);
        if (!ergebnis || !erreicht(*ergebnis).value_or(false)) {
            return std::nullopt;
        }
        return ergebnis;
    };

    if (zyklus.einheit == 't' || zyklus.einheit == 'w') {
        if (zyklus.anzahl > kTageImBereich) {
            return std::nullopt;
        }
        const long long schritt = zyklus.einheit == 'w' ? zyklus.anzahl * 7 : zyklus.anzahl;
        auto datumBei = [schritt](const QDate& d, long long k) -> std::optional<QDate> {
            if (k > kTageImBereich / schritt + 1) {
                return std::nullopt;
            }
            const QDate r = d.addDays(k * schritt);
            return ImKalender(r) ? std::optional<QDate>(r) : std::nullopt;
        };
        return springen(datum, (ende0->daysTo(heute) + schritt - 1) / schritt, datumBei);
    }

    const long long faktor = zyklus.einheit == 'm' ? 1 : (zyklus.einheit == 'q' ? 3 : 12);
    if (zyklus.anzahl > kMonateImBereich) {
        return std::nullopt;
    }
    const long long monate = zyklus.anzahl * faktor;
    // Days above 28 may be clamped by a shorter month: step one by one while that
    // can still happen (a few steps at most), then jump.
    QDate d = datum;
    while (KuerzungMoeglich(d, monate)) {
        const QDate n = MonateAddieren(d, monate);
        if (!ImKalender(n)) {
            return std::nullopt;
        }
        d = n;
        const auto r = erreicht(d);
        if (!r) {
            return std::nullopt;
        }
        if (*r) {
            return d;
        }
    }
    auto datumBei = [monate](const QDate& start, long long k) -> std::optional<QDate> {
        if (k > kMonateImBereich / monate + 1) {
            return std::nullopt;
        }
        const QDate r = MonateAddieren(start, k * monate);
        return ImKalender(r) ? std::optional<QDate>(r) : std::nullopt;
    };
    const auto ende = DatumVerschieben(bis, d);
    if (!ende) {
        return std::nullopt;
    }
    const long long abstand = (static_cast<long long>(heute.year()) * 12 + heute.month()) -
                              (static_cast<long long>(ende->year()) * 12 + ende->month());
    if (d != datum && *ende >= heute) {
        return d;
    }
    return springen(d, (abstand + monate - 1) / monate, datumBei);
}

Ergebnis<QString> TerminFortschreiben(const QString& termin, const QDate& heute, bool zaehler) {
    const auto datum = SchluesselLesen(termin);
    if (!datum) {
        return Fehler(FehlerNr::Typfehler, QStringLiteral("Ungültiges Datum im Termin"));
    }
    const QStringView t(termin);
    const Periode bis = PeriodeLesen(FeldVon(t, Festfeld::Bis).toString());
    const Periode zyklus = PeriodeLesen(FeldVon(t, Festfeld::Zyklus).toString());
    const auto neu = ZyklusFortschreiben(*datum, zyklus, bis, heute);
    if (!neu) {
        return Fehler(FehlerNr::UngueltigesArgument,
                      QStringLiteral("Das Datum des Termins verlässt den Kalender"));
    }
    QString ergebnis = termin;
    if (zaehler) {
        static const QString kFeld = QStringLiteral("{ZyklusZähler:");
        const qsizetype p = InStr(Spalte::Meldung, termin, kFeld, true);
        if (p > 0) {
            const qsizetype q = InStr(p, termin, QStringLiteral("}"));
            if (q == 0) {
                return Fehler(FehlerNr::UngueltigesArgument,
                              QStringLiteral("Zykluszähler ohne schließende Klammer"));
            }
            const double wert = Val(Mid(termin, p + kFeld.size(), 4)) + 1.0;
            if (!(std::fabs(wert) < 2147483647.0)) {
                return Fehler(FehlerNr::Ueberlauf);
            }
            const QString alt = Mid(termin, p, q - p + 1);
            ergebnis = Ersetzen(ergebnis, alt,
                                kFeld + QString::number(RundenGerade(wert)) + QLatin1Char('}'));
        }
    }
    ergebnis.replace(0, Breite::Datum, SchluesselAusDatum(*neu));
    return ergebnis;
}

AbgelaufenPruefer::AbgelaufenPruefer(const QDate& heute, const AbgelaufenRegeln& regeln)
    : heute_(heute),
      nurBekannteZyklen_(regeln.nurBekannteZyklen),
      zaehlerErhoehen_(regeln.zaehlerErhoehen) {}

AbgelaufenSchritt AbgelaufenPruefer::pruefen(const QString& termin) {
    using Art = AbgelaufenSchritt::Art;
    AbgelaufenSchritt s;
    const QStringView t(termin);
    const auto datum = SchluesselLesen(termin);
    if (!datum) {
        s.art = Art::Defekt;
        s.fehler = Fehler(FehlerNr::Typfehler, QStringLiteral("Ungültiges Datum im Termin"));
        return s;
    }
    const auto ende = DatumVerschieben(perioden_.lesen(FeldVon(t, Festfeld::Bis)), *datum);
    if (!ende) {
        s.art = Art::Defekt;
        s.fehler = Fehler(FehlerNr::UngueltigesArgument,
                          QStringLiteral("Ungültiger Ankündigungszeitraum"));
        return s;
    }
    if (*ende >= heute_) {
        return s;
    }
    const QStringView zyklusFeld = FeldVon(t, Festfeld::Zyklus);
    if (!ZyklusAktiv(zyklusFeld, nurBekannteZyklen_)) {
        s.art = Art::Faellt;
        return s;
    }
    const Periode z = perioden_.lesen(zyklusFeld);
    if (z.einheit == 0 || z.anzahl <= 0) {
        // A cycle that never moves the date forward would never reach today.
        return s;
    }
    auto neu = TerminFortschreiben(termin, heute_, zaehlerErhoehen_);
    if (!neu) {
        s.art = Art::Defekt;
        s.fehler = neu.fehler();
        return s;
    }
    s.art = Art::Neu;
    s.neu = std::move(neu.wert());
    return s;
}

// Every failure of one roll-over in one report.
Fehler DefekteFehler(const AbgelaufenErgebnis& e) {
    const auto& erster = e.defekte.front();
    QString text = e.defekte.size() == 1
                       ? QStringLiteral("Ein Termin konnte nicht fortgeschrieben werden")
                       : QStringLiteral("%1 Termine konnten nicht fortgeschrieben werden")
                             .arg(e.defekte.size());
    text += e.defekte.size() == 1 ? QStringLiteral(" und bleibt unverändert")
                                  : QStringLiteral(" und bleiben unverändert");
    if (e.defekte.size() > 1) {
        text += QStringLiteral(", zuerst");
    }
    // A record may run to tens of thousands of characters: its beginning
    // names it well enough, its length says the rest.
    constexpr qsizetype kZitat = 80;
    QStringList zusatz;
    text += QStringLiteral(": »") + erster.termin.left(kZitat);
    if (erster.termin.size() > kZitat) {
        text += QStringLiteral("…");
        zusatz.append(GanzzahlText(erster.termin.size()) + QStringLiteral(" Zeichen lang"));
    }
    text += QStringLiteral("«");
    if (!erster.fehler.beschreibung.isEmpty()) {
        zusatz.append(erster.fehler.beschreibung);
    }
    if (!zusatz.isEmpty()) {
        text += QStringLiteral(" (") + zusatz.join(QStringLiteral("; ")) + QStringLiteral(")");
    }
    return Fehler(erster.fehler.nummer, text);
}

Status InsArchiv(const QString& archiv, const QString& termin, int wartezeitMs) {
    // The archive is shared with the reminder, which appends to it as well.
    const DateiSperre sperre(archiv, wartezeitMs);
    if (!sperre.gesperrt()) {
        return sperre.grund();
    }
    return DateiAnhaengen(archiv, NachCp1252(Archivzeile(termin) + QStringLiteral("\r\n")));
}

AbgelaufenErgebnis AbgelaufeneFortschreiben(QStringList& termine, const QDate& heute,
                                            const AbgelaufenRegeln& regeln) {
    using Art = AbgelaufenSchritt::Art;
    AbgelaufenErgebnis e;
    e.herkunft.reserve(static_cast<size_t>(termine.size()));
    AbgelaufenPruefer pruefer(heute, regeln);
    // After one failed append the others of this roll-over do not wait for the
    // lock again: a lock another process keeps would hold the program for ten
    // seconds per expired record.
    int sperreWarten = 10000;
    // The records that stay move up in place: no second list of a whole book.
    qsizetype bleiben = 0;
    auto ablegen = [&](QString&& t, qsizetype herkunft) {
        termine[bleiben++] = std::move(t);
        e.herkunft.push_back(herkunft);
    };
    for (qsizetype index = 0; index < termine.size(); ++index) {
        QString& termin = termine[index];
        auto behalten = [&] {
            if (bleiben == index) {
                ++bleiben;
                e.herkunft.push_back(index);
            } else {
                ablegen(std::move(termin), index);
            }
        };
        AbgelaufenSchritt schritt = pruefer.pruefen(termin);
        switch (schritt.art) {
            case Art::Bleibt:
                behalten();
                continue;
            case Art::Defekt:
                e.defekte.push_back({termin, schritt.fehler});
                behalten();
                continue;
            case Art::Neu:
                ++e.fortgeschrieben;
                ablegen(std::move(schritt.neu), -1);
                continue;
            case Art::Faellt:
                break;
        }
        if (regeln.archivieren) {
            const Status s = InsArchiv(regeln.archiv, termin, sperreWarten);
            if (!s) {
                sperreWarten = 0;
                // Never drop an appointment the archive did not take.
                e.defekte.push_back({termin, s.fehler()});
                behalten();
                continue;
            }
            ++e.archiviert;
        }
        ++e.entfernt;
    }
    termine.resize(bleiben);
    return e;
}

}  // namespace kronel
