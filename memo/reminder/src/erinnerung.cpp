#include "reminder/erinnerung.h"

#include "book/abgelaufene.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/fenster.h"
#include "common/modul.h"
#include "common/protokoll.h"
#include "common/ton.h"
#include "platform/dateien.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/oberflaeche.h"
#include "platform/schritte.h"
#include "platform/text.h"
#include "platform/uhr.h"
#include "reminder/tagesliste.h"

#include <algorithm>

namespace kronel {

namespace {

QString Lesen(const QString& schluessel, const QString& vorgabe) {
    return IniLesen({}, {}, schluessel, vorgabe);
}

void Schreiben(const QString& schluessel, const QString& wert) {
    IniSchreiben({}, {}, schluessel, wert);
}

SchrittLaeufer LadeSchritte(const QString& wo) {
    return SchrittLaeufer(
        [](const Fehler& f) {
            return FehlerMeldungMitBeschreibung(
                f, QStringLiteral("Es ist ein Fehler beim Laden der Termine aufgetreten."));
        },
        wo);
}

}  // namespace

Erinnerung::Erinnerung(ErinnerungsAnzeige& anzeige) : anzeige_(anzeige) {}

void Erinnerung::TermineLaden() {
    Erinnerungsdatei datei;
    {
        const SanduhrZeiger sanduhr;
        anzeige_.StatusZeigen(QStringLiteral("Lese Termine..."));
        ListeTermine.clear();
        Liste.clear();
        ZeitAlarm = false;
        SchrittLaeufer schritt = LadeSchritte(QStringLiteral("TermineLaden"));
        const bool weiter = schritt([&]() -> Status {
            auto inhalt = DateiLesen(modul().DateiTermine);
            if (!inhalt) {
                return inhalt.fehler();
            }
            datei = ErinnerungsdateiLesen(*inhalt);
            return {};
        });
        if (!weiter) {
            return;
        }
    }
    if (datei.art == Leseart::AlteDaten) {
        TonAusgeben(QStringLiteral("#SystemExclamation"));
        meldungen().zeigen(QStringLiteral("Die Termine stammen von einer älteren Version. Bitte "
                                          "zuerst das Programm Kronelin starten."),
                           Box::OK | Box::Ausrufezeichen, QStringLiteral("Alte Termine"));
        Beendet = true;
        anzeige_.ProgrammEnde();
        return;
    }
    ListeTermine = std::move(datei.termine);
    TermineAktualisieren();
}

void Erinnerung::TermineAktualisieren() {
    const SanduhrZeiger sanduhr;
    AbgelaufenRegeln regeln;
    regeln.nurBekannteZyklen = false;
    regeln.zaehlerErhoehen = true;
    regeln.archivieren = !modul().NurLesen;
    regeln.archiv = modul().DateiAltes;
    const QDate heute = uhr().heute();
    SchrittLaeufer schritt = LadeSchritte(QStringLiteral("TermineAktualisieren"));
    // One step for the whole copy: a failing archive is reported once per
    // reading, and Retry only retries what is still expired.
    schritt([&]() -> Status {
        const AbgelaufenErgebnis e = AbgelaufeneFortschreiben(ListeTermine, heute, regeln);
        if (!e.defekte.empty()) {
            return DefekteFehler(e);
        }
        return {};
    });
}

void Erinnerung::TermineSuchen() {
    const auto d = DatumLesen(bezDatum);
    if (!d) {
        TonAusgeben(QStringLiteral("#SystemExclamation"));
        meldungen().zeigen(
            QStringLiteral("»") + bezDatum + QStringLiteral("« ist kein gültiges Datum."),
            Box::OK | Box::Ausrufezeichen, QStringLiteral("Terminsuche"));
        return;
    }
    const SanduhrZeiger sanduhr;
    ListeHeute = Kandidaten(ListeTermine, *d, !strgNoBereich, uhr().heute());
}

void Erinnerung::Zeit_Timer() {
    if (tickLaeuft_ || Beendet) {
        return;
    }
    tickLaeuft_ = true;
    struct Freigabe {
        bool& b;
        ~Freigabe() { b = false; }
    } freigabe{tickLaeuft_};

    if (Val(Lesen(Protokoll::OLneu, QStringLiteral("0"))) != 0) {
        Schreiben(Protokoll::OLneu, QStringLiteral("0"));
        bezDatum.clear();
    }
    QDateTime jetzt = uhr().jetzt();
    PanelDatum = DatumPanelText(jetzt.date());
    PanelZeit = ZeitPanelText(jetzt.time());
    const QString heute = kronel::DatumText(jetzt.date());
    if (bezDatum != heute) {
        bezDatum = heute;
        TermineLaden();
        if (Beendet) {
            return;
        }
        TermineSuchen();
        jetzt = uhr().jetzt();  // a reading may have waited for an answer
    }
    const QStringList neu =
        FaelligeEntnehmen(ListeHeute, FaelligkeitsFenster(jetzt, laufWarn[0], laufWarn[1]));
    if (!neu.isEmpty()) {
        Liste += neu;
        ZeitAlarm = true;
    }
    Titel = ErinnerungsTitel(Liste.size(), jetzt);
    PanelStatus = RestText(ListeHeute.size());
}

void Erinnerung::ZeitAlarm_Timer() {
    TonAusgeben(AlarmTon());
}

void Erinnerung::mnuListeClear_Click() {
    Liste.clear();
    ZeitAlarm = false;
}

void Erinnerung::mnuReset_Click() {
    Schreiben(Protokoll::OLneu, QStringLiteral("1"));
}

void Erinnerung::OptionenLesen(FensterSteuerelement& fenster) {
    FensterMasse m = fenster.masse();
    m.links = Val(Lesen(QStringLiteral("OLleft"), ZahlText(m.links)));
    m.oben = Val(Lesen(QStringLiteral("OLTop"), ZahlText(m.oben)));
    laufWarn[0] = WarnMinuten(Val(Lesen(QStringLiteral("OL0"), QStringLiteral("9"))));
    laufWarn[1] = WarnMinuten(Val(Lesen(QStringLiteral("OL1"), QStringLiteral("2"))));
    strgNoBereich = Val(Lesen(QStringLiteral("OLnoBereich"), QStringLiteral("1"))) == 1;

    const BildschirmDienst& schirm = bildschirm();
    if (m.links + m.weite > schirm.weite()) {
        m.links = schirm.weite() - m.weite;
    }
    if (m.oben + m.hoehe > schirm.hoehe()) {
        m.oben = schirm.hoehe() - m.hoehe;
    }
    m.links = std::max(0.0, m.links);
    m.oben = std::max(0.0, m.oben);
    fenster.verschieben(m.links, m.oben);
}

void Erinnerung::OptionenSpeichern(const FensterSteuerelement& fenster) const {
    if (fenster.zustand() != FensterZustand::Minimiert) {
        const FensterMasse m = fenster.masse();
        Schreiben(QStringLiteral("OLleft"), QString::number(RundenGerade(m.links)));
        Schreiben(QStringLiteral("OLTop"), QString::number(RundenGerade(m.oben)));
    }
    Schreiben(QStringLiteral("OL0"), QString::number(laufWarn[0]));
    Schreiben(QStringLiteral("OL1"), QString::number(laufWarn[1]));
    Schreiben(QStringLiteral("OLnoBereich"),
              strgNoBereich ? QStringLiteral("1") : QStringLiteral("0"));
}

QString AlarmTon() {
    return ProgrammVerzeichnis() + QStringLiteral("/Kronelol.wav");
}

}  // namespace kronel
