#pragma once
// The timed launcher KronMemo without its window: when it starts the output
// program, the texts it shows, its settings, and the start of a sibling program.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace kronel {

class FensterSteuerelement;

// Seconds from the time in letzte_Ausgabe to jetzt; none when the text is no
// date (a date without a time counts from midnight).
std::optional<qint64> SekundenSeit(const QString& letzteAusgabe, const QDateTime& jetzt);

// The start rule of the tick. Due when the first five characters of uhrzeit are
// jetzt as "hh:mm", or when more than stunden hours have passed since the last
// output; never with stunden 0 or below, and never within a minute of the last output
// (without a valid one, sekunden is 0). A start of our own, eigenerStart, holds
// off the next for a minute, and a start by the hours for those hours.
bool StartFaellig(const QString& uhrzeit, const QString& stunden, qint64 sekunden,
                  const QDateTime& jetzt, const std::optional<QDateTime>& eigenerStart);

// "Kronel Memo, 9:05": the hour without a leading zero.
QString StarterTitel(const QDateTime& jetzt);
// "vor 1,5 Stunden." or "?" when letzte_Ausgabe holds no date.
QString LetzteAusgabeText(const std::optional<qint64>& sekunden);
// The stored "Starten als Symbol": any number but 0, and the words "True" and
// "Wahr" in any case, mean checked.
bool SymbolGesetzt(const QString& wert);

// Starts a sibling program ("Kronel", "Kronelin") from the folder in [Kronel]
// Dir, our own folder when Dir is empty, in that folder and without a shell.
// A failure is reported ("Es ist ein Fehler aufgetreten.") with Abort, Retry, Ignore.
void GeschwisterStarten(const QString& name, const QStringList& argumente);

class Zeitstarter {
public:
    // The entry fields and the menu check, as the window holds them.
    QString txtOutAbs = QStringLiteral("01:00:00");
    QString txtOutRel = QStringLiteral("12");
    bool mnuStartAsSym = true;

    QString Titel = QStringLiteral("Kronel Memo");
    QString bezLastTime;
    // The time of our last automatic start of the output program.
    std::optional<QDateTime> LetzterAutomatischerStart;

    // Reads the settings; the window goes to the lower right corner of the
    // screen, minimized when it is to start as a symbol.
    void EinstellungenLesen(FensterSteuerelement& fenster);
    // The window 5 pixels from the right and bottom edges of the screen, its
    // frame included (again once its final size and frame are known).
    void EckeEinnehmen(FensterSteuerelement& fenster) const;
    void EinstellungenSpeichern() const;
    // The tick: caption, time since the last output and the automatic start.
    // While a start (or its error report) is under way it starts no other.
    void Zeit_Timer();
    // "Terminausgabe...": the output program with "/n".
    void mnuKronel_Click();
    // "Termineingabe...": the planner.
    void mnuKronelin_Click();

private:
    bool startLaeuft_ = false;
};

}  // namespace kronel
