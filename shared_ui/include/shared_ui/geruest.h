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

}  // namespace kronel
