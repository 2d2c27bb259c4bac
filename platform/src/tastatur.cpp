#include "platform/tastatur.h"

namespace kronel {

namespace {

const Tastatur*& Installiert() {
    static const Tastatur* t = nullptr;
    return t;
}

class KeineTasten final : public Tastatur {
public:
    bool umschaltGedrueckt() const override { return false; }
    bool feststelltasteAn() const override { return false; }
    bool strgGedrueckt() const override { return false; }
};

}  // namespace

const Tastatur& tastatur() {
    static const KeineTasten keine;
    return Installiert() != nullptr ? *Installiert() : keine;
}

const Tastatur* TastaturSetzen(const Tastatur* t) {
    const Tastatur* vorher = Installiert();
    Installiert() = t;
    return vorher;
}

}  // namespace kronel
