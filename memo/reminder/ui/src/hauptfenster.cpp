#include "reminder_ui/hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "common/datenpfade.h"
#include "common/fehlermeldung.h"
#include "common/hilfe.h"
#include "common/paket.h"
#include "common/systemdatum.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/schritte.h"
#include "platform_qt/oberflaeche_qt.h"
#include "reminder/tagesliste.h"
#include "shared_ui/info.h"
#include "shared_ui/paketmenue.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

QString Text(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

ErinnerungsHauptfenster::ErinnerungsHauptfenster() {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(Logik.Titel);
    resize(420, 260);

    mnuDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    mnuDatei->setObjectName(QStringLiteral("mnuDatei"));
    mnuEnde = mnuDatei->addAction(QStringLiteral("&Ende"));
    mnuEnde->setObjectName(QStringLiteral("mnuEnde"));

    mnuWeiteres = menuBar()->addMenu(QStringLiteral("&Weiteres"));
    mnuWeiteres->setObjectName(QStringLiteral("mnuWeiteres"));
    mnuListeClear = mnuWeiteres->addAction(Text("Fällige Termine in Liste &löschen"));
    mnuListeClear->setObjectName(QStringLiteral("mnuListeClear"));
    mnuReset = mnuWeiteres->addAction(QStringLiteral("Termine &neu einlesen"));
    mnuReset->setObjectName(QStringLiteral("mnuReset"));
    mnuProgramme = mnuWeiteres->addMenu(Text("&Zusätzliche Programme"));
    mnuProgramme->setObjectName(QStringLiteral("mnuProgramme"));
    for (int i = 0; i < static_cast<int>(mnuPrg.size()); ++i) {
        mnuPrg[i] = mnuProgramme->addAction(i == 0 ? QStringLiteral("&Kronel...") : QString());
        mnuPrg[i]->setObjectName(QStringLiteral("mnuPrg(%1)").arg(i));
        // The package has no further programs: their rows stay out of sight.
        mnuPrg[i]->setVisible(i == 0);
        connect(mnuPrg[i], &QAction::triggered, this,
                [this, i] { Absichern([&] { mnuPrg_Click(i); }, QStringLiteral("mnuPrg_Click")); });
    }

    mnuHilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    mnuHilfe->setObjectName(QStringLiteral("mnuHilfe"));
    mnuAnleitung = mnuHilfe->addAction(QStringLiteral("&Anleitung..."));
    mnuAnleitung->setObjectName(QStringLiteral("mnuAnleitung"));
    mnuInfo = mnuHilfe->addAction(QStringLiteral("&Info..."));
    mnuInfo->setObjectName(QStringLiteral("mnuInfo"));
    mnuWerbung = mnuHilfe->addAction(QStringLiteral("&Werbung..."));
    mnuWerbung->setObjectName(QStringLiteral("mnuWerbung"));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    Liste = new QListWidget;
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setContextMenuPolicy(Qt::CustomContextMenu);
    SSTab1->addTab(Liste, QStringLiteral("Aktuell"));

    auto* eigenschaften = new QWidget;
    auto* spalte = new QVBoxLayout(eigenschaften);
    strgNoBereich =
        new QCheckBox(QStringLiteral("Ausgabe nur am Tag des Termins (kein Meldebereich)"));
    strgNoBereich->setObjectName(QStringLiteral("strgNoBereich"));
    spalte->addWidget(strgNoBereich);
    bez2 = new QLabel(QStringLiteral("Ausgabezeitraum:"));
    bez2->setObjectName(QStringLiteral("bez2"));
    spalte->addWidget(bez2);
    for (int i = 0; i < 2; ++i) {
        laufWarn[i] = new QScrollBar(Qt::Horizontal);
        laufWarn[i]->setObjectName(QStringLiteral("laufWarn(%1)").arg(i));
        laufWarn[i]->setRange(1, 300);
        laufWarn[i]->setSingleStep(1);
        laufWarn[i]->setPageStep(15);
        laufWarn[i]->setValue(Logik.laufWarn[i]);
        bezWarn[i] = new QLabel(WarnText(i, Logik.laufWarn[i]));
        bezWarn[i]->setObjectName(QStringLiteral("bezWarn(%1)").arg(i));
        spalte->addWidget(laufWarn[i]);
        spalte->addWidget(bezWarn[i]);
        connect(laufWarn[i], &QScrollBar::valueChanged, this, [this, i] {
            Absichern([&] { laufWarn_Change(i); }, QStringLiteral("laufWarn_Change"));
        });
    }
    spalte->addStretch();
    SSTab1->addTab(eigenschaften, QStringLiteral("Eigenschaften"));
    setCentralWidget(SSTab1);

    panelStatus = new QLabel;
    panelStatus->setObjectName(QStringLiteral("Status"));
    panelStatus->setToolTip(QStringLiteral("Allgemeiner Hinweis"));
    panelDatum = new QLabel;
    panelDatum->setObjectName(QStringLiteral("Datum"));
    panelDatum->setToolTip(QStringLiteral("Aktuelles Datum"));
    panelZeit = new QLabel;
    panelZeit->setObjectName(QStringLiteral("Zeit"));
    panelZeit->setToolTip(QStringLiteral("Aktuelle Uhrzeit"));
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(panelStatus, 1);
    statusBar()->addPermanentWidget(panelDatum);
    statusBar()->addPermanentWidget(panelZeit);

    Zeit = new QTimer(this);
    Zeit->setObjectName(QStringLiteral("Zeit"));
    Zeit->setInterval(5000);
    ZeitAlarm = new QTimer(this);
    ZeitAlarm->setObjectName(QStringLiteral("ZeitAlarm"));
    ZeitAlarm->setInterval(45000);

    auto abgesichert = [this](void (ErinnerungsHauptfenster::*handler)(), const char* wo) {
        return [this, handler, wo] {
            Absichern([&] { (this->*handler)(); }, QString::fromLatin1(wo));
        };
    };
    connect(Zeit, &QTimer::timeout, this,
            abgesichert(&ErinnerungsHauptfenster::Zeit_Timer, "Zeit_Timer"));
    connect(ZeitAlarm, &QTimer::timeout, this,
            abgesichert(&ErinnerungsHauptfenster::ZeitAlarm_Timer, "ZeitAlarm_Timer"));
    // Only a click of the user signals a change; setting the box does not.
    connect(strgNoBereich, &QCheckBox::clicked, this,
            abgesichert(&ErinnerungsHauptfenster::strgNoBereich_Click, "strgNoBereich_Click"));
    connect(Liste, &QListWidget::itemDoubleClicked, this,
            abgesichert(&ErinnerungsHauptfenster::Liste_DblClick, "Liste_DblClick"));
    connect(Liste, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { mnuWeiteres->popup(Liste->viewport()->mapToGlobal(p)); });
    connect(mnuEnde, &QAction::triggered, this,
            abgesichert(&ErinnerungsHauptfenster::mnuEnde_Click, "mnuEnde_Click"));
    connect(mnuListeClear, &QAction::triggered, this,
            abgesichert(&ErinnerungsHauptfenster::mnuListeClear_Click, "mnuListeClear_Click"));
    connect(mnuReset, &QAction::triggered, this,
            abgesichert(&ErinnerungsHauptfenster::mnuReset_Click, "mnuReset_Click"));
    connect(mnuWeiteres, &QMenu::aboutToShow, this,
            abgesichert(&ErinnerungsHauptfenster::mnuWeiteres_Click, "mnuWeiteres_Click"));
    connect(mnuAnleitung, &QAction::triggered, this,
            abgesichert(&ErinnerungsHauptfenster::mnuAnleitung_Click, "mnuAnleitung_Click"));
    connect(mnuInfo, &QAction::triggered, this,
            [] { Absichern(InfoZeigen, QStringLiteral("mnuInfo_Click")); });
    connect(mnuWerbung, &QAction::triggered, this,
            [] { Absichern(WerbungZeigen, QStringLiteral("mnuWerbung_Click")); });
}

bool ErinnerungsHauptfenster::Form_Load() {
    SchrittLaeufer schritt(
        [](const Fehler& f) {
            return FehlerMeldung(f,
                                 QStringLiteral("Es ist ein Fehler beim Vorbereiten aufgetreten."));
        },
        QStringLiteral("Form_Load"));
    // After an Abort the runner skips the remaining steps; the window runs all the same.
    bool zweiterLauf = false;
    schritt([] {
        SystemDatumPruefen();
        return Status{};
    });
    schritt([&] {
        // A second reminder of the same user ends without a word.
        zweiterLauf = !instanzen().anmelden(ProgrammDateiname());
        return Status{};
    });
    if (zweiterLauf) {
        return false;
    }
    schritt([&] {
        QtFenster fenster(this);
        Logik.OptionenLesen(fenster);
        for (int i = 0; i < 2; ++i) {
            const QSignalBlocker sperre(laufWarn[i]);
            laufWarn[i]->setValue(Logik.laufWarn[i]);
            laufWarn_Change(i);
        }
        strgNoBereich->setChecked(Logik.strgNoBereich);
        return Status{};
    });
    schritt([] {
        DatenPfadeSetzen();
        return Status{};
    });
    schritt([&] {
        Zeit_Timer();
        return Status{};
    });
    return !Logik.Beendet;
}

void ErinnerungsHauptfenster::Zeit_Timer() {
    Zeit->stop();
    Logik.Zeit_Timer();
    Anzeigen();
    if (!Logik.Beendet) {
        Zeit->start();
    }
}

void ErinnerungsHauptfenster::ZeitAlarm_Timer() {
    Logik.ZeitAlarm_Timer();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    show();
    raise();
}

void ErinnerungsHauptfenster::laufWarn_Change(int index) {
    Logik.laufWarn[index] = laufWarn[index]->value();
    bezWarn[index]->setText(WarnText(index, Logik.laufWarn[index]));
}

void ErinnerungsHauptfenster::strgNoBereich_Click() {
    Logik.strgNoBereich = strgNoBereich->isChecked();
    mnuReset_Click();
}

void ErinnerungsHauptfenster::Liste_DblClick() {
    const QListWidgetItem* eintrag = Liste->currentItem();
    if (eintrag == nullptr) {
        return;
    }
    meldungen().zeigen(EintragZweizeilig(eintrag->text()), Box::OK | Box::Information,
                       QStringLiteral("Kronel, Onlineausgabe"));
}

void ErinnerungsHauptfenster::mnuEnde_Click() {
    QtFenster fenster(this);
    Logik.OptionenSpeichern(fenster);
    HilfeBeenden();
    beenden_ = true;
    Zeit->stop();
    ZeitAlarm->stop();
    QCoreApplication::exit(0);
}

void ErinnerungsHauptfenster::mnuListeClear_Click() {
    Logik.mnuListeClear_Click();
    Anzeigen();
}

void ErinnerungsHauptfenster::mnuReset_Click() {
    Logik.mnuReset_Click();
}

void ErinnerungsHauptfenster::mnuWeiteres_Click() {
    QtPaketMenue menue({mnuPrg.begin(), mnuPrg.end()},
                       [this](const QString& t) { StatusZeigen(t); });
    ProgrammeSuchen(menue);
}

void ErinnerungsHauptfenster::mnuPrg_Click(int index) {
    ProgrammStarten(index);
}

void ErinnerungsHauptfenster::mnuAnleitung_Click() {
    HilfeZeigen(QStringLiteral("Kronel.Hlp"), 400);
}

void ErinnerungsHauptfenster::StatusZeigen(const QString& text) {
    panelStatus->setText(text);
    panelStatus->repaint();
}

void ErinnerungsHauptfenster::ProgrammBeenden() {
    beenden_ = true;
    Zeit->stop();
    ZeitAlarm->stop();
    QCoreApplication::exit(0);
}

void ErinnerungsHauptfenster::closeEvent(QCloseEvent* e) {
    if (beenden_) {
        e->accept();
        return;
    }
    // The close box ends the program the same way as the menu.
    e->ignore();
    Absichern([this] { mnuEnde_Click(); }, QStringLiteral("Form_QueryUnload"));
}

void ErinnerungsHauptfenster::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
        QTimer::singleShot(0, this,
                           [this] { setWindowState(windowState() & ~Qt::WindowMaximized); });
    }
}

void ErinnerungsHauptfenster::Anzeigen() {
    if (windowTitle() != Logik.Titel) {
        setWindowTitle(Logik.Titel);
    }
    if (panelDatum->text() != Logik.PanelDatum) {
        panelDatum->setText(Logik.PanelDatum);
    }
    panelZeit->setText(Logik.PanelZeit);
    panelStatus->setText(Logik.PanelStatus);

    QStringList gezeigt;
    gezeigt.reserve(Liste->count());
    for (int i = 0; i < Liste->count(); ++i) {
        gezeigt.append(Liste->item(i)->text());
    }
    if (gezeigt != Logik.Liste) {
        const int zeile = Liste->currentRow();
        Liste->clear();
        Liste->addItems(Logik.Liste);
        if (zeile >= 0 && zeile < Liste->count()) {
            Liste->setCurrentRow(zeile);
        }
    }
    // Switching on a running alarm does not start its 45 seconds again.
    if (!Logik.ZeitAlarm) {
        ZeitAlarm->stop();
    } else if (!ZeitAlarm->isActive()) {
        ZeitAlarm->start();
    }
}

std::unique_ptr<QWidget> ErinnerungFensterBauen(ProgrammUmgebung&) {
    auto fenster = std::make_unique<ErinnerungsHauptfenster>();
    if (!fenster->Form_Load()) {
        return nullptr;
    }
    fenster->show();
    return fenster;
}

}  // namespace kronel
