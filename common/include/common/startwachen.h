#pragma once
// The start-up guards: read-only decision, single instance, multi-user guard
// and the user name. Their common result is modul().NurLesen.

#include <QString>

namespace kronel {

// Sets modul().NurLesen: 0 first, then 1 when the command line holds "readonly"
// (any case, anywhere), when the first "*.dat" file of the program folder has no
// write permission bits, or when the marker file READONLY.TXT lies in the
// program folder or its parent; a marker's text is shown ("Kronel, nur Leserechte").
void LeserechtePruefen();
// A data folder this user cannot write (no write permission bits, or a folder
// the system refuses to write) makes a writing program read-only, with the
// read-only notice, which names the key for a folder of one's own; a folder
// that is not there is left to the data paths.
void DatenOrdnerPruefen();

// The single-instance guard, skipped with NetWatch.Ini [Allgemein]
// NoInstanceWatch = 1. False when another copy of this program runs and has been
// asked to come to the front: the caller ends at once. A planner started with
// "/autoprint" while another runs goes on read-only instead (the output program
// has already recorded the printout as done), so LeserechtePruefen keeps NurLesen.
[[nodiscard]] bool NurEineInstanz();
// The name the guard signs on with: the program's name and its canonical
// settings folder (hashed, as socket names are short). A copy on other settings
// (and so other data) starts; two copies on the same settings never run at
// once, from whatever display. The user is part of the channel itself.
QString InstanzName();

// The multi-user guard in NetWatch.Ini of the program folder: modus 1 signs on
// at start (asking when another user works with the program), modus 0 signs off.
// Does nothing in read-only mode. False when the user chose not to start: the
// caller ends at once.
[[nodiscard]] bool NetzWache(int modus);

// The user or station name, at most 7 characters, never empty: [Allgemein] User,
// the environment, the login name, WIN.INI DefName, and only then an input box.
QString Benutzername();
// The input box of the last step: asks until an answer comes and keeps its first
// 7 characters as typed (Cancel and an empty answer ask again).
QString BenutzernameEingeben();

}  // namespace kronel
