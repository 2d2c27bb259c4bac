#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "common/texte.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;
}  // namespace

TEST(OemNachAnsi, DosUmlauteNachDemDekodieren) {
    // the DOS bytes as a Windows-1252 file holds them
    QString text = AusCp1252(QByteArray("M\x81ller \x84 \x94 \xE1 \x8E \x99 \x9A!"));
    const QString ergebnis = OemNachAnsi(text);
    EXPECT_EQ(ergebnis, L("Müller ä ö ß Ä Ö Ü!"));
    EXPECT_EQ(text, ergebnis);
    QString ohne = L("Nichts zu tun: äöü ÄÖÜ ß");
    EXPECT_EQ(OemNachAnsi(ohne), L("Nichts zu tun: äöü ÄÖÜ ß"));
}

TEST(Wahrheitswert, ZahlenUndWorte) {
    for (const char* wahr : {"1", "-1", " 1 ", "True", "TRUE", "RICHTIG", "richtig", "1.4"}) {
        EXPECT_TRUE(Wahrheitswert(L(wahr))) << wahr;
    }
    for (const char* falsch : {"0", "2", "", "nein", "False", "falsch", "1x", "-2", "99999"}) {
        EXPECT_FALSE(Wahrheitswert(L(falsch))) << falsch;
    }
    EXPECT_TRUE(Wahrheitswert(-1.0));
    EXPECT_FALSE(Wahrheitswert(1.5));  // rounds to 2
    EXPECT_TRUE(Wahrheitswert(0.5 + 0.6));
}

TEST(Schrifttext, AlsTextUndZurueck) {
    test::FakeSchriftTraeger liste;
    liste.werte = {L("Arial"), 8.25, true, false, false};
    liste.textfarbe = 0;
    EXPECT_EQ(SchriftAlsText(liste), L("Arial;8.25;-1;0;0;0;"));

    test::FakeSchriftTraeger anderes;
    SchriftSetzen(anderes, SchriftAlsText(liste), L("Alles"));
    EXPECT_EQ(SchriftAlsText(anderes), L("Arial;8.25;-1;0;0;0;"));

    test::FakeSchriftTraeger nurFarbe;
    SchriftSetzen(nurFarbe, L("Arial;12;-1;-1;-1;255;"), L("Farben"));
    EXPECT_EQ(SchriftAlsText(nurFarbe), L("MS Sans Serif;8.25;0;0;0;255;"));

    test::FakeSchriftTraeger nurSchrift;
    SchriftSetzen(nurSchrift, L("Arial;12;-1;-1;-1;255;"), L("Schrift"));
    EXPECT_EQ(SchriftAlsText(nurSchrift), L("Arial;12;-1;-1;-1;-2147483640;"));
    SchriftSetzen(nurSchrift, L("Courier;10;0;0;0;0;"), L("print"));
    EXPECT_EQ(SchriftAlsText(nurSchrift), L("Courier;10;0;0;0;-2147483640;"));

    test::FakeSchriftTraeger leer;
    SchriftSetzen(leer, L(" Times ; 9.5 ;-1;0;0;16711680;"), {});
    EXPECT_EQ(SchriftAlsText(leer), L("Times;9.5;-1;0;0;16711680;"));
}

TEST(Schrifttext, FehlendeFelderUndSteuerelementOhneFarbe) {
    test::FakeSchriftTraeger s;
    SchriftSetzen(s, L(";10"), L("alle"));  // no name: the name stays
    EXPECT_EQ(SchriftAlsText(s), L("MS Sans Serif;10;0;0;0;-2147483640;"));
    SchriftSetzen(s, L("Arial;;-1"), L("alle"));
    EXPECT_EQ(SchriftAlsText(s), L("Arial;10;-1;0;0;-2147483640;"));

    test::FakeSchriftTraeger ohne;
    ohne.textfarbe.reset();
    EXPECT_EQ(SchriftAlsText(ohne), L("MS Sans Serif;8.25;0;0;0;"));
    SchriftSetzen(ohne, L("Arial;8;0;0;-1;255;"), L("alle"));
    EXPECT_EQ(SchriftAlsText(ohne), L("Arial;8;0;0;-1;"));
}

TEST(TextEinfuegen, AmCursorUndUeberDieAuswahl) {
    test::FakeTextfeld feld;
    feld.inhalt = L("Hallo Welt");
    feld.start = 5;
    TextEinfuegen(feld, L(" liebe"));
    EXPECT_EQ(feld.inhalt, L("Hallo liebe Welt"));
    EXPECT_EQ(feld.start, 11);
    EXPECT_EQ(feld.laenge, 0);
    EXPECT_TRUE(feld.fokus);

    feld.inhalt = L("Hallo Welt");
    feld.start = 6;
    feld.laenge = 4;
    feld.fokusMoeglich = false;
    TextEinfuegen(feld, L("Otto"));
    EXPECT_EQ(feld.inhalt, L("Hallo Otto"));
    EXPECT_EQ(feld.start, 10);

    feld.inhalt = L("");
    feld.start = 0;
    feld.laenge = 0;
    TextEinfuegen(feld, L("°°"));
    EXPECT_EQ(feld.inhalt, L("°°"));
}

TEST(Zahltexte, ZahlMitVorsatz) {
    EXPECT_EQ(ZahlMitVorsatz(999), L("999 "));
    EXPECT_EQ(ZahlMitVorsatz(1000), L("1,0 k"));
    EXPECT_EQ(ZahlMitVorsatz(1.5e6), L("1,5 M"));
    EXPECT_EQ(ZahlMitVorsatz(0.05), L("0,050 "));
    EXPECT_EQ(ZahlMitVorsatz(-1500), ZahlMitVorsatz(1500));
    EXPECT_EQ(ZahlMitVorsatz(1500), L("1,5 k"));
    EXPECT_EQ(ZahlMitVorsatz(5e21), L("5000,0 E"));
    EXPECT_EQ(ZahlMitVorsatz(0.5), L("0,50 "));
    EXPECT_EQ(ZahlMitVorsatz(2.25), L("2,3 "));
    EXPECT_EQ(ZahlMitVorsatz(0), L("0,000 "));
}

TEST(Zahltexte, DauerText) {
    EXPECT_EQ(DauerText(1), L("1 Sekunde"));
    EXPECT_EQ(DauerText(0), L("0 Sekunden"));
    EXPECT_EQ(DauerText(60), L("60 Sekunden"));
    EXPECT_EQ(DauerText(61), L("1,0 Minuten"));
    EXPECT_EQ(DauerText(3600), L("1,0 Stunden"));
    EXPECT_EQ(DauerText(129600), L("1,5 Tage"));
    EXPECT_EQ(DauerText(35 * 3600), L("35,0 Stunden"));
    EXPECT_EQ(DauerText(-90), L("1,5 Minuten"));
    EXPECT_EQ(DauerText(31557600), L("1,0 Jahre"));
    EXPECT_EQ(DauerText(1.5), L("2 Sekunden"));
    EXPECT_EQ(DauerText(0.5), L("0 Sekunden"));
}

TEST(GrossKlein, Woerter) {
    EXPECT_EQ(GrossKlein(L("müller-lüdenscheid")), L("Müller-Lüdenscheid"));
    EXPECT_EQ(GrossKlein(L("HANS")), L("Hans"));
    EXPECT_EQ(GrossKlein(L("notiz.txt")), L("Notiz.txt"));
    EXPECT_EQ(GrossKlein(L("x")), L("X"));
    EXPECT_EQ(GrossKlein(L("")), L(""));
    EXPECT_EQ(GrossKlein(L("ÄRGER »über« straße")), L("Ärger »Über« Straße"));
    EXPECT_EQ(GrossKlein(L("dr.med. (otto)")), L("Dr.Med. (Otto)"));
    EXPECT_EQ(GrossKlein(L("a.b.c")), L("A.b.C"));  // "b" stands third from the end
}

TEST(Farben, FarbAnzahl) {
    test::TestUmgebung umgebung;
    EXPECT_EQ(FarbAnzahl(), 16777216);
    umgebung.bildschirm.bits = 8;
    EXPECT_EQ(FarbAnzahl(), 256);
    umgebung.bildschirm.bits = 32;
    EXPECT_EQ(FarbAnzahl(), 4294967296LL);
}

TEST(Warten, NegativeZeitLiefertEinmalDieEreignisse) {
    int argc = 1;
    char name[] = "common_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    bool geliefert = false;
    QTimer::singleShot(0, [&] { geliefert = true; });
    Warten(-3);
    EXPECT_TRUE(geliefert);
    bool spaeter = false;
    QTimer::singleShot(0, [&] { spaeter = true; });
    Warten(0.02);
    EXPECT_TRUE(spaeter);
}

TEST(Schrifttext, AufDenDrucker) {
    test::TestUmgebung umgebung;
    const std::unique_ptr<SchriftTraeger> drucker = DruckerSchrift(umgebung.drucker);
    SchriftSetzen(*drucker, L("Courier New;12;-1;-1;-1;255;"), L("print"));
    EXPECT_EQ(umgebung.drucker.FontName(), L("Courier New"));
    EXPECT_DOUBLE_EQ(umgebung.drucker.FontSize(), 12);
    EXPECT_TRUE(umgebung.drucker.FontBold());
    EXPECT_TRUE(umgebung.drucker.FontItalic());
    EXPECT_EQ(umgebung.drucker.ForeColor(), 0);  // "print" takes no colour
    EXPECT_EQ(SchriftAlsText(*drucker), L("Courier New;12;-1;-1;0;0;"));
}
