#include <gtest/gtest.h>

#include <QFile>

#include <sys/stat.h>

#include "common/modul.h"
#include "common/startwachen.h"
#include "platform/befehlszeile.h"
#include "testsupport/testsupport.h"

using namespace kronel;

namespace {
QString L(const char* s) {
    return QString::fromUtf8(s);
}
}  // namespace

class Leserechte : public ::testing::Test {
protected:
    Leserechte() {
        modul() = {};
        BefehlszeileSetzen({});
    }
    ~Leserechte() override {
        modul() = {};
        BefehlszeileSetzen({});
    }
    QString marke() const { return umgebung.programm() + L("/READONLY.TXT"); }
    QString darueber() const { return umgebung.programm() + L("/../READONLY.TXT"); }
    test::TestUmgebung umgebung;
};

TEST_F(Leserechte, OhneAnlassAlleRechte) {
    modul().NurLesen = true;
    LeserechtePruefen();
    EXPECT_FALSE(modul().NurLesen);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(Leserechte, ReadonlyIrgendwoInDerBefehlszeile) {
    for (const char* zeile : {"readonly", "/n ReadOnly", "gehezu:x NOTREADONLYX"}) {
        BefehlszeileSetzen({L(zeile)});
        LeserechtePruefen();
        EXPECT_TRUE(modul().NurLesen) << zeile;
    }
    BefehlszeileSetzen({L("read"), L("only")});
    LeserechtePruefen();
    EXPECT_FALSE(modul().NurLesen);
}

TEST_F(Leserechte, SchreibgeschuetzteDatDatei) {
    const QString dat = umgebung.programm() + L("/Alt.DAT");
    umgebung.schreiben(dat, "x");
    LeserechtePruefen();
    EXPECT_FALSE(modul().NurLesen);
    ::chmod(QFile::encodeName(dat).constData(), 0444);
    LeserechtePruefen();
    EXPECT_TRUE(modul().NurLesen);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(Leserechte, MarkierungImProgrammordnerZeigtIhrenText) {
    umgebung.schreiben(marke(), "Heute nur lesen.\r\nGruss~Otto\r\n\r\n");
    umgebung.schreiben(darueber(), "der andere Text");
    LeserechtePruefen();
    EXPECT_TRUE(modul().NurLesen);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const test::Box& b = umgebung.meldungen.boxen[0];
    EXPECT_EQ(b.titel, L("Kronel, nur Leserechte"));
    EXPECT_EQ(b.stil, 64);
    EXPECT_EQ(b.text, L("Heute nur lesen.\r\nGruss\r\nOtto"));
    EXPECT_EQ(b.tonVorher, QStringList({L("#SystemExclamation")}));
}

TEST_F(Leserechte, MarkierungDarueberUndLeereMarkierung) {
    umgebung.schreiben(darueber(), "Oben");
    LeserechtePruefen();
    EXPECT_TRUE(modul().NurLesen);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("Oben"));

    QFile::remove(darueber());
    umgebung.schreiben(umgebung.programm() + L("/readonly.txt"), "\r\n\r\n");
    LeserechtePruefen();
    EXPECT_TRUE(modul().NurLesen);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);  // no second box
}

TEST_F(Leserechte, LangeMarkierungWirdGekuerzt) {
    umgebung.schreiben(marke(), QByteArray(601, 'a'));
    LeserechtePruefen();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, QString(600, QLatin1Char('a')) + L("..."));
    umgebung.meldungen.boxen.clear();
    umgebung.schreiben(marke(), QByteArray(600, 'b'));
    LeserechtePruefen();
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, QString(600, QLatin1Char('b')));
}
