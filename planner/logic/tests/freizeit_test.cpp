#include <gtest/gtest.h>

#include "planner/freizeit.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

TEST(Freizeit, AnkuendigungsfensterMitBeidenEnden) {
    const QStringList termine{
        L("200001103T  1T  -         -   Alle     Treffen  "),
        L("20000109-   -   -         -   Alle   eintägig"),
        L("20000108-   -   -         -   Alle   @/bin/programm"),
        L("20000108-   -   -         -   Alle   ------- Trenner"),
        L("20000108-   -   -         -   Alle   ------ sechs"),
        // A window beyond the calendar covers no day
        L("999912311J  1T  -         -   Alle   Ende"),
        L("kaputt"),
    };
    const auto am = [&](int tag) { return FreizeitSuchen(termine, QDate(2000, 1, tag)); };
    EXPECT_TRUE(am(6).isEmpty());
    EXPECT_EQ(am(7), QStringList{L("10.01.2000 (07.01.2000-11.01.2000) Treffen")});
    EXPECT_EQ(am(8), (QStringList{L("10.01.2000 (07.01.2000-11.01.2000) Treffen"),
                                  L("08.01.2000 (08.01.2000-08.01.2000) ------ sechs")}));
    EXPECT_EQ(am(9).size(), 2);
    EXPECT_EQ(am(11).size(), 1);
    EXPECT_TRUE(am(12).isEmpty());
    EXPECT_TRUE(FreizeitSuchen(termine, QDate(9999, 12, 31)).isEmpty());
    // A yearly appointment counts only with the date it holds
    EXPECT_TRUE(
        FreizeitSuchen({L("19990505-   -   -         1J  Alle   Jahrestag")}, QDate(2000, 5, 5))
            .isEmpty());

    QList<qsizetype> fortschritt;
    FreizeitSuchen(termine, QDate(2000, 1, 8), [&](qsizetype n) { fortschritt << n; });
    EXPECT_EQ(fortschritt, (QList<qsizetype>{1, 1, 1, 1, 2, 2, 2}));
}

TEST(Freizeit, Texte) {
    EXPECT_EQ(FreizeitStatus(3, L("8.1.2000")), L("3 Termine für den 8.1.2000 gefunden."));
    EXPECT_EQ(FreizeitStatusKeine(L("08.01.2000")),
              L("Keine Termine für den 08.01.2000 gefunden."));
    const QDate montag(2026, 12, 14);
    EXPECT_EQ(FreizeitDatumInfo(L("14.12.2026"), montag), L("Montag, heute"));
    EXPECT_EQ(FreizeitDatumInfo(L("15.12.2026"), montag), L("Dienstag, in 1 Tag"));
    EXPECT_EQ(FreizeitDatumInfo(L("11.12.2026"), montag), L("Freitag, vor 3 Tagen"));
    EXPECT_EQ(FreizeitDatumInfo(L("32.12.2026"), montag), QString());
}

TEST(Freizeit, TageSchieben) {
    EXPECT_EQ(FreizeitTagSchieben(L("01.03.2000"), -1), L("29.02.2000"));
    EXPECT_EQ(FreizeitTagSchieben(L("1.3.2000"), 7), L("08.03.2000"));
    EXPECT_EQ(FreizeitTagSchieben(L("31.12.9999"), 1), std::nullopt);
    EXPECT_EQ(FreizeitTagSchieben(L("morgen"), 1), std::nullopt);
}

TEST(Freizeit, UebergabeNurFuerEinGueltigesDatum) {
    test::TestUmgebung umgebung;
    EXPECT_EQ(FreizeitUebergabe(L("1.3.2000")), L("01.03.2000 ?"));
    EXPECT_EQ(FreizeitUebergabe(L("30.02.2000")), std::nullopt);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("»30.02.2000« ist kein gültiges Datum."));
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Terminsuche"));
}

}  // namespace
