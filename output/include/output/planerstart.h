#pragma once
// The start of the planner from the output program.

#include <QStringList>

#include "platform/fehler.h"

namespace kronel {

// Starts the planner "kronelin.exe" (the executable Kronelin of the program
// folder, found without regard to case) with the arguments, in the program
// folder, without a shell. A missing planner is error 53.
Status PlanerStarten(const QStringList& argumente);

// The argument that hands a selection to the planner: "/GeheZu:" and exactly
// 15 characters, the selection cut or padded with blanks; none without a selection.
QStringList GeheZuArgumente(const QString& auswahl);

}  // namespace kronel
