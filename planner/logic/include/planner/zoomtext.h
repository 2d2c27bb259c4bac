#pragma once
// The enlarged message editor without its window: its status panels, what of
// an insertion still fits the maximum length, and the steps of its display
// font. Lengths and positions count a line break as two characters, as the
// record stores it (CR LF); the editor itself holds single line breaks.

#include <QList>
#include <QString>

namespace kronel {

// The length of an editor text as the record counts it.
qsizetype SatzLaenge(const QString& text);
// An editor position as the record counts it, and back (a record position
// inside a line break goes to the break's start).
qsizetype SatzPosition(const QString& text, qsizetype position);
qsizetype EditorPosition(const QString& text, qsizetype satzPosition);

// The panels "Position" (with its tooltip) and "Prozent" for the caret at
// position: " 1 Ze  1 / 50 Zeichen ", "keine Eingaben" for an empty text; "25%",
// nothing without a maximum length.
struct ZoomPanels {
    QString Position;
    QString PositionTip;
    QString Prozent;
    bool operator==(const ZoomPanels&) const = default;
};
ZoomPanels ZoomPanelsBilden(const QString& text, qsizetype position, int maxLength);

// The part of einfuegung that fits when frei characters are left (a line break
// is never cut in two).
QString EinfuegungKuerzen(const QString& einfuegung, qsizetype frei);

// Ctrl+D and Ctrl+U: the date "dd.mm.yyyy" and the time "hh:mm" of now, each
// with a blank behind.
QString ZoomDatumText();
QString ZoomZeitText();

// The next font size of the list in that direction (+1 larger, -1 smaller);
// at either end the size stays.
double SchriftSchritt(const QList<int>& groessen, double jetzt, int richtung);

}  // namespace kronel
