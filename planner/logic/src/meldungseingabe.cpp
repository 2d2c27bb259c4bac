#include "planner/meldungseingabe.h"

#include <algorithm>

#include "planner/zoomtext.h"
#include "platform/text.h"

namespace kronel {

Einfuegung EinfuegungEinpassen(const QString& eingefuegt, std::optional<qsizetype> frei) {
    Einfuegung e;
    e.text = EingabeBereinigen(eingefuegt, u"\n");
    if (frei) {
        const qsizetype ganz = e.text.size();
        e.text = EinfuegungKuerzen(e.text, *frei);
        e.gekuerzt = e.text.size() < ganz;
    }
    return e;
}

MeldungsEingabe MeldungEinpassen(const QString& alt, const QString& neu, qsizetype grenze) {
    const qsizetype kuerzer = std::min(alt.size(), neu.size());
    qsizetype vorn = 0;
    while (vorn < kuerzer && alt[vorn] == neu[vorn]) {
        ++vorn;
    }
    qsizetype hinten = 0;
    while (hinten < kuerzer - vorn &&
           alt[alt.size() - 1 - hinten] == neu[neu.size() - 1 - hinten]) {
        ++hinten;
    }
    const QString davor = alt.left(vorn);
    const QString danach = alt.right(hinten);
    const Einfuegung passt = EinfuegungEinpassen(neu.mid(vorn, neu.size() - vorn - hinten),
                                                 grenze - SatzLaenge(davor) - SatzLaenge(danach));
    MeldungsEingabe e;
    e.text = davor + passt.text + danach;
    e.cursor = static_cast<int>(vorn + passt.text.size());
    e.gekuerzt = passt.gekuerzt;
    return e;
}

}  // namespace kronel
