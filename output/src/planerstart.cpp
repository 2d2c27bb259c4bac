#include "output/planerstart.h"

#include "platform/geschwister.h"

namespace kronel {

Status PlanerStarten(const QStringList& argumente) {
    return GeschwisterprogrammStarten(QStringLiteral("Kronelin"), argumente);
}

QStringList GeheZuArgumente(const QString& auswahl) {
    if (auswahl.isEmpty()) {
        return {};
    }
    return {QStringLiteral("/GeheZu:") + auswahl.leftJustified(15, u' ', true)};
}

}  // namespace kronel
