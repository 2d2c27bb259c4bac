#include <gtest/gtest.h>

#include "output/filter.h"
#include "platform/zufall.h"
#include "testsupport/drucken.h"
#include "testsupport/zufall.h"

using namespace kronel;
using test::FolgeZufall;

namespace {

QDateTime Am(int j, int m, int t) {
    return QDateTime(QDate(j, m, t), QTime(9, 30));
}

// The filter on that day; the dates of the appointment do not matter outside "dyn%".
bool Zeigt(const QString& filter, const QDateTime& jetzt,
           std::initializer_list<double> zufall = {}) {
    QString f = filter;
    FolgeZufall z(zufall);
    return FilterAuswerten(f, jetzt, jetzt.date(), jetzt.date(), z);
}

// Calendar facts of the test days (from an independent calendar):
const QDateTime Montag = Am(2026, 12, 7);    // week 50
const QDateTime Dienstag = Am(2026, 12, 8);  // week 50

}  // namespace

TEST(Filter, NoFilterShowsAlways) {
    for (const char* f : {"-", "", "   ", "-irgendwas", " - "}) {
        EXPECT_TRUE(Zeigt(QString::fromUtf8(f), Montag)) << f;
    }
    // Without a valid now nothing shows, not even without a filter.
    EXPECT_FALSE(Zeigt(QStringLiteral("-"), QDateTime()));
}

TEST(Filter, ComesBackTrimmedAndInLowerCase) {
    QString f = QStringLiteral("  Mo,DEZ ");
    FolgeZufall z;
    EXPECT_TRUE(FilterAuswerten(f, Montag, QDate(), QDate(), z));
    EXPECT_EQ(f, QStringLiteral("mo,dez"));
    f = QStringLiteral("MÄR");
    FilterAuswerten(f, Montag, QDate(), QDate(), z);
    EXPECT_EQ(f, QStringLiteral("mär"));
}

TEST(Filter, WeekdaysCountByTheirFirstTwoLetters) {
    for (const char* f : {"mo", "Mo", "montag", "MONTAG"}) {
        EXPECT_TRUE(Zeigt(QString::fromUtf8(f), Montag)) << f;
        EXPECT_FALSE(Zeigt(QString::fromUtf8(f), Dienstag)) << f;
    }
    EXPECT_FALSE(Zeigt(QStringLiteral("!mo"), Montag));
    EXPECT_TRUE(Zeigt(QStringLiteral("!mo"), Dienstag));
    EXPECT_TRUE(Zeigt(QStringLiteral("so"), Am(2026, 12, 13)));
    EXPECT_TRUE(Zeigt(QStringLiteral("sa"), Am(2026, 12, 12)));
}

TEST(Filter, MonthsCountByTheirFirstThreeLetters) {
    EXPECT_TRUE(Zeigt(QStringLiteral("dez"), Montag));
    EXPECT_TRUE(Zeigt(QStringLiteral("Dezember"), Montag));
    EXPECT_FALSE(Zeigt(QStringLiteral("nov"), Montag));
    for (const char* f : {"mär", "März", "MÄRZ"}) {
        EXPECT_TRUE(Zeigt(QString::fromUtf8(f), Am(2026, 3, 2))) << f;
    }
    EXPECT_FALSE(Zeigt(QStringLiteral("mar"), Am(2026, 3, 2)));
    EXPECT_TRUE(Zeigt(QStringLiteral("mai"), Am(2026, 5, 31)));
}

TEST(Filter, DaysAndRangesOfTheMonth) {
    EXPECT_TRUE(Zeigt(QStringLiteral("1-7"), Am(2026, 12, 1)));
    EXPECT_TRUE(Zeigt(QStringLiteral("1-7"), Am(2026, 12, 7)));
    EXPECT_FALSE(Zeigt(QStringLiteral("1-7"), Am(2026, 12, 8)));
    EXPECT_TRUE(Zeigt(QStringLiteral("15"), Am(2026, 2, 15)));
    EXPECT_FALSE(Zeigt(QStringLiteral("15"), Am(2026, 2, 16)));
    EXPECT_TRUE(Zeigt(QStringLiteral("10 - 20"), Am(2026, 2, 20)));
    // A range whose first number is above its last, and numbers outside the month, never show.
    for (int tag : {1, 3, 5, 25, 31}) {
        EXPECT_FALSE(Zeigt(QStringLiteral("25-5"), Am(2026, 12, tag))) << tag;
    }
    for (int tag : {1, 31}) {
        EXPECT_FALSE(Zeigt(QStringLiteral("0"), Am(2026, 12, tag)));
        EXPECT_FALSE(Zeigt(QStringLiteral("32"), Am(2026, 12, tag)));
    }
    EXPECT_TRUE(Zeigt(QStringLiteral("!15"), Am(2026, 2, 16)));
    // A term that fits no form is false.
    EXPECT_FALSE(Zeigt(QStringLiteral("xyz"), Montag));
}

TEST(Filter, CalendarWeeksAreTheIsoWeeks) {
    // 1.1.2026 is a Thursday in week 1; 29.6.2026 opens week 27; 1.1.2027 is in week 53 of 2026.
    EXPECT_TRUE(Zeigt(QStringLiteral("kw1,kw27"), Am(2026, 1, 1)));
    EXPECT_TRUE(Zeigt(QStringLiteral("kw1,kw27"), Am(2026, 6, 29)));
    EXPECT_FALSE(Zeigt(QStringLiteral("kw1,kw27"), Am(2026, 7, 6)));
    EXPECT_FALSE(Zeigt(QStringLiteral("kw1"), Am(2027, 1, 1)));
    EXPECT_TRUE(Zeigt(QStringLiteral("kw53"), Am(2027, 1, 1)));
    EXPECT_TRUE(Zeigt(QStringLiteral("KW1"), Am(2027, 1, 4)));
}

TEST(Filter, SemicolonNeedsBothTermsAndWinsOverTheComma) {
    EXPECT_TRUE(Zeigt(QStringLiteral("mo;dez"), Montag));
    EXPECT_FALSE(Zeigt(QStringLiteral("mo;dez"), Am(2026, 11, 30)));
    EXPECT_FALSE(Zeigt(QStringLiteral("mo;dez"), Dienstag));
    // "mo,di;kw5" is the terms "mo,di" (its first two letters: Mondays) and "kw5".
    EXPECT_TRUE(Zeigt(QStringLiteral("mo,di;kw5"), Am(2026, 1, 26)));
    EXPECT_FALSE(Zeigt(QStringLiteral("mo,di;kw5"), Am(2026, 1, 27)));
    EXPECT_FALSE(Zeigt(QStringLiteral("mo,di;kw5"), Am(2026, 2, 2)));
    // With a comma one term suffices.
    EXPECT_TRUE(Zeigt(QStringLiteral("mo,di"), Dienstag));
    EXPECT_TRUE(Zeigt(QStringLiteral("mo , 8"), Dienstag));
}

TEST(Filter, ChanceTermsDrawANewNumberEachTime) {
    // 30 % shows while the drawn number is below 0.3.
    EXPECT_TRUE(Zeigt(QStringLiteral("30%"), Dienstag, {0.29}));
    EXPECT_FALSE(Zeigt(QStringLiteral("30%"), Dienstag, {0.30}));
    EXPECT_TRUE(Zeigt(QStringLiteral("30%,mo"), Montag, {0.99}));
    EXPECT_TRUE(Zeigt(QStringLiteral("30%,mo"), Dienstag, {0.1}));
    EXPECT_FALSE(Zeigt(QStringLiteral("30%,mo"), Dienstag, {0.5}));
    EXPECT_TRUE(Zeigt(QStringLiteral("30%;mo"), Montag, {0.1}));
    EXPECT_FALSE(Zeigt(QStringLiteral("30%;mo"), Montag, {0.5}));
    EXPECT_FALSE(Zeigt(QStringLiteral("30%;mo"), Dienstag, {0.1}));
    EXPECT_TRUE(Zeigt(QStringLiteral("100%"), Dienstag, {0.9999}));
    EXPECT_FALSE(Zeigt(QStringLiteral("0%"), Dienstag, {0.0}));
    EXPECT_FALSE(Zeigt(QStringLiteral("!30%"), Dienstag, {0.1}));

    // Two chance terms of one filter draw two numbers.
    QString f = QStringLiteral("10%;90%");
    FolgeZufall z({0.05, 0.95});
    EXPECT_FALSE(FilterAuswerten(f, Dienstag, QDate(), QDate(), z));
    EXPECT_EQ(z.gezogen, 2);
}

TEST(Filter, ChancesOfOneRunComeOutAtTheirRate) {
    // One generator for the run: many evaluations within the same second still
    // draw different numbers.
    SaatZufall zufall(9 * 3600 + 30 * 60);
    int gezeigt = 0;
    for (int i = 0; i < 2000; ++i) {
        QString f = QStringLiteral("30%");
        gezeigt += FilterAuswerten(f, Dienstag, QDate(), QDate(), zufall) ? 1 : 0;
    }
    EXPECT_GT(gezeigt, 480);
    EXPECT_LT(gezeigt, 720);
}

TEST(Filter, TheGrowingChanceRisesTowardsTheDate) {
    // Date 20.12.2026, announced 10 days before (from 10.12.).
    const QDate datum(2026, 12, 20);
    const QDate von(2026, 12, 10);
    auto zeigt = [&](const char* filter, const QDateTime& jetzt, const QDate& ab, double r) {
        QString f = QString::fromUtf8(filter);
        FolgeZufall z({r});
        return FilterAuswerten(f, jetzt, datum, ab, z);
    };
    // Ten days before: 0 %, never.
    EXPECT_FALSE(zeigt("dyn%", Am(2026, 12, 10), von, 0.0));
    // Five days before: 50 %.
    EXPECT_TRUE(zeigt("dyn%", Am(2026, 12, 15), von, 0.49));
    EXPECT_FALSE(zeigt("dyn%", Am(2026, 12, 15), von, 0.50));
    // Three days before: 70 %.
    EXPECT_TRUE(zeigt("dyn%", Am(2026, 12, 17), von, 0.69));
    EXPECT_FALSE(zeigt("dyn%", Am(2026, 12, 17), von, 0.70));
    // On the date: 100 %, always.
    EXPECT_TRUE(zeigt("dyn%", Am(2026, 12, 20), von, 0.9999));
    // A window of no length: 50 %.
    EXPECT_TRUE(zeigt("dyn%", Am(2026, 12, 20), datum, 0.49));
    EXPECT_FALSE(zeigt("dyn%", Am(2026, 12, 20), datum, 0.5));
    // Negated, the chance runs the other way.
    EXPECT_TRUE(zeigt("!dyn%", Am(2026, 12, 10), von, 0.0));
    EXPECT_FALSE(zeigt("!dyn%", Am(2026, 12, 20), von, 0.5));
    EXPECT_TRUE(zeigt("!dyn%", Am(2026, 12, 17), von, 0.75));

    // The dates as the records give them.
    QString f = QStringLiteral("dyn%");
    FolgeZufall z({0.49});
    EXPECT_TRUE(FilterAuswerten(f, Am(2026, 12, 15), QStringLiteral("20.12.2026"),
                                QStringLiteral("10.12.2026"), z));
}
