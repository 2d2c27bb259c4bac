#include <gtest/gtest.h>

#include <QFile>

#include "common/einstellungen.h"
#include "common/kalender.h"
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

const QByteArray kDreiTermine =
    "..Kronelin 8.010000\r\n"
    "20261215-   -   -         -   Alle   Chorprobe\r\n"
    "20261220-   -   -         -   Alle   Zahnarzt\r\n"
    "20261231-   -   -         -   Alle   Silvester\r\n";

// Records the data file as it stands when a program is started.
class StartMitBlick final : public ProzessDienst {
public:
    explicit StartMitBlick(QString datei) : datei_(std::move(datei)) {}
    Status starten(const QString& programm, const QStringList& argumente,
                   const QString& arbeitsordner) override {
        QFile f(datei_);
        beimStart = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        starts.push_back({programm, argumente, arbeitsordner});
        return {};
    }
    QByteArray beimStart;
    std::vector<test::Start> starts;

private:
    QString datei_;
};

class BefehleTest : public ::testing::Test {
protected:
    BefehleTest() {
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
        umgebung.schreiben(datei(), kDreiTermine);
    }
    QString datei() const { return umgebung.daten() + L("/Kronel.PlD"); }
    void laden() { ASSERT_TRUE(planer.FormLoad()); }
    const SuchenAnfrage& zuletzt() const { return fenster.suchen.back(); }

    test::TestUmgebung umgebung;
    test::AufnahmeSicht sicht;
    test::SkriptFenster fenster;
    Planer planer{sicht, fenster};
};

}  // namespace

TEST_F(BefehleTest, WiederholungNachTrefferSuchtSofortMitDemLetztenText) {
    fenster.da << Fenstername::Suchen;
    laden();
    fenster.suchenAntwort = {L("zahn"), L("1")};
    planer.Main_PulSuchen_Click();
    EXPECT_EQ(zuletzt(), SuchenAnfrage());  // a first search prepares nothing
    EXPECT_EQ(planer.SuchText, L("zahn"));
    EXPECT_EQ(planer.buch.TerminIndex, 1);
    EXPECT_EQ(sicht.markiert, 1);
    EXPECT_EQ(sicht.felder.STMeldung, L("Zahnarzt"));

    fenster.suchenAntwort = {L("zahn"), L("2")};
    planer.Main_PulSuchenWdhg_Click();
    EXPECT_EQ(zuletzt(), (SuchenAnfrage{L("zahn"), L("auto")}));
    EXPECT_EQ(planer.buch.TerminIndex, 2);
    EXPECT_EQ(sicht.felder.STMeldung, L("Silvester"));
    EXPECT_EQ(planer.SucheWiederholen, 0);
}

TEST_F(BefehleTest, EinfacheSucheNachWiederholungWiederholtNichtVonSelbst) {
    fenster.da << Fenstername::Suchen;
    laden();
    // F3 before any search shows the window as Ctrl+F does, and uses the
    // request up: the search typed there must not make the next Ctrl+F repeat.
    fenster.suchenAntwort = {L("Silvester"), L("2")};
    planer.Main_PulSuchenWdhg_Click();
    EXPECT_EQ(zuletzt(), SuchenAnfrage());
    EXPECT_EQ(planer.SucheWiederholen, 0);
    EXPECT_EQ(planer.buch.TerminIndex, 2);

    fenster.suchenAntwort = {L("Silvester"), L("-1")};
    planer.Main_PulSuchen_Click();
    EXPECT_EQ(zuletzt(), SuchenAnfrage());
    ASSERT_EQ(fenster.gezeigt.size(), 2u);
}

TEST_F(BefehleTest, SucheOhneTrefferOderMitUnbrauchbarerRueckgabeAendertNichts) {
    fenster.da << Fenstername::Suchen;
    laden();
    planer.ListeAnzeigeClick(1);
    sicht.felder.STMeldung = L("Zahnarzt um drei");
    planer.Uebernehmen(0);
    const TerminFelder vorher = sicht.felder;
    const QStringList termine = planer.buch.ListeTermine;
    for (const char* rueckgabe : {"-1", " -1 ", "auto", "3", "abc", ""}) {
        fenster.suchenAntwort = {L("Friseur"), L(rueckgabe)};
        planer.Main_PulSuchen_Click();
        EXPECT_EQ(planer.buch.TerminIndex, 1) << rueckgabe;
        EXPECT_EQ(sicht.markiert, 1) << rueckgabe;
        EXPECT_EQ(sicht.felder.STMeldung, vorher.STMeldung) << rueckgabe;
        EXPECT_EQ(sicht.felder.STDatum, vorher.STDatum) << rueckgabe;
    }
    EXPECT_EQ(planer.buch.ListeTermine, termine);
    EXPECT_EQ(planer.SuchText, L("Friseur"));
}

TEST_F(BefehleTest, OhneIhreFensterTunDieBefehleNichts) {
    laden();
    planer.Main_PulSuchen_Click();
    planer.Main_PulSuchenWdhg_Click();
    planer.Main_PulSetup_Click();
    planer.Main_PulDruckenListe_Click();
    planer.Main_mnuDruckenBlatt_Click();
    planer.Main_mnuDurckerEinrichten_Click();
    planer.Main_mnuTips_Click();
    EXPECT_TRUE(fenster.gezeigt.empty());
    EXPECT_EQ(planer.buch.TerminIndex, 0);
}

TEST_F(BefehleTest, GeheZuLaeuftAlsWiederholteSucheDurchDasSuchfenster) {
    BefehlszeileSetzen({L("/GeheZu:Silvester")});
    fenster.da << Fenstername::Suchen;
    fenster.suchenAntwort = {L("Silvester"), L("2")};
    laden();
    planer.ErsterPaint();
    ASSERT_EQ(fenster.gezeigt.size(), 1u);
    EXPECT_EQ(zuletzt(), (SuchenAnfrage{L("Silvester"), L("auto")}));
    EXPECT_EQ(planer.buch.TerminIndex, 2);
    EXPECT_EQ(planer.SucheWiederholen, 0);
}

TEST_F(BefehleTest, DruckenNachLieblingsausdruck) {
    fenster.da << Fenstername::Drucken << Fenstername::DruckenBlatt;
    laden();
    const std::pair<const char*, Fenstername> faelle[] = {{"0", Fenstername::Drucken},
                                                          {"1", Fenstername::DruckenBlatt},
                                                          {"2", Fenstername::DruckenBlatt},
                                                          {nullptr, Fenstername::DruckenBlatt}};
    for (const auto& [wert, dialog] : faelle) {
        QFile::remove(umgebung.riviror());
        if (wert != nullptr) {
            IniSchreiben({}, {}, L("Lieblingsausdruck"), L(wert));
        }
        fenster.gezeigt.clear();
        planer.Lieblingsausdruck_Click();
        ASSERT_EQ(fenster.gezeigt.size(), 1u) << (wert ? wert : "fehlt");
        EXPECT_EQ(fenster.gezeigt[0], dialog) << (wert ? wert : "fehlt");
    }
}

TEST_F(BefehleTest, EinstellungenSpeichernAnwendenUndNeuAnordnen) {
    fenster.da << Fenstername::Setup;
    laden();
    sicht.schritte.clear();
    sicht.aussehen = ListenAussehenStandard();
    ListenAussehen neu = sicht.aussehen;
    neu.schrift.durchgestrichen = true;
    neu.hintergrund = 0x00C0FFFF;
    fenster.setupAntwort.SKAdresse = QStringList{L("Alle"), L("Hans"), L("Grete"), QString()};
    fenster.setupAntwort.ListeAnzeige = neu;
    planer.Main_PulSetup_Click();
    ASSERT_EQ(fenster.setup.size(), 1u);
    EXPECT_EQ(fenster.setup[0].SKVon, sicht.auswahl[Auswahl::VonBis]);
    EXPECT_EQ(fenster.setup[0].ListeAnzeige, ListenAussehenStandard());
    // The look is shown before the window stores it.
    EXPECT_EQ(sicht.schritte,
              (QStringList{L("DefAdress"), L("AussehenSetzen"), L("EinstellungenSpeichern"),
                           L("EinstellungenAnwenden"), L("FormResize")}));
    EXPECT_EQ(sicht.auswahl[Auswahl::Adress], (QStringList{L("Alle"), L("Hans"), L("Grete")}));
    EXPECT_EQ(sicht.aussehen, neu);

    // Without a list handed back the station list stays as it is.
    sicht.schritte.clear();
    fenster.setupAntwort = {};
    planer.Main_PulSetup_Click();
    EXPECT_EQ(sicht.schritte, (QStringList{L("EinstellungenSpeichern"), L("EinstellungenAnwenden"),
                                           L("FormResize")}));
}

TEST_F(BefehleTest, TerminausgabeSpeichertErstUndStartetKronelMitN) {
    umgebung.schreiben(umgebung.programm() + L("/Kronel"), "#!/bin/sh\n");
    StartMitBlick start(datei());
    Dienste d = dienste();
    d.prozesse = &start;
    DiensteSetzen(d);
    laden();
    sicht.felder.STMeldung = L("Chorprobe fällt aus");
    planer.Uebernehmen(0);
    planer.Main_PulGoKronel_Click();
    ASSERT_EQ(start.starts.size(), 1u);
    EXPECT_EQ(start.starts[0].programm, umgebung.programm() + L("/Kronel"));
    EXPECT_EQ(start.starts[0].argumente, QStringList{L("/n")});
    EXPECT_EQ(start.starts[0].arbeitsordner, umgebung.programm());
    EXPECT_TRUE(AusCp1252(start.beimStart).contains(L("Chorprobe fällt aus")));
    EXPECT_EQ(planer.buch.Ungespeichert, 0);
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(BefehleTest, TerminausgabeOhneKronelWirdGemeldet) {
    laden();
    sicht.felder.STMeldung = L("geändert");
    planer.Uebernehmen(0);
    planer.Main_PulGoKronel_Click();
    EXPECT_TRUE(umgebung.prozesse.starts.empty());
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("»Kronel« konnte nicht gestartet werden."));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::OK + Box::Stop);
    EXPECT_EQ(umgebung.meldungen.boxen[0].tonVorher, QStringList{L("#SystemHand")});
    EXPECT_TRUE(AusCp1252(umgebung.lesen(datei())).contains(L("geändert")));
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);

    // Read-only: nothing is written, the output program starts all the same.
    umgebung.schreiben(umgebung.programm() + L("/kronel"), "#!/bin/sh\n");
    modul().NurLesen = true;
    sicht.felder.STMeldung = L("nur gelesen");
    planer.Uebernehmen(0);
    planer.Main_PulGoKronel_Click();
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].programm, umgebung.programm() + L("/kronel"));
    EXPECT_FALSE(AusCp1252(umgebung.lesen(datei())).contains(L("nur gelesen")));
}

TEST_F(BefehleTest, MondphasenlisteWirdZuTagesnotizenMitTon) {
    laden();
    umgebung.schreiben(umgebung.programm() + L("/y-mondphasen.txt"),
                       "05.01.2027 Vollmond\r\n05.01.2027 Finsternis\r\n");
    planer.Main_mnuRuvano_Click();
    const QString ziel = umgebung.programm() + L("/Astro.ini");
    EXPECT_EQ(IniLesen(ziel, L("2027"), L("05.01")), L("Finsternis~Vollmond"));
    // the calendar of the output program reads the same notes
    EXPECT_EQ(AstroText(QDate(2027, 1, 5)), L("Finsternis\r\nVollmond"));
    EXPECT_EQ(umgebung.ton.aufrufe.back(), L("piep 0 "));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());

    QFile::remove(umgebung.programm() + L("/y-mondphasen.txt"));
    const QByteArray vorher = umgebung.lesen(ziel);
    umgebung.ton.aufrufe.clear();
    umgebung.ton.seitLetzterBox.clear();
    planer.Main_mnuRuvano_Click();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(L("»") + umgebung.programm() +
                                                          L("/y-mondphasen.txt« fehlt")));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::OK + Box::Ausrufezeichen);
    EXPECT_EQ(umgebung.meldungen.boxen[0].tonVorher, QStringList{L("#SystemExclamation")});
    EXPECT_FALSE(umgebung.ton.aufrufe.contains(L("piep 0 ")));
    EXPECT_EQ(umgebung.lesen(ziel), vorher);
}

TEST_F(BefehleTest, DruckereinrichtungUndTippsZeigenNurIhrFenster) {
    fenster.da << Fenstername::Druckereinrichtung << Fenstername::Tips;
    laden();
    const QStringList termine = planer.buch.ListeTermine;
    planer.Main_mnuDurckerEinrichten_Click();
    planer.Main_mnuTips_Click();
    EXPECT_EQ(fenster.gezeigtNamen(), (QStringList{L("Druckereinrichtung"), L("Tips")}));
    EXPECT_EQ(planer.buch.ListeTermine, termine);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}
