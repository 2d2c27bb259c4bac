#include "planner/nebenfenster.h"

namespace kronel {

QString FensterSchluessel(Fenstername f) {
    switch (f) {
        case Fenstername::Suchen:
            return QStringLiteral("Suchen");
        case Fenstername::Setup:
            return QStringLiteral("Setup");
        case Fenstername::Freizeit:
            return QStringLiteral("Freizeit");
        case Fenstername::Altes:
            return QStringLiteral("Altes");
        case Fenstername::Monatsblatt:
            return QStringLiteral("Monatsblatt");
        case Fenstername::Tips:
            return QStringLiteral("Tips");
        case Fenstername::Drucken:
            return QStringLiteral("Drucken");
        case Fenstername::DruckenBlatt:
            return QStringLiteral("DruckenBlatt");
        case Fenstername::Druckereinrichtung:
            return QStringLiteral("Druckereinrichtung");
        case Fenstername::ImpGeb:
            return QStringLiteral("ImpGeb");
        case Fenstername::Dateiwahl:
            return QStringLiteral("Dateiwahl");
        case Fenstername::Notizen:
            return QStringLiteral("Notizen");
        case Fenstername::Sonderzeichen:
            return QStringLiteral("Sonderzeichen");
        case Fenstername::StdDialog:
            return QStringLiteral("StdDialog");
        case Fenstername::ZoomText:
            return QStringLiteral("ZoomText");
    }
    return {};
}

}  // namespace kronel
