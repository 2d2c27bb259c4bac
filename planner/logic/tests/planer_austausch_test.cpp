#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "planner/geburtstage.h"
#include "planner/planer.h"
#include "planner_testsupport/fakes.h"
#include "platform/text.h"
#include "testsupport/sonderdateien.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

const QString kZimt = L("202612241T  -   -         -   Alle   Zimt°°und Stern");
const QString kKurz = L("20261225-   -   -         -   tester Kurz  ");

class Austausch : public ::testing::Test {
protected:
    Austausch() {
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
        umgebung.schreiben(
            umgebung.daten() + L("/Kronel.PlD"),
            NachCp1252(L("..Kronelin 8.010000\r\n") + kZimt + L("\r\n") + kKurz + L("\r\n")));
        EXPECT_TRUE(planer.FormLoad());
        fenster.da << Fenstername::Dateiwahl;
    }
    QString datei() const { return umgebung.daten() + L("/Mein.PE$"); }
    QString gespeichert() const { return IniLesen({}, {}, L("ExchangeFile"), L("-")); }

    test::TestUmgebung umgebung;
    test::AufnahmeSicht sicht;
    test::SkriptFenster fenster;
    Planer planer{sicht, fenster};
};

TEST_F(Austausch, HinUndZurueckGenauSoWieGespeichert) {
    fenster.dateiwahlAntwort = datei();
    for (const qsizetype i : {0, 1, 1}) {
        planer.buch.ZeileWaehlen(i);
        planer.Main_mnuTaustauschSave_Click();
    }
    ASSERT_EQ(fenster.dateiwahl.size(), 3u);
    EXPECT_TRUE(fenster.dateiwahl[0].speichern);
    EXPECT_EQ(fenster.dateiwahl[0].Caption, L("Termin speichern unter"));
    EXPECT_TRUE(fenster.dateiwahl[0].pfad.endsWith(L("/Kronel.pe$")));
    EXPECT_EQ(fenster.dateiwahl[1].pfad, datei());
    EXPECT_EQ(umgebung.lesen(datei()),
              NachCp1252(kZimt + L("\r\n") + kKurz + L("\r\n") + kKurz + L("\r\n")));
    EXPECT_EQ(gespeichert(), datei());  // the case as chosen
    EXPECT_EQ(umgebung.ton.aufrufe.count(L("piep 48 #SystemExclamation")), 3);

    planer.buch.Ungespeichert = 0;
    planer.Main_mnuTaustauschLoad_Click();
    EXPECT_FALSE(fenster.dateiwahl.back().speichern);
    EXPECT_EQ(fenster.dateiwahl.back().Caption, L("Wähle gespeicherte Termine"));
    EXPECT_EQ(planer.buch.ListeTermine.mid(2), (QStringList{kZimt, kKurz, kKurz}));
    EXPECT_EQ(planer.buch.ListeAnzeige.size(), 5);
    EXPECT_EQ(planer.buch.TerminIndex, 4);
    EXPECT_EQ(planer.buch.Ungespeichert, 1);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(Austausch, FehlendeOderUnlesbareDateiAendertNichts) {
    fenster.dateiwahlAntwort = datei();
    planer.Main_mnuTaustauschLoad_Click();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text,
              L("Kann die Datei »") + datei() + L("« nicht finden!"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Fehler beim Terminaustausch"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].tonVorher, QStringList{L("#SystemHand")});
    EXPECT_EQ(gespeichert(), L("-"));

    // A FIFO there is named as what it is, not as missing
    test::FifoAnlegen(datei());
    umgebung.meldungen.antworten({Antwort::Abbruch});
    planer.Main_mnuTaustauschLoad_Click();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_TRUE(umgebung.meldungen.boxen[1].text.contains(L("»") + datei() +
                                                          L("« ist keine gewöhnliche Datei")));
    EXPECT_EQ(planer.buch.ListeTermine.size(), 2);
    // and so is it when a record is to be appended to it
    fenster.dateiwahlAntwort = datei();
    umgebung.meldungen.antworten({Antwort::Abbruch});
    planer.Main_mnuTaustauschSave_Click();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 3u);
    EXPECT_TRUE(umgebung.meldungen.boxen[2].text.contains(L("»") + datei() +
                                                          L("« ist keine gewöhnliche Datei")));
    umgebung.meldungen.boxen.pop_back();

    // Ignore after a failed write: no success sound, no path
    fenster.dateiwahlAntwort = umgebung.daten() + L("/fehlt/x.pe$");
    umgebung.meldungen.antworten({Antwort::Ignorieren});
    planer.Main_mnuTaustauschSave_Click();
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 3u);
    EXPECT_TRUE(umgebung.meldungen.boxen[2].text.contains(L("Es ist ein Fehler aufgetreten.")));
    EXPECT_FALSE(umgebung.ton.aufrufe.contains(L("piep 48 #SystemExclamation")));
    EXPECT_EQ(gespeichert(), L("-"));

    // A cancelled dialog does nothing
    fenster.dateiwahlAntwort.reset();
    planer.Main_mnuTaustauschLoad_Click();
    EXPECT_EQ(planer.buch.ListeTermine.size(), 2);
}

// A full disk: the report names the exchange file, and the file keeps what it had.
TEST_F(Austausch, VollerDatentraegerNenntDieDatei) {
    umgebung.schreiben(datei(), "alt\r\n");
    fenster.dateiwahlAntwort = datei();
    umgebung.datentraeger.platz = 0;
    umgebung.meldungen.antworten({Antwort::Ignorieren});
    planer.Main_mnuTaustauschSave_Click();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text,
              L("Es ist ein Fehler aufgetreten.\r\nDer Termin konnte nicht an »") + datei() +
                  L("« angehängt werden.\r\n\r\nDatenträger voll (61)."));
    EXPECT_EQ(umgebung.lesen(datei()), QByteArray("alt\r\n"));
    EXPECT_EQ(gespeichert(), L("-"));
}

TEST_F(Austausch, KeineTermineProgrammeUndVolleListe) {
    const QString programm = L("20261224-   -   -         -   Alle   @/usr/bin/xclock");
    umgebung.schreiben(datei(), NachCp1252(L("\r\nkein Termin\r\n") + kZimt + L("\r\n") + programm +
                                           L("\r\n") + kKurz + L("\r\n")));
    fenster.dateiwahlAntwort = datei();
    umgebung.meldungen.antworten({Antwort::Nein});
    planer.Main_mnuTaustauschLoad_Click();
    EXPECT_EQ(planer.buch.ListeTermine.mid(2), (QStringList{kZimt, kKurz}));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_EQ(
        umgebung.meldungen.boxen[0].text,
        L("Die Datei »") + datei() +
            L("« enthält Termine, die ein Programm starten. Sollen sie auch geladen werden?"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::JaNein + Box::Frage);
    EXPECT_EQ(umgebung.meldungen.boxen[1].text,
              L("»") + datei() + L("«: 2 Zeilen sind keine Termine und wurden nicht geladen."));
    EXPECT_EQ(umgebung.meldungen.boxen[1].titel, L("Fehler beim Terminaustausch"));
    EXPECT_EQ(gespeichert(), datei());

    // Yes loads them; a full list stops at the limit and says how many are left
    while (planer.buch.ListeTermine.size() < TermineHoechstzahl) {
        planer.buch.ListeTermine.append(kKurz);
        planer.buch.ListeAnzeige.append(Anzeigezeile(kKurz));
    }
    umgebung.meldungen.antworten({Antwort::Ja});
    planer.Main_mnuTaustauschLoad_Click();
    EXPECT_EQ(planer.buch.ListeTermine.size(), TermineHoechstzahl + 1);
    EXPECT_EQ(planer.buch.ListeTermine.back(), kZimt);
    EXPECT_EQ(umgebung.meldungen.boxen.back().text,
              L("»") + datei() +
                  L("«: 2 Zeilen sind keine Termine und wurden nicht geladen.\r\n2 Termine wurden "
                    "nicht geladen, weil die Terminliste voll ist."));
}

TEST(Geburtstage, ZeilenAusDemAdressbuch) {
    auto zeile = [](const QString& name, const QString& vorname, const QString& tag) {
        QStringList felder(21);
        felder[1] = name;
        felder[2] = vorname;
        felder[20] = tag;
        return GeburtstagsZeile(felder);
    };
    EXPECT_EQ(zeile(L("Maier"), L("Eva"), L("24.12.1965")), L("24.12.1965 Maier, Eva"));
    EXPECT_EQ(zeile(L("Maier"), {}, L("1.1.1965")), L("01.01.1965 Maier"));
    EXPECT_EQ(zeile(L("Maier"), {}, L("24.12.????")), L("24.12.???? Maier"));
    EXPECT_EQ(zeile(L("Maier"), {}, L("29.02.????")), L("29.02.???? Maier"));
    EXPECT_EQ(zeile(L("Maier"), {}, {}), std::nullopt);
    EXPECT_EQ(zeile(L("Maier"), {}, L("Weihnachten")), std::nullopt);
    EXPECT_EQ(GeburtstagsZeile({L("1"), L("Maier")}), std::nullopt);
}

TEST(Geburtstage, TermineDerZeilen) {
    const GeburtstagsTermin mit = GeburtstagAusZeile(L("12.03.1960 Maier, Eva"), 2026);
    EXPECT_EQ(mit.datum, L("12.03.1960"));
    EXPECT_EQ(mit.meldung, L("Geburtstag: Maier, Eva wird {DiffJa:12.03.1960} alt"));
    const GeburtstagsTermin ohne = GeburtstagAusZeile(L("05.07.???? Maier"), 2026);
    EXPECT_EQ(ohne.datum, L("05.07.2026"));
    EXPECT_EQ(ohne.meldung, L("Geburtstag: Maier wird ? alt"));
    EXPECT_EQ(GeburtstagAusZeile(L("29.02.???? Schalt"), 2026).datum, L("28.02.2026"));
    EXPECT_EQ(GeburtstagAusZeile(L("29.02.???? Schalt"), 2028).datum, L("29.02.2028"));
}

TEST_F(Austausch, GeburtstageAlsJaehrlicheTermine) {
    planer.Main_mnuImpGeb_Click();
    EXPECT_TRUE(fenster.gezeigt.empty());  // not in this build: nothing happens
    fenster.da << Fenstername::ImpGeb;
    planer.Main_mnuImpGeb_Click();
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());  // nothing chosen, nothing said

    fenster.impGebAntwort.Liste = {L("12.03.1960 Maier, Eva")};
    planer.Main_mnuImpGeb_Click();
    EXPECT_EQ(planer.buch.ListeTermine.back(), L("196003121T  -   -         1J  Alle   Geburtstag: "
                                                 "Maier, Eva wird {DiffJa:12.03.1960} alt"));
    EXPECT_EQ(umgebung.meldungen.boxen.back().text,
              L("Es wurde 1 Geburtstag am Ende der Termin-Liste eingefügt.\rWenn Sie Ihre Daten "
                "speichern, werden die neuen Termine automatisch einsortiert."));
    EXPECT_EQ(umgebung.meldungen.boxen.back().titel, L("Termine importieren"));

    fenster.impGebAntwort.Liste = {L("05.07.???? A"), L("29.02.???? B"), L("01.01.2000 C")};
    planer.Main_mnuImpGeb_Click();
    EXPECT_EQ(planer.buch.ListeTermine.size(), 6);
    EXPECT_TRUE(planer.buch.ListeTermine[4].startsWith(L("20260228")));
    EXPECT_TRUE(umgebung.meldungen.boxen.back().text.startsWith(
        L("Es wurden 3 Geburtstage am Ende der Termin-Liste eingefügt.\rWenn")));
    EXPECT_EQ(planer.buch.TerminIndex, 5);
    EXPECT_EQ(planer.buch.Ungespeichert, 1);
}

}  // namespace
