#pragma once
// The planner's title screen: product name, version and the picture of the
// season while the main window loads.

#include <QWidget>

#include <functional>

#include "planner/titel.h"

class QLabel;
class QTimer;

namespace kronel {

class Titel final : public QWidget {
public:
    // mainZeigen builds, starts and shows the main window in the given state;
    // it runs inside the first counted tick.
    explicit Titel(std::function<void(Qt::WindowStates)> mainZeigen);

    // Form_Load after the first showing; true when the title is to go at once.
    void Laden();
    // One tick of the timer Zeit; true once the title is done.
    bool ZeitTimer();
    bool Fertig() const { return fertig_; }

    QLabel* bezInfoDo;
    QLabel* BezAutor;
    QTimer* Zeit;

protected:
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    std::function<void(Qt::WindowStates)> mainZeigen_;
    TitelAblauf ablauf_;
    std::optional<Jahresbild> bild_;
    Qt::WindowStates startZustand_ = Qt::WindowNoState;
    bool ersteGroesse_ = true;
    bool fertig_ = false;
    QPoint funke_{-1, -1};
};

// Shows the title, then the main window, and returns once the title has gone
// (a nested event loop runs meanwhile).
void TitelAblaufen(const std::function<void(Qt::WindowStates)>& mainZeigen);

}  // namespace kronel
