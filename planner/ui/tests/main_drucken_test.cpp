#include <gtest/gtest.h>

#include <QPushButton>

#include "common/einstellungen.h"
#include "planner_dialogs/drucken.h"
#include "planner_dialogs/druckenblatt.h"
#include "planner_dialogs/fensterverzeichnis.h"
#include "planner_ui/main.h"
#include "platform/befehlszeile.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

// The planner with its real print window on the recording surface.
class MainDrucken : public ::testing::Test {
protected:
    MainDrucken() {
        test::AnwendungSicherstellen();
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
        umgebung.schreiben(datei(), kBuch);
        DruckfensterEintragen(verzeichnis);
    }
    QString datei() const { return umgebung.daten() + L("/Kronel.PlD"); }
    std::unique_ptr<Main> bauen() {
        auto m = std::make_unique<Main>(verzeichnis);
        verzeichnis.besitzerSetzen(m.get());
        return m;
    }
    static constexpr char kBuch[] =
        "..Kronelin 8.010000\r\n"
        "20261215-   -   -         -   Alle   Chorprobe\r\n"
        "20261220-   -   -         -   Alle   Zahnarzt\r\n";

    test::TestUmgebung umgebung;  // today 09.12.2026
    FensterVerzeichnis verzeichnis;
};

}  // namespace

TEST_F(MainDrucken, AutoprintDrucktDieListeUndEndetOhneZuSpeichern) {
    BefehlszeileSetzen({L("/autoprint")});
    IniSchreiben({}, {}, L("Lieblingsausdruck"), L("0"));
    auto m = bauen();
    EXPECT_FALSE(m->Starten());
    ASSERT_EQ(umgebung.drucker.beendeteDokumente(), 1);
    const QStringList texte = umgebung.drucker.dokumente[0].seiten[0].texte();
    EXPECT_TRUE(texte.contains(L("15.12.2026 (Di) Chorprobe")));
    EXPECT_TRUE(texte.contains(L("20.12.2026 (So) Zahnarzt")));
    EXPECT_EQ(IniLesen({}, {}, L("AutoPrintZuletzt")), L("09.12.2026"));
    EXPECT_EQ(umgebung.lesen(datei()), QByteArray(kBuch));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(MainDrucken, AutoprintDrucktDasKalenderblatt) {
    BefehlszeileSetzen({L("/autoprint")});
    IniSchreiben({}, {}, L("Lieblingsausdruck"), L("1"));
    auto m = bauen();
    EXPECT_FALSE(m->Starten());
    ASSERT_EQ(umgebung.drucker.beendeteDokumente(), 1);
    const QStringList texte = umgebung.drucker.dokumente[0].seiten[0].texte();
    EXPECT_EQ(texte.front(), L("Dezember 2026"));
    EXPECT_TRUE(texte.contains(L("Chorprobe")));
    EXPECT_EQ(IniLesen({}, {}, L("AutoPrintZuletzt")), L("09.12.2026"));
    EXPECT_EQ(umgebung.lesen(datei()), QByteArray(kBuch));
}

TEST_F(MainDrucken, StrgPUndStrgBOeffnenDieDruckfenster) {
    IniSchreiben({}, {}, L("Lieblingsausdruck"), L("0"));
    auto m = bauen();
    ASSERT_TRUE(m->Starten());
    QAction* liste = m->Aktion(L("PulDruckenListe"));
    EXPECT_TRUE(liste->isEnabled());
    EXPECT_EQ(liste->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QString titel;
    test::ModalBedienen([](QWidget* w) { return dynamic_cast<Drucken*>(w) != nullptr; },
                        [&](QWidget* w) {
                            titel = w->windowTitle();
                            dynamic_cast<Drucken*>(w)->BefAbbruch->click();
                        });
    liste->trigger();
    EXPECT_EQ(titel, L("Termin-Liste drucken"));

    QAction* blatt = m->Aktion(L("mnuDruckenBlatt"));
    EXPECT_EQ(blatt->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
    test::ModalBedienen([](QWidget* w) { return dynamic_cast<DruckenBlatt*>(w) != nullptr; },
                        [&](QWidget* w) {
                            titel = w->windowTitle();
                            dynamic_cast<DruckenBlatt*>(w)->BefAbbruch->click();
                        });
    blatt->trigger();
    EXPECT_EQ(titel, L("Kalenderblatt drucken"));
    EXPECT_TRUE(m->Aktion(L("Drucken"))->isEnabled());
    m->Aktion(L("PulBeenden"))->trigger();
}
