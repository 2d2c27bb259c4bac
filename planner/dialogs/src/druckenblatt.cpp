#include "planner_dialogs/druckenblatt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "common/hilfe.h"
#include "common/listen.h"
#include "planner/druckquelle.h"
#include "planner/nebenfenster.h"
#include "platform/datum.h"
#include "platform/uhr.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

QComboBox* Groessen(QWidget* eltern, const char* name, int groesse) {
    auto* k = Benannt(new QComboBox(eltern), name);
    for (int i = 3; i <= 12; ++i) {
        k->addItem(QString::number(i));
    }
    k->setCurrentIndex(groesse - 3);
    return k;
}

constexpr int HilfeKontext = 231;

}  // namespace

DruckenBlatt::DruckenBlatt(QWidget* besitzer, NebenFenster& fenster, const DruckQuelle* quelle)
    : DruckDialog(besitzer), fenster_(fenster), quelle_(quelle) {
    setObjectName(QStringLiteral("DruckenBlatt"));
    setWindowTitle(QStringLiteral("Kalenderblatt drucken"));
    const BlattOptionen o = BlattOptionenLesen(uhr().heute());

    Frame1 = Benannt(new QGroupBox(QStringLiteral("Druck-Filter"), this), "Frame1");
    kombiAdresse = Benannt(new QComboBox(Frame1), "kombiAdresse");
    KombiFreitext(*kombiAdresse);
    QtListe stationen(kombiAdresse);
    TextInListe(stationen, (quelle_ ? quelle_->Stationen() : QStringList()).join(QLatin1Char(';')) +
                               QLatin1Char(';'));
    kombiAdresse->setEditText(o.kombiAdresse);
    strgNoData =
        Benannt(new QCheckBox(QStringLiteral("&Keine Termine drucken"), Frame1), "strgNoData");
    auto* bezeichnung =
        Benannt(new QLabel(QStringLiteral("&Meldungen für"), Frame1), "Bezeichnung");
    bezeichnung->setBuddy(kombiAdresse);
    auto* filter = new QGridLayout(Frame1);
    filter->addWidget(bezeichnung, 0, 0);
    filter->addWidget(kombiAdresse, 0, 1);
    filter->addWidget(strgNoData, 1, 0, 1, 2);

    Rahmen1 = Benannt(new QGroupBox(QStringLiteral("Druck-Optionen"), this), "Rahmen1");
    TDruckenAnzahl = Benannt(new QScrollBar(Qt::Horizontal, Rahmen1), "TDruckenAnzahl");
    TDruckenAnzahl->setRange(1, 20);
    TDruckenAnzahl->setPageStep(1);
    TDruckenAnzahl->setMinimumWidth(120);
    BezDruckenAnzahl = Benannt(new QLabel(QStringLiteral("1 Kopie"), Rahmen1), "BezDruckenAnzahl");
    strgPrnSW =
        Benannt(new QCheckBox(QStringLiteral("Drucken in &Schwarz/Weiß"), Rahmen1), "strgPrnSW");
    kombiFontSize0 = Groessen(Rahmen1, "kombiFontSize(0)", o.GroesseDatum);
    kombiFontSize1 = Groessen(Rahmen1, "kombiFontSize(1)", o.GroesseText);
    strgPrnQuer =
        Benannt(new QCheckBox(QStringLiteral("Drucken im &Querformat"), Rahmen1), "strgPrnQuer");
    auto* optionenLayout = new QGridLayout(Rahmen1);
    optionenLayout->addWidget(TDruckenAnzahl, 0, 0);
    optionenLayout->addWidget(BezDruckenAnzahl, 0, 1);
    optionenLayout->addWidget(strgPrnSW, 1, 0, 1, 2);
    optionenLayout->addWidget(
        Benannt(new QLabel(QStringLiteral("Schriftgröße Datum"), Rahmen1), "Bezeichnung1"), 2, 0);
    optionenLayout->addWidget(kombiFontSize0, 2, 1);
    optionenLayout->addWidget(
        Benannt(new QLabel(QStringLiteral("Schriftgröße Text"), Rahmen1), "Bezeichnung2"), 3, 0);
    optionenLayout->addWidget(kombiFontSize1, 3, 1);
    optionenLayout->addWidget(strgPrnQuer, 4, 0, 1, 2);

    Rahmen2 = Benannt(new QGroupBox(QStringLiteral("Druck-Bereich"), this), "Rahmen2");
    TDruckenAb = Benannt(new QLabel(o.TDruckenAb, Rahmen2), "TDruckenAb");
    TDruckenAb->setFrameShape(QFrame::Panel);
    TDruckenAb->setFrameShadow(QFrame::Sunken);
    TDruckenAb->setToolTip(QStringLiteral("Doppelklick, um den Monat im Kalender zu wählen"));
    TDruckenAb->installEventFilter(this);
    befSwitch0 = Benannt(new QToolButton(Rahmen2), "befSwitch(0)");
    befSwitch0->setArrowType(Qt::LeftArrow);
    befSwitch0->setToolTip(QStringLiteral("einen Monat zurück"));
    befSwitch1 = Benannt(new QToolButton(Rahmen2), "befSwitch(1)");
    befSwitch1->setArrowType(Qt::RightArrow);
    befSwitch1->setToolTip(QStringLiteral("einen Monat vor"));
    LaufAnzMon = Benannt(new QScrollBar(Qt::Horizontal, Rahmen2), "LaufAnzMon");
    LaufAnzMon->setRange(1, 12);
    LaufAnzMon->setPageStep(1);
    LaufAnzMon->setMinimumWidth(120);
    BezAnzMon = Benannt(new QLabel(QStringLiteral("1 Monat"), Rahmen2), "BezAnzMon");
    auto* bereich = new QGridLayout(Rahmen2);
    bereich->addWidget(
        Benannt(new QLabel(QStringLiteral("Drucken ab dem"), Rahmen2), "Bezeichnung5"), 0, 0);
    bereich->addWidget(befSwitch0, 0, 1);
    bereich->addWidget(TDruckenAb, 0, 2);
    bereich->addWidget(befSwitch1, 0, 3);
    bereich->addWidget(LaufAnzMon, 1, 0, 1, 2);
    bereich->addWidget(BezAnzMon, 1, 2, 1, 2);

    befOk = Benannt(new QPushButton(QStringLiteral("&Drucken"), this), "befOk");
    BefAbbruch = Benannt(new QPushButton(QStringLiteral("&Abbrechen"), this), "BefAbbruch");
    befOk->setDefault(true);
    ProgressBar = Benannt(new QProgressBar(this), "ProgressBar");
    ProgressBar->setRange(0, 100);
    ProgressBar->hide();
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(ProgressBar, 1);
    knoepfe->addStretch();
    knoepfe->addWidget(befOk);
    knoepfe->addWidget(BefAbbruch);

    auto* ganz = new QGridLayout(this);
    ganz->addWidget(Frame1, 0, 0);
    ganz->addWidget(Rahmen2, 1, 0);
    ganz->addWidget(Rahmen1, 0, 1, 2, 1);
    ganz->addLayout(knoepfe, 2, 0, 1, 2);

    connect(TDruckenAnzahl, &QScrollBar::valueChanged, this,
            Abgesichert(
                [this](int n) {
                    BezDruckenAnzahl->setText(
                        QString::number(n) +
                        (n == 1 ? QStringLiteral(" Kopie") : QStringLiteral(" Kopien")));
                },
                "DruckenBlatt_TDruckenAnzahl_Change"));
    connect(LaufAnzMon, &QScrollBar::valueChanged, this,
            Abgesichert(
                [this](int n) {
                    BezAnzMon->setText(QString::number(n) + (n == 1 ? QStringLiteral(" Monat")
                                                                    : QStringLiteral(" Monate")));
                },
                "DruckenBlatt_LaufAnzMon_Change"));
    TDruckenAnzahl->setValue(o.TDruckenAnzahl);
    LaufAnzMon->setValue(o.LaufAnzMon);
    strgPrnQuer->setChecked(o.strgPrnQuer);
    strgPrnSW->setChecked(o.strgPrnSW);
    connect(befSwitch0, &QToolButton::clicked, this,
            Abgesichert([this] { befSwitch_Click(0); }, "DruckenBlatt_befSwitch_Click"));
    connect(befSwitch1, &QToolButton::clicked, this,
            Abgesichert([this] { befSwitch_Click(1); }, "DruckenBlatt_befSwitch_Click"));
    connect(befOk, &QPushButton::clicked, this,
            Abgesichert([this] { befOk_Click(); }, "DruckenBlatt_befOk_Click"));
    connect(BefAbbruch, &QPushButton::clicked, this,
            Abgesichert([this] { BefAbbruch_Click(); }, "DruckenBlatt_BefAbbruch_Click"));
}

BlattOptionen DruckenBlatt::optionen() const {
    BlattOptionen o;
    o.TDruckenAb = TDruckenAb->text();
    o.LaufAnzMon = LaufAnzMon->value();
    o.TDruckenAnzahl = TDruckenAnzahl->value();
    o.kombiAdresse = kombiAdresse->currentText();
    o.strgNoData = strgNoData->isChecked();
    o.strgPrnSW = strgPrnSW->isChecked();
    o.strgPrnQuer = strgPrnQuer->isChecked();
    o.GroesseDatum = kombiFontSize0->currentText().toInt();
    o.GroesseText = kombiFontSize1->currentText().toInt();
    return o;
}

void DruckenBlatt::bedienbar(bool an) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{Frame1, Rahmen1, Rahmen2, befOk, BefAbbruch}) {
        w->setEnabled(an);
    }
}

void DruckenBlatt::befOk_Click() {
    if (!druckBeginnen()) {
        return;
    }
    bedienbar(false);
    ProgressBar->setValue(0);
    ProgressBar->show();
    BlattOptionen o = optionen();
    BlattRueckmeldung rueck;
    rueck.fortschritt = [this](int wert) { ProgressBar->setValue(wert); };
    rueck.ereignisse = EreignisseZulassen;
    const bool fertig = BlattDrucken(
        quelle_ ? quelle_->ListeTermine() : QStringList(), o,
        quelle_ ? quelle_->ListeAnzeigeSchrift() : SchriftWerte{QStringLiteral("Arial"), 8}, rueck);
    ProgressBar->hide();
    bedienbar(true);
    if (fertig) {
        TDruckenAb->setText(o.TDruckenAb);
        LaufAnzMon->setValue(o.LaufAnzMon);
    }
    druckBeenden(fertig);
}

void DruckenBlatt::BefAbbruch_Click() {
    if (druckt()) {
        return;
    }
    BlattOptionenSchreiben(optionen());
    QDialog::reject();
}

void DruckenBlatt::befSwitch_Click(int index) {
    const std::optional<QDate> ab = DatumLesen(TDruckenAb->text());
    if (!ab || (index != 0 && index != 1)) {
        return;
    }
    TDruckenAb->setText(DatumText(ab->addMonths(index == 0 ? -1 : 1)));
}

void DruckenBlatt::TDruckenAb_DblClick() {
    if (druckt() || !fenster_.vorhanden(Fenstername::Monatsblatt)) {
        return;
    }
    const QDate ab = DatumLesen(TDruckenAb->text()).value_or(uhr().heute());
    const MonatsblattErgebnis e =
        fenster_.Monatsblatt({QStringLiteral("Drucken ab Monat/Jahr"), ab, {}});
    TDruckenAb->setText(DatumText(QDate(e.Calendar.year(), e.Calendar.month(), 1)));
}

void DruckenBlatt::keyPressEvent(QKeyEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            if (e->key() == Qt::Key_F1) {
                Absichern([] { HilfeZeigen(QStringLiteral("Kronel.Hlp"), HilfeKontext); },
                          QStringLiteral("DruckenBlatt_Hilfe"));
                return;
            }
            QDialog::keyPressEvent(e);
        },
        "DruckenBlatt_keyPressEvent");
}

bool DruckenBlatt::eventFilter(QObject* ziel, QEvent* e) {
    return AbgesichertAusfuehren(
        [&] {
            if (ziel == TDruckenAb && e->type() == QEvent::MouseButtonDblClick) {
                Absichern([this] { TDruckenAb_DblClick(); },
                          QStringLiteral("DruckenBlatt_TDruckenAb_DblClick"));
                return true;
            }
            return QDialog::eventFilter(ziel, e);
        },
        "DruckenBlatt_eventFilter", false);
}

}  // namespace kronel
