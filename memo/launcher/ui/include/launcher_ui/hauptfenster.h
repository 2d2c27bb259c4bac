#pragma once
// The window of the timed launcher KronMemo: the time since the last output,
// the two entry fields of the next one, the menus and the tick. Its events go
// to the shell (Starterprogramm); the window only shows what the shell asks of it.

#include <QMainWindow>

#include <memory>

#include "launcher/starterprogramm.h"
#include "shared_ui/programm.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;

namespace kronel {

class QtFenster;

class StarterHauptfenster final : public QMainWindow, public StarterOberflaeche {
public:
    StarterHauptfenster();
    ~StarterHauptfenster() override;

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

    // The start before the window shows; the program always goes on.
    bool Form_Load();
    // Shows the window, minimized when Form_Load left it so.
    void Starten();

    Starterprogramm& Programm() { return *programm_; }

    // StarterOberflaeche
    void EinstellungenZeigen(bool alsSymbol, const QString& uhrzeit,
                             const QString& stunden) override;
    void Anzeigen(const QString& titel, const QString& letzteAusgabe) override;
    void TaktStarten() override;
    FensterSteuerelement& Fenster() override;
    void ProgrammEnde() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    // The lower right corner, again once the size and the frame are final.
    void EckeNachziehen();

    std::unique_ptr<QtFenster> fenster_;
    std::unique_ptr<Starterprogramm> programm_;
    bool gezeigt_ = false;
    bool mitRahmen_ = false;
};

// The launcher's window after its start-up.
std::unique_ptr<QWidget> StarterFensterBauen(ProgrammUmgebung& umgebung);

}  // namespace kronel
