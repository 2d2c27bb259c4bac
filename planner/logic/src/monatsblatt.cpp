#include "planner/monatsblatt.h"

#include <Qt>

#include <algorithm>
#include <cstdlib>

#include "common/kalender.h"
#include "common/zahlformat.h"
#include "platform/datum.h"

namespace kronel {

QString MonatsblattPlatzhalter() {
    return QStringLiteral("88.88.8888");
}

MonatsblattPanels MonatsblattPanelsBilden(const QDate& gezeigt, const QDate& heute) {
    MonatsblattPanels p;
    p.Datum = QLatin1Char(' ') + DatumText(gezeigt) + QLatin1Char(' ');
    p.KW = QStringLiteral(" %1. Woche ").arg(KalenderWoche(gezeigt));
    const qint64 n = gezeigt.daysTo(heute);
    const qint64 betrag = std::llabs(n);
    const QString zahl = GanzzahlText(betrag);  // "in 1.234 Tagen"
    p.vor = (n < 0 ? QStringLiteral(" in ") : QStringLiteral(" vor ")) + zahl +
            (betrag == 1 ? QStringLiteral(" Tag ") : QStringLiteral(" Tagen "));
    p.Feiertag = FeiertagText(gezeigt);
    return p;
}

std::optional<QDate> MonatsblattSchalter(int index, const QDate& gezeigt, const QDate& heute,
                                         const QString& feldDatum) {
    switch (index) {
        case 0:
            return heute;
        case 1:
            return DatumLesen(feldDatum);
        case 2:
            return gezeigt.addMonths(-1);
        case 3:
            return gezeigt.addMonths(1);
        case 4:
            return gezeigt.addYears(-1);
        case 5:
            return gezeigt.addYears(1);
        default:
            return std::nullopt;
    }
}

std::optional<QDate> MonatsblattTaste(int taste, bool strg, bool andere, const QDate& gezeigt,
                                      const QDate& heute) {
    if (andere) {
        return std::nullopt;
    }
    switch (taste) {
        case Qt::Key_PageUp:
            return strg ? std::nullopt : std::optional(gezeigt.addMonths(-1));
        case Qt::Key_PageDown:
            return strg ? std::nullopt : std::optional(gezeigt.addMonths(1));
        case Qt::Key_Home:
            return strg ? heute : QDate(gezeigt.year(), gezeigt.month(), 1);
        case Qt::Key_End:
            if (strg) {
                return std::nullopt;
            }
            return QDate(gezeigt.year(), gezeigt.month(), std::min(30, gezeigt.daysInMonth()));
        default:
            return std::nullopt;
    }
}

QDate MonatsblattJahrHalten(const QDate& d) {
    const int jahr = std::clamp(d.year(), 1900, 2100);
    if (jahr == d.year()) {
        return d;
    }
    return QDate(jahr, d.month(), std::min(d.day(), MonatsTage(jahr, d.month())));
}

}  // namespace kronel
