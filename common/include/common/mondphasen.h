#pragma once
// The moon-phase list into the day notes file: every line "dd.mm.yyyy text"
// becomes a note of that day in Astro.ini, section [yyyy], key "dd.mm", put in
// front of the notes the key holds already ("~" between them, the marker the
// day notes break lines with).

#include <QString>

#include "platform/fehler.h"

namespace kronel {

// Reads the list at quelle and writes each of its day lines into the settings
// file ziel. Lines whose first ten characters are no date dd.mm.yyyy (headings,
// blank lines) and dates without a text are skipped. Gives the number of notes
// written; a list that cannot be read and a note that cannot be written fail
// with a German description naming the file (nothing further is written then).
Ergebnis<int> MondphasenUebertragen(const QString& quelle, const QString& ziel);

}  // namespace kronel
