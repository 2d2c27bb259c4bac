#include "planner_dialogs/meldungsfeld.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>

#include "planner/zoomtext.h"
#include "shared_ui/programm.h"

namespace kronel {

Einfuegung MeldungsFeld::Passend(const QString& text) const {
    if (MaxLength <= 0) {
        return EinfuegungEinpassen(text, std::nullopt);
    }
    const QTextCursor c = textCursor();
    const QString ganz = toPlainText();
    const qsizetype ohneAuswahl =
        SatzLaenge(ganz) -
        SatzLaenge(c.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
    return EinfuegungEinpassen(text, MaxLength - ohneAuswahl);
}

bool MeldungsFeld::Einfuegen(const QString& text) {
    const Einfuegung e = Passend(text);
    if (e.gekuerzt) {
        QApplication::beep();
    }
    // Nothing that fits leaves the selection as it was.
    if (!e.text.isEmpty() || (!e.gekuerzt && textCursor().hasSelection())) {
        insertPlainText(e.text);
    }
    return !e.gekuerzt;
}

namespace {

// Whether Qt's own edit would insert the key's text as it is: Ctrl alone or
// with Shift makes a shortcut, Ctrl+Alt is AltGr; besides printable text Qt
// takes format characters, private ones and characters beyond 16 bits.
bool TextTaste(const QKeyEvent* e) {
    const QString text = e->text();
    const Qt::KeyboardModifiers mod = e->modifiers();
    if (text.isEmpty() || mod == Qt::ControlModifier ||
        mod == (Qt::ControlModifier | Qt::ShiftModifier)) {
        return false;
    }
    const QChar c = text[0];
    return c.isPrint() || c.category() == QChar::Other_Format ||
           c.category() == QChar::Other_PrivateUse ||
           (c.isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate());
}

}  // namespace

void MeldungsFeld::keyPressEvent(QKeyEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            // Whatever a key would bring in goes in as a paste does; the rest
            // (shortcuts, moving, deleting) is Qt's.
            const Qt::KeyboardModifiers mod = e->modifiers() & ~Qt::KeypadModifier;
            const bool zeile = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
                               (mod & ~Qt::ShiftModifier) == 0;
            if ((zeile || TextTaste(e)) && !isReadOnly()) {
                Einfuegen(zeile ? QStringLiteral("\n") : e->text());
                ensureCursorVisible();
                return;
            }
            QPlainTextEdit::keyPressEvent(e);
        },
        "MeldungsFeld_KeyPress");
}

void MeldungsFeld::inputMethodEvent(QInputMethodEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            if (e->commitString().isEmpty() || isReadOnly()) {
                QPlainTextEdit::inputMethodEvent(e);
                return;
            }
            const Einfuegung passt = Passend(e->commitString());
            if (passt.gekuerzt) {
                QApplication::beep();
            }
            QInputMethodEvent eingepasst(e->preeditString(), e->attributes());
            eingepasst.setCommitString(passt.text, e->replacementStart(), e->replacementLength());
            QPlainTextEdit::inputMethodEvent(&eingepasst);
        },
        "MeldungsFeld_InputMethod");
}

bool MeldungsFeld::canInsertFromMimeData(const QMimeData* quelle) const {
    // Text of which the field keeps nothing (a lone tab) is no text to it: a
    // paste or a drop leaves the selection as it is, after a failure too.
    return AbgesichertAusfuehren(
        [&] {
            return quelle != nullptr && quelle->hasText() &&
                   !EinfuegungEinpassen(quelle->text(), std::nullopt).text.isEmpty();
        },
        "MeldungsFeld_canInsertFromMimeData", false);
}

void MeldungsFeld::insertFromMimeData(const QMimeData* quelle) {
    AbgesichertAusfuehren(
        [&] {
            if (canInsertFromMimeData(quelle)) {
                Einfuegen(quelle->text());
            }
        },
        "MeldungsFeld_Paste");
}

}  // namespace kronel
