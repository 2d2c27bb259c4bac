#pragma once
// System facts for tests: an uptime and drive kinds by folder.

#include <QHash>

#include "platform/systemfakten.h"

namespace kronel::test {

// Up for an hour; every folder on a fixed disk unless named otherwise.
class FakeSystemfakten final : public Systemfakten {
public:
    double laufzeitSekunden() const override { return laufzeit; }
    Laufwerksart laufwerksart(const QString& ordner) const override {
        return arten.value(ordner, Laufwerksart::Festplatte);
    }
    double laufzeit = 3600;
    QHash<QString, Laufwerksart> arten;
};

}  // namespace kronel::test
