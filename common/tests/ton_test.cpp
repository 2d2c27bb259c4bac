#include <gtest/gtest.h>

#include <QDir>

#include "common/dateien.h"
#include "common/ton.h"
#include "testsupport/sonderdateien.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;
}  // namespace

class Toene : public ::testing::Test {
protected:
    test::TestUmgebung umgebung;
    QString wave(const char* name) {
        const QString p = umgebung.daten() + QLatin1Char('/') + L(name);
        umgebung.schreiben(p, "RIFF....WAVE");
        return p;
    }
};

TEST_F(Toene, FesteSystemtoene) {
    const std::pair<const char*, int> faelle[] = {
        {"#RingOut", 48},        {"#RingIn", 32},     {"#SystemExclamation", 48},
        {"#SystemQuestion", 32}, {"#SystemHand", 16}, {"#SystemAsterisk", 64}};
    for (const auto& [name, typ] : faelle) {
        umgebung.ton.aufrufe.clear();
        TonAusgeben(L(name));
        EXPECT_EQ(umgebung.ton.aufrufe,
                  QStringList({L("piep %1 %2").arg(typ).arg(L(name)), L("stopp")}))
            << name;
    }
}

TEST_F(Toene, KleingeschriebenerNameSuchtInWinIni) {
    const QString datei = wave("hand.wav");
    umgebung.schreiben(umgebung.windows() + L("/WIN.INI"),
                       ("[sounds]\r\nSystemHand=" + datei + ",Stopp\r\n").toUtf8());
    TonAusgeben(L("#systemhand"));
    EXPECT_EQ(umgebung.ton.aufrufe, QStringList{L("spiel ") + datei});
}

TEST_F(Toene, WinIniOhneKommaIstDerPfad) {
    const QString datei = wave("ding.wav");
    umgebung.schreiben(umgebung.windows() + L("/WIN.INI"),
                       ("[Sounds]\r\nDing=" + datei + "\r\n").toUtf8());
    TonAusgeben(L("#Ding"));
    EXPECT_EQ(umgebung.ton.aufrufe, QStringList{L("spiel ") + datei});
}

TEST_F(Toene, UnbekanntesLeeresUndFehlendesStoppenStill) {
    for (const char* name : {"#Unbekannt", "", "/nirgends/ton.wav", "C:\\WINDOWS\\ton.wav"}) {
        umgebung.ton.aufrufe.clear();
        TonAusgeben(L(name));
        EXPECT_EQ(umgebung.ton.aufrufe, QStringList{L("stopp")}) << name;
    }
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(Toene, WaveDateiWirdGespieltAuchInAndererSchreibweise) {
    const QString datei = wave("Kronelol.wav");
    TonAusgeben(datei);
    TonAusgeben(umgebung.daten() + L("/KRONELOL.WAV"));
    EXPECT_EQ(umgebung.ton.aufrufe, QStringList({L("spiel ") + datei, L("spiel ") + datei}));
    // a name without folder is found in the program folder
    umgebung.schreiben(umgebung.programm() + L("/alarm.wav"), "x");
    umgebung.ton.aufrufe.clear();
    TonAusgeben(L("alarm.wav"));
    EXPECT_EQ(umgebung.ton.aufrufe,
              QStringList{L("spiel ") + umgebung.programm() + L("/alarm.wav")});
}

TEST_F(Toene, FehlerBeimSpielen) {
    const QString datei = wave("a.wav");
    // Retry plays again, then Abort only leaves the routine (the program goes on)
    umgebung.ton.naechsterFehler = Fehler(57);
    umgebung.meldungen.antworten({4});
    TonAusgeben(datei);
    // the report beeps before its box
    EXPECT_EQ(umgebung.ton.aufrufe, QStringList({L("fehler 57"), L("piep 16 #SystemHand"),
                                                 L("stopp"), L("spiel ") + datei}));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(L("Fehler bei Tonausgabe")));
    umgebung.ton.naechsterFehler = Fehler(57);
    umgebung.meldungen.antworten({3});
    TonAusgeben(datei);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);
    // 76 ends the routine without a word
    umgebung.ton.naechsterFehler = Fehler(76);
    TonAusgeben(datei);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);
}

TEST_F(Toene, DateiVorhanden) {
    const QString datei = wave("x.wav");
    EXPECT_TRUE(DateiVorhanden(datei));
    EXPECT_FALSE(DateiVorhanden(QString()));
    EXPECT_FALSE(DateiVorhanden(umgebung.daten() + L("/*.wav")));
    EXPECT_FALSE(DateiVorhanden(umgebung.daten() + L("/x.wa?")));
    EXPECT_FALSE(DateiVorhanden(umgebung.daten()));  // a folder
    EXPECT_FALSE(DateiVorhanden(umgebung.daten() + L("/fehlt/x.wav")));
    EXPECT_FALSE(DateiVorhanden(L("C:\\x.wav")));
    EXPECT_TRUE(DateiVorhanden(umgebung.daten() + L("/X.WAV")));
    EXPECT_TRUE(DateiVorhanden(QString(umgebung.daten() + L("/x.wav")).replace(L("/"), L("\\"))));
    // a FIFO is no file, and asking does not wait for a writer
    const QString fifo = umgebung.daten() + L("/y.wav");
    test::FifoAnlegen(fifo);
    bool blockiert = false;
    EXPECT_FALSE(test::OhneBlockieren(
        fifo, [&] { return DateiVorhanden(fifo); }, blockiert));
    EXPECT_FALSE(blockiert);
}
