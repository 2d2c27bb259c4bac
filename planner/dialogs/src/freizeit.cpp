// The free-time overview: what is announced on a day, and a new appointment
// on that day.

#include <QElapsedTimer>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "common/modul.h"
#include "common/texte.h"
#include "common/ton.h"
#include "planner/altes.h"
#include "planner/freizeit.h"
#include "planner_dialogs/buchdialoge.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/oberflaeche.h"
#include "platform/text.h"
#include "platform/uhr.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

void Ausrufen() {
    TonAusgeben(QStringLiteral("#SystemExclamation"));
}

}  // namespace

Freizeit::Freizeit(QWidget* besitzer, const QString& schrift, QStringList termine,
                   Kalender kalender)
    : QDialog(besitzer), termine_(std::move(termine)), kalender_(std::move(kalender)) {
    setObjectName(QStringLiteral("Freizeit"));
    setWindowTitle(QStringLiteral("Terminsuche"));
    auto* rahmen = new QGroupBox(QString::fromUtf8("Suche Termine für..."), this);
    rahmen->setObjectName(QStringLiteral("Rahmen1"));
    txtDatum = new QLineEdit(rahmen);
    txtDatum->setObjectName(QStringLiteral("txtDatum"));
    EinzeiligEinpassen(txtDatum);
    txtDatum->installEventFilter(this);
    bezInfoDate = new QLabel(rahmen);
    bezInfoDate->setObjectName(QStringLiteral("bezInfoDate"));
    const char* texte[] = {"< Tag", "&Tag >", "heute", "< Woche", "Woche >", "Kalender"};
    for (int i = 0; i < 6; ++i) {
        befDatum[i] =
            DialogKnopf(rahmen, QStringLiteral("befDatum(%1)").arg(i), QString::fromUtf8(texte[i]));
        connect(befDatum[i], &QPushButton::clicked, this,
                Abgesichert([this, i] { befDatum_Click(i); }, "Freizeit_befDatum_Click"));
    }
    befSuchen = DialogKnopf(this, QStringLiteral("befSuchen"), QStringLiteral("&Suchen"));
    befTerminNeu =
        DialogKnopf(this, QStringLiteral("befTerminNeu"), QString::fromUtf8("Über&nehmen"));
    befAbbrechen = DialogKnopf(this, QStringLiteral("befAbbrechen"), QStringLiteral("&Abbrechen"));
    // Enter in the date field searches.
    befSuchen->setDefault(true);
    Liste = new QListWidget(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    auto* leiste = new QStatusBar(this);
    Status = StatusleisteAnlegen(leiste,
                                 {{QStringLiteral("Status"), QStringLiteral("Status"),
                                   QStringLiteral("Allgemeiner Hinweis"), true}},
                                 true)[0];

    auto* raster = new QGridLayout(rahmen);
    raster->addWidget(txtDatum, 0, 0, 1, 2);
    raster->addWidget(bezInfoDate, 0, 2, 1, 4);
    for (int i = 0; i < 6; ++i) {
        raster->addWidget(befDatum[i], 1, i);
    }
    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(befSuchen);
    knoepfe->addWidget(befTerminNeu);
    knoepfe->addWidget(befAbbrechen);
    knoepfe->addStretch();
    auto* oben = new QHBoxLayout;
    oben->addWidget(rahmen, 1);
    oben->addLayout(knoepfe);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(Liste, 1);
    spalte->addWidget(leiste);
    spalte->setContentsMargins(6, 6, 6, 0);
    resize(680, 440);

    // The list in the font and colours of Main's list, a little smaller.
    QtSchriftTraeger liste(Liste);
    SchriftSetzen(liste, schrift, QStringLiteral("Alles"));
    QFont f = Liste->font();
    f.setPointSize(9);
    f.setBold(false);
    Liste->setFont(f);

    connect(txtDatum, &QLineEdit::textChanged, this,
            Abgesichert([this] { txtDatum_Change(); }, "Freizeit_txtDatum_Change"));
    connect(befSuchen, &QPushButton::clicked, this,
            Abgesichert([this] { befSuchen_Click(); }, "Freizeit_befSuchen_Click"));
    connect(befTerminNeu, &QPushButton::clicked, this,
            Abgesichert([this] { befTerminNeu_Click(); }, "Freizeit_befTerminNeu_Click"));
    connect(befAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(Liste, &QListWidget::itemDoubleClicked, this,
            Abgesichert(
                [this] {
                    const QListWidgetItem* z = Liste->currentItem();
                    // The line of an empty result is no appointment.
                    if (z != nullptr && z->text() != FreizeitKeineTermine()) {
                        TerminVorschauZeigen(z->text(), 36);
                    }
                },
                "Freizeit_Liste_DblClick"));

    txtDatum->setText(DatumText(uhr().heute()));
    befSuchen_Click();
    befTerminNeu->setEnabled(!modul().NurLesen);
    befDatum[5]->setEnabled(bool(kalender_));
    setFocusProxy(txtDatum);
}

bool Freizeit::eventFilter(QObject* ziel, QEvent* e) {
    return AbgesichertAusfuehren(
        [&] {
            if (ziel == txtDatum && e->type() == QEvent::MouseButtonDblClick) {
                Absichern([this] { befDatum_Click(5); },
                          QStringLiteral("Freizeit_txtDatum_DblClick"));
                return true;
            }
            return QDialog::eventFilter(ziel, e);
        },
        "Freizeit_eventFilter", false);
}

void Freizeit::txtDatum_Change() {
    // A changed date never shows the old result.
    Liste->clear();
    bezInfoDate->setText(FreizeitDatumInfo(txtDatum->text(), uhr().heute()));
}

void Freizeit::befSuchen_Click() {
    const QString text = txtDatum->text();
    if (!UebergabeDatumPruefen(text, QStringLiteral("Terminsuche"))) {
        return;
    }
    const QDate tag = *DatumLesen(text);
    {
        const SanduhrZeiger sanduhr;
        Liste->clear();
        Status->setText(QStringLiteral("Suche Termine..."));
        Status->repaint();
        // The progress is drawn at most ten times a second: a redraw per
        // record would cost more than the search.
        QElapsedTimer uhrwerk;
        uhrwerk.start();
        const QStringList zeilen = FreizeitSuchen(termine_, tag, [&](qsizetype n) {
            if (uhrwerk.elapsed() >= 100) {
                uhrwerk.restart();
                Status->setText(FreizeitStatus(n, text));
                Status->repaint();
            }
        });
        Liste->addItems(zeilen);
        if (zeilen.isEmpty()) {
            Liste->addItem(FreizeitKeineTermine());
            Status->setText(FreizeitStatusKeine(text));
        } else {
            Status->setText(FreizeitStatus(zeilen.size(), text));
        }
    }
    txtDatum->setFocus();
    txtDatum->setCursorPosition(0);
}

void Freizeit::befDatum_Click(int index) {
    const QString text = txtDatum->text();
    if (!IstDatum(text)) {
        Ausrufen();
        return;
    }
    std::optional<QString> neu;
    switch (index) {
        case 0:
        case 1:
            neu = FreizeitTagSchieben(text, index == 0 ? -1 : 1);
            break;
        case 3:
        case 4:
            neu = FreizeitTagSchieben(text, index == 3 ? -7 : 7);
            break;
        case 2:
            neu = DatumText(uhr().heute());
            break;
        default:
            if (!kalender_) {
                return;
            }
            neu = DatumText(kalender_(QStringLiteral("Datum Terminsuche"), *DatumLesen(text)));
            break;
    }
    if (!neu) {
        Ausrufen();  // beyond the calendar
        return;
    }
    txtDatum->setText(*neu);
    befSuchen_Click();
}

void Freizeit::befTerminNeu_Click() {
    if (const std::optional<QString> uebergabe = FreizeitUebergabe(txtDatum->text())) {
        BezUebergabe = *uebergabe;
        accept();
    }
}

}  // namespace kronel
