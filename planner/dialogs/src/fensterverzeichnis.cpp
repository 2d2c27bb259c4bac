#include "planner_dialogs/fensterverzeichnis.h"

#include "planner_dialogs/buchdialoge.h"

#include <cstdio>
#include <cstdlib>

#include "planner_dialogs/monatsblatt.h"
#include "planner_dialogs/setup.h"
#include "planner_dialogs/suchen.h"
#include "planner_dialogs/zoomtext.h"
#include "platform/schritte.h"
#include "shared_ui/tips.h"

namespace kronel {

namespace {

void FehltMelden(Fenstername f) {
    std::fprintf(stderr, "Kronelin: Das Fenster »%s« ist in dieser Fassung nicht eingetragen.\n",
                 qPrintable(FensterSchluessel(f)));
    std::fflush(stderr);
#ifdef NDEBUG
    const bool anhalten = Entwicklungsmodus();
#else
    const bool anhalten = true;
#endif
    if (anhalten) {
        std::abort();
    }
}

}  // namespace

FensterVerzeichnis::FensterVerzeichnis(Fehlbericht fehlt)
    : fehlt_(fehlt ? std::move(fehlt) : Fehlbericht(FehltMelden)) {}

bool FensterVerzeichnis::vorhanden(Fenstername f) const {
    switch (f) {
        case Fenstername::Suchen:
            return bool(anzeigen.Suchen);
        case Fenstername::Setup:
            return bool(anzeigen.Setup);
        case Fenstername::Freizeit:
            return bool(anzeigen.Freizeit);
        case Fenstername::Altes:
            return bool(anzeigen.Altes);
        case Fenstername::Monatsblatt:
            return bool(anzeigen.Monatsblatt);
        case Fenstername::Tips:
            return bool(anzeigen.Tips);
        case Fenstername::Drucken:
            return bool(anzeigen.Drucken);
        case Fenstername::DruckenBlatt:
            return bool(anzeigen.DruckenBlatt);
        case Fenstername::Druckereinrichtung:
            return bool(anzeigen.Druckereinrichtung);
        case Fenstername::ImpGeb:
            return bool(anzeigen.ImpGeb);
        case Fenstername::Dateiwahl:
            return bool(anzeigen.Dateiwahl);
        case Fenstername::Notizen:
            return bool(anzeigen.Notizen);
        case Fenstername::Sonderzeichen:
            return bool(anzeigen.Sonderzeichen);
        case Fenstername::StdDialog:
            return bool(anzeigen.StdDialog);
        case Fenstername::ZoomText:
            return bool(anzeigen.ZoomText);
    }
    return false;
}

template <typename R, typename... A>
R FensterVerzeichnis::zeigen(Fenstername f, const std::function<R(QWidget*, const A&...)>& anzeige,
                             const A&... hin) {
    if (!anzeige) {
        fehlt_(f);
        return R();
    }
    return anzeige(besitzer_, hin...);
}

SuchenErgebnis FensterVerzeichnis::Suchen(const SuchenAnfrage& anfrage) {
    return zeigen(Fenstername::Suchen, anzeigen.Suchen, anfrage);
}

SetupErgebnis FensterVerzeichnis::Setup(const SetupAnfrage& anfrage) {
    return zeigen(Fenstername::Setup, anzeigen.Setup, anfrage);
}

FreizeitErgebnis FensterVerzeichnis::Freizeit(const FreizeitAnfrage& anfrage) {
    return zeigen(Fenstername::Freizeit, anzeigen.Freizeit, anfrage);
}

AltesErgebnis FensterVerzeichnis::Altes(const AltesAnfrage& anfrage) {
    return zeigen(Fenstername::Altes, anzeigen.Altes, anfrage);
}

MonatsblattErgebnis FensterVerzeichnis::Monatsblatt(const MonatsblattAnfrage& anfrage) {
    return zeigen(Fenstername::Monatsblatt, anzeigen.Monatsblatt, anfrage);
}

void FensterVerzeichnis::Tips() {
    zeigen(Fenstername::Tips, anzeigen.Tips);
}

void FensterVerzeichnis::Drucken() {
    zeigen(Fenstername::Drucken, anzeigen.Drucken);
}

void FensterVerzeichnis::DruckenBlatt() {
    zeigen(Fenstername::DruckenBlatt, anzeigen.DruckenBlatt);
}

void FensterVerzeichnis::Druckereinrichtung() {
    zeigen(Fenstername::Druckereinrichtung, anzeigen.Druckereinrichtung);
}

ZoomTextErgebnis FensterVerzeichnis::ZoomText(const ZoomTextAnfrage& anfrage) {
    return zeigen(Fenstername::ZoomText, anzeigen.ZoomText, anfrage);
}

ImpGebErgebnis FensterVerzeichnis::ImpGeb() {
    return zeigen(Fenstername::ImpGeb, anzeigen.ImpGeb);
}

std::optional<QString> FensterVerzeichnis::Dateiwahl(const DateiwahlAnfrage& anfrage) {
    return zeigen(Fenstername::Dateiwahl, anzeigen.Dateiwahl, anfrage);
}

NotizenErgebnis FensterVerzeichnis::Notizen(const NotizenAnfrage& anfrage) {
    return zeigen(Fenstername::Notizen, anzeigen.Notizen, anfrage);
}

SonderzeichenErgebnis FensterVerzeichnis::Sonderzeichen(const SonderzeichenAnfrage& anfrage) {
    return zeigen(Fenstername::Sonderzeichen, anzeigen.Sonderzeichen, anfrage);
}

StdDialogErgebnis FensterVerzeichnis::StdDialog() {
    return zeigen(Fenstername::StdDialog, anzeigen.StdDialog);
}

void PlanerFensterEintragen(FensterVerzeichnis& fenster, QPrinter& drucker, BuchLesen buch) {
    DruckereinrichtungEintragen(fenster, drucker);
    MonatsblattEintragen(fenster);
    ZoomTextEintragen(fenster);
    SuchenEintragen(fenster, std::move(buch));
    EinfuegefensterEintragen(fenster);
    SetupEintragen(fenster);
    fenster.anzeigen.Tips = [](QWidget* besitzer) { TipsZeigen(besitzer); };
    DruckfensterEintragen(fenster);
    BuchDialogeEintragen(fenster);
}

}  // namespace kronel
