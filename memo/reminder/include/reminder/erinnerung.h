#pragma once
// The reminder Kronelol without its window: its copy of the appointments, the
// day's candidates, the due entries, the alarm switch, its settings and the
// texts of its caption and panels. The shell (Erinnerungsprogramm) calls it
// from the window's timers and menus and shows what it holds.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

namespace kronel {

class FensterSteuerelement;

// What the day's list needs of its window.
class ErinnerungsAnzeige {
public:
    virtual ~ErinnerungsAnzeige() = default;
    // The status panel "Status", redrawn at once.
    virtual void StatusZeigen(const QString& text) = 0;
    // The program is to end now, without saving its settings: the timers stop
    // and the event loop is left.
    virtual void ProgrammEnde() = 0;
};

class Erinnerung {
public:
    explicit Erinnerung(ErinnerungsAnzeige& anzeige);

    // The copy of the data file, rolled over, one record per item.
    QStringList ListeTermine;
    // Today's candidates not yet due, sorted.
    QStringList ListeHeute;
    // The due entries shown to the user.
    QStringList Liste;
    // The day ListeHeute was built for ("dd.mm.yyyy"); empty forces a reading.
    QString bezDatum;
    // 1: candidates only on their own date (no announce window).
    bool strgNoBereich = true;
    // Minutes early (0) and late (1), 1 to 300.
    std::array<int, 2> laufWarn{9, 2};
    // The alarm repeat is on.
    bool ZeitAlarm = false;
    // The program has been told to end.
    bool Beendet = false;

    // The texts the window shows.
    QString Titel = QStringLiteral("Kronel, Onlineausgabe");
    QString PanelStatus;
    QString PanelDatum;
    QString PanelZeit;

    // Reads DateiTermine into ListeTermine (emptying Liste and the alarm) and
    // rolls it over; data of a far older version ends the program.
    void TermineLaden();
    // Rolls over the copy: expired one-time records go to the archive.
    void TermineAktualisieren();
    // Builds ListeHeute for bezDatum.
    void TermineSuchen();

    // The tick of every five seconds: change signal, panels, day change, due
    // test, caption and status. A tick that arrives while one runs does nothing.
    void Zeit_Timer();
    // The alarm: the sound, without waiting for it.
    void ZeitAlarm_Timer();

    // "Fällige Termine in Liste löschen".
    void mnuListeClear_Click();
    // "Termine neu einlesen" (and a click on the check box): the next tick reads again.
    void mnuReset_Click();

    // The settings of the section Kronel; the window is positioned and kept on
    // the screen. Setting the check box here signals nothing.
    void OptionenLesen(FensterSteuerelement& fenster);
    // OLleft and OLTop only while the window is not minimized.
    void OptionenSpeichern(const FensterSteuerelement& fenster) const;

private:
    ErinnerungsAnzeige& anzeige_;
    bool tickLaeuft_ = false;
};

// The sound file of the alarm in the program folder.
QString AlarmTon();

}  // namespace kronel
