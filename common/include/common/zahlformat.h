#pragma once
// Number patterns such as "0.00", "#.0", "#,##0", "0%" and date patterns such as
// "dd.mm.yyyy hh:nn:ss", filled with German separators whatever the process
// locale says.

#include <QString>

#include "platform/fehler.h"

namespace kronel {

// Formats wert by muster:
// - "0" a digit (a zero when there is none), "#" a digit when there is one,
//   "." the decimal comma, "," between the digits of the whole part groups
//   thousands with ".", "%" shows the value times 100 with a "%", text in
//   double quotes and every other character stand as written;
// - a pattern without "0" and "#" that holds dd, mm, yyyy, hh, nn or ss reads
//   wert as a day number counted from 30.12.1899, its decimals as the time;
// - an empty pattern gives the plain number.
// Rounds halves away from zero. Fails (6) for a value that is not finite and
// for a date outside the years 100 to 9999.
Ergebnis<QString> ZahlFormatieren(double wert, const QString& muster);

// A whole number with German thousands grouping whatever the locale says:
// "1.234".
QString GanzzahlText(qint64 wert);

}  // namespace kronel
