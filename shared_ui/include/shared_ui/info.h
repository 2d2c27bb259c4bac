#pragma once
// The about box that all four programs share.

#include <QDialog>

class QLabel;
class QPushButton;

namespace kronel {

// Shows program name and version; its button, Esc, Enter, Space and the close
// box hide it, and it stays loaded for the run.
class Info final : public QDialog {
public:
    Info();
    QLabel* bezProgramm;
    QLabel* bezVersion;
    QPushButton* befAbbrechen;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// The about box of this run (created on first use; nullptr before).
Info* InfoFenster();
// Creates the about box on first use and shows it modally without an owner.
void InfoZeigen();

}  // namespace kronel
