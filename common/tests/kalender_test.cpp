#include <gtest/gtest.h>

#include <QFile>

#include "common/kalender.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class Kalender : public ::testing::Test {
protected:
    test::TestUmgebung umgebung;
    void datei(const char* name, const char* inhalt) {
        umgebung.schreiben(umgebung.programm() + QLatin1Char('/') + L(name), NachCp1252(L(inhalt)));
    }
};

}  // namespace

TEST_F(Kalender, FeiertageJaehrlichUndDatiert) {
    EXPECT_EQ(FeiertagText(QDate(2024, 12, 25)), QString());  // no file: no text
    datei("Feiertag.Ini",
          "[Feiertage]\r\n25.12=1. Weihnachtstag\r\n26.12=   \r\n"
          "25.12.2024=Sondertag\r\n");
    EXPECT_EQ(FeiertagText(QDate(2023, 12, 25)), L("1. Weihnachtstag"));
    EXPECT_EQ(FeiertagText(QDate(2024, 12, 25)), L("Sondertag"));  // the dated entry wins
    EXPECT_EQ(FeiertagText(QDate(2024, 12, 26)), QString());       // blanks are no name
    EXPECT_EQ(*FeiertagText(L("25.12.2023")), L("1. Weihnachtstag"));
    EXPECT_EQ(*FeiertagText(L("1.5.24")), QString());
    EXPECT_FALSE(FeiertagText(L("32.12.2024")).ok());
}

TEST_F(Kalender, FeiertagNamenJederEinmal) {
    EXPECT_TRUE(FeiertagNamen().isEmpty());  // no file
    datei("Feiertag.Ini",
          "; Kommentar=kein Name\r\n[Feiertage]\r\n25.12= 1. Weihnachtstag \r\n26.12=   \r\n"
          "25.12.2024=1. Weihnachtstag\r\n03.10=Tag der Deutschen Einheit\r\n"
          "[Anderes]\r\n01.01=Neujahr\r\n[feiertage]\r\n01.05=zu spät\r\n");
    EXPECT_EQ(FeiertagNamen(),
              QStringList({L("1. Weihnachtstag"), L("Tag der Deutschen Einheit")}));
}

TEST_F(Kalender, DateinamenOhneRuecksichtAufGrossKlein) {
    datei("FEIERTAG.INI", "[FEIERTAGE]\r\n01.01=Neujahr\r\n");
    EXPECT_EQ(FeiertagText(QDate(2030, 1, 1)), L("Neujahr"));
}

TEST_F(Kalender, EineNeueDateiGiltSofort) {
    EXPECT_EQ(FeiertagText(QDate(2030, 1, 1)), QString());
    datei("Feiertag.Ini", "[Feiertage]\r\n01.01=Neujahr\r\n");
    EXPECT_EQ(FeiertagText(QDate(2030, 1, 1)), L("Neujahr"));
    QFile::remove(umgebung.programm() + L("/Feiertag.Ini"));
    EXPECT_EQ(FeiertagText(QDate(2030, 1, 1)), QString());
}

TEST_F(Kalender, AstroHinweiseZeilenweise) {
    datei("Astro.ini",
          "[Zyklisch]\r\n21.06=Sommeranfang\r\n[2024]\r\n21.06=Vollmond~Mondfinsternis\r\n");
    EXPECT_EQ(AstroText(QDate(2024, 6, 21)), L("Sommeranfang\r\nVollmond\r\nMondfinsternis"));
    EXPECT_EQ(AstroText(QDate(2025, 6, 21)), L("Sommeranfang"));
    EXPECT_EQ(AstroText(QDate(2025, 6, 22)), QString());
    datei("Astro.ini", "[2024]\r\n01.02=Lichtmess~\r\n");
    EXPECT_EQ(AstroText(QDate(2024, 2, 1)), L("Lichtmess\r\n"));
    EXPECT_FALSE(AstroText(L("kein Datum")).ok());
}

TEST_F(Kalender, WochennummernDerBeispiele) {
    EXPECT_EQ(KalenderWoche(QDate(2024, 1, 1)), 1);
    EXPECT_EQ(KalenderWoche(QDate(2024, 1, 7)), 1);
    EXPECT_EQ(KalenderWoche(QDate(2024, 1, 8)), 2);
    EXPECT_EQ(KalenderWoche(QDate(2023, 1, 1)), 52);
    EXPECT_EQ(KalenderWoche(QDate(2023, 1, 2)), 1);
    EXPECT_EQ(KalenderWoche(QDate(2021, 1, 1)), 53);
    EXPECT_EQ(KalenderWoche(QDate(2021, 1, 4)), 1);
    EXPECT_EQ(KalenderWoche(QDate(2020, 12, 31)), 53);
    EXPECT_EQ(KalenderWoche(QDate(2024, 12, 30)), 1);
    // A leap year that begins on a Thursday has 53 weeks (week 1 holds the
    // first Thursday): the shortcut that gave these days week 1 and 52 is gone.
    for (int tag = 27; tag <= 31; ++tag) {
        EXPECT_EQ(KalenderWoche(QDate(2004, 12, tag)), 53) << tag;
    }
    EXPECT_EQ(KalenderWoche(QDate(2005, 1, 1)), 53);
    EXPECT_EQ(KalenderWoche(QDate(2005, 1, 2)), 53);
    EXPECT_EQ(KalenderWoche(QDate(2005, 1, 3)), 1);
    EXPECT_EQ(KalenderWoche(QDate(2032, 12, 27)), 53);
    EXPECT_EQ(KalenderWoche(QDate(2033, 1, 2)), 53);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(Kalender, WochennummernDerJahreswechsel1901Bis2100) {
    // The table was made with date +%V, outside this code.
    QFile f(QStringLiteral(KRONEL_TESTDATEN "/iso_wochen.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    int zeilen = 0;
    for (const QString& zeile : ZeilenTeilen(AusCp1252(f.readAll()))) {
        const QStringList teile = zeile.split(QLatin1Char(' '));
        ASSERT_EQ(teile.size(), 2) << zeile.toStdString();
        EXPECT_EQ(KalenderWoche(teile[0]), teile[1].toInt()) << teile[0].toStdString();
        ++zeilen;
    }
    EXPECT_EQ(zeilen, 200 * 14);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(Kalender, UngueltigesDatumZeigtDieMeldung) {
    EXPECT_EQ(KalenderWoche(L("32.13.2024")), 0);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const auto& box = umgebung.meldungen.boxen[0];
    EXPECT_EQ(box.titel, L("Ungültiges Datum"));
    EXPECT_EQ(box.text, L("32.13.2024 ist kein gültiges Datum."));
    EXPECT_EQ(box.stil, 48);  // OK, exclamation
    EXPECT_EQ(KalenderWoche(L("32.13.2024")), 0);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);  // again at every call
    EXPECT_EQ(KalenderWocheOhneMeldung(L("32.13.2024")), 0);
    EXPECT_EQ(KalenderWoche(QDate()), 0);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_EQ(KalenderWoche(L("05.03.2024 14:30")), 10);  // the time is ignored
}

TEST(KalenderTage, JahreUndMonate) {
    EXPECT_EQ(TageImJahr(2000), 366);
    EXPECT_EQ(TageImJahr(1900), 365);
    EXPECT_EQ(TageImJahr(2024), 366);
    EXPECT_EQ(TageImJahr(96), 366);
    EXPECT_EQ(TageImJahr(0), 365);
    EXPECT_EQ(TageImJahr(2023), 365);
    EXPECT_EQ(TageImMonat(QDate(2024, 2, 10)), 29);
    EXPECT_EQ(TageImMonat(QDate(2023, 2, 10)), 28);
    EXPECT_EQ(TageImMonat(QDate(2000, 2, 1)), 29);
    EXPECT_EQ(TageImMonat(QDate(2100, 2, 1)), 28);
    EXPECT_EQ(TageImMonat(QDate(2024, 4, 30)), 30);
    EXPECT_EQ(TageImMonat(QDate(2024, 12, 1)), 31);
    EXPECT_EQ(*TageImMonat(QString::fromUtf8("15.02.2024")), 29);
    EXPECT_FALSE(TageImMonat(QString::fromUtf8("30.02.2024")).ok());
}
