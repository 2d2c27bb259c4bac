#pragma once
// Our help window over the HTML help pages.

#include <QWidget>

#include "platform/dienste.h"

class QKeyEvent;
class QTextBrowser;

namespace kronel {

class HilfeFenster final : public QWidget {
public:
    HilfeFenster();
    QTextBrowser* Seite;

protected:
    // Esc closes it, as every other window of the programs.
    void keyPressEvent(QKeyEvent* e) override;
};

// The help service: one help window for the run, created on first use.
class QtHilfe final : public HilfeDienst {
public:
    Status zeigen(const QString& datei, const QString& anker) override;
    void schliessen() override;
    HilfeFenster* fenster() const { return fenster_; }

private:
    HilfeFenster* fenster_ = nullptr;
};

}  // namespace kronel
