// Any text evaluates and ends: a value (the text as it was or marked with "%"),
// or a run-time fault 5, 6 or 11 with the text as it was.

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "common/formel.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"

using namespace kronel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    static auto* umgebung = new test::TestUmgebung();
    (void)umgebung;
    QString text = AusCp1252(
        QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse)));
    const QString vorher = text;
    const auto r = FormelAuswerten(text);
    if (r.ok()) {
        if (!std::isfinite(*r) || (text != vorher && text != QLatin1Char('%') + vorher)) {
            std::abort();
        }
    } else {
        const int n = r.fehler().nummer;
        if (text != vorher || (n != 5 && n != 6 && n != 11)) {
            std::abort();
        }
    }
    return 0;
}
