#pragma once
// The prompt panel of the status bar breaks its text into lines and keeps the
// height the longest of its prompts needs at the panel's width, so the bar
// keeps its height from field to field; no word of a prompt is cut. A change
// of the bar's height or of its panels is reported: the window's layout ends
// above the bar, and the window is never narrower than the bar's panels.

#include <QObject>
#include <QStringList>

#include <functional>

class QLabel;

namespace kronel {

class StatusZeilen final : public QObject {
public:
    StatusZeilen(QLabel* panel, QStringList hinweise, std::function<void()> leisteGeaendert);

    // The panel's height that shows each prompt whole at the width breite.
    int Hoehe(int breite) const;
    // The width of the widest word of the prompts in the panel.
    int Breite() const;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    QLabel* panel_;
    QStringList hinweise_;
    std::function<void()> leisteGeaendert_;
    int breite_ = -1;
};

}  // namespace kronel
