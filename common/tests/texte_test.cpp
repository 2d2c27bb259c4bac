#include <gtest/gtest.h>

#include "common/texte.h"
#include "platform/text.h"
#include "testsupport/drucken.h"

using namespace kronel;

namespace {
QString L(const char* s) {
    return QString::fromUtf8(s);
}
}  // namespace

TEST(OemNachAnsi, DosUmlauteNachDemDekodieren) {
    // the DOS bytes as a Windows-1252 file holds them
    QString text = AusCp1252(QByteArray("M\x81ller \x84 \x94 \xE1 \x8E \x99 \x9A!"));
    const QString ergebnis = OemNachAnsi(text);
    EXPECT_EQ(ergebnis, L("Müller ä ö ß Ä Ö Ü!"));
    EXPECT_EQ(text, ergebnis);
    QString ohne = L("Nichts zu tun: äöü ÄÖÜ ß");
    EXPECT_EQ(OemNachAnsi(ohne), L("Nichts zu tun: äöü ÄÖÜ ß"));
}

TEST(Wahrheitswert, ZahlenUndWorte) {
    for (const char* wahr : {"1", "-1", " 1 ", "True", "TRUE", "RICHTIG", "richtig", "1.4"}) {
        EXPECT_TRUE(Wahrheitswert(L(wahr))) << wahr;
    }
    for (const char* falsch : {"0", "2", "", "nein", "False", "falsch", "1x", "-2", "99999"}) {
        EXPECT_FALSE(Wahrheitswert(L(falsch))) << falsch;
    }
    EXPECT_TRUE(Wahrheitswert(-1.0));
    EXPECT_FALSE(Wahrheitswert(1.5));  // rounds to 2
    EXPECT_TRUE(Wahrheitswert(0.5 + 0.6));
}
