#pragma once
// Running text on the printer, broken between words inside a rectangle.

#include <QString>

namespace kronel {

// Prints text from the rectangle's left and top (a negative one keeps the current
// position), breaking after a blank, a hyphen or a carriage return; line feeds
// are dropped. A right or bottom that is negative or not beyond left or top is the
// printable width less 1 or the printable height less 1.5. A word wider than the
// line is never split. Stops before a new line that would run below the bottom
// and gives back the word that did not fit with the rest; empty when all was
// printed. Font, unit and page are the caller's.
QString TextDrucken(const QString& text, double links, double oben, double rechts, double unten);

}  // namespace kronel
