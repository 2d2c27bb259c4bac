#pragma once
// The tip of the day, in the planner and the output program.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kronel {

class Zufall;

class Tips final : public QDialog {
public:
    // The draws take their numbers from zufall, which outlives the window.
    explicit Tips(Zufall& zufall, QWidget* besitzer = nullptr);

    QLabel* bezTip0;
    QLabel* bezTip;
    QLabel* Anzeige;
    QCheckBox* strgAutoTip;
    QPushButton* befNext;
    QPushButton* befAbbrechen;

    // Draws and shows another tip; the empty state without one.
    void befNext_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void KeineTipsAnzeigen();

    Zufall& zufall_;
    QString datei_;
};

// Shows the tip window modally and unloads it; draws with a generator seeded
// once per run.
void TipsZeigen(QWidget* besitzer);

}  // namespace kronel
