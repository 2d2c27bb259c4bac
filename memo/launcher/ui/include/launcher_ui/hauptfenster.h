#pragma once
// The window of the timed launcher KronMemo: the time since the last output,
// the two entry fields of the next one, the menus and the tick. The logic is
// Zeitstarter.

#include <QMainWindow>

#include "launcher/zeitstarter.h"
#include "shared_ui/programm.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;

namespace kronel {

class StarterHauptfenster final : public QMainWindow {
public:
    StarterHauptfenster();

    Zeitstarter Logik;

    QGroupBox* Rahmen1;
    QGroupBox* Rahmen2;
    QLabel* bezLastTime;
    QLineEdit* txtOutAbs;
    QLineEdit* txtOutRel;
    QTimer* Zeit;
    QTimer* ZeitDateTest;
    QMenu* mnuDatei;
    QMenu* mnuSetup;
    QMenu* mnuHilfe;
    QAction* mnuKronel;
    QAction* mnuKronelin;
    QAction* mnuEnde;
    QAction* mnuStartAsSym;
    QAction* mnuAnleitung;
    QAction* mnuWerbung;

    // Reads the settings into the window (position, state, fields, check).
    void Form_Load();
    void Zeit_Timer();
    void mnuEnde_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void Anzeigen();
    bool gespeichert_ = false;
};

// The launcher's window after its start-up.
std::unique_ptr<QWidget> StarterFensterBauen(ProgrammUmgebung& umgebung);

}  // namespace kronel
