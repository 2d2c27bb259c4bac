#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include "common/einstellungen.h"
#include "planner_ui/main.h"
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

}  // namespace

TEST(PlanerStart, MinimiertGestartetZeigtDenTitelNormalUndMainMinimiert) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    IniSchreiben({}, {}, L("DirData"), umgebung.daten());
    IniSchreiben({}, {}, L("AutoTip"), L("0"));
    IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
    QFile beispiel(QStringLiteral(KRONEL_QUELLORDNER "/data/beispiel/Kronel.PlD"));
    ASSERT_TRUE(beispiel.open(QIODevice::ReadOnly));
    umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"), beispiel.readAll());

    MinimiertGestartet start;
    qApp->installEventFilter(&start);
    ProgrammUmgebung programm;
    const std::unique_ptr<QWidget> main = PlanerFensterBauen(programm);
    qApp->removeEventFilter(&start);

    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(start.titelBeimGehen & Qt::WindowMinimized);
    EXPECT_TRUE(main->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(main->isVisible());
}
