#include <gtest/gtest.h>

#include <QFile>

#include "common/einstellungen.h"
#include "common/paket.h"
#include "platform/ordner.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;

class MenueAufnahme final : public PaketMenue {
public:
    void eintragFreigeben(int index, bool an) override { frei[index] = an; }
    void eintragVerbergen(int index) override { verborgen[index] = true; }
    void statusSetzen(const QString& text) override { status.append(text); }
    bool frei[PaketZeilen] = {true, true, true, true};
    bool verborgen[PaketZeilen] = {};
    QStringList status;
};

class Paket : public ::testing::Test {
protected:
    QString ordner() const { return umgebung.daten() + L("/bin"); }
    void planerAblegen() { umgebung.schreiben(ordner() + L("/Kronelin"), "#!"); }
    void dirSetzen(const QString& d) { IniSchreiben({}, L("Kronel"), L("Dir"), d); }
    test::TestUmgebung umgebung{L("KronMemo")};
};
}  // namespace

TEST_F(Paket, ProgrammPfadUeberDenGespeichertenOrdner) {
    planerAblegen();
    EXPECT_EQ(ProgrammPfad(0), QString());  // no "dir" recorded
    dirSetzen(ordner());
    EXPECT_EQ(ProgrammPfad(0), ordner() + L("/Kronelin"));
    dirSetzen(ordner() + L("/"));
    EXPECT_EQ(ProgrammPfad(0), ordner() + L("/Kronelin"));
    for (const char* laufwerk : {"A:\\bin", "a:\\bin", "C:\\bin"}) {
        dirSetzen(L(laufwerk));
        EXPECT_EQ(ProgrammPfad(0), QString()) << laufwerk;
    }
    dirSetzen(umgebung.windows());  // recorded, but the program is not there
    EXPECT_EQ(ProgrammPfad(0), QString());
    for (int n : {1, 2, 3, 4, -1}) {
        EXPECT_EQ(ProgrammPfad(n), QString()) << n;
    }
}

TEST_F(Paket, ProgrammeSuchenGibtFreiUndVerbirgtDasEigene) {
    MenueAufnahme menue;
    ProgrammeSuchen(menue);
    EXPECT_FALSE(menue.frei[0]);
    EXPECT_FALSE(menue.verborgen[0]);
    // The planner offers not itself, though no folder is recorded yet.
    ProgrammDateinameSetzen(L("Kronelin"));
    MenueAufnahme planer;
    ProgrammeSuchen(planer);
    EXPECT_TRUE(planer.verborgen[0]);
    ProgrammDateinameSetzen(L("KronMemo"));
    EXPECT_EQ(menue.status, QStringList({L("Suche Programme..."), L("Bereit")}));
    planerAblegen();
    dirSetzen(ordner());
    ProgrammeSuchen(menue);
    EXPECT_TRUE(menue.frei[0]);
    EXPECT_FALSE(menue.frei[1]);
    for (bool v : menue.verborgen) {
        EXPECT_FALSE(v);  // the launcher's name is in no path
    }
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);

    for (const char* programm : {"Kronelin", "Kronel"}) {
        ProgrammDateinameSetzen(L(programm));
        MenueAufnahme eigenes;
        ProgrammeSuchen(eigenes);
        EXPECT_TRUE(eigenes.verborgen[0]) << programm;
        EXPECT_FALSE(eigenes.verborgen[1]) << programm;
    }
}

TEST_F(Paket, StartImEigenenOrdner) {
    planerAblegen();
    dirSetzen(ordner());
    ProgrammStarten(0);
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].programm, ordner() + L("/Kronelin"));
    EXPECT_TRUE(umgebung.prozesse.starts[0].argumente.isEmpty());
    EXPECT_EQ(umgebung.prozesse.starts[0].arbeitsordner, ordner());
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);
}

TEST_F(Paket, VerschwundenesProgrammWirdGemeldet) {
    planerAblegen();
    dirSetzen(ordner());
    QFile::remove(ordner() + L("/Kronelin"));
    umgebung.meldungen.antworten({Antwort::Abbruch});
    ProgrammStarten(0);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const test::Box& b = umgebung.meldungen.boxen[0];
    EXPECT_TRUE(b.text.startsWith(L("Es ist ein Fehler beim Starten des Programms aufgetreten.")));
    EXPECT_EQ(b.stil & 7, 2);  // Abort, Retry, Ignore
    EXPECT_TRUE(umgebung.prozesse.starts.empty());

    // Retry after the file is back starts it
    umgebung.meldungen.boxen.clear();
    umgebung.prozesse.naechsterFehler = Fehler(FehlerNr::ZugriffVerweigert);
    umgebung.meldungen.antworten({Antwort::Wiederholen});
    ProgrammStarten(0);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);  // the missing file, then the refused start
}
