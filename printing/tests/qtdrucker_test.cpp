#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>

#include "printing/qtdrucker.h"
#include "testsupport/pdf.h"
#include "testsupport/testsupport.h"

using namespace kronel;

namespace {

void App() {
    static int argc = 1;
    static char name[] = "printing_tests";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() == nullptr) {
        new QGuiApplication(argc, argv);  // lives for the whole test program
    }
}

class QtDruckerTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }
    test::TestUmgebung umgebung;
    QTemporaryDir ordner;
};

}  // namespace

TEST_F(QtDruckerTest, PrintsTheTextIntoTheNamedPdf) {
    KRONEL_PDFTOTEXT_NOETIG();
    const QString pfad = ordner.filePath(QStringLiteral("ausgabe.pdf"));
    umgebung.variablen.setzen("KRONEL_DRUCKER_PDF", pfad);
    QtDrucker d;
    ASSERT_TRUE(d.setScaleMode(Massstab::Zentimeter));
    d.setFontName(QStringLiteral("Courier New"));
    d.setFontSize(12);
    // Nothing drawn yet: no file.
    EXPECT_FALSE(QFileInfo::exists(pfad));
    ASSERT_TRUE(d.Print(QStringLiteral("Meldungen für heute\r\n* 09.12.2026 (Mi): Zahnarzt")));
    d.setFontName(QStringLiteral("Eine Schrift, die es nicht gibt"));
    ASSERT_TRUE(d.Print(QStringLiteral("Ende"), false));
    ASSERT_TRUE(d.EndDoc());
    EXPECT_EQ(d.Hinweis(), QStringLiteral("Der Ausdruck wurde als PDF-Datei »") + pfad +
                               QStringLiteral("« gespeichert."));

    const auto text = test::PdfText(pfad);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->contains(QStringLiteral("Meldungen für heute"))) << text->toStdString();
    EXPECT_TRUE(text->contains(QStringLiteral("* 09.12.2026 (Mi): Zahnarzt")));
    EXPECT_TRUE(text->contains(QStringLiteral("Ende")));
    EXPECT_EQ(text->count(QLatin1Char('\f')), 1);
}

TEST_F(QtDruckerTest, ALongTextGoesOnOnFurtherPagesAndEveryDocumentGetsItsOwnFile) {
    KRONEL_PDFTOTEXT_NOETIG();
    const QString pfad = ordner.filePath(QStringLiteral("lang.pdf"));
    umgebung.variablen.setzen("KRONEL_DRUCKER_PDF", pfad);
    QtDrucker d;
    ASSERT_TRUE(d.setScaleMode(Massstab::Zentimeter));
    d.setFontSize(10);
    QString text;
    for (int i = 1; i <= 150; ++i) {
        text += QStringLiteral("Zeile %1\r\n").arg(i);
    }
    ASSERT_TRUE(d.Print(text));
    ASSERT_TRUE(d.EndDoc());
    ASSERT_TRUE(d.Print(QStringLiteral("Zweites Dokument")));
    ASSERT_TRUE(d.EndDoc());

    const auto erstes = test::PdfText(pfad);
    ASSERT_TRUE(erstes);
    const int jeSeite =
        static_cast<int>(std::floor(d.ScaleHeight() / d.TextHeight(QStringLiteral("Ay"))));
    ASSERT_GT(jeSeite, 10);
    EXPECT_EQ(erstes->count(QLatin1Char('\f')), (150 + jeSeite - 1) / jeSeite);
    for (int i : {1, jeSeite, jeSeite + 1, 150}) {
        EXPECT_TRUE(erstes->contains(QStringLiteral("Zeile %1\n").arg(i))) << i;
    }
    const auto zweites = test::PdfText(ordner.filePath(QStringLiteral("lang-2.pdf")));
    ASSERT_TRUE(zweites);
    EXPECT_TRUE(zweites->contains(QStringLiteral("Zweites Dokument")));
    EXPECT_FALSE(erstes->contains(QStringLiteral("Zweites Dokument")));
}

TEST_F(QtDruckerTest, AnEmptyOrDiscardedDocumentLeavesNoFile) {
    const QString pfad = ordner.filePath(QStringLiteral("leer.pdf"));
    umgebung.variablen.setzen("KRONEL_DRUCKER_PDF", pfad);
    QtDrucker d;
    ASSERT_TRUE(d.Print(QString()));
    ASSERT_TRUE(d.EndDoc());
    EXPECT_FALSE(QFileInfo::exists(pfad));
    EXPECT_TRUE(d.Hinweis().isEmpty());
    ASSERT_TRUE(d.Print(QStringLiteral("halb fertig")));
    d.KillDoc();
    EXPECT_FALSE(QFileInfo::exists(pfad));
}

TEST_F(QtDruckerTest, MeasuresInCentimetres) {
    umgebung.variablen.setzen("KRONEL_DRUCKER_PDF", ordner.filePath(QStringLiteral("mass.pdf")));
    QtDrucker d;
    ASSERT_TRUE(d.setScaleMode(Massstab::Zentimeter));
    if (!DruckerEingerichtet()) {
        // The PDF stand-in is A4 with 1 cm margins.
        EXPECT_NEAR(d.ScaleWidth(), 19.0, 1e-6);
        EXPECT_NEAR(d.ScaleHeight(), 27.7, 1e-6);
        ASSERT_TRUE(d.setOrientation(Ausrichtung::Querformat));
        EXPECT_NEAR(d.ScaleWidth(), 27.7, 1e-6);
        ASSERT_TRUE(d.setOrientation(Ausrichtung::Hochformat));
    }
    d.setFontName(QStringLiteral("Courier New"));
    d.setFontSize(12);
    const QFontInfo info(DruckSchrift({QStringLiteral("Courier New"), 12}));
    if (info.family().contains(QStringLiteral("Liberation Mono"))) {
        // A character of this font is 0.6 em wide: 7.2 pt, that is 0.254 cm at 12 pt.
        EXPECT_NEAR(d.TextWidth(QStringLiteral("MMMM")), 1.016, 0.01);
    }
    const double breite = d.TextWidth(QStringLiteral("MMMM"));
    ASSERT_TRUE(d.setScaleMode(Massstab::Millimeter));
    EXPECT_NEAR(d.TextWidth(QStringLiteral("MMMM")), breite * 10.0, 1e-9);
}

TEST_F(QtDruckerTest, WithoutAPrinterAPdfGoesToTheDocumentsFolder) {
    if (DruckerEingerichtet()) {
        GTEST_SKIP() << "ein Drucker ist eingerichtet";
    }
    KRONEL_PDFTOTEXT_NOETIG();
    umgebung.variablen.loeschen("KRONEL_DRUCKER_PDF");
    umgebung.variablen.setzen("HOME", ordner.path());
    umgebung.variablen.setzen("XDG_CONFIG_HOME", ordner.filePath(QStringLiteral(".config")));
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(dokumente.startsWith(ordner.path())) << dokumente.toStdString();
    QtDrucker d;
    ASSERT_TRUE(d.Print(QStringLiteral("ohne Drucker")));
    ASSERT_TRUE(d.EndDoc());
    // The name carries the time of the fake clock: 9.12.2026 9:30:00.
    const QString pfad = dokumente + QStringLiteral("/Kronel-Ausdruck-20261209-093000.pdf");
    EXPECT_TRUE(d.Hinweis().contains(pfad)) << d.Hinweis().toStdString();
    const auto text = test::PdfText(pfad);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->contains(QStringLiteral("ohne Drucker")));
}
