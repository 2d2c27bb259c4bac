#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <utility>

#include "common/einstellungen.h"
#include "planner_ui/main.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "shared_ui/programm.h"
#include "testsupport/anwendung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

// Stands in for the window system of a minimized start: the program's first
// window, the title, comes up minimized.
class MinimiertGestartet final : public QObject {
public:
    Qt::WindowStates titelBeimGehen;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o->isWidgetType() && o->objectName() == L("Titel")) {
            auto* titel = static_cast<QWidget*>(o);
            if (e->type() == QEvent::Show && !gezeigt_) {
                gezeigt_ = true;
                titel->setWindowState(titel->windowState() | Qt::WindowMinimized);
            } else if (e->type() == QEvent::Hide) {
                titelBeimGehen = titel->windowState();
            }
        }
        return false;
    }

private:
    bool gezeigt_ = false;
};

// A planner on the sample data, built by the program's own start function.
class PlanerStart : public ::testing::Test {
protected:
    PlanerStart() {
        test::AnwendungSicherstellen();
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        IniSchreiben({}, {}, L("AutoTip"), L("0"));
        IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
        QFile beispiel(QStringLiteral(KRONEL_QUELLORDNER "/data/beispiel/Kronel.PlD"));
        EXPECT_TRUE(beispiel.open(QIODevice::ReadOnly));
        umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"), beispiel.readAll());
    }
    std::unique_ptr<QWidget> bauen() { return PlanerFensterBauen(programm); }

    test::TestUmgebung umgebung;
    ProgrammUmgebung programm;
};

}  // namespace

TEST_F(PlanerStart, MinimiertGestartetZeigtDenTitelNormalUndMainMinimiert) {
    MinimiertGestartet start;
    qApp->installEventFilter(&start);
    const std::unique_ptr<QWidget> main = bauen();
    qApp->removeEventFilter(&start);

    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(start.titelBeimGehen & Qt::WindowMinimized);
    EXPECT_TRUE(main->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(main->isVisible());
}

// Stored at the screen's size, as a window maximized at the end stores itself:
// the next start maximizes it again.
TEST_F(PlanerStart, MaximiertBeendetStartetMaximiert) {
    for (const auto& [schluessel, wert] :
         {std::pair{"KronelinForm_Höhe", "11520"}, std::pair{"KronelinForm_Weite", "15360"},
          std::pair{"KronelinForm_Links", "0"}, std::pair{"KronelinForm_Oben", "0"}}) {
        IniSchreiben({}, {}, L(schluessel), L(wert));
    }
    const std::unique_ptr<QWidget> main = bauen();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isMaximized());
    EXPECT_TRUE(main->isVisible());
}

// A signal while a box of the start-up waits for an answer (here the question
// about another user) is held a moment, not until the answer.
TEST_F(PlanerStart, SignalWaehrendEinerStartfrageWartetHoechstensEineSekunde) {
    const QString netwatch = umgebung.programm() + L("/NetWatch.Ini");
    IniSchreiben(netwatch, L("UserJetzt"), L("User"), L("anna"));
    IniSchreiben(netwatch, L("UserJetzt"), L("Seit"), DatumZeitText(uhr().jetzt()));
    QTimer* halt = nullptr;
    umgebung.meldungen.beiBox = [&] {
        ASSERT_EQ(std::raise(SIGTERM), 0);
        QCoreApplication::processEvents();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            halt = halt != nullptr ? halt : w->findChild<QTimer*>(L("Main_SignalHalt"));
        }
        ASSERT_NE(halt, nullptr);
        EXPECT_TRUE(halt->isActive());
        EXPECT_LE(halt->remainingTime(), 1000);
    };
    EXPECT_EQ(bauen(), nullptr);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);
}
