#include "reminder/erinnerungsprogramm.h"

#include "common/datenpfade.h"
#include "common/fehlermeldung.h"
#include "common/hilfe.h"
#include "common/modul.h"
#include "common/systemdatum.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/schritte.h"
#include "reminder/tagesliste.h"

namespace kronel {

Erinnerungsprogramm::Erinnerungsprogramm(ErinnerungsOberflaeche& oberflaeche)
    : oberflaeche_(oberflaeche), logik_(oberflaeche) {}

bool Erinnerungsprogramm::Form_Load() {
    // The reminder runs in the background all day: a note nobody asked for
    // must not stand in a box until someone looks.
    modul().Unbeaufsichtigt = true;
    SchrittLaeufer schritt(
        [](const Fehler& f) {
            return FehlerMeldung(f,
                                 QStringLiteral("Es ist ein Fehler beim Vorbereiten aufgetreten."));
        },
        QStringLiteral("Form_Load"));
    // After an Abort the runner skips the remaining steps; the window runs all the same.
    bool zweiterLauf = false;
    schritt([] {
        SystemDatumPruefen();
        return Status{};
    });
    schritt([&] {
        // A second reminder of the same user ends without a word.
        zweiterLauf = !instanzen().anmelden(ProgrammDateiname());
        return Status{};
    });
    if (zweiterLauf) {
        return false;
    }
    schritt([&] {
        logik_.OptionenLesen(oberflaeche_.Fenster());
        for (int i = 0; i < 2; ++i) {
            laufWarn_Change(i, logik_.laufWarn[i]);
        }
        oberflaeche_.NoBereichZeigen(logik_.strgNoBereich);
        return Status{};
    });
    schritt([] {
        DatenPfadeSetzen();
        return Status{};
    });
    schritt([&] {
        Zeit_Timer();
        return Status{};
    });
    return !logik_.Beendet;
}

void Erinnerungsprogramm::Zeit_Timer() {
    oberflaeche_.TaktSetzen(false);
    logik_.Zeit_Timer();
    Anzeigen();
    if (!logik_.Beendet) {
        oberflaeche_.TaktSetzen(true);
    }
}

void Erinnerungsprogramm::ZeitAlarm_Timer() {
    logik_.ZeitAlarm_Timer();
    oberflaeche_.NachVorne();
}

void Erinnerungsprogramm::laufWarn_Change(int index, int minuten) {
    logik_.laufWarn[index] = minuten;
    oberflaeche_.WarnZeigen(index, minuten, WarnText(index, minuten));
}

void Erinnerungsprogramm::strgNoBereich_Click(bool an) {
    logik_.strgNoBereich = an;
    mnuReset_Click();
}

void Erinnerungsprogramm::Liste_DblClick(const QString& eintrag) {
    meldungen().zeigen(EintragZweizeilig(eintrag), Box::OK | Box::Information,
                       QStringLiteral("Kronel, Onlineausgabe"));
}

void Erinnerungsprogramm::mnuListeClear_Click() {
    logik_.mnuListeClear_Click();
    Anzeigen();
}

void Erinnerungsprogramm::mnuReset_Click() {
    logik_.mnuReset_Click();
}

void Erinnerungsprogramm::mnuEnde_Click() {
    logik_.OptionenSpeichern(oberflaeche_.Fenster());
    HilfeBeenden();
    oberflaeche_.ProgrammEnde();
}

void Erinnerungsprogramm::Anzeigen() {
    oberflaeche_.ErinnerungZeigen(logik_.Titel, logik_.PanelStatus, logik_.PanelDatum,
                                  logik_.PanelZeit, logik_.Liste);
    oberflaeche_.AlarmSetzen(logik_.ZeitAlarm);
}

}  // namespace kronel
