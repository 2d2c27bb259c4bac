#pragma once
// The one strict date reader of the system and the date helpers of the classic runtime.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

namespace kronel {

struct DatumZeit {
    QDate datum;
    std::optional<QTime> zeit;
};

// d.m.yyyy and dd.mm.yyyy, also d.m.yy (30-99 as 19xx, 00-29 as 20xx), optionally
// followed by h:mm[:ss]; years 100-9999. Anything else is not a date.
std::optional<DatumZeit> DatumZeitLesen(const QString& text);
std::optional<QDate> DatumLesen(const QString& text);
bool IstDatum(const QString& text);

QString DatumText(const QDate& d);           // "dd.mm.yyyy"
QString DatumZeitText(const QDateTime& dt);  // "dd.mm.yyyy hh:nn:ss"
QString ZeitText(const QTime& t);            // "hh:nn:ss"

// Weekday as the classic runtime counts it: Sunday = 1 ... Saturday = 7.
int Wochentag(const QDate& d);

// Adds months with the day clamped to the end of a shorter month.
QDate MonateAddieren(const QDate& d, long long monate);

}  // namespace kronel
