#pragma once
// The planner's side windows as Main reaches them: each window registers how it
// is shown, before Main is built, so Main knows which commands to enable. The
// registry lives as long as the planner's start and is handed to Main.

#include <functional>

#include "book/buch.h"
#include "planner/nebenfenster.h"

class QPrinter;
class QWidget;

namespace kronel {

class FensterVerzeichnis final : public NebenFenster {
public:
    // How each window is shown, owned by the main window; a window without
    // one is not in this build.
    struct Anzeigen {
        std::function<SuchenErgebnis(QWidget*, const SuchenAnfrage&)> Suchen;
        std::function<SetupErgebnis(QWidget*, const SetupAnfrage&)> Setup;
        std::function<FreizeitErgebnis(QWidget*, const FreizeitAnfrage&)> Freizeit;
        std::function<AltesErgebnis(QWidget*, const AltesAnfrage&)> Altes;
        std::function<MonatsblattErgebnis(QWidget*, const MonatsblattAnfrage&)> Monatsblatt;
        std::function<void(QWidget*)> Tips;
        std::function<void(QWidget*)> Drucken;
        std::function<void(QWidget*)> DruckenBlatt;
        std::function<void(QWidget*)> Druckereinrichtung;
        std::function<ImpGebErgebnis(QWidget*)> ImpGeb;
        std::function<std::optional<QString>(QWidget*, const DateiwahlAnfrage&)> Dateiwahl;
        std::function<NotizenErgebnis(QWidget*, const NotizenAnfrage&)> Notizen;
        std::function<SonderzeichenErgebnis(QWidget*, const SonderzeichenAnfrage&)> Sonderzeichen;
        std::function<StdDialogErgebnis(QWidget*)> StdDialog;
        std::function<ZoomTextErgebnis(QWidget*, const ZoomTextAnfrage&)> ZoomText;
    };
    // Showing a window that is not registered is a programming error: Main
    // offers no command that reaches one. It is reported here and nothing is
    // shown; without a report of its own a debug build or the development mode
    // stops with a diagnostic, a release build writes it to stderr.
    using Fehlbericht = std::function<void(Fenstername)>;

    explicit FensterVerzeichnis(Fehlbericht fehlt = {});

    Anzeigen anzeigen;
    // The main window owns the side windows while they are shown.
    void besitzerSetzen(QWidget* besitzer) { besitzer_ = besitzer; }

    bool vorhanden(Fenstername f) const override;
    SuchenErgebnis Suchen(const SuchenAnfrage& anfrage) override;
    SetupErgebnis Setup(const SetupAnfrage& anfrage) override;
    FreizeitErgebnis Freizeit(const FreizeitAnfrage& anfrage) override;
    AltesErgebnis Altes(const AltesAnfrage& anfrage) override;
    MonatsblattErgebnis Monatsblatt(const MonatsblattAnfrage& anfrage) override;
    void Tips() override;
    void Drucken() override;
    void DruckenBlatt() override;
    void Druckereinrichtung() override;
    ImpGebErgebnis ImpGeb() override;
    std::optional<QString> Dateiwahl(const DateiwahlAnfrage& anfrage) override;
    NotizenErgebnis Notizen(const NotizenAnfrage& anfrage) override;
    SonderzeichenErgebnis Sonderzeichen(const SonderzeichenAnfrage& anfrage) override;
    StdDialogErgebnis StdDialog() override;
    ZoomTextErgebnis ZoomText(const ZoomTextAnfrage& anfrage) override;

private:
    // Shows the window of the entry in anzeigen, or reports it missing.
    template <auto eintrag, typename... Hin>
    auto zeigen(const Hin&... hin);

    Fehlbericht fehlt_;
    QWidget* besitzer_ = nullptr;
};

// Registers the printer setup: the print dialog on that printer, whose choices
// the following printouts use.
void DruckereinrichtungEintragen(FensterVerzeichnis& fenster, QPrinter& drucker);

// The windows that fill the message: notes, special characters and the
// program choice.
void EinfuegefensterEintragen(FensterVerzeichnis& fenster);
// Registers the list printout and the calendar sheet; they read the main list
// through the owner's DruckQuelle.
void DruckfensterEintragen(FensterVerzeichnis& fenster);
// The appointment book as the side windows read it: they never write it.
using BuchLesen = std::function<const Terminbuch&()>;

// Every side window of the planner, registered once at the start.
void PlanerFensterEintragen(FensterVerzeichnis& fenster, QPrinter& drucker, BuchLesen buch);

}  // namespace kronel
