#include "planner_dialogs/fensterverzeichnis.h"

namespace kronel {

void FensterVerzeichnis::eintragen(const QString& fenster, Anzeige anzeige) {
    fenster_[fenster] = std::move(anzeige);
}

bool FensterVerzeichnis::vorhanden(const QString& fenster) const {
    return fenster_.count(fenster) != 0;
}

Uebergabe FensterVerzeichnis::zeigen(const QString& fenster, const Uebergabe& hin) {
    const auto it = fenster_.find(fenster);
    if (it == fenster_.end()) {
        return hin;
    }
    return it->second(besitzer_, hin);
}

void PlanerFensterEintragen(FensterVerzeichnis& fenster, QPrinter& drucker) {
    DruckereinrichtungEintragen(fenster, drucker);
}

FensterVerzeichnis& planerFenster() {
    static FensterVerzeichnis verzeichnis;
    return verzeichnis;
}

}  // namespace kronel
