#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "common/dateien.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;
}  // namespace

TEST(DateiTeil, TeileEinesPfades) {
    const QString p = L("/home/doku/LISTE.TXT");
    EXPECT_EQ(DateiTeil(p, -1), L("/home/doku"));
    EXPECT_EQ(DateiTeil(p, 0), L("/home/doku/"));
    EXPECT_EQ(DateiTeil(p, 1), L("LISTE"));
    EXPECT_EQ(DateiTeil(p, 2), L("TXT"));
    EXPECT_EQ(DateiTeil(p, 3), L("LISTE.TXT"));
    EXPECT_EQ(DateiTeil(p, 4), QString());
    EXPECT_EQ(DateiTeil(p, -2), QString());
}

TEST(DateiTeil, Randfaelle) {
    // a switch behind a program path: the blank in front of it stays
    EXPECT_EQ(DateiTeil(L("/opt/prog/X.EXE /n"), 3), L("X.EXE "));
    EXPECT_EQ(DateiTeil(L("  /opt/prog/X.EXE /n  "), 0), L("/opt/prog/"));
    EXPECT_EQ(DateiTeil(L("LISTE.TXT"), -1), QString());
    EXPECT_EQ(DateiTeil(L("LISTE.TXT"), 0), QString());
    EXPECT_EQ(DateiTeil(L("A/B.C.D"), 2), L("C.D"));
    EXPECT_EQ(DateiTeil(L("A/B.C.D"), 1), L("B"));
    EXPECT_EQ(DateiTeil(L("/opt/README"), 2), QString());
    EXPECT_EQ(DateiTeil(L("/opt/README"), 1), L("README"));
    // written the Windows way
    EXPECT_EQ(DateiTeil(L("C:\\DOKU\\LISTE.TXT"), -1), L("C:/DOKU"));
    EXPECT_EQ(DateiTeil(L("C:\\PROG\\X.EXE /n"), 3), L("X.EXE "));
    EXPECT_EQ(DateiTeil(L("xyz C:\\A\\B.TXT"), 0), L("C:/A/"));
    EXPECT_EQ(DateiTeil(L(":\\A\\B.TXT"), 0), L(":/A/"));
}

class Sicherung : public ::testing::Test {
protected:
    test::TestUmgebung umgebung;
    QString quelle() const { return umgebung.daten() + L("/Kronel.PlD"); }
    QString bak() const { return umgebung.daten() + L("/Kronel.BAK"); }
};

TEST_F(Sicherung, ModusEinsKopiertUeberDieAlteSicherung) {
    umgebung.schreiben(quelle(), "neu\r\n");
    umgebung.schreiben(bak(), "alt\r\n");
    EXPECT_TRUE(SicherungAnlegen(quelle(), 1));
    EXPECT_EQ(umgebung.lesen(bak()), "neu\r\n");
    EXPECT_EQ(umgebung.lesen(quelle()), "neu\r\n");
    EXPECT_EQ(QDir(umgebung.daten()).entryList(QDir::Files),
              QStringList({L("Kronel.BAK"), L("Kronel.PlD")}));  // no temporary file left
    EXPECT_EQ(umgebung.zeiger.verlauf, (std::vector<Zeiger>{Zeiger::Sanduhr, Zeiger::Standard}));
}

TEST_F(Sicherung, FehlendeQuelleBehaeltDieAlteSicherung) {
    umgebung.schreiben(bak(), "einzige Sicherung");
    EXPECT_FALSE(SicherungAnlegen(quelle(), 1));
    EXPECT_EQ(umgebung.lesen(bak()), "einzige Sicherung");
}

TEST_F(Sicherung, AndererModusLoeschtNurDieSicherung) {
    umgebung.schreiben(quelle(), "daten");
    umgebung.schreiben(bak(), "alt");
    EXPECT_TRUE(SicherungAnlegen(quelle(), 0));
    EXPECT_FALSE(QFile::exists(bak()));
    EXPECT_TRUE(QFile::exists(quelle()));
    EXPECT_TRUE(SicherungAnlegen(quelle(), 2));  // nothing to delete
}

TEST_F(Sicherung, SicherungInAndererSchreibungWirdErsetzt) {
    umgebung.schreiben(quelle(), "neu");
    umgebung.schreiben(umgebung.daten() + L("/kronel.bak"), "alt");
    EXPECT_TRUE(SicherungAnlegen(quelle(), 1));
    EXPECT_EQ(umgebung.lesen(umgebung.daten() + L("/kronel.bak")), "neu");
    EXPECT_FALSE(QFile::exists(bak()));
}
