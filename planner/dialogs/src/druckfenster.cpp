#include "planner/druckquelle.h"
#include "planner_dialogs/drucken.h"
#include "planner_dialogs/druckenblatt.h"
#include "planner_dialogs/fensterverzeichnis.h"

namespace kronel {

void DruckfensterEintragen(FensterVerzeichnis& fenster) {
    // The owner is the main window, which lends the printouts its list.
    fenster.anzeigen.Drucken = [&fenster](QWidget* besitzer) {
        Drucken d(besitzer, fenster, dynamic_cast<const DruckQuelle*>(besitzer));
        d.exec();
    };
    fenster.anzeigen.DruckenBlatt = [&fenster](QWidget* besitzer) {
        DruckenBlatt d(besitzer, fenster, dynamic_cast<const DruckQuelle*>(besitzer));
        d.exec();
    };
}

}  // namespace kronel
