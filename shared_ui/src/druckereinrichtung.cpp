#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include <algorithm>

#include "shared_ui/programm.h"

namespace kronel {

namespace {

// The sheets a desk printer takes; the printouts lay themselves out on any.
constexpr QPageSize::PageSizeId kPapiere[] = {QPageSize::A4, QPageSize::A5, QPageSize::B5,
                                              QPageSize::Letter, QPageSize::Legal};

}  // namespace

void DruckereinrichtungZeigen(QPrinter& drucker, QWidget* besitzer) {
    QDialog dialog(besitzer);
    dialog.setObjectName(QStringLiteral("Druckereinrichtung"));
    dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
    auto* formular = new QFormLayout(&dialog);

    auto* Drucker = new QComboBox(&dialog);
    Drucker->setObjectName(QStringLiteral("Drucker"));
    const QStringList namen = QPrinterInfo::availablePrinterNames();
    if (namen.isEmpty()) {
        // Without a printer the printouts become PDF files.
        Drucker->addItem(QStringLiteral("Kein Drucker eingerichtet: Ausgabe als PDF-Datei"));
        Drucker->setEnabled(false);
    } else {
        Drucker->addItems(namen);
        const QString jetzt = drucker.printerName().isEmpty() ? QPrinterInfo::defaultPrinterName()
                                                              : drucker.printerName();
        Drucker->setCurrentIndex(std::max(0, static_cast<int>(namen.indexOf(jetzt))));
    }
    formular->addRow(QStringLiteral("&Drucker:"), Drucker);

    auto* Papier = new QComboBox(&dialog);
    Papier->setObjectName(QStringLiteral("Papier"));
    const QPageSize::PageSizeId jetzigesPapier = drucker.pageLayout().pageSize().id();
    for (const QPageSize::PageSizeId id : kPapiere) {
        Papier->addItem(QPageSize::name(id), static_cast<int>(id));
        if (id == jetzigesPapier) {
            Papier->setCurrentIndex(Papier->count() - 1);
        }
    }
    formular->addRow(QStringLiteral("&Papier:"), Papier);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    formular->addRow(knoepfe);

    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (Drucker->isEnabled()) {
        drucker.setPrinterName(Drucker->currentText());
    }
    drucker.setPageSize(
        QPageSize(static_cast<QPageSize::PageSizeId>(Papier->currentData().toInt())));
}

}  // namespace kronel
