#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "planner/planer.h"
#include "planner_testsupport/fakes.h"
#include "platform/befehlszeile.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

// After the fake today (09.12.2026), so no roll-over touches them; in date order.
const QString kZimt = L("202612241T  -   -         -   Alle   Zimt");
const QString kApfel = L("202612243T  -   -         -   Alle   apfel");
const QString kBirne = L("20270105-   -   -         -   Alle   Birne");

const QString kVoll =
    L("Die maximale Anzahl der möglichen Termine ist leider erreicht. Versuchen "
      "Sie nicht mehr benötigte Termine zu löschen.");

class PlanerListe : public ::testing::Test {
protected:
    PlanerListe() {
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
        // The month picker of a new record only where a test asks for it
        IniSchreiben({}, {}, L("Neu2MonBlatt"), L("0"));
        umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"),
                           NachCp1252(L("..Kronelin 8.010000\r\n") + kBirne + L("\r\n") + kApfel +
                                      L("\r\n") + kZimt + L("\r\n")));
    }
    void laden() { ASSERT_TRUE(planer.FormLoad()); }
    const QStringList& termine() const { return planer.buch.ListeTermine; }
    const QString& aktuell() const { return termine()[planer.buch.TerminIndex]; }
    void fuellen(qsizetype anzahl) {
        while (termine().size() < anzahl) {
            planer.buch.ListeTermine.append(kBirne);
            planer.buch.ListeAnzeige.append(Anzeigezeile(kBirne));
        }
    }
    void meldungBearbeiten(const QString& text) {
        sicht.felder.STMeldung = text;
        planer.Uebernehmen(0);
    }
    const test::Box& letzteBox() const { return umgebung.meldungen.boxen.back(); }

    test::TestUmgebung umgebung;
    test::AufnahmeSicht sicht;
    test::SkriptFenster fenster;
    Planer planer{sicht, fenster};
};

}  // namespace

TEST_F(PlanerListe, NeuerTerminMitVorgabenUndKalender) {
    IniSchreiben({}, {}, L("Tagefrüher"), L("3T"));
    IniSchreiben({}, {}, L("Tagespäter"), L("1W"));
    IniSchreiben({}, {}, L("Neu2MonBlatt"), L("1"));
    fenster.da << Fenstername::Monatsblatt;
    fenster.monatsblattAntwort.Calendar = QDate(2026, 12, 24);
    laden();
    planer.Main_PulEingeben_Click();
    ASSERT_EQ(termine().size(), 4);
    EXPECT_EQ(planer.buch.TerminIndex, 3);
    EXPECT_EQ(sicht.markiert, 3);
    // The picker starts on today and its choice is committed
    ASSERT_EQ(fenster.monatsblatt.size(), 1u);
    EXPECT_EQ(fenster.monatsblatt[0].Calendar, QDate(2026, 12, 9));
    EXPECT_EQ(aktuell(), L("202612243T  1W  -         -   Alle   ?"));
    EXPECT_EQ(sicht.felder.STDatum, L("24.12.2026"));
    EXPECT_EQ(sicht.fokus, Feld::STMeldung);
    EXPECT_EQ(sicht.ganzMarkiert, Feld::STMeldung);  // typing replaces the "?"
    EXPECT_EQ(sicht.panels[Panel::Position], L(" Termin 4 von 4 "));
    EXPECT_EQ(sicht.panels[Panel::Unsaved].trimmed(), L("*"));
    // The snapshot is the new record as made: the pick can be undone
    EXPECT_EQ(planer.buch.UndoTermin, L("202612093T  1W  -         -   Alle   ?"));
    EXPECT_EQ(sicht.undo, true);

    // Any other value than "1" opens no picker: the record is dated today
    for (const char* wert : {"0", "2", ""}) {
        IniSchreiben({}, {}, L("Neu2MonBlatt"), L(wert));
        planer.Main_PulEingeben_Click();
        EXPECT_EQ(fenster.gezeigt.size(), 1u) << wert;
        EXPECT_EQ(aktuell(), L("202612093T  1W  -         -   Alle   ?")) << wert;
        EXPECT_EQ(sicht.fokus, Feld::STDatum) << wert;
        EXPECT_EQ(sicht.ganzMarkiert, Feld::STDatum) << wert;
    }
}

TEST_F(PlanerListe, GrenzeFuerNeuKopieUndUebergabe) {
    laden();
    fenster.da << Fenstername::Altes;
    fenster.altesAntwort.BezUebergabe = L("24.12.2026 Weihnachtsfeier");
    // 30000 still take one more
    fuellen(30000);
    planer.Main_PulEingeben_Click();
    EXPECT_EQ(termine().size(), 30001);
    EXPECT_EQ(sicht.panels[Panel::Position], L(" Termin 30001 von 30001 "));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());

    // 30001 refuse new, copy and hand-over alike
    const qsizetype index = planer.buch.TerminIndex;
    planer.Main_PulEingeben_Click();
    planer.Main_PulKopieren_Click();
    planer.Main_PulAbgelaufeneZeigen_Click();
    EXPECT_EQ(termine().size(), 30001);
    EXPECT_EQ(planer.buch.TerminIndex, index);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 3u);
    for (const test::Box& b : umgebung.meldungen.boxen) {
        EXPECT_EQ(b.text, kVoll);
        EXPECT_EQ(b.titel, L("Kronelin"));
        EXPECT_EQ(b.stil, Box::OK + Box::Ausrufezeichen);
    }
    // The refused hand-over is gone: the next plain new record starts blank
    EXPECT_TRUE(planer.UebergabeZeile.isEmpty());
    IniSchreiben({}, {}, L("BestätigeLöschen"), L("0"));
    planer.Main_PulAusschneiden_Click();
    planer.Main_PulEingeben_Click();
    EXPECT_EQ(aktuell(), L("202612091T  -   -         -   Alle   ?"));
}

TEST_F(PlanerListe, KopieIstUngespeichertUndNimmtDasGetippteDatumMit) {
    laden();
    planer.ListeAnzeigeClick(2);
    planer.Main_PulKopieren_Click();
    ASSERT_EQ(termine().size(), 4);
    EXPECT_EQ(termine()[3], kBirne);
    EXPECT_EQ(sicht.zeilen[3], Anzeigezeile(kBirne));
    EXPECT_EQ(planer.buch.TerminIndex, 3);
    EXPECT_EQ(sicht.markiert, 3);
    EXPECT_EQ(sicht.undo, false);
    EXPECT_EQ(sicht.felder.STMeldung, L("Birne"));
    EXPECT_EQ(sicht.fokus, Feld::STDatum);
    EXPECT_EQ(sicht.ganzMarkiert, Feld::STDatum);  // the new date replaces the copied one
    // The book has changed, the panel says so
    EXPECT_EQ(planer.buch.Ungespeichert, 1);
    EXPECT_EQ(sicht.panels[Panel::Unsaved].trimmed(), L("*"));

    // A date typed and not yet left is committed before the copy is made
    sicht.felder.STDatum = L("1.3.2027");
    planer.DatumGeaendert();
    planer.Main_PulKopieren_Click();
    EXPECT_TRUE(termine()[3].startsWith(L("20270301")));
    EXPECT_EQ(termine()[4], termine()[3]);
}

TEST_F(PlanerListe, LoeschenFragtNachDerEinstellung) {
    laden();
    meldungBearbeiten(L("Zimt in {DiffTa:24.12.2026}\r\nkaufen"));
    const QStringList vorher = termine();

    // No key: the question, with the expanded text of the field; No keeps all
    umgebung.meldungen.antworten({Antwort::Nein});
    planer.Main_PulAusschneiden_Click();
    EXPECT_EQ(termine(), vorher);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(letzteBox().text, L("Sind Sie sicher, dass der Termin\r\n\r\n»Zimt in 15 "
                                  "Tage\r\nkaufen«\r\n\r\ngelöscht werden soll?"));
    EXPECT_EQ(letzteBox().titel, L("Termin löschen?"));
    EXPECT_EQ(letzteBox().stil, Box::JaNein + Box::Frage);
    EXPECT_EQ(letzteBox().tonVorher, QStringList{L("#SystemQuestion")});
    EXPECT_FALSE(umgebung.lesen(umgebung.daten() + L("/Kronel.Old")).contains("Zimt"));

    // "2" asks as well; Yes deletes and archives the two-line message as stored
    IniSchreiben({}, {}, L("BestätigeLöschen"), L("2"));
    IniSchreiben({}, {}, L("SpeicherAlleGelöschten"), L("1"));
    umgebung.meldungen.antworten({Antwort::Ja});
    planer.Main_PulAusschneiden_Click();
    EXPECT_EQ(termine(), (QStringList{kApfel, kBirne}));
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_EQ(AusCp1252(umgebung.lesen(umgebung.daten() + L("/Kronel.Old"))),
              L("24.12.2026 Zimt in {DiffTa:24.12.2026}°°kaufen\r\n"));
    EXPECT_EQ(sicht.felder.STMeldung, L("apfel"));
    EXPECT_EQ(sicht.panels[Panel::Position], L(" Termin 1 von 2 "));
    EXPECT_EQ(sicht.panels[Panel::Unsaved].trimmed(), L("*"));

    // "0": neither sound nor question
    IniSchreiben({}, {}, L("BestätigeLöschen"), L("0"));
    const auto toene = umgebung.ton.aufrufe.size();
    planer.ListeAnzeigeClick(1);
    planer.Main_PulAusschneiden_Click();
    EXPECT_EQ(termine(), QStringList{kApfel});
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_EQ(umgebung.ton.aufrufe.size(), toene);
    EXPECT_EQ(planer.buch.TerminIndex, 0);
}

TEST_F(PlanerListe, RueckgaengigUndWiederherstellen) {
    laden();
    EXPECT_EQ(sicht.undo, false);
    // Right after the selection undo changes nothing
    planer.Main_mnuUndo_Click();
    EXPECT_EQ(termine()[0], kZimt);
    EXPECT_EQ(sicht.felder.STMeldung, L("Zimt"));

    meldungBearbeiten(L("Zimtsterne"));
    EXPECT_EQ(sicht.undo, true);
    const QString marke = sicht.panels[Panel::Unsaved];
    ASSERT_FALSE(marke.isEmpty());
    planer.Main_mnuUndo_Click();
    EXPECT_EQ(termine()[0], kZimt);
    EXPECT_EQ(sicht.felder.STMeldung, L("Zimt"));
    EXPECT_EQ(sicht.zeilen[0], Anzeigezeile(kZimt));
    EXPECT_EQ(sicht.undo, true);  // now a redo
    EXPECT_EQ(sicht.panels[Panel::Unsaved], marke);
    planer.Main_mnuUndo_Click();
    EXPECT_TRUE(termine()[0].endsWith(L("Zimtsterne")));
    EXPECT_EQ(sicht.felder.STMeldung, L("Zimtsterne"));
    EXPECT_EQ(sicht.panels[Panel::Unsaved], marke);

    // Another selection takes a new snapshot
    planer.ListeAnzeigeClick(1);
    EXPECT_EQ(sicht.undo, false);
    planer.Main_PulTermin_Click();
    EXPECT_EQ(sicht.undo, false);
}

TEST_F(PlanerListe, NurLesenLaesstRueckgaengigAus) {
    BefehlszeileSetzen({L("readonly")});
    fenster.da << Fenstername::Monatsblatt;
    laden();
    // The announce window can be picked read-only; the change has no undo there
    fenster.monatsblattAntwort.Calendar = QDate(2026, 12, 20);
    planer.FensterWaehlen(true);
    ASSERT_NE(termine()[0], kZimt);
    EXPECT_EQ(sicht.undo, false);
    planer.Main_PulTermin_Click();
    EXPECT_EQ(sicht.undo, false);
}

TEST_F(PlanerListe, OrdnenNachMeldungUndDatum) {
    laden();
    ASSERT_EQ(termine(), (QStringList{kZimt, kApfel, kBirne}));
    planer.Main_PulOrdneMeldung_Click();
    // Case does not count; the current record stays current
    EXPECT_EQ(termine(), (QStringList{kApfel, kBirne, kZimt}));
    EXPECT_EQ(planer.buch.TerminIndex, 2);
    EXPECT_EQ(sicht.markiert, 2);
    EXPECT_EQ(sicht.zeilen, planer.buch.ListeAnzeige);
    EXPECT_EQ(sicht.panels[Panel::Status], L("Bereit"));
    EXPECT_EQ(sicht.panels[Panel::Unsaved], QString());
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);

    // Two identical records: the later one in the new order is current
    planer.Main_PulKopieren_Click();
    ASSERT_EQ(termine()[3], kZimt);
    sicht.felder.STDatum = L("05.01.2027");  // typed: committed before the sort
    planer.DatumGeaendert();
    planer.Main_PulOrdneDatum_Click();
    const QString zimt2027 = L("202701051T  -   -         -   Alle   Zimt");
    // Equal dates by Von, then the other fields
    EXPECT_EQ(termine(), (QStringList{kZimt, kApfel, kBirne, zimt2027}));
    EXPECT_EQ(planer.buch.TerminIndex, 3);

    planer.ListeAnzeigeClick(0);
    sicht.felder.STDatum = L("05.01.2027");
    planer.DatumGeaendert();
    meldungBearbeiten(L("Zimt"));
    EXPECT_EQ(sicht.undo, true);
    planer.Main_PulOrdneMeldung_Click();
    EXPECT_EQ(termine(), (QStringList{kApfel, kBirne, zimt2027, zimt2027}));
    EXPECT_EQ(planer.buch.TerminIndex, 3);
    // After the sort nothing to undo; the unsaved mark stays
    EXPECT_EQ(sicht.undo, false);
    EXPECT_EQ(planer.buch.Ungespeichert, 1);
    EXPECT_EQ(sicht.panels[Panel::Unsaved].trimmed(), L("*"));
}

TEST_F(PlanerListe, UebergabeAusFreizeitUndAltes) {
    IniSchreiben({}, {}, L("Tagefrüher"), L("2T"));
    IniSchreiben({}, {}, L("Tagespäter"), L("1T"));
    IniSchreiben({}, {}, L("Neu2MonBlatt"), L("1"));
    // Without the windows nothing is shown
    laden();
    planer.Main_mnuFreizeit_Click();
    EXPECT_TRUE(fenster.gezeigt.empty());

    fenster.da << Fenstername::Freizeit << Fenstername::Altes << Fenstername::Monatsblatt;
    sicht.listenSchrift = L("Arial;10;0;0;0;0;");
    fenster.freizeitAntwort.BezUebergabe = L("24.12.2026 ?");
    const QStringList vorher = termine();
    planer.Main_mnuFreizeit_Click();
    // The overview reads the records as they stood
    ASSERT_EQ(fenster.freizeit.size(), 1u);
    EXPECT_EQ(fenster.freizeit[0].ListeTermine, vorher);
    EXPECT_EQ(fenster.freizeit[0].Schrift, L("Arial;10;0;0;0;0;"));
    ASSERT_EQ(termine().size(), 4);
    EXPECT_EQ(aktuell(), L("202612242T  1T  -         -   Alle   ?"));
    EXPECT_EQ(sicht.felder.STDatum, L("24.12.2026"));
    EXPECT_EQ(sicht.felder.SKFilter, L("-"));
    EXPECT_EQ(sicht.felder.SKZyklus, L("-"));
    EXPECT_EQ(sicht.felder.SKAdresse, L("Alle"));
    EXPECT_EQ(sicht.fokus, Feld::STMeldung);
    EXPECT_EQ(sicht.ganzMarkiert, Feld::STMeldung);
    // No date picker for a hand-over
    EXPECT_EQ(fenster.gezeigtNamen(), QStringList{L("Freizeit")});
    EXPECT_TRUE(planer.UebergabeZeile.isEmpty());

    // The archive line: a short date is normalised, a broken one gives today
    const struct {
        const char* zeile;
        const char* termin;
    } faelle[] = {
        {"1.2.2027 Chor°°mit Noten", "202702012T  1T  -         -   Alle   Chor°°mit Noten"},
        {"32.12.2026 Kaputt", "202612092T  1T  -         -   Alle   Kaputt"},
    };
    for (const auto& f : faelle) {
        fenster.altesAntwort.BezUebergabe = L(f.zeile);
        planer.Main_PulAbgelaufeneZeigen_Click();
        EXPECT_EQ(aktuell(), L(f.termin)) << f.zeile;
    }
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_EQ(fenster.altes.at(0).Schrift, L("Arial;10;0;0;0;0;"));

    // Left without a choice: nothing happens
    fenster.altesAntwort.BezUebergabe.clear();
    planer.Main_PulAbgelaufeneZeigen_Click();
    EXPECT_EQ(termine().size(), 6);
}
