#include <gtest/gtest.h>

#include "common/tagetext.h"
#include "common/zahlformat.h"
#include "testsupport/drucken.h"
#include "testsupport/utf8.h"

#include <cmath>
#include <limits>

using namespace kronel;

namespace {

using test::L;

QString F(double x, const char* muster) {
    const auto r = ZahlFormatieren(x, L(muster));
    EXPECT_TRUE(r.ok()) << muster;
    return r.wertOder(L("<Fehler>"));
}

}  // namespace

TEST(ZahlFormat, Nachkommastellen) {
    EXPECT_EQ(F(2.4, "0.00"), L("2,40"));
    EXPECT_EQ(F(2.4, "0.000"), L("2,400"));
    EXPECT_EQ(F(1.5, "0.0"), L("1,5"));
    EXPECT_EQ(F(2.675, "0.00"), L("2,68"));  // as written, not as stored in binary
    EXPECT_EQ(F(0.125, "0.00"), L("0,13"));  // halves away from zero
    EXPECT_EQ(F(-0.125, "0.00"), L("-0,13"));
    EXPECT_EQ(F(0.5, "#.00"), L(",50"));
    EXPECT_EQ(F(3.142857, "#.0"), L("3,1"));
    EXPECT_EQ(F(5, "#.##"), L("5,"));
    EXPECT_EQ(F(1.5, "0.0#"), L("1,5"));
    EXPECT_EQ(F(1.25, "0.0#"), L("1,25"));
    EXPECT_EQ(F(9.999, "0.00"), L("10,00"));
    EXPECT_EQ(F(-0.001, "0.00"), L("0,00"));  // no minus before a zero
    EXPECT_EQ(F(1e-300, "0.00"), L("0,00"));
}

TEST(ZahlFormat, GanzeZahlenTausenderUndProzent) {
    EXPECT_EQ(F(2.5, "0"), L("3"));
    EXPECT_EQ(F(-2.4, "0.00"), L("-2,40"));
    EXPECT_EQ(F(5, "000"), L("005"));
    EXPECT_EQ(F(12345, "00"), L("12345"));
    EXPECT_EQ(F(1234, "00-00"), L("12-34"));
    EXPECT_EQ(F(0, "#"), QString());
    EXPECT_EQ(F(1234567.891, "#,##0.00"), L("1.234.567,89"));
    EXPECT_EQ(F(1234, "#,##0"), L("1.234"));
    EXPECT_EQ(F(999, "#,##0"), L("999"));
    EXPECT_EQ(F(0, "#,##0"), L("0"));
    EXPECT_EQ(F(1.0 / 3.0, "0%"), L("33%"));
    EXPECT_EQ(F(0.125, "0.0%"), L("12,5%"));
    EXPECT_EQ(F(5, "0 Stück"), L("5 Stück"));
    EXPECT_EQ(F(7, "\"Nr. \"0"), L("Nr. 7"));
    EXPECT_EQ(F(2.4, ""), L("2,4"));
}

TEST(ZahlFormat, Datum) {
    EXPECT_EQ(F(45356, "dd.mm.yyyy"), L("05.03.2024"));
    EXPECT_EQ(F(45356.75, "dd.mm.yyyy hh:nn:ss"), L("05.03.2024 18:00:00"));
    EXPECT_EQ(F(2, "dd.mm.yyyy"), L("01.01.1900"));
    EXPECT_EQ(F(-1.25, "dd.mm.yyyy hh:nn"), L("29.12.1899 06:00"));
    EXPECT_EQ(F(45356, "\"am \"dd.mm."), L("am 05.03."));
    EXPECT_FALSE(ZahlFormatieren(1e9, L("dd.mm.yyyy")).ok());
    EXPECT_EQ(ZahlFormatieren(1e9, L("dd.mm.yyyy")).fehler().nummer, 6);
}

TEST(ZahlFormat, NichtEndlichIstEinFehler) {
    EXPECT_FALSE(ZahlFormatieren(std::numeric_limits<double>::infinity(), L("0.00")).ok());
    EXPECT_FALSE(ZahlFormatieren(std::nan(""), L("0.00")).ok());
    EXPECT_FALSE(ZahlFormatieren(1e307, L("0%%%")).ok());
}

TEST(TageTexte, StufenUndFormen) {
    EXPECT_EQ(TageText(0), L("0 Tagen"));
    EXPECT_EQ(TageText(1), L("1 Tag"));
    EXPECT_EQ(TageText(-1), L("1 Tag"));
    EXPECT_EQ(TageText(5), L("5 Tagen"));
    EXPECT_EQ(TageText(21), L("21 Tagen"));
    EXPECT_EQ(TageText(22), L("3,1 Wochen"));
    EXPECT_EQ(TageText(182), L("26,0 Wochen"));
    EXPECT_EQ(TageText(183), L("6,0 Monaten"));
    EXPECT_EQ(TageText(555), L("18,2 Monaten"));
    EXPECT_EQ(TageText(556), L("1,5 Jahren"));
    EXPECT_EQ(TageText(19718), L("54,0 Jahren"));
}
