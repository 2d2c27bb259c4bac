#include "planner_dialogs/meldungsfeld.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>

#include "planner/zoomtext.h"

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

void MeldungsFeld::keyPressEvent(QKeyEvent* e) {
    // Typing goes in as a paste does; keys with Ctrl or Alt are Qt's (shortcuts).
    QString text = e->text();
    const Qt::KeyboardModifiers mod = e->modifiers() & ~Qt::KeypadModifier;
    const bool zeile = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (zeile && (mod & ~Qt::ShiftModifier) == 0) {
        text = QStringLiteral("\n");
    }
    const bool tippt = !text.isEmpty() && (zeile || text[0].isPrint()) &&
                       (mod & (Qt::ControlModifier | Qt::AltModifier)) == 0;
    if (tippt && !isReadOnly()) {
        Einfuegen(text);
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void MeldungsFeld::inputMethodEvent(QInputMethodEvent* e) {
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
}

bool MeldungsFeld::canInsertFromMimeData(const QMimeData* quelle) const {
    return quelle != nullptr && quelle->hasText();
}

void MeldungsFeld::insertFromMimeData(const QMimeData* quelle) {
    if (canInsertFromMimeData(quelle)) {
        Einfuegen(quelle->text());
    }
}

}  // namespace kronel
