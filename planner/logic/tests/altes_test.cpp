#include <gtest/gtest.h>

#include <QFileInfo>

#include "planner/altes.h"
#include "platform/text.h"
#include "testsupport/sonderdateien.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class Archiv : public ::testing::Test {
protected:
    QString pfad() const { return umgebung.daten() + L("/Kronel.Old"); }
    void schreiben(const QByteArray& inhalt) const { umgebung.schreiben(pfad(), inhalt); }

    test::TestUmgebung umgebung;
};

TEST_F(Archiv, ListetEinmalNachDatumOhneLeereZeilen) {
    EXPECT_TRUE(ArchivLesen(pfad(), {}).isEmpty());
    schreiben(
        "24.12.2001 Geschenke\r\n"
        "24.12.2001 Geschenke\r\n"
        "   \r\n"
        "\r\n"
        "01.02.2000 Anruf M\xfcller\r\n"
        "24.12.2001 Geschenke\r\n"
        "24.12.2001 geschenke\r\n"
        "05.01.2001 Zahnarzt\r\n");
    // Repeats next to each other and far apart once; a line differing in case stays
    EXPECT_EQ(ArchivLesen(pfad(), {}),
              (QStringList{L("01.02.2000 Anruf Müller"), L("05.01.2001 Zahnarzt"),
                           L("24.12.2001 Geschenke"), L("24.12.2001 geschenke")}));
    EXPECT_EQ(ArchivLesen(pfad(), L("  MÜLLER ")), QStringList{L("01.02.2000 Anruf Müller")});
}

TEST_F(Archiv, HoechstensDieNeuesten30000) {
    QByteArray inhalt;
    for (int i = 0; i <= 30000; ++i) {
        inhalt += "01.01.2000 Termin " + QByteArray::number(i) + "\r\n";
    }
    schreiben(inhalt);
    const QStringList zeilen = ArchivLesen(pfad(), {});
    ASSERT_EQ(zeilen.size(), 30000);
    EXPECT_FALSE(zeilen.contains(L("01.01.2000 Termin 0")));
    EXPECT_TRUE(zeilen.contains(L("01.01.2000 Termin 30000")));
}

TEST_F(Archiv, DosUmlauteNurInFremdemText) {
    // The DOS bytes of ä ö ü ß Ä Ö Ü: „ ” 0x81 á Ž ™ š as Windows-1252
    schreiben(
        "01.01.2000 K\x84se B\x94rse M\x81nze Stra\xe1"
        "e \x8e"
        "rger \x99l \x9a"
        "bel\r\n"
        "02.01.2000 \x84Zitat\x93 M\xe1laga \x99 \x9a \x8e \x81 \x94 sch\xf6n\r\n"
        "03.01.2000 \xc3\xa1 und \xe2\x84\xa2 aus UTF-8\r\n");
    EXPECT_EQ(ArchivLesen(pfad(), {}),
              (QStringList{L("01.01.2000 Käse Börse Münze Straße Ärger Öl Übel"),
                           L("02.01.2000 „Zitat“ Málaga ™ š Ž \u0081 ” schön"),
                           L("03.01.2000 á und ™ aus UTF-8")}));
}

TEST_F(Archiv, AlterUndPosition) {
    const QDate heute(2026, 12, 9);
    EXPECT_EQ(ArchivAlter(L("09.12.2026 heute"), heute), L("Vor 0 Tagen"));
    EXPECT_EQ(ArchivAlter(L("08.12.2026 gestern"), heute), L("Vor 1 Tag"));
    EXPECT_EQ(ArchivAlter(L("11.12.2026 bald"), heute), L("In 2 Tagen"));
    EXPECT_EQ(ArchivAlter(L("kein Datum"), heute), QString());
    EXPECT_EQ(ArchivPosition(11, 12), L("abgelaufener Termin 12 von 12"));
}

TEST_F(Archiv, LoeschenNimmtJedeGleicheZeileUndLaesstDenRest) {
    schreiben(
        "01.01.2000 weg\r\n"
        "02.01.2000 bleibt \x84\x93\r\n"
        "01.01.2000 weg\r\n"
        "01.01.2000 Weg\r\n"
        "01.01.2000 weg");
    EXPECT_TRUE(ArchivzeileLoeschen(pfad(), L("01.01.2000 weg")));
    // The kept lines keep their bytes
    EXPECT_EQ(umgebung.lesen(pfad()),
              QByteArray("02.01.2000 bleibt \x84\x93\r\n01.01.2000 Weg\r\n"));
    // A stored DOS line goes by its listed form
    schreiben("03.01.2000 K\x84se\r\n");
    EXPECT_TRUE(ArchivzeileLoeschen(pfad(), L("03.01.2000 Käse")));
    EXPECT_EQ(umgebung.lesen(pfad()), QByteArray());
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(Archiv, GescheitertesLoeschenBehaeltDasArchivUndMeldet) {
    schreiben("01.01.2000 weg\r\n02.01.2000 bleibt\r\n");
    umgebung.datentraeger.platz = 5;
    umgebung.meldungen.antworten({Antwort::Ignorieren});
    EXPECT_FALSE(ArchivzeileLoeschen(pfad(), L("01.01.2000 weg")));
    EXPECT_EQ(umgebung.lesen(pfad()), QByteArray("01.01.2000 weg\r\n02.01.2000 bleibt\r\n"));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(
        L("Es ist ein Fehler beim Löschen des alten Termins aufgetreten.")));
}

// A FIFO as the archive is named with why it is not read, and neither listing
// nor deleting touches it.
TEST_F(Archiv, KeineGewoehnlicheDateiWirdGenanntUndBleibt) {
    test::FifoAnlegen(pfad());
    umgebung.meldungen.antworten({Antwort::Abbruch, Antwort::Abbruch});
    EXPECT_TRUE(ArchivLesen(pfad(), {}).isEmpty());
    EXPECT_FALSE(ArchivzeileLoeschen(pfad(), L("01.01.2000 weg")));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    for (const test::Box& b : umgebung.meldungen.boxen) {
        EXPECT_TRUE(b.text.contains(L("»") + pfad() + L("« ist keine gewöhnliche Datei")));
    }
    EXPECT_FALSE(QFileInfo(pfad()).isFile());
}

TEST_F(Archiv, UebergabeNurMitGueltigemDatum) {
    EXPECT_TRUE(UebergabeDatumPruefen(L("24.12.2001"), L("Abgelaufene Termine")));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_FALSE(UebergabeDatumPruefen(L("Notiz: Ein"), L("Abgelaufene Termine")));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const test::Box& box = umgebung.meldungen.boxen[0];
    EXPECT_EQ(box.text, L("»Notiz: Ein« ist kein gültiges Datum."));
    EXPECT_EQ(box.titel, L("Abgelaufene Termine"));
    EXPECT_EQ(box.stil, Box::OK + Box::Ausrufezeichen);
    EXPECT_EQ(box.tonVorher, QStringList{L("#SystemExclamation")});
}

TEST_F(Archiv, VorschauErsetztFelderZumHeutigenTag) {
    TerminVorschauZeigen(L("09.12.2016 Jubiläum {DiffJa:09.12.2016}"), 11);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Kronel-Terminvorschau 09.12.2016"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L(" Jubiläum 10 Jahre"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::OK + Box::Information);
}

}  // namespace
