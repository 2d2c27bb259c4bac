#include "planner_ui/main.h"
#include "planner_ui/titel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSessionManager>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <cmath>
#include <functional>
#include <variant>

#include "common/deutschetexte.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/fenster.h"
#include "common/hilfe.h"
#include "common/modul.h"
#include "common/paket.h"
#include "common/texte.h"
#include "planner/meldungseingabe.h"
#include "planner/zoomtext.h"
#include "planner_dialogs/fensterverzeichnis.h"
#include "planner_ui/statuszeile.h"
#include "planner_ui/symbole.h"
#include "platform/endesignale.h"
#include "platform/programmende.h"
#include "platform/text.h"
#include "platform/uhr.h"
#include "platform_qt/oberflaeche_qt.h"
#include "printing/qtdrucker.h"
#include "shared_ui/info.h"
#include "shared_ui/paketmenue.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

QString U(const char* s) {
    return QString::fromUtf8(s);
}

int Px(double twips) {
    return static_cast<int>(std::lround(twips / TwipsProPixel));
}

Rechteck Twips(const QRect& r) {
    return {r.x() * TwipsProPixel, r.y() * TwipsProPixel, r.width() * TwipsProPixel,
            r.height() * TwipsProPixel};
}

QRect Pixel(const Rechteck& r) {
    return {Px(r.links), Px(r.oben), Px(r.weite), Px(r.hoehe)};
}

// Widgets break lines with LF; the logic with CR LF.
QString AusWidget(const QString& text) {
    return ZeilenumbruecheVereinheitlichen(text);
}

QString InsWidget(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Every line is as wide as the list: a long one ends in "…" whatever line
// happens to be first (the uniform item size is taken from the first).
class ListenZeile final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    // After a failure the line is one line of text high.
    QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override {
        return AbgesichertAusfuehren(
            [&] { return QSize(1, QStyledItemDelegate::sizeHint(o, i).height()); },
            "ListenZeile_sizeHint", QSize(1, o.fontMetrics.height()));
    }
};

struct Knopf {
    const char* schluessel;
    const char* text;
    const char* tip;
};

// Left to right, as the toolbar shows them.
const Knopf kKnoepfe[] = {
    {"Ende", "Ende", "Speichern und Ende"},
    {"Speichern", "Speichern", "Termine speichern"},
    {"Drucken", "Drucken", "Termine drucken"},
    {"Ordne01", "Datum", "Chronologisch ordnen"},
    {"OrdneAZ", "A-Z", "Alphabetisch ordnen"},
    {"Suchen", "Suchen", "Termin suchen"},
    {"Freizeit", "Freizeit", "Termine/Freizeit suchen"},
    {"Notiz", "Notiz", "Notiz einfügen oder bearbeiten"},
    {"ListeNeu", "Neu", "Neuen Termin anlegen"},
    {"ListeKopieren", "Kopie", "Gewählten Termin kopieren"},
    {"ListeLöschen", "Löschen", "Gewählten Termin löschen"},
};

// The menu command behind a toolbar key, compared as exact text; empty for a
// key of no button.
QString ToolbarBefehl(const QString& schluessel) {
    if (schluessel == QStringLiteral("Ende")) {
        return modul().NurLesen ? QStringLiteral("PulBeenden")
                                : QStringLiteral("PulBeendenUndSpeichern");
    }
    if (schluessel == QStringLiteral("Drucken")) {
        return ListeIstLieblingsausdruck() ? QStringLiteral("PulDruckenListe")
                                           : QStringLiteral("mnuDruckenBlatt");
    }
    static const QMap<QString, QString> befehle{
        {QStringLiteral("Speichern"), QStringLiteral("PulSpeichern")},
        {QStringLiteral("Ordne01"), QStringLiteral("PulOrdneDatum")},
        {QStringLiteral("OrdneAZ"), QStringLiteral("PulOrdneMeldung")},
        {QStringLiteral("Suchen"), QStringLiteral("PulSuchen")},
        {QStringLiteral("Freizeit"), QStringLiteral("mnuFreizeit")},
        {QStringLiteral("Notiz"), QStringLiteral("PulNotizEinfg")},
        {QStringLiteral("ListeNeu"), QStringLiteral("PulEingeben")},
        {QStringLiteral("ListeKopieren"), QStringLiteral("PulKopieren")},
        {U("ListeLöschen"), QStringLiteral("PulAusschneiden")},
    };
    return befehle.value(schluessel);
}

}  // namespace

Main::Main(NebenFenster& fenster)
    : planer_(std::make_unique<Planer>(*this, fenster)), fenster_(fenster) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Kronelin"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(client);
    MenuesAnlegen();
    ToolbarAnlegen();
    BefehleAnlegen();
    StatusleisteAnlegen();
    FelderAnlegen();
    ListenbefehleVerbinden();
    EinfuegebefehleVerbinden();
    Zeit = new QTimer(this);
    Zeit->setObjectName(QStringLiteral("Zeit"));
    Zeit->setInterval(5000);
    connect(Zeit, &QTimer::timeout, this,
            Abgesichert([this] { planer_->ZeitTimer(); }, "Main_Zeit_Timer"));
    aussehen_ = ListenAussehenStandard();
    ListenAussehenZeigen();
    // Client 9255 x 6600 twips below the menu bar, the status bar included.
    resize(Px(9255), Px(6600) + menuBar()->sizeHint().height());
    MindestgroesseSetzen();
}

void Main::MindestgroesseSetzen() {
    // The bar lays its panels out only when asked: before the window is first
    // shown, its least width is known only so, and the window is placed at
    // the width it will show with.
    statusBar()->layout()->activate();
    // Below 8000 x 5500 twips the controls keep their places: a smaller window
    // would cut the editor off, as would one narrower than the editor's row or
    // than the panels of the status bar.
    setMinimumSize(std::max({Px(8000), 2 * Rahmen->x() + editorBreite_ + 8,
                             statusBar()->minimumSizeHint().width()}),
                   Px(5500));
}

Main::~Main() {
    // Going away hides the window, and a field losing the focus then may still
    // report (a combo box picks the choice its text names): none of it reaches
    // the planner, which is gone before the widgets.
    for (QObject* o : findChildren<QObject*>()) {
        o->removeEventFilter(this);
        o->disconnect(this);
    }
}

QAction* Main::Eintrag(QMenu* menue, const char* name, const char* text,
                       const QKeySequence& taste) {
    auto* a = menue->addAction(U(text));
    a->setObjectName(U(name));
    if (!taste.isEmpty()) {
        a->setShortcut(taste);
    }
    // Commands of other parts come with their windows.
    a->setEnabled(false);
    aktionen_.insert(U(name), a);
    return a;
}

void Main::MenuesAnlegen() {
    auto menue = [this](QMenu* oben, const char* name, const char* text) {
        QMenu* m = oben != nullptr ? oben->addMenu(U(text)) : menuBar()->addMenu(U(text));
        m->setObjectName(U(name));
        m->menuAction()->setObjectName(U(name));
        return m;
    };
    QMenu* datei = menue(nullptr, "PulDatei", "&Datei");
    Eintrag(datei, "PulSpeichern", "&Speichern", QKeySequence(Qt::CTRL | Qt::Key_S));
    QMenu* drucken = menue(datei, "PulDrucken", "&Drucken");
    Eintrag(drucken, "PulDruckenListe", "Termin-&Liste...", QKeySequence(Qt::CTRL | Qt::Key_P));
    Eintrag(drucken, "mnuDruckenBlatt", "Termin-Kalender&blatt...",
            QKeySequence(Qt::CTRL | Qt::Key_B));
    drucken->addSeparator();
    Eintrag(drucken, "mnuDurckerEinrichten", "D&ruckereinrichtung...", {});
    datei->addSeparator();
    Eintrag(datei, "PulBeenden", "&Beenden", {});
    Eintrag(datei, "PulBeendenUndSpeichern", "Speichern und Be&enden", QKeySequence(Qt::Key_F12));

    PulTermin = menue(nullptr, "PulTermin", "&Bearbeiten");
    Eintrag(PulTermin, "mnuUndo", "&Rückgängig", QKeySequence(Qt::CTRL | Qt::Key_Z));
    PulTermin->addSeparator();
    Eintrag(PulTermin, "PulEingeben", "Termin &neu erstellen", QKeySequence(Qt::CTRL | Qt::Key_N));
    Eintrag(PulTermin, "PulKopieren", "Termin &kopieren", QKeySequence(Qt::CTRL | Qt::Key_K));
    Eintrag(PulTermin, "PulAusschneiden", "Termin &löschen", QKeySequence(Qt::CTRL | Qt::Key_Y));
    PulTermin->addSeparator();
    Eintrag(PulTermin, "mnuTerminVorschauen", "Termin&vorschau...",
            QKeySequence(Qt::CTRL | Qt::Key_I));
    QMenu* einfuegen = menue(PulTermin, "PulEinfuegen", "&Einfügen");
    Eintrag(einfuegen, "PulFormelDiffEinfg", "&Datum-Differenz",
            QKeySequence(Qt::SHIFT | Qt::Key_F2));
    Eintrag(einfuegen, "PulFormelDiffAtEinfg", "D&atum-Differenz in Arbeitstagen", {});
    Eintrag(einfuegen, "mnuZyklusZählerEing", "&ZyklusZähler", {});
    QMenu* vorgaben = menue(einfuegen, "mnuVorgaben", "&Vorgaben");
    Eintrag(vorgaben, "mnuWizardGeb", "&Geburtstag mit Altersangabe", {});
    einfuegen->addSeparator();
    Eintrag(einfuegen, "PulNotizEinfg", "&Notiz...", QKeySequence(Qt::CTRL | Qt::Key_F3));
    Eintrag(einfuegen, "PulSonderzeichenEinfg", "&Sonderzeichen...", {});
    Eintrag(einfuegen, "PulPrgStartEinfg", "Meldung führt &Programm aus...", {});
    QMenu* importieren = menue(PulTermin, "mnuImportieren", "&Importieren");
    Eintrag(importieren, "mnuImpGeb", "&Geburtstage von Solmika...", {});
    QMenu* austausch = menue(PulTermin, "mnuTaustausch", "Terminaus&tausch");
    Eintrag(austausch, "mnuTaustauschSave", "Termin speichern...", {});
    Eintrag(austausch, "mnuTaustauschLoad", "Termin(e) laden...", {});

    QMenu* suchen = menue(nullptr, "PulSuchenMenue", "&Suchen");
    Eintrag(suchen, "PulSuchen", "&Text suchen...", QKeySequence(Qt::CTRL | Qt::Key_F));
    Eintrag(suchen, "PulSuchenWdhg", "Suche &wiederholen", QKeySequence(Qt::Key_F3));
    suchen->addSeparator();
    Eintrag(suchen, "mnuFreizeit", "Termin&suche...", QKeySequence(Qt::Key_F4));

    QMenu* weiteres = menue(nullptr, "mnuWeiteres", "&Weiteres");
    Eintrag(weiteres, "PulSetup", "&Einstellungen...", {});
    QMenu* ordnen = menue(weiteres, "PulOrdnen", "&Ordnen nach");
    Eintrag(ordnen, "PulOrdneDatum", "&Datum", QKeySequence(Qt::CTRL | Qt::Key_F4));
    Eintrag(ordnen, "PulOrdneMeldung", "&Meldung", {});
    Eintrag(weiteres, "PulAbgelaufeneZeigen", "Abge&laufene Termine...", {});
    weiteres->addSeparator();
    Eintrag(weiteres, "PulGoKronel", "&Terminausgabe starten....", {});
    QMenu* programme = menue(weiteres, "mnuProgramme", "&Zusätzliche Programme");
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "mnuPrg(" + QByteArray::number(i) + ")";
        // Row 0 is the planner; the package has no further programs here.
        QAction* a = Eintrag(programme, name.constData(), i == 0 ? "&Kronel..." : "", {});
        a->setVisible(i == 0);
    }

    QMenu* hilfe = menue(nullptr, "PulHilfe", "&Hilfe");
    connect(Eintrag(hilfe, "PulAnleitung", "&Anleitung...", {}), &QAction::triggered, this,
            Abgesichert([] { HilfeZeigen(QStringLiteral("Kronel.Hlp")); }, "Main"));
    connect(Eintrag(hilfe, "mnuTips", "&Tips...", {}), &QAction::triggered, this,
            Abgesichert([this] { Ausfuehren(&Planer::Main_mnuTips_Click); }, "Main"));
    connect(Eintrag(hilfe, "PulInfo", "&Info...", {}), &QAction::triggered, this,
            Abgesichert(InfoZeigen, "Main"));
    connect(Eintrag(hilfe, "PulWerbung", "&Werbung...", {}), &QAction::triggered, this,
            Abgesichert(WerbungZeigen, "Main"));
    QMenu* netz = menue(hilfe, "mnuInternet", "Inter&net");
    connect(Eintrag(netz, "mnuURLHomePage", "&Homepage", {}), &QAction::triggered, this,
            Abgesichert([] { InternetSeiteAufrufen(QStringLiteral("Home")); }, "Main"));
    connect(Eintrag(netz, "mnuURLUpdate", "&Update (Infos und Download)", {}), &QAction::triggered,
            this,
            Abgesichert([] { InternetSeiteAufrufen(QStringLiteral("Kronel32Info")); }, "Main"));
    hilfe->addSeparator();
    Eintrag(hilfe, "mnuRuvano", "Ruvano", {});  // switched off for good

    // Save (no command of its own), end and end with saving.
    BefehleVerbinden({{"PulSpeichern", nullptr},
                      {"PulBeenden", &Planer::PulBeenden},
                      {"PulBeendenUndSpeichern", &Planer::PulBeendenUndSpeichern}});
    for (const char* frei :
         {"PulAnleitung", "PulInfo", "PulWerbung", "mnuURLHomePage", "mnuURLUpdate"}) {
        aktionen_[U(frei)]->setEnabled(true);
    }
    aktionen_[QStringLiteral("mnuTips")]->setEnabled(fenster_.vorhanden(Fenstername::Tips));
}

void Main::Ausfuehren(void (Planer::*befehl)()) {
    if (befehl == nullptr) {
        (void)planer_->PulSpeichern();
    } else {
        (planer_.get()->*befehl)();
    }
}

void Main::BefehleVerbinden(std::initializer_list<Befehl> befehle) {
    for (const Befehl& b : befehle) {
        QAction* a = aktionen_[U(b.name)];
        connect(a, &QAction::triggered, this,
                Abgesichert([this, f = b.ausfuehren] { Ausfuehren(f); }, "Main"));
        const auto* fenster = std::get_if<Fenstername>(&b.frei);
        a->setEnabled(fenster != nullptr ? fenster_.vorhanden(*fenster) : std::get<bool>(b.frei));
    }
}

void Main::BefehleAnlegen() {
    // A command is offered once the window it shows exists; mnuRuvano stays
    // switched off as the design has it.
    BefehleVerbinden({
        {"PulDruckenListe", &Planer::Main_PulDruckenListe_Click, Fenstername::Drucken},
        {"mnuDruckenBlatt", &Planer::Main_mnuDruckenBlatt_Click, Fenstername::DruckenBlatt},
        {"mnuDurckerEinrichten", &Planer::Main_mnuDurckerEinrichten_Click,
         Fenstername::Druckereinrichtung},
        {"PulSuchen", &Planer::Main_PulSuchen_Click, Fenstername::Suchen},
        {"PulSuchenWdhg", &Planer::Main_PulSuchenWdhg_Click, Fenstername::Suchen},
        {"PulSetup", &Planer::Main_PulSetup_Click, Fenstername::Setup},
        {"PulGoKronel", &Planer::Main_PulGoKronel_Click},
        {"mnuRuvano", &Planer::Main_mnuRuvano_Click, false},
    });

    // The package submenu is brought up to date each time "&Weiteres" opens.
    QList<QAction*> programme;
    for (int i = 0; i < PaketZeilen; ++i) {
        QAction* a = aktionen_[QStringLiteral("mnuPrg(%1)").arg(i)];
        programme << a;
        connect(a, &QAction::triggered, this,
                Abgesichert([i] { ProgrammStarten(i); }, "Main_mnuPrg_Click"));
    }
    auto* weiteres = menuBar()->findChild<QMenu*>(QStringLiteral("mnuWeiteres"));
    connect(weiteres, &QMenu::aboutToShow, this,
            Abgesichert(
                [this, programme] {
                    QtPaketMenue menue(programme,
                                       [this](const QString& t) { PanelSetzen(Panel::Status, t); });
                    ProgrammeSuchen(menue);
                },
                "Main_mnuWeiteres_Click"));

    // Each toolbar button is offered while its menu command is.
    for (const Knopf& k : kKnoepfe) {
        const QString schluessel = U(k.schluessel);
        QAction* knopf = aktionen_[schluessel];
        if (schluessel == QStringLiteral("Ende")) {
            knopf->setEnabled(true);
            continue;
        }
        if (schluessel == QStringLiteral("Drucken")) {
            for (const char* name : {"PulDruckenListe", "mnuDruckenBlatt"}) {
                connect(aktionen_[U(name)], &QAction::enabledChanged, this,
                        Abgesichert([this] { DruckenFreigeben(); }, "Main_Toolbar_Drucken"));
            }
            DruckenFreigeben();
            continue;
        }
        QAction* befehl = Aktion(ToolbarBefehl(schluessel));
        knopf->setEnabled(befehl->isEnabled());
        connect(befehl, &QAction::enabledChanged, knopf, &QAction::setEnabled);
    }
}

void Main::DruckenFreigeben() {
    const QAction* befehl = Aktion(ToolbarBefehl(QStringLiteral("Drucken")));
    aktionen_[QStringLiteral("Drucken")]->setEnabled(befehl->isEnabled());
}

void Main::ToolbarAnlegen() {
    Toolbar = new QToolBar(centralWidget());
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    // Pictures with tooltips: every key fits the design width.
    Toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar->setIconSize(QSize(24, 24));
    Toolbar->setMovable(false);
    for (const Knopf& k : kKnoepfe) {
        const QString schluessel = U(k.schluessel);
        QAction* a = Toolbar->addAction(ToolbarSymbol(schluessel), U(k.text));
        a->setObjectName(schluessel);
        a->setToolTip(U(k.tip));
        connect(a, &QAction::triggered, this,
                Abgesichert([this, schluessel] { Main_Toolbar_ButtonClick(schluessel); },
                            "Main_Toolbar_ButtonClick"));
        aktionen_.insert(schluessel, a);
    }
}

void Main::ListenbefehleVerbinden() {
    // Undo is enabled from the first edit of the selected record on. The side
    // windows of the hand-overs come with their part of the planner; the
    // toolbar buttons follow their menu commands.
    BefehleVerbinden({
        {"mnuUndo", &Planer::Main_mnuUndo_Click, false},
        {"PulEingeben", &Planer::Main_PulEingeben_Click},
        {"PulKopieren", &Planer::Main_PulKopieren_Click},
        {"PulAusschneiden", &Planer::Main_PulAusschneiden_Click},
        {"mnuFreizeit", &Planer::Main_mnuFreizeit_Click, Fenstername::Freizeit},
        {"PulOrdneDatum", &Planer::Main_PulOrdneDatum_Click},
        {"PulOrdneMeldung", &Planer::Main_PulOrdneMeldung_Click},
        {"PulAbgelaufeneZeigen", &Planer::Main_PulAbgelaufeneZeigen_Click, Fenstername::Altes},
        {"mnuTaustauschSave", &Planer::Main_mnuTaustauschSave_Click, Fenstername::Dateiwahl},
        {"mnuTaustauschLoad", &Planer::Main_mnuTaustauschLoad_Click, Fenstername::Dateiwahl},
        {"mnuImpGeb", &Planer::Main_mnuImpGeb_Click, Fenstername::ImpGeb},
    });
    connect(PulTermin, &QMenu::aboutToShow, this,
            Abgesichert([this] { planer_->Main_PulTermin_Click(); }, "Main_PulTermin_Click"));
}

void Main::EinfuegebefehleVerbinden() {
    // The windows come with their part of the planner; the toolbar key
    // "Notiz" follows its command.
    BefehleVerbinden({
        {"mnuTerminVorschauen", &Planer::Main_mnuTerminVorschauen_Click},
        {"PulFormelDiffEinfg", &Planer::Main_PulFormelDiffEinfg_Click},
        {"PulFormelDiffAtEinfg", &Planer::Main_PulFormelDiffAtEinfg_Click},
        {"mnuZyklusZählerEing", &Planer::Main_mnuZyklusZaehlerEing_Click},
        {"mnuWizardGeb", &Planer::Main_mnuWizardGeb_Click},
        {"PulNotizEinfg", &Planer::Main_PulNotizEinfg_Click, Fenstername::Notizen},
        {"PulSonderzeichenEinfg", &Planer::Main_PulSonderzeichenEinfg_Click,
         Fenstername::Sonderzeichen},
        {"PulPrgStartEinfg", &Planer::Main_PulPrgStartEinfg_Click, Fenstername::StdDialog},
    });
    connect(ListeAnzeige, &QListWidget::itemDoubleClicked, this,
            Abgesichert([this] { Ausfuehren(&Planer::Main_mnuTerminVorschauen_Click); },
                        "Main_ListeAnzeige_DblClick"));
}

void Main::MeldungEinfuegen(const QString& text) {
    // Fitted before it goes in, as a paste is, and undoable like one.
    STMeldung->Einfuegen(InsWidget(text));
    QtTextfeld(STMeldung).fokusSetzen();
}

void Main::MeldungErsetzen(const QString& text) {
    QTextCursor c = STMeldung->textCursor();
    c.select(QTextCursor::Document);
    c.insertText(InsWidget(text));
    STMeldung->setTextCursor(c);
    QtTextfeld(STMeldung).fokusSetzen();
}

QString Main::ListenSchrift() const {
    return SchriftAlsText(QtSchriftTraeger(ListeAnzeige));
}

void Main::UndoSchalten(bool an) {
    aktionen_[QStringLiteral("mnuUndo")]->setEnabled(an);
}

void Main::AllesMarkieren(Feld f) {
    if (f == Feld::STDatum) {
        STDatum->selectAll();
    } else if (f == Feld::STMeldung) {
        STMeldung->selectAll();
    }
}

void Main::Main_Toolbar_ButtonClick(const QString& schluessel) {
    // The button runs its menu command, so a command that is switched off
    // (read-only, or its window not built) does nothing here either.
    if (QAction* befehl = Aktion(ToolbarBefehl(schluessel))) {
        befehl->trigger();
    }
}

void Main::StatusleisteAnlegen() {
    const Panel reihe[] = {Panel::Status, Panel::Position, Panel::Unsaved, Panel::Datum,
                           Panel::Zeit};
    const std::vector<QLabel*> labels = kronel::StatusleisteAnlegen(
        *this,
        {{PanelSchluessel(Panel::Status), U("Status"), U("Allgemeiner Hinweis"), true},
         {PanelSchluessel(Panel::Position), U(" Termin 888 von 888 "),
          U("Position innerhalb der Terminliste")},
         {PanelSchluessel(Panel::Unsaved), U(" * "), U("* für nicht gespeichert")},
         {PanelSchluessel(Panel::Datum), {}, U("Aktuelles Datum")},
         {PanelSchluessel(Panel::Zeit), {}, U("Aktuelle Uhrzeit")}},
        true);
    for (size_t i = 0; i < labels.size(); ++i) {
        panels_.insert(reihe[i], labels[i]);
    }
    // The panels beside the prompts keep the width of the widest text they can
    // show: a growing count, the unsaved mark, a longer weekday or month never
    // narrows the prompt panel nor widens the window, and the window's least
    // width is known before it is placed.
    auto festeBreite = [](QLabel* l, const QStringList& texte) {
        // The widest text by its advance; only that one is laid out.
        const QFontMetrics masse(l->font());
        const auto breitester =
            std::max_element(texte.begin(), texte.end(), [&](const QString& a, const QString& b) {
                return masse.horizontalAdvance(a) < masse.horizontalAdvance(b);
            });
        const QString text = l->text();
        l->setText(*breitester);
        const int breite = l->sizeHint().width();
        l->setText(text);
        l->setFixedWidth(breite);
    };
    QStringList tage;
    const QDate neujahr(uhr().heute().year(), 1, 1);
    for (QDate d = neujahr; d.year() == neujahr.year(); d = d.addDays(1)) {
        tage << DatumPanelText(d);
    }
    QStringList zeiten;
    for (int minute = 0; minute < 24 * 60; ++minute) {
        zeiten << ZeitPanelText(QTime(minute / 60, minute % 60));
    }
    festeBreite(panels_.value(Panel::Position), {panels_.value(Panel::Position)->text()});
    festeBreite(panels_.value(Panel::Unsaved), {panels_.value(Panel::Unsaved)->text()});
    festeBreite(panels_.value(Panel::Datum), tage);
    festeBreite(panels_.value(Panel::Zeit), zeiten);
    statusZeilen_ = new StatusZeilen(panels_.value(Panel::Status), FeldHinweise(), [this] {
        MindestgroesseSetzen();
        Main_Form_Resize();
    });
}

QComboBox* Main::Kombi(const char* name, int laenge) {
    auto* k = new QComboBox(Rahmen);
    k->setObjectName(U(name));
    KombiFreitext(*k);
    k->setMaxVisibleItems(16);
    if (laenge > 0) {
        EinzeiligEinpassen(k->lineEdit(), laenge);
    }
    k->installEventFilter(this);
    k->lineEdit()->installEventFilter(this);
    return k;
}

void Main::FelderAnlegen() {
    QWidget* client = centralWidget();
    ListeAnzeige = new QListWidget(client);
    ListeAnzeige->setObjectName(QStringLiteral("ListeAnzeige"));
    ListeAnzeige->setUniformItemSizes(true);
    ListeAnzeige->setItemDelegate(new ListenZeile(ListeAnzeige));
    ListeAnzeige->setTextElideMode(Qt::ElideRight);
    ListeAnzeige->setSelectionMode(QAbstractItemView::SingleSelection);
    ListeAnzeige->setGeometry(Pixel({120, 600, 9015, 2220}));
    connect(ListeAnzeige, &QListWidget::currentRowChanged, this,
            Abgesichert([this](int zeile) { planer_->ListeAnzeigeClick(zeile); },
                        "Main_ListeAnzeige_Click"));

    Rahmen = new QFrame(client);
    Rahmen->setObjectName(QStringLiteral("Rahmen"));
    Rahmen->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Rahmen->setGeometry(Pixel({120, 3840, 9015, 2415}));

    const char* bezeichnungen[] = {"Datum",     "melden ab", "melden bis",
                                   "melden an", "Zyklus",    "Filter"};
    for (int i = 0; i < 6; ++i) {
        auto* l = new QLabel(U(bezeichnungen[i]), Rahmen);
        l->setObjectName(QStringLiteral("Bezeichnung(%1)").arg(i));
        Bezeichnung[static_cast<size_t>(i)] = l;
    }

    STDatum = new QLineEdit(Rahmen);
    STDatum->setObjectName(QStringLiteral("STDatum"));
    EinzeiligEinpassen(STDatum, 10);
    STDatum->installEventFilter(this);
    connect(STDatum, &QLineEdit::textEdited, this,
            Abgesichert([this] { planer_->DatumGeaendert(); }, "Main_STDatum_Change"));

    SKVon = Kombi("SKVon", 4);
    SKBis = Kombi("SKBis", 4);
    SKAdresse = Kombi("SKAdresse", 0);
    SKZyklus = Kombi("SKZyklus", 4);
    SKFilter = Kombi("SKFilter", 0);

    // The commit modes of the combo boxes: typing in SKVon and SKZyklus keeps the
    // typed text, the others show the stored form as soon as the edit is done
    // (the record takes it at once).
    const std::pair<QComboBox*, int> modi[] = {
        {SKVon, 0}, {SKBis, 1}, {SKFilter, 1}, {SKZyklus, 0}, {SKAdresse, 1}};
    for (const auto& [kombi, modus] : modi) {
        connect(kombi->lineEdit(), &QLineEdit::textEdited, this,
                Abgesichert(
                    [this, m = modus] {
                        planer_->Uebernehmen(0);
                        if (m == 1) {
                            GespeichertZeigenLassen();
                        }
                    },
                    "Main_SK_KeyUp"));
        connect(kombi, &QComboBox::activated, this,
                Abgesichert([this] { planer_->Uebernehmen(1); }, "Main_SK_Click"));
    }

    SBVon = new QLabel(Rahmen);
    SBVon->setObjectName(QStringLiteral("SBVon"));
    SBBis = new QLabel(Rahmen);
    SBBis->setObjectName(QStringLiteral("SBBis"));
    for (QLabel* l : {SBVon, SBBis}) {
        l->setAutoFillBackground(true);
        l->installEventFilter(this);
        l->setText(QStringLiteral("01.01.2000"));
    }
    BezIn = new QLabel(QStringLiteral("in 3 Tagen"), Rahmen);
    BezIn->setObjectName(QStringLiteral("BezIn"));

    STMeldung = new MeldungsFeld(Rahmen);
    STMeldung->setObjectName(QStringLiteral("STMeldung"));
    STMeldung->MaxLength = MeldungHoechstlaenge;
    STMeldung->setGeometry(Pixel({120, 1320, 8775, 975}));
    STMeldung->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    STMeldung->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    STMeldung->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab walks on as in every field; a tab character never reaches the record.
    STMeldung->setTabChangesFocus(true);
    STMeldung->installEventFilter(this);
    connect(STMeldung, &QPlainTextEdit::textChanged, this,
            Abgesichert([this] { MeldungGeaendert(); }, "Main_STMeldung_KeyUp"));

    bezZoomMeldung = new QLabel(QStringLiteral("zoom"), Rahmen);
    bezZoomMeldung->setObjectName(QStringLiteral("bezZoomMeldung"));
    bezZoomMeldung->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    bezZoomMeldung->setCursor(Qt::PointingHandCursor);
    bezZoomMeldung->setToolTip(QStringLiteral("Meldung im großen Fenster bearbeiten (Strg+F2)"));
    bezZoomMeldung->setEnabled(fenster_.vorhanden(Fenstername::ZoomText));
    bezZoomMeldung->installEventFilter(this);
    ZoomBeschriftungSetzen();

    setTabOrder(ListeAnzeige, STDatum);
    setTabOrder(STDatum, SKVon);
    setTabOrder(SKVon, SKBis);
    setTabOrder(SKBis, SKAdresse);
    setTabOrder(SKAdresse, SKZyklus);
    setTabOrder(SKZyklus, SKFilter);
    setTabOrder(SKFilter, STMeldung);
    FelderAnordnen();
}

void Main::FelderAnordnen() {
    // Each column is as wide as its longest label and its content need in the
    // fonts in force; BezIn takes the room under the last three columns.
    const QFontMetrics bez(Bezeichnung[0]->font());
    const QFontMetrics feld(STDatum->font());
    QStyleOptionComboBox o;
    o.initFrom(SKVon);
    o.editable = true;
    const QRect eingabe = SKVon->style()->subControlRect(QStyle::CC_ComboBox, &o,
                                                         QStyle::SC_ComboBoxEditField, SKVon);
    const int knopf = std::max(0, SKVon->width() - eingabe.width()) + 6;
    auto laengste = [&](const QString& vorn, const char* art) {
        int w = 0;
        for (int tag = 1; tag <= 7; ++tag) {
            w = std::max(w, bez.horizontalAdvance(vorn + TagMonatName(tag, U(art))));
        }
        return w;
    };
    const int zeichen = feld.averageCharWidth();
    const int datum = feld.horizontalAdvance(QStringLiteral("00.00.0000")) + 12;
    const int breite[] = {
        std::max(laengste(U("Am "), "wt"), datum),
        std::max({laengste(U("melden ab "), "wt2"), datum, 4 * zeichen + knopf}),
        std::max({laengste(U("melden bis "), "wt2"), datum, 4 * zeichen + knopf}),
        std::max(bez.horizontalAdvance(U("melden an")), 7 * zeichen + knopf),
        std::max(bez.horizontalAdvance(U("Zyklus")), 4 * zeichen + knopf),
        std::max(bez.horizontalAdvance(U("Filter")), 10 * zeichen + knopf),
    };
    QWidget* felder[] = {STDatum, SKVon, SKBis, SKAdresse, SKZyklus, SKFilter};
    const int hoehe = std::max(24, STDatum->sizeHint().height());
    const int zeile = bez.height() + 2;
    int x = 8;
    for (int i = 0; i < 6; ++i) {
        Bezeichnung[static_cast<size_t>(i)]->setGeometry(x, 8, breite[i], zeile);
        felder[i]->setGeometry(x, 8 + zeile + 2, breite[i], hoehe);
        if (i == 1 || i == 2) {
            (i == 1 ? SBVon : SBBis)->setGeometry(x, 8 + zeile + hoehe + 6, breite[i], zeile);
        }
        x += breite[i] + 6;
    }
    editorBreite_ = x;
    const int bezInX = SKAdresse->x();
    BezIn->setGeometry(bezInX, SBVon->y(), Rahmen->width() - bezInX - 8,
                       2 * QFontMetrics(BezIn->font()).lineSpacing() + 2);
}

void Main::MeldungGeaendert() {
    const QString text = STMeldung->toPlainText();
    if (MeldungEinpassen(meldungVorher_, text, MeldungHoechstlaenge).text != text) {
        // Never rewritten inside the field's own edit (Qt is still working on
        // its document); the record waits for the mended text.
        if (!meldungNachbessern_) {
            meldungNachbessern_ = true;
            QTimer::singleShot(
                0, this, Abgesichert([this] { MeldungNachbessern(); }, "Main_STMeldung_KeyUp"));
        }
        return;
    }
    if (text != meldungVorher_) {
        meldungVorher_ = text;
        planer_->Uebernehmen(0);
    }
}

void Main::MeldungNachbessern() {
    meldungNachbessern_ = false;
    const QString text = STMeldung->toPlainText();
    const MeldungsEingabe e = MeldungEinpassen(meldungVorher_, text, MeldungHoechstlaenge);
    if (e.text != text) {
        const QSignalBlocker sperre(STMeldung);
        STMeldung->setPlainText(e.text);
        QTextCursor c = STMeldung->textCursor();
        c.setPosition(e.cursor);
        STMeldung->setTextCursor(c);
    }
    if (e.gekuerzt) {
        QApplication::beep();
    }
    if (e.text != meldungVorher_) {
        meldungVorher_ = e.text;
        planer_->Uebernehmen(0);
    }
}

void Main::GespeichertZeigenLassen() {
    if (!gespeichertZeigen_) {
        gespeichertZeigen_ = true;
        QTimer::singleShot(0, this, Abgesichert([this] { GespeichertZeigen(); }, "Main_SK_KeyUp"));
    }
}

void Main::GespeichertZeigen() {
    if (gespeichertZeigen_) {
        gespeichertZeigen_ = false;
        planer_->GespeichertZeigen();
    }
}

void Main::FokusSetzen(Feld f) {
    QWidget* ziel = STMeldung;
    switch (f) {
        case Feld::STDatum:
            ziel = STDatum;
            break;
        case Feld::SKVon:
            ziel = SKVon;
            break;
        case Feld::SKBis:
            ziel = SKBis;
            break;
        case Feld::SKFilter:
            ziel = SKFilter;
            break;
        case Feld::SKZyklus:
            ziel = SKZyklus;
            break;
        case Feld::SKAdresse:
            ziel = SKAdresse;
            break;
        case Feld::STMeldung:
            break;
    }
    ziel->setFocus();
}

void Main::ZoomBeschriftungSetzen() {
    // Right-aligned above the message field's right end, in the gap below BezIn.
    const QRect m = STMeldung->geometry();
    bezZoomMeldung->setGeometry(m.right() - 59, m.top() - 18, 60, 16);
}

std::pair<int, int> Main::MeldungAuswahl() const {
    const QtTextfeld feld(STMeldung);
    const QString text = STMeldung->toPlainText();
    const auto start = SatzPosition(text, feld.auswahlStart());
    const auto ende = SatzPosition(text, feld.auswahlStart() + feld.auswahlLaenge());
    return {static_cast<int>(start), static_cast<int>(ende - start)};
}

SchriftWerte Main::MeldungSchrift() const {
    return QtSchriftTraeger(STMeldung).schrift();
}

QAction* Main::Aktion(const QString& name) const {
    return aktionen_.value(name, nullptr);
}

bool Main::Starten() {
    bool weiter = false;
    Absichern([&] { weiter = planer_->FormLoad(); }, QStringLiteral("Main_Form_Load"));
    return weiter && !planer_->Beendet();
}

bool Main::eventFilter(QObject* ziel, QEvent* e) {
    return AbgesichertAusfuehren([&] { return Filtern(ziel, e); }, "Main_eventFilter", false);
}

bool Main::Filtern(QObject* ziel, QEvent* e) {
    auto* feld = qobject_cast<QWidget*>(ziel);
    // The line edit inside a combo box counts as the combo box.
    if (feld != nullptr && qobject_cast<QComboBox*>(feld->parentWidget()) != nullptr) {
        feld = feld->parentWidget();
    }
    auto* kombi = qobject_cast<QComboBox*>(feld);
    switch (e->type()) {
        case QEvent::ShortcutOverride: {
            // Menu shortcuts win over the fields' own key bindings.
            const QKeySequence taste(static_cast<QKeyEvent*>(e)->keyCombination());
            for (QAction* a : std::as_const(aktionen_)) {
                if (a->isEnabled() && a->shortcut() == taste) {
                    e->ignore();
                    return true;
                }
            }
            break;
        }
        case QEvent::MouseButtonDblClick:
            if (ziel == STDatum) {
                Absichern([this] { planer_->DatumWaehlen(); },
                          QStringLiteral("Main_STDatum_DblClick"));
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (ziel == bezZoomMeldung && bezZoomMeldung->isEnabled()) {
                Absichern([this] { planer_->Main_bezZoomMeldung_Click(); },
                          QStringLiteral("Main_bezZoomMeldung_Click"));
                return true;
            }
            if (ziel == SBVon || ziel == SBBis) {
                const bool von = ziel == SBVon;
                Absichern([this, von] { planer_->FensterWaehlen(von); },
                          QStringLiteral("Main_SB_Click"));
                return true;
            }
            break;
        case QEvent::Wheel:
            if (kombi != nullptr) {
                return true;  // the wheel never changes a choice
            }
            break;
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(e);
            const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
            if (enter && (feld == STDatum || kombi != nullptr)) {
                focusNextChild();
                return true;
            }
            if (ziel == STMeldung && k->key() == Qt::Key_T &&
                k->modifiers() == Qt::ControlModifier) {
                MeldungEinfuegen(QLatin1Char('\n') + QString(80, QLatin1Char('-')) +
                                 QLatin1Char('\n'));
                return true;
            }
            if (ziel == STMeldung && k->key() == Qt::Key_F2 &&
                k->modifiers() == Qt::ControlModifier) {
                // The key goes on to the field after the editor is closed.
                Absichern([this] { planer_->Main_bezZoomMeldung_Click(); },
                          QStringLiteral("Main_STMeldung_KeyDown"));
            }
            break;
        }
        case QEvent::KeyRelease:
            if (kombi != nullptr) {
                GespeichertZeigen();
            }
            break;
        case QEvent::FocusIn: {
            if (ziel != feld && kombi == nullptr) {
                break;
            }
            Feld f = Feld::STMeldung;
            if (feld == STDatum) {
                f = Feld::STDatum;
            } else if (feld == SKVon) {
                f = Feld::SKVon;
            } else if (feld == SKBis) {
                f = Feld::SKBis;
            } else if (feld == SKFilter) {
                f = Feld::SKFilter;
            } else if (feld == SKZyklus) {
                f = Feld::SKZyklus;
            } else if (feld == SKAdresse) {
                f = Feld::SKAdresse;
            } else if (feld != STMeldung) {
                break;
            }
            if (ziel != feld) {
                break;  // the combo box itself reports its focus
            }
            const bool frei = planer_->FeldBetreten(f);
            if (!frei) {
                QTimer::singleShot(
                    0, ListeAnzeige,
                    Abgesichert([this] { ListeAnzeige->setFocus(); }, "Main_Feld_GotFocus"));
                break;
            }
            // Only Tab and Shift+Tab select the whole text. A click leaves the
            // caret where it went; a closing menu, a returning window or an
            // insertion gives the focus back to the text as it was left, and
            // the commands that select for the user say so themselves.
            const auto grund = static_cast<QFocusEvent*>(e)->reason();
            if (grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason) {
                AllesMarkieren(f);
            }
            break;
        }
        case QEvent::FocusOut: {
            if (ziel != feld) {
                break;
            }
            const auto grund = static_cast<QFocusEvent*>(e)->reason();
            if (feld == STDatum) {
                // A box or another program taking the focus is no leaving.
                if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason ||
                    prueftDatum_) {
                    break;
                }
                prueftDatum_ = true;
                Absichern([this] { planer_->DatumVerlassen(); },
                          QStringLiteral("Main_STDatum_LostFocus"));
                prueftDatum_ = false;
            } else if (kombi != nullptr || feld == STMeldung) {
                planer_->FeldVerlassen();
            }
            break;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(ziel, e);
}

void Main::closeEvent(QCloseEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            if (!planer_->Beendet()) {
                Absichern([this] { planer_->FormQueryUnload(); },
                          QStringLiteral("Main_Form_QueryUnload"));
            }
            if (planer_->Beendet()) {
                e->accept();
            } else {
                e->ignore();
            }
        },
        "Main_closeEvent");
}

void Main::showEvent(QShowEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QMainWindow::showEvent(e);
            if (erstGezeigt_) {
                planer_->FormPaint();
                return;
            }
            erstGezeigt_ = true;
            QTimer::singleShot(0, this,
                               Abgesichert([this] { planer_->ErsterPaint(); }, "Main_Form_Paint"));
        },
        "Main_showEvent");
}

void Main::resizeEvent(QResizeEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QMainWindow::resizeEvent(e);
            Main_Form_Resize();
        },
        "Main_resizeEvent");
}

Anordnung Main::AnordnungJetzt() const {
    Anordnung a;
    QtFenster f(const_cast<Main*>(this));
    a.fenster = f.masse();
    a.clientHoehe = (centralWidget()->height() + statusBar()->height()) * TwipsProPixel;
    a.liste = Twips(ListeAnzeige->geometry());
    a.rahmen = Twips(Rahmen->geometry());
    a.meldung = Twips(STMeldung->geometry());
    a.statusleiste = statusBar()->height() * TwipsProPixel;
    return a;
}

void Main::AnordnungSetzen(const Anordnung& a) {
    ListeAnzeige->setGeometry(Pixel(a.liste));
    Rahmen->setGeometry(Pixel(a.rahmen));
    STMeldung->setGeometry(Pixel(a.meldung));
    ZoomBeschriftungSetzen();
    Toolbar->setGeometry(0, 0, centralWidget()->width(), Toolbar->sizeHint().height());
}

void Main::Main_Form_Resize() {
    if (ordnet_ || isMinimized()) {
        return;
    }
    ordnet_ = true;
    const Anordnung jetzt = AnordnungJetzt();
    const Anordnung neu =
        AnordnungBerechnen(jetzt, bildschirm().weite(), bildschirm().hoehe(), isMaximized());
    if (!isMaximized()) {
        const FensterMasse& m = neu.fenster;
        const FensterMasse& v = jetzt.fenster;
        QtFenster f(this);
        if (m.weite != v.weite || m.hoehe != v.hoehe) {
            f.masseSetzen(m);
        } else if (m.links != v.links || m.oben != v.oben) {
            f.verschieben(m.links, m.oben);  // back onto the screen, the size as it is
        }
        AnordnungSetzen(neu);
    } else {
        Toolbar->setGeometry(0, 0, centralWidget()->width(), Toolbar->sizeHint().height());
    }
    ordnet_ = false;
}

void Main::NurLesenAnpassen() {
    setWindowTitle(windowTitle() + QStringLiteral(" - nur Leserechte"));
    aktionen_[QStringLiteral("PulSpeichern")]->setEnabled(false);
    aktionen_[QStringLiteral("PulBeendenUndSpeichern")]->setEnabled(false);
    PulTermin->menuAction()->setVisible(false);
    // A hidden menu keeps its shortcuts working; hidden commands stay off even
    // when a later refresh enables them.
    std::function<void(QMenu*)> abschalten = [&](QMenu* m) {
        for (QAction* a : m->actions()) {
            if (a->menu() != nullptr) {
                abschalten(a->menu());
            }
            a->setEnabled(false);
            a->setVisible(false);
        }
    };
    abschalten(PulTermin);
    for (const char* k : {"Speichern", "ListeNeu", "ListeKopieren", "ListeLöschen", "Notiz"}) {
        aktionen_[U(k)]->setEnabled(false);
    }
    aktionen_[QStringLiteral("Ende")]->setToolTip(QStringLiteral("Beendet das Programm"));
}

void Main::ListenAussehenZeigen() {
    QtSchriftTraeger liste(ListeAnzeige);
    liste.schriftSetzen(aussehen_.schrift);
    (void)liste.farbeSetzen(aussehen_.vordergrund);
    QPalette p = ListeAnzeige->palette();
    p.setColor(QPalette::Base, FarbeAusWert(aussehen_.hintergrund));
    ListeAnzeige->setPalette(p);
    const QString schrift = SchriftAlsText(liste);
    const QColor hinten = FarbeAusWert(aussehen_.hintergrund);
    QWidget* felder[] = {STDatum,  SKVon,    SKBis,     SBVon,    SBBis,
                         SKFilter, SKZyklus, SKAdresse, STMeldung};
    for (QWidget* w : felder) {
        QtSchriftTraeger t(w);
        SchriftSetzen(t, schrift,
                      w == STMeldung ? QStringLiteral("Alles") : QStringLiteral("Farben"));
        QPalette fp = w->palette();
        fp.setColor(QPalette::Base, hinten);
        fp.setColor(QPalette::Window, hinten);
        w->setPalette(fp);
    }
    FelderAnordnen();
}

void Main::EinstellungenAnwenden() {
    QtFenster f(this);
    FensterPositionLesen(f, QStringLiteral("Kronelin"));
    aktionen_[QStringLiteral("Drucken")]->setToolTip(DruckenTooltip());
    DruckenFreigeben();
    aussehen_ = ListenAussehenLesen(aussehen_);
    ListenAussehenZeigen();
}

void Main::EinstellungenSpeichern() {
    if (modul().NurLesen) {
        return;
    }
    ListenAussehenSchreiben(aussehen_);
    FensterPositionSpeichern(QtFenster(this), QStringLiteral("Kronelin"), PositionsText::Ganzzahl);
    QString adressen;
    for (const QString& station : KombiEintraege(*SKAdresse)) {
        adressen += station + QLatin1Char('|');
    }
    (void)IniSchreiben({}, {}, QStringLiteral("DefAdress"), adressen);
}

void Main::AuswahlFuellen(Auswahl liste, const QStringList& worte) {
    auto fuellen = [&](QComboBox* k) {
        const QSignalBlocker sperre(k);
        const QString text = k->currentText();
        k->clear();
        k->addItems(worte);
        k->setEditText(text);
    };
    switch (liste) {
        case Auswahl::VonBis:
            fuellen(SKVon);
            fuellen(SKBis);
            break;
        case Auswahl::Zyklen:
            fuellen(SKZyklus);
            break;
        case Auswahl::Filter:
            fuellen(SKFilter);
            break;
        case Auswahl::Adress:
            fuellen(SKAdresse);
            break;
    }
}

QStringList Main::AuswahlEintraege(Auswahl liste) const {
    const QComboBox* k = liste == Auswahl::VonBis   ? SKVon
                         : liste == Auswahl::Zyklen ? SKZyklus
                         : liste == Auswahl::Filter ? SKFilter
                                                    : SKAdresse;
    return KombiEintraege(*k);
}

void Main::AussehenSetzen(const ListenAussehen& a) {
    aussehen_ = a;
    ListenAussehenZeigen();
}

TerminFelder Main::FelderLesen() const {
    TerminFelder f;
    f.STDatum = STDatum->text();
    f.SKVon = SKVon->currentText();
    f.SKBis = SKBis->currentText();
    f.SKFilter = SKFilter->currentText();
    f.SKZyklus = SKZyklus->currentText();
    f.SKAdresse = SKAdresse->currentText();
    f.STMeldung = AusWidget(STMeldung->toPlainText());
    return f;
}

void Main::FelderSetzen(const TerminFelder& felder) {
    auto text = [](QLineEdit* e, const QString& t) {
        if (e->text() == t) {
            return;
        }
        const QSignalBlocker sperre(e);
        const int pos = e->cursorPosition();
        e->setText(t);
        if (e->hasFocus()) {
            e->setCursorPosition(std::min(pos, static_cast<int>(t.size())));
        }
    };
    text(STDatum, felder.STDatum);
    for (const auto& [k, t] :
         {std::pair{SKVon, felder.SKVon}, std::pair{SKBis, felder.SKBis},
          std::pair{SKFilter, felder.SKFilter}, std::pair{SKZyklus, felder.SKZyklus},
          std::pair{SKAdresse, felder.SKAdresse}}) {
        const QSignalBlocker sperre(k);
        text(k->lineEdit(), t);
    }
    const QString meldung = InsWidget(felder.STMeldung);
    if (STMeldung->toPlainText() != meldung) {
        const QSignalBlocker sperre(STMeldung);
        STMeldung->setPlainText(meldung);
    }
    meldungVorher_ = meldung;
}

void Main::DatumSetzen(const QString& text) {
    const QSignalBlocker sperre(STDatum);
    STDatum->setText(text);
}

void Main::PanelSetzen(Panel p, const QString& text) {
    QLabel* l = panels_.value(p);
    if (p == Panel::Status) {
        if (statusZeilen_->Setzen(text) && isVisible()) {
            l->repaint();
        }
        return;
    }
    if (l != nullptr && l->text() != text) {
        l->setText(text);
    }
}

TerminBeschriftung Main::Beschriftung() const {
    return {Bezeichnung[0]->text(), SBVon->text(),
            Bezeichnung[1]->text(), SBBis->text(),
            Bezeichnung[2]->text(), BezIn->text().replace(QLatin1Char('\n'), QLatin1Char('\r'))};
}

void Main::BeschriftungSetzen(const TerminBeschriftung& b) {
    auto setzen = [](QLabel* l, const QString& t) {
        if (l->text() != t) {
            l->setText(t);
        }
    };
    setzen(Bezeichnung[0], b.bezeichnung0);
    setzen(SBVon, b.SBVon);
    setzen(Bezeichnung[1], b.bezeichnung1);
    setzen(SBBis, b.SBBis);
    setzen(Bezeichnung[2], b.bezeichnung2);
    setzen(BezIn, QString(b.BezIn).replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void Main::ListeAbgleichen(const QStringList& zeilen, qsizetype index) {
    const QSignalBlocker sperre(ListeAnzeige);
    if (ListeAnzeige->count() != zeilen.size()) {
        ListeAnzeige->clear();
        ListeAnzeige->addItems(zeilen);
    } else {
        for (int i = 0; i < ListeAnzeige->count(); ++i) {
            QListWidgetItem* item = ListeAnzeige->item(i);
            if (item->text() != zeilen[i]) {
                item->setText(zeilen[i]);
            }
        }
    }
    if (index >= 0 && index < ListeAnzeige->count() && ListeAnzeige->currentRow() != index) {
        ListeAnzeige->setCurrentRow(static_cast<int>(index));
    }
}

void Main::ZeitSchalten(bool an) {
    if (an) {
        Zeit->start();
    } else {
        Zeit->stop();
    }
}

void Main::EreignisseZulassen() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Main::ProgrammEnde() {
    ProgrammBeenden(0);
}

std::unique_ptr<QWidget> PlanerFensterBauen(ProgrammUmgebung& umgebung) {
    FensterVerzeichnis& verzeichnis = umgebung.behalten(std::make_unique<FensterVerzeichnis>());
    // The side windows are registered before Main exists; they read its book
    // only while shown.
    Main*& haupt = umgebung.behalten(std::make_unique<Main*>(nullptr));
    PlanerFensterEintragen(verzeichnis, umgebung.drucker().qprinter(),
                           [&haupt]() -> const Terminbuch& { return haupt->planer().buch; });
    std::unique_ptr<Main> fenster;
    bool gestartet = false;
    // Kept for the run: the signal watch outlives this function.
    bool& startLaeuft = umgebung.behalten(std::make_unique<bool>(false));
    bool& signalWartet = umgebung.behalten(std::make_unique<bool>(false));
    // The title shows Main in its first tick and goes after Main's start-up.
    TitelAblaufen([&](Qt::WindowStates zustand) {
        fenster = std::make_unique<Main>(verzeichnis);
        Main* f = fenster.get();
        haupt = f;
        verzeichnis.besitzerSetzen(f);
        NachVorneBeiAktivierung(f);
        // The session may end without a close event: the book is saved all the same.
        QObject::connect(qApp, &QGuiApplication::commitDataRequest, f,
                         Abgesichert([f] { f->planer().SitzungsEnde(); }, "Main_SitzungsEnde"));
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, f,
                         Abgesichert([f] { f->planer().PulBeenden(); }, "Main_PulBeenden_Click"));
        // kill, Ctrl+C and a closing session still sign the user off. A signal
        // that comes while the start-up runs (its loads let events in) waits
        // for its end: only then is the book loaded, and so saved. A start-up
        // waiting for an answer (a locked settings file) would hold the signal
        // for ever, so it waits a moment only; a book still loading is then
        // not saved.
        auto* signalHalt = new QTimer(f);
        signalHalt->setObjectName(QStringLiteral("Main_SignalHalt"));
        signalHalt->setSingleShot(true);
        signalHalt->setInterval(300);
        QObject::connect(signalHalt, &QTimer::timeout, f,
                         Abgesichert(
                             [f, &signalWartet] {
                                 if (signalWartet) {
                                     signalWartet = false;
                                     f->planer().SignalEnde();
                                 }
                             },
                             "Main_Signal"));
        EndeSignaleAbfangen(f, Abgesichert(
                                   [f, signalHalt, &signalWartet, &startLaeuft] {
                                       if (startLaeuft) {
                                           signalWartet = true;
                                           signalHalt->start();
                                       } else {
                                           f->planer().SignalEnde();
                                       }
                                   },
                                   "Main_Signal"));
        startLaeuft = true;
        const bool gestartetOk = f->Starten();
        startLaeuft = false;
        if (!gestartetOk || ProgrammBeendet()) {
            return;
        }
        if (signalWartet) {
            signalWartet = false;
            QTimer::singleShot(0, f, Abgesichert([f] { f->planer().SignalEnde(); }, "Main_Signal"));
        }
        gestartet = true;
        // Added to the state the stored size gave: a window that ended
        // maximized starts maximized, minimized as well when started so.
        f->setWindowState(f->windowState() | zustand);
        f->show();
    });
    if (!gestartet || ProgrammBeendet()) {
        return nullptr;
    }
    return fenster;
}

}  // namespace kronel
