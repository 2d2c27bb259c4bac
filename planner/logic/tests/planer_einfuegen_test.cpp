#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "output/programmstart.h"
#include "planner/planer.h"
#include "planner_testsupport/fakes.h"
#include "platform/dienste.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class PlanerEinfuegen : public ::testing::Test {
protected:
    PlanerEinfuegen() {
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"),
                           NachCp1252(L("..Kronelin 8.010000\r\n"
                                        "20270105-   -   -         -   Alle   Birne xyz\r\n")));
        fenster.da << Fenstername::Notizen << Fenstername::Sonderzeichen << Fenstername::StdDialog;
        EXPECT_TRUE(planer.FormLoad());
    }
    const QString& aktuell() const { return planer.buch.ListeTermine[planer.buch.TerminIndex]; }
    // The caret behind "Birne " with "xyz" selected.
    void xyzMarkieren() {
        sicht.meldungStart = 6;
        sicht.meldungLaenge = 3;
    }

    test::TestUmgebung umgebung;
    test::AufnahmeSicht sicht;
    test::SkriptFenster fenster;
    Planer planer{sicht, fenster};
};

}  // namespace

TEST_F(PlanerEinfuegen, FelderErsetzenDieAuswahlUndWerdenUebernommen) {
    xyzMarkieren();
    planer.Main_PulFormelDiffEinfg_Click();
    EXPECT_EQ(sicht.felder.STMeldung, L("Birne {Diff:} "));
    EXPECT_EQ(sicht.meldungStart, 14);  // behind the blank
    EXPECT_EQ(sicht.fokus, Feld::STMeldung);
    EXPECT_TRUE(aktuell().endsWith(L("Birne {Diff:}")));  // the record keeps no trailing blank

    planer.Main_PulFormelDiffAtEinfg_Click();
    planer.Main_mnuZyklusZaehlerEing_Click();
    EXPECT_EQ(sicht.felder.STMeldung, L("Birne {Diff:} {DiffAt:} {ZyklusZähler:1} "));
    EXPECT_TRUE(aktuell().endsWith(L("Birne {Diff:} {DiffAt:} {ZyklusZähler:1}")));
}

TEST_F(PlanerEinfuegen, GeburtstagSetztDenZyklusImSelbenSchritt) {
    sicht.felder.STDatum = L("12.03.1960");
    sicht.felder.STMeldung = L("Eva ");
    sicht.meldungStart = 4;
    planer.Main_mnuWizardGeb_Click();
    EXPECT_EQ(sicht.felder.SKZyklus, L("1J"));
    EXPECT_EQ(aktuell(),
              L("19600312-   -   -         1J  Alle   Eva wird {DiffJa:12.03.1960} alt"));
}

TEST_F(PlanerEinfuegen, VorschauZeigtDenErsetztenTextUndSpeichertNichts) {
    sicht.felder.STDatum = L("12.03.1960");
    sicht.felder.STMeldung = L("Eva {DiffJa:}");
    umgebung.zeiger.verlauf.clear();
    planer.Main_mnuTerminVorschauen_Click();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const test::Box& box = umgebung.meldungen.boxen.back();
    EXPECT_EQ(box.titel, L("Kronel-Terminvorschau 12.03.1960"));
    EXPECT_EQ(box.text, L("Eva 66 Jahre"));  // the fake today is 09.12.2026
    EXPECT_EQ(box.stil, Box::OK + Box::Information);
    EXPECT_EQ(aktuell(), L("20270105-   -   -         -   Alle   Birne xyz"));
    EXPECT_EQ(umgebung.zeiger.verlauf, (std::vector<Zeiger>{Zeiger::Sanduhr, Zeiger::Standard}));
}

TEST_F(PlanerEinfuegen, NotizUndSonderzeichenErsetzenDieAuswahl) {
    sicht.listenSchrift = L("Arial;10;0;0;0;0;");
    xyzMarkieren();
    fenster.notizenAntwort.BezUebergabe = L("Maier, Eva - 040 123");
    planer.Main_PulNotizEinfg_Click();
    EXPECT_EQ(fenster.notizen.at(0).Schrift, L("Arial;10;0;0;0;0;"));
    EXPECT_TRUE(aktuell().endsWith(L("Birne Maier, Eva - 040 123")));

    fenster.sonderzeichenAntwort.Text = L("äß");
    planer.Main_PulSonderzeichenEinfg_Click();
    EXPECT_EQ(fenster.sonderzeichen.at(0).Schrift, L("Arial;10;0;0;0;0;"));
    EXPECT_TRUE(aktuell().endsWith(L("Birne Maier, Eva - 040 123äß")));

    // left without a choice: nothing inserted, nothing committed
    fenster.notizenAntwort.BezUebergabe.clear();
    fenster.sonderzeichenAntwort.Text.clear();
    sicht.felder.STMeldung = L("ungespeichert");
    planer.Main_PulNotizEinfg_Click();
    planer.Main_PulSonderzeichenEinfg_Click();
    EXPECT_EQ(sicht.felder.STMeldung, L("ungespeichert"));
    EXPECT_TRUE(aktuell().endsWith(L("Birne Maier, Eva - 040 123äß")));
}

TEST_F(PlanerEinfuegen, ProgrammstartErsetztDieMeldung) {
    fenster.stdDialogAntwort.FileName = L("/opt/Tools/Rechner");
    planer.Main_PulPrgStartEinfg_Click();
    EXPECT_TRUE(aktuell().endsWith(L("Alle   @/opt/Tools/Rechner")));
    EXPECT_EQ(sicht.fokus, Feld::STMeldung);
    EXPECT_EQ(sicht.meldungStart, 19);  // behind the path, not before the "@"

    // a blank is quoted, so the output program starts the whole path
    fenster.stdDialogAntwort.FileName = L("/opt/Meine Tools/Rechner");
    planer.Main_PulPrgStartEinfg_Click();
    const std::optional<TerminProgramm> mit = TerminProgrammLesen(sicht.felder.STMeldung);
    ASSERT_TRUE(mit.has_value());
    EXPECT_FALSE(mit->frage.has_value());
    EXPECT_EQ(BefehlszeileZerlegen(mit->befehlszeile).programm, L("/opt/Meine Tools/Rechner"));
    EXPECT_TRUE(BefehlszeileZerlegen(mit->befehlszeile).argumente.isEmpty());

    // an "@" in the path: asked first, the path whole
    fenster.stdDialogAntwort.FileName = L("/opt/a@b/Rechner");
    planer.Main_PulPrgStartEinfg_Click();
    const std::optional<TerminProgramm> at = TerminProgrammLesen(sicht.felder.STMeldung);
    ASSERT_TRUE(at.has_value());
    EXPECT_TRUE(at->frage.has_value());
    EXPECT_EQ(at->befehlszeile, L("/opt/a@b/Rechner"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());

    // cancelled: the message stays
    fenster.stdDialogAntwort.FileName.clear();
    planer.Main_PulPrgStartEinfg_Click();
    EXPECT_EQ(sicht.felder.STMeldung, L("@@/opt/a@b/Rechner"));
}

TEST_F(PlanerEinfuegen, ProgrammDessenPfadDieMeldungNichtHaeltWirdAbgelehnt) {
    // fields, characters beyond Windows-1252, a line break
    for (const char* pfad : {"/opt/{Diff}/x", "/opt/[1+1]/x", "/opt/łódź/x", "/opt/a\nb/x"}) {
        fenster.stdDialogAntwort.FileName = L(pfad);
        planer.Main_PulPrgStartEinfg_Click();
        EXPECT_EQ(sicht.felder.STMeldung, L("Birne xyz"));
        ASSERT_FALSE(umgebung.meldungen.boxen.empty());
        EXPECT_TRUE(umgebung.meldungen.boxen.back().text.contains(L(pfad)));
        EXPECT_EQ(umgebung.meldungen.boxen.back().stil, Box::OK + Box::Ausrufezeichen);
    }
    EXPECT_EQ(aktuell(), L("20270105-   -   -         -   Alle   Birne xyz"));
}
