#include <gtest/gtest.h>

#include <QFile>

#include "common/einstellungen.h"
#include "planner/setupwerte.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

QByteArray Golden(const QString& name) {
    QFile f(QStringLiteral(KRONEL_TESTDATEN "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class SetupWerteTest : public ::testing::Test {
protected:
    void setzen(const char* schluessel, const char* wert) {
        IniSchreiben({}, {}, L(schluessel), L(wert));
    }
    QString lesen(const char* schluessel) { return IniLesen({}, {}, L(schluessel), L("<fehlt>")); }
    test::TestUmgebung umgebung;
};

TEST_F(SetupWerteTest, LeereEinstellungenSchreibenDieVorgaben) {
    SetupSchreiben(SetupLesen());
    EXPECT_EQ(umgebung.lesen(umgebung.riviror()), Golden(L("setup_vorgaben.ini")));
}

TEST_F(SetupWerteTest, PruefkaestenNachZahlUndLieblingsausdruckNachNullOderNicht) {
    setzen("Sound", "2");
    setzen("MESZ", "ja");
    setzen("Mondphase", " 1");
    setzen("Lieblingsausdruck", "2");
    SetupWerte w = SetupLesen();
    EXPECT_TRUE(w.Sound);
    EXPECT_FALSE(w.MESZ);
    EXPECT_TRUE(w.Mondphase);
    EXPECT_EQ(w.Lieblingsausdruck, 1);

    w.Mondphase = true;
    w.Lieblingsausdruck = 0;
    w.Sound = false;
    w.SoundFile = L("  /Musik/Gong.WAV ");
    SetupSchreiben(w);
    EXPECT_EQ(lesen("Mondphase"), L("1"));
    EXPECT_EQ(lesen("InfoAstro"), L("1"));
    EXPECT_EQ(lesen("Lieblingsausdruck"), L("0"));
    EXPECT_EQ(lesen("Sound"), L("0"));
    EXPECT_EQ(lesen("SoundFile"), L("/Musik/Gong.WAV"));  // trimmed, case kept
}

TEST_F(SetupWerteTest, ZeitzoneWirdNurUeberschriebenWennVorhanden) {
    SetupSchreiben(SetupLesen());
    EXPECT_EQ(lesen("Zeitzone"), L("<fehlt>"));
    setzen("Zeitzone", "MEZ");
    SetupSchreiben(SetupLesen());
    EXPECT_EQ(lesen("Zeitzone"), L("Eintrag kann gelöscht werden!"));
}

TEST_F(SetupWerteTest, Stationen) {
    EXPECT_EQ(StationsName(L("  Bartholomä")), L("Barth"));  // cut before the trim
    EXPECT_EQ(StationsName(L("HANS")), L("Hans"));
    EXPECT_EQ(StationsName(L("Ha|ns")), L("Hans"));  // "|" joins the stored list

    QStringList s{L("Alle"), L("Hans")};
    EXPECT_FALSE(StationHinzufuegen(s, L("hANS")));
    EXPECT_FALSE(StationHinzufuegen(s, L("   ")));
    EXPECT_FALSE(StationHinzufuegen(s, L("|")));
    EXPECT_TRUE(StationHinzufuegen(s, L("grete")));
    EXPECT_EQ(s, (QStringList{L("Alle"), L("Hans"), L("Grete")}));
    EXPECT_FALSE(StationEntfernen(s, L("Otto")));
    EXPECT_TRUE(StationEntfernen(s, L("HANS")));
    EXPECT_EQ(s, (QStringList{L("Alle"), L("Grete")}));
}

TEST_F(SetupWerteTest, StaedteGebenBreiteUndLaenge) {
    const QStringList staedte = StadtListe();
    ASSERT_EQ(staedte.size(), 36);
    EXPECT_EQ(staedte[3], L("Köln") + QString(50, QLatin1Char(' ')) + L("50.56  6.57"));
    EXPECT_EQ(StadtPosition(staedte[3]), std::make_pair(L("50.56"), L("6.57")));
    EXPECT_EQ(StadtPosition(staedte[0]), std::make_pair(L("52.32"), L("13.25")));
    EXPECT_EQ(StadtPosition(staedte[5]), std::make_pair(L("50.06"), L("8.41")));
}

TEST_F(SetupWerteTest, BenutzernameHoechstensSiebenZeichenLeerBleibtAlt) {
    IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
    umgebung.meldungen.eingaben({L("Maximilian"), L(""), std::nullopt});
    BenutzernameAendern();
    EXPECT_EQ(umgebung.meldungen.eingabeBoxen[0].vorgabe, L("Tester"));
    EXPECT_EQ(umgebung.meldungen.eingabeBoxen[0].titel, L("Benutzername"));
    EXPECT_EQ(IniLesen({}, L("Allgemein"), L("User")), L("Maximil"));
    BenutzernameAendern();
    BenutzernameAendern();
    EXPECT_EQ(IniLesen({}, L("Allgemein"), L("User")), L("Maximil"));
}

}  // namespace
