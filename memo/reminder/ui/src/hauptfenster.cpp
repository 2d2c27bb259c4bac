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

#include <algorithm>
#include <functional>
#include <utility>

#include "common/fehlermeldung.h"
#include "common/hilfe.h"
#include "common/paket.h"
#include "platform/programmende.h"
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

ErinnerungsHauptfenster::ErinnerungsHauptfenster()
    : fenster_(std::make_unique<QtFenster>(this)),
      programm_(std::make_unique<Erinnerungsprogramm>(*this)) {
    const Erinnerung& logik = programm_->Logik();
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(logik.Titel);
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
                Abgesichert([i] { ProgrammStarten(i); }, "mnuPrg_Click"));
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
        laufWarn[i]->setValue(logik.laufWarn[i]);
        bezWarn[i] = new QLabel(WarnText(i, logik.laufWarn[i]));
        bezWarn[i]->setObjectName(QStringLiteral("bezWarn(%1)").arg(i));
        spalte->addWidget(laufWarn[i]);
        spalte->addWidget(bezWarn[i]);
        connect(laufWarn[i], &QScrollBar::valueChanged, this,
                Abgesichert([this, i](int wert) { programm_->laufWarn_Change(i, wert); },
                            "laufWarn_Change"));
    }
    spalte->addStretch();
    SSTab1->addTab(eigenschaften, QStringLiteral("Eigenschaften"));
    setCentralWidget(SSTab1);

    const StatusPanels panels = StatusPanelsAnlegen(*this);
    panelStatus = panels.status;
    panelDatum = panels.datum;
    panelZeit = panels.zeit;
    // Wide enough for the longest note, date and time the panels show.
    const std::pair<QLabel*, QStringList> inhalte[] = {
        {panelStatus, {RestText(0), RestText(1), RestText(99)}},
        {panelDatum, {QStringLiteral(" Donnerstag, 30. September 2027, 39. Woche ")}},
        {panelZeit, {QStringLiteral(" 00:00 ")}}};
    int noetig = 24;  // the margins and the size grip
    for (const auto& [l, texte] : inhalte) {
        int breite = 0;
        for (const QString& t : texte) {
            l->setText(t);
            breite = std::max(breite, l->sizeHint().width());
        }
        l->clear();
        noetig += breite + 8;
    }
    resize(std::max(width(), noetig), height());

    Zeit = new QTimer(this);
    Zeit->setObjectName(QStringLiteral("Zeit"));
    Zeit->setInterval(5000);
    ZeitAlarm = new QTimer(this);
    ZeitAlarm->setObjectName(QStringLiteral("ZeitAlarm"));
    ZeitAlarm->setInterval(45000);

    Erinnerungsprogramm* p = programm_.get();
    connect(Zeit, &QTimer::timeout, this, Abgesichert([p] { p->Zeit_Timer(); }, "Zeit_Timer"));
    connect(ZeitAlarm, &QTimer::timeout, this,
            Abgesichert([p] { p->ZeitAlarm_Timer(); }, "ZeitAlarm_Timer"));
    // Only a click of the user signals a change; setting the box does not.
    connect(strgNoBereich, &QCheckBox::clicked, this,
            Abgesichert([this, p] { p->strgNoBereich_Click(strgNoBereich->isChecked()); },
                        "strgNoBereich_Click"));
    connect(Liste, &QListWidget::itemDoubleClicked, this,
            Abgesichert([this] { Liste_DblClick(); }, "Liste_DblClick"));
    connect(
        Liste, &QWidget::customContextMenuRequested, this,
        Abgesichert(
            [this](const QPoint& pos) { mnuWeiteres->popup(Liste->viewport()->mapToGlobal(pos)); },
            "Liste_MouseUp"));
    connect(mnuEnde, &QAction::triggered, this,
            Abgesichert([p] { p->mnuEnde_Click(); }, "mnuEnde_Click"));
    connect(mnuListeClear, &QAction::triggered, this,
            Abgesichert([p] { p->mnuListeClear_Click(); }, "mnuListeClear_Click"));
    connect(mnuReset, &QAction::triggered, this,
            Abgesichert([p] { p->mnuReset_Click(); }, "mnuReset_Click"));
    connect(mnuWeiteres, &QMenu::aboutToShow, this,
            Abgesichert([this] { mnuWeiteres_Click(); }, "mnuWeiteres_Click"));
    connect(
        mnuAnleitung, &QAction::triggered, this,
        Abgesichert([] { HilfeZeigen(QStringLiteral("Kronel.Hlp"), 400); }, "mnuAnleitung_Click"));
    connect(mnuInfo, &QAction::triggered, this, Abgesichert(InfoZeigen, "mnuInfo_Click"));
    connect(mnuWerbung, &QAction::triggered, this, Abgesichert(WerbungZeigen, "mnuWerbung_Click"));
}

ErinnerungsHauptfenster::~ErinnerungsHauptfenster() = default;

bool ErinnerungsHauptfenster::Form_Load() {
    return programm_->Form_Load();
}

void ErinnerungsHauptfenster::Starten() {
    show();
}

void ErinnerungsHauptfenster::Liste_DblClick() {
    if (const QListWidgetItem* eintrag = Liste->currentItem()) {
        programm_->Liste_DblClick(eintrag->text());
    }
}

void ErinnerungsHauptfenster::mnuWeiteres_Click() {
    QtPaketMenue menue({mnuPrg.begin(), mnuPrg.end()},
                       [this](const QString& t) { StatusZeigen(t); });
    ProgrammeSuchen(menue);
}

void ErinnerungsHauptfenster::StatusZeigen(const QString& text) {
    panelStatus->setText(text);
    panelStatus->repaint();
}

void ErinnerungsHauptfenster::ProgrammEnde() {
    beenden_ = true;
    Zeit->stop();
    ZeitAlarm->stop();
    ProgrammBeenden(0);
}

void ErinnerungsHauptfenster::ErinnerungZeigen(const QString& titel, const QString& status,
                                               const QString& datum, const QString& zeit,
                                               const QStringList& liste) {
    if (windowTitle() != titel) {
        setWindowTitle(titel);
    }
    if (panelDatum->text() != datum) {
        panelDatum->setText(datum);
    }
    panelZeit->setText(zeit);
    panelStatus->setText(status);

    QStringList gezeigt;
    gezeigt.reserve(Liste->count());
    for (int i = 0; i < Liste->count(); ++i) {
        gezeigt.append(Liste->item(i)->text());
    }
    if (gezeigt != liste) {
        const int zeile = Liste->currentRow();
        Liste->clear();
        Liste->addItems(liste);
        if (zeile >= 0 && zeile < Liste->count()) {
            Liste->setCurrentRow(zeile);
        }
    }
}

void ErinnerungsHauptfenster::AlarmSetzen(bool an) {
    if (!an) {
        ZeitAlarm->stop();
    } else if (!ZeitAlarm->isActive()) {
        ZeitAlarm->start();
    }
}

void ErinnerungsHauptfenster::TaktSetzen(bool an) {
    if (an) {
        Zeit->start();
    } else {
        Zeit->stop();
    }
}

void ErinnerungsHauptfenster::WarnZeigen(int index, int minuten, const QString& text) {
    const QSignalBlocker sperre(laufWarn[index]);
    laufWarn[index]->setValue(minuten);
    bezWarn[index]->setText(text);
}

void ErinnerungsHauptfenster::NoBereichZeigen(bool an) {
    strgNoBereich->setChecked(an);
}

void ErinnerungsHauptfenster::NachVorne() {
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    show();
    raise();
}

FensterSteuerelement& ErinnerungsHauptfenster::Fenster() {
    return *fenster_;
}

void ErinnerungsHauptfenster::closeEvent(QCloseEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            if (beenden_) {
                e->accept();
                return;
            }
            // The close box ends the program the same way as the menu.
            e->ignore();
            Absichern([this] { programm_->mnuEnde_Click(); }, QStringLiteral("Form_QueryUnload"));
        },
        "ErinnerungsHauptfenster_closeEvent");
}

void ErinnerungsHauptfenster::changeEvent(QEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QMainWindow::changeEvent(e);
            if (e->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
                QTimer::singleShot(
                    0, this,
                    Abgesichert([this] { setWindowState(windowState() & ~Qt::WindowMaximized); },
                                "Form_Resize"));
            }
        },
        "ErinnerungsHauptfenster_changeEvent");
}

std::unique_ptr<QWidget> ErinnerungFensterBauen(ProgrammUmgebung&) {
    auto fenster = std::make_unique<ErinnerungsHauptfenster>();
    if (!fenster->Form_Load()) {
        return nullptr;
    }
    fenster->Starten();
    return fenster;
}

}  // namespace kronel
