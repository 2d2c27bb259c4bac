#include "output_ui/kronelfenster.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QStyle>
#include <QTextLayout>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "common/fehlermeldung.h"
#include "common/hilfe.h"
#include "common/paket.h"
#include "common/texte.h"
#include "output_ui/mondbild.h"
#include "output_ui/telewahl.h"
#include "platform/programmende.h"
#include "platform/text.h"
#include "platform_qt/oberflaeche_qt.h"
#include "platform_qt/seriell_qt.h"
#include "printing/qtdrucker.h"
#include "shared_ui/info.h"
#include "shared_ui/paketmenue.h"
#include "shared_ui/programm.h"
#include "shared_ui/tips.h"

namespace kronel {

namespace {

QString T(const char* s) {
    return QString::fromUtf8(s);
}

// The text in lines no wider than breite: broken between words, and anywhere
// in a word longer than a line, so a long path shows whole.
QString Umbrechen(const QString& text, const QFont& schrift, int breite) {
    QStringList zeilen;
    for (const QString& absatz : text.split(QLatin1Char('\n'))) {
        QTextLayout satz(absatz, schrift);
        QTextOption art;
        art.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        satz.setTextOption(art);
        satz.beginLayout();
        for (QTextLine z = satz.createLine(); z.isValid(); z = satz.createLine()) {
            z.setLineWidth(breite);
            QString zeile = absatz.mid(z.textStart(), z.textLength());
            while (zeile.endsWith(QLatin1Char(' '))) {
                zeile.chop(1);
            }
            zeilen << zeile;
        }
        satz.endLayout();
    }
    return zeilen.join(QLatin1Char('\n'));
}

}  // namespace

KronelFenster::KronelFenster(QtDrucker* drucker, std::unique_ptr<Zufall> zufall)
    : drucker_(drucker) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Kronel - Terminausgabe"));
    resize(640, 480);

    auto eintrag = [](QMenu* menue, const char* text, const char* name,
                      const QKeySequence& taste = {}) {
        QAction* a = menue->addAction(T(text));
        a->setObjectName(T(name));
        if (!taste.isEmpty()) {
            a->setShortcut(taste);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        return a;
    };

    PulMeldungen = menuBar()->addMenu(QStringLiteral("&Meldungen"));
    PulMeldungen->setObjectName(QStringLiteral("PulMeldungen"));
    PulSpeichern = eintrag(PulMeldungen, "&Speichern...", "PulSpeichern", QKeySequence("Ctrl+S"));
    PulMeldungen->addSeparator();
    PulDrucken = eintrag(PulMeldungen, "&Drucken", "PulDrucken", QKeySequence("Ctrl+P"));
    PulDruckerEinrichten = eintrag(PulMeldungen, "D&ruckereinrichtung...", "PulDruckerEinrichten");
    PulMeldungen->addSeparator();
    PulEnde = eintrag(PulMeldungen, "Be&enden", "PulEnde", QKeySequence(Qt::Key_F12));

    mnuWeiteres = menuBar()->addMenu(QStringLiteral("&Weiteres"));
    mnuWeiteres->setObjectName(QStringLiteral("mnuWeiteres"));
    mnuTeleWählen =
        eintrag(mnuWeiteres, "Telefonnummer &wählen...", "mnuTeleWählen", QKeySequence("Ctrl+W"));
    mnuWeiteres->addSeparator();
    mnuPrgKronelin = eintrag(mnuWeiteres, "&Termineingabe starten....", "mnuPrgKronelin",
                             QKeySequence("Ctrl+E"));
    mnuWeiteres->addSeparator();
    mnuProgramme = mnuWeiteres->addMenu(T("&Zusätzliche Programme"));
    mnuProgramme->setObjectName(QStringLiteral("mnuProgramme"));
    for (int i = 0; i < static_cast<int>(mnuPrg.size()); ++i) {
        mnuPrg[i] = mnuProgramme->addAction(i == 0 ? QStringLiteral("&Kronelin...") : QString());
        mnuPrg[i]->setObjectName(QStringLiteral("mnuPrg(%1)").arg(i));
        // The package has no further programs: their rows stay out of sight.
        mnuPrg[i]->setVisible(i == 0);
        connect(mnuPrg[i], &QAction::triggered, this,
                Abgesichert([i] { ProgrammStarten(i); }, "mnuPrg_Click"));
    }

    PulHilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    PulHilfe->setObjectName(QStringLiteral("PulHilfe"));
    PulAnleitung = eintrag(PulHilfe, "&Anleitung...", "PulAnleitung");
    mnuTips = eintrag(PulHilfe, "&Tips...", "mnuTips");
    PulInfo = eintrag(PulHilfe, "&Info...", "PulInfo");
    PulHilfe->addSeparator();
    PulWerbung = eintrag(PulHilfe, "&Werbung...", "PulWerbung");
    mnuHlpWeb = PulHilfe->addMenu(QStringLiteral("Inter&net"));
    mnuHlpWeb->setObjectName(QStringLiteral("mnuHlpWeb"));
    mnuURLHomePage = eintrag(mnuHlpWeb, "&Homepage", "mnuURLHomePage");
    mnuURLUpdate = eintrag(mnuHlpWeb, "&Update (Infos und Download)", "mnuURLUpdate");

    Toolbar = addToolBar(QStringLiteral("Toolbar"));
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setMovable(false);
    const struct {
        const char* schluessel;
        const char* tip;
        QStyle::StandardPixmap bild;
    } knoepfe[] = {
        {"Ende", "Programm beenden", QStyle::SP_DialogCloseButton},
        {"Kronel", "Kronelin (Termin-Eingabe)", QStyle::SP_FileDialogDetailedView},
        {"Telefon", "Telefonnummer wählen", QStyle::SP_DriveNetIcon},
        {"Speichern", "Meldungen speichern", QStyle::SP_DialogSaveButton},
        {"Drucken", "Meldungen drucken", QStyle::SP_FileIcon},
    };
    for (const auto& k : knoepfe) {
        QAction* a = Toolbar->addAction(style()->standardIcon(k.bild), T(k.tip));
        a->setObjectName(T(k.schluessel));
        a->setToolTip(T(k.tip));
        const QString schluessel = T(k.schluessel);
        connect(a, &QAction::triggered, this,
                Abgesichert([this, schluessel] { Toolbar_ButtonClick(schluessel); },
                            "Toolbar_ButtonClick"));
    }

    auto* mitte = new QWidget;
    auto* spalte = new QVBoxLayout(mitte);
    auto* kopf = new QHBoxLayout;
    BildMond = new MondBild;
    BildMond->setVisible(false);  // until the moon is first drawn
    BezSonne = new QLabel(QStringLiteral("Sonne Auf/Unter"));
    BezSonne->setObjectName(QStringLiteral("BezSonne"));
    kopf->addWidget(BildMond);
    kopf->addWidget(BezSonne, 1);
    spalte->addLayout(kopf);
    Text = new QPlainTextEdit;
    Text->setObjectName(QStringLiteral("Text"));
    // The program writes the text; the user reads, selects and copies it.
    Text->setReadOnly(true);
    Text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont schrift(QStringLiteral("Courier New"));
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setPointSizeF(10);
    Text->setFont(schrift);
    Text->setPlainText(QStringLiteral("Bitte einen Moment Geduld..."));
    Text->viewport()->installEventFilter(this);
    Text->installEventFilter(this);
    spalte->addWidget(Text, 1);
    setCentralWidget(mitte);

    const StatusPanels panels = StatusPanelsAnlegen(*this);
    panelStatus = panels.status;
    panelDatum = panels.datum;
    panelZeit = panels.zeit;
    panelStatus->installEventFilter(this);

    Zeit = new QTimer(this);
    Zeit->setObjectName(QStringLiteral("Zeit"));
    Zeit->setInterval(1000);
    ZeitUhr = new QTimer(this);
    ZeitUhr->setObjectName(QStringLiteral("ZeitUhr"));
    ZeitUhr->setInterval(20000);

    fenster_ = std::make_unique<QtFenster>(this);
    schrift_ = std::make_unique<QtSchriftTraeger>(Text);
    programm_ = std::make_unique<Ausgabeprogramm>(*this, std::move(zufall));
    Ausgabeprogramm* p = programm_.get();

    connect(Zeit, &QTimer::timeout, this, Abgesichert([p] { p->Zeit_Timer(); }, "Zeit_Timer"));
    connect(ZeitUhr, &QTimer::timeout, this,
            Abgesichert([p] { p->ZeitUhr_Timer(); }, "ZeitUhr_Timer"));
    connect(PulSpeichern, &QAction::triggered, this,
            Abgesichert([p] { p->PulSpeichern_Click(); }, "PulSpeichern_Click"));
    connect(PulDrucken, &QAction::triggered, this,
            Abgesichert([p] { p->PulDrucken_Click(); }, "PulDrucken_Click"));
    connect(PulDruckerEinrichten, &QAction::triggered, this,
            Abgesichert([this] { PulDruckerEinrichten_Click(); }, "PulDruckerEinrichten_Click"));
    connect(PulEnde, &QAction::triggered, this,
            Abgesichert([p] { p->PulEnde_Click(); }, "PulEnde_Click"));
    connect(mnuPrgKronelin, &QAction::triggered, this,
            Abgesichert([p] { p->mnuPrgKronelin_Click(); }, "mnuPrgKronelin_Click"));
    connect(mnuWeiteres, &QMenu::aboutToShow, this,
            Abgesichert([this] { mnuWeiteres_Click(); }, "mnuWeiteres_Click"));
    connect(PulAnleitung, &QAction::triggered, this,
            Abgesichert([] { HilfeZeigen(QStringLiteral("Kronel.Hlp")); }, "PulAnleitung_Click"));
    connect(PulInfo, &QAction::triggered, this,
            Abgesichert([this] { PulInfo_Click(); }, "PulInfo_Click"));
    connect(mnuTeleWählen, &QAction::triggered, this,
            Abgesichert([this] { mnuTeleWählen_Click(); }, "mnuTeleWaehlen_Click"));
    BildMond->beiKlick = [p] {
        Absichern([p] { p->BildMond_Click(); }, QStringLiteral("BildMond_Click"));
    };
    AnschlussBauen = [] { return std::make_unique<QtSerielleSchnittstelle>(); };
    connect(mnuTips, &QAction::triggered, this,
            Abgesichert([this] { TipsZeigen(this); }, "mnuTips_Click"));
    connect(PulWerbung, &QAction::triggered, this, Abgesichert(WerbungZeigen, "PulWerbung_Click"));
    connect(
        mnuURLHomePage, &QAction::triggered, this,
        Abgesichert([] { InternetSeiteAufrufen(QStringLiteral("Home")); }, "mnuURLHomePage_Click"));
    connect(mnuURLUpdate, &QAction::triggered, this,
            Abgesichert([] { InternetSeiteAufrufen(QStringLiteral("Kronel32Info")); },
                        "mnuURLUpdate_Click"));
}

KronelFenster::~KronelFenster() = default;

bool KronelFenster::Form_Load() {
    bool weiter = true;
    Absichern([&] { weiter = programm_->Form_Load(); }, QStringLiteral("Form_Load"));
    BezSonne->setText({});
    return weiter && !programm_->Beendet();
}

void KronelFenster::Starten() {
    show();
    Zeit->start();
    ZeitUhr->start();
}

QAction* KronelFenster::Knopf(const QString& schluessel) const {
    for (QAction* a : Toolbar->actions()) {
        if (a->objectName() == schluessel) {
            return a;
        }
    }
    return nullptr;
}

void KronelFenster::Toolbar_ButtonClick(const QString& schluessel) {
    if (schluessel == QLatin1String("Ende")) {
        programm_->PulEnde_Click();
    } else if (schluessel == QLatin1String("Kronel")) {
        programm_->mnuPrgKronelin_Click();
    } else if (schluessel == QLatin1String("Telefon")) {
        mnuTeleWählen_Click();
    } else if (schluessel == QLatin1String("Speichern")) {
        programm_->PulSpeichern_Click();
    } else if (schluessel == QLatin1String("Drucken")) {
        programm_->PulDrucken_Click();
    }
}

void KronelFenster::mnuTeleWählen_Click() {
    const std::unique_ptr<SerielleSchnittstelle> port = AnschlussBauen();
    Telewahl telewahl(*port, this);
    telewahl.txtNummer->setText(programm_->TelefonNummer());
    telewahl.exec();
}

void KronelFenster::PulInfo_Click() {
    InfoZeigen();
    programm_->MondphaseBerechnen();
}

void KronelFenster::MondZeigen(int p, const QString& text) {
    BildMond->Zeigen(p, text);
}

void KronelFenster::SonneSetzen(const QString& text) {
    QString zeilen = text;
    zeilen.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    BezSonne->setText(zeilen);
}

void KronelFenster::showEvent(QShowEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            programm_->MondZeichnen = 1;
            QMainWindow::showEvent(e);
        },
        "KronelFenster_showEvent");
}

void KronelFenster::paintEvent(QPaintEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            // The window was painted: the next tick draws the moon again.
            programm_->MondZeichnen = 1;
            QMainWindow::paintEvent(e);
        },
        "KronelFenster_paintEvent");
}

void KronelFenster::PulDruckerEinrichten_Click() {
    if (drucker_ == nullptr) {
        return;
    }
    DruckereinrichtungZeigen(drucker_->qprinter(), this);
}

void KronelFenster::mnuWeiteres_Click() {
    QtPaketMenue menue({mnuPrg.begin(), mnuPrg.end()},
                       [this](const QString& t) { StatusSetzen(t); });
    ProgrammeSuchen(menue);
}

void KronelFenster::AusgabeSetzen(const QString& text) {
    QString fuerWidget = text;
    fuerWidget.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    fuerWidget.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Text->setPlainText(fuerWidget);
    QTextCursor anfang = Text->textCursor();
    anfang.movePosition(QTextCursor::Start);
    Text->setTextCursor(anfang);
}

void KronelFenster::Warten(double sekunden) {
    kronel::Warten(sekunden);
}

void KronelFenster::NachVorne() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void KronelFenster::StatusSetzen(const QString& text) {
    status_ = text;
    StatusUmbrechen();
    panelStatus->repaint();
}

QString KronelFenster::StatusText() const {
    return status_;
}

void KronelFenster::StatusUmbrechen() {
    // An "x" to spare, as a framed label indents by it; the status bar grows to the lines.
    const int breite = panelStatus->contentsRect().width() -
                       panelStatus->fontMetrics().horizontalAdvance(QLatin1Char('x'));
    panelStatus->setText(breite > 0 ? Umbrechen(status_, panelStatus->font(), breite) : status_);
}

void KronelFenster::DatumZeitSetzen(const QString& datum, const QString& zeit) {
    panelDatum->setText(datum);
    panelZeit->setText(zeit);
}

QString KronelFenster::AusgabeText() const {
    return ZeilenumbruecheVereinheitlichen(Text->toPlainText());
}

QString KronelFenster::Auswahl() const {
    return ZeilenumbruecheVereinheitlichen(Text->textCursor().selectedText());
}

void KronelFenster::NurLesenAnzeigen() {
    PulSpeichern->setEnabled(false);
    Knopf(QStringLiteral("Speichern"))->setEnabled(false);
    Knopf(QStringLiteral("Kronel"))->setEnabled(false);
    mnuPrgKronelin->setEnabled(false);
}

SchriftTraeger& KronelFenster::TextSchrift() {
    return *schrift_;
}

void KronelFenster::HintergrundSetzen(qint32 farbe) {
    QPalette p = Text->palette();
    p.setColor(QPalette::Base, FarbeAusWert(farbe));
    Text->setPalette(p);
}

FensterSteuerelement& KronelFenster::Fenster() {
    return *fenster_;
}

void KronelFenster::ProgrammEnde() {
    ende_ = true;
    Zeit->stop();
    ZeitUhr->stop();
    ProgrammBeenden(0);
}

void KronelFenster::closeEvent(QCloseEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            if (ende_) {
                e->accept();
                return;
            }
            // Whatever closes the window, the program ends through its stop sequence.
            e->ignore();
            Absichern([this] { programm_->PulEnde_Click(); }, QStringLiteral("Form_QueryUnload"));
        },
        "KronelFenster_closeEvent");
}

void KronelFenster::keyPressEvent(QKeyEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            if (e->key() == Qt::Key_Escape) {
                Absichern([this] { programm_->PulEnde_Click(); }, QStringLiteral("Form_KeyPress"));
                return;
            }
            QMainWindow::keyPressEvent(e);
        },
        "KronelFenster_keyPressEvent");
}

bool KronelFenster::eventFilter(QObject* objekt, QEvent* e) {
    return AbgesichertAusfuehren([&] { return Filtern(objekt, e); }, "KronelFenster_eventFilter",
                                 false);
}

bool KronelFenster::Filtern(QObject* objekt, QEvent* e) {
    if (objekt == panelStatus && e->type() == QEvent::Resize &&
        static_cast<QResizeEvent*>(e)->size().width() !=
            static_cast<QResizeEvent*>(e)->oldSize().width()) {
        StatusUmbrechen();
    }
    if (objekt == Text->viewport() && e->type() == QEvent::MouseButtonDblClick) {
        // The double click selects the word first, then hands it to the planner.
        Text->viewport()->removeEventFilter(this);
        QApplication::sendEvent(Text->viewport(), e);
        Text->viewport()->installEventFilter(this);
        Absichern([this] { programm_->mnuPrgKronelin_Click(); }, QStringLiteral("Text_DblClick"));
        return true;
    }
    if (objekt == Text && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        Absichern([this] { programm_->PulEnde_Click(); }, QStringLiteral("Form_KeyPress"));
        return true;
    }
    return QMainWindow::eventFilter(objekt, e);
}

std::unique_ptr<QWidget> KronelFensterBauen(ProgrammUmgebung& umgebung) {
    auto fenster = std::make_unique<KronelFenster>(&umgebung.drucker());
    if (!fenster->Form_Load()) {
        return nullptr;
    }
    fenster->Starten();
    return fenster;
}

}  // namespace kronel
