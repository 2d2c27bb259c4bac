#include <gtest/gtest.h>

#include <utility>

#include "platform/datum.h"
#include "testsupport/drucken.h"

using namespace kronel;

TEST(DatumLesen, GueltigeFormen) {
    EXPECT_EQ(DatumLesen(QStringLiteral("31.12.1999")), QDate(1999, 12, 31));
    EXPECT_EQ(DatumLesen(QStringLiteral("1.2.2026")), QDate(2026, 2, 1));
    EXPECT_EQ(DatumLesen(QStringLiteral("1.2.30")), QDate(1930, 2, 1));
    EXPECT_EQ(DatumLesen(QStringLiteral("1.2.29")), QDate(2029, 2, 1));
    EXPECT_EQ(DatumLesen(QStringLiteral("01.01.100")), QDate(100, 1, 1));
    EXPECT_EQ(DatumLesen(QStringLiteral(" 29.02.2024 ")), QDate(2024, 2, 29));
    const auto dz = DatumZeitLesen(QStringLiteral("09.12.2026 7:05:09"));
    ASSERT_TRUE(dz);
    EXPECT_EQ(dz->zeit, QTime(7, 5, 9));
    EXPECT_EQ(DatumZeitLesen(QStringLiteral("09.12.2026 17:05"))->zeit, QTime(17, 5));
}

TEST(DatumLesen, KeinDatum) {
    for (const char* t : {"", "29.02.2023", "32.01.2026", "1.13.2026", "1.1.99999", "1.1.2026x",
                          "1-1-2026", "2026-01-01", "1.1.", "1.1.5", "1.1.099", "01.01.2026 25:00",
                          "01.01.2026 10:60", "01.01.2026 10", "a.b.c", "1..2026"}) {
        EXPECT_FALSE(DatumLesen(QString::fromLatin1(t))) << t;
    }
}

TEST(Datum, TexteUndWochentag) {
    EXPECT_EQ(DatumText(QDate(5, 3, 7)), QStringLiteral("07.03.0005"));
    EXPECT_EQ(DatumText(QDate(2026, 12, 9)), QStringLiteral("09.12.2026"));
    EXPECT_EQ(DatumZeitText(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))),
              QStringLiteral("02.01.2026 03:04:05"));
    EXPECT_EQ(Wochentag(QDate(2026, 12, 6)), 1);   // Sunday
    EXPECT_EQ(Wochentag(QDate(2026, 12, 12)), 7);  // Saturday
    EXPECT_EQ(MonateAddieren(QDate(2026, 1, 31), 1), QDate(2026, 2, 28));
    EXPECT_EQ(MonateAddieren(QDate(2024, 2, 29), 12), QDate(2025, 2, 28));
}

TEST(Datum, TagNummerWieQDate) {
    // Every day of the first and the last years, the years around 1600, 1900 and 2000.
    for (const auto& [von, bis] : {std::pair{QDate(100, 1, 1), QDate(104, 12, 31)},
                                   std::pair{QDate(1599, 1, 1), QDate(1601, 3, 1)},
                                   std::pair{QDate(1899, 12, 1), QDate(1901, 3, 1)},
                                   std::pair{QDate(1999, 12, 1), QDate(2001, 3, 1)},
                                   std::pair{QDate(9998, 1, 1), QDate(9999, 12, 31)}}) {
        for (QDate d = von; d <= bis; d = d.addDays(1)) {
            ASSERT_EQ(TagNummer(d.year(), d.month(), d.day()), d.toJulianDay())
                << DatumText(d).toStdString();
        }
    }
    // The last day of every month of every year.
    for (int j = 100; j <= 9999; ++j) {
        for (int m = 1; m <= 12; ++m) {
            const QDate letzter = QDate(j, m, 1).addMonths(1).addDays(-1);
            ASSERT_EQ(MonatsTage(j, m), letzter.day()) << j << "-" << m;
            ASSERT_EQ(TagNummer(j, m, letzter.day()), letzter.toJulianDay());
        }
    }
    EXPECT_TRUE(Schaltjahr(2000));
    EXPECT_FALSE(Schaltjahr(1900));
    EXPECT_TRUE(ImKalender(QDate(100, 1, 1)));
    EXPECT_TRUE(ImKalender(QDate(9999, 12, 31)));
    EXPECT_FALSE(ImKalender(QDate(99, 12, 31)));
    EXPECT_FALSE(ImKalender(QDate(10000, 1, 1)));
    EXPECT_FALSE(ImKalender(QDate()));
}
