#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "common/fenster.h"
#include "common/modul.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;

class FensterPosition : public ::testing::Test {
protected:
    FensterPosition() {
        fenster.m = {100, 200, 6000, 4500};  // the designed size
    }
    void setzen(const char* name, const char* wert) {
        IniSchreiben({}, L("Kronel"), L("Kronelin") + L(name), L(wert));
    }
    test::TestUmgebung umgebung;  // screen 15360 x 11520 twips
    test::FakeFenster fenster;
};
}  // namespace

TEST_F(FensterPosition, OhneSchluesselZentriertInEntworfenerGroesse) {
    FensterPositionLesen(fenster, L("Kronelin"));
    EXPECT_EQ(fenster.z, FensterZustand::Normal);
    EXPECT_DOUBLE_EQ(fenster.m.weite, 6000);
    EXPECT_DOUBLE_EQ(fenster.m.hoehe, 4500);
    EXPECT_DOUBLE_EQ(fenster.m.links, 4680);
    EXPECT_DOUBLE_EQ(fenster.m.oben, 3510);
}

TEST_F(FensterPosition, ZuKleineHoeheNimmtDenBildschirm) {
    setzen("Form_Höhe", "1500");
    setzen("Form_Weite", "6000");
    setzen("Form_Links", "100");
    setzen("Form_Oben", "0");
    FensterPositionLesen(fenster, L("Kronelin"));
    EXPECT_EQ(fenster.z, FensterZustand::Normal);
    EXPECT_DOUBLE_EQ(fenster.m.hoehe, 11520);
    EXPECT_DOUBLE_EQ(fenster.m.links, 100);
    EXPECT_DOUBLE_EQ(fenster.m.oben, 0);

    setzen("Form_Weite", "99999");
    FensterPositionLesen(fenster, L("Kronelin"));
    EXPECT_EQ(fenster.z, FensterZustand::Maximiert);
}

TEST_F(FensterPosition, BildschirmgroesseMaximiertOhneZuBewegen) {
    setzen("Form_Höhe", "11520");
    setzen("Form_Weite", "15360");
    FensterPositionLesen(fenster, L("Kronelin"));
    EXPECT_EQ(fenster.z, FensterZustand::Maximiert);
    EXPECT_EQ(fenster.bewegt, 0);
}

TEST_F(FensterPosition, ZuWeitRechtsWirdWaagrechtZentriert) {
    setzen("Form_Höhe", "5000");
    setzen("Form_Weite", "6000");
    setzen("Form_Links", "12000");
    setzen("Form_Oben", "1000");
    FensterPositionLesen(fenster, L("Kronelin"));
    EXPECT_DOUBLE_EQ(fenster.m.links, 4680);
    EXPECT_DOUBLE_EQ(fenster.m.oben, 1000);
    EXPECT_DOUBLE_EQ(fenster.m.hoehe, 5000);
    // the output program has its own keys
    fenster.m = {0, 0, 3000, 3000};
    FensterPositionLesen(fenster, L("Kronel"));
    EXPECT_DOUBLE_EQ(fenster.m.links, 6180);
    EXPECT_DOUBLE_EQ(fenster.m.weite, 3000);
}

TEST(StatusPanels, DatumMitWocheUndZeitOhneSekunden) {
    EXPECT_EQ(DatumPanelText(QDate(2026, 12, 8)), L(" Dienstag, 8. Dezember 2026, 50. Woche "));
    EXPECT_EQ(DatumPanelText(QDate(2027, 1, 1)), L(" Freitag, 1. Januar 2027, 53. Woche "));
    EXPECT_EQ(DatumPanelText(QDate(1999, 3, 8)), L(" Montag, 8. März 1999, 10. Woche "));
    EXPECT_EQ(ZeitPanelText(QTime(9, 5, 59)), L(" 09:05 "));
    EXPECT_EQ(ZeitPanelText(QTime(23, 0)), L(" 23:00 "));
}

TEST(Version, TextDerVersionsnummer) {
    EXPECT_EQ(VersionTextBilden(8, 1, 90), L("8.010090"));
    EXPECT_EQ(VersionTextBilden(8, 12, 3), L("8.120003"));
    EXPECT_EQ(VersionTextBilden(10, 1, 5), L("10.010005"));
    test::TestUmgebung umgebung;
    EXPECT_EQ(VersionErmitteln(), ProgrammVersionText());
    EXPECT_EQ(modul().VersionText, ProgrammVersionText());
}

TEST(Fusszeile, KursivUeberDemUnterenRand) {
    test::TestUmgebung umgebung;
    umgebung.uhr.setzen(QDateTime(QDate(2024, 3, 5), QTime(8, 0)));
    modul().VersionText = L("8.010090");
    test::AufnahmeDrucker& d = umgebung.drucker;
    ASSERT_TRUE(d.setScaleMode(Massstab::Zentimeter));
    d.setFontBold(true);
    DruckFusszeile(1.5);
    ASSERT_EQ(d.dokumente.size(), 1u);
    ASSERT_EQ(d.dokumente[0].seiten.size(), 1u);
    const auto& stuecke = d.dokumente[0].seiten[0].stuecke;
    ASSERT_EQ(stuecke.size(), 1u);
    const test::DruckStueck& st = stuecke[0];
    EXPECT_EQ(st.text, L("Kronel 8.01 · Ausdruck vom 05.03.2024"));
    EXPECT_NEAR(st.x, 1.5, 1e-9);
    // a 6-point line of the test surface is 0.3 cm high: 2.5 lines above 27.7 cm
    EXPECT_NEAR(st.y, 26.95, 1e-9);
    EXPECT_EQ(st.schrift.name, L("Arial"));
    EXPECT_DOUBLE_EQ(st.schrift.groesse, 6);
    EXPECT_TRUE(st.schrift.kursiv);
    EXPECT_FALSE(st.schrift.fett);
    // the line stays open behind the footer, the font stays Arial 6 upright
    EXPECT_NEAR(d.CurrentY(), 26.95, 1e-9);
    EXPECT_GT(d.CurrentX(), 1.5);
    EXPECT_FALSE(d.FontItalic());
    EXPECT_EQ(d.FontName(), L("Arial"));
    EXPECT_DOUBLE_EQ(d.FontSize(), 6);
    EXPECT_FALSE(d.dokumente[0].beendet);

    modul().VersionText = L("10.010005");
    d.setCurrentY(0);
    DruckFusszeile(0);
    EXPECT_EQ(d.dokumente[0].seiten[0].texte().back(), L("Kronel 10.0 · Ausdruck vom 05.03.2024"));
}
