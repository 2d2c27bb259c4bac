#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <deque>
#include <optional>

#include "output/modemwahl.h"
#include "testsupport/seriell.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

const QString kFehlertext =
    L("Es ist ein Fehler beim Wählen aufgetreten. Überprüfen Sie bitte die Einstellungen.");

class Wahl : public ::testing::Test {
protected:
    Wahl() {
        static int argc = 1;
        static char name[] = "output_tests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            new QCoreApplication(argc, argv);  // lives for the whole test program
        }
    }
    WahlEnde waehlen(const char* dial, const char* anschluss, const char* nummer) {
        return wahl.Waehlen(L(dial), L(anschluss), L(nummer));
    }

    test::TestUmgebung umgebung{L("Kronel")};
    test::FakeSerielleSchnittstelle port;
    Modemwahl wahl{port, 200, 5};
};

}  // namespace

TEST_F(Wahl, WaehltDieZiffernUndLegtAuf) {
    port.antworten = {"AT DT0301234;\r\r\nOK\r\n", "\r\nOK\r\n"};
    EXPECT_EQ(waehlen("AT DT ; Tonwahl", "COM2", "030 / 12-34"), WahlEnde::Gewaehlt);
    EXPECT_EQ(port.geraet, L("/dev/ttyS1"));
    EXPECT_EQ(port.baud, 300);
    EXPECT_EQ(port.gesendet, QByteArray("AT DT0301234;\rATH0\r"));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Telewahl"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].text,
              L("Bitte jetzt den Telefonhörer abnehmen und ENTER drücken."));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::OK | Box::Information);
    EXPECT_EQ(port.dtr, (std::vector<bool>{false, true}));
    EXPECT_FALSE(port.offen());
    EXPECT_EQ(port.geschlossen, 1);
    EXPECT_FALSE(wahl.Laeuft());
}

TEST_F(Wahl, OhneSemikolonGanzUndGeraetepfad) {
    port.antworten = {"OK\r\n"};
    EXPECT_EQ(waehlen("  ATX3DT0,  ", "/dev/ttyUSB0", "12"), WahlEnde::Gewaehlt);
    EXPECT_EQ(port.geraet, L("/dev/ttyUSB0"));
    EXPECT_TRUE(port.gesendet.startsWith("ATX3DT0,12;\r"));
}

TEST_F(Wahl, DreiHinweiseOhneSenden) {
    EXPECT_EQ(waehlen(" ; nur Kommentar", "COM1", "1"), WahlEnde::Korrektur);
    EXPECT_EQ(waehlen("AT DT", "  ", "1"), WahlEnde::Korrektur);
    EXPECT_EQ(waehlen("AT DT", "COM1", "keine"), WahlEnde::Korrektur);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 3u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("Bitte legen Sie einen Wählstring fest"));
    EXPECT_EQ(umgebung.meldungen.boxen[1].text, L("Bitte legen Sie einen Modem-Anschluss fest"));
    EXPECT_EQ(umgebung.meldungen.boxen[2].text, L("Bitte geben Sie eine Telefonnummer ein"));
    for (const test::Box& b : umgebung.meldungen.boxen) {
        EXPECT_EQ(b.titel, L("Telewahl"));
        EXPECT_EQ(b.stil, Box::OK | Box::Ausrufezeichen);
    }
    EXPECT_EQ(port.geoeffnet, 0);
    EXPECT_TRUE(port.gesendet.isEmpty());
}

TEST_F(Wahl, UnbekannterOderVerweigerterAnschlussGehtZurFehlermeldung) {
    EXPECT_EQ(waehlen("AT DT", "COM", "1"), WahlEnde::Beendet);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(kFehlertext));
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(L("»COM«")));
    EXPECT_EQ(port.geoeffnet, 0);

    port.oeffnenFehler = Fehler(FehlerNr::ZugriffVerweigert,
                                L("Die Schnittstelle »/dev/ttyS0« lässt sich nicht öffnen: "
                                  "Keine Berechtigung"));
    EXPECT_EQ(waehlen("AT DT", "COM1", "1"), WahlEnde::Beendet);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_TRUE(umgebung.meldungen.boxen[1].text.contains(L("/dev/ttyS0")));
    EXPECT_TRUE(port.gesendet.isEmpty());
}

// Refusals and silence end the wait with the error report; Retry sends again;
// every way out closes the port, hung up when the modem had answered.
TEST_F(Wahl, AblehnungZeitUndWiederholung) {
    port.antworten = {"BUSY\r\n", "NO DIALTONE\r\n"};
    umgebung.meldungen.antworten({Antwort::Wiederholen, Antwort::Abbruch});
    EXPECT_EQ(waehlen("AT DT", "COM3", "5"), WahlEnde::Beendet);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(L("»BUSY«")));
    EXPECT_TRUE(umgebung.meldungen.boxen[1].text.contains(L("»NO DIALTONE«")));
    EXPECT_EQ(port.gesendet, QByteArray("AT DT5;\rAT DT5;\rATH0\r"));
    EXPECT_FALSE(port.offen());
    EXPECT_EQ(port.dtr, std::vector<bool>{false});

    port.gesendet.clear();
    port.dtr.clear();
    EXPECT_EQ(waehlen("AT DT", "COM3", "5"), WahlEnde::Beendet);  // no answer at all
    EXPECT_TRUE(umgebung.meldungen.boxen.back().text.contains(L("antwortet nicht")));
    EXPECT_EQ(port.gesendet, QByteArray("AT DT5;\r"));
    EXPECT_FALSE(port.offen());
    EXPECT_EQ(port.dtr, std::vector<bool>{false});
}

// Whatever failed, Ignore (the report's default button) ends the dial as Abort
// does: no handset prompt, no hang-up for a modem that never answered, the
// port closed.
TEST_F(Wahl, IgnorierenBeendetDieWahl) {
    struct Fall {
        const char* anschluss;
        std::deque<QByteArray> antworten;
        std::optional<Fehler> oeffnenFehler;
        QByteArray gesendet;
    };
    const Fall faelle[] = {
        {"COM", {}, {}, {}},
        {"COM3", {}, Fehler(FehlerNr::DateiNichtGefunden), {}},
        {"COM3", {"BUSY\r\n"}, {}, "AT DT5;\rATH0\r"},
        {"COM3", {}, {}, "AT DT5;\r"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.gesendet.toStdString());
        port.antworten = f.antworten;
        port.oeffnenFehler = f.oeffnenFehler;
        port.gesendet.clear();
        umgebung.meldungen.boxen.clear();
        umgebung.meldungen.antworten({Antwort::Ignorieren});
        EXPECT_EQ(waehlen("AT DT", f.anschluss, "5"), WahlEnde::Beendet);
        ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u)
            << umgebung.meldungen.boxen.back().text.toStdString();
        EXPECT_TRUE(
            umgebung.meldungen.boxen[0].text.startsWith(L("Es ist ein Fehler beim Wählen")));
        EXPECT_EQ(port.gesendet, f.gesendet);
        EXPECT_FALSE(port.offen());
    }
}

// The report says what happened, with no tip that belongs to another error:
// the modem's answer alone for a refusal, "device not available" otherwise.
TEST_F(Wahl, BerichtSagtWasGeschahOhneFremdenTip) {
    const QString geraet = L("»/dev/ttyS2«");
    const QString nichtVerfuegbar = L("\r\n\r\nGerät nicht verfügbar (68).");
    auto bericht = [&](const char* anschluss) {
        umgebung.meldungen.boxen.clear();
        waehlen("AT DT", anschluss, "5");
        return umgebung.meldungen.boxen.empty() ? QString() : umgebung.meldungen.boxen[0].text;
    };
    port.antworten = {"\r\nBUSY\r\n"};
    EXPECT_EQ(bericht("COM3"), L("Es ist ein Fehler beim Wählen aufgetreten.\r\nDas Modem an ") +
                                   geraet + L(" meldet »BUSY«: besetzt.\r\n\r\n"));
    EXPECT_EQ(bericht("COM3"), kFehlertext + L("\r\nDas Modem an ") + geraet +
                                   L(" antwortet nicht (keine Antwort innerhalb von 1 Sekunde).") +
                                   nichtVerfuegbar);
    EXPECT_EQ(bericht("COM"), kFehlertext +
                                  L("\r\n»COM« ist keine serielle Schnittstelle (COM1 bis COM8 "
                                    "oder ein Gerät wie /dev/ttyUSB0).") +
                                  nichtVerfuegbar);
    port.oeffnenFehler = Fehler(FehlerNr::DateiNichtGefunden);
    EXPECT_EQ(bericht("COM3"), kFehlertext + L("\r\nDie Schnittstelle ") + geraet +
                                   L(" gibt es auf diesem Rechner nicht.") + nichtVerfuegbar);
    port.oeffnenFehler = Fehler(FehlerNr::ZugriffVerweigert);
    EXPECT_TRUE(bericht("COM3").endsWith(L("»dialout« sein.") + nichtVerfuegbar));
}

TEST_F(Wahl, AbbrechenWaehrendDesWartens) {
    Modemwahl lange{port, 60000, 5};
    QTimer::singleShot(20, [&lange] { lange.Abbrechen(); });
    EXPECT_EQ(lange.Waehlen(L("AT DT"), L("COM2"), L("1")), WahlEnde::Beendet);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_FALSE(port.offen());
    EXPECT_EQ(port.gesendet, QByteArray("AT DT1;\r"));
}

TEST(Modemantwort, ErstesWortZaehlt) {
    EXPECT_EQ(ModemAntwort("AT DT1;\r\r\nNO CARRIER\r\nOK"), L("NO CARRIER"));
    EXPECT_EQ(ModemAntwort("\r\nNO ANSWER\r\n"), L("NO ANSWER"));
    EXPECT_EQ(ModemAntwort("ok"), QString());
    EXPECT_EQ(SeriellesGeraet(L("COM8")), L("/dev/ttyS7"));
    EXPECT_EQ(SeriellesGeraet(L("COM9")), QString());
    EXPECT_EQ(SeriellesGeraet(L("/dev/ttyACM0")), L("/dev/ttyACM0"));
    EXPECT_EQ(TelefonZiffern(L("Tel. 030/12-34 x")), L("0301234"));
}
