#pragma once
// Splits a text into words at a set of delimiter characters.

#include <QString>

namespace kronel {

// The default delimiters: blank, "/", ",", ";", "|", tab, LF, CR.
QString StandardTrenner();

// Splits text at every character of trenner (exact, case-sensitive); an empty
// trenner becomes the default set in the caller's variable. The first delimiter
// is appended to text in the caller's variable. The words go to
// modul().BefehlWorte (index 0 unused, words from 1 on, every word kept);
// returns their number. Delimiters in a row or at the start give no empty word.
int BefehlZerlegen(QString& text, QString& trenner);

}  // namespace kronel
