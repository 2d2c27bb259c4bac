#include "common/ton.h"

#include "common/dateien.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/schritte.h"

namespace kronel {

namespace {

struct Systemton {
    const char* name;
    int typ;
};

constexpr Systemton kSystemtoene[] = {
    {"#RingOut", Piep::Ausrufezeichen},
    {"#RingIn", Piep::Frage},
    {"#SystemExclamation", Piep::Ausrufezeichen},
    {"#SystemQuestion", Piep::Frage},
    {"#SystemHand", Piep::Hand},
    {"#SystemAsterisk", Piep::Stern},
};

}  // namespace

void TonAusgeben(const QString& name) {
    QString datei = name;
    if (name.startsWith(QLatin1Char('#'))) {
        for (const Systemton& s : kSystemtoene) {
            if (name == QLatin1String(s.name)) {  // exactly as written
                ton().piepen(s.typ, name);
                ton().stoppen();
                return;
            }
        }
        datei = IniLesen(QStringLiteral("Win.Ini"), QStringLiteral("Sounds"), name.mid(1), {});
        const qsizetype komma = datei.indexOf(QLatin1Char(','));
        if (komma >= 0) {
            datei = datei.left(komma);
        }
    }
    if (!DateiVorhanden(datei)) {
        ton().stoppen();
        return;
    }
    const QString pfad = PfadAufloesen(PfadAbsolut(PfadAusWindows(datei)));
    // Abort only leaves the routine: ending the program here would lose unsaved work.
    SchrittLaeufer schritt(
        [](const Fehler& f) {
            if (f.nummer == FehlerNr::PfadNichtGefunden) {
                return Antwort::Abbruch;  // silently
            }
            return FehlerMeldung(f, QStringLiteral("Fehler bei Tonausgabe"));
        },
        QStringLiteral("TonAusgeben"));
    schritt([&] { return ton().spielen(pfad); });
}

}  // namespace kronel
