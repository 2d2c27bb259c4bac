#include "planner_dialogs/suchen.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "planner/suchdialog.h"
#include "planner_dialogs/fensterverzeichnis.h"
#include "planner_dialogs/monatsblatt.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/uhr.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/programm.h"

namespace kronel {

Suchen::Suchen(BuchLesen buch, QWidget* besitzer) : QDialog(besitzer), buch_(std::move(buch)) {
    setObjectName(QStringLiteral("Suchen"));
    setWindowTitle(QStringLiteral("Terminsuche"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Rahmen2 = new QGroupBox(QStringLiteral("Suche nach"), this);
    Rahmen2->setObjectName(QStringLiteral("Rahmen2"));
    KomSuche = new QComboBox(Rahmen2);
    KomSuche->setObjectName(QStringLiteral("KomSuche"));
    KombiFreitext(*KomSuche);
    KomSuche->setMinimumContentsLength(28);
    (new QVBoxLayout(Rahmen2))->addWidget(KomSuche);

    Rahmen1 = new QGroupBox(QStringLiteral("Suchrichtung"), this);
    Rahmen1->setObjectName(QStringLiteral("Rahmen1"));
    auto* richtung = new QHBoxLayout(Rahmen1);
    const char* texte[] = {"abwärts", "aufwärts"};
    for (int i = 0; i < 2; ++i) {
        auto* o = new QRadioButton(QString::fromUtf8(texte[i]), Rahmen1);
        o->setObjectName(QStringLiteral("OptRichtung(%1)").arg(i));
        richtung->addWidget(o);
        OptRichtung[static_cast<size_t>(i)] = o;
    }
    OptRichtung[0]->setChecked(true);

    BefSuche = new QPushButton(QStringLiteral("&Suchen"), this);
    BefSuche->setObjectName(QStringLiteral("BefSuche"));
    BefSuche->setDefault(true);
    BefSucheDatum = new QPushButton(QStringLiteral("Suche nach &Datum"), this);
    BefSucheDatum->setObjectName(QStringLiteral("BefSucheDatum"));
    BefSucheDatum->setAutoDefault(false);
    BefAbbruch = new QPushButton(QStringLiteral("&Abbrechen"), this);
    BefAbbruch->setObjectName(QStringLiteral("BefAbbruch"));
    BefAbbruch->setAutoDefault(false);
    connect(BefSuche, &QPushButton::clicked, this,
            Abgesichert([this] { BefSuche_Click(); }, "Suchen_BefSuche_Click"));
    connect(BefSucheDatum, &QPushButton::clicked, this,
            Abgesichert([this] { BefSucheDatum_Click(); }, "Suchen_BefSucheDatum_Click"));
    connect(BefAbbruch, &QPushButton::clicked, this,
            Abgesichert([this] { BefAbbruch_Click(); }, "Suchen_BefAbbruch_Click"));

    Rueckgabe = new QLabel(QString::fromUtf8("Rückgabe"), this);
    Rueckgabe->setObjectName(QString::fromUtf8("Rückgabe"));
    Rueckgabe->setVisible(false);

    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(BefSuche);
    knoepfe->addWidget(BefSucheDatum);
    knoepfe->addWidget(BefAbbruch);
    knoepfe->addStretch();
    auto* links = new QVBoxLayout;
    links->addWidget(Rahmen2);
    links->addWidget(Rahmen1);
    links->addStretch();
    auto* aussen = new QHBoxLayout(this);
    aussen->addLayout(links, 1);
    aussen->addLayout(knoepfe);

    Zeit = new QTimer(this);
    Zeit->setObjectName(QStringLiteral("Zeit"));
    Zeit->setInterval(200);
    connect(Zeit, &QTimer::timeout, this,
            Abgesichert([this] { Zeit_Timer(); }, "Suchen_Zeit_Timer"));
    Zeit->start();

    QtListe verlauf(KomSuche);
    SuchVerlaufLaden(verlauf);
    Zeit_Timer();
}

void Suchen::Vorbereiten(const SuchenAnfrage& anfrage) {
    if (!anfrage.KomSuche.isEmpty()) {
        KomSuche->setEditText(anfrage.KomSuche);
    }
    // Anything but "auto" is no find, so that "&Abbrechen" never hands back an
    // earlier one.
    Rueckgabe->setText(anfrage.Rueckgabe == QStringLiteral("auto") ? anfrage.Rueckgabe
                                                                   : QStringLiteral("-1"));
    Zeit_Timer();
}

SuchenErgebnis Suchen::Ergebnis() const {
    return {KomSuche->currentText(), Rueckgabe->text()};
}

void Suchen::Zeit_Timer() {
    BefSuche->setEnabled(!KomSuche->currentText().isEmpty());
}

void Suchen::BefSuche_Click() {
    KomSuche->setFocus();
    const Terminbuch& buch = buch_();
    QtListe liste(KomSuche);
    Rueckgabe->setText(
        SucheAusfuehren(liste, OptRichtung[1]->isChecked(), buch.ListeAnzeige, buch.ListIndex));
    if (Rueckgabe->text() != QStringLiteral("-1")) {
        done(QDialog::Accepted);
    }
}

void Suchen::BefSucheDatum_Click() {
    const MonatsblattErgebnis datum = MonatsblattZeigen(
        this,
        {QStringLiteral("Nach welchem Datum soll gesucht werden?"), uhr().jetzt().date(), {}});
    KomSuche->setEditText(DatumText(datum.Calendar));
    KomSuche->setFocus();
    Zeit_Timer();
}

void Suchen::BefAbbruch_Click() {
    KomSuche->setFocus();
    done(QDialog::Rejected);
}

void Suchen::closeEvent(QCloseEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            BefAbbruch_Click();
            e->accept();
        },
        "Suchen_closeEvent");
}

void Suchen::reject() {
    AbgesichertAusfuehren([&] { BefAbbruch_Click(); }, "Suchen_reject");
}

void Suchen::showEvent(QShowEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QDialog::showEvent(e);
            KomSuche->setFocus();
            KomSuche->lineEdit()->selectAll();
            // After the window is on the screen, and once per showing: a repaint under
            // the box of a failed search must not search again.
            QTimer::singleShot(0, this, Abgesichert([this] { Gezeigt(); }, "Suchen_Form_Paint"));
        },
        "Suchen_showEvent");
}

void Suchen::Gezeigt() {
    if (isVisible() && Rueckgabe->text() == QStringLiteral("auto")) {
        BefSuche_Click();
    }
}

void SuchenEintragen(FensterVerzeichnis& fenster, BuchLesen buch) {
    fenster.anzeigen.Suchen = [buch = std::move(buch), geladen = QPointer<Suchen>()](
                                  QWidget* besitzer, const SuchenAnfrage& anfrage) mutable {
        if (geladen == nullptr) {
            geladen = new Suchen(buch, besitzer);  // the owner ends it with the run
        }
        geladen->Vorbereiten(anfrage);
        (void)geladen->exec();
        return geladen->Ergebnis();
    };
}

}  // namespace kronel
