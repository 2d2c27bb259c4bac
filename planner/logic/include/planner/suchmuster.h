#pragma once
// The search of the search window over the display lines of the main window,
// without the window: its order and its pattern rule.

#include <QString>
#include <QStringList>

namespace kronel {

// The pattern rule: "*" any run of characters, "?" any one character, "#" any
// one digit, "[abc]" one character of the list ("a-f" a range, "!" at its start
// negates it); every other character stands for itself. Case counts: callers
// lower both sides. A "[" without its "]" stands for itself.
bool MusterPasst(const QString& text, const QString& muster);

// The line that holds suchText (pattern rule, case ignored), starting after the
// current line (schritt +1) or before it (-1), wrapping at the ends and testing
// the current line last; at most count + 2 tests. -1 when none matches.
qsizetype ZeileSuchen(const QStringList& zeilen, qsizetype aktuell, const QString& suchText,
                      int schritt);

}  // namespace kronel
