#include <QPrintDialog>
#include <QPrinter>

#include "planner_dialogs/fensterverzeichnis.h"

namespace kronel {

void DruckereinrichtungEintragen(FensterVerzeichnis& fenster, QPrinter& drucker) {
    fenster.anzeigen.Druckereinrichtung = [&drucker](QWidget* besitzer) {
        QPrintDialog dialog(&drucker, besitzer);
        dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
        (void)dialog.exec();
    };
}

}  // namespace kronel
