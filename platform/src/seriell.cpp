#include "platform/seriell.h"

namespace kronel {

QString SeriellesGeraet(const QString& name) {
    if (name.startsWith(QLatin1Char('/'))) {
        return name;
    }
    if (name.isEmpty()) {
        return {};
    }
    const QChar n = name.back();
    if (n < u'1' || n > u'8') {
        return {};
    }
    return QStringLiteral("/dev/ttyS") + QString::number(n.digitValue() - 1);
}

}  // namespace kronel
