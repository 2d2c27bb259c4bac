#pragma once
// The state of the keys that hold a program start back (Shift held, Caps Lock on)
// and of Ctrl, which keeps the planner's title screen up.

namespace kronel {

class Tastatur {
public:
    virtual ~Tastatur() = default;
    virtual bool umschaltGedrueckt() const = 0;
    virtual bool feststelltasteAn() const = 0;
    virtual bool strgGedrueckt() const = 0;
};

// The keyboard in force; without an installed one no key is held and Caps Lock is off.
const Tastatur& tastatur();
// Installs a keyboard (nullptr: none) and returns the one before.
const Tastatur* TastaturSetzen(const Tastatur* t);

}  // namespace kronel
