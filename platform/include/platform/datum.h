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

// Calendar arithmetic by hand, for the loops over every record of a book: the
// conversions of QDate cost far more than these few operations.
constexpr bool Schaltjahr(int jahr) {
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}
inline constexpr int kMonatsTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int MonatsTage(int jahr, int monat) {
    return monat == 2 && Schaltjahr(jahr) ? 29 : kMonatsTage[monat - 1];
}
// The day number QDate::toJulianDay() gives a valid date of the years 1 to 9999.
constexpr qint64 TagNummer(int jahr, int monat, int tag) {
    // Years from March on, so the leap day is the last day of a year; none of
    // the numbers is negative.
    const auto j = static_cast<quint32>(monat <= 2 ? jahr - 1 : jahr);
    const auto m = static_cast<quint32>(monat > 2 ? monat - 3 : monat + 9);
    const quint32 tage =
        j * 365 + j / 4 - j / 100 + j / 400 + (153 * m + 2) / 5 + static_cast<quint32>(tag) - 1;
    return static_cast<qint64>(tage) + 1721120;
}
// The calendar of the system: 1 January 100 to 31 December 9999.
constexpr qint64 kErsterKalenderTag = TagNummer(100, 1, 1);
constexpr qint64 kLetzterKalenderTag = TagNummer(9999, 12, 31);
// A valid date of the years 100 to 9999, without converting it into its parts.
inline bool ImKalender(const QDate& d) {
    const qint64 tag = d.toJulianDay();  // an invalid date lies below every day
    return tag >= kErsterKalenderTag && tag <= kLetzterKalenderTag;
}

}  // namespace kronel
