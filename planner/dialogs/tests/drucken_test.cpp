#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "common/einstellungen.h"
#include "planner/druckquelle.h"
#include "planner_dialogs/drucken.h"
#include "planner_testsupport/fakes.h"
#include "platform/befehlszeile.h"
#include "testsupport/anwendung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

struct TestQuelle final : DruckQuelle {
    QStringList ListeTermine() const override { return termine; }
    SchriftWerte ListeAnzeigeSchrift() const override { return schrift; }
    QStringList Stationen() const override { return {}; }
    QStringList termine;
    SchriftWerte schrift{L("Courier New"), 12};
};

class DruckenFenster : public ::testing::Test {
protected:
    DruckenFenster() {
        test::AnwendungSicherstellen();
        // one appointment a day over the default three weeks, with note lines
        for (int i = 9; i <= 30; ++i) {
            quelle.termine.append(QStringLiteral("202612%1-   -   -         -   Alle   Termin %1")
                                      .arg(i, 2, 10, QLatin1Char('0')));
        }
    }
    test::TestUmgebung umgebung;  // today 09.12.2026
    test::SkriptFenster fenster;
    TestQuelle quelle;
};

}  // namespace

TEST_F(DruckenFenster, FrischeVorgabenUndBeschriftungen) {
    Drucken d(nullptr, fenster, &quelle);
    EXPECT_EQ(d.windowTitle(), L("Termin-Liste drucken"));
    EXPECT_EQ(d.TDruckenAb->text(), L("09.12.2026"));
    EXPECT_EQ(d.BDruckenBis->text(), L("30.12.2026"));
    EXPECT_EQ(d.KDruckenBis->currentText(), L("3W"));
    EXPECT_EQ(d.KDruckenBis->count(), 5);
    EXPECT_EQ(d.BezDruckenAnzahl->text(), L("1 Kopie"));
    EXPECT_EQ(d.BezDruckenMaxSeiten->text(), L("oder max. 1 Seite"));
    EXPECT_EQ(d.BezDruckenRandLinks->text(), L("10 mm linker Rand"));
    EXPECT_EQ(d.BezDruckenLeerzeilen->text(), L("1 Leerzeile für Notizen pro Tag"));
    d.TDruckenAnzahl->setValue(2);
    d.TDruckenLeerzeilen->setValue(0);
    EXPECT_EQ(d.BezDruckenAnzahl->text(), L("2 Kopien"));
    EXPECT_EQ(d.BezDruckenLeerzeilen->text(), L("0 Leerzeilen für Notizen pro Tag"));
    d.ODruckenAlleTage->click();
    EXPECT_FALSE(d.TDruckenLeerzeilen->isEnabled());
    EXPECT_TRUE(d.Zeit->isActive());
}

TEST_F(DruckenFenster, LetzterTagAusDemKalender) {
    fenster.da << Fenstername::Monatsblatt;
    fenster.monatsblattAntwort.Calendar = QDate(2026, 12, 15);
    Drucken d(nullptr, fenster, &quelle);
    d.BDruckenBis_Click();
    ASSERT_EQ(fenster.monatsblatt.size(), 1u);
    EXPECT_EQ(fenster.monatsblatt[0].Caption, L("Drucken bis zum"));
    EXPECT_EQ(fenster.monatsblatt[0].Calendar, QDate(2026, 12, 30));
    EXPECT_EQ(d.KDruckenBis->currentText(), L("6T"));
    EXPECT_EQ(d.BDruckenBis->text(), L("15.12.2026"));
}

TEST_F(DruckenFenster, VorschauVerbreitertUndZeigtNeunPunkte) {
    Drucken d(nullptr, fenster, &quelle);
    d.show();
    const int breite = d.width();
    d.BefVorschau_Click();
    EXPECT_TRUE(d.Text->isVisible());
    EXPECT_GE(d.width(), 2 * breite - 1);
    EXPECT_EQ(d.Text->font().pointSizeF(), 9);
    EXPECT_TRUE(d.Text->toPlainText().startsWith(L("09.12.2026 (Mi) Termin 09\n")));
    EXPECT_EQ(IniLesen({}, {}, L("DruckenBis")), L("3W"));
    d.ODruckenAlleTage->click();
    EXPECT_TRUE(d.Text->toPlainText().isEmpty());
}

// The preview shows whole lines of up to 99 characters: the window grows for
// them, up to the width of the screen.
TEST_F(DruckenFenster, VorschauZeigtGanzeZeilen) {
    quelle.termine.append(L("20261210-   -   -         -   Alle   ") + QString(90, u'x'));
    Drucken d(nullptr, fenster, &quelle);
    d.show();
    d.BefVorschau_Click();
    QCoreApplication::processEvents();
    const int bildschirm = d.screen()->availableGeometry().width();
    EXPECT_TRUE(d.Text->horizontalScrollBar()->maximum() == 0 ||
                d.frameGeometry().width() >= bildschirm)
        << d.frameGeometry().width() << " of " << bildschirm;
    EXPECT_LE(d.frameGeometry().width(), bildschirm);
}

// While the copies print, pending events run: nothing of the window may start a
// second printout, change the list or close the window then.
TEST_F(DruckenFenster, WaehrendDesDruckensWartetDasFenster) {
    IniSchreiben({}, {}, L("DruckenAnzahl"), L("2"));
    Drucken d(nullptr, fenster, &quelle);
    d.show();
    int gesehen = 0;
    QTimer::singleShot(0, &d, [&] {
        ++gesehen;
        EXPECT_TRUE(d.druckt());
        EXPECT_FALSE(d.Zeit->isActive());
        EXPECT_FALSE(d.befOk->isEnabled());
        EXPECT_FALSE(d.Rahmen1->isEnabled());
        d.befOk_Click();
        d.ODruckenAlleTage->setChecked(false);
        d.close();
    });
    d.befOk_Click();
    EXPECT_EQ(gesehen, 1);
    // two copies of one page each (the page limit); 12 pt lines of 0.6 cm fill a
    // page after 43 lines
    EXPECT_EQ(umgebung.drucker.beendeteDokumente(), 2);
    EXPECT_EQ(umgebung.drucker.dokumente[1].seiten[0].stuecke.size(), 43u);
    EXPECT_EQ(IniLesen({}, {}, L("AutoPrintZuletzt")), L("09.12.2026"));
    EXPECT_FALSE(d.isVisible());
}

TEST_F(DruckenFenster, AbbruchLaesstDasFensterOffen) {
    Drucken d(nullptr, fenster, &quelle);
    d.show();
    umgebung.drucker.naechsterFehler = Fehler(FehlerNr::Druckerfehler);
    umgebung.drucker.fehlerNach = 5;
    umgebung.meldungen.antworten({3});
    d.befOk_Click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.befOk->text(), L("&Drucken"));
    EXPECT_TRUE(d.befOk->isEnabled());
    EXPECT_TRUE(d.Zeit->isActive());
    EXPECT_TRUE(umgebung.drucker.dokumente.at(0).verworfen);
    EXPECT_TRUE(IniLesen({}, {}, L("AutoPrintZuletzt")).isEmpty());
}

TEST_F(DruckenFenster, AutoprintDrucktBeimErstenZeigenUndSchliesst) {
    BefehlszeileSetzen({L("/AutoPrint")});
    IniSchreiben({}, {}, L("DruckenAnzahl"), L("21"));  // out of range: one copy, no box
    Drucken d(nullptr, fenster, &quelle);
    d.exec();
    EXPECT_EQ(umgebung.drucker.beendeteDokumente(), 1);
    EXPECT_EQ(IniLesen({}, {}, L("AutoPrintZuletzt")), L("09.12.2026"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}
