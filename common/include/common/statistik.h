#pragma once
// Usage statistics in the program's own section of RIVIROR.INI, and the rule
// behind questions that come again only after some days.

#include <QDateTime>
#include <QString>

namespace kronel {

// Counts a start (Stat_Starts, Stat_StartFirst, Stat_StartLast), keeps the start
// time of this run in memory and sets the version text.
void StatistikStart();
// Adds the minutes of this run to Stat_RunMinutes (measured from this run's own
// start: other programs overwrite Stat_StartLast) and records Dir, Ver, VerBit.
void StatistikEnde();
// Form 2: the short per-day sentence; form 0: the full report. Without data:
// "Sorry, aber keine Datengrundlage vorhanden.". The first day counts as one day.
QString StatistikText(int form);

// True when the question of key is due: on first use, more than tage day changes
// after it was last asked, or when the stamp lies in the future; the time of
// asking is then stamped in [Fragen].
bool FaelligFragen(const QString& schluessel, int tage);

// Minute changes and day changes between two times, as the classic date
// difference counts them (wall clock).
long long MinutenWechsel(const QDateTime& von, const QDateTime& bis);
long long TagWechsel(const QDate& von, const QDate& bis);

}  // namespace kronel
