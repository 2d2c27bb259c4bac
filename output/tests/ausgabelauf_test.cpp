#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "common/modul.h"
#include "output/ausgabelauf.h"
#include "platform/text.h"
#include "testsupport/sonderdateien.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"
#include "testsupport/zufall.h"

using namespace kronel;

namespace {

using test::L;

// A record with its fixed columns filled and padded.
QString Termin(const char* datum, const char* von, const char* bis, const char* filter,
               const char* zyklus, const char* adresse, const char* meldung) {
    return L(datum) + L(von).leftJustified(4) + L(bis).leftJustified(4) +
           L(filter).leftJustified(10) + L(zyklus).leftJustified(4) + L(adresse).leftJustified(7) +
           L(meldung);
}

class FakeAnzeige final : public AusgabeAnzeige {
public:
    void AusgabeSetzen(const QString& t) override { texte.append(t); }
    void Warten(double s) override { gewartet.push_back(s); }
    void NachVorne() override { ++vorne; }
    QStringList texte;
    std::vector<double> gewartet;
    int vorne = 0;
};

// Wednesday, 9 December 2026, in ISO week 50 (the fake clock's day).
const QString kKopf = L("Meldungen für Anna.\r\nMittwoch, 9. Dezember 2026, 50. Woche\r\n") +
                      QString(80, u'_') + L("\r\n\r\n");
const QString kNichts = L("Für heute liegen keine Meldungen vor.\r\n");

class Ausgabelauf : public ::testing::Test {
protected:
    Ausgabelauf() {
        modul().DatenVerzeichnis = umgebung.daten();
        modul().DateiTermine = umgebung.daten() + L("/Kronel.PlD");
        einstellungen("");
    }
    // RIVIROR.INI with the user Anna and further lines of section Kronel.
    void einstellungen(const char* kronel) {
        umgebung.schreiben(umgebung.riviror(),
                           NachCp1252(L("[Allgemein]\r\nUser=Anna\r\n[Kronel]\r\n") + L(kronel)));
    }
    void datei(const QStringList& termine, const char* kopf = "..Kronelin 8.010000") {
        QString t = L(kopf) + L("\r\n");
        for (const QString& z : termine) {
            t += z + L("\r\n");
        }
        umgebung.schreiben(modul().DateiTermine, NachCp1252(t));
    }
    AusgabeEnde laufen() { return lauf.TermineAusgeben(); }

    test::TestUmgebung umgebung{L("Kronel")};
    FakeAnzeige anzeige;
    test::FolgeZufall zufall;
    Terminausgabe lauf{anzeige, zufall};
};

}  // namespace

TEST_F(Ausgabelauf, NurKopfzeileSagtDassNichtsVorliegt) {
    datei({});
    EXPECT_EQ(laufen(), AusgabeEnde::Weiter);
    EXPECT_EQ(lauf.Text, kKopf + kNichts);
    EXPECT_EQ(anzeige.texte, QStringList{kKopf + kNichts});
    EXPECT_EQ(lauf.AnzahlMeldungen, 0);
    EXPECT_EQ(anzeige.gewartet, std::vector<double>{2});
    EXPECT_EQ(anzeige.vorne, 1);
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(Ausgabelauf, FeiertagUndAstroZaehlenAlsMeldung) {
    umgebung.schreiben(umgebung.programm() + L("/Feiertag.Ini"),
                       "[Feiertage]\r\n09.12=Testfeiertag\r\n");
    umgebung.schreiben(umgebung.programm() + L("/Astro.ini"),
                       "[Zyklisch]\r\n09.12=Sternschnuppen\r\n");
    einstellungen("KronelAusBeiNix=1\r\n");
    datei({});
    EXPECT_EQ(laufen(), AusgabeEnde::Weiter);
    EXPECT_EQ(lauf.Text, kKopf + L("\r\nTestfeiertag\r\n\r\nSternschnuppen\r\n"));
    EXPECT_EQ(lauf.AnzahlMeldungen, 2);

    einstellungen("KronelAusBeiNix=1\r\nInfoFeiertag=0\r\nInfoAstro= 0\r\n");
    EXPECT_EQ(laufen(), AusgabeEnde::Beenden);
    EXPECT_EQ(lauf.Text, kKopf + kNichts);
}

TEST_F(Ausgabelauf, NichtsZuZeigenBeendetUnterKronelAusBeiNix) {
    einstellungen("KronelAusBeiNix=1\r\n");
    datei({Termin("20261210", "-", "-", "-", "-", "Alle", "Morgen")});
    EXPECT_EQ(laufen(), AusgabeEnde::Beenden);
    // The text is shown, but neither tune nor wait follow.
    EXPECT_EQ(anzeige.texte, QStringList{kKopf + kNichts});
    EXPECT_TRUE(anzeige.gewartet.empty());
    EXPECT_EQ(lauf.TonGespielt, 0);
}

TEST_F(Ausgabelauf, AnkuendigungsfensterUndSortierung) {
    datei({
        Termin("20261213", "3T", "-", "-", "-", "Alle", "Zu frueh: ab dem 10."),
        Termin("20261212", "3T", "-", "-", "-", "Alle", "Ab dem 9."),
        Termin("20261209", "-", "-", "-", "-", "Alle", "Heute"),
        Termin("20261201", "-", "1W", "-", "-", "Alle", "Bis zum 8., vorbei"),
        Termin("20261202", "-", "1W", "-", "-", "Alle", "Bis zum 9."),
        Termin("20261210", "-", "-", "-", "-", "Alle", "Morgen"),
        Termin("20261208", "-", "-", "-", "-", "Alle", "Gestern"),
    });
    EXPECT_EQ(laufen(), AusgabeEnde::Weiter);
    EXPECT_EQ(lauf.Text, kKopf + L(" 02.12.2026 (Mi): Bis zum 9.\r\n"
                                   "*09.12.2026 (Mi): Heute\r\n"
                                   " 12.12.2026 (Sa): Ab dem 9.\r\n"));
    EXPECT_EQ(lauf.AnzahlMeldungen, 3);
}

// Texts are expanded before the due test: an abbreviation in a record that is
// not shown still reports the unreadable list; built-in fields are filled in
// where they are shown and need nothing else.
TEST_F(Ausgabelauf, FelderNichtGezeigterTermineMeldenIhreFehler) {
    QDir().mkpath(umgebung.programm() + L("/Kuerzel.lst"));  // a folder cannot be read
    umgebung.meldungen.antworten({5});
    datei({Termin("20261209", "-", "-", "-", "-", "Alle", "Anna wird {DiffJa:09.12.1990} alt"),
           Termin("20261220", "-", "-", "-", "-", "Alle", "Später {DiffJa:01.01.2000} {m}"),
           Termin("20261209", "-", "-", "-", "-", "Berta", "Anderswo {DiffJa:01.01.2000}"),
           Termin("20261221", "-", "-", "-", "-", "Alle", "Später {xyz}")});
    EXPECT_EQ(laufen(), AusgabeEnde::Weiter);
    EXPECT_EQ(lauf.Text, kKopf + L("*09.12.2026 (Mi): Anna wird 36 Jahre alt\r\n"));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(
        L("Es ist ein Fehler beim Auswerten der Formeln aufgetreten.")));
}

TEST_F(Ausgabelauf, StationAlleInJederSchreibweiseOderDerBenutzer) {
    datei({
        Termin("20261209", "-", "-", "-", "-", "Alle", "a"),
        Termin("20261209", "-", "-", "-", "-", "ALLE", "b"),
        Termin("20261209", "-", "-", "-", "-", "alle", "c"),
        Termin("20261209", "-", "-", "-", "-", "aNNA", "d"),
        Termin("20261209", "-", "-", "-", "-", "Bernd", "e"),
        Termin("20261209", "-", "-", "-", "-", "Annab", "f"),
    });
    laufen();
    EXPECT_EQ(lauf.Text, kKopf + L("*09.12.2026 (Mi): a\r\n*09.12.2026 (Mi): b\r\n"
                                   "*09.12.2026 (Mi): c\r\n*09.12.2026 (Mi): d\r\n"));
}

TEST_F(Ausgabelauf, ZyklenRollenImSpeicherVorUndDieDateiBleibt) {
    datei({
        // Three weeks back on a Wednesday: today is its day.
        Termin("20261118", "-", "-", "-", "1W", "Alle", "Chorprobe"),
        // A Thursday: next due tomorrow, announced from today.
        Termin("20261119", "1T", "-", "-", "1W", "Alle", "Turnen"),
        // Any cycle but "-" counts, also one the planner would not roll.
        Termin("20261109", "-", "-", "-", "1", "Alle", "Eins"),
        Termin("20251209", "-", "-", "-", "1J", "Alle", "Jahrestag {ZyklusZähler:4}"),
    });
    const QByteArray vorher = umgebung.lesen(modul().DateiTermine);
    laufen();
    // One date: ordered by the further columns, here the cycle ("1J" before "1W").
    // The counter field is not raised.
    EXPECT_EQ(lauf.Text, kKopf + L("*09.12.2026 (Mi): Jahrestag 4\r\n"
                                   "*09.12.2026 (Mi): Chorprobe\r\n"
                                   " 10.12.2026 (Do): Turnen\r\n"));
    EXPECT_EQ(umgebung.lesen(modul().DateiTermine), vorher);
}

TEST_F(Ausgabelauf, ZyklenOhneFortschrittHaengenNicht) {
    datei({
        Termin("20261101", "-", "-", "-", "0W", "Alle", "Null"),
        Termin("20261101", "-", "-", "-", "-1W", "Alle", "Rueckwaerts"),
        Termin("20261101", "-", "-", "-", "1X", "Alle", "Unbekannt"),
        Termin("20261209", "-", "-", "-", "0W", "Alle", "Heute"),
    });
    EXPECT_EQ(laufen(), AusgabeEnde::Weiter);
    EXPECT_EQ(lauf.Text, kKopf + L("*09.12.2026 (Mi): Heute\r\n"));
}

TEST_F(Ausgabelauf, ZeilenumbruchMarkeRuecktEin) {
    datei({Termin("20261209", "-", "-", "-", "-", "Alle", "Teil eins°°Teil zwei°°°drei")});
    laufen();
    EXPECT_EQ(lauf.Text, kKopf + L("*09.12.2026 (Mi): Teil eins\r\n") + QString(18, u' ') +
                             L("Teil zwei\r\n") + QString(18, u' ') + L("°drei\r\n"));
}

TEST_F(Ausgabelauf, FilterEntscheidenMitHeuteUndDemFensteranfang) {
    datei({
        Termin("20261209", "-", "-", "mi", "-", "Alle", "Mittwochs"),
        Termin("20261209", "-", "-", "do", "-", "Alle", "Donnerstags"),
        // dyn% grows from 0 at the start of the window to 100 on the date.
        Termin("20261219", "10T", "-", "dyn%", "-", "Alle", "Erster Tag des Fensters"),
        Termin("20261209", "10T", "-", "dyn%", "-", "Alle", "Am Tag selbst"),
    });
    laufen();
    EXPECT_EQ(lauf.Text, kKopf + L("*09.12.2026 (Mi): Mittwochs\r\n"
                                   "*09.12.2026 (Mi): Am Tag selbst\r\n"));
}

TEST_F(Ausgabelauf, ProgrammTermineStartenUndZaehlenNicht) {
    const QString werkzeug = umgebung.programm() + L("/werkzeug");
    umgebung.schreiben(werkzeug, "#!/bin/sh\n");
    QFile::setPermissions(werkzeug, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    datei({
        Termin("20261209", "-", "-", "-", "-", "Alle", "@werkzeug -a"),
        Termin("20261209", "-", "-", "-", "-", "Alle", "@fehlt"),
        // Not due: never started.
        Termin("20261210", "-", "-", "-", "-", "Alle", "@werkzeug -b"),
    });
    laufen();
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].argumente, QStringList{L("-a")});
    // Only the failed start leaves a line, with nothing in front; nothing counts.
    EXPECT_EQ(
        lauf.Text,
        kKopf + L(" !!! Fehler beim Starten von »fehlt«, Datei nicht gefunden.\r\n") + kNichts);
    EXPECT_EQ(lauf.AnzahlMeldungen, 0);
}

TEST_F(Ausgabelauf, AlteDosDateiFragtNachDemPlaner) {
    const QString planer = umgebung.programm() + L("/Kronelin");
    umgebung.schreiben(planer, "#!/bin/sh\n");
    QFile::setPermissions(planer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    umgebung.meldungen.antworten({Antwort::Nein, Antwort::Ja});
    datei({Termin("20261209", "-", "-", "-", "-", "Alle", "Heute")}, "..Kronelin 3.20");
    EXPECT_EQ(laufen(), AusgabeEnde::Beenden);
    EXPECT_TRUE(umgebung.prozesse.starts.empty());
    datei({Termin("20261209", "-", "-", "-", "-", "Alle", "Heute")}, "..Kronelin ");
    EXPECT_EQ(laufen(), AusgabeEnde::Beenden);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    const test::Box& box = umgebung.meldungen.boxen[0];
    EXPECT_EQ(box.titel, L("Kronel 3,20"));
    EXPECT_EQ(umgebung.meldungen.boxen[1].titel, L("Kronel 0,00"));
    EXPECT_EQ(box.stil, Box::JaNein | Box::Ausrufezeichen);
    EXPECT_EQ(box.tonVorher, QStringList{L("#SystemHand")});
    EXPECT_EQ(box.text, L("Oh, die Termine stammen aus einer alten DOS-Version. Bitte zuerst das "
                          "Programm »KRONELIN« ausführen ... oder soll das Programm gleich "
                          "gestartet werden?"));
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].programm, planer);
    EXPECT_TRUE(umgebung.prozesse.starts[0].argumente.isEmpty());
    EXPECT_TRUE(anzeige.texte.isEmpty());
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);
}

TEST_F(Ausgabelauf, AlteDosDateiMeldetEinenPlanerDerNichtStartet) {
    // No planner in the program folder: Yes to the question must not end the
    // run without a word. Retry, with the planner there now, starts it.
    const QString planer = umgebung.programm() + L("/Kronelin");
    umgebung.meldungen.antworten({Antwort::Ja, Antwort::Wiederholen});
    umgebung.meldungen.beiBox = [&] {
        if (umgebung.meldungen.boxen.size() == 2) {
            umgebung.schreiben(planer, "#!/bin/sh\n");
        }
    };
    datei({Termin("20261209", "-", "-", "-", "-", "Alle", "Heute")}, "..Kronelin 3.20");
    EXPECT_EQ(laufen(), AusgabeEnde::Beenden);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    const test::Box& fehler = umgebung.meldungen.boxen[1];
    EXPECT_TRUE(fehler.text.startsWith(L("Es ist ein Fehler bei der Terminausgabe aufgetreten.")));
    EXPECT_TRUE(fehler.text.contains(L("(53).")));
    EXPECT_EQ(fehler.stil & Box::AbbrechenWiederholenIgnorieren,
              Box::AbbrechenWiederholenIgnorieren);
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].programm, planer);
}

// An empty file, an empty first line, UTF-16 or garbage is no old DOS file:
// the message names the file and what is wrong with it.
TEST_F(Ausgabelauf, LeereOderFremdeDateiWirdBeimNamenGenannt) {
    umgebung.schreiben(modul().DateiTermine, "");
    umgebung.meldungen.antworten({Antwort::Ignorieren});
    EXPECT_EQ(laufen(), AusgabeEnde::Beenden);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil & Box::KnopfMaske,
              Box::AbbrechenWiederholenIgnorieren);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(modul().DateiTermine + L(" ist leer")));
    for (const QByteArray& inhalt :
         {QByteArray("\r\n20261209-   -   -         -   Alle   Heute\r\n"),
          QByteArray("\xFF\xFE.\0.\0K\0r\0", 10),
          QByteArray("\x7F"
                     "ELF\x02\x01")}) {
        umgebung.meldungen.boxen.clear();
        umgebung.schreiben(modul().DateiTermine, inhalt);
        EXPECT_EQ(laufen(), AusgabeEnde::Beenden);
        ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
        const test::Box& box = umgebung.meldungen.boxen[0];
        EXPECT_EQ(box.titel, L("Kronel, keine Termine gefunden"));
        EXPECT_EQ(box.stil, Box::OK | Box::Stop);
        EXPECT_TRUE(box.text.contains(L("»") + modul().DateiTermine +
                                      L("« ist leer, nicht lesbar "
                                        "oder keine Terminliste")));
    }
    EXPECT_TRUE(umgebung.prozesse.starts.empty());

    umgebung.meldungen.antworten({Antwort::Abbruch});
    umgebung.schreiben(modul().DateiTermine, "");
    EXPECT_EQ(laufen(), AusgabeEnde::Abgebrochen);
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);
}

// A lost line break after the header: one record behind it is shown; several
// (every break lost) cannot be read, and the user is told so.
TEST_F(Ausgabelauf, TermineAmKopfWerdenGezeigtOderGemeldet) {
    const QString heute = Termin("20261209", "-", "-", "-", "-", "Alle", "Heute");
    const QString morgen = Termin("20261210", "-", "-", "-", "-", "Alle", "Morgen");
    umgebung.schreiben(modul().DateiTermine, NachCp1252(L("..Kronelin 8.010000") + heute));
    EXPECT_EQ(laufen(), AusgabeEnde::Weiter);
    EXPECT_EQ(lauf.AnzahlMeldungen, 1);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());

    umgebung.schreiben(modul().DateiTermine, NachCp1252(L("..Kronelin 8.010000") + heute + morgen));
    EXPECT_EQ(laufen(), AusgabeEnde::Weiter);
    EXPECT_EQ(lauf.AnzahlMeldungen, 0);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(L("»") + modul().DateiTermine +
                                                          L("« wurde nicht vollständig gelesen")));
}

TEST_F(Ausgabelauf, FehlendeDateiBeendetMitMeldung) {
    EXPECT_EQ(laufen(), AusgabeEnde::Beenden);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const test::Box& box = umgebung.meldungen.boxen[0];
    EXPECT_EQ(box.titel, L("Kronel, keine Termine gefunden"));
    EXPECT_EQ(box.stil, Box::OK | Box::Stop);
    EXPECT_EQ(box.tonVorher, QStringList{L("#SystemHand")});
    EXPECT_EQ(box.text, L("Die Termindatei »") + modul().DateiTermine +
                            L("« kann nicht gefunden werden.\r\rIst das Arbeitsverzeichnis richtig "
                              "eingestellt?\r\rBeende jetzt die Terminausgabe."));
}

// A FIFO the run never reads is named by the report alone: Ignore ends the
// run without a second box for the same cause.
TEST_F(Ausgabelauf, FifoEinKastenAuchNachIgnorieren) {
    test::FifoAnlegen(modul().DateiTermine);
    umgebung.meldungen.antworten({Antwort::Ignorieren});
    bool blockiert = false;
    EXPECT_EQ(test::OhneBlockieren(
                  modul().DateiTermine, [&] { return laufen(); }, blockiert),
              AusgabeEnde::Beenden);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(L("« ist keine gewöhnliche Datei")));
}

// A FIFO or a file beyond the reading limit is named as what it is, without
// waiting for a writer, not taken for a missing file.
TEST_F(Ausgabelauf, FifoUndZuGrosseDateiWerdenGenannt) {
    const QString pfad = modul().DateiTermine;
    test::FifoAnlegen(pfad);
    umgebung.meldungen.antworten({Antwort::Abbruch});
    bool blockiert = false;
    EXPECT_EQ(test::OhneBlockieren(
                  pfad, [&] { return laufen(); }, blockiert),
              AusgabeEnde::Abgebrochen);
    EXPECT_FALSE(blockiert);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(L("»") + pfad +
                                                          L("« ist keine gewöhnliche Datei")));
    QFile::remove(pfad);
    test::GrosseDateiAnlegen(pfad, kLeseGrenze + 1, "..Kronelin 8.010090\r\n");
    umgebung.meldungen.antworten({Antwort::Abbruch});
    EXPECT_EQ(laufen(), AusgabeEnde::Abgebrochen);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_TRUE(
        umgebung.meldungen.boxen[1].text.contains(L("»") + pfad + L("« ist größer als 256 MB")));
    // a folder is there too, not missing
    QFile::remove(pfad);
    QDir().mkpath(pfad);
    umgebung.meldungen.antworten({Antwort::Abbruch});
    EXPECT_EQ(laufen(), AusgabeEnde::Abgebrochen);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 3u);
    EXPECT_TRUE(umgebung.meldungen.boxen[2].text.contains(L("»") + pfad + L("« ist ein Ordner")));
}

TEST_F(Ausgabelauf, DieMelodieSpieltEinmalProProgrammlauf) {
    const QString wav = umgebung.programm() + L("/Kronel.wav");
    umgebung.schreiben(wav, "RIFF....WAVE");
    datei({});
    laufen();
    EXPECT_EQ(umgebung.ton.aufrufe, QStringList{L("spiel ") + wav});
    laufen();
    EXPECT_EQ(umgebung.ton.aufrufe.size(), 1);

    Terminausgabe ohneTon{anzeige, zufall};
    einstellungen("Sound=0\r\n");
    ohneTon.TermineAusgeben();
    EXPECT_EQ(umgebung.ton.aufrufe.size(), 1);
    EXPECT_EQ(ohneTon.TonGespielt, 1);
}
