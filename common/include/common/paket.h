#pragma once
// The package launcher: the submenu of the package's programs in the main
// windows, and the start of one of them.

#include <QString>

namespace kronel {

// The submenu items (index = row of the program table) and the status panel
// "Status" of the main window, as the launcher sees them.
class PaketMenue {
public:
    virtual ~PaketMenue() = default;
    virtual void eintragFreigeben(int index, bool frei) = 0;
    virtual void eintragVerbergen(int index) = 0;
    // Sets the panel text and redraws the status bar at once.
    virtual void statusSetzen(const QString& text) = 0;
};

// Rows of the program table: 0 is the planner ("kronel;kronelin.exe"); the
// package has no further programs here, so rows 1 to 3 are empty.
inline constexpr int PaketZeilen = 4;
QString PaketZeile(int n);

// The program file of row n in the folder recorded as "dir" in the row's section
// of RIVIROR.INI ("kronelin.exe" is the executable Kronelin, found without regard
// to case); empty when the program is not there.
QString ProgrammPfad(int n);

// Brings the submenu up to date: an item is enabled when its program is there,
// and hidden when its path names the running program.
void ProgrammeSuchen(PaketMenue& menue);

// Starts the program of row n in its own folder, without arguments; a failure
// is reported with Abort, Retry, Ignore.
void ProgrammStarten(int n);

}  // namespace kronel
