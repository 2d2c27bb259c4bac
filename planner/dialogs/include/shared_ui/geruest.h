#pragma once

#include <QString>

namespace kronel {

// Starts a program whose own main window is not built yet: the desktop services,
// German texts, and an empty main window with the program's title.
int LeeresHauptfensterStarten(int argc, char** argv, const QString& titel);

}  // namespace kronel
