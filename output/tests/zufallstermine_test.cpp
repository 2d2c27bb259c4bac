#include <gtest/gtest.h>

#include <QFile>

#include "common/einstellungen.h"
#include "output/autoprint.h"
#include "output/zufallstermine.h"
#include "platform/dateien.h"
#include "platform/text.h"
#include "testsupport/sonderdateien.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"
#include "testsupport/zufall.h"

using namespace kronel;

namespace {

using test::L;

class Spruch : public ::testing::Test {
protected:
    Spruch() { IniSchreiben({}, L("Kronel"), L("ZufallsTermine"), L("1")); }

    // A sayings file: the first line, then "Zeile 2" ... "Zeile n".
    void datei(int n, const QString& erste = L("erste Zeile"),
               const QString& name = L("Kronel.Daz")) {
        QString text = erste + L("\r\n");
        for (int i = 2; i <= n; ++i) {
            text += L("Zeile %1\r\n").arg(i);
        }
        umgebung.schreiben(umgebung.programm() + u'/' + name, NachCp1252(text));
    }
    QString ini(const char* schluessel) { return IniLesen({}, {}, L(schluessel), L("(fehlt)")); }

    test::TestUmgebung umgebung{L("Kronel")};
};

}  // namespace

TEST_F(Spruch, AbgeschaltetOderOhneDateiOderZuKurz) {
    IniSchreiben({}, L("Kronel"), L("ZufallsTermine"), L("0"));
    test::FolgeZufall zufall;
    EXPECT_EQ(ZufallsTermineAusgeben(zufall), QString());
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());

    IniSchreiben({}, L("Kronel"), L("ZufallsTermine"), L("1"));
    IniSchreiben({}, L("Kronel"), L("ZufallsTermineFile"), L("Sprueche/Mein.Daz"));
    EXPECT_EQ(ZufallsTermineAusgeben(zufall), QString());
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Kronel, Zufallstermine ausgeben"));
    // The name as stored: its case is kept.
    EXPECT_EQ(umgebung.meldungen.boxen[0].text,
              L("Kann die Zufalls-Termin-Datei »Sprueche/Mein.Daz« nicht finden."));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::OK | Box::Ausrufezeichen);
    EXPECT_EQ(umgebung.meldungen.boxen[0].tonVorher, QStringList{L("#SystemExclamation")});

    datei(11, L("x"), L("Sprueche/MEIN.daz"));
    EXPECT_EQ(ZufallsTermineAusgeben(zufall), QString());
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_EQ(umgebung.meldungen.boxen[1].text,
              L("In der Zufalls-Termin-Datei sind leider nicht genügend viele Zeilen vorhanden."));
    EXPECT_EQ(ini("ZufallsTermineZuletzt"), L("(fehlt)"));
    EXPECT_EQ(zufall.gezogen, 0);
}

// A FIFO or an oversized file is there: named with why it is not read, not as
// missing or as too short.
TEST_F(Spruch, FifoOderZuGrosseDateiWirdGenannt) {
    const QString pfad = umgebung.programm() + L("/Kronel.Daz");
    test::FifoAnlegen(pfad);
    test::FolgeZufall zufall;
    EXPECT_EQ(ZufallsTermineAusgeben(zufall), QString());
    QFile::remove(pfad);
    test::GrosseDateiAnlegen(pfad, kLeseGrenze + 1, "erste Zeile\r\n");
    EXPECT_EQ(ZufallsTermineAusgeben(zufall), QString());
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(L("»") + pfad +
                                                          L("« ist keine gewöhnliche Datei")));
    EXPECT_TRUE(
        umgebung.meldungen.boxen[1].text.contains(L("»") + pfad + L("« ist größer als 256 MB")));
    EXPECT_EQ(zufall.gezogen, 0);
}

TEST_F(Spruch, ElfLaeufeOhneWiederholungDerLetztenZehn) {
    datei(12);
    SaatZufall zufall(4711);
    QList<int> gezeigt;
    for (int lauf = 0; lauf < 11; ++lauf) {
        const QString text = ZufallsTermineAusgeben(zufall);
        ASSERT_TRUE(text.startsWith(L("\r\nDer Satz des Tages:\r\nZeile "))) << text.toStdString();
        const int k = text.mid(29).trimmed().toInt();
        ASSERT_GE(k, 2);
        ASSERT_LE(k, 12);
        EXPECT_FALSE(gezeigt.mid(std::max<qsizetype>(0, gezeigt.size() - 10)).contains(k)) << k;
        gezeigt.append(k);
    }
    EXPECT_EQ(ini("ZufallsTermineZuletzt").size(), 50);
}

TEST_F(Spruch, UeberschriftUndUmbruch) {
    const QString lang =
        L("Ein Spruch von genau einhundertundfünfzig Zeichen, der über "
          "mehrere Zeilen geht, damit man sieht, wo der Umbruch landet und "
          "wie es dann so weitergeht.");
    ASSERT_EQ(lang.size(), 150);
    QString text = L("..  Heute bedacht:  \r\n   ") + lang + L("   \r\n");
    for (int i = 3; i <= 12; ++i) {
        text += L("Zeile %1\r\n").arg(i);
    }
    umgebung.schreiben(umgebung.programm() + L("/Kronel.Daz"), NachCp1252(text));
    test::FolgeZufall zufall{0.0};
    // Broken at the first blank from the 66th character on, again 66 or more after that.
    EXPECT_EQ(ZufallsTermineAusgeben(zufall),
              L("\r\nHeute bedacht:\r\nEin Spruch von genau einhundertundfünfzig Zeichen, der über "
                "mehrere\r\nZeilen geht, damit man sieht, wo der Umbruch landet und wie es dann\r\n"
                "so weitergeht.\r\n"));
    EXPECT_EQ(SpruchUmbrechen(L("a~b °°c")), L("a~b °°c"));
}

// A history shorter than 5 characters bars nothing; a hand-edited one longer
// than 50 counts with its last ten entries only.
TEST_F(Spruch, VerlaufKurzOderZuLang) {
    datei(12);
    IniSchreiben({}, L("Kronel"), L("ZufallsTermineZuletzt"), L(".02"));
    test::FolgeZufall null{0.0};
    EXPECT_TRUE(ZufallsTermineAusgeben(null).endsWith(L("Zeile 2\r\n")));
    EXPECT_EQ(ini("ZufallsTermineZuletzt"), L(".0000.0002"));

    // Lines 2 to 12 barred in 55 characters; the oldest, line 2, no longer counts.
    QString verlauf;
    for (int k = 2; k <= 12; ++k) {
        verlauf += L(".%1").arg(k, 4, 10, QLatin1Char('0'));
    }
    IniSchreiben({}, L("Kronel"), L("ZufallsTermineZuletzt"), verlauf);
    test::FolgeZufall zufall{0.3, 0.0};  // line 5 (barred), then line 2
    EXPECT_TRUE(ZufallsTermineAusgeben(zufall).endsWith(L("Zeile 2\r\n")));
    EXPECT_EQ(zufall.gezogen, 2);
    EXPECT_EQ(ini("ZufallsTermineZuletzt"), verlauf.mid(10) + L(".0002"));
}

TEST_F(Spruch, MitgelieferteDateiIstVollstaendig) {
    QFile f(L(KRONEL_QUELLORDNER "/data/Kronel.Daz"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_EQ(AusCp1252(NachCp1252(AusCp1252(bytes))), AusCp1252(bytes));
    const QStringList zeilen = ZeilenTeilen(AusCp1252(bytes));
    ASSERT_GE(zeilen.size(), 12);
    EXPECT_EQ(zeilen[0], L("..Der Satz des Tages:"));
    EXPECT_EQ(zeilen.size(), 121);
    QStringList sprueche = zeilen.mid(1);
    for (const QString& s : sprueche) {
        EXPECT_LE(s.size(), 200) << s.toStdString();
        EXPECT_FALSE(Trim(s).isEmpty());
    }
    sprueche.removeDuplicates();
    EXPECT_EQ(sprueche.size(), zeilen.size() - 1);
    EXPECT_TRUE(bytes.contains('~'));
}

TEST(AutoPrint, EintraegeTreffenTagUndWochentag) {
    const QDate erster(2026, 6, 1);         // Monday
    const QDate zehnter(2026, 6, 10);       // Wednesday
    const QDate fuenfzehnter(2026, 6, 15);  // Monday
    const QDate freitag(2026, 6, 12);
    const QDate dienstag(2026, 6, 23);
    EXPECT_FALSE(AutoPrintTagPasst(L("-"), erster));
    EXPECT_TRUE(AutoPrintTagPasst(L("1, 15"), erster));
    EXPECT_TRUE(AutoPrintTagPasst(L("1, 15"), fuenfzehnter));
    EXPECT_FALSE(AutoPrintTagPasst(L("1, 15"), zehnter));
    EXPECT_TRUE(AutoPrintTagPasst(L("mo"), fuenfzehnter));
    EXPECT_FALSE(AutoPrintTagPasst(L("mo"), dienstag));
    EXPECT_TRUE(AutoPrintTagPasst(L("Freitag, 1"), freitag));
    EXPECT_TRUE(AutoPrintTagPasst(L("Freitag, 1"), erster));
    EXPECT_FALSE(AutoPrintTagPasst(L("Freitag, 1"), dienstag));
    EXPECT_TRUE(AutoPrintTagPasst(L("08"), QDate(2026, 6, 8)));
    // 0 stays "0": every day whose two digits hold a 0.
    EXPECT_TRUE(AutoPrintTagPasst(L("0"), QDate(2026, 6, 9)));
    EXPECT_TRUE(AutoPrintTagPasst(L("0"), zehnter));
    EXPECT_FALSE(AutoPrintTagPasst(L("0"), fuenfzehnter));
    // "tag" is in every weekday's name but Mittwoch.
    EXPECT_TRUE(AutoPrintTagPasst(L("tag"), dienstag));
    EXPECT_FALSE(AutoPrintTagPasst(L("tag"), zehnter));
    EXPECT_FALSE(AutoPrintTagPasst(L("1e400"), erster));
}
