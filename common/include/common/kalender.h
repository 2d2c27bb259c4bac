#pragma once
// Calendar lookups: holidays from "Feiertag.Ini" and day notes from "Astro.ini"
// in the program folder, ISO week numbers, days of a year and of a month.
//
// Feiertag.Ini, section [Feiertage]: "dd.mm=name" every year, "dd.mm.yyyy=name"
// that year only (wins over the yearly entry).
// Astro.ini: section [Zyklisch] "dd.mm=notes" every year, sections "[yyyy]"
// "dd.mm=notes" that year; "~" separates notes.

#include <QDate>
#include <QString>
#include <QStringList>

#include "platform/fehler.h"

namespace kronel {

// The holiday name of the day, or the empty text.
QString FeiertagText(const QDate& datum);
// The same for a date text; fails (13) when the text is no date.
Ergebnis<QString> FeiertagText(const QString& datum);
// Every holiday name of the file once, in the order of the file.
QStringList FeiertagNamen();

// The notes of the day, several joined by CR LF: the yearly ones first, then
// those of the date's year; the empty text when there are none.
QString AstroText(const QDate& datum);
Ergebnis<QString> AstroText(const QString& datum);

// ISO 8601 week number 1 to 53 (weeks run Monday to Sunday; week 1 holds the
// first Thursday of the year); 0 for an invalid date. Shows nothing.
int KalenderWoche(const QDate& datum);
// The same for a text (a time behind the date is ignored). A text that is no
// date shows the box "Ungültiges Datum" and gives 0.
int KalenderWoche(const QString& datum);
// As above without the box (for callers that ask every few seconds).
int KalenderWocheOhneMeldung(const QString& datum);

// 365 or 366; a year below 100 counts as 19xx.
int TageImJahr(int jahr);
// 28 to 31.
int TageImMonat(const QDate& datum);
Ergebnis<int> TageImMonat(const QString& datum);

}  // namespace kronel
