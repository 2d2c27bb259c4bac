#pragma once
// Small text tools that the windows and modules of all programs share.

#include <QString>

namespace kronel {

// Repairs the umlauts of text written in the DOS code page. The text arrives
// decoded as Windows-1252, so the DOS bytes 132, 148, 129, 225, 142, 153, 154
// stand there as U+201E, U+201D, U+0081, U+00E1, U+017D, U+2122, U+0161; they
// become ä, ö, ü, ß, Ä, Ö, Ü. Changes text in place and also returns it.
QString OemNachAnsi(QString& text);

// The truth value of a setting: a number rounds to a whole number (halves to
// even), 0 is false, 1 and -1 are true, any other number false; the words
// "richtig"/"true" are true and "falsch"/"false" false, in any case; anything
// else is false.
bool Wahrheitswert(const QString& wert);
bool Wahrheitswert(double wert);

}  // namespace kronel
