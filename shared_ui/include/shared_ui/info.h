#pragma once
// The about box that all four programs share.

#include <QDialog>

class QLabel;
class QPushButton;

namespace kronel {

// Program name, version and the system facts of the first showing; its button,
// Esc, Enter, Space and the close box hide it, and it stays loaded for the run.
// A double click on the notice line shows the usage statistics.
class Info final : public QDialog {
public:
    Info();
    QLabel* Emblem;
    QLabel* CopyrightName;
    QLabel* CopyrightHinweis;
    QLabel* SysInfo;
    QPushButton* befAbbrechen;

    void CopyrightHinweis_DblClick();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
};

// The about box of this run (created on first use; nullptr before).
Info* InfoFenster();
// Creates the about box on first use and shows it modally without an owner.
void InfoZeigen();

}  // namespace kronel
