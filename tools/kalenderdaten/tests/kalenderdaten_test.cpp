#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "common/kalender.h"
#include "kalenderdaten.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;
using namespace kronel::kalenderdaten;

namespace {

using test::L;

// Easter by the Meeus/Jones/Butcher rule, independent of Gauss's.
QDate OsternMeeus(int y) {
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return QDate(y, n / 31, n % 31 + 1);
}

QByteArray Geliefert(const char* name) {
    QFile f(QStringLiteral(KRONEL_QUELLORDNER "/data/") + L(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

// Windows-1252 with CR LF: no lone LF, no UTF-8 sequences.
void WieDieProgrammeSchreiben(const QByteArray& b) {
    ASSERT_FALSE(b.isEmpty());
    EXPECT_TRUE(b.endsWith("\r\n"));
    EXPECT_EQ(b.count('\n'), b.count("\r\n"));
    EXPECT_FALSE(b.contains("\xC3"));
}

}  // namespace

TEST(Kalenderdaten, OsternNachGaussWieNachMeeus) {
    for (int jahr = 1900; jahr <= 2100; ++jahr) {
        EXPECT_EQ(Ostersonntag(jahr), OsternMeeus(jahr)) << jahr;
    }
    EXPECT_EQ(Ostersonntag(2024), QDate(2024, 3, 31));
    EXPECT_EQ(Ostersonntag(1981), QDate(1981, 4, 19));  // the first exception
    EXPECT_EQ(Ostersonntag(1954), QDate(1954, 4, 18));  // the second
}

TEST(Kalenderdaten, JahreszeitenAufDieMinute) {
    // Published moments in UTC.
    const struct {
        int jahr, jz, monat, tag, stunde, minute;
    } bekannt[] = {
        {2024, 0, 3, 20, 3, 6},   {2024, 1, 6, 20, 20, 51}, {2024, 2, 9, 22, 12, 44},
        {2024, 3, 12, 21, 9, 20}, {2025, 0, 3, 20, 9, 1},   {2025, 1, 6, 21, 2, 42},
        {2025, 2, 9, 22, 18, 19}, {2025, 3, 12, 21, 15, 3}, {2026, 2, 9, 23, 0, 5},
    };
    for (const auto& b : bekannt) {
        const QDateTime soll(QDate(b.jahr, b.monat, b.tag), QTime(b.stunde, b.minute), Qt::UTC);
        const qint64 abstand = std::llabs(Jahreszeitbeginn(b.jahr, b.jz).secsTo(soll));
        EXPECT_LE(abstand, 120) << b.jahr << " " << b.jz;
    }
    EXPECT_EQ(JahreszeitTag(2026, 2), QDate(2026, 9, 23));  // 02:05 in Berlin
}

TEST(Kalenderdaten, GelieferteDateienSindDieErzeugten) {
    QTemporaryDir ordner;
    ASSERT_EQ(QProcess::execute(QStringLiteral(KRONEL_KALENDERDATEN), {ordner.path()}), 0);
    for (const char* name : {"Feiertag.Ini", "Astro.ini"}) {
        QFile f(ordner.filePath(L(name)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), Geliefert(name)) << name;
        WieDieProgrammeSchreiben(Geliefert(name));
    }
}

TEST(Kalenderdaten, FeiertageLesenSichZurueck) {
    test::TestUmgebung umgebung;
    umgebung.schreiben(umgebung.programm() + L("/Feiertag.Ini"), Geliefert("Feiertag.Ini"));
    EXPECT_EQ(FeiertagText(QDate(2031, 1, 1)), L("Neujahr"));
    EXPECT_EQ(FeiertagText(QDate(2024, 10, 3)), L("Tag der Deutschen Einheit"));
    EXPECT_EQ(FeiertagText(QDate(2050, 12, 26)), L("2. Weihnachtstag"));
    EXPECT_EQ(FeiertagText(QDate(2024, 11, 20)), QString());  // Buß- und Bettag is no entry
    for (int jahr = kErstesJahr; jahr <= kLetztesJahr; ++jahr) {
        const QDate ostern = OsternMeeus(jahr);
        EXPECT_EQ(FeiertagText(ostern.addDays(-2)), L("Karfreitag")) << jahr;
        EXPECT_EQ(FeiertagText(ostern.addDays(1)), L("Ostermontag")) << jahr;
        EXPECT_EQ(FeiertagText(ostern.addDays(39)), L("Christi Himmelfahrt")) << jahr;
        EXPECT_EQ(FeiertagText(ostern.addDays(50)), L("Pfingstmontag")) << jahr;
        EXPECT_EQ(FeiertagText(ostern.addDays(3)), QString()) << jahr;
    }
    EXPECT_EQ(FeiertagText(OsternMeeus(2041).addDays(1)), QString());  // beyond the list
}

TEST(Kalenderdaten, JahreszeitenLesenSichZurueck) {
    test::TestUmgebung umgebung;
    umgebung.schreiben(umgebung.programm() + L("/Astro.ini"), Geliefert("Astro.ini"));
    EXPECT_EQ(AstroText(QDate(2024, 3, 20)), L("Frühlingsanfang"));
    EXPECT_EQ(AstroText(QDate(2024, 6, 20)), L("Sommeranfang"));
    EXPECT_EQ(AstroText(QDate(2025, 6, 21)), L("Sommeranfang"));
    EXPECT_EQ(AstroText(QDate(2024, 9, 22)), L("Herbstanfang"));
    EXPECT_EQ(AstroText(QDate(2025, 12, 21)), L("Winteranfang"));
    EXPECT_EQ(AstroText(QDate(2024, 6, 21)), QString());
    for (int jahr = kErstesJahr; jahr <= kLetztesJahr; ++jahr) {
        int anzahl = 0;
        for (QDate d(jahr, 1, 1); d.year() == jahr; d = d.addDays(1)) {
            anzahl += !AstroText(d).isEmpty();
        }
        EXPECT_EQ(anzahl, 4) << jahr;
    }
}
