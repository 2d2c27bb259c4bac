// The birthday import: the birthdays of an address book, to choose from.

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/adressbuch.h"
#include "fensterhilfen.h"
#include "planner/geburtstage.h"
#include "planner_dialogs/buchdialoge.h"
#include "platform/dienste.h"
#include "shared_ui/programm.h"

namespace kronel {

ImpGeb::ImpGeb(QWidget* besitzer) : QDialog(besitzer) {
    setObjectName(QStringLiteral("ImpGeb"));
    setWindowTitle(QStringLiteral("Import von Geburtstagen aus Solmika"));
    auto* bez1 = new QLabel(QStringLiteral("Adresslisten"), this);
    bez1->setObjectName(QStringLiteral("Bezeichnung1"));
    auto* bez2 = new QLabel(QStringLiteral("Ausgewählte Geburtstagskinder"), this);
    bez2->setObjectName(QStringLiteral("Bezeichnung2"));
    ListeAdr = new QListWidget(this);
    ListeAdr->setObjectName(QStringLiteral("ListeAdr"));
    Liste = new QListWidget(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setSelectionMode(QAbstractItemView::MultiSelection);
    befMark[0] =
        DialogKnopf(this, QStringLiteral("befMark(0)"), QString::fromUtf8("Alle abwäh&len"));
    befMark[1] = DialogKnopf(this, QStringLiteral("befMark(1)"), QString::fromUtf8("Alle &wählen"));
    befOk = DialogKnopf(this, QStringLiteral("befOk"), QStringLiteral("&Importieren"));
    befAbbrechen = DialogKnopf(this, QStringLiteral("befAbbrechen"), QStringLiteral("&Abbrechen"));

    auto* raster = new QGridLayout(this);
    raster->addWidget(bez1, 0, 0);
    raster->addWidget(bez2, 0, 1, 1, 4);
    raster->addWidget(ListeAdr, 1, 0);
    raster->addWidget(Liste, 1, 1, 1, 4);
    raster->addWidget(befMark[0], 2, 1);
    raster->addWidget(befMark[1], 2, 2);
    raster->addWidget(befOk, 2, 3);
    raster->addWidget(befAbbrechen, 2, 4);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);
    raster->setColumnStretch(2, 1);
    raster->setColumnStretch(3, 1);
    raster->setColumnStretch(4, 1);
    resize(640, 380);

    connect(befMark[0], &QPushButton::clicked, Liste, &QListWidget::clearSelection);
    connect(befMark[1], &QPushButton::clicked, Liste, &QListWidget::selectAll);
    connect(befOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(befAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListeAdr, &QListWidget::currentRowChanged, this,
            Abgesichert([this] { GeburtstageLaden(); }, "ImpGeb_ListeAdr_Click"));

    // The books in German order; the first one is shown at once.
    const std::vector<Adressbuch> gefunden = AdressbuecherSuchen();
    for (const Adressbuch& b : gefunden) {
        buecher_ << b.Pfad;
        ListeAdr->addItem(b.Name);
    }
    bezHinweis = Hinweis(this, AdressbuecherFehlenHinweis(gefunden));
    raster->addWidget(bezHinweis, 3, 0, 1, 5);
    if (ListeAdr->count() > 0) {
        ListeAdr->setCurrentRow(0);
    } else {
        GeburtstageLaden();
    }
}

void ImpGeb::GeburtstageLaden() {
    const SanduhrZeiger sanduhr;
    Liste->clear();
    const int buch = ListeAdr->currentRow();
    QStringList zeilen;
    if (buch >= 0 && buch < buecher_.size()) {
        AdressbuchLesen(buecher_[buch], 21, [&](const AdressFelder& adresse) {
            QStringList felder;
            for (int i = 0; i < 21; ++i) {
                felder << adresse.feld(i);
            }
            if (const std::optional<QString> zeile = GeburtstagsZeile(felder)) {
                zeilen << *zeile;
            }
        });
    }
    // The same person twice in a book is offered once.
    zeilen.removeDuplicates();
    Liste->addItems(zeilen);
    const bool da = !zeilen.isEmpty();
    befOk->setEnabled(da);
    befMark[0]->setEnabled(da);
    befMark[1]->setEnabled(da);
}

QStringList ImpGeb::Auswahl() const {
    QStringList gewaehlt;
    if (result() != QDialog::Accepted) {
        return gewaehlt;
    }
    for (int i = 0; i < Liste->count(); ++i) {
        if (Liste->item(i)->isSelected()) {
            gewaehlt << Liste->item(i)->text();
        }
    }
    return gewaehlt;
}

}  // namespace kronel
