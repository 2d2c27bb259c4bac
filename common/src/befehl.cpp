#include "common/befehl.h"

#include "common/modul.h"

namespace kronel {

QString StandardTrenner() {
    return QStringLiteral(" /,;|\t\n\r");
}

int BefehlZerlegen(QString& text, QString& trenner) {
    if (trenner.isEmpty()) {
        trenner = StandardTrenner();
    }
    QStringList& worte = modul().BefehlWorte;
    worte.clear();
    worte.append(QString());  // index 0 stays unused
    text += trenner[0];
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (trenner.contains(text[i])) {
            if (i != start) {
                worte.append(text.mid(start, i - start));
            }
            start = i + 1;
        }
    }
    const int anzahl = static_cast<int>(worte.size()) - 1;
    // Callers index up to 50 without a bounds check: keep the empty entries.
    while (worte.size() < 51) {
        worte.append(QString());
    }
    return anzahl;
}

}  // namespace kronel
