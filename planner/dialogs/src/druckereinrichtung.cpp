#include <QPrintDialog>
#include <QPrinter>

#include "planner_dialogs/fensterverzeichnis.h"

namespace kronel {

void DruckereinrichtungEintragen(FensterVerzeichnis& fenster, QPrinter& drucker) {
    fenster.eintragen(QStringLiteral("Druckereinrichtung"),
                      [&drucker](QWidget* besitzer, const Uebergabe& hin) {
                          QPrintDialog dialog(&drucker, besitzer);
                          dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
                          (void)dialog.exec();
                          return hin;
                      });
}

}  // namespace kronel
