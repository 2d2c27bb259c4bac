#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "planner/druckquelle.h"
#include "planner_dialogs/druckenblatt.h"
#include "planner_testsupport/fakes.h"
#include "platform/befehlszeile.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

struct StationsQuelle final : DruckQuelle {
    QStringList ListeTermine() const override { return {}; }
    SchriftWerte ListeAnzeigeSchrift() const override { return {L("Arial"), 8}; }
    QStringList Stationen() const override { return {L("Alle"), L("Büro"), L("Haus")}; }
};

class BlattFenster : public ::testing::Test {
protected:
    BlattFenster() {
        test::AnwendungSicherstellen();
        modul().VersionText = L("8.010090");
    }
    test::TestUmgebung umgebung;  // today 09.12.2026
    test::SkriptFenster fenster;
    StationsQuelle quelle;
};

}  // namespace

TEST_F(BlattFenster, FrischeVorgabenUndAbbrechenSpeichert) {
    DruckenBlatt d(nullptr, fenster, &quelle);
    EXPECT_EQ(d.windowTitle(), L("Kalenderblatt drucken"));
    EXPECT_EQ(d.kombiAdresse->currentText(), L("Alle"));
    EXPECT_EQ(d.kombiAdresse->count(), 3);
    EXPECT_EQ(d.TDruckenAnzahl->value(), 1);
    EXPECT_EQ(d.BezDruckenAnzahl->text(), L("1 Kopie"));
    EXPECT_EQ(d.BezAnzMon->text(), L("1 Monat"));
    EXPECT_TRUE(d.strgPrnQuer->isChecked());
    EXPECT_TRUE(d.strgPrnSW->isChecked());
    EXPECT_EQ(d.kombiFontSize0->currentText(), L("9"));
    EXPECT_EQ(d.kombiFontSize1->currentText(), L("7"));
    EXPECT_EQ(d.findChild<QLabel*>(L("Bezeichnung2"))->text(), L("Schriftgröße Text"));
    EXPECT_EQ(d.TDruckenAb->text(), L("01.12.2026"));
    d.TDruckenAnzahl->setValue(2);
    d.LaufAnzMon->setValue(3);
    EXPECT_EQ(d.BezDruckenAnzahl->text(), L("2 Kopien"));
    EXPECT_EQ(d.BezAnzMon->text(), L("3 Monate"));
    d.strgPrnSW->setChecked(false);
    d.kombiFontSize1->setCurrentIndex(0);
    d.kombiAdresse->setEditText(L(" Büro"));
    d.BefAbbruch->click();
    EXPECT_EQ(IniLesen({}, {}, L("DruckenAnzahl")), L("2"));
    EXPECT_EQ(IniLesen({}, {}, L("KalenderBlattSW")), L("0"));
    EXPECT_EQ(IniLesen({}, {}, L("KalenderBlattQuer")), L("1"));
    EXPECT_EQ(IniLesen({}, {}, L("KalenderBlattFuer")), L("Büro"));
    EXPECT_EQ(IniLesen({}, {}, L("DruckenMonFntSz1")), L("9"));
    EXPECT_EQ(IniLesen({}, {}, L("DruckenMonFntSz2")), L("3"));
    EXPECT_TRUE(umgebung.drucker.dokumente.empty());
}

TEST_F(BlattFenster, MonatZurueckUndVorUndAusDemKalender) {
    umgebung.uhr.setzen(QDateTime(QDate(2026, 1, 20), QTime(8, 0)));
    DruckenBlatt d(nullptr, fenster, &quelle);
    d.befSwitch_Click(0);
    EXPECT_EQ(d.TDruckenAb->text(), L("01.12.2025"));
    d.befSwitch_Click(1);
    d.befSwitch_Click(1);
    EXPECT_EQ(d.TDruckenAb->text(), L("01.02.2026"));
    fenster.da << Fenstername::Monatsblatt;
    fenster.monatsblattAntwort.Calendar = QDate(2026, 7, 23);
    d.TDruckenAb_DblClick();
    EXPECT_EQ(fenster.monatsblatt.at(0).Caption, L("Drucken ab Monat/Jahr"));
    EXPECT_EQ(d.TDruckenAb->text(), L("01.07.2026"));
}

TEST_F(BlattFenster, AutoprintDrucktEinmalUndSchliesst) {
    BefehlszeileSetzen({L("/autoprint")});
    IniSchreiben({}, {}, L("DruckenMonFntSz1"), L("13"));  // no box: item "5"
    DruckenBlatt d(nullptr, fenster, &quelle);
    EXPECT_EQ(d.kombiFontSize0->currentText(), L("5"));
    d.exec();
    EXPECT_EQ(umgebung.drucker.beendeteDokumente(), 1);
    EXPECT_EQ(IniLesen({}, {}, L("AutoPrintZuletzt")), L("09.12.2026"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_FALSE(d.ProgressBar->isVisible());
}

// While the sheet prints, pending events run: nothing of the window may start a
// second run or close the window then.
TEST_F(BlattFenster, WaehrendDesDruckensWartetDasFenster) {
    DruckenBlatt d(nullptr, fenster, &quelle);
    d.show();
    int gesehen = 0;
    QTimer::singleShot(0, &d, [&] {
        ++gesehen;
        EXPECT_TRUE(d.druckt());
        for (QWidget* w : std::initializer_list<QWidget*>{d.Frame1, d.Rahmen1, d.Rahmen2, d.befOk,
                                                          d.BefAbbruch}) {
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        }
        d.befOk_Click();
        d.close();
        EXPECT_TRUE(d.isVisible());
    });
    d.befOk_Click();
    EXPECT_EQ(gesehen, 1);
    EXPECT_EQ(umgebung.drucker.beendeteDokumente(), 1);
    EXPECT_FALSE(d.isVisible());
}

TEST_F(BlattFenster, AbbruchLaesstDasFensterOffen) {
    DruckenBlatt d(nullptr, fenster, &quelle);
    d.show();
    umgebung.drucker.naechsterFehler = Fehler(FehlerNr::Druckerfehler);
    umgebung.drucker.fehlerNach = 3;
    umgebung.meldungen.antworten({3});
    d.befOk_Click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.ProgressBar->isVisible());
    EXPECT_TRUE(d.befOk->isEnabled());
    EXPECT_TRUE(umgebung.drucker.dokumente.at(0).verworfen);
    EXPECT_EQ(umgebung.drucker.Orientation(), Ausrichtung::Hochformat);
}

TEST_F(BlattFenster, F1ZeigtDieHilfeZumKalenderblatt) {
    QFile seite(QStringLiteral(KRONEL_PROGRAMMORDNER_BAU) + L("/Kronel.html"));
    ASSERT_TRUE(seite.open(QIODevice::ReadOnly));
    const QByteArray inhalt = seite.readAll();
    EXPECT_TRUE(inhalt.contains("id=\"kontext231\""));
    umgebung.schreiben(umgebung.programm() + L("/Kronel.html"), inhalt);
    DruckenBlatt d(nullptr, fenster, &quelle);
    d.show();
    test::Taste(d.strgPrnSW, Qt::Key_F1);
    ASSERT_FALSE(umgebung.hilfe.aufrufe.isEmpty());
    EXPECT_TRUE(umgebung.hilfe.aufrufe.back().endsWith(L("#kontext231")));
}
