#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include "planner/notizen.h"
#include "planner/sonderzeichen.h"
#include "testsupport/sonderdateien.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class NotizenTest : public ::testing::Test {
protected:
    QString datei() const { return umgebung.daten() + L("/Kronel.Txt"); }
    void laden(const QByteArray& inhalt) {
        umgebung.schreiben(datei(), inhalt);
        liste.Laden(datei());
    }

    test::TestUmgebung umgebung;
    NotizenListe liste;
};

}  // namespace

TEST_F(NotizenTest, LeereDateiWirdAusDerKuerzellisteGefuellt) {
    umgebung.schreiben(umgebung.programm() + L("/KUERZEL.LST"),
                       "mfg\tMit freundlichen Gr\xfc\xdf"
                       "en\r\nohne Tabulator\r\n");
    laden("");
    EXPECT_EQ(liste.Zeilen(), QStringList({L("Mit freundlichen Grüßen")}));
    EXPECT_EQ(liste.Markiert(), 0);
    // an existing notes file wins, its empty line included
    laden("b\r\n\r\nA\r\n");
    EXPECT_EQ(liste.Zeilen(), QStringList({L(""), L("A"), L("b")}));
}

TEST_F(NotizenTest, AufnehmenUndLoeschen) {
    laden("Gleich\r\nZebra\r\nAnfang\r\n");
    liste.Aufnehmen(L("Gleich"));
    EXPECT_EQ(liste.Zeilen(), QStringList({L("Anfang"), L("Gleich"), L("Gleich"), L("Zebra")}));
    EXPECT_EQ(liste.Markiert(), 2);  // the later of the equal lines
    EXPECT_EQ(liste.Position(), L("3/4"));
    liste.Aufnehmen({});
    EXPECT_EQ(liste.Zeilen().size(), 4);

    liste.Markieren(3);
    liste.Loeschen();
    EXPECT_EQ(liste.Markiert(), 2);  // the new last line
    liste.Markieren(-1);
    liste.Loeschen();  // without a selection: nothing
    EXPECT_EQ(liste.Zeilen().size(), 3);
    EXPECT_FALSE(liste.LoeschenFrei());
    EXPECT_FALSE(liste.EinfuegenFrei());

    laden("nur\r\n");
    liste.Loeschen();
    EXPECT_TRUE(liste.Zeilen().isEmpty());
    EXPECT_EQ(liste.Markiert(), -1);
}

TEST_F(NotizenTest, SpeichernLaesstDieDateiBeiLeererListeUndInAdressenStehen) {
    laden("alt\r\n");
    liste.Aufnehmen(L("Grüße"));
    EXPECT_TRUE(liste.Speichern(datei(), true).status);  // read-only: nothing written
    EXPECT_EQ(umgebung.lesen(datei()), "alt\r\n");
    EXPECT_TRUE(liste.Speichern(datei(), false).status);
    EXPECT_EQ(umgebung.lesen(datei()),
              "alt\r\nGr\xfc\xdf"
              "e\r\n");

    liste.Loeschen();
    liste.Loeschen();
    EXPECT_TRUE(liste.Speichern(datei(), false).status);
    EXPECT_EQ(umgebung.lesen(datei()),
              "alt\r\nGr\xfc\xdf"
              "e\r\n");

    umgebung.schreiben(umgebung.daten() + L("/buch.dat"), "1\tMaier\tEva\t\t\t\t\t040 123\r\n");
    liste.Aufnehmen(L("neu"));
    liste.AdressbuchLaden(umgebung.daten() + L("/buch.dat"));
    EXPECT_EQ(liste.Zeilen(), QStringList({L("Maier, Eva - 040 123")}));
    EXPECT_EQ(liste.Position(), L("Suchtext"));
    EXPECT_TRUE(liste.Speichern(datei(), false).status);
    EXPECT_EQ(umgebung.lesen(datei()),
              "alt\r\nGr\xfc\xdf"
              "e\r\n");
}

TEST_F(NotizenTest, SucheGehtReihumUndLaesstDieAuswahlStehen) {
    laden("anna\r\nbernd\r\nberta\r\n");
    liste.Markieren(1);
    liste.Suchen(L("B"));
    EXPECT_EQ(liste.Markiert(), 2);
    liste.Suchen(L("b"));
    EXPECT_EQ(liste.Markiert(), 1);  // round past anna
    liste.Suchen(L("x"));
    EXPECT_EQ(liste.Markiert(), 1);
    liste.Markieren(-1);
    liste.Suchen(L("x"));
    EXPECT_EQ(liste.Markiert(), 2);  // none found from no line: the last
    laden("allein\r\n");
    liste.Markieren(-1);
    liste.Suchen(L("x"));
    EXPECT_EQ(liste.Markiert(), 0);
}

TEST(Zeichensaetze, NamenUndGroessen) {
    const std::vector<Zeichensatz>& saetze = Zeichensaetze();
    ASSERT_EQ(saetze.size(), 6u);
    EXPECT_EQ(saetze[0].name, L("Alle"));
    EXPECT_EQ(saetze[0].zeichen.size(), 224);
    EXPECT_EQ(saetze[0].zeichen.front(), QChar(u' '));
    EXPECT_EQ(saetze[0].zeichen[0x80 - 32], QChar(0x20AC));  // the euro sign
    EXPECT_EQ(saetze[0].zeichen[0x81 - 32], QChar(0x81));    // no character there
    EXPECT_EQ(saetze[2].name, L("Dänisch"));
    EXPECT_EQ(saetze[2].zeichen.size(), 6);
    EXPECT_EQ(saetze[4].zeichen.size(), 24);
    EXPECT_EQ(saetze[4].zeichen.back(), QChar(u'~'));
}

TEST_F(NotizenTest, UnlesbareDateiWirdNichtUeberschrieben) {
    umgebung.schreiben(datei(), "alt\r\n");
    ASSERT_TRUE(QFile::setPermissions(datei(), QFileDevice::WriteOwner));
    // root reads every file: read as nobody, who cannot even enter the folder
    const bool root = geteuid() == 0;
    ASSERT_TRUE(!root || seteuid(65534) == 0);
    liste.Laden(datei());
    ASSERT_TRUE(!root || seteuid(0) == 0);
    liste.Aufnehmen(L("neu"));
    EXPECT_FALSE(liste.Speichern(datei(), false).status);
    EXPECT_TRUE(liste.Speichern(datei(), true).status);  // read-only: nothing to write anyway
    ASSERT_TRUE(QFile::setPermissions(datei(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_EQ(umgebung.lesen(datei()), "alt\r\n");
}

// A notes file that is a FIFO is named with its reason, without waiting for a
// writer; the list is not seeded as if there were no notes, and stays unsaved.
TEST_F(NotizenTest, UnlesbareDateiWirdGenanntUndNichtErsetzt) {
    umgebung.schreiben(umgebung.programm() + L("/Kuerzel.lst"), "mfg\tGruss\r\n");
    test::FifoAnlegen(datei());
    bool blockiert = false;
    test::OhneBlockieren(
        datei(), [&] { return (liste.Laden(datei()), 0); }, blockiert);
    EXPECT_FALSE(blockiert);
    ASSERT_TRUE(liste.Lesefehler());
    EXPECT_TRUE(liste.Lesefehler()->beschreibung.contains(L("»") + datei() +
                                                          L("« ist keine gewöhnliche Datei")));
    EXPECT_TRUE(liste.Zeilen().isEmpty());
    liste.Aufnehmen(L("neu"));
    const auto s = liste.Speichern(datei(), false).status;
    ASSERT_FALSE(s);
    EXPECT_TRUE(s.fehler().beschreibung.startsWith(L("»") + datei() + L("« konnte beim Öffnen")));
    EXPECT_FALSE(QFileInfo(datei()).isFile());
}

// Notes another program saved after the window read them: kept beside the
// file when the window writes its own; left as they are when the list is
// unchanged.
TEST_F(NotizenTest, FremdeNotizenWerdenBewahrt) {
    laden("alt\r\n");
    umgebung.schreiben(datei(), "fremd\r\n");
    EXPECT_EQ(liste.Speichern(datei(), false).bewahrt, QString());
    EXPECT_EQ(umgebung.lesen(datei()), "fremd\r\n");
    liste.Aufnehmen(L("neu"));
    EXPECT_EQ(liste.Speichern(datei(), false).bewahrt, datei() + L(".20261209-093000"));
    EXPECT_EQ(umgebung.lesen(datei() + L(".20261209-093000")), "fremd\r\n");
    EXPECT_EQ(umgebung.lesen(datei()), "alt\r\nneu\r\n");
    // Its own file again: the next save keeps nothing.
    liste.Aufnehmen(L("mehr"));
    EXPECT_EQ(liste.Speichern(datei(), false).bewahrt, QString());
}
