#pragma once
// When the output program has the planner print its favourite printout unattended.

#include <QDate>
#include <QString>

namespace kronel {

// The list of TerminAutoPrint2 ("1, 15", "mo", "Freitag, 1") holds an entry
// that matches the day: its day of the month as two digits and its weekday
// name, in lower case. A number is taken with at least two digits.
bool AutoPrintTagPasst(const QString& liste, const QDate& tag);

// The day is listed in TerminAutoPrint2 and AutoPrintZuletzt holds a valid
// date other than that day. A missing or invalid AutoPrintZuletzt counts as
// printed that day: the first automatic printout waits for a printout's date.
bool AutoPrintFaellig(const QDate& heute);

}  // namespace kronel
