#pragma once

#include <QString>

#include "platform/fehler.h"

namespace kronel {

// True when the named file exists and can be opened for reading; false for an
// empty name, a name with "*" or "?", a folder, a FIFO, device or socket, and a
// Windows drive path.
// A relative name counts from the program folder; the last part of the name is
// found without regard to case.
bool DateiVorhanden(const QString& name);

// Keeps one backup generation of a file: folder, base name and ".BAK"
// (".../Kronel.PlD" -> ".../Kronel.BAK"). Mode 1 copies the file over the backup;
// any other mode only deletes the backup. The copy goes to a temporary file that
// is renamed over the old backup, and a missing source keeps the old backup, so
// the only backup is never lost. A failure is returned; callers may go on.
Status SicherungAnlegen(const QString& pfad, int modus);

// A part of a path: -1 the folder without its trailing "/" (empty without a
// folder), 0 the folder with it, 1 the base name (up to the first "."), 2 the
// extension (after the first "."), 3 the file name; any other code the empty text.
// A switch behind a program path starts at the first " /" and is cut off (the
// blank stays); "\" counts as "/"; words in front of a drive path "X:\" are dropped.
QString DateiTeil(const QString& pfad, int code);

// The first place where the file lies: the program folder (the programs' current
// folder), the Windows folder, the system folder, and "tools" below the Windows
// folder; the name is found without regard to case. The path comes back as it
// stands on disk (never lowered: Linux names are case-sensitive); empty when
// the file is nowhere.
QString DateiSuchen(const QString& dateiname);

}  // namespace kronel
