#pragma once
// Records of the reminder's tests, built from their fields.

#include <QString>

#include "testsupport/utf8.h"

namespace kronel::test {

// A record from its fields, padded to the fixed columns; every station.
inline QString Termin(const char* schluessel, const char* von, const char* bis, const char* meldung,
                      const char* zyklus = "-") {
    return L(schluessel) + L(von).leftJustified(4) + L(bis).leftJustified(4) +
           L("-").leftJustified(10) + L(zyklus).leftJustified(4) + L("Alle").leftJustified(7) +
           L(meldung);
}

}  // namespace kronel::test
