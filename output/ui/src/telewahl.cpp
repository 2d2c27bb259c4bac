#include "output_ui/telewahl.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "platform_qt/oberflaeche_qt.h"
#include "platform_qt/seriell_qt.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

const QString kAbschnitt = QStringLiteral("Allgemein");

QLabel* Beschriftung(const char* text, const char* name) {
    auto* l = new QLabel(QString::fromUtf8(text));
    l->setObjectName(QString::fromUtf8(name));
    return l;
}

QComboBox* Kombi(const char* name) {
    auto* k = new QComboBox;
    k->setObjectName(QString::fromUtf8(name));
    KombiFreitext(*k);
    return k;
}

}  // namespace

Telewahl::Telewahl(SerielleSchnittstelle& port, QWidget* eltern, int grenzeMs, int pauseMs)
    : QDialog(eltern), wahl_(port, grenzeMs, pauseMs) {
    setObjectName(QStringLiteral("Telewahl"));
    setWindowTitle(QStringLiteral("Telefonnummer wählen"));
    setModal(true);

    Label1 = Beschriftung("Diese Nummer wählen", "Label1");
    txtNummer = new QLineEdit;
    txtNummer->setObjectName(QStringLiteral("txtNummer"));
    EinzeiligEinpassen(txtNummer);
    Label2 = Beschriftung("über das Modem an", "Label2");
    kombiModem = Kombi("kombiModem");
    Label3 = Beschriftung("Befehls-String", "Label3");
    kombiString = Kombi("kombiString");
    kombiString->setMinimumContentsLength(36);
    Label4 = Beschriftung("Bitte den Hörer erst bei entsprechendem Hinweis abnehmen!", "Label4");
    Label4->setWordWrap(true);
    befWählen = new QPushButton(QStringLiteral("&Wählen"));
    befWählen->setObjectName(QStringLiteral("befWählen"));
    befWählen->setDefault(true);
    befAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"));
    befAbbrechen->setObjectName(QStringLiteral("befAbbrechen"));

    auto* raster = new QGridLayout(this);
    raster->addWidget(Label1, 0, 0);
    raster->addWidget(txtNummer, 0, 1);
    raster->addWidget(Label2, 1, 0);
    raster->addWidget(kombiModem, 1, 1);
    raster->addWidget(Label3, 2, 0);
    raster->addWidget(kombiString, 2, 1);
    raster->addWidget(Label4, 3, 0, 1, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(befWählen);
    knoepfe->addWidget(befAbbrechen);
    raster->addLayout(knoepfe, 4, 0, 1, 2);

    connect(befWählen, &QPushButton::clicked, this,
            Abgesichert([this] { befWählen_Click(); }, "befWählen_Click"));
    connect(befAbbrechen, &QPushButton::clicked, this,
            Abgesichert([this] { befAbbrechen_Click(); }, "befAbbrechen_Click"));
    Form_Load();
}

void Telewahl::Form_Load() {
    kombiString->clear();
    kombiString->addItems({QStringLiteral("AT DT ; Tonwahl"), QStringLiteral("AT DP ; Pulswahl"),
                           QStringLiteral("AT X3 DT0, ; Tonwahl mit einer 0 fürs Amt"),
                           QStringLiteral("AT X3 DP0, ; Pulswahl mit einer 0 fürs Amt")});
    kombiModem->clear();
    kombiModem->addItem(QString());
    for (int n = 1; n <= 8; ++n) {
        kombiModem->addItem(QStringLiteral("COM") + QString::number(n));
    }
    kombiModem->addItems(SerielleGeraete());
    kombiString->setCurrentText(IniLesen({}, kAbschnitt, QStringLiteral("DialString"), {}));
    QString modem = IniLesen({}, kAbschnitt, QStringLiteral("COM2Dial"), {});
    if (modem.size() < 2) {
        modem = QStringLiteral("COM") + modem;
    }
    kombiModem->setCurrentText(modem);
}

void Telewahl::befWählen_Click() {
    befWählen->setEnabled(false);
    befAbbrechen->setEnabled(false);
    const WahlEnde ende =
        wahl_.Waehlen(kombiString->currentText(), kombiModem->currentText(), txtNummer->text());
    befWählen->setEnabled(true);
    befAbbrechen->setEnabled(true);
    if (ende == WahlEnde::Gewaehlt) {
        befAbbrechen_Click();
    }
}

void Telewahl::befAbbrechen_Click() {
    IniSchreiben({}, kAbschnitt, QStringLiteral("COM2Dial"), kombiModem->currentText());
    IniSchreiben({}, kAbschnitt, QStringLiteral("DialString"), kombiString->currentText());
    done(QDialog::Rejected);
}

void Telewahl::Schliessen() {
    // A close during the dialling ends it; the dialling closes the port.
    wahl_.Abbrechen();
    Absichern([this] { befAbbrechen_Click(); }, QStringLiteral("Form_QueryUnload"));
}

void Telewahl::reject() {
    AbgesichertAusfuehren([&] { Schliessen(); }, "Telewahl_reject");
}

void Telewahl::closeEvent(QCloseEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            e->ignore();
            Schliessen();
        },
        "Telewahl_closeEvent");
}

}  // namespace kronel
