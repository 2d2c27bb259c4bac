#include <gtest/gtest.h>

#include <cmath>

#include "common/formel.h"
#include "common/zeichenketten.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

// The value of a formula that must evaluate without fault; the text must stay.
double W(const char* formel) {
    QString t = L(formel);
    const auto r = FormelAuswerten(t);
    EXPECT_TRUE(r.ok()) << formel << ": Fehler " << (r.ok() ? 0 : r.fehler().nummer);
    EXPECT_EQ(t, L(formel)) << formel;
    return r.ok() ? *r : std::nan("");
}

// True when the formula is refused as malformed: 0 and "%" in front.
bool Formelfehler(const char* formel) {
    QString t = L(formel);
    const auto r = FormelAuswerten(t);
    return r.ok() && *r == 0.0 && t == L("%") + L(formel);
}

int Laufzeitfehler(const char* formel) {
    QString t = L(formel);
    const auto r = FormelAuswerten(t);
    EXPECT_EQ(t, L(formel)) << formel;
    return r.ok() ? 0 : r.fehler().nummer;
}

class Formel : public ::testing::Test {
protected:
    test::TestUmgebung umgebung;
};

}  // namespace

TEST_F(Formel, VorrangUndGruppen) {
    EXPECT_EQ(W("1+2*3"), 7);
    EXPECT_EQ(W("(1+2)*3"), 9);
    EXPECT_EQ(W("2*(3+4)^2"), 98);
    EXPECT_EQ(W("((2))*((3+1))"), 8);
    EXPECT_EQ(W("10-2-3"), 5);
    EXPECT_EQ(W("8/4/2"), 1);
    EXPECT_EQ(W("(-3)"), -3);
    EXPECT_EQ(W("(+5)*2"), 10);
    EXPECT_EQ(W("2-(0-3)"), 5);
}

TEST_F(Formel, EigenheitenDerSchreibweiseBleiben) {
    EXPECT_EQ(W("2^3^2"), 64);  // powers from the left
    EXPECT_EQ(W("-3^2"), 9);    // the sign belongs to the base
    EXPECT_EQ(W("2*-3^2"), 18);
    EXPECT_EQ(W("3>=2"), 0);  // no two-character comparisons
    EXPECT_EQ(W("pi*2"), 0);  // constants in their own case only
    EXPECT_EQ(W("E"), 0);
    EXPECT_EQ(W("X+1"), 0);      // unknown names read 0
    EXPECT_EQ(W("NOT 1=1"), 0);  // NOT takes the number right behind it
    EXPECT_EQ(W("NOT 0"), -1);
    EXPECT_EQ(W("2*"), 2);  // an operator as the last character is none
    EXPECT_EQ(W("!"), 1);
}

TEST_F(Formel, KommaLeerzeichenUndZahlen) {
    EXPECT_EQ(W("1,5*2"), 3);
    EXPECT_EQ(W("1 0"), 10);
    EXPECT_EQ(W("1E3+1"), 1001);
    EXPECT_EQ(W("1D2*2"), 200);
    EXPECT_EQ(W("2E-2*100"), 2);
    EXPECT_EQ(W(""), 0);
}

TEST_F(Formel, GanzzahlDivisionUndRest) {
    EXPECT_EQ(W("10 MOD 3"), 1);
    EXPECT_EQ(W("-7 MOD 2"), -1);
    EXPECT_EQ(W("-7\\2"), -3);
    EXPECT_EQ(W("7.5\\2"), 4);     // 7.5 rounds to 8 (halves to even)
    EXPECT_EQ(W("2 MOD 3*4"), 8);  // left to right within the stage
    EXPECT_TRUE(Formelfehler("7\\0"));
    EXPECT_TRUE(Formelfehler("7 MOD 0"));
    EXPECT_EQ(Laufzeitfehler("7\\0.4"), 11);  // the divisor rounds to 0
}

TEST_F(Formel, Fakultaeten) {
    EXPECT_EQ(W("5!"), 120);
    EXPECT_EQ(W("0!"), 1);
    EXPECT_EQ(W("3!+1"), 7);
    EXPECT_DOUBLE_EQ(W("170!"), 7.257415615308e306);  // 7.2574156153079990e306 to 15 digits
    EXPECT_TRUE(Formelfehler("171!"));
    EXPECT_TRUE(Formelfehler("12345!"));
    EXPECT_TRUE(Formelfehler("01234!"));  // five digits
    // A number with decimals has no factorial (it read 2.5! as 2.120 before).
    EXPECT_TRUE(Formelfehler("2.5!"));
    EXPECT_TRUE(Formelfehler("(1/2)!"));
}

TEST_F(Formel, FormelfehlerMarkierenDenText) {
    EXPECT_TRUE(Formelfehler("1/0"));
    QString t = L("%1/0");
    EXPECT_EQ(*FormelAuswerten(t), 0);
    EXPECT_EQ(t, L("%%1/0"));  // a marked text is refused again
    EXPECT_TRUE(Formelfehler("(1+2"));
    EXPECT_TRUE(Formelfehler("*3"));
    EXPECT_TRUE(Formelfehler("^3"));
    EXPECT_TRUE(Formelfehler("=3"));
    EXPECT_TRUE(Formelfehler("2*(1/0)"));  // an error inside a group
    EXPECT_TRUE(Formelfehler(")1+2("));
}

TEST_F(Formel, Vergleiche) {
    EXPECT_EQ(W("3>2"), -1);
    EXPECT_EQ(W("2>3"), 0);
    EXPECT_EQ(W("2<3"), -1);
    EXPECT_EQ(W("1+1=2"), -1);
    EXPECT_EQ(W("\"abc\"=\"ABC\""), -1);
    EXPECT_EQ(W("\"abc\"=\"abd\""), 0);
    EXPECT_EQ(W("\"b\">\"a\""), -1);
}

TEST_F(Formel, Logik) {
    EXPECT_EQ(W("2 AND 3 OR 4"), 6);
    EXPECT_EQ(W("6 AND 3 OR 8"), 10);
    EXPECT_EQ(W("2=2 OR 4"), -1);
    EXPECT_EQ(W("12 AND 10"), 8);
    // The D of AND is no exponent sign (D2 used to read 0 and give -1).
    EXPECT_EQ(W("1=1 AND 2=3"), 0);
    EXPECT_EQ(W("1=1 AND 2=2"), -1);
    EXPECT_EQ(W("1 AND 2*3"), 0);
    EXPECT_EQ(W("7 AND 2+1"), 3);
    EXPECT_EQ(W("1 OR 2*3"), 7);
}

TEST_F(Formel, Konstanten) {
    EXPECT_EQ(FormelZahlText(W("e")), L("2.71828182845905"));
    EXPECT_EQ(FormelZahlText(W("PI*2")), L("6.28318530717959"));
    EXPECT_EQ(W("PI*2"), 6.28318530717959);  // the product is rounded to 15 digits
    EXPECT_EQ(W("sec(0)"), 0);               // its "e" is replaced first
    // A constant inside quoted text stays text.
    EXPECT_EQ(W("\"e\"=\"E\""), -1);
}

TEST_F(Formel, HeuteIstDerTagDerAuswertung) {
    umgebung.uhr.setzen(QDateTime(QDate(1997, 12, 6), QTime(10, 0)));
    EXPECT_EQ(W("@TODAY"), 35770);
    EXPECT_EQ(W("@TODAY+1"), 35771);
    // A later day in the same run gives that day (the first day was kept before).
    umgebung.uhr.setzen(QDateTime(QDate(2024, 3, 5), QTime(0, 0, 1)));
    EXPECT_EQ(W("@TODAY"), 45356);
    EXPECT_EQ(W("@today"), 0);
}

TEST_F(Formel, Funktionen) {
    EXPECT_EQ(W("SIN(0)"), 0);
    EXPECT_EQ(W("COS(0)"), 1);
    EXPECT_EQ(W("SQR(16)"), 4);
    EXPECT_EQ(W("SQR16+1"), 5);
    EXPECT_EQ(W("ABS-3"), 3);
    EXPECT_EQ(W("CLG(1000)"), 3);
    EXPECT_EQ(W("CLG(1000)"), 3);
    EXPECT_EQ(W("EXP(0)"), 1);
    EXPECT_EQ(W("LOG(1)"), 0);
    EXPECT_EQ(W("ATN(0)"), 0);
    EXPECT_NEAR(W("SINH(1)"), std::sinh(1.0), 1e-14);
    EXPECT_NEAR(W("TANH(1)"), std::tanh(1.0), 1e-14);
    EXPECT_NEAR(W("ARCSINH(1)"), std::asinh(1.0), 1e-14);
    EXPECT_NEAR(W("ARCCOSH(2)"), std::acosh(2.0), 1e-14);
    EXPECT_NEAR(W("ARCTANH(.5)"), std::atanh(0.5), 1e-14);
    EXPECT_NEAR(W("ARCSIN(.5)"), std::asin(0.5), 1e-14);
    EXPECT_NEAR(W("ARCCOS(.5)"), std::acos(0.5), 1e-14);
    EXPECT_TRUE(Formelfehler("LOG(0)"));
    EXPECT_TRUE(Formelfehler("SQR(-1)"));
    EXPECT_TRUE(Formelfehler("CLG(0)"));
    EXPECT_TRUE(Formelfehler("ARCCOSH(.5)"));
    EXPECT_TRUE(Formelfehler("COT(0)"));
    EXPECT_TRUE(Formelfehler("ARCSIN(2)"));
}

TEST_F(Formel, ArcusfunktionenNachIhrerDefinition) {
    const double pi = std::acos(-1.0);
    // arcsec x = arccos(1/x), arccsc x = arcsin(1/x), arccot x = pi/2 - arctan x
    EXPECT_NEAR(W("ARCSEC(2)"), pi / 3, 1e-14);
    EXPECT_NEAR(W("ARCSEC(-2)"), 2 * pi / 3, 1e-14);
    EXPECT_NEAR(W("ARCSEC(1)"), 0, 1e-14);
    EXPECT_NEAR(W("ARCSEC(-1)"), pi, 1e-14);
    EXPECT_NEAR(W("ARCCSC(2)"), pi / 6, 1e-14);
    EXPECT_NEAR(W("ARCCSC(-2)"), -pi / 6, 1e-14);
    EXPECT_NEAR(W("ARCCSC(1)"), pi / 2, 1e-14);
    EXPECT_NEAR(W("ARCCOT(1)"), pi / 4, 1e-14);
    EXPECT_NEAR(W("ARCCOT(-1)"), 3 * pi / 4, 1e-14);
    EXPECT_NEAR(W("ARCCOT(0)"), pi / 2, 1e-14);
    EXPECT_TRUE(Formelfehler("ARCSEC(.5)"));
    EXPECT_TRUE(Formelfehler("ARCCSC(0)"));
}

TEST_F(Formel, LaufzeitfehlerLassenDenTextStehen) {
    EXPECT_EQ(Laufzeitfehler("ARCSIN(1)"), 11);  // x / Sqr(0)
    EXPECT_EQ(Laufzeitfehler("CSCH(0)"), 11);
    EXPECT_EQ(Laufzeitfehler("10^400"), 6);
    EXPECT_EQ(Laufzeitfehler("EXP(1000)"), 6);
    EXPECT_EQ(Laufzeitfehler("1E400"), 6);
    EXPECT_EQ(Laufzeitfehler("170!*170!"), 6);
    EXPECT_EQ(Laufzeitfehler("ARCCOTH(.5)"), 5);  // log of a negative number
    EXPECT_EQ(Laufzeitfehler("(-8)^(1/3)"), 5);
    EXPECT_EQ(Laufzeitfehler("3000000000 AND 1"), 6);  // beyond 32 bits
    EXPECT_EQ(Laufzeitfehler("NOT 3000000000"), 6);
    EXPECT_EQ(Laufzeitfehler("3000000000\\2"), 6);
    const QString lang = QString(20000, QLatin1Char('e'));
    QString t = lang;
    const auto r = FormelAuswerten(t);  // the text grows past 32767 characters
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.fehler().nummer, 6);
    EXPECT_EQ(t, lang);
}

TEST_F(Formel, TiefeVerschachtelungIstEinFormelfehler) {
    const std::string tief = std::string(5000, '(') + "1" + std::string(5000, ')');
    EXPECT_TRUE(Formelfehler(tief.c_str()));
    const std::string flach = std::string(50, '(') + "1+1" + std::string(50, ')');
    EXPECT_EQ(W(flach.c_str()), 2);
}

TEST(FormelZahlen, ZahlText) {
    EXPECT_EQ(FormelZahlText(0.5), L(".5"));
    EXPECT_EQ(FormelZahlText(-0.25), L("-.25"));
    EXPECT_EQ(FormelZahlText(1e20), L("1E+20"));
    EXPECT_EQ(FormelZahlText(1e-5), L("1E-05"));
    EXPECT_EQ(FormelZahlText(0.0001), L(".0001"));
    EXPECT_EQ(FormelZahlText(123456789012345.0), L("123456789012345"));
    EXPECT_EQ(FormelZahlText(1e15), L("1E+15"));
    EXPECT_EQ(FormelZahlText(1.0 / 3.0), L(".333333333333333"));
    EXPECT_EQ(FormelZahlText(-0.0), L("0"));
}

TEST(Zeichenketten, KleineFunktionen) {
    EXPECT_EQ(Compact(L(" 1 + 2 ")), L("1+2"));
    EXPECT_EQ(InCount(L("(a(b))"), u'('), 2);
    EXPECT_EQ(Date2Num(L("12-30-1899")), 0);
    EXPECT_EQ(Date2Num(L("01-01-1900")), 2);
    EXPECT_EQ(Date2Num(L("12-06-1997")), 35770);
    EXPECT_EQ(Date2Num(L("02-30-2024")), 0);
    EXPECT_EQ(ASCII(L("%1")), 37);
    EXPECT_EQ(ASCII(QString()), 0);
    EXPECT_EQ(PMatch(L("(1+(2))*3")), 7);
    EXPECT_EQ(PMatch(L("(1+(2)")), 0);
    EXPECT_EQ(Factorial(0), 1);
    EXPECT_EQ(Factorial(10), 3628800);
    EXPECT_EQ(Factorial(171), 0);
    EXPECT_EQ(MinInt(3, -2), -2);
    EXPECT_EQ(MaxInt(3, -2), 3);
    EXPECT_EQ(QInstrB(4, L("a\"b\"c\""), u'"'), 4);
    EXPECT_EQ(QInstrB(3, L("a\"b\"c\""), u'"'), 2);
    EXPECT_EQ(QInstrB(1, L("a\"b"), u'"'), 0);
}
