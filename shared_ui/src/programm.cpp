#include "shared_ui/programm.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QStatusBar>

#include "platform/befehlszeile.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/programmende.h"
#include "platform/tastatur.h"
#include "platform/uhr.h"
#include "platform_qt/dienste_qt.h"
#include "platform_qt/oberflaeche_qt.h"
#include "platform_qt/tastatur_qt.h"
#include "printing/qtdrucker.h"
#include "shared_ui/hilfefenster.h"

namespace kronel {

QtDrucker& ProgrammUmgebung::drucker() {
    return DruckerInstallieren();
}

void DiensteInstallieren() {
    static QtMeldungen meldungenQt;
    static QtTon tonQt;
    static QtZeiger zeigerQt;
    static SystemUhr uhrSystem;
    static QtBildschirm bildschirmQt;
    static QtWeb webQt;
    static QtInstanzen instanzenQt;
    static SystemProzesse prozesseSystem;
    static QtHilfe hilfeQt;
    Dienste d = dienste();
    d.meldungen = &meldungenQt;
    d.ton = &tonQt;
    d.zeiger = &zeigerQt;
    d.uhr = &uhrSystem;
    d.bildschirm = &bildschirmQt;
    d.web = &webQt;
    d.instanzen = &instanzenQt;
    d.prozesse = &prozesseSystem;
    d.hilfe = &hilfeQt;
    DiensteSetzen(d);
    static QtTastatur tastaturQt;
    TastaturSetzen(&tastaturQt);
    WacheMitFehlerMeldung();
    LeeresEinfuegenAbfangen();
}

int ProgrammAusfuehren(int argc, char** argv, const FensterBauen& bauen) {
    QApplication app(argc, argv);
    DeutscheUebersetzungenLaden(app);
    DiensteInstallieren();
    OrdnerUmgebungFestmachen();
    QStringList argumente = QCoreApplication::arguments();
    if (!argumente.isEmpty()) {
        argumente.removeFirst();
    }
    BefehlszeileSetzen(argumente);

    ProgrammUmgebung umgebung;
    // The window goes before the application object does.
    const std::unique_ptr<QWidget> fenster = bauen(umgebung);
    if (fenster == nullptr || ProgrammBeendet()) {
        return ProgrammEndeCode();
    }
    return QApplication::exec();
}

std::vector<QLabel*> StatusleisteAnlegen(QMainWindow& fenster,
                                         const std::vector<PanelVorgabe>& panels, bool versenkt) {
    return StatusleisteAnlegen(fenster.statusBar(), panels, versenkt);
}

std::vector<QLabel*> StatusleisteAnlegen(QStatusBar* leiste,
                                         const std::vector<PanelVorgabe>& panels, bool versenkt) {
    leiste->setObjectName(QStringLiteral("StatusBar"));
    if (versenkt) {
        leiste->setSizeGripEnabled(false);
    }
    std::vector<QLabel*> labels;
    for (const PanelVorgabe& p : panels) {
        auto* l = new QLabel(p.text, leiste);
        l->setObjectName(p.name);
        l->setToolTip(p.tip);
        if (versenkt) {
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        }
        if (p.dehnen) {
            // A long note takes the room that is left; it never pushes the
            // panels after it off the window's end.
            l->setMinimumWidth(1);
        }
        leiste->addPermanentWidget(l, p.dehnen ? 1 : 0);
        labels.push_back(l);
    }
    return labels;
}

StatusPanels StatusPanelsAnlegen(QMainWindow& fenster) {
    const std::vector<QLabel*> l = StatusleisteAnlegen(
        fenster, {{QStringLiteral("Status"), {}, QStringLiteral("Allgemeiner Hinweis"), true},
                  {QStringLiteral("Datum"), {}, QStringLiteral("Aktuelles Datum")},
                  {QStringLiteral("Zeit"), {}, QStringLiteral("Aktuelle Uhrzeit")}});
    return {l[0], l[1], l[2]};
}

void NachVorneBeiAktivierung(QWidget* fenster) {
    QPointer<QWidget> ziel(fenster);
    instanzen().beiAktivierung(Abgesichert(
        [ziel] {
            if (ziel == nullptr) {
                return;
            }
            ziel->show();
            ziel->setWindowState(ziel->windowState() & ~Qt::WindowMinimized);
            ziel->raise();
            ziel->activateWindow();
        },
        "Form_Activate"));
}

}  // namespace kronel
