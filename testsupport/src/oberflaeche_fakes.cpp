#include "testsupport/oberflaeche_fakes.h"

namespace kronel::test {

Status AufnahmeHilfe::zeigen(const QString& datei, const QString& anker) {
    aufrufe.append(QStringLiteral("zeigen ") + datei + QLatin1Char('#') + anker);
    return {};
}

void AufnahmeHilfe::schliessen() {
    aufrufe.append(QStringLiteral("schliessen"));
}

bool AufnahmeWeb::oeffnen(const QString& adresse) {
    adressen.append(adresse);
    return erfolg;
}

Status AufnahmeProzesse::starten(const QString& programm, const QStringList& argumente,
                                 const QString& arbeitsordner) {
    if (naechsterFehler) {
        Fehler f = *naechsterFehler;
        naechsterFehler.reset();
        return f;
    }
    starts.push_back({programm, argumente, arbeitsordner});
    return {};
}

bool FakeInstanzen::anmelden(const QString& name) {
    if (laufend.contains(name)) {
        return false;
    }
    angemeldet.append(name);
    return true;
}

bool FakeInstanzen::aktivieren(const QString& name) {
    aktiviert.append(name);
    return laufend.contains(name);
}

}  // namespace kronel::test
