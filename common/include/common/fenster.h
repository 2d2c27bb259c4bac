#pragma once
// Window position from and to the settings, the status panels' date and time,
// the version text and the print footer.

#include <QDate>
#include <QString>
#include <QTime>

namespace kronel {

class FensterSteuerelement;

// The status panel "Datum": " Dienstag, 8. Dezember 2026, 50. Woche ".
QString DatumPanelText(const QDate& heute);
// The status panel "Zeit": " 09:05 ".
QString ZeitPanelText(const QTime& jetzt);

// Restores size and position of the main window from prefix & "Form_Höhe",
// "Form_Weite", "Form_Links", "Form_Oben" (twips) and keeps it on the screen:
// sizes below 2000 twips or beyond the screen take the screen size, a window
// that does not fit is centred, the full screen size maximises it.
void FensterPositionLesen(FensterSteuerelement& main, const QString& praefix);

// How a program writes the twips of its window: the planner as whole numbers,
// the output program as the number text of its settings (fractions kept).
enum class PositionsText { Ganzzahl, Zahltext };
// Stores size and position under the same keys, unless the window is minimised
// or the settings are read-only.
void FensterPositionSpeichern(const FensterSteuerelement& main, const QString& praefix,
                              PositionsText form);

// The version text of the programs (common/version.h): major, ".", minor with
// two digits and revision with four ("8.020000" for 8.2.0).
QString ProgrammVersionText();
// Sets modul().VersionText to it and returns it.
QString VersionErmitteln();
// The version text of any version number: 8.1.90 -> "8.010090".
QString VersionTextBilden(int haupt, int neben, int revision);

// Prints on the printer surface "Kronel <version> · Ausdruck vom <today>" in
// 6-point italic Arial at
// the given left edge, two and a half line heights above the bottom of the
// printable area; the page and the line stay open (the print position is behind
// the footer) and the font stays Arial 6, not italic.
void DruckFusszeile(double links);

}  // namespace kronel
