#pragma once
// The settings keys through which one program tells another what happened. Each
// is written by one program and read by another, so its name is given here once.
// Both live in the settings file's section [Kronel].

#include <QString>

namespace kronel::Protokoll {

// "1" when the planner has saved the data file; the reminder then reads the file
// again and sets the key back to "0".
inline constexpr QLatin1StringView OLneu{"OLneu"};
// When the output program last showed the day's messages ("dd.mm.yyyy hh:mm:ss");
// the launcher counts its next start of the output program from it.
inline constexpr QLatin1StringView LetzteAusgabe{"letzte_Ausgabe"};

}  // namespace kronel::Protokoll
