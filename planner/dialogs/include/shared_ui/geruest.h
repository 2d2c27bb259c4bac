#pragma once

#include <QString>

class QApplication;
class QLabel;
class QMainWindow;
class QWidget;

namespace kronel {

// What every program does first: the desktop services with the help window,
// German texts, and the command line.
void ProgrammUmgebungEinrichten(QApplication& app);

// The status bar of a main window with its panels "Status" (stretching),
// "Datum" and "Zeit" and their tooltips.
struct StatusPanels {
    QLabel* status;
    QLabel* datum;
    QLabel* zeit;
};
StatusPanels StatusPanelsAnlegen(QMainWindow& fenster);

// A later copy of the program that hands over brings this window to the front.
void NachVorneBeiAktivierung(QWidget* fenster);

// Starts a program whose own main window is not built yet: the desktop services,
// German texts, and an empty main window with the program's title.
int LeeresHauptfensterStarten(int argc, char** argv, const QString& titel);

// The planner until its main window is built: the start-up guards in their
// order (single instance, data paths, read-only decision, multi-user guard,
// statistics), an empty main window, and the sign-off at the end.
int PlanerGeruestStarten(int argc, char** argv);

}  // namespace kronel
