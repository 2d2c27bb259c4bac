#pragma once
// The package submenu ("&Zusätzliche Programme", items mnuPrg 0 to 3) of a main
// window as the package launcher sees it.

#include <QAction>
#include <QList>
#include <QPointer>

#include <functional>

#include "common/paket.h"

namespace kronel {

class QtPaketMenue final : public PaketMenue {
public:
    // status sets the text of the status panel "Status" and repaints it at once.
    QtPaketMenue(const QList<QAction*>& eintraege, std::function<void(const QString&)> status);
    void eintragFreigeben(int index, bool frei) override;
    void eintragVerbergen(int index) override;
    void statusSetzen(const QString& text) override;

private:
    QList<QPointer<QAction>> eintraege_;
    std::function<void(const QString&)> status_;
};

}  // namespace kronel
