#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QValidator>

#include <algorithm>

#include "platform/wache.h"
#include "platform_qt/oberflaeche_qt.h"

namespace kronel {

namespace {

// Whether pasting text in place of feld's selection would bring in nothing the
// field keeps (after its length limit and its validator): its text would be
// the text without the selection, or the field would refuse the paste.
bool EinfuegenBringtNichts(const QLineEdit& feld, const QString& text) {
    const int start = feld.hasSelectedText() ? feld.selectionStart() : feld.cursorPosition();
    QString ohne = feld.text();
    ohne.remove(start, feld.selectionLength());
    QString mit = ohne;
    const QString hinein = text.left(std::max<qsizetype>(0, feld.maxLength() - ohne.size()));
    mit.insert(start, hinein);
    int pos = start + static_cast<int>(hinein.size());
    const QValidator* pruefer = feld.validator();
    return (pruefer != nullptr && pruefer->validate(mit, pos) == QValidator::Invalid) ||
           mit == ohne;
}

// The line edit that takes a widget's keys: its own, or that of an editable
// combo box or a spin box.
QLineEdit* Zeile(QObject* ziel) {
    if (auto* feld = qobject_cast<QLineEdit*>(ziel)) {
        return feld;
    }
    for (QLineEdit* feld : ziel->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        if (feld->focusProxy() == ziel) {
            return feld;
        }
    }
    return nullptr;
}

// Whether a paste or a drop could change feld at all.
bool NimmtText(const QLineEdit* feld) {
    return feld != nullptr && feld->isEnabled() && !feld->isReadOnly();
}

// Qt's line edit removes the selection before it pastes, also when what it
// pastes is nothing the field keeps, and the field's fitting comes after: such
// a paste is stopped before it starts, from a key or from the context menu. A
// drag of such text is refused, so that it does not move the caret either.
// The clipboard is asked only for a field that takes the paste: an owner that
// does not answer holds up every question for seconds.
class LeeresEinfuegen final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override {
        return AbgesichertAusfuehren([&] { return Abfangen(ziel, e); },
                                     "LeeresEinfuegen_eventFilter", false);
    }

private:
    static bool Abfangen(QObject* ziel, QEvent* e) {
        switch (e->type()) {
            case QEvent::KeyPress:
                return TasteAbfangen(ziel, *static_cast<QKeyEvent*>(e));
            case QEvent::Show:
                MenueAnpassen(ziel);
                return false;
            case QEvent::DragEnter:
                return ZiehenAbweisen(ziel, *static_cast<QDropEvent*>(e));
            default:
                return false;
        }
    }

    static bool TasteAbfangen(QObject* ziel, QKeyEvent& k) {
        if (!k.matches(QKeySequence::Paste)) {
            return false;
        }
        QLineEdit* feld = Zeile(ziel);
        if (!NimmtText(feld)) {
            return false;
        }
        QClipboard* ablage = QGuiApplication::clipboard();
        // Ctrl+Shift+Insert pastes the X11 selection, as in Qt's line edit.
        const bool auswahl = k.key() == Qt::Key_Insert &&
                             k.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                             ablage->supportsSelection();
        if (!EinfuegenBringtNichts(
                *feld, ablage->text(auswahl ? QClipboard::Selection : QClipboard::Clipboard))) {
            return false;
        }
        k.accept();  // taken here: no parent sees it
        return true;
    }

    // Greys the paste of a field's standard context menu as it opens, whoever
    // opens it: the field, an editable combo box (which hands the field its
    // event past every filter) or a spin box with a menu of its own. Qt
    // enables paste only where it found text, so the clipboard is asked again
    // only when its owner has just answered.
    static void MenueAnpassen(QObject* ziel) {
        auto* menue = qobject_cast<QMenu*>(ziel);
        auto* feld = menue != nullptr ? qobject_cast<QLineEdit*>(menue->parentWidget()) : nullptr;
        if (!NimmtText(feld)) {
            return;
        }
        for (QAction* a : menue->actions()) {
            if (a->isEnabled() && a->text().startsWith(QLineEdit::tr("&Paste")) &&
                EinfuegenBringtNichts(*feld, QGuiApplication::clipboard()->text())) {
                a->setEnabled(false);
            }
        }
    }

    // Such a drag is refused as it enters a field: Qt sends its moves and its
    // drop only where an entry was taken, so the caret stays where it is and
    // the dragged text is not asked for again at each move.
    static bool ZiehenAbweisen(QObject* ziel, QDropEvent& e) {
        auto* feld = qobject_cast<QLineEdit*>(ziel);
        if (!NimmtText(feld) || !EinfuegenBringtNichts(*feld, e.mimeData()->text())) {
            return false;
        }
        e.ignore();
        return true;
    }
};

}  // namespace

void LeeresEinfuegenAbfangen() {
    static QPointer<QObject> filter;  // goes with the application object
    if (filter == nullptr) {
        filter = new LeeresEinfuegen(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
    }
}

}  // namespace kronel
