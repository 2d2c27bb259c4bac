#include "shared_ui/paketmenue.h"

#include <QMenu>

#include <algorithm>

namespace kronel {

QtPaketMenue::QtPaketMenue(const QList<QAction*>& eintraege,
                           std::function<void(const QString&)> status)
    : status_(std::move(status)) {
    for (QAction* a : eintraege) {
        eintraege_.append(a);
    }
}

void QtPaketMenue::eintragFreigeben(int index, bool frei) {
    if (index >= 0 && index < eintraege_.size() && eintraege_[index] != nullptr) {
        eintraege_[index]->setEnabled(frei);
    }
}

void QtPaketMenue::eintragVerbergen(int index) {
    if (index >= 0 && index < eintraege_.size() && eintraege_[index] != nullptr) {
        eintraege_[index]->setVisible(false);
        // A submenu left without an item would open nothing: its entry stands grey.
        for (QObject* o : eintraege_[index]->associatedObjects()) {
            if (auto* menue = qobject_cast<QMenu*>(o)) {
                const QList<QAction*> aktionen = menue->actions();
                menue->menuAction()->setEnabled(
                    std::any_of(aktionen.begin(), aktionen.end(),
                                [](const QAction* a) { return a->isVisible(); }));
            }
        }
    }
}

void QtPaketMenue::statusSetzen(const QString& text) {
    if (status_) {
        status_(text);
    }
}

}  // namespace kronel
