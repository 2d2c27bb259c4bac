#include "shared_ui/geruest.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "platform/befehlszeile.h"
#include "platform/dienste.h"
#include "platform_qt/dienste_qt.h"
#include "shared_ui/hilfefenster.h"

namespace kronel {

void ProgrammUmgebungEinrichten(QApplication& app) {
    DeutscheUebersetzungenLaden(app);
    GemeinsameDiensteInstallieren();
    QStringList argumente = QCoreApplication::arguments();
    if (!argumente.isEmpty()) {
        argumente.removeFirst();
    }
    BefehlszeileSetzen(argumente);
}

StatusPanels StatusPanelsAnlegen(QMainWindow& fenster) {
    StatusPanels p{new QLabel, new QLabel, new QLabel};
    p.status->setObjectName(QStringLiteral("Status"));
    p.status->setToolTip(QStringLiteral("Allgemeiner Hinweis"));
    p.datum->setObjectName(QStringLiteral("Datum"));
    p.datum->setToolTip(QStringLiteral("Aktuelles Datum"));
    p.zeit->setObjectName(QStringLiteral("Zeit"));
    p.zeit->setToolTip(QStringLiteral("Aktuelle Uhrzeit"));
    QStatusBar* leiste = fenster.statusBar();
    leiste->setObjectName(QStringLiteral("StatusBar"));
    leiste->addWidget(p.status, 1);
    leiste->addPermanentWidget(p.datum);
    leiste->addPermanentWidget(p.zeit);
    return p;
}

void NachVorneBeiAktivierung(QWidget* fenster) {
    QPointer<QWidget> ziel(fenster);
    instanzen().beiAktivierung([ziel] {
        if (ziel == nullptr) {
            return;
        }
        ziel->show();
        ziel->setWindowState(ziel->windowState() & ~Qt::WindowMinimized);
        ziel->raise();
        ziel->activateWindow();
    });
}

}  // namespace kronel
