#pragma once
// The one window of the reminder Kronelol: the due entries, its settings on a
// second tab, the status panels and the two timers. Its events go to the shell
// (Erinnerungsprogramm); the window only shows what the shell asks of it.

#include <QMainWindow>

#include <array>
#include <memory>

#include "reminder/erinnerungsprogramm.h"
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

class QtFenster;

class ErinnerungsHauptfenster final : public QMainWindow, public ErinnerungsOberflaeche {
public:
    ErinnerungsHauptfenster();
    ~ErinnerungsHauptfenster() override;

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

    // The start before the window shows; false when the program ends at once.
    bool Form_Load();
    // Shows the window (the tick already runs).
    void Starten();

    Erinnerungsprogramm& Programm() { return *programm_; }

    // Hands the selected entry to the shell.
    void Liste_DblClick();

    // ErinnerungsOberflaeche
    void StatusZeigen(const QString& text) override;
    void ProgrammEnde() override;
    void ErinnerungZeigen(const QString& titel, const QString& status, const QString& datum,
                          const QString& zeit, const QStringList& liste) override;
    void AlarmSetzen(bool an) override;
    void TaktSetzen(bool an) override;
    void WarnZeigen(int index, int minuten, const QString& text) override;
    void NoBereichZeigen(bool an) override;
    void NachVorne() override;
    FensterSteuerelement& Fenster() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void mnuWeiteres_Click();

    std::unique_ptr<QtFenster> fenster_;
    std::unique_ptr<Erinnerungsprogramm> programm_;
    bool beenden_ = false;
};

// The reminder's window after its start-up; nullptr when the program ends in it.
std::unique_ptr<QWidget> ErinnerungFensterBauen(ProgrammUmgebung& umgebung);

}  // namespace kronel
