// Birthday lines of the address books and the appointments made of them.

#include "planner/geburtstage.h"

#include <algorithm>

#include "platform/datum.h"
#include "platform/text.h"

namespace kronel {

std::optional<QString> GeburtstagsZeile(const QStringList& felder) {
    auto feld = [&](qsizetype i) { return i < felder.size() ? Trim(felder[i]) : QString(); };
    const QString geburtstag = feld(20);
    QString name = feld(1);
    if (!feld(2).isEmpty()) {
        name += QStringLiteral(", ") + feld(2);
    }
    if (const std::optional<QDate> d = DatumLesen(geburtstag)) {
        return DatumText(*d) + QLatin1Char(' ') + name;
    }
    // Day and month alone are tried in a leap year, so the 29th of February counts.
    if (const std::optional<QDate> d = DatumLesen(Left(geburtstag, 6) + QStringLiteral("2000"))) {
        return Left(DatumText(*d), 6) + QStringLiteral("???? ") + name;
    }
    return std::nullopt;
}

GeburtstagsTermin GeburtstagAusZeile(const QString& zeile, int jahr) {
    const QString s = zeile + QStringLiteral("  ");
    const QString name = Trim(Mid(s, 12));
    if (IstDatum(Left(s, 10))) {
        const QString datum = Left(s, 10);
        return {datum, QStringLiteral("Geburtstag: ") + name + QStringLiteral(" wird {DiffJa:") +
                           datum + QStringLiteral("} alt")};
    }
    // Day and month in the given year; a 29th of February outside a leap year
    // is the 28th, not today.
    const std::optional<QDate> tag = DatumLesen(Left(s, 6) + QStringLiteral("2000"));
    QString datum = Left(s, 6) + QString::number(jahr).rightJustified(4, QLatin1Char('0'));
    if (tag) {
        datum = DatumText(
            QDate(jahr, tag->month(), std::min(tag->day(), MonatsTage(jahr, tag->month()))));
    }
    return {datum, QStringLiteral("Geburtstag: ") + name + QStringLiteral(" wird ? alt")};
}

}  // namespace kronel
