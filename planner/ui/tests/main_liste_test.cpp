#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "planner_testsupport/fakes.h"
#include "planner_ui/main.h"
#include "platform/text.h"
#include "testsupport/anwendung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

// The list commands driven by their keys, as a person at the window does.
class MainListe : public ::testing::Test {
protected:
    MainListe() {
        test::AnwendungSicherstellen();
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
        IniSchreiben({}, {}, L("Neu2MonBlatt"), L("0"));
        QFile f(QStringLiteral(KRONEL_QUELLORDNER "/data/beispiel/Kronel.PlD"));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        umgebung.schreiben(datei(), f.readAll());
    }
    QString datei() const { return umgebung.daten() + L("/Kronel.PlD"); }
    // False when this platform gives the window no keyboard focus.
    bool starten() {
        fenster = std::make_unique<Main>(nebenfenster);
        EXPECT_TRUE(fenster->Starten());
        fenster->show();
        QApplication::setActiveWindow(fenster.get());
        QApplication::processEvents();
        fenster->ListeAnzeige->setFocus();
        QApplication::processEvents();
        return fenster->ListeAnzeige->hasFocus();
    }
    void taste(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* ziel = QApplication::focusWidget();
        QTest::keyClick(ziel != nullptr ? ziel : fenster.get(), static_cast<Qt::Key>(k), m);
        QApplication::processEvents();
    }
    qsizetype anzahl() const { return fenster->planer().buch.ListeTermine.size(); }

    test::TestUmgebung umgebung;
    test::SkriptFenster nebenfenster;
    std::unique_ptr<Main> fenster;
};

}  // namespace

TEST_F(MainListe, TabDurchAlleFelderLaesstDenTerminUnveraendert) {
    if (!starten()) {
        GTEST_SKIP() << "no keyboard focus on this platform";
    }
    const QString vorher = fenster->planer().buch.ListeTermine[0];
    QList<QWidget*> besucht;
    for (int i = 0; i < 12; ++i) {
        taste(Qt::Key_Tab);
        besucht << QApplication::focusWidget();
    }
    // The message field was entered (its text selected) and left by Tab.
    const qsizetype meldung = besucht.indexOf(fenster->STMeldung);
    ASSERT_GE(meldung, 0);
    ASSERT_LT(meldung + 1, besucht.size());
    EXPECT_NE(besucht[meldung + 1], fenster->STMeldung);
    fenster->Aktion(L("PulSpeichern"))->trigger();
    EXPECT_EQ(fenster->planer().buch.ListeTermine[0], vorher);
    EXPECT_FALSE(AusCp1252(umgebung.lesen(datei())).contains(QLatin1Char('\t')));
}

TEST_F(MainListe, LangeZeilenEndenImmerMitAuslassung) {
    if (!starten()) {
        GTEST_SKIP() << "no keyboard focus on this platform";
    }
    QScrollBar* quer = fenster->ListeAnzeige->horizontalScrollBar();
    // After the load (a long first line) and after New (a short one first).
    EXPECT_EQ(quer->maximum(), 0);
    fenster->Aktion(L("PulEingeben"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(quer->maximum(), 0);
    EXPECT_EQ(fenster->ListeAnzeige->textElideMode(), Qt::ElideRight);
}

TEST_F(MainListe, StrgNStrgKUndF12SchreibenBeideTermine) {
    if (!starten()) {
        GTEST_SKIP() << "no keyboard focus on this platform";
    }
    ASSERT_EQ(anzahl(), 12);
    taste(Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(anzahl(), 13);
    const QString heute = L("202612091T  -   -         -   Alle   ?");
    EXPECT_EQ(fenster->planer().buch.ListeTermine.last(), heute);
    EXPECT_EQ(fenster->ListeAnzeige->currentRow(), 12);
    EXPECT_EQ(fenster->STDatum->text(), L("09.12.2026"));
    EXPECT_TRUE(fenster->STDatum->hasFocus());
    // Ctrl+K in the date field is the menu's, not the field's delete to the end
    taste(Qt::Key_K, Qt::ControlModifier);
    ASSERT_EQ(anzahl(), 14);
    EXPECT_EQ(fenster->planer().buch.ListeTermine.last(), heute);
    EXPECT_EQ(fenster->STDatum->text(), L("09.12.2026"));
    taste(Qt::Key_F12);
    EXPECT_TRUE(fenster->planer().Beendet());
    EXPECT_EQ(AusCp1252(umgebung.lesen(datei())).count(heute + L("\r\n")), 2);
}

TEST_F(MainListe, StrgZNimmtDieEingabeZurueckUndWiederher) {
    if (!starten()) {
        GTEST_SKIP() << "no keyboard focus on this platform";
    }
    QAction* undo = fenster->Aktion(L("mnuUndo"));
    EXPECT_FALSE(undo->isEnabled());
    const QString vorher = fenster->STMeldung->toPlainText();
    fenster->STMeldung->setFocus();
    fenster->STMeldung->moveCursor(QTextCursor::End);
    QTest::keyClicks(fenster->STMeldung, L("xy"));
    EXPECT_TRUE(undo->isEnabled());
    taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(fenster->STMeldung->toPlainText(), vorher);
    EXPECT_EQ(fenster->ListeAnzeige->item(0)->text(),
              Anzeigezeile(fenster->planer().buch.ListeTermine[0]));
    taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(fenster->STMeldung->toPlainText(), vorher + L("xy"));
    // The delete asks; No keeps the record
    umgebung.meldungen.antworten({Antwort::Nein});
    taste(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(anzahl(), 12);
    fenster->Aktion(L("PulBeenden"))->trigger();
}

TEST_F(MainListe, UebergabeNurMitIhrenFensternUndMarkiertDieMeldung) {
    starten();
    for (const char* name :
         {"mnuFreizeit", "Freizeit", "PulAbgelaufeneZeigen", "mnuImpGeb", "mnuTaustauschLoad"}) {
        EXPECT_FALSE(fenster->Aktion(L(name))->isEnabled()) << name;
    }
    fenster->Aktion(L("PulBeenden"))->trigger();

    nebenfenster.da << Fenstername::Freizeit << Fenstername::Altes << Fenstername::ImpGeb
                    << Fenstername::Dateiwahl;
    nebenfenster.freizeitAntwort.BezUebergabe = L("24.12.2026 ?");
    const bool fokus = starten();
    for (const char* name :
         {"mnuFreizeit", "Freizeit", "PulAbgelaufeneZeigen", "mnuImpGeb", "mnuTaustauschLoad"}) {
        EXPECT_TRUE(fenster->Aktion(L(name))->isEnabled()) << name;
    }
    fenster->Aktion(L("Freizeit"))->trigger();
    ASSERT_EQ(anzahl(), 13);
    EXPECT_EQ(fenster->STDatum->text(), L("24.12.2026"));
    EXPECT_EQ(fenster->STMeldung->textCursor().selectedText(), L("?"));
    if (fokus) {
        EXPECT_TRUE(fenster->STMeldung->hasFocus());
    }
    fenster->Aktion(L("PulBeenden"))->trigger();
}
