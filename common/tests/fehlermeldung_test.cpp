#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;
}  // namespace

class FehlerBericht : public ::testing::Test {
protected:
    test::TestUmgebung umgebung;
    QString F(const char* key) { return IniLesen({}, L("Fehler"), L(key), L("<fehlt>")); }
};

TEST_F(FehlerBericht, NummerNullZeigtUndSchreibtNichts) {
    EXPECT_EQ(FehlerMeldung(Fehler(0), L("egal")), 0);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_TRUE(umgebung.ton.aufrufe.isEmpty());
    EXPECT_EQ(F("Programm"), L("<fehlt>"));
}

TEST_F(FehlerBericht, BoxMitTipUndProtokoll) {
    umgebung.uhr.setzen(QDateTime(QDate(2026, 12, 9), QTime(14, 5, 7)));
    umgebung.zeiger.z = Zeiger::Sanduhr;
    umgebung.meldungen.antworten({5});
    const int a = FehlerMeldung(Fehler(53, {}, 12),
                                L("Es ist ein Fehler beim Speichern der Termine aufgetreten."));
    EXPECT_EQ(a, 5);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const auto& box = umgebung.meldungen.boxen[0];
    EXPECT_EQ(box.text, L("Es ist ein Fehler beim Speichern der Termine aufgetreten.\r\n\r\n"
                          "Datei nicht gefunden (53).\r\n\r\nTip: Ist der Dateiname in Ordnung?"));
    EXPECT_EQ(box.stil, 4658);  // Abort/Retry/Ignore, exclamation, Ignore default, system-modal
    EXPECT_EQ(box.titel, L("Fehler in Kronelin"));
    EXPECT_EQ(box.tonVorher, QStringList{L("#SystemHand")});
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);  // the hourglass is gone

    EXPECT_EQ(F("Programm"), L("Kronelin"));
    EXPECT_EQ(F("Wann"), L("09.12.2026 14:05:07"));
    EXPECT_EQ(F("Nummer"), L("53, Datei nicht gefunden"));
    EXPECT_EQ(F("Pos"), L("12"));
    EXPECT_EQ(F("Txt1"), L("Es ist ein Fehler beim Speichern der Termine aufgetreten."));
    EXPECT_EQ(F("Txt2"), L("Datei nicht gefunden (53)."));
    // the six keys stand in the order of the record
    const QByteArray ini = umgebung.lesen(umgebung.riviror());
    EXPECT_LT(ini.indexOf("Programm="), ini.indexOf("Wann="));
    EXPECT_LT(ini.indexOf("Wann="), ini.indexOf("Nummer="));
    EXPECT_LT(ini.indexOf("Pos="), ini.indexOf("Txt1="));
    EXPECT_LT(ini.indexOf("Txt1="), ini.indexOf("Txt2="));
}

TEST_F(FehlerBericht, OhneTipUndNegativeNummern) {
    FehlerMeldung(Fehler(62), L("Lesen"));
    EXPECT_EQ(umgebung.meldungen.boxen.back().text,
              L("Lesen\r\n\r\nEinlesen hinter Dateiende (62)."));
    FehlerMeldung(Fehler(-1), L("Etwas~ging schief"));
    EXPECT_EQ(umgebung.meldungen.boxen.back().text, L("Etwas\r\nging schief\r\n\r\n"));
    EXPECT_EQ(F("Nummer"), L("-1, Anwendungs- oder objektdefinierter Fehler"));
    EXPECT_EQ(F("Txt2"), QString());
    FehlerMeldung(Fehler(482), {});
    EXPECT_EQ(umgebung.meldungen.boxen.back().text,
              L("Druckerfehler (482).\r\n\r\nTip: Ist der Drucker angeschaltet?"));
    FehlerMeldung(Fehler(70), {});
    EXPECT_TRUE(
        umgebung.meldungen.boxen.back().text.endsWith(L("Ist der Schreibschutz entfernt?")));
    FehlerMeldung(Fehler(71), {});
    EXPECT_TRUE(umgebung.meldungen.boxen.back().text.endsWith(L("Ist eine Diskette eingelegt?")));
    FehlerMeldung(Fehler(380), {});
    EXPECT_TRUE(umgebung.meldungen.boxen.back().text.endsWith(L("andere Schriftart wählen.")));
    FehlerMeldung(Fehler(13), L("x"));
    EXPECT_EQ(F("Nummer"), L("13, Typen unverträglich"));
    EXPECT_FALSE(umgebung.meldungen.boxen.back().text.contains(L("Tip")));
}

TEST_F(FehlerBericht, AntwortenAbbruchWiederholenIgnorieren) {
    umgebung.meldungen.antworten({3, 4, 2});
    EXPECT_EQ(FehlerMeldung(Fehler(5), L("a")), 3);
    EXPECT_EQ(FehlerMeldung(Fehler(5), L("b")), 4);
    EXPECT_EQ(FehlerMeldung(Fehler(5), L("c")), 3);  // Cancel counts as Abort
}

TEST_F(FehlerBericht, SchreibgeschuetzteEinstellungenVerhindernDieBoxNicht) {
    umgebung.schreiben(umgebung.riviror(), "[Kronel]\r\n");
    QFile::setPermissions(umgebung.riviror(), QFile::ReadOwner);
    FehlerMeldung(Fehler(53), L("x"));
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);
}

TEST(ErsetzenTest, AlleVorkommenOhneRuecksichtAufGrossKlein) {
    EXPECT_EQ(Ersetzen(L("a~b~c"), L("~"), L("\r\n")), L("a\r\nb\r\nc"));
    EXPECT_EQ(Ersetzen(L("Haus HAUS haus"), L("haus"), L("Heim")), L("Heim Heim Heim"));
    EXPECT_EQ(Ersetzen(L("ÄRGER ärger"), L("ärger"), L("Freude")), L("Freude Freude"));
    // the replacement is never searched again
    EXPECT_EQ(Ersetzen(L("ab"), L("a"), L("aa")), L("aab"));
    // every occurrence, the last one too
    EXPECT_EQ(Ersetzen(L("xxx"), L("x"), L("xx")), L("xxxxxx"));
    EXPECT_EQ(Ersetzen(L("~"), L("~"), L("\r\n")), L("\r\n"));
    // nothing to search for: the text stays as it is
    EXPECT_EQ(Ersetzen(L("abc"), QString(), L("x")), L("abc"));
    EXPECT_EQ(Ersetzen(QString(), L("a"), L("b")), QString());
    EXPECT_EQ(Ersetzen(L("a°°b"), L("°°"), L(" ")), L("a b"));
}

TEST(Entwicklung, NurMitKronelEntwicklungEins) {
    test::Umgebungsvariablen u;
    u.setzen("KRONEL_ENTWICKLUNG", "1");
    EXPECT_TRUE(LaeuftInIDE());
    u.setzen("KRONEL_ENTWICKLUNG", "ja");
    EXPECT_FALSE(LaeuftInIDE());
    u.loeschen("KRONEL_ENTWICKLUNG");
    EXPECT_FALSE(LaeuftInIDE());
}

TEST(Absichern, UnerwarteteFehlerWerdenGemeldetUndBleibenDrin) {
    test::TestUmgebung umgebung;
    int laeufe = 0;
    Absichern([&] { ++laeufe; }, L("Main_Zeit_Timer"));
    EXPECT_EQ(laeufe, 1);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());

    // Whatever a handler throws ends as a report with the handler's name.
    EXPECT_NO_THROW(Absichern([] { throw std::runtime_error("kaputt"); }, L("Main_Zeit_Timer")));
    EXPECT_NO_THROW(Absichern([] { throw std::bad_alloc(); }, L("Suchen_Zeit_Timer")));
    EXPECT_NO_THROW(Absichern([] { throw 42; }, L("Notizen_Zeit_Timer")));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 3u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(L("Main_Zeit_Timer\r\nkaputt")));
    EXPECT_TRUE(umgebung.meldungen.boxen[1].text.startsWith(L("Suchen_Zeit_Timer\r\n")));
    EXPECT_TRUE(umgebung.meldungen.boxen[1].text.endsWith(L(" (7).")));  // out of memory
    EXPECT_TRUE(umgebung.meldungen.boxen[2].text.endsWith(L(" (5).")));
    EXPECT_EQ(IniLesen({}, L("Fehler"), L("Txt1")), L("Notizen_Zeit_Timer"));
}

// A window's close runs the planner's end under a guard of its own inside the
// guard of the event: the failure is told once, and the event goes on.
TEST(Absichern, EineWacheInDerWacheMeldetEinmal) {
    test::TestUmgebung umgebung;
    bool weiter = false;
    Absichern(
        [&] {
            Absichern([] { throw std::runtime_error("innen"); }, L("Main_Form_QueryUnload"));
            weiter = true;
        },
        L("Main_closeEvent"));
    EXPECT_TRUE(weiter);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(L("Main_Form_QueryUnload\r\ninnen")));
}
