#pragma once
// The shell of the reminder Kronelol without its widgets: the start-up order,
// the two timers, the menus, the settings tab and the end. The window forwards
// its events here and shows what this asks of it.

#include <QString>
#include <QStringList>

#include "reminder/erinnerung.h"

namespace kronel {

class FensterSteuerelement;

// What the shell needs of the reminder's window.
class ErinnerungsOberflaeche : public ErinnerungsAnzeige {
public:
    // The caption, the panels "Status", "Datum" and "Zeit" (not redrawn at
    // once) and the due entries; the selected row stays where it was.
    virtual void ErinnerungZeigen(const QString& titel, const QString& status, const QString& datum,
                                  const QString& zeit, const QStringList& liste) = 0;
    // The repeating alarm; switching on one that runs does not start it again.
    virtual void AlarmSetzen(bool an) = 0;
    // The tick "Zeit"; a start counts its five seconds afresh.
    virtual void TaktSetzen(bool an) = 0;
    // The scroll bar laufWarn(index) at minuten and its label; neither signals a change.
    virtual void WarnZeigen(int index, int minuten, const QString& text) = 0;
    // The check box "strgNoBereich", without signalling a click.
    virtual void NoBereichZeigen(bool an) = 0;
    // Neither minimized nor maximized, shown and in front.
    virtual void NachVorne() = 0;
    virtual FensterSteuerelement& Fenster() = 0;
};

class Erinnerungsprogramm {
public:
    explicit Erinnerungsprogramm(ErinnerungsOberflaeche& oberflaeche);
    Erinnerungsprogramm(const Erinnerungsprogramm&) = delete;
    Erinnerungsprogramm& operator=(const Erinnerungsprogramm&) = delete;

    // The start: date check, single copy, settings, data paths, first tick.
    // False when the program is to end at once; a second copy ends without a
    // word and touches nothing.
    bool Form_Load();

    // The tick stops while it runs (its boxes may wait for an answer) and goes
    // on afterwards unless the program ended.
    void Zeit_Timer();
    void ZeitAlarm_Timer();
    void laufWarn_Change(int index, int minuten);
    void strgNoBereich_Click(bool an);
    // A double click on a due entry shows it on two lines.
    void Liste_DblClick(const QString& eintrag);
    void mnuListeClear_Click();
    void mnuReset_Click();
    // Every way out: the settings and the position are saved, the help closed.
    void mnuEnde_Click();

    Erinnerung& Logik() { return logik_; }

private:
    void Anzeigen();

    ErinnerungsOberflaeche& oberflaeche_;
    Erinnerung logik_;
};

}  // namespace kronel
