#include <gtest/gtest.h>

#include <map>

#include "common/drucktext.h"
#include "platform/drucker.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;
using test::L;

namespace {

// The printed lines as "x y text", the words of one line joined.
QStringList Zeilen(const test::AufnahmeDrucker& d) {
    std::map<double, std::pair<double, QString>> nachY;
    for (const test::DruckDokument& dok : d.dokumente) {
        for (const test::DruckSeite& s : dok.seiten) {
            for (const test::DruckStueck& st : s.stuecke) {
                auto [it, neu] = nachY.try_emplace(st.y, st.x, QString());
                it->second.second += st.text;
            }
        }
    }
    QStringList z;
    for (const auto& [y, zeile] : nachY) {
        z.append(QStringLiteral("%1 %2 %3").arg(zeile.first).arg(y).arg(zeile.second));
    }
    return z;
}

struct Fall {
    const char* name;
    const char* text;
    double links, oben, rechts, unten;
    double startX;  // the position before the call
    QStringList zeilen;
    const char* rest;
};

}  // namespace

// 10 pt on the test surface: a character 0.25 cm wide, a line 0.5 cm high.
TEST(TextDrucken, Randfaelle) {
    const std::vector<Fall> faelle = {
        {"zu breites Wort am rechten Rand gebrochen",
         "ab abcdefghij cd",
         1,
         0,
         3,
         10,
         0,
         {L("1 0 ab abcd"), L("1 0.5 efghij "), L("1 1 cd")},
         ""},
        {"gebrochenes Wort endet am unteren Rand, sein Rest kommt zurueck",
         "abcdefghij kl",
         0,
         0,
         1,
         1,
         0,
         {L("0 0 abc"), L("0 0.5 def")},
         "ghij kl"},
        {"Wort endet genau am rechten Rand",
         "abc abcd",
         0,
         0,
         2,
         10,
         0,
         {L("0 0 abc "), L("0 0.5 abcd")},
         ""},
        {"Zeile endet genau am unteren Rand, Rest ab dem ersten Wort",
         "aaa bbb ccc ddd",
         0,
         0,
         1.25,
         1,
         0,
         {L("0 0 aaa "), L("0 0.5 bbb ")},
         "ccc ddd"},
        {"Bindestrich bleibt oben",
         "Termin-Kalender",
         0,
         0,
         3,
         10,
         0,
         {L("0 0 Termin-"), L("0 0.5 Kalender")},
         ""},
        {"CR LF ein Umbruch, LF allein keiner",
         "eins\r\nzwei drei\nvier",
         2,
         1,
         10,
         10,
         0,
         {L("2 1 eins"), L("2 1.5 zwei dreivier")},
         ""},
        {"erstes Wort passt nicht ab der Startposition",
         "abcdefgh",
         -1,
         0,
         -1,
         -1,
         17,
         {L("0 0.5 abcdefgh")},
         ""},
        {"leerer Text", "", 0, 0, 5, 5, 0, {}, ""},
        // The texts of a calendar cell, joined with CR LF, stop at its bottom.
        {"Zeile nach CR wird am unteren Rand geprueft",
         "a\r\nb\r\nc\r\nd",
         0,
         0,
         10,
         1,
         0,
         {L("0 0 a"), L("0 0.5 b")},
         "c\r\nd"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        test::TestUmgebung umgebung;
        test::AufnahmeDrucker& d = umgebung.drucker;
        ASSERT_TRUE(d.setScaleMode(Massstab::Zentimeter));
        d.setCurrentX(f.startX);
        EXPECT_EQ(TextDrucken(L(f.text), f.links, f.oben, f.rechts, f.unten), L(f.rest));
        EXPECT_EQ(Zeilen(d), f.zeilen);
        EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    }
}

TEST(TextDrucken, VorgabeRechteckUndFortsetzungAufNeuerSeite) {
    test::TestUmgebung umgebung;
    test::AufnahmeDrucker& d = umgebung.drucker;
    ASSERT_TRUE(d.setScaleMode(Massstab::Zentimeter));
    QString text;
    for (int i = 0; i < 1000; ++i) {
        text += QStringLiteral("%1 ").arg(i % 1000, 3, 10, QLatin1Char('0'));
    }
    // 18 cm take 17 words of 1 cm; 26.2 cm take 52 lines of 0.5 cm
    const QString rest = TextDrucken(text, 0, 0, -1, -1);
    const QStringList z = Zeilen(d);
    ASSERT_EQ(z.size(), 52);
    EXPECT_EQ(z.back(), L("0 25.5 ") + text.mid(51 * 17 * 4, 17 * 4));
    EXPECT_EQ(rest, text.mid(52 * 17 * 4));

    ASSERT_TRUE(d.EndDoc());
    d.dokumente.clear();
    EXPECT_EQ(TextDrucken(rest, 0, 0, -1, -1), QString());
    EXPECT_EQ(Zeilen(d).front(), L("0 0 ") + rest.left(17 * 4));
}

TEST(TextDrucken, AbbruchNachDruckfehlerGibtLeerenRest) {
    test::TestUmgebung umgebung;
    test::AufnahmeDrucker& d = umgebung.drucker;
    ASSERT_TRUE(d.setScaleMode(Massstab::Zentimeter));
    d.naechsterFehler = Fehler(FehlerNr::Druckerfehler);
    umgebung.meldungen.antworten({3});
    EXPECT_EQ(TextDrucken(L("eins zwei"), 0, 0, 1, 1), QString());
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(L("Fehler bei der Textformatierung.")));
}

// 10 pt: a character 0.25 cm wide.
TEST(DruckZeilenUmbrechen, ZwischenWoertenUndNurWoNoetigImWort) {
    test::TestUmgebung umgebung;
    ASSERT_TRUE(umgebung.drucker.setScaleMode(Massstab::Zentimeter));
    struct Fall {
        const char* zeile;
        double erste, weitere;
        QStringList reihen;
    };
    const std::vector<Fall> faelle = {
        {"passt   ", 2, 1, {L("passt   ")}},
        {"Termin beim Zahnarzt", 3, 2.5, {L("Termin beim "), L("Zahnarzt")}},
        {"Termin beim Zahnarzt",
         2.75,
         2.5,
         {L("Termin beim"), L("Zahnarzt")}},  // blank at the break
        {"Termin-Kalender", 2.5, 2.5, {L("Termin-"), L("Kalender")}},
        // a word wider than every row fills the first one
        {"ab zzzzzzzzzzzzzzzzzzzzzzz", 2.5, 2.5, {L("ab zzzzzzz"), L("zzzzzzzzzz"), L("zzzzzz")}},
        {"abc                 ", 2, 2, {L("abc     ")}},  // padding that finds no room
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zeile);
        EXPECT_EQ(DruckZeilenUmbrechen(L(f.zeile), f.erste, f.weitere), f.reihen);
    }
}
