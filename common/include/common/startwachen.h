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

}  // namespace kronel
