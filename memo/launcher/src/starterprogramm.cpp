#include "launcher/starterprogramm.h"

namespace kronel {

Starterprogramm::Starterprogramm(StarterOberflaeche& oberflaeche) : oberflaeche_(oberflaeche) {}

void Starterprogramm::Form_Load() {
    logik_.EinstellungenLesen(oberflaeche_.Fenster());
    oberflaeche_.EinstellungenZeigen(logik_.mnuStartAsSym, logik_.txtOutAbs, logik_.txtOutRel);
    oberflaeche_.TaktStarten();
}

void Starterprogramm::Zeit_Timer() {
    logik_.Zeit_Timer();
    oberflaeche_.Anzeigen(logik_.Titel, logik_.bezLastTime);
}

void Starterprogramm::Form_QueryUnload() {
    if (!gespeichert_) {
        gespeichert_ = true;
        logik_.EinstellungenSpeichern();
    }
    oberflaeche_.ProgrammEnde();
}

}  // namespace kronel
