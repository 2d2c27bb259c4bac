#pragma once
// The dialling window: dials the number through a modem on a serial port and
// remembers the dial string and the port.

#include <QDialog>

#include "output/modemwahl.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kronel {

class Telewahl final : public QDialog {
public:
    // grenzeMs: how long the modem may take to answer; pauseMs: the waits of the hang-up.
    explicit Telewahl(SerielleSchnittstelle& port, QWidget* eltern = nullptr, int grenzeMs = 60000,
                      int pauseMs = 1000);

    QLabel* Label1;
    QLineEdit* txtNummer;
    QLabel* Label2;
    QComboBox* kombiModem;
    QLabel* Label3;
    QComboBox* kombiString;
    QLabel* Label4;
    QPushButton* befWählen;
    QPushButton* befAbbrechen;

    void befWählen_Click();
    // Stores the port and the dial string, then hides the window.
    void befAbbrechen_Click();
    bool Waehlt() const { return wahl_.Laeuft(); }

    // Escape counts as the close box.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void Schliessen();

    Modemwahl wahl_;
};

}  // namespace kronel
