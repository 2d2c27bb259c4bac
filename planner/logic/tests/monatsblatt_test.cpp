#include <gtest/gtest.h>

#include "planner/monatsblatt.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

const QDate kHeute(2026, 12, 9);

std::optional<QDate> Taste(int taste, const QDate& d, bool strg = false, bool andere = false) {
    return MonatsblattTaste(taste, strg, andere, d, kHeute);
}

}  // namespace

TEST(Monatsblatt, PanelsBeschreibenDenGezeigtenTag) {
    test::TestUmgebung umgebung;
    umgebung.schreiben(umgebung.programm() + L("/Feiertag.Ini"),
                       "[Feiertage]\r\n24.12=Heiligabend\r\n");
    EXPECT_EQ(MonatsblattPanelsBilden(QDate(2026, 3, 1), kHeute).Datum, L(" 01.03.2026 "));
    EXPECT_EQ(MonatsblattPanelsBilden(QDate(2026, 3, 16), kHeute).KW, L(" 12. Woche "));
    // German grouping whatever the locale: the tests run under C.UTF-8.
    EXPECT_EQ(MonatsblattPanelsBilden(kHeute.addDays(1234), kHeute).vor, L(" in 1.234 Tagen "));
    EXPECT_EQ(MonatsblattPanelsBilden(kHeute.addDays(-1), kHeute).vor, L(" vor 1 Tag "));
    EXPECT_EQ(MonatsblattPanelsBilden(kHeute.addDays(1), kHeute).vor, L(" in 1 Tag "));
    EXPECT_EQ(MonatsblattPanelsBilden(kHeute, kHeute).vor, L(" vor 0 Tagen "));
    EXPECT_EQ(MonatsblattPanelsBilden(QDate(2027, 12, 24), kHeute).Feiertag, L("Heiligabend"));
    EXPECT_EQ(MonatsblattPanelsBilden(QDate(2027, 12, 23), kHeute).Feiertag, QString());
}

TEST(Monatsblatt, SchalterGehenNachKalender) {
    const QDate d(2026, 1, 31);
    EXPECT_EQ(MonatsblattSchalter(0, d, kHeute, {}), kHeute);
    EXPECT_EQ(MonatsblattSchalter(1, d, kHeute, L("17.05.1998")), QDate(1998, 5, 17));
    // A field date that is no date leaves the calendar where it is.
    EXPECT_EQ(MonatsblattSchalter(1, d, kHeute, MonatsblattPlatzhalter()), std::nullopt);
    EXPECT_EQ(MonatsblattSchalter(2, QDate(2026, 3, 31), kHeute, {}), QDate(2026, 2, 28));
    EXPECT_EQ(MonatsblattSchalter(3, d, kHeute, {}), QDate(2026, 2, 28));
    EXPECT_EQ(MonatsblattSchalter(3, QDate(2028, 1, 31), kHeute, {}), QDate(2028, 2, 29));
    EXPECT_EQ(MonatsblattSchalter(4, QDate(2028, 2, 29), kHeute, {}), QDate(2027, 2, 28));
    EXPECT_EQ(MonatsblattSchalter(5, d, kHeute, {}), QDate(2027, 1, 31));
    EXPECT_EQ(MonatsblattSchalter(6, d, kHeute, {}), std::nullopt);
}

TEST(Monatsblatt, TastenDerTabelleUndNurDiese) {
    const QDate d(2026, 3, 31);
    EXPECT_EQ(Taste(Qt::Key_PageUp, d), QDate(2026, 2, 28));
    EXPECT_EQ(Taste(Qt::Key_PageDown, QDate(2026, 1, 31)), QDate(2026, 2, 28));
    EXPECT_EQ(Taste(Qt::Key_Home, d), QDate(2026, 3, 1));
    EXPECT_EQ(Taste(Qt::Key_Home, d, true), kHeute);
    EXPECT_EQ(Taste(Qt::Key_End, QDate(2026, 3, 2)), QDate(2026, 3, 30));
    EXPECT_EQ(Taste(Qt::Key_End, QDate(2026, 2, 2)), QDate(2026, 2, 28));
    EXPECT_EQ(Taste(Qt::Key_End, QDate(2028, 2, 2)), QDate(2028, 2, 29));
    // Other keys and shift states are the calendar's own.
    EXPECT_EQ(Taste(Qt::Key_Left, d), std::nullopt);
    EXPECT_EQ(Taste(Qt::Key_PageUp, d, true), std::nullopt);
    EXPECT_EQ(Taste(Qt::Key_End, d, true), std::nullopt);
    EXPECT_EQ(Taste(Qt::Key_Home, d, true, true), std::nullopt);
    EXPECT_EQ(Taste(Qt::Key_Home, d, false, true), std::nullopt);
}

TEST(Monatsblatt, JahrBleibtZwischen1900Und2100) {
    EXPECT_EQ(MonatsblattJahrHalten(QDate(1850, 6, 15)), QDate(1900, 6, 15));
    EXPECT_EQ(MonatsblattJahrHalten(QDate(2200, 6, 15)), QDate(2100, 6, 15));
    EXPECT_EQ(MonatsblattJahrHalten(QDate(1896, 2, 29)), QDate(1900, 2, 28));
    EXPECT_EQ(MonatsblattJahrHalten(QDate(1900, 1, 1)), QDate(1900, 1, 1));
    EXPECT_EQ(MonatsblattJahrHalten(QDate(2100, 12, 31)), QDate(2100, 12, 31));
}
