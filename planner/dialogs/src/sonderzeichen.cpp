#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/texte.h"
#include "fensterhilfen.h"
#include "planner/sonderzeichen.h"
#include "planner_dialogs/einfuegefenster.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/programm.h"

namespace kronel {

Sonderzeichen::Sonderzeichen(QWidget* besitzer, const QString& schrift) : QDialog(besitzer) {
    setObjectName(QStringLiteral("Sonderzeichen"));
    setWindowTitle(QStringLiteral("Sonderzeichen einfügen"));
    ComboSatz = new QComboBox(this);
    ComboSatz->setObjectName(QStringLiteral("ComboSatz"));
    Liste = new QListWidget(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Text = new QLineEdit(this);
    Text->setObjectName(QStringLiteral("Text"));
    EinzeiligEinpassen(Text);
    befKopieren = Knopf(this, "befKopieren", "&Kopieren");
    befOk = Knopf(this, "befOk", "&Einfügen");
    BefLoeschen = Knopf(this, "BefLöschen", "&Löschen");
    BefAbbruch = Knopf(this, "BefAbbruch", "&Abbrechen");

    QFont fest(QStringLiteral("Courier New"));
    fest.setStyleHint(QFont::TypeWriter);
    fest.setPointSizeF(14.25);
    fest.setBold(true);
    Liste->setFont(fest);
    Text->setFont(fest);
    QtSchriftTraeger liste(Liste);
    SchriftSetzen(liste, schrift, QStringLiteral("Alles"));

    // The list keeps the same space below it as above it.
    auto* raster = new QGridLayout(this);
    raster->addWidget(Liste, 0, 0, 7, 1);
    raster->addWidget(ComboSatz, 0, 1);
    raster->addWidget(Text, 1, 1);
    raster->addWidget(befKopieren, 2, 1);
    raster->addWidget(befOk, 3, 1);
    raster->addWidget(BefLoeschen, 4, 1);
    raster->addWidget(BefAbbruch, 5, 1);
    raster->setRowStretch(6, 1);
    raster->setColumnStretch(0, 1);
    Liste->setMinimumWidth(90);

    for (const Zeichensatz& satz : Zeichensaetze()) {
        ComboSatz->addItem(satz.name, satz.zeichen);
    }
    connect(ComboSatz, &QComboBox::currentIndexChanged, this,
            Abgesichert([this] { ComboSatz_Click(); }, "Sonderzeichen_ComboSatz_Click"));
    connect(befKopieren, &QPushButton::clicked, this,
            Abgesichert([this] { befKopieren_Click(); }, "Sonderzeichen_befKopieren_Click"));
    connect(Liste, &QListWidget::itemDoubleClicked, this,
            Abgesichert([this] { befKopieren_Click(); }, "Sonderzeichen_Liste_DblClick"));
    connect(befOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BefLoeschen, &QPushButton::clicked, Text, &QLineEdit::clear);
    connect(BefAbbruch, &QPushButton::clicked, this,
            Abgesichert([this] { BefAbbruch_Click(); }, "Sonderzeichen_BefAbbruch_Click"));
    Liste->installEventFilter(this);
    ComboSatz_Click();
    resize(330, 300);
    UeberBesitzerZentrieren(*this, besitzer);
}

void Sonderzeichen::ComboSatz_Click() {
    Liste->clear();
    for (const QChar c : ComboSatz->currentData().toString()) {
        auto* zeile = new QListWidgetItem(QLatin1Char(' ') + c, Liste);
        zeile->setData(Qt::UserRole, QString(c));
    }
    Liste->setCurrentRow(0);
    Liste->setFocus();
}

void Sonderzeichen::befKopieren_Click() {
    if (const QListWidgetItem* zeile = Liste->currentItem()) {
        Text->setText(Text->text() + zeile->data(Qt::UserRole).toString());
        Text->setCursorPosition(static_cast<int>(Text->text().size()));
    }
}

void Sonderzeichen::BefAbbruch_Click() {
    Text->clear();
    hide();
}

void Sonderzeichen::reject() {
    AbgesichertAusfuehren(
        [&] {
            BefAbbruch_Click();
            QDialog::reject();
        },
        "Sonderzeichen_reject");
}

bool Sonderzeichen::eventFilter(QObject* ziel, QEvent* e) {
    return AbgesichertAusfuehren(
        [&] {
            if (ziel == Liste && e->type() == QEvent::KeyPress) {
                const int taste = static_cast<QKeyEvent*>(e)->key();
                if (taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Space) {
                    befKopieren_Click();
                    return true;
                }
            }
            return QDialog::eventFilter(ziel, e);
        },
        "Sonderzeichen_eventFilter", false);
}

}  // namespace kronel
