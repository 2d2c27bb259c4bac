#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "planner_dialogs/fensterverzeichnis.h"
#include "planner_testsupport/fakes.h"
#include "planner_ui/main.h"
#include "platform/befehlszeile.h"
#include "platform/text.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

// Every command of a menu: its captions from the menu bar down, its control
// name and its shortcut, in display order.
void Sammeln(const QMenu* menue, const QString& pfad, QStringList& zeilen) {
    for (QAction* a : menue->actions()) {
        if (a->isSeparator()) {
            continue;
        }
        const QString hier = pfad + L(" > ") + a->text();
        if (a->menu() != nullptr) {
            Sammeln(a->menu(), hier, zeilen);
        } else {
            zeilen << hier + L(" | ") + a->objectName() + L(" | ") + a->shortcut().toString();
        }
    }
}

class MainBefehle : public ::testing::Test {
protected:
    MainBefehle() {
        test::AnwendungSicherstellen();
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
        umgebung.schreiben(datei(),
                           "..Kronelin 8.010000\r\n"
                           "20261215-   -   -         -   Alle   Chorprobe\r\n"
                           "20261220-   -   -         -   Alle   Zahnarzt\r\n");
    }
    ~MainBefehle() override {
        if (fenster && !fenster->planer().Beendet()) {
            fenster->Aktion(L("PulBeenden"))->trigger();
        }
    }
    QString datei() const { return umgebung.daten() + L("/Kronel.PlD"); }
    void starten() {
        fenster = std::make_unique<Main>(nebenfenster);
        ASSERT_TRUE(fenster->Starten());
    }
    QStringList gezeigt() const { return nebenfenster.gezeigtNamen(); }

    test::TestUmgebung umgebung;
    test::SkriptFenster nebenfenster;
    std::unique_ptr<Main> fenster;
};

}  // namespace

TEST_F(MainBefehle, MenuebaumUndKuerzelWieEntworfen) {
    starten();
    QStringList zeilen;
    for (QAction* oben : fenster->menuBar()->actions()) {
        Sammeln(oben->menu(), oben->text(), zeilen);
    }
    const QStringList erwartet{
        L("&Datei > &Speichern | PulSpeichern | Ctrl+S"),
        L("&Datei > &Drucken > Termin-&Liste... | PulDruckenListe | Ctrl+P"),
        L("&Datei > &Drucken > Termin-Kalender&blatt... | mnuDruckenBlatt | Ctrl+B"),
        L("&Datei > &Drucken > D&ruckereinrichtung... | mnuDurckerEinrichten | "),
        L("&Datei > &Beenden | PulBeenden | "),
        L("&Datei > Speichern und Be&enden | PulBeendenUndSpeichern | F12"),
        L("&Bearbeiten > &Rückgängig | mnuUndo | Ctrl+Z"),
        L("&Bearbeiten > Termin &neu erstellen | PulEingeben | Ctrl+N"),
        L("&Bearbeiten > Termin &kopieren | PulKopieren | Ctrl+K"),
        L("&Bearbeiten > Termin &löschen | PulAusschneiden | Ctrl+Y"),
        L("&Bearbeiten > Termin&vorschau... | mnuTerminVorschauen | Ctrl+I"),
        L("&Bearbeiten > &Einfügen > &Datum-Differenz | PulFormelDiffEinfg | Shift+F2"),
        L("&Bearbeiten > &Einfügen > D&atum-Differenz in Arbeitstagen | PulFormelDiffAtEinfg | "),
        L("&Bearbeiten > &Einfügen > &ZyklusZähler | mnuZyklusZählerEing | "),
        L("&Bearbeiten > &Einfügen > &Vorgaben > &Geburtstag mit Altersangabe | mnuWizardGeb | "),
        L("&Bearbeiten > &Einfügen > &Notiz... | PulNotizEinfg | Ctrl+F3"),
        L("&Bearbeiten > &Einfügen > &Sonderzeichen... | PulSonderzeichenEinfg | "),
        L("&Bearbeiten > &Einfügen > Meldung führt &Programm aus... | PulPrgStartEinfg | "),
        L("&Bearbeiten > &Importieren > &Geburtstage von Solmika... | mnuImpGeb | "),
        L("&Bearbeiten > Terminaus&tausch > Termin speichern... | mnuTaustauschSave | "),
        L("&Bearbeiten > Terminaus&tausch > Termin(e) laden... | mnuTaustauschLoad | "),
        L("&Suchen > &Text suchen... | PulSuchen | Ctrl+F"),
        L("&Suchen > Suche &wiederholen | PulSuchenWdhg | F3"),
        L("&Suchen > Termin&suche... | mnuFreizeit | F4"),
        L("&Weiteres > &Einstellungen... | PulSetup | "),
        L("&Weiteres > &Ordnen nach > &Datum | PulOrdneDatum | Ctrl+F4"),
        L("&Weiteres > &Ordnen nach > &Meldung | PulOrdneMeldung | "),
        L("&Weiteres > Abge&laufene Termine... | PulAbgelaufeneZeigen | "),
        L("&Weiteres > &Terminausgabe starten.... | PulGoKronel | "),
        L("&Weiteres > &Zusätzliche Programme > &Kronel... | mnuPrg(0) | "),
        L("&Weiteres > &Zusätzliche Programme >  | mnuPrg(1) | "),
        L("&Weiteres > &Zusätzliche Programme >  | mnuPrg(2) | "),
        L("&Weiteres > &Zusätzliche Programme >  | mnuPrg(3) | "),
        L("&Hilfe > &Anleitung... | PulAnleitung | "),
        L("&Hilfe > &Tips... | mnuTips | "),
        L("&Hilfe > &Info... | PulInfo | "),
        L("&Hilfe > &Werbung... | PulWerbung | "),
        L("&Hilfe > Inter&net > &Homepage | mnuURLHomePage | "),
        L("&Hilfe > Inter&net > &Update (Infos und Download) | mnuURLUpdate | "),
        L("&Hilfe > Ruvano | mnuRuvano | "),
    };
    EXPECT_EQ(zeilen, erwartet);
    for (const auto& [name, text] : {std::pair{"PulDatei", "&Datei"},
                                     {"PulTermin", "&Bearbeiten"},
                                     {"mnuWeiteres", "&Weiteres"},
                                     {"mnuProgramme", "&Zusätzliche Programme"}}) {
        auto* m = fenster->findChild<QMenu*>(L(name));
        ASSERT_NE(m, nullptr) << name;
        EXPECT_EQ(m->title(), L(text)) << name;
    }
    // Switched off in the design: shown greyed, never chosen.
    EXPECT_TRUE(fenster->Aktion(L("mnuRuvano"))->isVisible());
    EXPECT_FALSE(fenster->Aktion(L("mnuRuvano"))->isEnabled());
}

TEST_F(MainBefehle, JederToolbarKnopfErreichtSeinenBefehl) {
    starten();
    const std::pair<const char*, const char*> knoepfe[] = {
        {"Speichern", "PulSpeichern"},       {"Ordne01", "PulOrdneDatum"},
        {"OrdneAZ", "PulOrdneMeldung"},      {"Suchen", "PulSuchen"},
        {"Freizeit", "mnuFreizeit"},         {"Notiz", "PulNotizEinfg"},
        {"ListeNeu", "PulEingeben"},         {"ListeKopieren", "PulKopieren"},
        {"ListeLöschen", "PulAusschneiden"},
    };
    for (const auto& [schluessel, befehl] : knoepfe) {
        QAction* menue = fenster->Aktion(L(befehl));
        QAction* knopf = fenster->Aktion(L(schluessel));
        // The button is offered exactly while its command is.
        QSignalSpy spion(menue, &QAction::triggered);
        menue->setEnabled(false);
        EXPECT_FALSE(knopf->isEnabled()) << schluessel;
        fenster->Main_Toolbar_ButtonClick(L(schluessel));
        EXPECT_EQ(spion.count(), 0) << schluessel;
        menue->setEnabled(true);
        EXPECT_TRUE(knopf->isEnabled()) << schluessel;
        fenster->Main_Toolbar_ButtonClick(L(schluessel));
        EXPECT_EQ(spion.count(), 1) << schluessel;
    }

    // Keys of no button, or in another case, do nothing at all.
    std::vector<std::unique_ptr<QSignalSpy>> spione;
    for (QAction* a : fenster->findChildren<QAction*>()) {
        spione.push_back(std::make_unique<QSignalSpy>(a, &QAction::triggered));
    }
    for (const char* unbekannt : {"", "ende", "speichern", "ListeKopie", "Hilfe", "Ende "}) {
        fenster->Main_Toolbar_ButtonClick(L(unbekannt));
    }
    for (const auto& s : spione) {
        EXPECT_EQ(s->count(), 0);
    }
    EXPECT_FALSE(fenster->planer().Beendet());
}

TEST_F(MainBefehle, ToolbarDruckenSuchenSpeichernUndEnde) {
    nebenfenster.da << Fenstername::Drucken << Fenstername::DruckenBlatt << Fenstername::Suchen;
    starten();
    fenster->Main_Toolbar_ButtonClick(L("Drucken"));
    IniSchreiben({}, {}, L("Lieblingsausdruck"), L("0"));
    fenster->Main_Toolbar_ButtonClick(L("Drucken"));
    fenster->Main_Toolbar_ButtonClick(L("Suchen"));
    EXPECT_EQ(gezeigt(), (QStringList{L("DruckenBlatt"), L("Drucken"), L("Suchen")}));

    // Only the favourite's dialog counts for the button.
    nebenfenster.da.removeAll(Fenstername::Drucken);
    Main ohneListe(nebenfenster);
    EXPECT_TRUE(ohneListe.Aktion(L("mnuDruckenBlatt"))->isEnabled());
    ohneListe.EinstellungenAnwenden();
    EXPECT_FALSE(ohneListe.Aktion(L("Drucken"))->isEnabled());
    IniSchreiben({}, {}, L("Lieblingsausdruck"), L("1"));
    ohneListe.EinstellungenAnwenden();
    EXPECT_TRUE(ohneListe.Aktion(L("Drucken"))->isEnabled());

    fenster->planer().buch.ListeTermine[0].replace(L("Chorprobe"), L("Chorprobe neu"));
    fenster->planer().buch.Ungespeichert = 1;
    fenster->Main_Toolbar_ButtonClick(L("Speichern"));
    EXPECT_TRUE(AusCp1252(umgebung.lesen(datei())).contains(L("Chorprobe neu")));
    fenster->planer().buch.ListeTermine[1].replace(L("Zahnarzt"), L("Zahnarzt neu"));
    fenster->planer().buch.Ungespeichert = 1;
    fenster->Main_Toolbar_ButtonClick(L("Ende"));
    EXPECT_TRUE(fenster->planer().Beendet());
    EXPECT_TRUE(AusCp1252(umgebung.lesen(datei())).contains(L("Zahnarzt neu")));
}

TEST_F(MainBefehle, BefehleSindMitIhrenFensternFrei) {
    starten();
    for (const char* name : {"PulDruckenListe", "mnuDruckenBlatt", "mnuDurckerEinrichten",
                             "PulSuchen", "PulSuchenWdhg", "PulSetup", "Drucken", "Suchen"}) {
        EXPECT_FALSE(fenster->Aktion(L(name))->isEnabled()) << name;
    }
    EXPECT_TRUE(fenster->Aktion(L("PulGoKronel"))->isEnabled());
    fenster->Aktion(L("PulBeenden"))->trigger();

    nebenfenster.da << Fenstername::Drucken << Fenstername::DruckenBlatt
                    << Fenstername::Druckereinrichtung << Fenstername::Suchen << Fenstername::Setup;
    starten();
    for (const char* name : {"PulDruckenListe", "mnuDruckenBlatt", "mnuDurckerEinrichten",
                             "PulSuchen", "PulSuchenWdhg", "PulSetup", "Drucken", "Suchen"}) {
        EXPECT_TRUE(fenster->Aktion(L(name))->isEnabled()) << name;
    }
    for (const char* name :
         {"PulDruckenListe", "mnuDruckenBlatt", "mnuDurckerEinrichten", "PulSuchen", "PulSetup"}) {
        fenster->Aktion(L(name))->trigger();
    }
    EXPECT_EQ(gezeigt(), (QStringList{L("Drucken"), L("DruckenBlatt"), L("Druckereinrichtung"),
                                      L("Suchen"), L("Setup")}));

    umgebung.schreiben(umgebung.programm() + L("/Kronel"), "#!/bin/sh\n");
    fenster->Aktion(L("PulGoKronel"))->trigger();
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].argumente, QStringList{L("/n")});
}

TEST_F(MainBefehle, NurLesenSchaltetBefehleUndKuerzelAb) {
    BefehlszeileSetzen({L("readonly")});
    nebenfenster.da << Fenstername::Suchen;
    starten();
    std::function<void(QMenu*)> pruefen = [&](QMenu* m) {
        for (QAction* a : m->actions()) {
            if (a->menu() != nullptr) {
                pruefen(a->menu());
            }
            EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
        }
    };
    pruefen(fenster->PulTermin);
    // A later refresh (undo after a selection) does not bring a command back.
    fenster->Aktion(L("mnuUndo"))->setEnabled(true);
    fenster->Aktion(L("PulEingeben"))->setEnabled(true);
    EXPECT_FALSE(fenster->Aktion(L("mnuUndo"))->isEnabled());
    EXPECT_FALSE(fenster->Aktion(L("ListeNeu"))->isEnabled());
    for (const char* k : {"Speichern", "ListeNeu", "ListeKopieren", "ListeLöschen", "Notiz"}) {
        EXPECT_FALSE(fenster->Aktion(L(k))->isEnabled()) << k;
    }
    EXPECT_TRUE(fenster->Aktion(L("Suchen"))->isEnabled());

    fenster->show();
    QApplication::setActiveWindow(fenster.get());
    QApplication::processEvents();
    auto* liste = fenster->findChild<QListWidget*>(L("ListeAnzeige"));
    liste->setFocus();
    QSignalSpy undo(fenster->Aktion(L("mnuUndo")), &QAction::triggered);
    QTest::keyClick(liste, Qt::Key_F, Qt::ControlModifier);
    if (nebenfenster.gezeigt.empty()) {
        GTEST_SKIP() << "no shortcuts on this platform";
    }
    const QStringList termine = fenster->planer().buch.ListeTermine;
    for (const QKeyCombination k :
         {Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_S, Qt::CTRL | Qt::Key_N, Qt::CTRL | Qt::Key_K,
          Qt::CTRL | Qt::Key_Y, QKeyCombination(Qt::Key_F12)}) {
        QTest::keyClick(liste, k.key(), k.keyboardModifiers());
    }
    EXPECT_EQ(undo.count(), 0);
    EXPECT_EQ(gezeigt(), QStringList{L("Suchen")});
    EXPECT_EQ(fenster->planer().buch.ListeTermine, termine);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_FALSE(fenster->planer().Beendet());
}

TEST_F(MainBefehle, AnleitungZeigtDenInhaltDerHilfe) {
    starten();
    fenster->Aktion(L("PulAnleitung"))->trigger();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("Die Hilfe »Kronel.html« ist nicht zu finden."));
    umgebung.schreiben(umgebung.programm() + L("/Kronel.html"), "<html></html>");
    fenster->Aktion(L("PulAnleitung"))->trigger();
    EXPECT_EQ(umgebung.hilfe.aufrufe,
              QStringList{L("zeigen ") + umgebung.programm() + L("/Kronel.html#")});
}

TEST_F(MainBefehle, PaketmenueBeimOeffnenVonWeiteres) {
    starten();
    auto* weiteres = fenster->findChild<QMenu*>(L("mnuWeiteres"));
    QAction* kronelin = fenster->Aktion(L("mnuPrg(0)"));
    // The planner does not offer itself: not as a grey item while no folder
    // is recorded, nor once its own folder is.
    emit weiteres->aboutToShow();
    EXPECT_FALSE(kronelin->isEnabled());
    EXPECT_FALSE(kronelin->isVisible());
    EXPECT_EQ(fenster->findChild<QLabel*>(L("Status"))->text(), L("Bereit"));
    umgebung.schreiben(umgebung.programm() + L("/Kronelin"), "#!/bin/sh\n");
    IniSchreiben({}, L("Kronel"), L("Dir"), umgebung.programm());
    emit weiteres->aboutToShow();
    EXPECT_FALSE(kronelin->isVisible());
}

TEST_F(MainBefehle, DruckereinrichtungWaehltDruckerUndPapierOhneZuDrucken) {
    FensterVerzeichnis verzeichnis;
    QPrinter drucker;
    drucker.setPageSize(QPageSize(QPageSize::A4));
    DruckereinrichtungEintragen(verzeichnis, drucker);
    ASSERT_TRUE(verzeichnis.vorhanden(Fenstername::Druckereinrichtung));
    auto zeigen = [&] { verzeichnis.Druckereinrichtung(); };
    QString titel;
    QStringList knoepfe;
    test::BeimNaechstenModalen<QDialog>([&](QDialog* d) {
        titel = d->windowTitle();
        for (const QPushButton* k : d->findChildren<QPushButton*>()) {
            knoepfe << k->text();
        }
        ASSERT_NE(d->findChild<QComboBox*>(L("Drucker")), nullptr);
        auto* papier = d->findChild<QComboBox*>(L("Papier"));
        ASSERT_NE(papier, nullptr);
        papier->setCurrentIndex(papier->findText(QPageSize::name(QPageSize::A5)));
        d->reject();
    });
    zeigen();
    EXPECT_EQ(titel, L("Druckereinrichtung"));
    knoepfe.sort();
    EXPECT_EQ(knoepfe, (QStringList{L("Abbrechen"), L("OK")}));  // no "Drucken", no file
    EXPECT_EQ(drucker.pageLayout().pageSize().id(), QPageSize::A4);

    test::BeimNaechstenModalen<QDialog>([&](QDialog* d) {
        auto* papier = d->findChild<QComboBox*>(L("Papier"));
        papier->setCurrentIndex(papier->findText(QPageSize::name(QPageSize::A5)));
        d->accept();
    });
    zeigen();
    EXPECT_EQ(drucker.pageLayout().pageSize().id(), QPageSize::A5);
}

TEST_F(MainBefehle, VerzeichnisMeldetNichtEingetrageneFensterUndGibtNichtsZurueck) {
    QStringList gemeldet;
    FensterVerzeichnis verzeichnis([&](Fenstername f) { gemeldet << FensterSchluessel(f); });
    // Nothing of the request comes back from a window that is not there.
    EXPECT_EQ(verzeichnis.Suchen({L("zahn"), L("auto")}), SuchenErgebnis());
    EXPECT_EQ(verzeichnis.Monatsblatt({L("?"), QDate(2026, 12, 9), L("09.12.2026")}),
              MonatsblattErgebnis());
    EXPECT_EQ(verzeichnis.Setup({}), SetupErgebnis());
    EXPECT_EQ(verzeichnis.Freizeit({}), FreizeitErgebnis());
    EXPECT_EQ(verzeichnis.Altes({}), AltesErgebnis());
    verzeichnis.Tips();
    verzeichnis.Drucken();
    verzeichnis.DruckenBlatt();
    verzeichnis.Druckereinrichtung();
    EXPECT_EQ(verzeichnis.ZoomText({L("Zoom"), L("alt"), 1024, 0, 0, {}}), ZoomTextErgebnis());
    EXPECT_EQ(verzeichnis.ImpGeb(), ImpGebErgebnis());
    EXPECT_EQ(verzeichnis.Dateiwahl({}), std::nullopt);
    EXPECT_EQ(gemeldet,
              (QStringList{L("Suchen"), L("Monatsblatt"), L("Setup"), L("Freizeit"), L("Altes"),
                           L("Tips"), L("Drucken"), L("DruckenBlatt"), L("Druckereinrichtung"),
                           L("ZoomText"), L("ImpGeb"), L("Dateiwahl")}));

    // A registered window gets the request and the main window as its owner.
    QWidget besitzer;
    verzeichnis.besitzerSetzen(&besitzer);
    verzeichnis.anzeigen.Suchen = [&](QWidget* b, const SuchenAnfrage& a) {
        EXPECT_EQ(b, &besitzer);
        return SuchenErgebnis{a.KomSuche + L("arzt"), L("1")};
    };
    EXPECT_TRUE(verzeichnis.vorhanden(Fenstername::Suchen));
    EXPECT_FALSE(verzeichnis.vorhanden(Fenstername::Setup));
    EXPECT_EQ(verzeichnis.Suchen({L("zahn"), L("auto")}), (SuchenErgebnis{L("zahnarzt"), L("1")}));
    EXPECT_EQ(gemeldet.size(), 12);
}

TEST(FensterVerzeichnisDeathTest, OhneEigenenBerichtHaeltDieEntwicklungAn) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    FensterVerzeichnis verzeichnis;
    EXPECT_DEATH(
        {
            qputenv("KRONEL_ENTWICKLUNG", "1");
            verzeichnis.Tips();
        },
        "Tips");
}

TEST_F(MainBefehle, OhneEingetrageneFensterOeffnetKeinBefehlEins) {
    QStringList gemeldet;
    FensterVerzeichnis leer([&](Fenstername f) { gemeldet << FensterSchluessel(f); });
    fenster = std::make_unique<Main>(leer);
    ASSERT_TRUE(fenster->Starten());
    fenster->planer().ErsterPaint();  // the tip of the day
    // Every command as offered, then every one switched on: a command asks for
    // its window itself. The about box is no window of the planner's own, and
    // the ways out come last.
    const QStringList auslassen{L("PulInfo"), L("PulBeenden"), L("PulBeendenUndSpeichern"),
                                L("Ende")};
    for (const bool alleAn : {false, true}) {
        for (QAction* a : fenster->findChildren<QAction*>()) {
            if (auslassen.contains(a->objectName())) {
                continue;
            }
            if (alleAn) {
                a->setEnabled(true);
            }
            a->trigger();
        }
    }
    fenster->planer().DatumWaehlen();
    fenster->planer().FensterWaehlen(true);
    fenster->planer().FensterWaehlen(false);
    fenster->Aktion(L("Ende"))->trigger();
    EXPECT_TRUE(fenster->planer().Beendet());

    // The printout of /autoprint without its dialogs ends without one.
    BefehlszeileSetzen({L("/autoprint")});
    fenster = std::make_unique<Main>(leer);
    EXPECT_FALSE(fenster->Starten());
    EXPECT_TRUE(gemeldet.isEmpty()) << gemeldet.join(L(", ")).toStdString();
    fenster.reset();  // it holds the registry of this test
}
