#include "common/tagetext.h"

#include <cstdlib>

#include "common/zahlformat.h"

namespace kronel {

QString TageText(long long tage) {
    const long long d = std::llabs(tage);
    auto einheit = [d](double teiler, const char* wort) {
        return ZahlFormatieren(static_cast<double>(d) / teiler, QStringLiteral("#.0"))
                   .wertOder(QString()) +
               QLatin1String(wort);
    };
    if (d >= 556) {
        return einheit(365.25, " Jahren");
    }
    if (d >= 183) {
        return einheit(30.4375, " Monaten");
    }
    if (d >= 22) {
        return einheit(7.0, " Wochen");
    }
    if (d == 0) {
        return QStringLiteral("0 Tagen");
    }
    return QString::number(d) + (d == 1 ? QStringLiteral(" Tag") : QStringLiteral(" Tagen"));
}

}  // namespace kronel
