#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/einstellungen.h"
#include "planner_dialogs/fensterverzeichnis.h"
#include "planner_dialogs/monatsblatt.h"
#include "planner_dialogs/suchen.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class SuchenTest : public ::testing::Test {
protected:
    SuchenTest() {
        buch.ListeAnzeige = {L("09.12.2026 Mi: Zahnarzt"), L("15.12.2026 Di: Chorprobe"),
                             L("24.12.2026 Do: Heiligabend")};
        buch.ListIndex = 0;
        IniSchreiben({}, {}, L("Suche"), L("chor;zahn;"));
        SuchenEintragen(verzeichnis, [this]() -> const Terminbuch& { return buch; });
        verzeichnis.besitzerSetzen(&haupt);
    }
    // The window the next showing brings, driven by was.
    SuchenErgebnis zeigen(const SuchenAnfrage& anfrage, std::function<void(Suchen*)> was) {
        test::BeimNaechstenModalen<QDialog>([&, was](QDialog* d) {
            fenster = dynamic_cast<Suchen*>(d);
            if (fenster != nullptr) {
                was(fenster);
            }
        });
        return verzeichnis.Suchen(anfrage);
    }

    bool anwendung_ = (test::AnwendungSicherstellen(), true);
    test::TestUmgebung umgebung;
    Terminbuch buch;
    QWidget haupt;
    FensterVerzeichnis verzeichnis;
    Suchen* fenster = nullptr;
};

}  // namespace

TEST_F(SuchenTest, SuchtBleibtGeladenUndGibtDenFundZurueck) {
    const SuchenErgebnis e = zeigen({}, [](Suchen* s) {
        EXPECT_EQ(s->windowTitle(), L("Terminsuche"));
        EXPECT_EQ(s->KomSuche->count(), 2);
        EXPECT_EQ(s->KomSuche->currentText(), QString());  // empty after the history fill
        EXPECT_TRUE(s->focusWidget() == s->KomSuche || s->focusWidget() == s->KomSuche->lineEdit());
        EXPECT_FALSE(s->BefSuche->isEnabled());
        EXPECT_TRUE(s->OptRichtung[0]->isChecked());
        EXPECT_EQ(s->OptRichtung[1]->text(), L("aufwärts"));
        EXPECT_EQ(s->findChild<QLabel*>(L("Rückgabe"))->text(), L("-1"));
        test::Tippen(s->KomSuche, L("heilig"));
        s->Zeit_Timer();
        EXPECT_TRUE(s->BefSuche->isEnabled());
        s->BefSuche->click();
    });
    EXPECT_EQ(e, (SuchenErgebnis{L("heilig"), L(" 2")}));
    Suchen* erstes = fenster;

    // The next plain showing is the same window; cancelling hands back no
    // find, not the earlier one.
    EXPECT_EQ(zeigen({}, [](Suchen* s) { s->BefAbbruch->click(); }),
              (SuchenErgebnis{L("heilig"), L("-1")}));
    EXPECT_EQ(fenster, erstes);
    EXPECT_EQ(fenster->KomSuche->itemText(0), L("heilig"));
}

TEST_F(SuchenTest, AutoSuchtGenauEinmalNachDemZeigen) {
    // A find hides the window before the user acts.
    bool offen = false;
    SuchenErgebnis e = zeigen({L("chor"), L("auto")}, [&](Suchen*) { offen = true; });
    EXPECT_EQ(e, (SuchenErgebnis{L("chor"), L(" 1")}));
    EXPECT_FALSE(offen);

    // None: one box however often the window paints, and it stays open.
    e = zeigen({L("Friseur"), L("auto")}, [&](Suchen* s) {
        s->repaint();
        QApplication::processEvents();
        s->repaint();
        QApplication::processEvents();
        EXPECT_TRUE(s->isVisible());
        EXPECT_EQ(s->findChild<QLabel*>(L("Rückgabe"))->text(), L("-1"));
        s->close();  // the close box cancels
    });
    EXPECT_EQ(e, (SuchenErgebnis{L("Friseur"), L("-1")}));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("Suche nach »Friseur« war erfolglos."));
}

TEST_F(SuchenTest, EnterSuchtDasGetippteNichtDenVerlauf) {
    IniSchreiben({}, {}, L("Suche"), L("a3;chor;"));
    const SuchenErgebnis e = zeigen({}, [](Suchen* s) {
        test::Tippen(s->KomSuche, L("a"));
        s->Zeit_Timer();
        test::Taste(s->KomSuche, Qt::Key_Return, L("\r"));
        if (s->isVisible()) {
            s->close();  // nothing found
        }
    });
    // "a3" is in no line; "a" is in the third.
    EXPECT_EQ(e, (SuchenErgebnis{L("a"), L(" 2")}));
    EXPECT_EQ(fenster->KomSuche->itemText(0), L("a"));
}

TEST_F(SuchenTest, AutoSuchtNichtInEinemFensterDasSchonWiederZuIst) {
    Suchen s([this]() -> const Terminbuch& { return buch; }, &haupt);
    s.Vorbereiten({L("Friseur"), L("auto")});
    s.show();
    s.hide();  // before its first paint
    QApplication::processEvents();
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_EQ(IniLesen({}, {}, L("Suche")), L("chor;zahn;"));
}

TEST_F(SuchenTest, DatumssucheSetztDenTagAusDemMonatsblatt) {
    const SuchenErgebnis e = zeigen({}, [](Suchen* s) {
        test::BeimNaechstenModalen<QDialog>([](QDialog* d) {
            auto* blatt = dynamic_cast<Monatsblatt*>(d);
            ASSERT_NE(blatt, nullptr);
            EXPECT_EQ(blatt->windowTitle(), L("Nach welchem Datum soll gesucht werden?"));
            EXPECT_EQ(blatt->Calendar->selectedDate(), QDate(2026, 12, 9));
            blatt->Calendar->setSelectedDate(QDate(2026, 12, 24));
            blatt->befOk->click();
        });
        s->BefSucheDatum->click();
        EXPECT_EQ(s->KomSuche->currentText(), L("24.12.2026"));
        s->BefSuche->click();
    });
    EXPECT_EQ(e, (SuchenErgebnis{L("24.12.2026"), L(" 2")}));
}
