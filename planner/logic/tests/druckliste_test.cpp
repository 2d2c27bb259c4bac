#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "planner/druckliste.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

QString Satz(const char* schluessel, const QString& meldung, const char* von = "-   ") {
    return L(schluessel) + L(von) + L("-   -         -   Alle   ") + meldung;
}

DruckListenOptionen Optionen(const char* ab, const char* code, int leer, bool alleTage) {
    DruckListenOptionen o;
    o.TDruckenAb = L(ab);
    o.KDruckenBis = L(code);
    o.BDruckenBis = DruckenBisBerechnen(o.TDruckenAb, o.KDruckenBis);
    o.TDruckenLeerzeilen = leer;
    o.ODruckenAlleTage = alleTage;
    return o;
}

QString Blanks(qsizetype n) {
    return Space(n);
}

}  // namespace

TEST(DruckListe, SpanneUndCodeDesLetztenTages) {
    EXPECT_EQ(DruckenBisBerechnen(L("01.07.1998"), L("3W")), L("22.07.1998"));
    EXPECT_EQ(DruckenBisCode(L("01.07.1998"), QDate(1998, 7, 15)), L("14T"));
    EXPECT_EQ(DruckenBisBerechnen(L("01.07.1998"), L("3X")), L("01.07.1998"));
    EXPECT_EQ(DruckenBisBerechnen(L("01.01.9990"), L("999J")), L("31.12.9999"));
}

// The example of a day with one appointment and one note line, then an empty day.
TEST(DruckListe, ZahnarztZeileFuerZeile) {
    test::TestUmgebung umgebung;
    const DruckTermine t({Satz("19980705", L("Zahnarzt°°Unterlagen mitnehmen"))});
    const QStringList liste = DruckListeAufbauen(t, Optionen("05.07.1998", "1T", 1, true));
    const QStringList erwartet = {
        L("05.07.1998 (So) Zahnarzt"),
        Blanks(16) + L("Unterlagen mitnehmen"),
        Blanks(99),
        Blanks(16) + Zeichenkette(83, QLatin1Char('_')),
        Blanks(99),
        L("06.07.1998 (Mo) ") + Blanks(83),
        Blanks(16) + Zeichenkette(83, QLatin1Char('_')),
        Blanks(99),
    };
    EXPECT_EQ(liste, erwartet);
}

TEST(DruckListe, NurEigenesDatumUndKeineTrennOderSteuerzeilen) {
    test::TestUmgebung umgebung;
    const DruckTermine t({
        Satz("19980706", L("@Steuerung")),
        Satz("19980706", L("#verborgen")),
        Satz("19980706", L("x----------")),
        Satz("19980707", L("Messe"), "1W  "),  // announced a week early: still only its day
        Satz("19980706", L("Ende°°")),
        Satz("19980706", QString(200, QLatin1Char('z'))),
    });
    const QStringList liste = DruckListeAufbauen(t, Optionen("05.07.1998", "1W", 3, false));
    const QStringList erwartet = {
        L("06.07.1998 (Mo) Ende"),
        Blanks(16),
        Blanks(16) + QString(83, QLatin1Char('z')),
        Blanks(99),
        L("07.07.1998 (Di) Messe"),
        Blanks(99),
    };
    EXPECT_EQ(liste, erwartet);
}

TEST(DruckListe, LangeSpanneEndetNachDemTagUeber201Zeilen) {
    test::TestUmgebung umgebung;
    // every day an empty-day line and a separator: day 101 (11.04.2026) passes 201 lines
    const QStringList liste =
        DruckListeAufbauen(DruckTermine({}), Optionen("01.01.2026", "1J", 0, true));
    ASSERT_EQ(liste.size(), 202);
    EXPECT_EQ(liste[200], L("11.04.2026 (Sa) ") + Blanks(83));

    // without empty days the build jumps from record to record over centuries
    const DruckTermine t({Satz("29000101", L("fern")), Satz("20260101", L("nah"))});
    EXPECT_EQ(
        DruckListeAufbauen(t, Optionen("01.01.2026", "999J", 0, false)),
        (QStringList{L("01.01.2026 (Do) nah"), Blanks(99), L("01.01.2900 (Fr) fern"), Blanks(99)}));
}

TEST(DruckListe, VorschauHoechstens30000ZeichenUndNeunPunkte) {
    const QStringList liste(400, QString(99, QLatin1Char('x')));
    const QString text = DruckVorschauText(liste);
    EXPECT_EQ(text.size(), 30000);
    EXPECT_TRUE(text.startsWith(QString(99, QLatin1Char('x')) + L("\r\n")));
    EXPECT_EQ(DruckVorschauText({QString(300, QLatin1Char('y'))}),
              QString(250, QLatin1Char('y')) + L("\r\n"));
    EXPECT_DOUBLE_EQ(VorschauSchrift({L("Arial"), 12}).groesse, 9);
    EXPECT_DOUBLE_EQ(VorschauSchrift({L("Arial"), 8}).groesse, 8);
}

TEST(DruckListe, UnhaltbareEinstellungenNehmenDieVorgabeOhneMeldung) {
    test::TestUmgebung umgebung;
    const DruckListenOptionen frisch = DruckOptionenLesen(QDate(2026, 12, 9));
    EXPECT_EQ(frisch.TDruckenAb, L("09.12.2026"));
    EXPECT_EQ(frisch.BDruckenBis, L("30.12.2026"));
    IniSchreiben({}, {}, L("DruckenAnzahl"), L("abc"));
    IniSchreiben({}, {}, L("DruckenMaxSeiten"), L("21"));
    IniSchreiben({}, {}, L("DruckenRandLinks"), L(" 15"));
    IniSchreiben({}, {}, L("DruckenLeerzeilen"), L("abc"));
    IniSchreiben({}, {}, L("DruckenAlleTage"), L("0"));
    const DruckListenOptionen o = DruckOptionenLesen(QDate(2026, 12, 9));
    EXPECT_EQ(o.TDruckenAnzahl, 1);
    EXPECT_EQ(o.TDruckenMaxSeiten, 1);
    EXPECT_EQ(o.TDruckenRandLinks, 15);
    EXPECT_EQ(o.TDruckenLeerzeilen, 0);  // "abc" reads 0, which the bar holds
    EXPECT_FALSE(o.ODruckenAlleTage);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

namespace {

// 10 pt on the test surface: lines of 0.5 cm; a page ends after the line that
// reaches 27.7 - 1.7 cm, so it holds 51 lines. Each empty day gives two lines.
class DruckListeAufDemDrucker : public ::testing::Test {
protected:
    // One day of the given number of appointments at 10 pt from a margin of
    // 1.5 cm, the 51st of them 83 characters long.
    bool langenTagDrucken(int termine, int seiten, const char* schrift) {
        QStringList t;
        for (int i = 0; i < termine; ++i) {
            t << Satz("19980705",
                      i == 50 ? QString(83, QLatin1Char('z')) : QStringLiteral("Termin %1").arg(i));
        }
        DruckListenOptionen o = Optionen("05.07.1998", "0T", 0, false);
        o.TDruckenRandLinks = 15;
        o.TDruckenMaxSeiten = seiten;
        return DruckListeDrucken(DruckTermine(t), o, {L(schrift), 10}, {});
    }
    std::vector<int> druckenUndZaehlen(const char* code, int kopien, int seiten) {
        DruckListenOptionen o = Optionen("01.01.2026", code, 0, true);
        o.TDruckenAnzahl = kopien;
        o.TDruckenMaxSeiten = seiten;
        o.TDruckenRandLinks = 15;
        DruckRueckmeldung r;
        r.fortschritt = [this](const QString& t) { titel.append(t); };
        EXPECT_TRUE(DruckListeDrucken(DruckTermine({}), o, {L("Courier New"), 10}, r));
        std::vector<int> zeilen;
        for (const test::DruckDokument& d : umgebung.drucker.dokumente) {
            EXPECT_TRUE(d.beendet);
            EXPECT_EQ(d.seiten.size(), 1u);
            zeilen.push_back(static_cast<int>(d.seiten[0].stuecke.size()));
        }
        return zeilen;
    }
    test::TestUmgebung umgebung;
    QStringList titel;
};

}  // namespace

TEST_F(DruckListeAufDemDrucker, ZweiKopienVonAnderthalbSeiten) {
    // 38 days, 76 lines: 51 and 25 per copy
    EXPECT_EQ(druckenUndZaehlen("37T", 2, 2), (std::vector<int>{51, 25, 51, 25}));
    EXPECT_EQ(titel, (QStringList{L("Kopie: 1, Seite: 1"), L("Kopie: 1, Seite: 2"),
                                  L("Kopie: 2, Seite: 1"), L("Kopie: 2, Seite: 2")}));
    const test::DruckStueck& erste = umgebung.drucker.dokumente[0].seiten[0].stuecke[0];
    EXPECT_DOUBLE_EQ(erste.x, 1.5);
    EXPECT_EQ(erste.schrift.name, L("Courier New"));
    EXPECT_EQ(IniLesen({}, {}, L("AutoPrintZuletzt")), L("09.12.2026"));
    EXPECT_TRUE(umgebung.lesen(umgebung.riviror()).contains("DruckenRandLinks= 15\r\n"));
}

TEST_F(DruckListeAufDemDrucker, SeitengrenzeEinsDrucktNurDieErsteSeite) {
    EXPECT_EQ(druckenUndZaehlen("37T", 2, 1), (std::vector<int>{51, 51}));
}

TEST_F(DruckListeAufDemDrucker, ListeEndetGenauAmSeitenende) {
    // 51 days, 102 lines: two full pages and no empty third document
    EXPECT_EQ(druckenUndZaehlen("50T", 1, 5), (std::vector<int>{51, 51}));
}

TEST_F(DruckListeAufDemDrucker, AbbruchVerwirftDasOffeneDokumentOhneDruckvermerk) {
    umgebung.drucker.naechsterFehler = Fehler(FehlerNr::Druckerfehler);
    umgebung.drucker.fehlerNach = 10;
    umgebung.meldungen.antworten({3});
    EXPECT_FALSE(DruckListeDrucken(DruckTermine({}), Optionen("01.01.2026", "37T", 0, true),
                                   {L("Arial"), 12}, {}));
    ASSERT_EQ(umgebung.drucker.dokumente.size(), 1u);
    EXPECT_TRUE(umgebung.drucker.dokumente[0].verworfen);
    EXPECT_DOUBLE_EQ(umgebung.drucker.dokumente[0].seiten[0].stuecke[0].schrift.groesse, 12);
    EXPECT_TRUE(IniLesen({}, {}, L("AutoPrintZuletzt")).isEmpty());
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(L("Es ist ein Fehler aufgetreten.")));
}

// 12 pt: a character 0.3 cm wide; from the margin of 1 cm the 19 cm of paper hold
// 60 characters, and the text column (16 characters in) 44 more.
TEST_F(DruckListeAufDemDrucker, JedesZeichenDerZeileErreichtDasPapier) {
    DruckListenOptionen o = Optionen("05.07.1998", "0T", 1, true);
    o.TDruckenRandLinks = 10;
    ASSERT_TRUE(DruckListeDrucken(DruckTermine({Satz("19980705", QString(200, QLatin1Char('z')))}),
                                  o, {L("Courier New"), 12}, {}));
    ASSERT_EQ(umgebung.drucker.dokumente.size(), 1u);
    const auto& st = umgebung.drucker.dokumente[0].seiten.at(0).stuecke;
    ASSERT_GE(st.size(), 3u);
    EXPECT_EQ(st[0].text, L("05.07.1998 (So) ") + QString(44, QLatin1Char('z')));
    EXPECT_DOUBLE_EQ(st[0].x, 1.0);
    EXPECT_EQ(st[1].text, QString(39, QLatin1Char('z')));
    EXPECT_NEAR(st[1].x, 1.0 + 16 * 0.3, 1e-9);
    EXPECT_NEAR(st[1].y, 0.6, 1e-9);
    bool linie = false;
    for (const test::DruckStueck& s : st) {
        EXPECT_LE(s.x + s.text.size() * 0.3, 19.0 + 1e-9) << s.text.toStdString();
        linie = linie || s.text == Blanks(16) + Zeichenkette(44, QLatin1Char('_'));
    }
    EXPECT_TRUE(linie);  // the rule ends at the paper's printable width
}

// 10 pt: 51 rows a page. A day of 111 appointments, the 51st of them two rows
// long: its second row opens page 2, appointment 101 opens page 3, each under
// the day's date.
TEST_F(DruckListeAufDemDrucker, TagUeberDenSeitenumbruchZeigtObenSeinDatum) {
    ASSERT_TRUE(langenTagDrucken(111, 3, "Courier New"));
    const auto& dok = umgebung.drucker.dokumente;
    ASSERT_EQ(dok.size(), 3u);
    const auto& eins = dok[0].seiten.at(0).stuecke;
    EXPECT_EQ(eins.size(), 51u);
    EXPECT_EQ(eins.back().text, Blanks(16) + QString(54, QLatin1Char('z')));
    const auto& zwei = dok[1].seiten.at(0).stuecke;
    ASSERT_GE(zwei.size(), 3u);
    EXPECT_EQ(zwei[0].text, L("05.07.1998 (So)"));
    EXPECT_DOUBLE_EQ(zwei[0].x, 1.5);
    EXPECT_EQ(zwei[1].text, QString(29, QLatin1Char('z')));
    EXPECT_DOUBLE_EQ(zwei[1].x, 1.5 + 4.0);
    EXPECT_DOUBLE_EQ(zwei[1].y, 0.0);
    EXPECT_EQ(zwei[2].text, Blanks(16) + L("Termin 51"));
    EXPECT_EQ(dok[2].seiten.at(0).stuecke.front().text, L("05.07.1998 (So) Termin 101"));
}

// In a proportional font (here a blank half as wide as a digit) the repeated
// date is wider than the blanked prefix: the row that opens page 2 stands under
// the text column of the day's dated line, not under the date.
TEST_F(DruckListeAufDemDrucker, WiederholtesDatumUeberdecktKeineFortsetzung) {
    umgebung.drucker.blankAnteil = 0.5;
    ASSERT_TRUE(langenTagDrucken(51, 2, "Arial"));
    ASSERT_GE(umgebung.drucker.dokumente.size(), 2u);
    // page 1 ends with 16 blanks (2 cm) and 62 z (15.5 cm) of the 17.5 cm
    EXPECT_EQ(umgebung.drucker.dokumente[0].seiten.at(0).stuecke.back().text,
              Blanks(16) + QString(62, QLatin1Char('z')));
    const auto& zwei = umgebung.drucker.dokumente[1].seiten.at(0).stuecke;
    ASSERT_GE(zwei.size(), 2u);
    EXPECT_EQ(zwei[0].text, L("05.07.1998 (So)"));
    // "05.07.1998 (So) ": 14 characters of 0.25 cm and two blanks of 0.125 cm
    EXPECT_EQ(zwei[1].text, QString(21, QLatin1Char('z')));
    EXPECT_DOUBLE_EQ(zwei[1].x, 1.5 + 3.75);
}
