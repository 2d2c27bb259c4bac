#pragma once
// Key states for tests.

#include "platform/tastatur.h"

namespace kronel::test {

class FakeTastatur final : public Tastatur {
public:
    bool umschaltGedrueckt() const override { return umschalt; }
    bool feststelltasteAn() const override { return feststell; }
    bool umschalt = false;
    bool feststell = false;
};

}  // namespace kronel::test
