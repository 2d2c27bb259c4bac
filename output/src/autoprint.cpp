#include "output/autoprint.h"

#include <cmath>

#include "common/deutschetexte.h"
#include "common/einstellungen.h"
#include "platform/datum.h"
#include "platform/text.h"

namespace kronel {

bool AutoPrintTagPasst(const QString& liste, const QDate& tag) {
    const QString tagText =
        LCase(QString::number(tag.day()).rightJustified(2, u'0') + QLatin1Char(' ') +
              TagMonatName(Wochentag(tag), QStringLiteral("wt")));
    bool treffer = false;
    for (const QString& teil : liste.split(QLatin1Char(','))) {
        QString eintrag = Trim(teil);
        const double zahl = Val(eintrag);
        // A number too large for a day can match no day; it stays as written.
        if (zahl > 0 && std::isfinite(zahl) && zahl < 1e9) {
            eintrag = QString::number(std::llround(zahl)).rightJustified(2, u'0');
        }
        if (!eintrag.isEmpty() && tagText.contains(LCase(eintrag))) {
            treffer = true;
        }
    }
    return treffer;
}

bool AutoPrintFaellig(const QDate& heute) {
    if (!AutoPrintTagPasst(
            IniLesen({}, {}, QStringLiteral("TerminAutoPrint2"), QStringLiteral("-")), heute)) {
        return false;
    }
    const std::optional<QDate> zuletzt =
        DatumLesen(IniLesen({}, {}, QStringLiteral("AutoPrintZuletzt"), QStringLiteral("?")));
    return zuletzt && *zuletzt != heute;
}

}  // namespace kronel
