#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/datenpfade.h"
#include "common/einstellungen.h"
#include "common/modul.h"
#include "platform/text.h"
#include "reminder/erinnerung.h"
#include "termine.h"
#include "testsupport/sonderdateien.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

using test::Termin;

class Fenster final : public ErinnerungsAnzeige {
public:
    void StatusZeigen(const QString& text) override { status.append(text); }
    void ProgrammEnde() override { ++beendet; }
    QStringList status;
    int beendet = 0;
};

class Reminder : public ::testing::Test {
protected:
    Reminder() {
        IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());
        Datei({});
        DatenPfadeSetzen();
        Um(QDate(1999, 3, 12), 8, 0);
    }

    void Datei(const QStringList& termine, const char* kopf = "..Kronelin 8.010090") {
        QString text = L(kopf) + L("\r\n");
        for (const QString& t : termine) {
            text += t + L("\r\n");
        }
        umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"), NachCp1252(text));
    }
    void Um(QDate d, int h, int m, int s = 0) { umgebung.uhr.setzen(QDateTime(d, QTime(h, m, s))); }
    void Um(int h, int m, int s = 0) { Um(umgebung.uhr.heute(), h, m, s); }
    // Ticks every five seconds up to the given time.
    void TickenBis(int h, int m) {
        const QDateTime ende(umgebung.uhr.heute(), QTime(h, m));
        while (umgebung.uhr.jetzt() < ende) {
            umgebung.uhr.weiter(5);
            logik.Zeit_Timer();
        }
    }
    QString Archiv() const {
        return AusCp1252(umgebung.lesen(umgebung.daten() + L("/Kronel.Old")));
    }
    qsizetype BoxenMit(const QString& anfang) const {
        return std::count_if(umgebung.meldungen.boxen.begin(), umgebung.meldungen.boxen.end(),
                             [&](const test::Box& b) { return b.text.startsWith(anfang); });
    }

    test::TestUmgebung umgebung{L("Kronelol")};
    Fenster fenster;
    Erinnerung logik{fenster};
};

const QString kLadefehler =
    QString::fromUtf8("Es ist ein Fehler beim Laden der Termine aufgetreten.");

}  // namespace

TEST_F(Reminder, TerminErscheintNeunMinutenVorherUndSchaltetDenAlarmEin) {
    Datei({Termin("19990312", "-", "-", "08:30 Zahnarzt"),
           Termin("19990312", "-", "-", "11:00 Post")});
    Um(8, 20, 30);
    logik.Zeit_Timer();
    EXPECT_EQ(fenster.status.value(0), L("Lese Termine..."));
    EXPECT_EQ(logik.bezDatum, L("12.03.1999"));
    EXPECT_TRUE(logik.Liste.isEmpty());
    EXPECT_FALSE(logik.ZeitAlarm);
    EXPECT_EQ(logik.Titel, L("Kronel Online - keine Meldungen"));
    EXPECT_EQ(logik.PanelStatus, L("Noch 2 Termine."));
    EXPECT_EQ(logik.PanelDatum, L(" Freitag, 12. März 1999, 10. Woche "));
    EXPECT_EQ(logik.PanelZeit, L(" 08:20 "));

    TickenBis(8, 21);
    EXPECT_EQ(logik.Liste, QStringList{L("12.03.1999 (Fr)* 08:30 Zahnarzt")});
    EXPECT_TRUE(logik.ZeitAlarm);
    EXPECT_EQ(logik.Titel, L("Kronel Online 08:21, 1 Meldung"));
    EXPECT_EQ(logik.PanelStatus, L("Noch 1 Termin."));

    // Due once: later ticks add nothing more.
    TickenBis(8, 40);
    EXPECT_EQ(logik.Liste.size(), 1);
    EXPECT_EQ(fenster.status.count(L("Lese Termine...")), 1);
}

TEST_F(Reminder, StartNachDemSpaetfensterVerpasstDenTermin) {
    Datei({Termin("19990312", "-", "-", "08:30 Zahnarzt")});
    Um(8, 33);
    logik.Zeit_Timer();
    TickenBis(10, 0);
    EXPECT_TRUE(logik.Liste.isEmpty());
    EXPECT_FALSE(logik.ZeitAlarm);
    EXPECT_EQ(logik.PanelStatus, L("Noch 1 Termin."));
}

TEST_F(Reminder, ZweiTermineZurSelbenZeitGebenDieMehrzahl) {
    Datei({Termin("19990312", "-", "-", "08:30 Zahnarzt"),
           Termin("19990312", "-", "-", "08:30 Bank")});
    Um(8, 21);
    logik.Zeit_Timer();
    EXPECT_EQ(logik.Liste, (QStringList{L("12.03.1999 (Fr)* 08:30 Bank"),
                                        L("12.03.1999 (Fr)* 08:30 Zahnarzt")}));
    EXPECT_EQ(logik.Titel, L("Kronel Online 08:21, 2 Meldungen"));
    EXPECT_EQ(logik.PanelStatus, L("Keine Termine mehr."));
}

TEST_F(Reminder, AenderungssignalLiestNeuUndSetztEsZurueck) {
    Datei({Termin("19990312", "-", "-", "08:30 Zahnarzt")});
    Um(8, 21);
    logik.Zeit_Timer();
    ASSERT_EQ(logik.Liste.size(), 1);

    // Without the signal a changed file is not read again.
    Datei({Termin("19990312", "-", "-", "08:30 Zahnarzt"),
           Termin("19990312", "-", "-", "08:35 Bank")});
    TickenBis(8, 22);
    EXPECT_TRUE(logik.ListeHeute.isEmpty());

    logik.mnuReset_Click();
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OLneu"), {}), L("1"));
    logik.Zeit_Timer();
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OLneu"), {}), L("0"));
    // Read again: the entry still inside the window comes due (and rings) again.
    EXPECT_EQ(logik.Liste, QStringList{L("12.03.1999 (Fr)* 08:30 Zahnarzt")});
    EXPECT_TRUE(logik.ZeitAlarm);
    EXPECT_EQ(logik.ListeHeute, QStringList{L("0858 12.03.1999 (Fr)* 08:35 Bank")});
    EXPECT_EQ(fenster.status.count(L("Lese Termine...")), 2);

    // The planner's save sets the same key.
    IniSchreiben({}, L("Kronel"), L("OLneu"), L("1"));
    Datei({});
    logik.Zeit_Timer();
    EXPECT_TRUE(logik.Liste.isEmpty());
    EXPECT_FALSE(logik.ZeitAlarm);
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OLneu"), {}), L("0"));
}

TEST_F(Reminder, LeerenStopptDenAlarmNeueTermineSchaltenIhnWiederEin) {
    Datei({Termin("19990312", "-", "-", "08:30 Zahnarzt"),
           Termin("19990312", "-", "-", "09:00 Post")});
    umgebung.schreiben(umgebung.programm() + L("/Kronelol.wav"), "RIFF");
    Um(8, 21);
    logik.Zeit_Timer();
    ASSERT_TRUE(logik.ZeitAlarm);
    logik.ZeitAlarm_Timer();
    EXPECT_EQ(umgebung.ton.aufrufe.value(0),
              L("spiel ") + umgebung.programm() + L("/Kronelol.wav"));

    logik.mnuListeClear_Click();
    EXPECT_TRUE(logik.Liste.isEmpty());
    EXPECT_FALSE(logik.ZeitAlarm);
    TickenBis(8, 50);
    EXPECT_TRUE(logik.Liste.isEmpty());
    EXPECT_FALSE(logik.ZeitAlarm);
    TickenBis(8, 51);
    EXPECT_EQ(logik.Liste, QStringList{L("12.03.1999 (Fr)* 09:00 Post")});
    EXPECT_TRUE(logik.ZeitAlarm);
}

TEST_F(Reminder, UmMitternachtBisTagesendeUndAbTagesbeginn) {
    Datei({Termin("19990312", "-", "-", "23:58 spät"), Termin("19990313", "-", "-", "00:02 früh"),
           Termin("19990313", "-", "-", "00:00 Mitternacht")});
    Um(23, 55);
    logik.Zeit_Timer();
    EXPECT_EQ(logik.Liste, QStringList{L("12.03.1999 (Fr)* 23:58 spät")});
    logik.mnuListeClear_Click();

    // The day change builds the next day's list; its window starts at 00:00.
    Um(QDate(1999, 3, 13), 0, 1);
    logik.Zeit_Timer();
    EXPECT_EQ(logik.bezDatum, L("13.03.1999"));
    EXPECT_EQ(logik.Liste, (QStringList{L("13.03.1999 (Sa)* 00:00 Mitternacht"),
                                        L("13.03.1999 (Sa)* 00:02 früh")}));
}

TEST_F(Reminder, AbgelaufeneGehenBeiJedemLesenInsArchiv) {
    const QString gestern = Termin("19990312", "-", "-", "08:00 gestern");
    const QString heute = Termin("19990312", "-", "1T", "09:00 bis heute");
    Datei({gestern, heute, Termin("19990312", "-", "-", "{ZyklusZähler:4}. Jahrestag", "1J"),
           Termin("19990301", "-", "-", "kein Schritt", "1X"),
           Termin("19990301", "-", "-", "kein Schritt", "0W"),
           Termin("19990301", "-", "-", "rückwärts", "-1W")});
    Um(QDate(1999, 3, 13), 7, 0);
    logik.Zeit_Timer();
    EXPECT_EQ(Archiv(), L("12.03.1999 08:00 gestern\r\n"));
    EXPECT_EQ(logik.ListeTermine,
              (QStringList{heute, Termin("20000312", "-", "-", "{ZyklusZähler:5}. Jahrestag", "1J"),
                           Termin("19990301", "-", "-", "kein Schritt", "1X"),
                           Termin("19990301", "-", "-", "kein Schritt", "0W"),
                           Termin("19990301", "-", "-", "rückwärts", "-1W")}));
    // The data file stays as it was, so the next reading archives the same line again.
    logik.mnuReset_Click();
    logik.Zeit_Timer();
    EXPECT_EQ(Archiv(), L("12.03.1999 08:00 gestern\r\n12.03.1999 08:00 gestern\r\n"));
    EXPECT_EQ(BoxenMit(kLadefehler), 0);
}

TEST_F(Reminder, ArchivOhneSchreibrechtWirdEinmalProLesenGemeldet) {
    QDir().mkpath(umgebung.daten() + L("/Kronel.Old"));  // an archive nothing can append to
    Datei({Termin("19990301", "-", "-", "eins"), Termin("19990302", "-", "-", "zwei"),
           Termin("19990303", "-", "-", "drei")});
    umgebung.meldungen.antworten({Antwort::Ignorieren});
    Um(QDate(1999, 3, 13), 7, 0);
    logik.Zeit_Timer();
    EXPECT_EQ(BoxenMit(kLadefehler), 1);

    // Retry tries once more, then the next reading reports again, once.
    umgebung.meldungen.antworten({Antwort::Wiederholen, Antwort::Ignorieren});
    logik.mnuReset_Click();
    logik.Zeit_Timer();
    EXPECT_EQ(BoxenMit(kLadefehler), 3);
    EXPECT_EQ(logik.PanelStatus, L("Keine Termine mehr."));
}

// A record of 30 KB the archive did not take: the box and the error record in
// the settings file quote its first 80 characters and say how long it is.
TEST_F(Reminder, LangerTerminImArchivfehlerWirdAngefangenUndGemessen) {
    QDir().mkpath(umgebung.daten() + L("/Kronel.Old"));
    const QString lang = Termin("19990301", "-", "-", "") + QString(30000, QLatin1Char('x'));
    Datei({lang});
    umgebung.meldungen.antworten({Antwort::Ignorieren});
    Um(QDate(1999, 3, 13), 7, 0);
    logik.Zeit_Timer();
    ASSERT_EQ(BoxenMit(kLadefehler), 1);
    const QString& text = umgebung.meldungen.boxen[0].text;
    EXPECT_TRUE(text.contains(L("»") + lang.left(80) + L("…« (30.037 Zeichen lang; ")))
        << qPrintable(text.left(300));
    EXPECT_LT(text.size(), 600);
    EXPECT_LT(QFileInfo(umgebung.riviror()).size(), 2000);
}

// A record with a broken date: the report names it, not just the error number.
TEST_F(Reminder, KaputterTerminWirdBeimNamenGenannt) {
    Datei({L("2099x231-   -   -         -   Alle   kaputt"), Termin("19990312", "-", "-", "gut")});
    umgebung.meldungen.antworten({Antwort::Ignorieren});
    logik.Zeit_Timer();
    ASSERT_EQ(BoxenMit(kLadefehler), 1);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(
        L("»2099x231-   -   -         -   Alle   kaputt«")))
        << qPrintable(umgebung.meldungen.boxen[0].text);
}

TEST_F(Reminder, FehlendeDateiWirdGemeldet) {
    QFile::remove(umgebung.daten() + L("/Kronel.PlD"));
    logik.Zeit_Timer();
    EXPECT_EQ(BoxenMit(kLadefehler), 1);
    EXPECT_TRUE(logik.ListeTermine.isEmpty());
    EXPECT_EQ(logik.PanelStatus, L("Keine Termine mehr."));
    EXPECT_FALSE(logik.Beendet);
}

// A file beyond the reading limit is named; the copy stays empty.
TEST_F(Reminder, ZuGrosseDateiWirdGenannt) {
    const QString pfad = umgebung.daten() + L("/Kronel.PlD");
    test::GrosseDateiAnlegen(pfad, kLeseGrenze + 1, "..Kronelin 8.010090\r\n");
    logik.TermineLaden();
    ASSERT_EQ(BoxenMit(kLadefehler), 1);
    EXPECT_TRUE(
        umgebung.meldungen.boxen[0].text.contains(L("»") + pfad + L("« ist größer als 256 MB")));
    EXPECT_TRUE(logik.ListeTermine.isEmpty());
}

TEST_F(Reminder, AlteDatenBeendenDasProgrammAndereVersionenBleibenLeer) {
    Datei({Termin("19990312", "-", "-", "08:30 Zahnarzt")}, "..Kronelin 3.800000");
    Um(8, 21);
    logik.Zeit_Timer();
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_TRUE(logik.ListeTermine.isEmpty());
    EXPECT_FALSE(logik.Beendet);

    Datei({Termin("19990312", "-", "-", "08:30 Zahnarzt")}, "..Kronelin 3.490000");
    logik.mnuReset_Click();
    logik.Zeit_Timer();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const test::Box& b = umgebung.meldungen.boxen[0];
    EXPECT_EQ(b.titel, L("Alte Termine"));
    EXPECT_EQ(b.text, L("Die Termine stammen von einer älteren Version. Bitte zuerst das Programm "
                        "Kronelin starten."));
    EXPECT_EQ(b.stil, Box::OK | Box::Ausrufezeichen);
    EXPECT_EQ(b.tonVorher, QStringList{L("#SystemExclamation")});
    EXPECT_TRUE(logik.Beendet);
    EXPECT_EQ(fenster.beendet, 1);
    logik.Zeit_Timer();
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);
}

TEST_F(Reminder, UngueltigesTagesdatumWirdGemeldet) {
    logik.bezDatum = L("31.02.1999");
    logik.ListeHeute = {L("0850 x")};
    logik.TermineSuchen();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Terminsuche"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("»31.02.1999« ist kein gültiges Datum."));
    EXPECT_EQ(logik.ListeHeute, QStringList{L("0850 x")});
}

TEST_F(Reminder, OptionenWerdenBegrenztUndOhneAenderungssignalGelesen) {
    test::FakeFenster f;
    f.m = {100, 200, 4000, 3000};
    logik.OptionenLesen(f);
    EXPECT_EQ(logik.laufWarn, (std::array<int, 2>{9, 2}));
    EXPECT_TRUE(logik.strgNoBereich);
    EXPECT_EQ(f.m.links, 100);
    EXPECT_EQ(f.m.oben, 200);

    for (const auto& [k, w] : {std::pair{"OL0", "500"},
                               {"OL1", "0"},
                               {"OLnoBereich", "0"},
                               {"OLleft", "-50"},
                               {"OLTop", "99999"}}) {
        IniSchreiben({}, L("Kronel"), L(k), L(w));
    }
    logik.OptionenLesen(f);
    EXPECT_EQ(logik.laufWarn, (std::array<int, 2>{300, 1}));
    EXPECT_FALSE(logik.strgNoBereich);
    EXPECT_EQ(f.m.links, 0);
    EXPECT_EQ(f.m.oben, 11520 - 3000);  // kept on the screen
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OLneu"), L("nie")), L("nie"));

    // Minimized, the last position stays stored.
    logik.laufWarn = {15, 5};
    f.z = FensterZustand::Minimiert;
    f.m.links = 700;
    logik.OptionenSpeichern(f);
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OLleft"), {}), L("-50"));
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OL0"), {}), L("15"));
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OL1"), {}), L("5"));
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OLnoBereich"), {}), L("0"));
    f.z = FensterZustand::Normal;
    logik.OptionenSpeichern(f);
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OLleft"), {}), L("700"));
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OLTop"), {}), L("8520"));
}
