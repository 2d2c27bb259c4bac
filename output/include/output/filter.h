#pragma once
// The output filter of an appointment: a short expression of days of the month,
// weekdays, months, calendar weeks and chances that narrows the days on which
// its message is shown inside the announce window.

#include <QDate>
#include <QDateTime>
#include <QString>

#include "platform/zufall.h"

namespace kronel {

// True when the message is to be shown today. filter comes back trimmed and in
// lower case. Terms: "15", "10-20", "mo", "dez", "kw12" (ISO 8601 weeks),
// "30%", "dyn%", "-", each negated by a leading "!"; two terms joined by ","
// (either) or ";" (both, and the ";" wins over a ","). Weekday, month, day and
// week tests use today (jetzt); datum and von (the first day of the announce
// window) serve "dyn%" only. Every chance term draws a new number from zufall.
// An invalid jetzt shows nothing.
bool FilterAuswerten(QString& filter, const QDateTime& jetzt, const QDate& datum, const QDate& von,
                     Zufall& zufall);
// The same with the dates as "dd.mm.yyyy" texts, as the records hold them.
bool FilterAuswerten(QString& filter, const QDateTime& jetzt, const QString& datum,
                     const QString& von, Zufall& zufall);

}  // namespace kronel
