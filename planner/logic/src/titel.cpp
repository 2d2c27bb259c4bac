#include "planner/titel.h"

#include "common/einstellungen.h"
#include "common/programminfo.h"
#include "platform/systemfakten.h"
#include "platform/tastatur.h"
#include "platform/text.h"

namespace kronel {

std::optional<Jahresbild> JahresbildVon(const QDate& tag) {
    const int m = tag.month();
    const int d = tag.day();
    if ((m == 1 && d == 1) || (m == 12 && d == 31)) {
        return Jahresbild::Sekt;
    }
    if (m == 3 && d == 20) {
        return Jahresbild::Baum;
    }
    if (m == 6 && d == 21) {
        return Jahresbild::Sonne;
    }
    if (m == 9 && d == 23) {
        return Jahresbild::Schirm;
    }
    if (m != 12) {
        return std::nullopt;
    }
    if (d == 21) {
        return Jahresbild::Schneemann;
    }
    if (d == 6) {
        return Jahresbild::Strumpf;
    }
    if (d >= 9 && d <= 23) {
        return Jahresbild::Kerze;
    }
    if (d >= 24 && d <= 26) {
        return Jahresbild::Weihnachtsbaum;
    }
    return std::nullopt;
}

bool TitelUeberspringen() {
    return Val(IniLesen({}, {}, QStringLiteral("TitelAus"), QStringLiteral("0"))) == 1 ||
           systemfakten().laufzeitSekunden() < 40;
}

QString TitelLadezeile(const QString& versionText) {
    return QStringLiteral("Lade Programm ") + VersionAnzeige(versionText);
}

TitelAblauf::Schritt TitelAblauf::Tick() {
    ++zaehler_;
    if (tastatur().strgGedrueckt() && zaehler_ <= 1) {
        zaehler_ = 0;
        return Schritt::Statistik;
    }
    if (zaehler_ == 1) {
        return Schritt::MainZeigen;
    }
    if (zaehler_ == 2) {
        return Schritt::Entladen;
    }
    return Schritt::Nichts;
}

}  // namespace kronel
