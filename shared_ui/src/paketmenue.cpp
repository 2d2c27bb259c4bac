#include "shared_ui/paketmenue.h"

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
    }
}

void QtPaketMenue::statusSetzen(const QString& text) {
    if (status_) {
        status_(text);
    }
}

}  // namespace kronel
