#pragma once
// The pictures of the settings dialog's five tabs.

#include <QIcon>

namespace kronel {

// The picture of tab 0 to 4: the desktop theme's icon, else our drawing.
QIcon SetupBild(int reiter);

}  // namespace kronel
