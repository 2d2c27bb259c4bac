#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "planner_dialogs/zoomtext.h"
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
