#pragma once
// Drives windows in a window test: modal windows, whose action runs inside
// their own event loop once they are open, and keys. Part of the test support
// for windows (kronel_testsupport_ui), which links Qt Widgets.

#include <QStringList>
#include <QWidget>

class QMimeData;

#include <functional>
#include <type_traits>

namespace kronel::test {

// Looks for the active modal window every few milliseconds while the event
// loop runs; the first one that passt accepts gets was, once. Gives up after
// ten seconds, and at the end of the test, so that a window that never opens
// leaves no timer behind.
void ModalBedienen(std::function<bool(QWidget*)> passt, std::function<void(QWidget*)> was);

// Does was to the modal window of type T that opens next.
template <typename T = QWidget>
void BeimNaechstenModalen(std::type_identity_t<std::function<void(T*)>> was) {
    ModalBedienen([](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                  [was = std::move(was)](QWidget* w) { was(qobject_cast<T*>(w)); });
}

// Sends a key press and its release to a window, with the text it types.
void Taste(QWidget* w, int taste, const QString& text = {},
           Qt::KeyboardModifiers mod = Qt::NoModifier);
// Types any characters, one key each (QTest's key clicks know ASCII only).
void Tippen(QWidget* w, const QString& text);
// Drags daten onto w and drops them at wo, as a person drags from another
// program (a drop is taken only after the drag entered and moved, each taken).
void Fallenlassen(QWidget* w, const QMimeData& daten, QPoint wo = {2, 2});

// Types "a" and Enter into every editable combo box of fenster, whose list
// offers "Ab" first; Enter goes no further than the box (no button of the
// window is pressed). Each box as "objectName=text it then holds", by name.
QStringList KombisBetippen(QWidget* fenster);

// Pastes with Ctrl+V, Shift+Insert and from the context menu (opened by a
// right-click and by the Menu key), and drops, what brings nothing a field
// keeps into every one-line field of fenster (a line edit, also that of a combo
// box or a spin box), its text but the first character selected ("12" into a
// shorter one). Each field by the name of the widget that takes its keys, with
// ": " and its text when the text or the selection changed; sorted.
QStringList LeerEinfuegen(QWidget* fenster);

}  // namespace kronel::test
