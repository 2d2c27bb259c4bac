#include <gtest/gtest.h>

#include "platform/drucker.h"
#include "testsupport/drucker.h"

using namespace kronel;
using test::AufnahmeDrucker;
using test::DruckStueck;

namespace {

// In the test page model a 10 pt character is 0.25 cm wide and a line 0.5 cm high.
AufnahmeDrucker InZentimetern() {
    AufnahmeDrucker d;
    EXPECT_TRUE(d.setScaleMode(Massstab::Zentimeter));
    d.setFontSize(10);
    return d;
}

}  // namespace

TEST(Drucker, PrintEndsTheLineOrStaysBehindTheText) {
    AufnahmeDrucker d = InZentimetern();
    d.setCurrentX(2.0);
    d.setCurrentY(3.0);
    ASSERT_TRUE(d.Print(QStringLiteral("abcd"), false));
    EXPECT_DOUBLE_EQ(d.CurrentX(), 3.0);
    EXPECT_DOUBLE_EQ(d.CurrentY(), 3.0);
    ASSERT_TRUE(d.Print(QStringLiteral("ef")));
    EXPECT_DOUBLE_EQ(d.CurrentX(), 0.0);
    EXPECT_DOUBLE_EQ(d.CurrentY(), 3.5);
    // Print without a text only ends the line.
    ASSERT_TRUE(d.Print(QString()));
    EXPECT_DOUBLE_EQ(d.CurrentY(), 4.0);

    ASSERT_EQ(d.dokumente.size(), 1u);
    const auto& stuecke = d.dokumente[0].seiten.at(0).stuecke;
    ASSERT_EQ(stuecke.size(), 2u);
    EXPECT_EQ(stuecke[0].text, QStringLiteral("abcd"));
    EXPECT_DOUBLE_EQ(stuecke[0].x, 2.0);
    EXPECT_DOUBLE_EQ(stuecke[0].y, 3.0);
    EXPECT_EQ(stuecke[1].text, QStringLiteral("ef"));
    EXPECT_DOUBLE_EQ(stuecke[1].x, 3.0);
    EXPECT_EQ(d.aufrufe.mid(4, 3),
              QStringList({QStringLiteral("Print »abcd« ;"), QStringLiteral("Print »ef«"),
                           QStringLiteral("Print »«")}));
}

TEST(Drucker, LineBreaksInsideATextStartNewLinesAtTheLeft) {
    AufnahmeDrucker d = InZentimetern();
    d.setCurrentX(1.0);
    ASSERT_TRUE(d.Print(QStringLiteral("eins\r\nzwei\ndrei\r\n")));
    const auto& stuecke = d.dokumente.at(0).seiten.at(0).stuecke;
    ASSERT_EQ(stuecke.size(), 3u);
    EXPECT_DOUBLE_EQ(stuecke[0].x, 1.0);
    EXPECT_DOUBLE_EQ(stuecke[1].x, 0.0);
    EXPECT_DOUBLE_EQ(stuecke[1].y, 0.5);
    EXPECT_DOUBLE_EQ(stuecke[2].y, 1.0);
    // The closing CR LF is a line of its own, then the line end of Print.
    EXPECT_DOUBLE_EQ(d.CurrentY(), 2.0);
}

TEST(Drucker, MeasuresInTheChosenUnit) {
    AufnahmeDrucker d;
    EXPECT_EQ(d.ScaleMode(), Massstab::Twips);
    EXPECT_NEAR(d.ScaleWidth(), 19.0 / 2.54 * 1440.0, 1e-9);
    ASSERT_TRUE(d.setScaleMode(Massstab::Zentimeter));
    EXPECT_DOUBLE_EQ(d.ScaleWidth(), 19.0);
    EXPECT_DOUBLE_EQ(d.ScaleHeight(), 27.7);
    d.setCurrentX(2.54);
    ASSERT_TRUE(d.setScaleMode(Massstab::Twips));
    EXPECT_NEAR(d.CurrentX(), 1440.0, 1e-9);
    ASSERT_TRUE(d.setScaleMode(Massstab::Millimeter));
    EXPECT_NEAR(d.CurrentX(), 25.4, 1e-9);
    EXPECT_FALSE(d.setScaleMode(3));
    EXPECT_EQ(d.ScaleMode(), Massstab::Millimeter);

    ASSERT_TRUE(d.setScaleMode(Massstab::Zentimeter));
    d.setFontSize(20);
    EXPECT_DOUBLE_EQ(d.TextWidth(QStringLiteral("ab\r\nlang")), 2.0);
    EXPECT_DOUBLE_EQ(d.TextHeight(QStringLiteral("ab\r\nlang")), 2.0);
    EXPECT_DOUBLE_EQ(d.TextHeight(QStringLiteral("Ay")), 1.0);
}

TEST(Drucker, OrientationTurnsThePage) {
    AufnahmeDrucker d = InZentimetern();
    ASSERT_TRUE(d.setOrientation(Ausrichtung::Querformat));
    EXPECT_DOUBLE_EQ(d.ScaleWidth(), 27.7);
    EXPECT_DOUBLE_EQ(d.ScaleHeight(), 19.0);
    EXPECT_FALSE(d.setOrientation(3));
    EXPECT_EQ(d.Orientation(), Ausrichtung::Querformat);
    ASSERT_TRUE(d.Print(QStringLiteral("quer")));
    EXPECT_EQ(d.dokumente.at(0).seiten.at(0).ausrichtung, Ausrichtung::Querformat);
}

TEST(Drucker, TextPastTheBottomGoesOnOnANewPage) {
    AufnahmeDrucker d = InZentimetern();
    // 27.7 cm hold 55 lines of 0.5 cm; the 56th starts the next page.
    QString text;
    for (int i = 1; i <= 60; ++i) {
        text += QStringLiteral("Zeile %1\r\n").arg(i);
    }
    ASSERT_TRUE(d.Print(text));
    ASSERT_EQ(d.dokumente.size(), 1u);
    const auto& seiten = d.dokumente[0].seiten;
    ASSERT_EQ(seiten.size(), 2u);
    EXPECT_EQ(seiten[0].texte().size(), 55);
    EXPECT_EQ(seiten[0].texte().last(), QStringLiteral("Zeile 55"));
    EXPECT_EQ(seiten[1].texte().first(), QStringLiteral("Zeile 56"));
    EXPECT_DOUBLE_EQ(seiten[1].stuecke.front().y, 0.0);
    EXPECT_DOUBLE_EQ(seiten[1].stuecke.back().y, 2.0);
}

TEST(Drucker, AFreshPageTakesALowTextAtItsTopWithoutAnEmptySheet) {
    AufnahmeDrucker d = InZentimetern();
    d.setCurrentY(40.0);
    ASSERT_TRUE(d.Print(QStringLiteral("unten")));
    ASSERT_EQ(d.dokumente.at(0).seiten.size(), 1u);
    EXPECT_DOUBLE_EQ(d.dokumente[0].seiten[0].stuecke.at(0).y, 0.0);
    // A line that just fits stays on its page.
    d.setCurrentY(27.2);
    ASSERT_TRUE(d.Print(QStringLiteral("passt")));
    EXPECT_EQ(d.dokumente[0].seiten.size(), 1u);
}

TEST(Drucker, AnEmptyDocumentPrintsNothing) {
    AufnahmeDrucker d = InZentimetern();
    d.setFontName(QStringLiteral("Courier New"));
    ASSERT_TRUE(d.Print(QString()));
    ASSERT_TRUE(d.EndDoc());
    EXPECT_TRUE(d.dokumente.empty());
}

TEST(Drucker, EndDocHandsOverAndTheNextDrawingStartsAgainAtTheTop) {
    AufnahmeDrucker d = InZentimetern();
    ASSERT_TRUE(d.Print(QStringLiteral("erstes")));
    ASSERT_TRUE(d.EndDoc());
    EXPECT_DOUBLE_EQ(d.CurrentY(), 0.0);
    ASSERT_TRUE(d.Line(1.0, 2.0, 3.0, 4.0, 255));
    ASSERT_TRUE(d.PSet(0.5, 0.5, 0));
    ASSERT_TRUE(d.EndDoc());
    ASSERT_EQ(d.dokumente.size(), 2u);
    EXPECT_EQ(d.beendeteDokumente(), 2);
    const auto& stuecke = d.dokumente[1].seiten.at(0).stuecke;
    ASSERT_EQ(stuecke.size(), 2u);
    EXPECT_EQ(stuecke[0].art, DruckStueck::Art::Rahmen);
    EXPECT_DOUBLE_EQ(stuecke[0].breite, 3.0);
    EXPECT_EQ(stuecke[0].farbe, 255);
    EXPECT_EQ(stuecke[1].art, DruckStueck::Art::Punkt);
    EXPECT_TRUE(d.aufrufe.contains(QStringLiteral("Line 1 2 3 4 255")));
}

TEST(Drucker, FontsAreNeverAnError) {
    AufnahmeDrucker d = InZentimetern();
    d.setFontName(QStringLiteral("Gibt Es Nicht"));
    d.setFontBold(true);
    d.setFontItalic(true);
    d.setForeColor(0x0000FF);
    d.setFontName(QString());
    d.setFontSize(0);
    d.setFontSize(-3);
    EXPECT_EQ(d.FontName(), QStringLiteral("Gibt Es Nicht"));
    EXPECT_DOUBLE_EQ(d.FontSize(), 10.0);
    ASSERT_TRUE(d.Print(QStringLiteral("x")));
    const auto& st = d.dokumente.at(0).seiten.at(0).stuecke.at(0);
    EXPECT_TRUE(st.schrift.fett);
    EXPECT_TRUE(st.schrift.kursiv);
    EXPECT_EQ(st.farbe, 0x0000FF);
}

TEST(Drucker, AFailingPrinterFailsTheCallAndKillDocLeavesNoJob) {
    AufnahmeDrucker d = InZentimetern();
    d.naechsterFehler = Fehler(FehlerNr::Druckerfehler);
    Status s = d.Print(QStringLiteral("nichts"));
    ASSERT_FALSE(s);
    EXPECT_EQ(s.fehler().nummer, FehlerNr::Druckerfehler);
    EXPECT_TRUE(d.dokumente.empty());

    ASSERT_TRUE(d.Print(QStringLiteral("halb")));
    d.KillDoc();
    ASSERT_TRUE(d.Print(QStringLiteral("neu")));
    ASSERT_TRUE(d.EndDoc());
    ASSERT_EQ(d.dokumente.size(), 2u);
    EXPECT_TRUE(d.dokumente[0].verworfen);
    EXPECT_FALSE(d.dokumente[0].beendet);
    EXPECT_EQ(d.dokumente[1].seiten.at(0).texte(), QStringList{QStringLiteral("neu")});
}

TEST(Drucker, WithoutAnInstalledSurfaceDrawingFailsAsAMissingPrinter) {
    Drucker* vorher = DruckerSetzen(nullptr);
    Drucker& d = drucker();
    ASSERT_TRUE(d.setScaleMode(Massstab::Zentimeter));
    EXPECT_GT(d.TextWidth(QStringLiteral("abc")), 0.0);
    Status s = d.Print(QStringLiteral("abc"));
    ASSERT_FALSE(s);
    EXPECT_EQ(s.fehler().nummer, FehlerNr::Druckerfehler);
    EXPECT_TRUE(d.EndDoc());
    DruckerSetzen(vorher);
}
