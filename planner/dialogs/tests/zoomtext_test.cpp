#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "planner_dialogs/fensterverzeichnis.h"
#include "planner_dialogs/zoomtext.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class ZoomTextTest : public ::testing::Test {
protected:
    QString panel(const char* name) { return zoom.StatusBar->findChild<QLabel*>(L(name))->text(); }
    QString auswahl() const { return zoom.Text->textCursor().selectedText(); }

    bool anwendung_ = (test::AnwendungSicherstellen(), true);
    test::TestUmgebung umgebung;
    ZoomText zoom;
};

}  // namespace

TEST_F(ZoomTextTest, UebernimmtTextAuswahlUndSchrift) {
    zoom.Vorbereiten({L("Zoom (Kronel-Meldung für den 12.03.1960)"),
                      L("ab\r\ncd efg"),
                      1024,
                      4,
                      2,
                      {L("DejaVu Sans"), 14, true, true, false}});
    EXPECT_EQ(zoom.windowTitle(), L("Zoom (Kronel-Meldung für den 12.03.1960)"));
    EXPECT_EQ(zoom.Text->toPlainText(), L("ab\ncd efg"));
    EXPECT_EQ(auswahl(), L("cd"));  // record position 4 is behind the CR LF
    EXPECT_EQ(zoom.Text->font().pointSizeF(), 14);
    EXPECT_TRUE(zoom.Text->font().bold());
    EXPECT_TRUE(zoom.Text->font().italic());
    EXPECT_EQ(panel("Position"), L(" 2 Ze  5 / 10 Zeichen "));
    EXPECT_EQ(panel("Prozent"), L("1%"));
    EXPECT_EQ(panel("Status"), L("Bereit"));
    for (const char* name : {"befOk", "befAbbrechen", "befFontSize(0)", "befFontSize(1)",
                             "befFontSize(2)", "Abbruch", "ZeitInfo"}) {
        EXPECT_NE(zoom.findChild<QObject*>(L(name)), nullptr) << name;
    }
    EXPECT_EQ(zoom.befFontSize[1]->toolTip(), L("Schrift größer"));
    EXPECT_FALSE(zoom.Abbruch->isVisible());
}

TEST_F(ZoomTextTest, StrgDUndUErsetzenDieAuswahlBisZurHoechstlaenge) {
    umgebung.uhr.setzen(QDateTime(QDate(2026, 12, 9), QTime(9, 30)));
    zoom.Vorbereiten({{}, L("am xyz um"), 30, 3, 3, {}});
    zoom.show();
    test::Taste(zoom.Text, Qt::Key_D, {}, Qt::ControlModifier);
    EXPECT_EQ(zoom.Text->toPlainText(), L("am 09.12.2026  um"));
    EXPECT_EQ(zoom.Text->textCursor().position(), 14);  // behind the blank
    test::Taste(zoom.Text, Qt::Key_U, {}, Qt::ControlModifier);
    EXPECT_EQ(zoom.Text->toPlainText(), L("am 09.12.2026 09:30  um"));
    // 23 of 30: a paste stops at 30, a line break counting two; typing then
    // adds nothing.
    QApplication::clipboard()->setText(L("1234\r\n5678"));
    zoom.Text->paste();
    EXPECT_EQ(zoom.Text->toPlainText(), L("am 09.12.2026 09:30 1234\n5 um"));
    test::Tippen(zoom.Text, L("x"));
    test::Taste(zoom.Text, Qt::Key_Return);
    test::Taste(zoom.Text, Qt::Key_D, {}, Qt::ControlModifier);
    EXPECT_EQ(zoom.Text->toPlainText(), L("am 09.12.2026 09:30 1234\n5 um"));
    zoom.ZeitInfo_Timer();
    EXPECT_EQ(panel("Prozent"), L("100%"));
}

TEST_F(ZoomTextTest, OhneTextUndOhneHoechstlaenge) {
    zoom.Vorbereiten({{}, {}, 0, 0, 0, {}});
    EXPECT_EQ(panel("Position"), L("keine Eingaben"));
    EXPECT_EQ(panel("Prozent"), QString());
    test::Tippen(zoom.Text, QString(2000, QLatin1Char('x')).left(1100));
    EXPECT_EQ(zoom.Text->toPlainText().size(), 1100);
    test::Taste(zoom.Text, Qt::Key_Tab, L("\t"));
    EXPECT_EQ(zoom.Text->toPlainText().size(), 1100);
}

TEST_F(ZoomTextTest, SchriftKnoepfeAendernNurDieAnzeige) {
    zoom.Vorbereiten({{}, L("Text"), 100, 0, 0, {L("DejaVu Sans"), 10, false, false, false}});
    zoom.befFontSize[1]->click();
    EXPECT_EQ(zoom.Text->font().pointSizeF(), 11);
    zoom.befFontSize[0]->click();
    zoom.befFontSize[0]->click();
    EXPECT_EQ(zoom.Text->font().pointSizeF(), 9);
    zoom.befFontSize[2]->click();
    EXPECT_EQ(zoom.Text->font().pointSizeF(), 12);
    EXPECT_EQ(zoom.Ergebnis().Text, L("Text"));
}

TEST_F(ZoomTextTest, ZuEngOderZuNiedrigBleibtDieLetzteAnordnung) {
    zoom.show();
    zoom.resize(600, 400);
    const QRect ok = zoom.befOk->geometry();
    const QSize text = zoom.Text->size();
    EXPECT_EQ(zoom.width() - ok.x() - ok.width(), zoom.Text->x());  // the same margin right
    EXPECT_EQ(zoom.befFontSize[2]->geometry().right(), ok.right() - ok.width() % 3);
    // Too narrow for three button widths: the width keeps its layout, the
    // height still follows.
    zoom.resize(3 * ok.width() - 1, 500);
    EXPECT_EQ(zoom.befOk->geometry(), ok);
    EXPECT_EQ(zoom.Text->width(), text.width());
    EXPECT_EQ(zoom.Text->height(), text.height() + 100);
    // Too low for three button heights: the other way round.
    zoom.resize(700, 3 * ok.height());
    EXPECT_EQ(zoom.befOk->x(), ok.x() + 100);
    EXPECT_EQ(zoom.Text->size(), QSize(text.width() + 100, text.height() + 100));
}

TEST_F(ZoomTextTest, OkUndSchliessenUebernehmenAbbrechenNicht) {
    FensterVerzeichnis verzeichnis;
    ZoomTextEintragen(verzeichnis);
    QWidget haupt;
    haupt.resize(600, 400);
    verzeichnis.besitzerSetzen(&haupt);
    QSize groesse;
    const auto bearbeiten = [&](auto wie) {
        test::BeimNaechstenModalen<QDialog>([&, wie](QDialog* d) {
            auto* z = dynamic_cast<ZoomText*>(d);
            groesse = z->size();
            z->Text->selectAll();
            test::Tippen(z->Text, L("neu"));
            wie(z);
        });
        return verzeichnis.ZoomText({L("Zoom"), L("alt"), 100, 0, 0, {}});
    };
    EXPECT_EQ(bearbeiten([](ZoomText* z) { z->befOk->click(); }), (ZoomTextErgebnis{0, L("neu")}));
    EXPECT_EQ(groesse, QSize(540, 360));
    EXPECT_EQ(bearbeiten([](ZoomText* z) { z->close(); }), (ZoomTextErgebnis{0, L("neu")}));
    EXPECT_EQ(bearbeiten([](ZoomText* z) { test::Taste(z->Text, Qt::Key_Escape); }).Abbruch, 1);
    EXPECT_EQ(bearbeiten([](ZoomText* z) { z->befAbbrechen->click(); }).Abbruch, 1);
}
