#pragma once
// German weekday and month names whatever the process locale says, and a small
// date pattern language that fills them in.

#include <QDate>
#include <QString>

#include "platform/fehler.h"

namespace kronel {

// The name of a weekday (Sunday = 1 ... Saturday = 7) or month (1 ... 12).
// Kinds, in any case: "wt" long weekday, "wt2" two-letter weekday, "mo" long
// month, "mo3" three-letter month. A number out of range gives "Tag???", "??",
// "Monat???" or "???"; any other kind the empty text.
QString TagMonatName(int nummer, const QString& art);

// Fills a pattern with parts of the date. The pattern is taken in lower case;
// its tokens, replaced in this order: "dddd" weekday, "ddd" short weekday,
// "d." day without leading zero and ".", "mmmm" month, "mmm" short month
// ("Jan.", "März"), "mm" month as two digits, "yyyy" year, "yy" year as two
// digits. Everything else stays (in lower case).
QString DatumText(const QString& muster, const QDate& datum);
// The same for a date text; fails (13) when it is no date.
Ergebnis<QString> DatumText(const QString& muster, const QString& datum);

}  // namespace kronel
