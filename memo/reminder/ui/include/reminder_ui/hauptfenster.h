#pragma once
// The one window of the reminder Kronelol: the due entries, its settings on a
// second tab, the status panels and the two timers. The logic is Erinnerung.

#include <QMainWindow>

#include <array>

#include "reminder/erinnerung.h"
#include "shared_ui/programm.h"

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QScrollBar;
class QTabWidget;
class QTimer;

namespace kronel {

class ErinnerungsHauptfenster final : public QMainWindow, public ErinnerungsFenster {
public:
    ErinnerungsHauptfenster();

    Erinnerung Logik{this};

    QTabWidget* SSTab1;
    QListWidget* Liste;
    QCheckBox* strgNoBereich;
    QLabel* bez2;
    std::array<QScrollBar*, 2> laufWarn{};
    std::array<QLabel*, 2> bezWarn{};
    QLabel* panelStatus;
    QLabel* panelDatum;
    QLabel* panelZeit;
    QTimer* Zeit;
    QTimer* ZeitAlarm;
    QMenu* mnuDatei;
    QMenu* mnuWeiteres;
    QMenu* mnuProgramme;
    QMenu* mnuHilfe;
    QAction* mnuEnde;
    QAction* mnuListeClear;
    QAction* mnuReset;
    std::array<QAction*, 4> mnuPrg{};
    QAction* mnuAnleitung;
    QAction* mnuInfo;
    QAction* mnuWerbung;

    // The start: date check, single copy, settings, data paths, first tick.
    // False when the program is to end at once.
    bool Form_Load();

    void Zeit_Timer();
    void ZeitAlarm_Timer();
    void laufWarn_Change(int index);
    void strgNoBereich_Click();
    void Liste_DblClick();
    void mnuEnde_Click();
    void mnuListeClear_Click();
    void mnuReset_Click();
    void mnuWeiteres_Click();
    void mnuPrg_Click(int index);
    void mnuAnleitung_Click();

    void StatusZeigen(const QString& text) override;
    void ProgrammBeenden() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // Brings the widgets up to what the logic holds.
    void Anzeigen();
    bool beenden_ = false;
};

// The reminder's window after its start-up; nullptr when the program ends in it.
std::unique_ptr<QWidget> ErinnerungFensterBauen(ProgrammUmgebung& umgebung);

}  // namespace kronel
