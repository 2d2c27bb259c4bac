#include <gtest/gtest.h>

#include "common/befehl.h"
#include "common/modul.h"
#include "testsupport/drucken.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;

class Befehl : public ::testing::Test {
protected:
    static QStringList Worte(int n) { return modul().BefehlWorte.mid(1, n); }
    test::TestUmgebung umgebung;
};
}  // namespace

TEST_F(Befehl, TrennerInFolgeUndAmAnfangGebenKeineLeerenWorte) {
    QString text = L("a|b||c");
    QString trenner = L("|");
    EXPECT_EQ(BefehlZerlegen(text, trenner), 3);
    EXPECT_EQ(Worte(3), QStringList({L("a"), L("b"), L("c")}));
    EXPECT_EQ(text, L("a|b||c|"));  // the caller's text ends in the first delimiter

    text = L("|a|");
    EXPECT_EQ(BefehlZerlegen(text, trenner), 1);
    EXPECT_EQ(modul().BefehlWorte[1], L("a"));

    text.clear();
    EXPECT_EQ(BefehlZerlegen(text, trenner), 0);
    ASSERT_EQ(modul().BefehlWorte.size(), 51);
    for (const QString& w : modul().BefehlWorte) {
        EXPECT_TRUE(w.isEmpty());
    }
}

TEST_F(Befehl, StandardTrenner) {
    QString text = L("eins zwei/drei,vier;fünf|sechs");
    QString trenner;
    EXPECT_EQ(BefehlZerlegen(text, trenner), 6);
    EXPECT_EQ(Worte(6),
              QStringList({L("eins"), L("zwei"), L("drei"), L("vier"), L("fünf"), L("sechs")}));
    EXPECT_EQ(trenner, L(" /,;|\t\n\r"));
    text = L("a\tb\r\nc");
    EXPECT_EQ(BefehlZerlegen(text, trenner), 3);
    EXPECT_EQ(Worte(3), QStringList({L("a"), L("b"), L("c")}));
    // exact comparison: "A" is no delimiter for "a"
    text = L("xAyaz");
    QString a = L("a");
    EXPECT_EQ(BefehlZerlegen(text, a), 2);
    EXPECT_EQ(Worte(2), QStringList({L("xAy"), L("z")}));
}

TEST_F(Befehl, KuerzereZerlegungLeertDieAlten) {
    QString text = L("1|2|3|4|5");
    QString trenner = L("|");
    EXPECT_EQ(BefehlZerlegen(text, trenner), 5);
    text = L("x|y");
    EXPECT_EQ(BefehlZerlegen(text, trenner), 2);
    EXPECT_EQ(modul().BefehlWorte[2], L("y"));
    for (int i = 3; i <= 5; ++i) {
        EXPECT_TRUE(modul().BefehlWorte[i].isEmpty()) << i;
    }
}

TEST_F(Befehl, MehrAlsFuenfzigWorteBleibenAlle) {
    QStringList viele;
    for (int i = 1; i <= 120; ++i) {
        viele << QStringLiteral("Station%1").arg(i);
    }
    QString text = viele.join(QLatin1Char('|'));
    QString trenner = L("|");
    EXPECT_EQ(BefehlZerlegen(text, trenner), 120);
    EXPECT_EQ(Worte(120), viele);
}
