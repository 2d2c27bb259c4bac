#pragma once
// The start of a sibling program of the package ("kronel.exe" of the classic
// command lines): the executable of that name in the starter's own folder.

#include <QString>
#include <QStringList>

#include "platform/fehler.h"

namespace kronel {

// Starts the program name ("Kronel"; a file name+".exe" counts too, and the
// name is found without regard to case) from the program folder with the
// arguments, in that folder, without waiting and without a shell. A program
// that is not there is error 53.
Status GeschwisterprogrammStarten(const QString& name, const QStringList& argumente);

}  // namespace kronel
