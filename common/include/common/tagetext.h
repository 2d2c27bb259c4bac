#pragma once

#include <QString>

namespace kronel {

// A count of days (without sign) in days, weeks, months or years, in the forms
// used behind "seit", "vor" and "in": "0 Tagen", "1 Tag", "21 Tagen",
// "3,1 Wochen" (from 22 days), "6,0 Monaten" (from 183), "1,5 Jahren" (from 556).
QString TageText(long long tage);

}  // namespace kronel
