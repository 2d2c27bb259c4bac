#pragma once
// The character sets of the special-character window, in their order.

#include <QString>
#include <vector>

namespace kronel {

struct Zeichensatz {
    QString name;
    QString zeichen;
};

// "Alle" (the codes 32 to 255 of Windows-1252, the blank first; a code without
// a character stays its control character U+0081 ...), then "Deutsch",
// "Dänisch", "Zeichen", "Zahlen", "Klammern".
const std::vector<Zeichensatz>& Zeichensaetze();

}  // namespace kronel
