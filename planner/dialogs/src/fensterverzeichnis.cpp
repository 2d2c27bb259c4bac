#include "planner_dialogs/fensterverzeichnis.h"

#include "planner_dialogs/buchdialoge.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

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

namespace {

using A = FensterVerzeichnis::Anzeigen;

// Each window's name with its entry in Anzeigen.
constexpr std::tuple kEintraege{
    std::pair{Fenstername::Suchen, &A::Suchen},
    std::pair{Fenstername::Setup, &A::Setup},
    std::pair{Fenstername::Freizeit, &A::Freizeit},
    std::pair{Fenstername::Altes, &A::Altes},
    std::pair{Fenstername::Monatsblatt, &A::Monatsblatt},
    std::pair{Fenstername::Tips, &A::Tips},
    std::pair{Fenstername::Drucken, &A::Drucken},
    std::pair{Fenstername::DruckenBlatt, &A::DruckenBlatt},
    std::pair{Fenstername::Druckereinrichtung, &A::Druckereinrichtung},
    std::pair{Fenstername::ImpGeb, &A::ImpGeb},
    std::pair{Fenstername::Dateiwahl, &A::Dateiwahl},
    std::pair{Fenstername::Notizen, &A::Notizen},
    std::pair{Fenstername::Sonderzeichen, &A::Sonderzeichen},
    std::pair{Fenstername::StdDialog, &A::StdDialog},
    std::pair{Fenstername::ZoomText, &A::ZoomText},
};
// Every window has its entry (ZoomText is the last name).
static_assert(std::tuple_size_v<decltype(kEintraege)> ==
              static_cast<std::size_t>(Fenstername::ZoomText) + 1);

// The name of the window whose entry is eintrag.
template <auto eintrag>
constexpr Fenstername NameVon() {
    std::optional<Fenstername> name;
    std::apply(
        [&name](const auto&... e) {
            (
                [&name](const auto& paar) {
                    if constexpr (std::is_same_v<decltype(paar.second), decltype(eintrag)>) {
                        if (paar.second == eintrag) {
                            name = paar.first;
                        }
                    }
                }(e),
                ...);
        },
        kEintraege);
    return name.value();  // an entry missing from the table does not build
}

}  // namespace

bool FensterVerzeichnis::vorhanden(Fenstername f) const {
    return std::apply(
        [this, f](const auto&... e) { return ((e.first == f && bool(anzeigen.*e.second)) || ...); },
        kEintraege);
}

template <auto eintrag, typename... Hin>
auto FensterVerzeichnis::zeigen(const Hin&... hin) {
    const auto& anzeige = anzeigen.*eintrag;
    using R = decltype(anzeige(besitzer_, hin...));
    if (!anzeige) {
        constexpr Fenstername name = NameVon<eintrag>();
        fehlt_(name);
        return R();
    }
    return anzeige(besitzer_, hin...);
}

SuchenErgebnis FensterVerzeichnis::Suchen(const SuchenAnfrage& anfrage) {
    return zeigen<&A::Suchen>(anfrage);
}

SetupErgebnis FensterVerzeichnis::Setup(const SetupAnfrage& anfrage) {
    return zeigen<&A::Setup>(anfrage);
}

FreizeitErgebnis FensterVerzeichnis::Freizeit(const FreizeitAnfrage& anfrage) {
    return zeigen<&A::Freizeit>(anfrage);
}

AltesErgebnis FensterVerzeichnis::Altes(const AltesAnfrage& anfrage) {
    return zeigen<&A::Altes>(anfrage);
}

MonatsblattErgebnis FensterVerzeichnis::Monatsblatt(const MonatsblattAnfrage& anfrage) {
    return zeigen<&A::Monatsblatt>(anfrage);
}

void FensterVerzeichnis::Tips() {
    zeigen<&A::Tips>();
}

void FensterVerzeichnis::Drucken() {
    zeigen<&A::Drucken>();
}

void FensterVerzeichnis::DruckenBlatt() {
    zeigen<&A::DruckenBlatt>();
}

void FensterVerzeichnis::Druckereinrichtung() {
    zeigen<&A::Druckereinrichtung>();
}

ImpGebErgebnis FensterVerzeichnis::ImpGeb() {
    return zeigen<&A::ImpGeb>();
}

std::optional<QString> FensterVerzeichnis::Dateiwahl(const DateiwahlAnfrage& anfrage) {
    return zeigen<&A::Dateiwahl>(anfrage);
}

NotizenErgebnis FensterVerzeichnis::Notizen(const NotizenAnfrage& anfrage) {
    return zeigen<&A::Notizen>(anfrage);
}

SonderzeichenErgebnis FensterVerzeichnis::Sonderzeichen(const SonderzeichenAnfrage& anfrage) {
    return zeigen<&A::Sonderzeichen>(anfrage);
}

StdDialogErgebnis FensterVerzeichnis::StdDialog() {
    return zeigen<&A::StdDialog>();
}

ZoomTextErgebnis FensterVerzeichnis::ZoomText(const ZoomTextAnfrage& anfrage) {
    return zeigen<&A::ZoomText>(anfrage);
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
