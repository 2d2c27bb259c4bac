#pragma once
// The settings dialog "Setup": every option of the system on five tabs. It has
// no cancel: Ok and the close box both store everything.

#include <QDialog>

#include <array>

#include "planner/setupwerte.h"
#include "planner_dialogs/fensterverzeichnis.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace kronel {

class Setup final : public QDialog {
public:
    explicit Setup(QWidget* besitzer = nullptr);

    // Form_Load: the lists of the main window, then the stored options.
    void Laden(const SetupAnfrage& anfrage);
    // The look of the list as the main window has it now (the font and
    // colour buttons start from it).
    void AussehenUebernehmen(const ListenAussehen& a) { aussehen_ = a; }
    // The options as the controls show them.
    SetupWerte Werte() const;
    // What goes back to the main window.
    SetupErgebnis Ergebnis() const;

    // Stores every option and hides the window.
    void befOk_Click();
    // index 1 adds the station typed, 0 removes it.
    void BefAdrEdit_Click(int index);
    void KSetStadt_Click();
    void befNoAstro_Click();

    QTabWidget* SSTab;
    QCheckBox* OSetEinmal;
    QCheckBox* OSetSound;
    QLineEdit* OtxtSound;
    QPushButton* befSuchSnd;
    QCheckBox* OSetRndDat;
    QLineEdit* OTxtRndDat;
    QPushButton* befSuchRnd;
    QComboBox* oKombiListeAutoPrint;
    QComboBox* oKombiPrintLieblings;
    QCheckBox* OSetAusNull;
    QCheckBox* OSetNeu2MonBlatt;
    QCheckBox* OSetSpeicherAlleGeloeschten;
    QCheckBox* OSetBestaetigeLoeschen;
    QComboBox* KSetVon;
    QComboBox* KSetBis;
    QComboBox* KSetAdresse;
    std::array<QPushButton*, 2> BefAdrEdit{};
    QPushButton* befUserName;
    QCheckBox* OSetSonne;
    QCheckBox* OSetMond;
    QCheckBox* oMESZauto;
    QLineEdit* TSetBreite;
    QLineEdit* TSetLaenge;
    QListWidget* KSetStadt;
    QPushButton* befNoAstro;
    QPushButton* BefSchrift;
    QPushButton* Command1;
    QPushButton* befOk;

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void BefSchrift_Click();
    void Command1_Click();
    void DateiWaehlen(QLineEdit* feld, const QString& titel, const QString& filter, bool ton);

    ListenAussehen aussehen_;
};

// Registers the settings dialog; it stays loaded between showings.
void SetupEintragen(FensterVerzeichnis& fenster);

}  // namespace kronel
