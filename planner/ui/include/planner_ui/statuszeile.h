#pragma once
// The prompt panel of the status bar breaks its text into lines and keeps the
// height the longest of its prompts needs at the panel's width, so the bar
// keeps its height from field to field. A change of the bar's height is
// reported, because the window's layout ends above the bar.

#include <QObject>
#include <QStringList>

#include <functional>

class QLabel;

namespace kronel {

class StatusZeilen final : public QObject {
public:
    StatusZeilen(QLabel* panel, QStringList hinweise, std::function<void()> hoeheGeaendert);

    // The panel's height that shows each prompt whole at the width breite.
    int Hoehe(int breite) const;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    QLabel* panel_;
    QStringList hinweise_;
    std::function<void()> hoeheGeaendert_;
    int breite_ = -1;
};

}  // namespace kronel
