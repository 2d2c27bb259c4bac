#pragma once
// The command line of the running program as one text, as the classic runtime
// gave it: the arguments after the program name, joined by blanks.

#include <QString>
#include <QStringList>

namespace kronel {

QString Befehlszeile();
// Set once at start from argv (without the program name); tests set it too.
void BefehlszeileSetzen(const QStringList& argumente);

}  // namespace kronel
