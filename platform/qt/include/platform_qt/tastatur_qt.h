#pragma once
// The keyboard state of the desktop: Shift from Qt, Caps Lock from X11 where
// an X display is reachable (off elsewhere, as under Wayland alone or offscreen).

#include "platform/tastatur.h"

namespace kronel {

class QtTastatur final : public Tastatur {
public:
    bool umschaltGedrueckt() const override;
    bool feststelltasteAn() const override;
    bool strgGedrueckt() const override;
};

}  // namespace kronel
