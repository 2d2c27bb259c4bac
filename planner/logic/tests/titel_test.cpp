#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "planner/titel.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;
using Schritt = TitelAblauf::Schritt;

TEST(Titel, BilderDerJahreszeiten) {
    const std::pair<QDate, std::optional<Jahresbild>> faelle[] = {
        {QDate(2026, 3, 20), Jahresbild::Baum},
        {QDate(2026, 6, 21), Jahresbild::Sonne},
        {QDate(2026, 9, 23), Jahresbild::Schirm},
        {QDate(2026, 12, 6), Jahresbild::Strumpf},
        {QDate(2026, 12, 8), std::nullopt},
        {QDate(2026, 12, 9), Jahresbild::Kerze},
        {QDate(2026, 12, 21), Jahresbild::Schneemann},
        {QDate(2026, 12, 22), Jahresbild::Kerze},
        {QDate(2026, 12, 23), Jahresbild::Kerze},
        {QDate(2026, 12, 24), Jahresbild::Weihnachtsbaum},
        {QDate(2026, 12, 26), Jahresbild::Weihnachtsbaum},
        {QDate(2026, 12, 27), std::nullopt},
        {QDate(2026, 12, 31), Jahresbild::Sekt},
        {QDate(2027, 1, 1), Jahresbild::Sekt},
        {QDate(2027, 3, 21), std::nullopt},
    };
    for (const auto& [tag, bild] : faelle) {
        EXPECT_EQ(JahresbildVon(tag), bild) << qPrintable(tag.toString());
    }
}

TEST(Titel, UebersprungenBeiTitelAusOderFrischemSystem) {
    test::TestUmgebung umgebung;
    EXPECT_FALSE(TitelUeberspringen());
    umgebung.systemfakten.laufzeit = 39.5;
    EXPECT_TRUE(TitelUeberspringen());
    // No 32-bit millisecond count: 10 s past its wrap (49.7 days) the title
    // still comes.
    umgebung.systemfakten.laufzeit = 4294967.296 + 10;
    EXPECT_FALSE(TitelUeberspringen());
    IniSchreiben({}, {}, L("TitelAus"), L("1"));
    EXPECT_TRUE(TitelUeberspringen());
    IniSchreiben({}, {}, L("TitelAus"), L("2"));
    EXPECT_FALSE(TitelUeberspringen());
}

TEST(Titel, TicksMitUndOhneStrg) {
    test::TestUmgebung umgebung;
    TitelAblauf ablauf;
    umgebung.tastatur.strg = true;
    EXPECT_EQ(ablauf.Tick(), Schritt::Statistik);
    EXPECT_EQ(ablauf.Tick(), Schritt::Statistik);
    EXPECT_EQ(ablauf.Zaehler(), 0);
    umgebung.tastatur.strg = false;
    EXPECT_EQ(ablauf.Tick(), Schritt::MainZeigen);
    // Ctrl pressed once the main window is on its way changes nothing.
    umgebung.tastatur.strg = true;
    EXPECT_EQ(ablauf.Tick(), Schritt::Entladen);
}

TEST(Titel, Ladezeile) {
    EXPECT_EQ(TitelLadezeile(L("8.010090")), L("Lade Programm Version 32-Bit 8.01.0090"));
}

}  // namespace
