#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "planner/suchdialog.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class SuchdialogTest : public ::testing::Test {
protected:
    QString suchen(const char* text, bool aufwaerts = false, qsizetype aktuell = -1) {
        kombi.setText(L(text));
        return SucheAusfuehren(kombi, aufwaerts, zeilen, aktuell);
    }
    QString gespeichert() const { return IniLesen({}, {}, L("Suche"), L("fehlt")); }

    test::TestUmgebung umgebung;
    test::FakeListe kombi;
    const QStringList zeilen{L("09.12.2026 Mi: Zahnarzt"), L("15.12.2026 Di: Chorprobe"),
                             L("24.12.2026 Do: Heiligabend bei Anna")};
};

}  // namespace

TEST_F(SuchdialogTest, TrefferMitLeerzeichenUndRichtung) {
    EXPECT_EQ(suchen("ZAHN"), L(" 0"));
    EXPECT_EQ(suchen("12.2026", true), L(" 2"));  // no current line, upwards: the last
    EXPECT_EQ(suchen("12.2026", false, 2), L(" 0"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(SuchdialogTest, OhneTrefferEineMeldungUndMinusEins) {
    EXPECT_EQ(suchen("Friseur"), L("-1"));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("Suche nach »Friseur« war erfolglos."));
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Kronelin"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::OK + Box::Ausrufezeichen);
    // The pointer is back to normal before the box comes.
    EXPECT_EQ(umgebung.zeiger.aktuell(), Zeiger::Standard);
}

TEST_F(SuchdialogTest, VerlaufHaeltNeunTexteOhneDoppelteUndSpeichertSie) {
    for (const char* t : {"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9"}) {
        suchen(t);
    }
    EXPECT_EQ(kombi.eintraege.size(), 9);
    suchen("zehn");  // the tenth drops the oldest
    EXPECT_EQ(kombi.eintraege, (QStringList{L("zehn"), L("a9"), L("a8"), L("a7"), L("a6"), L("a5"),
                                            L("a4"), L("a3"), L("a2")}));
    suchen("A5");  // again, in another case: to the top, once
    EXPECT_EQ(kombi.eintraege, (QStringList{L("A5"), L("zehn"), L("a9"), L("a8"), L("a7"), L("a6"),
                                            L("a4"), L("a3")}));
    EXPECT_EQ(gespeichert(), L("A5;zehn;a9;a8;a7;a6;a4;a3;"));

    test::FakeListe neu;
    neu.text = L("alt");
    SuchVerlaufLaden(neu);
    EXPECT_EQ(neu.eintraege, kombi.eintraege);
    EXPECT_EQ(neu.text, QString());
}
