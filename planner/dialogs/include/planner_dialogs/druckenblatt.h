#pragma once
// The calendar sheet window "Kalenderblatt drucken": station, copies, colours,
// orientation, font sizes and the months; the run is planner/druckblatt.h.

#include "planner/druckblatt.h"
#include "planner_dialogs/druckdialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace kronel {

class DruckQuelle;
class NebenFenster;

class DruckenBlatt final : public DruckDialog {
public:
    DruckenBlatt(QWidget* besitzer, NebenFenster& fenster, const DruckQuelle* quelle);

    QGroupBox* Frame1;
    QComboBox* kombiAdresse;
    QCheckBox* strgNoData;
    QGroupBox* Rahmen1;
    QScrollBar* TDruckenAnzahl;
    QLabel* BezDruckenAnzahl;
    QCheckBox* strgPrnSW;
    QComboBox* kombiFontSize0;
    QComboBox* kombiFontSize1;
    QCheckBox* strgPrnQuer;
    QGroupBox* Rahmen2;
    QLabel* TDruckenAb;
    QToolButton* befSwitch0;
    QToolButton* befSwitch1;
    QScrollBar* LaufAnzMon;
    QLabel* BezAnzMon;
    QPushButton* befOk;
    QPushButton* BefAbbruch;
    QProgressBar* ProgressBar;

    void befOk_Click() override;
    void BefAbbruch_Click() override;
    void befSwitch_Click(int index);
    void TDruckenAb_DblClick();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    BlattOptionen optionen() const;
    void bedienbar(bool an);

    NebenFenster& fenster_;
    const DruckQuelle* quelle_;
};

}  // namespace kronel
