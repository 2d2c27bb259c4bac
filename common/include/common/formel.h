#pragma once
// The formula evaluator of the calculations in appointment texts. It rewrites
// the formula text stage by stage -- groups, functions, factorials, powers,
// products, sums, comparisons, AND/OR -- writing each value back as a number
// text, until one number is left. Its notation is the users' and is kept as it
// is: no two-character comparisons (3>=2 is 0), constants in the case written
// here, unknown names read 0, operators of a stage strictly left to right,
// -3^2 is 9.

#include <QString>

#include "platform/fehler.h"

namespace kronel {

// Evaluates text.
// - Success: the value; text is left as it was.
// - A malformed formula: the value 0, and text gets "%" in front (no message).
// - A run-time fault (a value beyond the range of a double, a non-finite
//   result, an integer operand beyond 32 bits, a text longer than 32767
//   characters): the Fehler with the classic number 5, 6 or 11; text is left
//   as it was.
// Constants: PI, e (lower case only) and @TODAY (today's day number, counted
// from 30.12.1899, taken from the clock at each evaluation).
Ergebnis<double> FormelAuswerten(QString& text);

// A value as the evaluator writes it back: at most 15 significant digits, "."
// as the point, no "0" before it (.5, -.25), exponent form for very large and
// very small magnitudes (1E+20, 1E-05).
QString FormelZahlText(double x);

}  // namespace kronel
