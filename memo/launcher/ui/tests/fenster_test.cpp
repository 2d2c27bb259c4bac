#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "launcher_ui/hauptfenster.h"
#include "platform/dienste.h"
#include "platform/oberflaeche.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/programm.h"
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
        umgebung.uhr.setzen(QDateTime(QDate(2026, 12, 9), QTime(9, 5)));
        umgebung.schreiben(umgebung.programm() + L("/Kronel"), "#!/bin/sh\n");
    }
    test::TestUmgebung umgebung{L("KronMemo")};
};

}  // namespace

TEST_F(Fenster, FelderAusDenEinstellungenUndTickImTitel) {
    IniSchreiben({}, L("Kronel"), L("MemoNextRel"), L("6"));
    IniSchreiben({}, L("Kronel"), L("MemoStartAsSym"), L("0"));
    IniSchreiben({}, L("Kronel"), L("letzte_Ausgabe"), L("09.12.2026 08:35:00"));
    StarterHauptfenster w;
    w.Form_Load();
    EXPECT_EQ(w.txtOutAbs->text(), L("01:00:00"));
    EXPECT_EQ(w.txtOutRel->text(), L("6"));
    EXPECT_FALSE(w.mnuStartAsSym->isChecked());
    EXPECT_TRUE(w.Zeit->isActive());
    EXPECT_EQ(w.Zeit->interval(), 5000);
    EXPECT_EQ(w.ZeitDateTest->interval(), 60000);
    w.Programm().Zeit_Timer();
    EXPECT_EQ(w.windowTitle(), L("Kronel Memo, 9:05"));
    EXPECT_EQ(w.bezLastTime->text(), L("vor 30,0 Minuten."));
    EXPECT_TRUE(umgebung.prozesse.starts.empty());

    // A typed field takes effect at the next tick.
    w.txtOutAbs->setText(L("09:05"));
    w.Programm().Zeit_Timer();
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].argumente, QStringList{L("/n")});
}

TEST_F(Fenster, EingefuegtesPasstInEineZeileDerEinstellungen) {
    StarterHauptfenster w;
    QApplication::clipboard()->setText(L("a\tb\r\nc\u4e2d"));
    for (QLineEdit* feld : {w.txtOutAbs, w.txtOutRel}) {
        feld->clear();
        feld->paste();
        EXPECT_EQ(feld->text(), L("ab c?")) << feld->objectName().toStdString();
    }
}

TEST_F(Fenster, KommaWirdPunktUndEnterGehtWeiter) {
    StarterHauptfenster w;
    w.Form_Load();
    w.show();
    w.txtOutRel->clear();
    w.txtOutRel->setFocus();
    test::Taste(w.txtOutRel, Qt::Key_1, L("1"));
    test::Taste(w.txtOutRel, Qt::Key_Comma, L(","));
    test::Taste(w.txtOutRel, Qt::Key_5, L("5"));
    EXPECT_EQ(w.txtOutRel->text(), L("1.5"));
    EXPECT_EQ(w.Programm().Logik().txtOutRel, L("1.5"));

    w.txtOutAbs->setFocus();
    test::Taste(w.txtOutAbs, Qt::Key_Return);
    EXPECT_EQ(w.txtOutAbs->text(), L("01:00:00"));
    EXPECT_EQ(w.focusWidget(), w.txtOutRel);
    w.close();
}

TEST_F(Fenster, SchliessenSpeichertDieEinstellungen) {
    StarterHauptfenster w;
    w.Form_Load();
    EXPECT_TRUE(w.mnuStartAsSym->isChecked());
    w.Starten();
    EXPECT_TRUE(w.isMinimized());
    w.mnuStartAsSym->trigger();
    w.txtOutAbs->setText(L("07:45"));
    w.mnuEnde->trigger();
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("MemoStartAsSym"), {}), L("0"));
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("MemoNextAbs"), {}), L("07:45"));
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("MemoNextRel"), {}), L("12"));
}

TEST_F(Fenster, LiegtFuenfPixelVorDerUnterenRechtenEcke) {
    IniSchreiben({}, L("Kronel"), L("MemoStartAsSym"), L("0"));
    StarterHauptfenster w;
    w.Form_Load();
    w.Starten();
    QApplication::processEvents();
    // The layout made the window taller than it was when the start placed it.
    const QRect r = w.frameGeometry();
    EXPECT_EQ(r.right() + 1, static_cast<int>(bildschirm().weite() / TwipsProPixel) - 5);
    EXPECT_EQ(r.bottom() + 1, static_cast<int>(bildschirm().hoehe() / TwipsProPixel) - 5);
    w.close();
}

TEST_F(Fenster, OhneKombiMitFreitext) {
    StarterHauptfenster w;
    w.Form_Load();
    EXPECT_EQ(test::KombisBetippen(&w), QStringList());
    LeeresEinfuegenAbfangen();
    EXPECT_EQ(test::LeerEinfuegen(&w), (QStringList{L("txtOutAbs"), L("txtOutRel")}));
}

TEST_F(Fenster, AlsSymbolUnveraendertBisZurWiederherstellung) {
    StarterHauptfenster w;
    w.Form_Load();
    const QRect gesetzt = w.geometry();
    EXPECT_EQ(gesetzt.size(), gesetzt.size().expandedTo(w.minimumSizeHint()));
    w.Starten();
    QApplication::processEvents();
    // Under X11 a minimized window that moves or grows comes up normal: it
    // keeps the size and the place the start gave it before it had a frame.
    EXPECT_TRUE(w.isMinimized());
    EXPECT_EQ(w.size(), gesetzt.size());
    EXPECT_EQ(w.frameGeometry().topLeft(), gesetzt.topLeft());

    w.setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    const QRect r = w.frameGeometry();
    EXPECT_EQ(r.right() + 1, static_cast<int>(bildschirm().weite() / TwipsProPixel) - 5);
    EXPECT_EQ(r.bottom() + 1, static_cast<int>(bildschirm().hoehe() / TwipsProPixel) - 5);
    w.close();
}
