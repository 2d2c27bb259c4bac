#include "planner_dialogs/drucken.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>

#include "planner/druckquelle.h"
#include "planner/nebenfenster.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/uhr.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

QString Mehrzahl(int n, const char* wort, const char* endung) {
    return QString::fromUtf8(wort) + (n == 1 ? QString() : QString::fromUtf8(endung));
}

// Centres the window over its owner and keeps it on the screen.
void UeberBesitzerZentrieren(QWidget* w) {
    const QWidget* besitzer = w->parentWidget();
    if (besitzer == nullptr) {
        return;
    }
    const QRect b = besitzer->frameGeometry();
    QPoint p(b.x() + (b.width() - w->frameGeometry().width()) / 2,
             b.y() + (b.height() - w->frameGeometry().height()) / 2);
    if (const QScreen* s = w->screen()) {
        const QRect r = s->availableGeometry();
        p.setX(std::max(r.left(), std::min(p.x(), r.right() - w->frameGeometry().width())));
        p.setY(std::max(r.top(), std::min(p.y(), r.bottom() - w->frameGeometry().height())));
    }
    w->move(p);
}

}  // namespace

Drucken::~Drucken() {
    // Closing a shown window moves the focus out of the editable span box,
    // which reports its text as chosen: by then this window is half gone.
    KDruckenBis->disconnect(this);
}

Drucken::Drucken(QWidget* besitzer, NebenFenster& fenster, const DruckQuelle* quelle)
    : DruckDialog(besitzer), fenster_(fenster), quelle_(quelle) {
    setObjectName(QStringLiteral("Drucken"));
    setWindowTitle(QStringLiteral("Termin-Liste drucken"));

    Rahmen2 = Benannt(new QGroupBox(QStringLiteral("Druckbereich"), this), "Rahmen2");
    TDruckenAb = Benannt(new QLabel(Rahmen2), "TDruckenAb");
    BDruckenBis = Benannt(new QLabel(Rahmen2), "BDruckenBis");
    KDruckenBis = Benannt(new QComboBox(Rahmen2), "KDruckenBis");
    KombiFreitext(*KDruckenBis);
    for (QLabel* datum : {TDruckenAb, BDruckenBis}) {
        datum->setFrameShape(QFrame::Panel);
        datum->setFrameShadow(QFrame::Sunken);
        datum->setCursor(Qt::PointingHandCursor);
        datum->setToolTip(QStringLiteral("Klicken, um das Datum im Kalender zu wählen"));
        datum->installEventFilter(this);
    }
    auto* bereich = new QGridLayout(Rahmen2);
    bereich->addWidget(new QLabel(QStringLiteral("Drucken ab dem"), Rahmen2), 0, 0);
    bereich->addWidget(TDruckenAb, 0, 1);
    bereich->addWidget(new QLabel(QStringLiteral("Drucken bis zum"), Rahmen2), 1, 0);
    bereich->addWidget(BDruckenBis, 1, 1);
    bereich->addWidget(KDruckenBis, 1, 2);

    Rahmen1 = Benannt(new QGroupBox(QStringLiteral("Druckoptionen"), this), "Rahmen1");
    TDruckenMaxSeiten = regler("TDruckenMaxSeiten", 1, 5);
    TDruckenAnzahl = regler("TDruckenAnzahl", 1, 20);
    TDruckenRandLinks = regler("TDruckenRandLinks", 0, 20);
    TDruckenLeerzeilen = regler("TDruckenLeerzeilen", 0, 5);
    BezDruckenMaxSeiten =
        Benannt(new QLabel(QStringLiteral("oder max. 1 Seite"), Rahmen1), "BezDruckenMaxSeiten");
    BezDruckenAnzahl = Benannt(new QLabel(QStringLiteral("1 Kopie"), Rahmen1), "BezDruckenAnzahl");
    BezDruckenRandLinks =
        Benannt(new QLabel(QStringLiteral("0 mm linker Rand"), Rahmen1), "BezDruckenRandLinks");
    BezDruckenLeerzeilen =
        Benannt(new QLabel(QStringLiteral("1 Leerzeile für Notizen pro Tag"), Rahmen1),
                "BezDruckenLeerzeilen");
    ODruckenAlleTage =
        Benannt(new QCheckBox(QStringLiteral("auch Tage &ohne Termin drucken"), Rahmen1),
                "ODruckenAlleTage");
    auto* optionenLayout = new QGridLayout(Rahmen1);
    int zeile = 0;
    for (auto [bar, bez] : {std::pair{TDruckenMaxSeiten, BezDruckenMaxSeiten},
                            std::pair{TDruckenAnzahl, BezDruckenAnzahl},
                            std::pair{TDruckenRandLinks, BezDruckenRandLinks}}) {
        optionenLayout->addWidget(bar, zeile, 0);
        optionenLayout->addWidget(bez, zeile++, 1);
    }
    optionenLayout->addWidget(ODruckenAlleTage, zeile++, 0, 1, 2);
    optionenLayout->addWidget(TDruckenLeerzeilen, zeile, 0);
    optionenLayout->addWidget(BezDruckenLeerzeilen, zeile, 1);

    BefVorschau = Benannt(new QPushButton(QStringLiteral("&Vorschau"), this), "BefVorschau");
    befOk = Benannt(new QPushButton(QStringLiteral("&Drucken"), this), "befOk");
    BefAbbruch = Benannt(new QPushButton(QStringLiteral("&Abbrechen"), this), "BefAbbruch");
    befOk->setDefault(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BefVorschau);
    knoepfe->addStretch();
    knoepfe->addWidget(befOk);
    knoepfe->addWidget(BefAbbruch);

    Text = Benannt(new QPlainTextEdit(this), "Text");
    Text->setReadOnly(true);  // the preview takes no typing and no focus
    Text->setFocusPolicy(Qt::NoFocus);
    Text->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text->hide();

    auto* links = new QVBoxLayout;
    links->addWidget(Rahmen2);
    links->addWidget(Rahmen1);
    links->addStretch();
    links->addLayout(knoepfe);
    auto* ganz = new QHBoxLayout(this);
    ganz->addLayout(links);
    ganz->addWidget(Text, 1);

    Zeit = Benannt(new QTimer(this), "Zeit");
    Zeit->setInterval(10000);

    // Form_Load
    optionenZeigen(DruckOptionenLesen(uhr().heute()));
    Zeit_Timer();

    connect(Zeit, &QTimer::timeout, this,
            Abgesichert([this] { Zeit_Timer(); }, "Drucken_Zeit_Timer"));
    connect(KDruckenBis, &QComboBox::textActivated, this,
            Abgesichert(
                [this] {
                    Zeit_Timer();
                    Text->clear();
                },
                "Drucken_KDruckenBis_Click"));
    connect(ODruckenAlleTage, &QCheckBox::clicked, this,
            Abgesichert(
                [this] {
                    Liste.clear();
                    Zeit_Timer();
                    Text->clear();
                },
                "Drucken_ODruckenAlleTage_Click"));
    connect(TDruckenLeerzeilen, &QScrollBar::valueChanged, this,
            Abgesichert(
                [this](int n) {
                    Liste.clear();
                    Text->clear();
                    BezDruckenLeerzeilen->setText(QString::number(n) +
                                                  Mehrzahl(n, " Leerzeile", "n") +
                                                  QStringLiteral(" für Notizen pro Tag"));
                },
                "Drucken_TDruckenLeerzeilen_Change"));
    connect(TDruckenAnzahl, &QScrollBar::valueChanged, this,
            Abgesichert(
                [this](int n) {
                    BezDruckenAnzahl->setText(QString::number(n) + Mehrzahl(n, " Kopie", "n"));
                },
                "Drucken_TDruckenAnzahl_Change"));
    connect(TDruckenMaxSeiten, &QScrollBar::valueChanged, this,
            Abgesichert(
                [this](int n) {
                    BezDruckenMaxSeiten->setText(QStringLiteral("oder max. ") + QString::number(n) +
                                                 Mehrzahl(n, " Seite", "n"));
                },
                "Drucken_TDruckenMaxSeiten_Change"));
    connect(TDruckenRandLinks, &QScrollBar::valueChanged, this,
            Abgesichert(
                [this](int n) {
                    BezDruckenRandLinks->setText(QString::number(n) +
                                                 QStringLiteral(" mm linker Rand"));
                },
                "Drucken_TDruckenRandLinks_Change"));
    connect(befOk, &QPushButton::clicked, this,
            Abgesichert([this] { befOk_Click(); }, "Drucken_befOk_Click"));
    connect(BefVorschau, &QPushButton::clicked, this,
            Abgesichert([this] { BefVorschau_Click(); }, "Drucken_BefVorschau_Click"));
    connect(BefAbbruch, &QPushButton::clicked, this,
            Abgesichert([this] { BefAbbruch_Click(); }, "Drucken_BefAbbruch_Click"));
    // The labels show the stored values before the first change.
    for (QScrollBar* bar :
         {TDruckenMaxSeiten, TDruckenAnzahl, TDruckenRandLinks, TDruckenLeerzeilen}) {
        emit bar->valueChanged(bar->value());
    }
    Zeit->start();
}

QScrollBar* Drucken::regler(const char* name, int min, int max) {
    auto* bar = Benannt(new QScrollBar(Qt::Horizontal, Rahmen1), name);
    bar->setRange(min, max);
    bar->setPageStep(1);
    bar->setMinimumWidth(120);
    return bar;
}

void Drucken::optionenZeigen(const DruckListenOptionen& o) {
    TDruckenAb->setText(o.TDruckenAb);
    BDruckenBis->setText(o.BDruckenBis);
    TDruckenMaxSeiten->setValue(o.TDruckenMaxSeiten);
    TDruckenAnzahl->setValue(o.TDruckenAnzahl);
    TDruckenRandLinks->setValue(o.TDruckenRandLinks);
    TDruckenLeerzeilen->setValue(o.TDruckenLeerzeilen);
    ODruckenAlleTage->setChecked(o.ODruckenAlleTage);
    KDruckenBis->clear();
    KDruckenBis->addItems({QStringLiteral("1W"), QStringLiteral("2W"), QStringLiteral("3W"),
                           QStringLiteral("4W"), QStringLiteral("1M")});
    KDruckenBis->setEditText(o.KDruckenBis);
}

DruckListenOptionen Drucken::optionen() const {
    DruckListenOptionen o;
    o.TDruckenAb = TDruckenAb->text();
    o.BDruckenBis = BDruckenBis->text();
    o.KDruckenBis = KDruckenBis->currentText();
    o.TDruckenMaxSeiten = TDruckenMaxSeiten->value();
    o.TDruckenAnzahl = TDruckenAnzahl->value();
    o.TDruckenRandLinks = TDruckenRandLinks->value();
    o.TDruckenLeerzeilen = TDruckenLeerzeilen->value();
    o.ODruckenAlleTage = ODruckenAlleTage->isChecked();
    return o;
}

void Drucken::Zeit_Timer() {
    BDruckenBis->setText(DruckenBisBerechnen(TDruckenAb->text(), KDruckenBis->currentText()));
    const bool alle = ODruckenAlleTage->isChecked();
    TDruckenLeerzeilen->setEnabled(alle);
    QPalette p = BezDruckenLeerzeilen->palette();
    p.setColor(QPalette::WindowText, alle ? QColor(Qt::black) : QColor(128, 128, 128));
    BezDruckenLeerzeilen->setPalette(p);
}

void Drucken::DruckListeAufbauen() {
    SanduhrZeiger sanduhr;
    Zeit_Timer();
    const DruckListenOptionen o = optionen();
    DruckOptionenSchreiben(o);
    Liste = kronel::DruckListeAufbauen(
        DruckTermine(quelle_ ? quelle_->ListeTermine() : QStringList()), o);
}

void Drucken::bedienbar(bool an) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{Rahmen1, Rahmen2, BefVorschau, befOk, BefAbbruch}) {
        w->setEnabled(an);
    }
    if (an) {
        Zeit->start();
        Zeit_Timer();
    } else {
        Zeit->stop();
    }
}

void Drucken::befOk_Click() {
    if (!druckBeginnen()) {
        return;
    }
    bedienbar(false);
    befOk->setText(QStringLiteral("Moment..."));
    befOk->repaint();
    Zeit_Timer();
    const DruckListenOptionen o = optionen();
    const DruckTermine termine(quelle_ ? quelle_->ListeTermine() : QStringList());
    DruckRueckmeldung rueck;
    rueck.fortschritt = [this](const QString& titel) {
        befOk->setText(titel);
        befOk->repaint();
    };
    rueck.ereignisse = EreignisseZulassen;
    const bool fertig = DruckListeDrucken(
        termine, o,
        quelle_ ? quelle_->ListeAnzeigeSchrift() : SchriftWerte{QStringLiteral("Arial"), 10},
        rueck);
    Liste.clear();
    befOk->setText(QStringLiteral("&Drucken"));
    bedienbar(true);
    druckBeenden(fertig);
}

void Drucken::BefVorschau_Click() {
    if (druckt()) {
        return;
    }
    QtSchriftTraeger schrift(Text);
    schrift.schriftSetzen(VorschauSchrift(
        quelle_ ? quelle_->ListeAnzeigeSchrift() : SchriftWerte{QStringLiteral("Courier New"), 9}));
    QPalette p = Text->palette();
    p.setColor(QPalette::Base, Qt::white);
    Text->setPalette(p);
    // The pane comes in beside the options: the window doubles, or grows
    // further for the longest line, in one step below.
    int mindestens = width();
    if (Text->isHidden()) {
        mindestens = 2 * width();
        Text->show();
    }
    EreignisseZulassen();
    DruckListeAufbauen();
    const QString vorschau = DruckVorschauText(Liste);
    Text->setPlainText(QString(vorschau).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    VorschauVerbreitern(vorschau, mindestens);
}

// The window takes at least mindestens and grows until the pane's longest line
// shows whole, while it fits the screen; beyond that the scroll bar shows the
// rest.
void Drucken::VorschauVerbreitern(const QString& vorschau, int mindestens) {
    const QFontMetrics masse(Text->font());
    int zeile = 0;
    for (const QStringView z : QStringView(vorschau).split(QStringLiteral("\r\n"))) {
        zeile = std::max(zeile, masse.horizontalAdvance(z.toString()));
    }
    layout()->activate();
    const int noetig = zeile + 2 * static_cast<int>(Text->document()->documentMargin()) +
                       2 * Text->frameWidth() +
                       Text->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Text);
    int breite = std::max(mindestens, width() + noetig - Text->width());
    if (const QScreen* s = screen()) {
        const int rahmen = frameGeometry().width() - width();
        breite = std::min(breite, s->availableGeometry().width() - rahmen);
    }
    if (breite > width()) {
        resize(breite, height());
        UeberBesitzerZentrieren(this);
    }
}

void Drucken::BefAbbruch_Click() {
    if (druckt()) {
        return;
    }
    QDialog::reject();
}

void Drucken::TDruckenAb_Click() {
    if (druckt() || !fenster_.vorhanden(Fenstername::Monatsblatt)) {
        return;
    }
    const QDate ab = DatumLesen(TDruckenAb->text()).value_or(uhr().heute());
    const MonatsblattErgebnis e = fenster_.Monatsblatt({QStringLiteral("Drucken ab dem"), ab, {}});
    TDruckenAb->setText(DatumText(e.Calendar));
    Liste.clear();
    Text->clear();
    Zeit_Timer();
}

void Drucken::BDruckenBis_Click() {
    if (druckt() || !fenster_.vorhanden(Fenstername::Monatsblatt)) {
        return;
    }
    const QDate bis = DatumLesen(BDruckenBis->text()).value_or(uhr().heute());
    const MonatsblattErgebnis e =
        fenster_.Monatsblatt({QStringLiteral("Drucken bis zum"), bis, {}});
    BDruckenBis->setText(DatumText(e.Calendar));
    Liste.clear();
    KDruckenBis->setEditText(DruckenBisCode(TDruckenAb->text(), e.Calendar));
    Zeit_Timer();
}

bool Drucken::eventFilter(QObject* ziel, QEvent* e) {
    return AbgesichertAusfuehren(
        [&] {
            if (e->type() == QEvent::MouseButtonRelease) {
                if (ziel == TDruckenAb) {
                    Absichern([this] { TDruckenAb_Click(); },
                              QStringLiteral("Drucken_TDruckenAb_Click"));
                    return true;
                }
                if (ziel == BDruckenBis) {
                    Absichern([this] { BDruckenBis_Click(); },
                              QStringLiteral("Drucken_BDruckenBis_Click"));
                    return true;
                }
            }
            return QDialog::eventFilter(ziel, e);
        },
        "Drucken_eventFilter", false);
}

}  // namespace kronel
