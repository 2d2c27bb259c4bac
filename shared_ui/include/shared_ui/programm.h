#pragma once
// What every program's window layer does the same way: the start, handlers
// under the top-level guard, and the status bar.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "common/fehlermeldung.h"
#include "platform/wache.h"

class QLabel;
class QMainWindow;
class QStatusBar;
class QPrinter;
class QWidget;

namespace kronel {

class QtDrucker;

// What the start hands the program while it builds its window.
class ProgrammUmgebung {
public:
    // The printer service, set up on first request (only the programs that
    // print pay for it).
    QtDrucker& drucker();
    // Keeps an object alive as long as the program's window; it goes after the
    // window does.
    template <typename T>
    T& behalten(std::unique_ptr<T> objekt) {
        T& r = *objekt;
        behalten_.push_back(std::shared_ptr<void>(std::move(objekt)));
        return r;
    }

private:
    std::vector<std::shared_ptr<void>> behalten_;
};

// Builds the main window and runs the program's start-up; shows the window
// when the program goes on. nullptr when the program ends in its start-up.
using FensterBauen = std::function<std::unique_ptr<QWidget>(ProgrammUmgebung& umgebung)>;

// Every desktop service of a program, the help window and the keyboard
// included, for the whole run (the printer comes on request, above); also
// LeeresEinfuegenAbfangen.
void DiensteInstallieren();

// The one start of all four programs: the application object, German texts,
// every desktop service, the command line; then the window and the event loop.
// Returns the program's exit code.
int ProgrammAusfuehren(int argc, char** argv, const FensterBauen& bauen);

// One panel of a status bar: its control name, the text it starts with, its
// tooltip and whether it takes the room that is left.
struct PanelVorgabe {
    QString name;
    QString text;
    QString tip;
    bool dehnen = false;
};

// The status bar of a main window with these panels in their order. Sunken
// panels are the planner's look; the other programs show flat ones.
std::vector<QLabel*> StatusleisteAnlegen(QMainWindow& fenster,
                                         const std::vector<PanelVorgabe>& panels,
                                         bool versenkt = false);
// The same on a status bar of a dialog.
std::vector<QLabel*> StatusleisteAnlegen(QStatusBar* leiste,
                                         const std::vector<PanelVorgabe>& panels,
                                         bool versenkt = false);

// The panels "Status" (stretching), "Datum" and "Zeit" with their tooltips.
struct StatusPanels {
    QLabel* status;
    QLabel* datum;
    QLabel* zeit;
};
StatusPanels StatusPanelsAnlegen(QMainWindow& fenster);

// The printer setup "Druckereinrichtung" (druckereinrichtung.cpp): the printer
// and the paper the following printouts use; Abbrechen changes nothing.
void DruckereinrichtungZeigen(QPrinter& drucker, QWidget* besitzer);

// A later copy of the program that hands over brings this window to the front.
void NachVorneBeiAktivierung(QWidget* fenster);

}  // namespace kronel
