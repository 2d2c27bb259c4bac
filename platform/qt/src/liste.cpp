#include <QComboBox>
#include <QListWidget>

#include "platform_qt/oberflaeche_qt.h"

namespace kronel {

int QtListe::ListCount() const {
    if (auto* l = qobject_cast<QListWidget*>(w_)) {
        return l->count();
    }
    if (auto* k = qobject_cast<QComboBox*>(w_)) {
        return k->count();
    }
    return 0;
}

QString QtListe::List(int index) const {
    if (auto* l = qobject_cast<QListWidget*>(w_)) {
        const QListWidgetItem* e = l->item(index);
        return e != nullptr ? e->text() : QString();
    }
    if (auto* k = qobject_cast<QComboBox*>(w_)) {
        return k->itemText(index);
    }
    return {};
}

void QtListe::AddItem(const QString& eintrag) {
    if (auto* l = qobject_cast<QListWidget*>(w_)) {
        l->addItem(eintrag);
    } else if (auto* k = qobject_cast<QComboBox*>(w_)) {
        // An editable combo box keeps what is typed in its field.
        const QString text = k->currentText();
        k->addItem(eintrag);
        if (k->isEditable()) {
            k->setEditText(text);
        }
    }
}

void QtListe::RemoveItem(int index) {
    if (auto* l = qobject_cast<QListWidget*>(w_)) {
        delete l->takeItem(index);
    } else if (auto* k = qobject_cast<QComboBox*>(w_)) {
        k->removeItem(index);
    }
}

void QtListe::Clear() {
    if (auto* l = qobject_cast<QListWidget*>(w_)) {
        l->clear();
    } else if (auto* k = qobject_cast<QComboBox*>(w_)) {
        const QString text = k->currentText();
        k->clear();
        if (k->isEditable()) {
            k->setEditText(text);
        }
    }
}

QString QtListe::Text() const {
    if (auto* l = qobject_cast<QListWidget*>(w_)) {
        const QListWidgetItem* e = l->currentItem();
        return e != nullptr ? e->text() : QString();
    }
    if (auto* k = qobject_cast<QComboBox*>(w_)) {
        return k->currentText();
    }
    return {};
}

void QtListe::setText(const QString& text) {
    if (auto* l = qobject_cast<QListWidget*>(w_)) {
        const QList<QListWidgetItem*> gleich = l->findItems(text, Qt::MatchExactly);
        l->setCurrentItem(gleich.isEmpty() ? nullptr : gleich.front());
    } else if (auto* k = qobject_cast<QComboBox*>(w_)) {
        if (k->isEditable()) {
            k->setEditText(text);
        } else {
            k->setCurrentIndex(k->findText(text, Qt::MatchExactly));
        }
    }
}

}  // namespace kronel
