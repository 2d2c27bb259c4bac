#include <gtest/gtest.h>

#include <QFile>

#include "book/buch.h"
#include "common/einstellungen.h"
#include "common/modul.h"
#include "platform/dienste.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

const QString kA = L("20261215-   -   -         -   Alle   Chorprobe");
const QString kB = L("20261224-   -   -         -   Alle   Bescherung°°mit Oma");
const QString kC = L("20261231-   -   -         -   Alle   Silvester");

class Liste : public ::testing::Test {
protected:
    Liste() {
        modul().DateiAltes = archiv();
        buch.ListeTermine = {kA, kB, kC};
        buch.TerminIndex = 0;
        buch.AnzeigeAufbauen();
    }
    QString archiv() const { return umgebung.daten() + L("/Kronel.Old"); }
    QString Archiv() const { return AusCp1252(umgebung.lesen(archiv())); }

    test::TestUmgebung umgebung;
    Terminbuch buch;
};

}  // namespace

TEST_F(Liste, LoeschenWaehltDenNachfolgerOderDasNeueEnde) {
    buch.ZeileWaehlen(1);
    ASSERT_TRUE(buch.TerminLoeschen());
    EXPECT_EQ(buch.ListeTermine, (QStringList{kA, kC}));
    EXPECT_EQ(buch.ListeAnzeige, (QStringList{Anzeigezeile(kA), Anzeigezeile(kC)}));
    EXPECT_EQ(buch.TerminIndex, 1);  // the record that moved into its place
    EXPECT_EQ(buch.ListIndex, 1);
    EXPECT_EQ(buch.UndoTermin, kC);
    EXPECT_EQ(buch.Ungespeichert, 1);

    ASSERT_TRUE(buch.TerminLoeschen());  // the last one: the new last is current
    EXPECT_EQ(buch.ListeTermine, QStringList{kA});
    EXPECT_EQ(buch.TerminIndex, 0);

    ASSERT_TRUE(buch.TerminLoeschen());  // the only one: the default record
    EXPECT_EQ(buch.ListeTermine, QStringList{Standardtermin()});
    EXPECT_EQ(buch.ListeAnzeige, QStringList{StandardAnzeigezeile()});
    EXPECT_EQ(buch.ListIndex, 0);
    // Nothing was archived without the setting
    EXPECT_FALSE(QFile::exists(archiv()));
}

TEST_F(Liste, GeloeschtesInsArchivNurWennGewuenschtUndSchreibbar) {
    IniSchreiben({}, {}, L("SpeicherAlleGelöschten"), L("1"));
    umgebung.schreiben(archiv(), "01.01.2020 alt\r\n");
    buch.ZeileWaehlen(1);
    ASSERT_TRUE(buch.TerminLoeschen());
    // One line, the two message lines joined by their marker
    EXPECT_EQ(Archiv(), L("01.01.2020 alt\r\n24.12.2026 Bescherung°°mit Oma\r\n"));

    modul().NurLesen = true;
    ASSERT_TRUE(buch.TerminLoeschen());
    modul().NurLesen = false;
    IniSchreiben({}, {}, L("SpeicherAlleGelöschten"), L("0"));
    ASSERT_TRUE(buch.TerminLoeschen());
    EXPECT_EQ(Archiv(), L("01.01.2020 alt\r\n24.12.2026 Bescherung°°mit Oma\r\n"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(Liste, ArchivFehlerAbbruchBehaeltWiederholenUndIgnorieren) {
    IniSchreiben({}, {}, L("SpeicherAlleGelöschten"), L("1"));
    modul().DateiAltes = umgebung.daten() + L("/fehlt/Kronel.Old");
    buch.ZeileWaehlen(1);

    umgebung.meldungen.antworten({Antwort::Abbruch});
    EXPECT_FALSE(buch.TerminLoeschen());
    EXPECT_EQ(buch.ListeTermine, (QStringList{kA, kB, kC}));
    EXPECT_EQ(buch.Ungespeichert, 0);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(L("fehlt/Kronel.Old")));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil & Box::KnopfMaske,
              Box::AbbrechenWiederholenIgnorieren);

    // Retry tries once more; Ignore then deletes without the archive
    umgebung.meldungen.antworten({Antwort::Wiederholen, Antwort::Ignorieren});
    EXPECT_TRUE(buch.TerminLoeschen());
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 3u);
    EXPECT_EQ(buch.ListeTermine, (QStringList{kA, kC}));
}

TEST(Uebergabe, DatumBisZumErstenBlank) {
    const struct {
        const char* zeile;
        const char* datum;
        const char* meldung;
    } faelle[] = {
        {"24.12.2026 ?", "24.12.2026", "?"},
        {"24.12.2026 Alt°°zwei", "24.12.2026", "Alt°°zwei"},
        {"1.2.2027 Chor", "1.2.2027", "Chor"},
        {"24.12.2026  eingerückt", "24.12.2026", " eingerückt"},
        {"24.12.2026", "24.12.2026", ""},
        {"", "", ""},
    };
    for (const auto& f : faelle) {
        const auto t = Terminbuch::UebergabeZerlegen(L(f.zeile));
        EXPECT_EQ(t.datum, L(f.datum)) << f.zeile;
        EXPECT_EQ(t.meldung, L(f.meldung)) << f.zeile;
    }
}

TEST_F(Liste, ListenAusDemTaktKopierenUndLoeschenNichts) {
    // A display line too many: the check reports it, OK goes on with the book.
    buch.ListeAnzeige.append(Anzeigezeile(kC));
    buch.TerminIndex = 3;
    umgebung.meldungen.antworten({Antwort::OK, Antwort::OK, Antwort::OK});
    EXPECT_FALSE(buch.TerminKopieren());
    EXPECT_FALSE(buch.TerminLoeschen());
    EXPECT_EQ(buch.FelderAnzeigen().STDatum, QString());  // nothing to show, no crash
    EXPECT_EQ(buch.ListeTermine, (QStringList{kA, kB, kC}));
    EXPECT_EQ(buch.ListeAnzeige.size(), 4);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 3u);
}
