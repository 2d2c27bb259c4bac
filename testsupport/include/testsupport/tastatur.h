#pragma once
// Key states for tests.

#include "platform/tastatur.h"

namespace kronel::test {

class FakeTastatur final : public Tastatur {
public:
    bool umschaltGedrueckt() const override { return umschalt; }
    bool feststelltasteAn() const override { return feststell; }
    bool strgGedrueckt() const override { return strg; }
    bool umschalt = false;
    bool feststell = false;
    bool strg = false;
};

}  // namespace kronel::test
