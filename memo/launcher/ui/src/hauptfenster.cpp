#include "launcher_ui/hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include "common/fehlermeldung.h"
#include "common/hilfe.h"
#include "platform/programmende.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/programm.h"

namespace kronel {

StarterHauptfenster::StarterHauptfenster()
    : fenster_(std::make_unique<QtFenster>(this)),
      programm_(std::make_unique<Starterprogramm>(*this)) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(programm_->Logik().Titel);
    resize(340, 150);

    mnuDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    mnuDatei->setObjectName(QStringLiteral("mnuDatei"));
    mnuKronel = mnuDatei->addAction(QStringLiteral("Termin&ausgabe..."));
    mnuKronel->setObjectName(QStringLiteral("mnuKronel"));
    mnuKronelin = mnuDatei->addAction(QStringLiteral("Termin&eingabe..."));
    mnuKronelin->setObjectName(QStringLiteral("mnuKronelin"));
    mnuEnde = mnuDatei->addAction(QStringLiteral("&Ende"));
    mnuEnde->setObjectName(QStringLiteral("mnuEnde"));
    mnuSetup = menuBar()->addMenu(QStringLiteral("&Einstellungen"));
    mnuSetup->setObjectName(QStringLiteral("mnuSetup"));
    mnuStartAsSym = mnuSetup->addAction(QStringLiteral("Starten als &Symbol"));
    mnuStartAsSym->setObjectName(QStringLiteral("mnuStartAsSym"));
    mnuStartAsSym->setCheckable(true);
    mnuHilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    mnuHilfe->setObjectName(QStringLiteral("mnuHilfe"));
    mnuAnleitung = mnuHilfe->addAction(QStringLiteral("&Anleitung..."));
    mnuAnleitung->setObjectName(QStringLiteral("mnuAnleitung"));
    mnuWerbung = mnuHilfe->addAction(QStringLiteral("&Werbung..."));
    mnuWerbung->setObjectName(QStringLiteral("mnuWerbung"));

    auto* mitte = new QWidget;
    auto* spalte = new QVBoxLayout(mitte);
    Rahmen2 = new QGroupBox(QStringLiteral("Letzte Terminausgabe"));
    Rahmen2->setObjectName(QStringLiteral("Rahmen2"));
    bezLastTime = new QLabel(QStringLiteral("?"));
    bezLastTime->setObjectName(QStringLiteral("bezLastTime"));
    (new QHBoxLayout(Rahmen2))->addWidget(bezLastTime);
    spalte->addWidget(Rahmen2);

    Rahmen1 = new QGroupBox(QString::fromUtf8("Nächste Terminausgabe"));
    Rahmen1->setObjectName(QStringLiteral("Rahmen1"));
    auto* zeile = new QHBoxLayout(Rahmen1);
    txtOutAbs = new QLineEdit;
    txtOutAbs->setObjectName(QStringLiteral("txtOutAbs"));
    txtOutRel = new QLineEdit;
    txtOutRel->setObjectName(QStringLiteral("txtOutRel"));
    // Both go into the settings file as typed or pasted: one line, no tab.
    EinzeiligEinpassen(txtOutAbs);
    EinzeiligEinpassen(txtOutRel);
    const std::pair<const char*, QWidget*> teile[] = {
        {"Bezeichnung1", new QLabel(QStringLiteral("um"))},
        {nullptr, txtOutAbs},
        {"Bezeichnung4", new QLabel(QStringLiteral("Uhr oder"))},
        {"Bezeichnung2", new QLabel(QStringLiteral("alle"))},
        {nullptr, txtOutRel},
        {"Bezeichnung3", new QLabel(QStringLiteral("Stunden"))},
    };
    for (const auto& [name, w] : teile) {
        if (name != nullptr) {
            w->setObjectName(QString::fromLatin1(name));
        }
        zeile->addWidget(w);
    }
    spalte->addWidget(Rahmen1);
    setCentralWidget(mitte);
    txtOutAbs->installEventFilter(this);
    txtOutRel->installEventFilter(this);

    Zeit = new QTimer(this);
    Zeit->setObjectName(QStringLiteral("Zeit"));
    Zeit->setInterval(5000);
    ZeitDateTest = new QTimer(this);
    ZeitDateTest->setObjectName(QStringLiteral("ZeitDateTest"));
    ZeitDateTest->setInterval(60000);  // its tick does nothing

    Starterprogramm* p = programm_.get();
    Zeitstarter* logik = &p->Logik();
    connect(Zeit, &QTimer::timeout, this, Abgesichert([p] { p->Zeit_Timer(); }, "Zeit_Timer"));
    // The fields take effect at once; they are stored at the end.
    connect(txtOutAbs, &QLineEdit::textChanged, this,
            Abgesichert([logik](const QString& t) { logik->txtOutAbs = t; }, "txtOutAbs_Change"));
    connect(txtOutRel, &QLineEdit::textChanged, this,
            Abgesichert([logik](const QString& t) { logik->txtOutRel = t; }, "txtOutRel_Change"));
    connect(mnuKronel, &QAction::triggered, this,
            Abgesichert([logik] { logik->mnuKronel_Click(); }, "mnuKronel_Click"));
    connect(mnuKronelin, &QAction::triggered, this,
            Abgesichert([logik] { logik->mnuKronelin_Click(); }, "mnuKronelin_Click"));
    // Closing is the one way out.
    connect(mnuEnde, &QAction::triggered, this, Abgesichert([this] { close(); }, "mnuEnde_Click"));
    connect(mnuStartAsSym, &QAction::triggered, this,
            Abgesichert([logik](bool an) { logik->mnuStartAsSym = an; }, "mnuStartAsSym_Click"));
    connect(
        mnuAnleitung, &QAction::triggered, this,
        Abgesichert([] { HilfeZeigen(QStringLiteral("Kronel.Hlp"), 300); }, "mnuAnleitung_Click"));
    connect(mnuWerbung, &QAction::triggered, this, Abgesichert(WerbungZeigen, "mnuWerbung_Click"));
}

StarterHauptfenster::~StarterHauptfenster() = default;

bool StarterHauptfenster::Form_Load() {
    // The window takes the size its layout needs before the start places it
    // and perhaps minimizes it: growing at its first showing would restore it
    // (see EckeNachziehen).
    ensurePolished();
    layout()->activate();
    programm_->Form_Load();
    return true;
}

void StarterHauptfenster::Starten() {
    show();
}

void StarterHauptfenster::EinstellungenZeigen(bool alsSymbol, const QString& uhrzeit,
                                              const QString& stunden) {
    mnuStartAsSym->setChecked(alsSymbol);
    txtOutAbs->setText(uhrzeit);
    txtOutRel->setText(stunden);
}

void StarterHauptfenster::Anzeigen(const QString& titel, const QString& letzteAusgabe) {
    if (windowTitle() != titel) {
        setWindowTitle(titel);
    }
    bezLastTime->setText(letzteAusgabe);
}

void StarterHauptfenster::TaktStarten() {
    Zeit->start();
    ZeitDateTest->start();
}

FensterSteuerelement& StarterHauptfenster::Fenster() {
    return *fenster_;
}

void StarterHauptfenster::ProgrammEnde() {
    Zeit->stop();
    ZeitDateTest->stop();
    ProgrammBeenden(0);
}

void StarterHauptfenster::closeEvent(QCloseEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            Absichern([this] { programm_->Form_QueryUnload(); },
                      QStringLiteral("Form_QueryUnload"));
            e->accept();
        },
        "StarterHauptfenster_closeEvent");
}

void StarterHauptfenster::showEvent(QShowEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QMainWindow::showEvent(e);
            EckeNachziehen();
            QTimer::singleShot(0, this,
                               Abgesichert([this] { programm_->Zeit_Timer(); }, "Form_Paint"));
        },
        "StarterHauptfenster_showEvent");
}

void StarterHauptfenster::moveEvent(QMoveEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QMainWindow::moveEvent(e);
            EckeNachziehen();
        },
        "StarterHauptfenster_moveEvent");
}

void StarterHauptfenster::changeEvent(QEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QMainWindow::changeEvent(e);
            if (e->type() != QEvent::WindowStateChange) {
                return;
            }
            if (windowState() & Qt::WindowMaximized) {
                QTimer::singleShot(
                    0, this,
                    Abgesichert([this] { setWindowState(windowState() & ~Qt::WindowMaximized); },
                                "Form_Resize"));
            }
            if (!(windowState() & Qt::WindowMinimized)) {
                EckeNachziehen();
                QTimer::singleShot(0, this,
                                   Abgesichert([this] { programm_->Zeit_Timer(); }, "Form_Paint"));
            }
        },
        "StarterHauptfenster_changeEvent");
}

void StarterHauptfenster::EckeNachziehen() {
    // Moving or sizing a minimized window makes Qt's X11 side hint it as
    // normal, and the window manager restores it: a window that starts as a
    // symbol takes its corner when it is first restored.
    if (!isVisible() || (windowState() & Qt::WindowMinimized)) {
        return;
    }
    // The frame is known only once a window manager put it around the shown window.
    const bool rahmen = frameGeometry() != geometry();
    if (!gezeigt_ || (rahmen && !mitRahmen_)) {
        gezeigt_ = true;
        mitRahmen_ = rahmen;
        programm_->Logik().EckeEinnehmen(*fenster_);
    }
}

bool StarterHauptfenster::eventFilter(QObject* objekt, QEvent* e) {
    return AbgesichertAusfuehren(
        [&] {
            if (e->type() != QEvent::KeyPress || (objekt != txtOutAbs && objekt != txtOutRel)) {
                return QMainWindow::eventFilter(objekt, e);
            }
            const auto* taste = static_cast<QKeyEvent*>(e);
            if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
                focusNextChild();  // Enter moves on, as Tab does
                return true;
            }
            if (objekt == txtOutRel && taste->text() == QStringLiteral(",")) {
                txtOutRel->insert(QStringLiteral("."));
                return true;
            }
            return QMainWindow::eventFilter(objekt, e);
        },
        "StarterHauptfenster_eventFilter", false);
}

std::unique_ptr<QWidget> StarterFensterBauen(ProgrammUmgebung&) {
    auto fenster = std::make_unique<StarterHauptfenster>();
    if (!fenster->Form_Load()) {
        return nullptr;
    }
    fenster->Starten();
    return fenster;
}

}  // namespace kronel
