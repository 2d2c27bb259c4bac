#pragma once
// Our help window over the HTML help pages.

#include <QWidget>

#include "platform/dienste.h"

class QTextBrowser;

namespace kronel {

class HilfeFenster final : public QWidget {
public:
    HilfeFenster();
    QTextBrowser* Seite;
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
