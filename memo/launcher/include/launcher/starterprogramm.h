#pragma once
// The shell of the timed launcher KronMemo without its widgets: the start with
// the settings, the tick and the end. The window forwards its events here and
// shows what this asks of it.

#include <QString>

#include "launcher/zeitstarter.h"

namespace kronel {

class FensterSteuerelement;

// What the shell needs of the launcher's window.
class StarterOberflaeche {
public:
    virtual ~StarterOberflaeche() = default;
    // The menu check "Starten als Symbol" and the two entry fields.
    virtual void EinstellungenZeigen(bool alsSymbol, const QString& uhrzeit,
                                     const QString& stunden) = 0;
    // The caption and the time since the last output.
    virtual void Anzeigen(const QString& titel, const QString& letzteAusgabe) = 0;
    // The timers "Zeit" and "ZeitDateTest".
    virtual void TaktStarten() = 0;
    virtual FensterSteuerelement& Fenster() = 0;
    // Stops the timers and leaves the event loop.
    virtual void ProgrammEnde() = 0;
};

class Starterprogramm {
public:
    explicit Starterprogramm(StarterOberflaeche& oberflaeche);
    Starterprogramm(const Starterprogramm&) = delete;
    Starterprogramm& operator=(const Starterprogramm&) = delete;

    // The settings into the window: its place in the lower right corner, its
    // state (minimized when it starts as a symbol), the check and the fields;
    // then the timers.
    void Form_Load();
    // Also when the window is painted.
    void Zeit_Timer();
    // Every way out: the settings are stored, once, and the program ends.
    void Form_QueryUnload();

    // The fields and the check, as the user changes them.
    Zeitstarter& Logik() { return logik_; }

private:
    StarterOberflaeche& oberflaeche_;
    Zeitstarter logik_;
    bool gespeichert_ = false;
};

}  // namespace kronel
