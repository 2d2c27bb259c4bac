#include "output/ausgabelauf.h"

#include "book/abgelaufene.h"
#include "book/sortieren.h"
#include "book/termin.h"
#include "book/termindatei.h"
#include "common/datenpfade.h"
#include "common/deutschetexte.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/kalender.h"
#include "common/modul.h"
#include "common/startwachen.h"
#include "common/textfelder.h"
#include "common/ton.h"
#include "output/filter.h"
#include "output/planerstart.h"
#include "output/programmstart.h"
#include "platform/dateien.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/schritte.h"
#include "platform/text.h"
#include "platform/uhr.h"

#include <QFileInfo>

namespace kronel {

namespace {

const QString kZeilenende = QStringLiteral("\r\n");
constexpr qsizetype kEinzug = 18;
// v * 10 of the oldest file layout the run reads (4.00).
constexpr long long kAeltesteVersion = 4000;

bool Eingeschaltet(const QString& schluessel, const char* vorgabe) {
    return Val(IniLesen({}, {}, schluessel, QLatin1String(vorgabe))) != 0;
}

// The appointment is meant for every station or for this user.
bool StationPasst(const QString& termin, const QString& benutzerKlein) {
    const QString station = LCase(FeldText(termin, Festfeld::Adresse));
    return station == QLatin1String("alle") || station == benutzerKlein;
}

bool MitFeldern(QStringView text) {
    const char16_t* t = text.utf16();
    unsigned mit = 0;  // without an early exit the compiler takes many at once
    for (qsizetype i = 0; i < text.size(); ++i) {
        mit |= static_cast<unsigned>(t[i] == u'{') | static_cast<unsigned>(t[i] == u'[');
    }
    return mit != 0;
}

// The announce window of a record and whether it is due today at this station.
struct Fenster {
    std::optional<QDate> datum;  // none: the record has no valid date key
    std::optional<QDate> von;
    bool faellig = false;
};

Fenster FensterPruefen(const QString& termin, const QDate& heute, const QString& benutzerKlein,
                       Periodenspeicher& perioden) {
    Fenster f;
    f.datum = SchluesselLesen(termin);
    if (!f.datum) {
        return f;
    }
    const QDate datum = *f.datum;
    const QStringView t(termin);
    f.von = DatumVerschieben(perioden.lesen(FeldVon(t, Festfeld::Von), true), datum);
    const auto bis = DatumVerschieben(perioden.lesen(FeldVon(t, Festfeld::Bis)), datum);
    // A window beyond the calendar covers no day.
    f.faellig = f.von && bis && heute.daysTo(*f.von) <= 0 && heute.daysTo(*bis) >= 0 &&
                StationPasst(termin, benutzerKlein);
    return f;
}

// Every text is expanded before its due test, as a calculation or an
// abbreviation may report a failure; built-in fields alone matter only where
// the text is shown. A text without fields stays as it is.
bool ErweiternNoetig(QStringView meldung, bool faellig) {
    return MitFeldern(meldung) && (faellig || !NurEingebauteFelder(meldung));
}

// The body of the text: the due lines, the day's lines, the closing sentence,
// appended to text. Returns the number of counted lines.
long MeldungenAnhaengen(QString& text, const QStringList& termine, const QDateTime& jetzt,
                        const QString& benutzerKlein, Zufall& zufall) {
    long anzahl = 0;
    const QDate heute = jetzt.date();
    TextFelderStapel felder;
    Periodenspeicher perioden;
    for (const QString& termin : termine) {
        const Fenster f = FensterPruefen(termin, heute, benutzerKlein, perioden);
        if (!f.datum) {
            continue;
        }
        const QStringView roh = MeldungVon(termin);
        std::optional<QString> erweitert;
        if (ErweiternNoetig(roh, f.faellig)) {
            erweitert = felder.ersetzen(roh.toString(), heute, DatumText(*f.datum));
        }
        if (!f.faellig) {
            continue;
        }
        const QDate& datum = *f.datum;
        const QDate& von = *f.von;
        QString filter = FeldText(termin, Festfeld::Filter);
        if (!FilterAuswerten(filter, jetzt, datum, von, zufall)) {
            continue;
        }
        QString meldung = erweitert ? *erweitert : roh.toString();
        if (meldung.startsWith(QLatin1Char('@'))) {
            const QString bericht = ProgrammAusTerminStarten(meldung);
            if (!bericht.isEmpty()) {
                text += bericht + kZeilenende;
            }
            continue;
        }
        text += AusgabeZeile(datum, heute, meldung);
        text += kZeilenende;
        ++anzahl;
    }
    if (Eingeschaltet(QStringLiteral("InfoFeiertag"), "1")) {
        const QString feiertag = FeiertagText(heute);
        if (!feiertag.isEmpty()) {
            text += kZeilenende + feiertag + kZeilenende;
            ++anzahl;
        }
    }
    if (Eingeschaltet(QStringLiteral("InfoAstro"), "1")) {
        const QString astro = AstroText(heute);
        if (!astro.isEmpty()) {
            text += kZeilenende + astro + kZeilenende;
            ++anzahl;
        }
    }
    if (anzahl == 0) {
        text += QStringLiteral("Für heute liegen keine Meldungen vor.") + kZeilenende;
    }
    return anzahl;
}

// The roll-over of the run: every cycle other than "-" counts, the counter
// stays, nothing is archived.
AbgelaufenRegeln AusgabeRegeln() {
    AbgelaufenRegeln regeln;
    regeln.nurBekannteZyklen = false;
    regeln.zaehlerErhoehen = false;
    regeln.archivieren = false;
    return regeln;
}

void NachDatumOrdnen(QStringList& termine) {
    const std::vector<qsizetype> ordnung = DatumsReihenfolge(termine);
    // A book as the planner saves it is in date order already.
    bool geordnet = true;
    for (size_t i = 0; i < ordnung.size() && geordnet; ++i) {
        geordnet = ordnung[i] == static_cast<qsizetype>(i);
    }
    if (geordnet) {
        return;
    }
    QStringList sortiert;
    sortiert.reserve(termine.size());
    for (const qsizetype i : ordnung) {
        sortiert.append(std::move(termine[i]));
    }
    termine = std::move(sortiert);
}

// The records of the run without a list of the whole book: only those that are
// shown or whose text may report a failure make a difference to the text, so the
// file is read in pieces, each record rolled on as it comes, and only those are
// kept. Sorted, they stand in the order they have in the whole sorted book.
// version: that of the header; 0 unless the file was read.
// kopfRest: what stood after the header could not be read (line breaks lost).
Status WichtigeTermineLesen(const QString& pfad, const QDate& heute, const QString& benutzerKlein,
                            QStringList& wichtig, long long& version, bool& kopfGueltig,
                            bool& kopfRest) {
    wichtig.clear();
    version = 0;
    kopfGueltig = false;
    kopfRest = false;
    AbgelaufenPruefer rollen(heute, AusgabeRegeln());
    Periodenspeicher perioden;
    auto behalten = [&](const QString& termin) {
        const Fenster f = FensterPruefen(termin, heute, benutzerKlein, perioden);
        if (f.datum && (f.faellig || ErweiternNoetig(MeldungVon(termin), false))) {
            wichtig.append(termin);
        }
    };
    TermineLesen leser([&](const QString& termin) {
        const AbgelaufenSchritt s = rollen.pruefen(termin);
        if (s.art == AbgelaufenSchritt::Art::Neu) {
            behalten(s.neu);
        } else if (s.art != AbgelaufenSchritt::Art::Faellt) {
            behalten(termin);
        }
    });
    bool leer = true;
    const Status gelesen = DateiStueckweiseLesen(pfad, [&](QByteArrayView stueck) {
        leer = false;
        leser.weiter(stueck);
    });
    if (!gelesen) {
        return gelesen;
    }
    if (leer) {
        return Fehler(FehlerNr::HinterDateiende, FehlerBeschreibung(FehlerNr::HinterDateiende) +
                                                     QStringLiteral(": ") + pfad +
                                                     QStringLiteral(" ist leer"));
    }
    version = leser.ende();
    kopfGueltig = leser.kopfGueltig();
    kopfRest = leser.kopfRestUngelesen();
    NachDatumOrdnen(wichtig);
    return {};
}

}  // namespace

QString AusgabeKopf(const QString& benutzer, const QDate& heute) {
    QString kopf;
    if (!benutzer.isEmpty()) {
        kopf += QStringLiteral("Meldungen für ") + benutzer + QLatin1Char('.') + kZeilenende;
    }
    kopf += DatumText(QStringLiteral("dddd, d. mmmm yyyy"), heute) + QStringLiteral(", ") +
            QString::number(KalenderWoche(heute)) + QStringLiteral(". Woche") + kZeilenende;
    kopf += QString(80, QLatin1Char('_')) + kZeilenende;
    kopf += kZeilenende;
    return kopf;
}

QString AusgabeZeile(const QDate& datum, const QDate& heute, const QString& meldung) {
    QString zeile;
    zeile.reserve(kEinzug + meldung.size());
    zeile += datum == heute ? u'*' : u' ';
    zeile += DatumText(datum);
    zeile += u" (";
    zeile += TagMonatName(Wochentag(datum), QStringLiteral("wt2"));
    zeile += u"): ";
    zeile += meldung;
    return zeile;
}

QString UmbruecheEinruecken(const QString& text) {
    // The replacement holds no "°", so one pass leaves none behind.
    return QString(text).replace(QStringLiteral("°°"), kZeilenende + QString(kEinzug, u' '));
}

Terminausgabe::Terminausgabe(AusgabeAnzeige& anzeige, Zufall& zufall)
    : anzeige_(anzeige), zufall_(zufall) {}

AusgabeEnde Terminausgabe::TermineAusgeben() {
    std::optional<SanduhrZeiger> sanduhr(std::in_place);
    SchrittLaeufer schritt(
        [](const Fehler& f) {
            return FehlerMeldungMitBeschreibung(
                f, QStringLiteral("Es ist ein Fehler bei der Terminausgabe aufgetreten."));
        },
        QStringLiteral("TermineAusgeben"));
    const QDateTime jetzt = uhr().jetzt();
    const QDate heute = jetzt.date();

    const QString benutzer = Benutzername();
    Text = AusgabeKopf(benutzer, heute);
    AnzahlMeldungen = 0;

    const QString pfad = modul().DateiTermine;
    // A folder, FIFO or device in its place is named by the reading, not taken for no file.
    if (!QFileInfo::exists(pfad)) {
        TonAusgeben(QStringLiteral("#SystemHand"));
        meldungen().zeigen(QStringLiteral("Die Termindatei »") + pfad +
                               QStringLiteral("« kann nicht gefunden werden.\r\rIst das "
                                              "Arbeitsverzeichnis richtig eingestellt?\r\rBeende "
                                              "jetzt die Terminausgabe."),
                           Box::OK | Box::Stop, QStringLiteral("Kronel, keine Termine gefunden"));
        return AusgabeEnde::Beenden;
    }

    const QString benutzerKlein = LCase(benutzer);
    QStringList wichtig;
    long long version = 0;
    bool kopfGueltig = false;
    bool kopfRest = false;
    // After Ignore on an empty file the version counts as 0. A file that could
    // not be read at all (a FIFO, a folder, too large, no access) was named
    // by the report: Ignore ends the run without a second box for that cause.
    bool nichtGelesen = false;
    if (!schritt([&] {
            const Status s = WichtigeTermineLesen(pfad, heute, benutzerKlein, wichtig, version,
                                                  kopfGueltig, kopfRest);
            nichtGelesen = !s && s.fehler().nummer != FehlerNr::HinterDateiende;
            return s;
        })) {
        return AusgabeEnde::Abgebrochen;
    }
    if (nichtGelesen) {
        return AusgabeEnde::Beenden;
    }
    if (!kopfGueltig) {
        // Empty, unreadable, or no data file of this system (UTF-16, garbage).
        TonAusgeben(QStringLiteral("#SystemHand"));
        meldungen().zeigen(QStringLiteral("Die Termindatei »") + pfad +
                               QStringLiteral("« ist leer, nicht lesbar oder keine Terminliste "
                                              "(ihre erste Zeile beginnt nicht mit "
                                              "»..Kronelin«).\r\rBeende jetzt die "
                                              "Terminausgabe."),
                           Box::OK | Box::Stop, QStringLiteral("Kronel, keine Termine gefunden"));
        return AusgabeEnde::Beenden;
    }
    if (version < kAeltesteVersion) {
        sanduhr.reset();
        TonAusgeben(QStringLiteral("#SystemHand"));
        const int antwort = meldungen().zeigen(
            QStringLiteral("Oh, die Termine stammen aus einer alten DOS-Version. Bitte zuerst das "
                           "Programm »KRONELIN« ausführen ... oder soll das Programm gleich "
                           "gestartet werden?"),
            Box::JaNein | Box::Ausrufezeichen, VersionsTitel(version));
        if (antwort == Antwort::Ja) {
            // A planner that does not start is told like any failure of the run.
            schritt([] { return PlanerStarten({}); });
        }
        return AusgabeEnde::Beenden;
    }

    if (kopfRest) {
        // The output only reads: the planner keeps the original and the rest.
        sanduhr.reset();
        TonAusgeben(QStringLiteral("#SystemExclamation"));
        meldungen().zeigen(
            QStringLiteral("Die Termindatei »") + pfad +
                QStringLiteral("« wurde nicht vollständig gelesen: in ihrer ersten Zeile steht "
                               "hinter dem Kopf mehr als ein Termin (Zeilenumbrüche fehlen). "
                               "Diese Termine werden nicht ausgegeben.\r\rBitte starten Sie "
                               "»Kronelin«: er bewahrt die Datei auf und übernimmt die Zeile "
                               "in »Kronel.Rest«."),
            Box::OK | Box::Ausrufezeichen, QStringLiteral("Kronel"));
    }
    AnzahlMeldungen = MeldungenAnhaengen(Text, wichtig, jetzt, benutzerKlein, zufall_);
    Text = UmbruecheEinruecken(Text);
    anzeige_.AusgabeSetzen(Text);

    if (AnzahlMeldungen < 1 && Eingeschaltet(QStringLiteral("KronelAusBeiNix"), "0")) {
        return AusgabeEnde::Beenden;
    }
    if (TonGespielt == 0) {
        TonGespielt = 1;
        if (IniLesen({}, {}, QStringLiteral("Sound"), QStringLiteral("1")) == QLatin1String("1")) {
            TonAusgeben(
                IniLesen({}, {}, QStringLiteral("SoundFile"), QStringLiteral("Kronel.wav")));
        }
    }
    anzeige_.Warten(2);
    anzeige_.NachVorne();
    return AusgabeEnde::Weiter;
}

}  // namespace kronel
