#include <gtest/gtest.h>

#include "common/dateien.h"
#include "common/einstellungen.h"
#include "common/hilfe.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;

class Hilfe : public ::testing::Test {
protected:
    test::TestUmgebung umgebung;
};
}  // namespace

TEST_F(Hilfe, DateiSuchenInDerReihenfolgeDerOrdner) {
    umgebung.schreiben(umgebung.windows() + L("/tools/Werkzeug.TXT"), "w");
    EXPECT_EQ(DateiSuchen(L("werkzeug.txt")), umgebung.windows() + L("/tools/Werkzeug.TXT"));
    umgebung.schreiben(umgebung.system() + L("/werkzeug.txt"), "s");
    EXPECT_EQ(DateiSuchen(L("Werkzeug.txt")), umgebung.system() + L("/werkzeug.txt"));
    umgebung.schreiben(umgebung.windows() + L("/Werkzeug.Txt"), "w");
    EXPECT_EQ(DateiSuchen(L("werkzeug.txt")), umgebung.windows() + L("/Werkzeug.Txt"));
    // present in the program folder (the current folder) and the Windows folder:
    // the program folder wins; the name keeps its case
    umgebung.schreiben(umgebung.programm() + L("/WerkZeug.txt"), "p");
    EXPECT_EQ(DateiSuchen(L("werkzeug.txt")), umgebung.programm() + L("/WerkZeug.txt"));
    EXPECT_EQ(DateiSuchen(L("fehlt.txt")), QString());
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);
}

TEST_F(Hilfe, HilfeSeitenStattHlpDateien) {
    EXPECT_EQ(HilfeSeite(L("Kronel.Hlp")), L("Kronel.html"));
    EXPECT_EQ(HilfeAnker(400), L("kontext400"));
    umgebung.schreiben(umgebung.programm() + L("/kronel.html"), "<html></html>");
    EXPECT_TRUE(HilfeZeigen(L("Kronel.hlp"), 300));
    EXPECT_TRUE(HilfeZeigen(L("Kronel.hlp")));
    HilfeBeenden();
    EXPECT_EQ(
        umgebung.hilfe.aufrufe,
        QStringList({L("zeigen ") + umgebung.programm() + L("/kronel.html#kontext300"),
                     L("zeigen ") + umgebung.programm() + L("/kronel.html#"), L("schliessen")}));
    EXPECT_FALSE(HilfeZeigen(L("Fehlt.hlp")));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(L("Fehlt.html")));
}

TEST_F(Hilfe, WerbungZeigenOderMelden) {
    WerbungZeigen();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const test::Box& b = umgebung.meldungen.boxen[0];
    EXPECT_EQ(b.text, L("Kann leider keine Werbung finden!"));
    EXPECT_EQ(b.stil, 48);
    EXPECT_EQ(b.titel, L("Kronelin"));
    EXPECT_EQ(b.tonVorher, QStringList({L("#SystemExclamation")}));
    EXPECT_TRUE(umgebung.hilfe.aufrufe.isEmpty());

    umgebung.schreiben(umgebung.windows() + L("/Werbung.html"), "<html></html>");
    WerbungZeigen();
    EXPECT_EQ(umgebung.hilfe.aufrufe,
              QStringList({L("zeigen ") + umgebung.windows() + L("/Werbung.html#")}));
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);
}

TEST_F(Hilfe, InternetSeitenNachSchluesselwort) {
    EXPECT_EQ(InternetSeite(L("Home")), L("https://example.org/kronel/index.htm"));
    EXPECT_EQ(InternetSeite(L("HOME")), L("https://example.org/kronel/index.htm"));
    EXPECT_EQ(InternetSeite(L("kronel32info")), L("https://example.org/kronel/kronel32.htm"));
    EXPECT_EQ(InternetSeite(L("unbekannt")), L("https://example.org/kronel/index.htm"));
}

TEST_F(Hilfe, DieFrageKommtBeimErstenMalUndNach60Tagen) {
    umgebung.uhr.setzen(QDateTime(QDate(2024, 6, 1), QTime(9, 0)));
    umgebung.meldungen.antworten({Antwort::OK});
    InternetSeiteAufrufen(L("Home"));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const test::Box& b = umgebung.meldungen.boxen[0];
    EXPECT_EQ(b.titel, L("Internet-Seite aufrufen"));
    EXPECT_EQ(b.stil, 1);
    EXPECT_EQ(b.text,
              L("Es wird jetzt versucht die Seite »https://example.org/kronel/index.htm« im "
                "Internet aufzurufen.\r\n\r\nFalls Ihr System die Verbindung zum Internet nicht "
                "automatisch herstellt, so sollten Sie dies zuvor manuell erledigen.\r\n\r\n"
                "Möchten Sie fortfahren?"));
    EXPECT_EQ(umgebung.web.adressen, QStringList({L("https://example.org/kronel/index.htm")}));

    InternetSeiteAufrufen(L("Kronel32Info"));  // the same day: no question
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.web.adressen.size(), 2);

    umgebung.uhr.setzen(QDateTime(QDate(2024, 8, 1), QTime(9, 0)));  // 61 day changes
    umgebung.meldungen.antworten({Antwort::Abbrechen});
    InternetSeiteAufrufen(L("Home"));
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_EQ(umgebung.web.adressen.size(), 2);  // Cancel opens nothing
    // the question was asked: it is not due again at once
    InternetSeiteAufrufen(L("Home"));
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_EQ(umgebung.web.adressen.size(), 3);
}
