#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "platform/text.h"
#include "reminder_ui/hauptfenster.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class Fenster : public ::testing::Test {
protected:
    Fenster() {
        test::AnwendungSicherstellen();
        IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());
        umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"),
                           NachCp1252(L("..Kronelin 8.010090\r\n19990312-   -   -         -   "
                                        "Alle   08:30 Zahnarzt\r\n")));
        umgebung.uhr.setzen(QDateTime(QDate(1999, 3, 12), QTime(8, 25)));
    }
    test::TestUmgebung umgebung{L("Kronelol")};
};

}  // namespace

TEST_F(Fenster, StartLiestDieTermineUndZeigtDieFaelligen) {
    IniSchreiben({}, L("Kronel"), L("OL0"), L("12"));
    IniSchreiben({}, L("Kronel"), L("OLnoBereich"), L("0"));
    ErinnerungsHauptfenster w;
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(umgebung.instanzen.angemeldet, QStringList{L("Kronelol")});
    EXPECT_EQ(w.SSTab1->tabText(0), L("Aktuell"));
    EXPECT_EQ(w.SSTab1->tabText(1), L("Eigenschaften"));
    ASSERT_EQ(w.Liste->count(), 1);
    EXPECT_EQ(w.Liste->item(0)->text(), L("12.03.1999 (Fr)* 08:30 Zahnarzt"));
    EXPECT_EQ(w.windowTitle(), L("Kronel Online 08:25, 1 Meldung"));
    EXPECT_EQ(w.panelStatus->text(), L("Keine Termine mehr."));
    EXPECT_EQ(w.panelZeit->text(), L(" 08:25 "));
    EXPECT_TRUE(w.Zeit->isActive());
    EXPECT_EQ(w.Zeit->interval(), 5000);
    EXPECT_TRUE(w.ZeitAlarm->isActive());
    EXPECT_EQ(w.ZeitAlarm->interval(), 45000);
    EXPECT_EQ(w.laufWarn[0]->value(), 12);
    EXPECT_EQ(w.bezWarn[0]->text(), L("  12 Min früher"));
    EXPECT_EQ(w.bezWarn[1]->text(), L("  2 Min später"));
    EXPECT_FALSE(w.strgNoBereich->isChecked());
    // Setting the check box from the settings signals nothing.
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OLneu"), L("nie")), L("nie"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());

    w.mnuListeClear->trigger();
    EXPECT_EQ(w.Liste->count(), 0);
    EXPECT_FALSE(w.ZeitAlarm->isActive());

    w.strgNoBereich->click();
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OLneu"), {}), L("1"));
    w.Programm().Zeit_Timer();
    EXPECT_EQ(w.Liste->count(), 1);
    EXPECT_TRUE(w.ZeitAlarm->isActive());
}

TEST_F(Fenster, ZweiteErinnerungEndetStill) {
    umgebung.instanzen.laufend = {L("Kronelol")};
    ErinnerungsHauptfenster w;
    EXPECT_FALSE(w.Form_Load());
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_TRUE(umgebung.instanzen.aktiviert.isEmpty());
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("DirData"), {}), umgebung.daten());
    EXPECT_TRUE(w.Programm().Logik().bezDatum.isEmpty());
}

TEST_F(Fenster, DoppelklickZeigtDenEintragAufZweiZeilen) {
    ErinnerungsHauptfenster w;
    ASSERT_TRUE(w.Form_Load());
    w.Liste->setCurrentRow(0);
    w.Liste_DblClick();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Kronel, Onlineausgabe"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("12.03.1999 (Fr)*\r\n08:30 Zahnarzt"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::Information);
}

TEST_F(Fenster, AlarmSpieltDenTonUndHoltDasFensterNachVorn) {
    umgebung.schreiben(umgebung.programm() + L("/Kronelol.wav"), "RIFF");
    ErinnerungsHauptfenster w;
    ASSERT_TRUE(w.Form_Load());
    w.show();
    w.showMinimized();
    w.Programm().ZeitAlarm_Timer();
    EXPECT_EQ(umgebung.ton.aufrufe.value(0),
              L("spiel ") + umgebung.programm() + L("/Kronelol.wav"));
    EXPECT_FALSE(w.windowState() & Qt::WindowMinimized);
}

TEST_F(Fenster, EndeSpeichertDieEinstellungen) {
    ErinnerungsHauptfenster w;
    ASSERT_TRUE(w.Form_Load());
    w.laufWarn[1]->setValue(7);
    EXPECT_EQ(w.bezWarn[1]->text(), L("  7 Min später"));
    w.close();  // the close box runs the menu's end
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OL1"), {}), L("7"));
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OL0"), {}), L("9"));
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("OLnoBereich"), {}), L("1"));
    EXPECT_EQ(umgebung.hilfe.aufrufe, QStringList{L("schliessen")});
}

TEST_F(Fenster, StatusleisteZeigtIhreTexteGanz) {
    ErinnerungsHauptfenster w;
    ASSERT_TRUE(w.Form_Load());
    w.show();
    w.panelStatus->setText(L("Keine Termine mehr."));
    w.panelDatum->setText(L(" Donnerstag, 30. September 2027, 39. Woche "));
    QApplication::processEvents();
    for (QLabel* l : {w.panelStatus, w.panelDatum, w.panelZeit}) {
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->contentsRect().width())
            << l->text().toStdString();
    }
    w.close();
}

TEST_F(Fenster, OhneKombiMitFreitext) {
    ErinnerungsHauptfenster w;
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(test::KombisBetippen(&w), QStringList());
}
