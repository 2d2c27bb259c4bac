#pragma once
// Running text on the printer, broken between words inside a rectangle, and the
// rows a long line takes on the page.

#include <QString>
#include <QStringList>

namespace kronel {

// Prints text from the rectangle's left and top (a negative one keeps the current
// position), breaking after a blank, a hyphen or a carriage return; line feeds
// are dropped. A right or bottom that is negative or not beyond left or top is the
// printable width less 1 or the printable height less 1.5. A word wider than a
// whole line is broken where it stands at the right bound, so that nothing runs
// past it. Stops
// before a new line that would run below the bottom and gives back what was not
// printed (the word, or the part of it, that did not fit, with the rest); empty
// when all was printed. Font, unit and page are the caller's.
QString TextDrucken(const QString& text, double links, double oben, double rechts, double unten);

// How many characters from the start of text are narrower than breite in the
// printer's current font (0 when not even the first one is).
qsizetype DruckZeichenBis(const QString& text, double breite);

// The rows a line takes on the printer in its current font: the first at most
// ersteBreite wide, every further one at most weitereBreite. A row ends after the
// last blank or hyphen that fits, inside a word only when the row holds no such
// break; a blank at a break is dropped, and so are blanks at the end of the line
// that find no room. No other character is lost.
QStringList DruckZeilenUmbrechen(const QString& zeile, double ersteBreite, double weitereBreite);

}  // namespace kronel
