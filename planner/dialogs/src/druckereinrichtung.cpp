#include "planner_dialogs/fensterverzeichnis.h"
#include "shared_ui/programm.h"

namespace kronel {

void DruckereinrichtungEintragen(FensterVerzeichnis& fenster, QPrinter& drucker) {
    fenster.anzeigen.Druckereinrichtung = [&drucker](QWidget* besitzer) {
        DruckereinrichtungZeigen(drucker, besitzer);
    };
}

}  // namespace kronel
