#include "planner_dialogs/monatsblatt.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <string_view>

#include "common/kalender.h"
#include "planner/monatsblatt.h"
#include "planner_dialogs/fensterverzeichnis.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/uhr.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

QDate Heute() {
    return uhr().jetzt().date();
}

}  // namespace

Monatsblatt::Monatsblatt(QWidget* besitzer) : QDialog(besitzer) {
    setObjectName(QStringLiteral("Monatsblatt"));
    setWindowTitle(QStringLiteral("Monatsblatt"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Calendar = new QCalendarWidget(this);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setLocale(QLocale(QLocale::German, QLocale::Germany));
    Calendar->setFirstDayOfWeek(Qt::Monday);
    Calendar->setGridVisible(true);
    Calendar->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    // Our keys act once: the calendar's view sees them only after us.
    for (QWidget* w : Calendar->findChildren<QWidget*>()) {
        w->installEventFilter(this);
    }
    Calendar->installEventFilter(this);

    const char* beschriftung[] = {"&Heute", "88.88.8888", "Mona&t", "&Monat", "Jah&r", "&Jahr"};
    const QIcon links = style()->standardIcon(QStyle::SP_ArrowLeft);
    const QIcon rechts = style()->standardIcon(QStyle::SP_ArrowRight);
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(beschriftung[i]), this);
        b->setObjectName(QStringLiteral("befSwitch(%1)").arg(i));
        b->setAutoDefault(false);
        if (i >= 2) {
            b->setIcon(i % 2 == 0 ? links : rechts);
            if (i % 2 == 1) {
                b->setLayoutDirection(Qt::RightToLeft);  // the triangle after the word
            }
        }
        connect(b, &QPushButton::clicked, this,
                Abgesichert([this, i] { befSwitch_Click(i); }, "Monatsblatt_befSwitch_Click"));
        befSwitch[static_cast<size_t>(i)] = b;
    }
    befOk = new QPushButton(QStringLiteral("&Ok"), this);
    befOk->setObjectName(QStringLiteral("befOk"));
    befOk->setAutoDefault(false);
    connect(befOk, &QPushButton::clicked, this,
            Abgesichert([this] { befOk_Click(); }, "Monatsblatt_befOk_Click"));

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    const std::pair<const char*, const char*> panels[] = {{"Datum", ""},
                                                          {"KW", "Kalenderwoche"},
                                                          {"vor", "Differenz zu heute"},
                                                          {"Feiertag", "Hinweis"}};
    for (const auto& [schluessel, tip] : panels) {
        auto* l = new QLabel(StatusBar);
        l->setObjectName(QString::fromLatin1(schluessel));
        l->setToolTip(QString::fromUtf8(tip));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const bool feiertag = std::string_view(schluessel) == "Feiertag";
        if (feiertag) {
            FeiertagPlatzSchaffen(l);
        }
        StatusBar->addWidget(l, feiertag ? 1 : 0);
    }
    // Room for the panels' sunken frames.
    StatusBar->setMinimumHeight(StatusBar->sizeHint().height() + 4);

    auto* knoepfe = new QGridLayout;
    knoepfe->addWidget(befSwitch[2], 0, 0);
    knoepfe->addWidget(befSwitch[0], 0, 1);
    knoepfe->addWidget(befSwitch[3], 0, 2);
    knoepfe->addWidget(befSwitch[4], 1, 0);
    knoepfe->addWidget(befSwitch[1], 1, 1);
    knoepfe->addWidget(befSwitch[5], 1, 2);
    knoepfe->addWidget(befOk, 0, 3, 2, 1);
    befOk->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(6, 6, 6, 2);
    aussen->addWidget(Calendar, 1);
    aussen->addLayout(knoepfe);
    aussen->addWidget(StatusBar);

    TimerRefresh = new QTimer(this);
    TimerRefresh->setObjectName(QStringLiteral("TimerRefresh"));
    TimerRefresh->setInterval(333);
    connect(TimerRefresh, &QTimer::timeout, this,
            Abgesichert([this] { TimerRefresh_Timer(); }, "Monatsblatt_TimerRefresh_Timer"));
    TimerRefresh->start();
    // A pick on the sheet is described at once.
    connect(Calendar, &QCalendarWidget::clicked, this,
            Abgesichert([this] { TimerRefresh->start(1); }, "Monatsblatt_Calendar_Click"));
    connect(Calendar, &QCalendarWidget::selectionChanged, this,
            Abgesichert([this] { TimerRefresh->start(1); }, "Monatsblatt_Calendar_Click"));
    connect(Calendar, &QCalendarWidget::activated, this,
            Abgesichert([this] { befOk_Click(); }, "Monatsblatt_Calendar_DblClick"));
}

// Every holiday name of the file fits the panel whole (the user may write
// long ones): on one line up to half the screen's width, a longer one broken
// into lines at that width, the panel as high as the longest needs.
void Monatsblatt::FeiertagPlatzSchaffen(QLabel* panel) {
    QStringList namen = FeiertagNamen();
    namen << QStringLiteral("Heiligabend");
    int breite = 0;
    for (const QString& name : std::as_const(namen)) {
        panel->setText(name);
        breite = std::max(breite, panel->sizeHint().width());
    }
    if (const QScreen* s = screen(); s != nullptr && breite > s->availableGeometry().width() / 2) {
        breite = s->availableGeometry().width() / 2;
        panel->setWordWrap(true);
        int hoehe = 0;
        for (const QString& name : std::as_const(namen)) {
            panel->setText(name);
            hoehe = std::max(hoehe, panel->heightForWidth(breite));
        }
        panel->setMinimumHeight(hoehe);
    }
    panel->clear();
    panel->setMinimumWidth(breite);
}

void Monatsblatt::Vorbereiten(const MonatsblattAnfrage& anfrage) {
    setWindowTitle(anfrage.Caption);
    if (anfrage.Calendar.isValid()) {
        const QSignalBlocker still(Calendar);  // no pick of the user's
        Calendar->setSelectedDate(anfrage.Calendar);
    }
    if (!anfrage.befSwitch1.isEmpty()) {
        befSwitch[1]->setText(anfrage.befSwitch1);
    }
    // The panels describe the day before the first tick, and the status bar
    // lays them out at once (it does so only when asked): the window opens at
    // the size it keeps, centred over its owner, instead of growing to the
    // right when it is shown.
    PanelsZeigen();
    StatusBar->layout()->activate();
    // The caller's question stands whole in the title bar, beside the window
    // manager's icon and buttons.
    QFont fett = font();
    fett.setBold(true);
    const int titel =
        QFontMetrics(fett).horizontalAdvance(anfrage.Caption) + 6 * fontMetrics().height();
    resize(sizeHint().expandedTo(QSize(titel, 0)));
}

QLabel* Monatsblatt::panel(const char* schluessel) const {
    return StatusBar->findChild<QLabel*>(QString::fromLatin1(schluessel));
}

void Monatsblatt::befOk_Click() {
    befSwitch[1]->setText(MonatsblattPlatzhalter());
    hide();
    done(QDialog::Accepted);
}

void Monatsblatt::befSwitch_Click(int index) {
    if (const auto d =
            MonatsblattSchalter(index, Calendar->selectedDate(), Heute(), befSwitch[1]->text())) {
        Calendar->setSelectedDate(*d);
    }
    Calendar->setFocus();
}

void Monatsblatt::TimerRefresh_Timer() {
    TimerRefresh->setInterval(1000);
    QPushButton* feld = befSwitch[1];
    if (feld->text() == MonatsblattPlatzhalter()) {
        feld->setVisible(false);
    } else {
        feld->setEnabled(true);
    }
    const QDate gehalten = MonatsblattJahrHalten(Calendar->selectedDate());
    if (gehalten != Calendar->selectedDate()) {
        const QSignalBlocker still(Calendar);
        Calendar->setSelectedDate(gehalten);
    }
    PanelsZeigen();
}

void Monatsblatt::PanelsZeigen() {
    const MonatsblattPanels p = MonatsblattPanelsBilden(Calendar->selectedDate(), Heute());
    panel("Datum")->setText(p.Datum);
    panel("KW")->setText(p.KW);
    panel("vor")->setText(p.vor);
    panel("Feiertag")->setText(p.Feiertag);
}

bool Monatsblatt::eventFilter(QObject* ziel, QEvent* e) {
    return AbgesichertAusfuehren(
        [&] {
            if (e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride) {
                auto* k = static_cast<QKeyEvent*>(e);
                const Qt::KeyboardModifiers mod = k->modifiers() & ~Qt::KeypadModifier;
                const auto d = MonatsblattTaste(k->key(), mod == Qt::ControlModifier,
                                                (mod & ~Qt::ControlModifier) != 0,
                                                Calendar->selectedDate(), Heute());
                if (d) {
                    if (e->type() == QEvent::KeyPress) {
                        Calendar->setSelectedDate(*d);
                    }
                    e->accept();
                    return true;
                }
            }
            return QDialog::eventFilter(ziel, e);
        },
        "Monatsblatt_eventFilter", false);
}

void Monatsblatt::closeEvent(QCloseEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            // The close box confirms the day shown.
            befOk_Click();
            e->accept();
        },
        "Monatsblatt_closeEvent");
}

void Monatsblatt::reject() {
    AbgesichertAusfuehren([&] { befOk_Click(); }, "Monatsblatt_reject");
}

void Monatsblatt::showEvent(QShowEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QDialog::showEvent(e);
            Calendar->setFocus();
        },
        "Monatsblatt_showEvent");
}

MonatsblattErgebnis MonatsblattZeigen(QWidget* besitzer, const MonatsblattAnfrage& anfrage) {
    Monatsblatt blatt(besitzer);
    blatt.Vorbereiten(anfrage);
    (void)blatt.exec();
    return MonatsblattErgebnis{blatt.Calendar->selectedDate()};
}

void MonatsblattEintragen(FensterVerzeichnis& fenster) {
    fenster.anzeigen.Monatsblatt = MonatsblattZeigen;
}

}  // namespace kronel
