#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "common/startwachen.h"
#include "platform/befehlszeile.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;
}  // namespace

class Leserechte : public ::testing::Test {
protected:
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

// A data folder this user cannot write is read-only mode, told once with the
// read-only notice; a writable or missing folder changes nothing.
TEST_F(Leserechte, SchreibgeschuetzterDatenOrdner) {
    modul().DatenVerzeichnis = umgebung.daten();
    DatenOrdnerPruefen();
    EXPECT_FALSE(modul().NurLesen);
    modul().DatenVerzeichnis = umgebung.daten() + L("/fehlt");
    DatenOrdnerPruefen();
    EXPECT_FALSE(modul().NurLesen);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());

    modul().DatenVerzeichnis = umgebung.daten();
    ::chmod(QFile::encodeName(umgebung.daten()).constData(), 0555);
    DatenOrdnerPruefen();
    ::chmod(QFile::encodeName(umgebung.daten()).constData(), 0755);
    EXPECT_TRUE(modul().NurLesen);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Kronel, nur Leserechte"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, 64);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(umgebung.daten()));
    // where a folder of one's own is set
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.endsWith(
        L("Für einen eigenen Daten-Ordner setzen Sie den Schlüssel »DirData« im Abschnitt "
          "»Kronel« der Datei »") +
        umgebung.riviror() + L("«.")));
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

namespace {

class Startwachen : public ::testing::Test {
protected:
    Startwachen() {
        IniSchreiben({}, L("Allgemein"), L("User"), L("Ich"));
        umgebung.uhr.setzen(QDateTime(QDate(2024, 3, 5), QTime(15, 0, 0)));
    }
    QString netwatch() const { return umgebung.programm() + L("/NetWatch.Ini"); }
    QString lesen(const char* abschnitt, const char* schluessel) {
        return IniLesen(netwatch(), L(abschnitt), L(schluessel), L("<fehlt>"));
    }
    void anderer(const char* name, const char* seit) {
        IniSchreiben(netwatch(), L("UserJetzt"), L("User"), L(name));
        IniSchreiben(netwatch(), L("UserJetzt"), L("Seit"), L(seit));
    }
    test::TestUmgebung umgebung;
};

}  // namespace

TEST_F(Startwachen, AnmeldenOhneAnderenUndAbmelden) {
    EXPECT_TRUE(NetzWache(1));
    EXPECT_EQ(lesen("UserJetzt", "User"), L("Ich"));
    EXPECT_EQ(lesen("UserJetzt", "Seit"), L("05.03.2024 15:00:00"));
    EXPECT_EQ(lesen("Allgemein", "NoNetWatch"), L("0"));  // written back
    umgebung.uhr.setzen(QDateTime(QDate(2024, 3, 5), QTime(17, 30, 5)));
    EXPECT_TRUE(NetzWache(0));
    EXPECT_EQ(lesen("UserJetzt", "User"), L(""));
    EXPECT_EQ(lesen("UserLetzt", "User"), L("Ich"));
    EXPECT_EQ(lesen("UserLetzt", "Raus"), L("05.03.2024 17:30:05"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(Startwachen, AndererBenutzerWirdGefragt) {
    anderer("Otto", "05.03.2024 10:00:00");  // five hours ago: still asks
    umgebung.meldungen.antworten({Antwort::Ja});
    EXPECT_TRUE(NetzWache(1));
    EXPECT_TRUE(modul().NurLesen);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const test::Box& b = umgebung.meldungen.boxen[0];
    EXPECT_EQ(b.titel, L("Kronel meldet anderen Benutzer."));
    EXPECT_EQ(b.stil, 19);
    EXPECT_EQ(b.tonVorher, QStringList({L("#SystemHand")}));
    EXPECT_EQ(b.text,
              L("Das Programm wird seit 5,0 Stunden von Otto benutzt.\r\n\r\nWählen Sie, ob Sie"
                "\r\n\r\n* Ja, das Programm nur mit Leserechten\r\n\r\n* Nein, das Programm mit "
                "allen Rechten (evtl. Datenverlust)\r\n\r\n* Abbrechen, das Programm nicht\r\n\r\n"
                "starten wollen. Wenn Sie unschlüssig sind, drücken Sie nur Enter."));
    EXPECT_EQ(lesen("UserJetzt", "User"), L("Otto"));  // the first user's entry stays
    // read-only: the end signs nobody off
    EXPECT_TRUE(NetzWache(0));
    EXPECT_EQ(lesen("UserJetzt", "User"), L("Otto"));
    EXPECT_EQ(lesen("UserLetzt", "User"), L("<fehlt>"));
}

TEST_F(Startwachen, NeinMeldetAnUndAbbrechenBeendet) {
    anderer("Otto", "05.03.2024 14:00:00");
    umgebung.meldungen.antworten({Antwort::Nein});
    EXPECT_TRUE(NetzWache(1));
    EXPECT_FALSE(modul().NurLesen);
    EXPECT_EQ(lesen("UserJetzt", "User"), L("Ich"));

    anderer("Otto", "05.03.2024 14:00:00");
    umgebung.meldungen.antworten({Antwort::Abbrechen});
    EXPECT_FALSE(NetzWache(1));
    EXPECT_EQ(lesen("UserJetzt", "User"), L("Otto"));
}

TEST_F(Startwachen, AlteUngueltigeUndEigeneEintraegeFragenNicht) {
    for (const char* seit : {"05.03.2024 09:59:00", "05.03.2024 20:01:00", "", "Quatsch"}) {
        anderer("Otto", seit);
        EXPECT_TRUE(NetzWache(1)) << seit;
        EXPECT_EQ(lesen("UserJetzt", "User"), L("Ich")) << seit;
        EXPECT_EQ(lesen("UserJetzt", "Seit"), L("05.03.2024 15:00:00"));
    }
    anderer("Ich", "05.03.2024 14:00:00");
    EXPECT_TRUE(NetzWache(1));
    EXPECT_EQ(lesen("UserJetzt", "Seit"), L("05.03.2024 15:00:00"));
    // the names are compared exactly
    anderer("ICH", "05.03.2024 14:00:00");
    umgebung.meldungen.antworten({Antwort::Nein});
    EXPECT_TRUE(NetzWache(1));
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);
}

TEST_F(Startwachen, NoNetWatchSchaltetDieWacheAb) {
    IniSchreiben(netwatch(), L("Allgemein"), L("NoNetWatch"), L("2"));
    anderer("Otto", "05.03.2024 14:00:00");
    EXPECT_TRUE(NetzWache(1));
    EXPECT_EQ(lesen("UserJetzt", "User"), L("Otto"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(Startwachen, ZweiteInstanzGibtAbUndEndet) {
    EXPECT_TRUE(NurEineInstanz());
    EXPECT_EQ(umgebung.instanzen.angemeldet, QStringList({InstanzName()}));
    EXPECT_EQ(lesen("Allgemein", "NoInstanceWatch"), L("0"));

    umgebung.instanzen.laufend = QStringList({InstanzName()});
    EXPECT_FALSE(NurEineInstanz());
    EXPECT_EQ(umgebung.instanzen.aktiviert, QStringList({InstanzName()}));

    IniSchreiben(netwatch(), L("Allgemein"), L("NoInstanceWatch"), L("2"));
    EXPECT_FALSE(NurEineInstanz());
    IniSchreiben(netwatch(), L("Allgemein"), L("NoInstanceWatch"), L("1"));
    EXPECT_TRUE(NurEineInstanz());
    EXPECT_EQ(umgebung.instanzen.aktiviert.size(), 2);
}

TEST_F(Startwachen, InstanzNameFolgtDemEchtenEinstellungsordner) {
    ASSERT_TRUE(QDir().mkpath(umgebung.windows()));
    const QString hier = InstanzName();
    EXPECT_TRUE(hier.startsWith(L("Kronelin-")));
    EXPECT_LT(hier.size(), 40);
    // The same folder by another way is the same planner.
    const QString umweg = umgebung.programm() + L("/umweg");
    ASSERT_TRUE(QFile::link(umgebung.windows(), umweg));
    qputenv("KRONEL_WINDIR", (umweg + L("/../umweg/")).toLocal8Bit());
    EXPECT_EQ(InstanzName(), hier);
    // Other settings, other data: another planner may run beside it. A folder
    // made only on the first write keeps its name.
    qputenv("KRONEL_WINDIR", (umgebung.programm() + L("/neu/kronel")).toLocal8Bit());
    const QString neu = InstanzName();
    EXPECT_NE(neu, hier);
    ASSERT_TRUE(QDir().mkpath(umgebung.programm() + L("/neu/kronel")));
    EXPECT_EQ(InstanzName(), neu);
}

TEST_F(Startwachen, AutoprintNebenLaufendemPlanerDrucktNurLesend) {
    umgebung.instanzen.laufend = QStringList({InstanzName()});
    BefehlszeileSetzen({L("/AutoPrint")});
    EXPECT_TRUE(NurEineInstanz());
    EXPECT_TRUE(umgebung.instanzen.aktiviert.isEmpty());
    LeserechtePruefen();
    EXPECT_TRUE(modul().NurLesen);
    EXPECT_TRUE(NetzWache(1));
    EXPECT_EQ(lesen("UserJetzt", "User"), L("<fehlt>"));
}

TEST_F(Startwachen, BenutzernameAusDenEinstellungen) {
    EXPECT_EQ(Benutzername(), L("Ich"));
    IniSchreiben({}, L("Allgemein"), L("User"), L("  anna maria schmidt "));
    EXPECT_EQ(Benutzername(), L("Anna Ma"));
    EXPECT_EQ(IniLesen({}, L("Allgemein"), L("User"), {}), L("anna maria schmidt"));
}

TEST_F(Startwachen, BenutzernameAusDerUmgebung) {
    IniSchreiben({}, L("Allgemein"), L("User"), {});
    test::Umgebungsvariablen& u = umgebung.variablen;
    u.setzen("USER", "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(Benutzername(), L("Abcdefg"));
    EXPECT_EQ(IniLesen({}, L("Allgemein"), L("User"), {}), L("Abcdefg"));

    IniSchreiben({}, L("Allgemein"), L("User"), {});
    u.loeschen("USER");
    u.setzen("userid", "");
    u.setzen("Station", "platz3");
    EXPECT_EQ(Benutzername(), L("Platz3"));
}

TEST_F(Startwachen, EingabeboxFragtBisEinNameKommt) {
    umgebung.meldungen.eingaben({std::nullopt, L(""), L("kurt der grosse")});
    EXPECT_EQ(BenutzernameEingeben(), L("kurt de"));  // as typed, cut to 7
    ASSERT_EQ(umgebung.meldungen.eingabeBoxen.size(), 3u);
    EXPECT_EQ(umgebung.meldungen.eingabeBoxen[0].titel, L("Benutzername"));
    EXPECT_EQ(umgebung.meldungen.eingabeBoxen[0].frage,
              L("Wählen Sie bitte einen Benutzernamen aus. Dieser darf bis zu 7 Zeichen lang "
                "sein."));
    EXPECT_EQ(umgebung.meldungen.eingabeBoxen[0].vorgabe, L(""));
    EXPECT_EQ(umgebung.ton.aufrufe.filter(L("#SystemQuestion")).size(), 3);
}
