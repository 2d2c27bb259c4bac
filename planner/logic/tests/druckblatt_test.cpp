#include <gtest/gtest.h>

#include <cmath>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "planner/druckblatt.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;
using Art = test::DruckStueck::Art;

QString Satz(const char* schluessel, const char* station, const QString& meldung) {
    return L(schluessel) + L("-   -   -         -   ") + L(station).leftJustified(7) + meldung;
}

// Landscape 27.7 x 19.0 cm, list font 10 pt: the grid starts at x 2.5 (the width
// of "99.Woche  ") and y 3.25 (a 15-point heading and two empty lines, then the
// weekday row and one empty line); cells are 25.2 / 7.4 cm wide, 16.75 / 6.99 high.
class Kalenderblatt : public ::testing::Test {
protected:
    Kalenderblatt() {
        modul().VersionText = L("8.010090");
        o.TDruckenAb = L("01.02.2026");  // a Sunday: six January days in front
        o.strgPrnSW = false;
        umgebung.schreiben(umgebung.programm() + L("/Feiertag.Ini"),
                           NachCp1252(L("[Feiertage]\r\n02.02=Lichtmess\r\n")));
        umgebung.schreiben(umgebung.programm() + L("/Astro.ini"),
                           NachCp1252(L("[Zyklisch]\r\n02.02=Vollmond\r\n")));
    }
    bool drucken(const QStringList& termine = {}) {
        BlattRueckmeldung r;
        r.fortschritt = [this](int w) { fortschritt.push_back(w); };
        return BlattDrucken(termine, o, {L("Arial"), 10}, r);
    }
    const std::vector<test::DruckStueck>& stuecke(size_t dok = 0) const {
        return umgebung.drucker.dokumente.at(dok).seiten.at(0).stuecke;
    }
    std::vector<test::DruckStueck> mit(Art art, size_t dok = 0) const {
        std::vector<test::DruckStueck> s;
        for (const auto& st : stuecke(dok)) {
            if (st.art == art) {
                s.push_back(st);
            }
        }
        return s;
    }
    const test::DruckStueck* text(const QString& t, size_t dok = 0) const {
        for (const auto& st : stuecke(dok)) {
            if (st.art == Art::Text && st.text == t) {
                return &st;
            }
        }
        return nullptr;
    }
    static constexpr double Spalte = 25.2 / 7.4;
    static constexpr double Zeile = 16.75 / 6.99;
    test::TestUmgebung umgebung;  // today 09.12.2026
    BlattOptionen o;
    std::vector<int> fortschritt;
};

}  // namespace

TEST_F(Kalenderblatt, MonatAbSonntagMitVorjahrestagenUndWochen) {
    ASSERT_TRUE(drucken());
    ASSERT_EQ(umgebung.drucker.dokumente.size(), 1u);
    EXPECT_EQ(stuecke().front().text, L("Februar 2026"));
    // 42 cells from Monday 26.01.: 28 solid ones, 14 dotted ones
    EXPECT_EQ(mit(Art::Rahmen).size(), 28u);
    const test::DruckStueck* erste = text(L("26.1"));
    ASSERT_NE(erste, nullptr);
    EXPECT_NEAR(erste->x, 2.5 + 0.2, 1e-9);
    EXPECT_NEAR(erste->y, 3.25 + 0.02, 1e-9);
    const test::DruckStueck* letzte = text(L("8.3"));
    ASSERT_NE(letzte, nullptr);
    EXPECT_NEAR(letzte->x, 2.5 + 6 * Spalte + 0.2, 1e-9);
    EXPECT_NEAR(letzte->y, 3.25 + 5 * Zeile + 0.02, 1e-9);
    // every dot lies on the border of a cell outside February
    for (const auto& p : mit(Art::Punkt)) {
        const bool ersteZeile = p.y <= 3.25 + Zeile + 1e-9 && p.x <= 2.5 + 6 * Spalte + 1e-9;
        const bool letzteZeilen = p.y >= 3.25 + 4 * Zeile - 1e-9 && p.x >= 2.5 - 1e-9;
        ASSERT_TRUE(ersteZeile || letzteZeilen) << p.x << " " << p.y;
    }
    QStringList wochen;
    for (const auto& st : mit(Art::Text)) {
        if (st.text.endsWith(L(".Woche  "))) {
            wochen << st.text;
            EXPECT_NEAR(st.x + st.text.size() * 9 / 40.0, 2.5, 1e-9);  // ends at the grid
        }
    }
    EXPECT_EQ(wochen, (QStringList{L("5.Woche  "), L("6.Woche  "), L("7.Woche  "), L("8.Woche  "),
                                   L("9.Woche  "), L("10.Woche  ")}));
    EXPECT_EQ(text(L("So"))->farbe, 255);
    EXPECT_EQ(text(L("Lichtmess"))->farbe, 255);
    EXPECT_FALSE(text(L("Lichtmess"))->schrift.kursiv);
    EXPECT_EQ(text(L("Vollmond"))->farbe, 0xFF00);
    EXPECT_EQ(fortschritt.back(), 100);
}

TEST_F(Kalenderblatt, MonatAbMontagBeginntInDerErstenZelle) {
    o.TDruckenAb = L("01.06.2026");
    ASSERT_TRUE(drucken());
    const test::DruckStueck* erste = text(L("1.6"));
    ASSERT_NE(erste, nullptr);
    EXPECT_NEAR(erste->x, 2.7, 1e-9);
    EXPECT_NEAR(erste->y, 3.27, 1e-9);
    EXPECT_EQ(mit(Art::Rahmen).size(), 30u);
}

TEST_F(Kalenderblatt, SchwarzWeissUndOhneTermine) {
    o.strgPrnSW = true;
    o.strgNoData = true;
    ASSERT_TRUE(drucken({Satz("20260202", "Alle", L("Zahnarzt"))}));
    for (const auto& st : stuecke()) {
        EXPECT_EQ(st.farbe, 0) << st.text.toStdString();
    }
    ASSERT_NE(text(L("Lichtmess")), nullptr);
    EXPECT_TRUE(text(L("Lichtmess"))->schrift.kursiv);
    EXPECT_EQ(text(L("Vollmond")), nullptr);
    EXPECT_EQ(text(L("Zahnarzt")), nullptr);
    EXPECT_NE(text(L("2.2")), nullptr);
}

TEST_F(Kalenderblatt, StationFiltertUndStehtInDerFusszeile) {
    o.kombiAdresse = L(" Büro ");
    ASSERT_TRUE(drucken(
        {Satz("20260203", "Büro", L("Bericht")), Satz("20260203", "Alle", L("Abgabe")),
         Satz("20260203", "Haus", L("Garten")), Satz("20260203", "Büro", L("#verborgen"))}));
    // the texts go out word by word
    ASSERT_NE(text(L("Abgabe")), nullptr);
    ASSERT_NE(text(L("Bericht")), nullptr);
    EXPECT_EQ(text(L("Garten")), nullptr);
    EXPECT_EQ(text(L("#verborgen")), nullptr);
    EXPECT_LT(text(L("Abgabe"))->y, text(L("Bericht"))->y);  // in German order
    EXPECT_EQ(stuecke().back().text, L(" · Meldungen für Büro"));
    EXPECT_TRUE(stuecke().back().schrift.kursiv);
}

// A holiday, notes and many texts: the texts stop at the cell's bottom, and
// "..." stands inside the cell at its right edge.
TEST_F(Kalenderblatt, VolleZelleEndetMitPunktenInDerZelle) {
    QStringList termine;
    for (int i = 0; i < 12; ++i) {
        termine << Satz("20260202", "Alle", QStringLiteral("Termin %1°°zweite Zeile").arg(i));
    }
    ASSERT_TRUE(drucken(termine));
    const double unten = 3.25 + 2 * Zeile;  // 02.02. is the Monday of the second row
    const double rechts = 2.5 + Spalte;
    const test::DruckStueck* punkte = text(L("..."));
    ASSERT_NE(punkte, nullptr);
    EXPECT_NEAR(punkte->x + 3 * 7 / 40.0, rechts - 7 / 40.0, 1e-9);  // a blank off the border
    EXPECT_LE(punkte->y + 7 / 20.0, unten + 1e-9);
    // every 7-point text of the first column below the row's top is this cell's
    int zeilen = 0;
    for (const auto& st : mit(Art::Text)) {
        if (st.schrift.groesse == 7 && st.x < rechts && st.y >= unten - Zeile &&
            st.text != L("...")) {
            ++zeilen;
            EXPECT_LE(st.y + 7 / 20.0, unten + 1e-9) << st.text.toStdString();
        }
    }
    EXPECT_GT(zeilen, 3);
}

// A word wider than its cell, a holiday name too long for one line: every
// text of the grid stays inside its own cell, and no letter of the word is lost.
TEST_F(Kalenderblatt, NichtsVerlaesstSeineZelle) {
    umgebung.schreiben(umgebung.programm() + L("/Feiertag.Ini"),
                       NachCp1252(L("[Feiertage]\r\n02.02=Lichtmess\r\n"
                                    "04.02=Tag der ganz besonders langen Feiertagsnamen\r\n")));
    const QString wort = L("Donaudampfschifffahrtsgesellschaftskapitänsmütze");
    ASSERT_TRUE(drucken({Satz("20260202", "Alle", wort), Satz("20260203", "Alle", L("Abgabe"))}));
    QString zusammen;
    for (const auto& st : mit(Art::Text)) {
        const int spalte = static_cast<int>(std::floor((st.x - 2.5) / Spalte + 1e-9));
        const int zeile = static_cast<int>(std::floor((st.y - 3.25) / Zeile + 1e-9));
        if (st.x < 2.5 || st.y < 3.25 || zeile > 5) {
            continue;  // week labels, heading, footer
        }
        SCOPED_TRACE(st.text.toStdString());
        // the cell's texts keep a blank (7 pt: 0.175 cm) off its right border
        const double rand = st.schrift.groesse == 7 ? 7 / 40.0 : 0.0;
        EXPECT_LE(st.x + st.text.size() * st.schrift.groesse / 40.0,
                  2.5 + (spalte + 1) * Spalte - rand + 1e-9);
        EXPECT_LE(st.y + st.schrift.groesse / 20.0, 3.25 + (zeile + 1) * Zeile + 1e-9);
        if (spalte == 0 && zeile == 1 && st.schrift.groesse == 7 && st.farbe == 0) {
            zusammen += st.text;
        }
    }
    EXPECT_EQ(zusammen, L("* ") + wort);
    EXPECT_NE(text(L("Abgabe")), nullptr);
    EXPECT_NE(text(L("Lichtmess")), nullptr);
}

// 15 one-line entries on a day without holiday or notes: below its date label
// (9 pt, from 0.02 cm) a cell of 16.75 / 6.99 cm holds five lines of 0.35 cm.
TEST_F(Kalenderblatt, EintraegeFuellenDieZelleSolangePlatzIst) {
    QStringList termine;
    for (int i = 1; i <= 15; ++i) {
        termine << Satz("20260210", "Alle",
                        QStringLiteral("Eintrag %1").arg(i, 2, 10, QLatin1Char('0')));
    }
    ASSERT_TRUE(drucken(termine));
    EXPECT_NE(text(L("05")), nullptr);
    EXPECT_EQ(text(L("06")), nullptr);
    const test::DruckStueck* punkte = text(L("..."));
    ASSERT_NE(punkte, nullptr);
    EXPECT_NEAR(punkte->y, 3.25 + 2 * Zeile + 0.02 + 9 / 20.0 + 4 * 7 / 20.0, 1e-9);
}

// Below the date label a cell of the second row holds five 7-point lines of
// 3.055 cm (a blank off each border). A word too long for the cell fills them,
// the fifth leaves room for "..." instead of running under it; five entries of
// 16 characters (2.8 cm) fill a cell to its last line without any "...".
TEST_F(Kalenderblatt, PunkteUeberdeckenKeinenText) {
    QStringList termine{Satz("20260203", "Alle", QString(200, QLatin1Char('x')))};
    for (int i = 1; i <= 5; ++i) {
        termine << Satz("20260204", "Alle", QStringLiteral("Zahnarzt Nr. %1").arg(i));
    }
    ASSERT_TRUE(drucken(termine));
    const double links = 2.5 + Spalte;  // 03.02.
    const test::DruckStueck* punkte = text(L("..."));
    ASSERT_NE(punkte, nullptr);
    EXPECT_NEAR(punkte->x, links + Spalte - 7 / 40.0 - 3 * 7 / 40.0, 1e-9);
    int zeilen = 0;
    for (const auto& st : mit(Art::Text)) {
        if (st.schrift.groesse == 7 && st.x >= links && st.x < links + Spalte &&
            std::abs(st.y - punkte->y) < 1e-9 && st.text != L("...")) {
            ++zeilen;
            EXPECT_LE(st.x + st.text.size() * 7 / 40.0, punkte->x + 1e-9) << st.text.toStdString();
        }
    }
    EXPECT_EQ(zeilen, 1);
    EXPECT_NE(text(L("5")), nullptr);  // the last entry's last word, on the fifth line
}

// Notes that fill the cell leave no room for the texts: "..." still stands
// inside the cell, on its last line.
TEST_F(Kalenderblatt, ZelleVollerNotizenPunkteAufDerLetztenZeile) {
    umgebung.schreiben(
        umgebung.programm() + L("/Astro.ini"),
        NachCp1252(L("[Zyklisch]\r\n02.02=Vollmond~Notiz1~Notiz2~Notiz3~Notiz4~Notiz5\r\n")));
    ASSERT_TRUE(drucken({Satz("20260202", "Alle", L("Zahnarzt"))}));
    const double unten = 3.25 + 2 * Zeile;
    ASSERT_NE(text(L("Notiz3")), nullptr);
    EXPECT_EQ(text(L("Notiz4")), nullptr);
    const test::DruckStueck* punkte = text(L("..."));
    ASSERT_NE(punkte, nullptr);
    EXPECT_NEAR(punkte->y + 7 / 20.0, unten, 1e-9);
}

TEST_F(Kalenderblatt, MonateUndKopienInDerReihenfolgeUndAusrichtungZurueck) {
    o.LaufAnzMon = 2;
    o.TDruckenAnzahl = 2;
    ASSERT_TRUE(umgebung.drucker.setOrientation(Ausrichtung::Hochformat));
    ASSERT_TRUE(drucken());
    ASSERT_EQ(umgebung.drucker.dokumente.size(), 4u);
    const QStringList kopf{stuecke(0).front().text, stuecke(1).front().text,
                           stuecke(2).front().text, stuecke(3).front().text};
    EXPECT_EQ(kopf,
              (QStringList{L("Februar 2026"), L("Februar 2026"), L("März 2026"), L("März 2026")}));
    EXPECT_EQ(umgebung.drucker.dokumente[0].seiten[0].ausrichtung, Ausrichtung::Querformat);
    EXPECT_EQ(umgebung.drucker.Orientation(), Ausrichtung::Hochformat);
    EXPECT_EQ(fortschritt.back(), 100);
    EXPECT_EQ(o.TDruckenAb, L("01.04.2026"));
    EXPECT_EQ(o.LaufAnzMon, 1);
    EXPECT_EQ(IniLesen({}, {}, L("AutoPrintZuletzt")), L("09.12.2026"));
}

TEST_F(Kalenderblatt, AbbruchVerwirftUndStelltDieAusrichtungZurueck) {
    ASSERT_TRUE(umgebung.drucker.setOrientation(Ausrichtung::Hochformat));
    umgebung.drucker.naechsterFehler = Fehler(FehlerNr::Druckerfehler);
    umgebung.drucker.fehlerNach = 20;
    umgebung.meldungen.antworten({3});
    EXPECT_FALSE(drucken());
    EXPECT_TRUE(umgebung.drucker.dokumente.at(0).verworfen);
    EXPECT_EQ(umgebung.drucker.Orientation(), Ausrichtung::Hochformat);
    EXPECT_TRUE(IniLesen({}, {}, L("AutoPrintZuletzt")).isEmpty());
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(
        L("Es ist ein Fehler beim Drucken aufgetreten.")));
}

TEST(KalenderblattOptionen, FrischeVorgabenUndUnhaltbareWerte) {
    test::TestUmgebung umgebung;
    const BlattOptionen frisch = BlattOptionenLesen(QDate(2026, 12, 9));
    EXPECT_EQ(frisch.TDruckenAb, L("01.12.2026"));
    EXPECT_EQ(frisch.kombiAdresse, L("Alle"));
    EXPECT_EQ(frisch.TDruckenAnzahl, 1);
    EXPECT_TRUE(frisch.strgPrnQuer);
    EXPECT_TRUE(frisch.strgPrnSW);
    EXPECT_EQ(frisch.GroesseDatum, 9);
    EXPECT_EQ(frisch.GroesseText, 7);
    IniSchreiben({}, {}, L("DruckenMonFntSz1"), L("13"));
    IniSchreiben({}, {}, L("DruckenMonFntSz2"), L("abc"));
    IniSchreiben({}, {}, L("DruckenAnzahl"), L("0"));
    IniSchreiben({}, {}, L("KalenderBlattQuer"), L("abc"));
    const BlattOptionen o = BlattOptionenLesen(QDate(2026, 12, 9));
    EXPECT_EQ(o.GroesseDatum, 5);
    EXPECT_EQ(o.GroesseText, 5);
    EXPECT_EQ(o.TDruckenAnzahl, 1);
    EXPECT_FALSE(o.strgPrnQuer);  // "abc" reads 0, which the box holds
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}
