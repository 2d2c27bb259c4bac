#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

#include <memory>

#include "book/buch.h"
#include "planner_dialogs/buchdialoge.h"
#include "planner_dialogs/drucken.h"
#include "planner_dialogs/druckenblatt.h"
#include "planner_dialogs/einfuegefenster.h"
#include "planner_dialogs/setup.h"
#include "planner_dialogs/suchen.h"
#include "planner_dialogs/zoomtext.h"
#include "planner_testsupport/fakes.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class Textfelder : public ::testing::Test {
protected:
    bool anwendung_ = (test::AnwendungSicherstellen(), true);
    test::TestUmgebung umgebung;
};

}  // namespace

TEST_F(Textfelder, JedesEinzeiligeFeldDerFensterNimmtNurWasDieDateienHalten) {
    // A tab would end up in a settings value, a line break in a notes line.
    Terminbuch buch;
    test::SkriptFenster nebenfenster;
    std::vector<std::unique_ptr<QWidget>> fenster;
    fenster.emplace_back(std::make_unique<Notizen>(nullptr, QString(), QString(), true));
    fenster.emplace_back(std::make_unique<Sonderzeichen>(nullptr, QString()));
    fenster.emplace_back(std::make_unique<Suchen>([&buch]() -> const Terminbuch& { return buch; }));
    fenster.emplace_back(std::make_unique<kronel::Setup>());
    fenster.emplace_back(std::make_unique<Freizeit>(nullptr, QString(), QStringList()));
    fenster.emplace_back(std::make_unique<Altes>(nullptr, QString()));
    fenster.emplace_back(std::make_unique<Drucken>(nullptr, nebenfenster, nullptr));
    fenster.emplace_back(std::make_unique<DruckenBlatt>(nullptr, nebenfenster, nullptr));
    QApplication::clipboard()->setText(L("a\tb\r\nc\u4e2d"));
    int felder = 0;
    for (const auto& f : fenster) {
        for (QLineEdit* feld : f->findChildren<QLineEdit*>()) {
            if (qobject_cast<QAbstractSpinBox*>(feld->parentWidget()) != nullptr) {
                continue;  // a number field takes digits only
            }
            ++felder;
            feld->clear();
            feld->paste();
            EXPECT_EQ(feld->text(), L("ab c?").left(feld->maxLength()))
                << qPrintable(f->objectName() + L(".") + feld->parentWidget()->objectName() +
                              L(".") + feld->objectName());
        }
    }
    EXPECT_GE(felder, 14);
}

TEST_F(Textfelder, DasGrosseFeldPasstEingefuegtesEinUndUebergehtEineLeereZwischenablage) {
    ZoomText zoom;
    zoom.Vorbereiten({{}, L("Zahnarzt"), 20, 4, 0, {}});
    // Nothing no program owns, nothing at all, or no text: the field stays.
    auto* bild = new QMimeData;
    bild->setData(L("image/png"), QByteArray("\x89PNG"));
    for (QMimeData* inhalt : {static_cast<QMimeData*>(nullptr), new QMimeData, bild}) {
        QApplication::clipboard()->setMimeData(inhalt);
        zoom.Text->paste();
        EXPECT_EQ(zoom.Text->toPlainText(), L("Zahnarzt"));
    }
    QApplication::clipboard()->setText(L("\t\u20ac\u4e2d\r\n123456789"));
    zoom.Text->paste();
    // 8 + 2 + 2 (the break) + 9 would be 21: the last digit stays out.
    EXPECT_EQ(zoom.Text->toPlainText(), L("Zahn\u20ac?\n12345678arzt"));
    QMimeData gezogen;
    gezogen.setText(L("x\ty"));
    zoom.Text->clear();
    test::Fallenlassen(zoom.Text->viewport(), gezogen);
    EXPECT_EQ(zoom.Text->toPlainText(), L("xy"));
}
