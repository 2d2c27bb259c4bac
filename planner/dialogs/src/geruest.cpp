#include "shared_ui/geruest.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "common/datenpfade.h"
#include "common/hilfe.h"
#include "common/modul.h"
#include "common/startwachen.h"
#include "common/statistik.h"
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

int LeeresHauptfensterStarten(int argc, char** argv, const QString& titel) {
    QApplication app(argc, argv);
    ProgrammUmgebungEinrichten(app);
    QMainWindow fenster;
    fenster.setObjectName(QStringLiteral("Main"));
    fenster.setWindowTitle(titel);
    fenster.resize(800, 560);
    fenster.show();
    return QApplication::exec();
}

int PlanerGeruestStarten(int argc, char** argv) {
    QApplication app(argc, argv);
    ProgrammUmgebungEinrichten(app);
    if (!NurEineInstanz()) {
        return 0;  // the running planner comes to the front
    }
    DatenPfadeSetzen();
    LeserechtePruefen();
    if (!NetzWache(1)) {
        return 0;
    }
    StatistikStart();
    QMainWindow fenster;
    fenster.setObjectName(QStringLiteral("Main"));
    fenster.setWindowTitle(modul().NurLesen ? QStringLiteral("Kronelin - nur Leserechte")
                                            : QStringLiteral("Kronelin"));
    fenster.resize(800, 560);
    NachVorneBeiAktivierung(&fenster);
    fenster.show();
    const int ergebnis = QApplication::exec();
    HilfeBeenden();
    (void)NetzWache(0);
    StatistikEnde();
    return ergebnis;
}

}  // namespace kronel
