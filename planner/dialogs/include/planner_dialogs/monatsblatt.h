#pragma once
// The month-sheet date picker: a calendar, six switches, "&Ok" and a status bar
// describing the day shown. It has no cancel: however it is closed, the day it
// shows is the answer.

#include <QDialog>

#include <array>

#include "planner/nebenfenster.h"

class QCalendarWidget;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;

namespace kronel {

class FensterVerzeichnis;

class Monatsblatt final : public QDialog {
public:
    explicit Monatsblatt(QWidget* besitzer = nullptr);

    // The caller's caption, start day and field date (empty: none).
    void Vorbereiten(const MonatsblattAnfrage& anfrage);

    QCalendarWidget* Calendar;
    std::array<QPushButton*, 6> befSwitch{};
    QPushButton* befOk;
    QStatusBar* StatusBar;
    QTimer* TimerRefresh;

    void befOk_Click();
    void befSwitch_Click(int index);
    void TimerRefresh_Timer();

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    void showEvent(QShowEvent* e) override;

private:
    QLabel* panel(const char* schluessel) const;
    void FeiertagPlatzSchaffen(QLabel* panel);
    // The status panels for the day shown.
    void PanelsZeigen();
};

// Shows the picker modally over the owner and unloads it: the day it showed.
MonatsblattErgebnis MonatsblattZeigen(QWidget* besitzer, const MonatsblattAnfrage& anfrage);
// Registers the picker for the main window.
void MonatsblattEintragen(FensterVerzeichnis& fenster);

}  // namespace kronel
