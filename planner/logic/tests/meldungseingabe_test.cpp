#include <gtest/gtest.h>

#include "planner/meldungseingabe.h"

using namespace kronel;

namespace {

QString L(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

TEST(MeldungEinpassen, SteuerzeichenKommenNichtInDenTermin) {
    // A tab typed over the whole selected text leaves the text as it was.
    MeldungsEingabe e = MeldungEinpassen(L("Zahnarzt"), L("\t"), 1024);
    EXPECT_EQ(e.text, QString());
    e = MeldungEinpassen(L("Zahnarzt"), L("Zahn\tarzt"), 1024);
    EXPECT_EQ(e.text, L("Zahnarzt"));
    EXPECT_EQ(e.cursor, 4);
    EXPECT_FALSE(e.gekuerzt);
    // Pasted: breaks of any kind stay one break, other controls go, € stays.
    e = MeldungEinpassen(L("a"),
                         L("a\r\nb\rc\x01\x1b"
                           "d\u2028e \u20ac\u4e2d"),
                         1024);
    EXPECT_EQ(e.text, L("a\nb\ncd\ne \u20ac?"));
    // A loaded record keeps its own tab when something else is typed.
    e = MeldungEinpassen(L("A\tB"), L("A\tBC"), 1024);
    EXPECT_EQ(e.text, L("A\tBC"));
}

TEST(MeldungEinpassen, EinfuegenNimmtWasPasstUndMeldetDenRest) {
    const QString voll(1020, QLatin1Char('x'));
    MeldungsEingabe e = MeldungEinpassen(voll, voll.left(10) + L("123456") + voll.mid(10), 1024);
    EXPECT_EQ(e.text, voll.left(10) + L("1234") + voll.mid(10));
    EXPECT_EQ(e.cursor, 14);
    EXPECT_TRUE(e.gekuerzt);
    // A break counts two: it no longer fits with three characters left.
    const QString fast(1022, QLatin1Char('x'));
    e = MeldungEinpassen(fast, fast + L("a\nb"), 1024);
    EXPECT_EQ(e.text, fast + L("a"));
    EXPECT_TRUE(e.gekuerzt);
    // Typing into a full field changes nothing; replacing a selection is fine.
    const QString ganz(1024, QLatin1Char('x'));
    e = MeldungEinpassen(ganz, ganz + L("y"), 1024);
    EXPECT_EQ(e.text, ganz);
    EXPECT_TRUE(e.gekuerzt);
    e = MeldungEinpassen(ganz, L("yy") + ganz.mid(2), 1024);
    EXPECT_EQ(e.text, L("yy") + ganz.mid(2));
    EXPECT_FALSE(e.gekuerzt);
}

TEST(EinfuegungEinpassen, PasstVorDemEinfuegenEin) {
    // Without a limit only the characters are fitted.
    Einfuegung e = EinfuegungEinpassen(L("a\tb\r\nc\u03a9"), std::nullopt);
    EXPECT_EQ(e.text, L("ab\nc?"));
    EXPECT_FALSE(e.gekuerzt);
    // Counted after the fitting: the tab takes no room, the break two.
    e = EinfuegungEinpassen(L("a\tb\r\nc"), 4);
    EXPECT_EQ(e.text, L("ab\n"));
    EXPECT_TRUE(e.gekuerzt);
    // A field already over its limit takes nothing.
    e = EinfuegungEinpassen(L("x"), -3);
    EXPECT_EQ(e.text, QString());
    EXPECT_TRUE(e.gekuerzt);
    EXPECT_FALSE(EinfuegungEinpassen(QString(), 0).gekuerzt);
}
