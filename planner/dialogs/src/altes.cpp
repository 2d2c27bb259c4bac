// The archive viewer: the lines of Kronel.Old by date under a text filter.

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "common/listen.h"
#include "common/modul.h"
#include "planner/altes.h"
#include "planner_dialogs/buchdialoge.h"
#include "platform/dateien.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/text.h"
#include "platform/uhr.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

QString SchriftName(const QString& schrift) {
    return schrift.section(QLatin1Char(';'), 0, 0);
}

}  // namespace

Altes::Altes(QWidget* besitzer, const QString& schrift)
    : QDialog(besitzer), schriftName_(SchriftName(schrift)) {
    setObjectName(QStringLiteral("Altes"));
    setWindowTitle(QStringLiteral("Abgelaufene Termine"));
    auto* bezeichnung = new QLabel(QStringLiteral("Textfilter"), this);
    bezeichnung->setObjectName(QStringLiteral("Bezeichnung1"));
    txtFilter = new QComboBox(this);
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    txtFilter->setEditable(true);
    txtFilter->setInsertPolicy(QComboBox::NoInsert);
    EinzeiligEinpassen(txtFilter->lineEdit());
    bezeichnung->setBuddy(txtFilter);
    Liste = new QListWidget(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    befListeLesen =
        DialogKnopf(this, QString::fromUtf8("befListeLesen"), QStringLiteral("Liste &neu lesen"));
    befListeDrucken =
        DialogKnopf(this, QString::fromUtf8("befListeDrucken"), QStringLiteral("Liste &drucken"));
    BefLoeschen = DialogKnopf(this, QString::fromUtf8("BefLöschen"), QString::fromUtf8("&Löschen"));
    BefEinfuegen =
        DialogKnopf(this, QString::fromUtf8("BefEinfügen"), QString::fromUtf8("&Wieder einfügen"));
    BefZurueck = DialogKnopf(this, QString::fromUtf8("BefZurück"), QString::fromUtf8("&Zurück"));

    auto* leiste = new QStatusBar(this);
    const std::vector<QLabel*> panels = StatusleisteAnlegen(
        leiste,
        {{QStringLiteral("Status"), {}, QStringLiteral("Wie weit liegt der Termin zurück?"), true},
         {QStringLiteral("Position"), {}, QStringLiteral("Position innerhalb der Oldie-Liste")}},
        true);
    Status = panels[0];
    Position = panels[1];

    auto* oben = new QHBoxLayout;
    oben->addWidget(bezeichnung);
    oben->addWidget(txtFilter, 1);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* k : {befListeLesen, befListeDrucken, BefLoeschen, BefEinfuegen, BefZurueck}) {
        knoepfe->addWidget(k);
    }
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(Liste, 1);
    spalte->addLayout(knoepfe);
    spalte->addWidget(leiste);
    spalte->setContentsMargins(6, 6, 6, 0);
    resize(720, 420);

    connect(befListeLesen, &QPushButton::clicked, this,
            Abgesichert([this] { befListeLesen_Click(); }, "Altes_befListeLesen_Click"));
    connect(txtFilter, &QComboBox::activated, this,
            Abgesichert([this] { befListeLesen_Click(); }, "Altes_txtFilter_Click"));
    // Typing alone does not read again; Enter does.
    connect(txtFilter->lineEdit(), &QLineEdit::returnPressed, this,
            Abgesichert([this] { befListeLesen_Click(); }, "Altes_txtFilter_KeyPress"));
    connect(Liste, &QListWidget::currentRowChanged, this,
            Abgesichert([this] { Liste_Click(); }, "Altes_Liste_Click"));
    connect(Liste, &QListWidget::itemDoubleClicked, this,
            Abgesichert(
                [this] {
                    if (QListWidgetItem* z = Liste->currentItem()) {
                        TerminVorschauZeigen(z->text(), 11);
                    }
                },
                "Altes_Liste_DblClick"));
    connect(befListeDrucken, &QPushButton::clicked, this,
            Abgesichert([this] { befListeDrucken_Click(); }, "Altes_befListeDrucken_Click"));
    connect(BefLoeschen, &QPushButton::clicked, this,
            Abgesichert([this] { BefLoeschen_Click(); }, "Altes_BefLoeschen_Click"));
    connect(BefEinfuegen, &QPushButton::clicked, this,
            Abgesichert([this] { befEinfuegen_Click(); }, "Altes_befEinfuegen_Click"));
    // Back, Esc and the close box hand nothing back.
    connect(BefZurueck, &QPushButton::clicked, this, &QDialog::reject);

    const SanduhrZeiger sanduhr;
    Status->setText(QStringLiteral("Bereit"));
    txtFilter->addItem(QString());
    const QString notizen = PfadAufloesen(modul().DateiNotizen);
    if (const Ergebnis<QByteArray> n = DateiLesen(notizen)) {
        txtFilter->addItems(ZeilenTeilen(TextTolerantLesen(*n)));
    }
    txtFilter->setCurrentIndex(0);
    befListeLesen_Click();
}

void Altes::befListeLesen_Click() {
    const SanduhrZeiger sanduhr;
    Position->clear();
    Status->setText(QStringLiteral("Lade abgelaufene Termine ..."));
    Status->repaint();
    const bool schreiben = !modul().NurLesen;
    BefEinfuegen->setEnabled(schreiben);
    BefLoeschen->setEnabled(schreiben);
    befListeDrucken->setEnabled(true);
    const QStringList zeilen =
        ArchivLesen(PfadAufloesen(modul().DateiAltes), txtFilter->currentText());
    {
        const QSignalBlocker still(Liste);
        Liste->clear();
        Liste->addItems(zeilen);
    }
    if (zeilen.isEmpty()) {
        Status->setText(QStringLiteral("Keine abgelaufenen Termine gefunden!"));
        BefEinfuegen->setEnabled(false);
        BefLoeschen->setEnabled(false);
        befListeDrucken->setEnabled(false);
    } else {
        Liste->setCurrentRow(int(zeilen.size() - 1));
    }
    Liste->setFocus();
}

void Altes::Liste_Click() {
    const int i = Liste->currentRow();
    if (i < 0) {
        return;
    }
    Status->setText(ArchivAlter(Liste->item(i)->text(), uhr().heute()));
    Position->setText(ArchivPosition(i, Liste->count()));
}

void Altes::befListeDrucken_Click() {
    Status->setText(QStringLiteral("Drucke Liste..."));
    Status->repaint();
    ListeDrucken(QtListe(Liste),
                 QStringLiteral("Kronel, abgelaufene Termine, Stand &[Datum], Seite &[Seite]"),
                 schriftName_, 8, 2);
    Liste_Click();
    Liste->setFocus();
}

void Altes::BefLoeschen_Click() {
    int i = Liste->currentRow();
    if (i < 0) {
        return;
    }
    const SanduhrZeiger sanduhr;
    Status->setText(QString::fromUtf8("Lösche abgelaufenen Termin ..."));
    Status->repaint();
    ArchivzeileLoeschen(PfadAufloesen(modul().DateiAltes), Liste->item(i)->text());
    befListeLesen_Click();
    if (Liste->count() > 0) {
        Liste->setCurrentRow(std::min(i, Liste->count() - 1));
        Liste_Click();
    }
    Liste->setFocus();
}

void Altes::befEinfuegen_Click() {
    const QListWidgetItem* z = Liste->currentItem();
    if (z != nullptr) {
        // A line without a valid date would become a record dated today.
        if (!UebergabeDatumPruefen(Left(z->text(), 10), windowTitle())) {
            return;
        }
        BezUebergabe = z->text();
    }
    Liste->clear();
    accept();
}

}  // namespace kronel
