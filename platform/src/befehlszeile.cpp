#include "platform/befehlszeile.h"

namespace kronel {

namespace {
QString& Gespeichert() {
    static QString text;
    return text;
}
}  // namespace

QString Befehlszeile() {
    return Gespeichert();
}

void BefehlszeileSetzen(const QStringList& argumente) {
    Gespeichert() = argumente.join(QLatin1Char(' '));
}

}  // namespace kronel
