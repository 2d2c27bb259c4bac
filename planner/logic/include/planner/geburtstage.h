#pragma once
// Birthdays from the address books: the line the import window lists for an
// address, and the yearly appointment Main makes of a selected line.

#include <QString>
#include <QStringList>

#include <optional>

namespace kronel {

// The birthday line of an address (its tab fields, trimmed; missing ones
// empty): field 20 as a full date "24.12.1965 Maier, Eva", or as day and month
// "24.12.???? Maier, Eva"; no line without a birthday. Name is field 1, the
// first name field 2.
std::optional<QString> GeburtstagsZeile(const QStringList& felder);

struct GeburtstagsTermin {
    QString datum;
    QString meldung;
};
// The appointment of a birthday line: the birth date and "Geburtstag: Maier, Eva
// wird {DiffJa:24.12.1965} alt", or, without a year, the day in the given year
// and "… wird ? alt". A 29th of February outside a leap year is the 28th.
GeburtstagsTermin GeburtstagAusZeile(const QString& zeile, int jahr);

}  // namespace kronel
