#include <gtest/gtest.h>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

#include "common/einstellungen.h"
#include "planner_testsupport/fakes.h"
#include "planner_ui/main.h"
#include "testsupport/anwendung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

const char* const kMitFenster[] = {"PulNotizEinfg", "PulSonderzeichenEinfg", "PulPrgStartEinfg",
                                   "Notiz"};
const char* const kOhneFenster[] = {"mnuTerminVorschauen", "PulFormelDiffEinfg",
                                    "PulFormelDiffAtEinfg", "mnuZyklusZählerEing", "mnuWizardGeb"};

struct Planerfenster {
    explicit Planerfenster(test::SkriptFenster& nebenfenster) : main(nebenfenster) {
        EXPECT_TRUE(main.Starten());
    }
    ~Planerfenster() {
        if (!main.planer().Beendet()) {
            main.Aktion(L("PulBeenden"))->trigger();
        }
    }
    Main main;
};

class MainEinfuegen : public ::testing::Test {
protected:
    MainEinfuegen() {
        test::AnwendungSicherstellen();
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"),
                           "..Kronelin 8.010000\r\n"
                           "20261215-   -   -         -   Alle   Chorprobe\r\n");
    }
    test::TestUmgebung umgebung;
    test::SkriptFenster nebenfenster;
};

}  // namespace

TEST_F(MainEinfuegen, BefehleFreiMitIhrenFenstern) {
    {
        Planerfenster f(nebenfenster);
        for (const char* name : kOhneFenster) {
            EXPECT_TRUE(f.main.Aktion(L(name))->isEnabled()) << name;
        }
        for (const char* name : kMitFenster) {
            EXPECT_FALSE(f.main.Aktion(L(name))->isEnabled()) << name;
        }
    }
    nebenfenster.da << Fenstername::Notizen << Fenstername::Sonderzeichen << Fenstername::StdDialog;
    Planerfenster f(nebenfenster);
    for (const char* name : kMitFenster) {
        EXPECT_TRUE(f.main.Aktion(L(name))->isEnabled()) << name;
    }
    f.main.Aktion(L("Notiz"))->trigger();
    f.main.Aktion(L("PulSonderzeichenEinfg"))->trigger();
    EXPECT_EQ(nebenfenster.gezeigtNamen(), (QStringList{L("Notizen"), L("Sonderzeichen")}));
}

TEST_F(MainEinfuegen, EinfuegenAnDerMarkeUndVorschauPerDoppelklick) {
    Planerfenster f(nebenfenster);
    QTextCursor c = f.main.STMeldung->textCursor();
    c.setPosition(4);
    c.setPosition(9, QTextCursor::KeepAnchor);  // "probe"
    f.main.STMeldung->setTextCursor(c);
    f.main.Aktion(L("PulFormelDiffEinfg"))->trigger();
    EXPECT_EQ(f.main.STMeldung->toPlainText(), L("Chor{Diff:} "));
    EXPECT_EQ(f.main.STMeldung->textCursor().position(), 12);
    EXPECT_TRUE(f.main.planer().buch.ListeTermine[0].endsWith(L("Chor{Diff:}")));

    f.main.show();
    QListWidget* liste = f.main.ListeAnzeige;
    const QRect zeile = liste->visualItemRect(liste->item(0));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Kronel-Terminvorschau 15.12.2026"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("Chor6 Tage "));
}
