#pragma once
// The text box of an appointment's message (the main window's message field and
// the enlarged editor): what is typed, pasted, dropped or inserted is fitted
// before it enters, as the record can hold it.

#include <QPlainTextEdit>

#include "planner/meldungseingabe.h"

namespace kronel {

class MeldungsFeld : public QPlainTextEdit {
public:
    explicit MeldungsFeld(QWidget* eltern) : QPlainTextEdit(eltern) {}
    // The maximum length as the record counts it (a line break two); 0: none.
    int MaxLength = 0;

    // What of text goes in place of the selection (EinfuegungEinpassen).
    Einfuegung Passend(const QString& text) const;
    // Replaces the selection by what of text fits, with a beep when something
    // was left out; false then.
    bool Einfuegen(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    // Only plain text is taken. Qt's own insertion is never asked: it reads the
    // first format of the clipboard without looking whether there is one, and
    // an empty clipboard (one no program owns) has none.
    bool canInsertFromMimeData(const QMimeData* quelle) const override;
    void insertFromMimeData(const QMimeData* quelle) override;
};

}  // namespace kronel
