#pragma once
// The programs' emblem, a calendar sheet drawn in code: the title screen shows
// it, and the about box where the main window has no icon of its own.

#include <QPixmap>

namespace kronel {

// kantenlaenge pixels square; the second form for displays of fewer than 256 colours.
QPixmap Emblem(int kantenlaenge, bool vieleFarben = true);

}  // namespace kronel
