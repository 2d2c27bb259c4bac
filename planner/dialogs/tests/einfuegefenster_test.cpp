#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "planner_dialogs/einfuegefenster.h"
#include "planner_dialogs/fensterverzeichnis.h"
#include "platform/dienste.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::BeimNaechstenModalen;
using test::L;
using test::Taste;

template <typename T>
T* Element(QWidget* fenster, const char* name) {
    T* w = fenster->findChild<T*>(L(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QPushButton* Knopf(QWidget* fenster, const char* name) {
    return Element<QPushButton>(fenster, name);
}

class Einfuegefenster : public ::testing::Test {
protected:
    Einfuegefenster() {
        test::AnwendungSicherstellen();
        EinfuegefensterEintragen(verzeichnis);
        modul().DateiNotizen = notizen();
    }
    QString notizen() const { return umgebung.daten() + L("/Kronel.Txt"); }
    // A book folder with one book of three telephone lines.
    void adressbuch(const char* zeilen =
                        "1\tanna\t\t\t\t\t\t1\r\n1\tbernd\t\t\t\t\t\t2\r\n"
                        "1\tberta\t\t\t\t\t\t3\r\n") {
        const QString ordner = umgebung.daten() + L("/solmika");
        umgebung.schreiben(ordner + L("/Freunde.Dat"), zeilen);
        IniSchreiben({}, L("Solmika"), L("Dir"), ordner);
    }
    // A book of three Maiers, in this German order.
    void maiers() {
        adressbuch(
            "1\tMaier\tOtto\t\t\t\t\t3\r\n1\tMaier\tAnna\t\t\t\t\t1\r\n"
            "1\tMaier\tEva\t\t\t\t\t2\r\n");
    }
    // Opens the book and types "maier": each key searches on from the line
    // shown, so the five keys go Anna, Eva, Otto, Anna, Eva.
    static QLineEdit* maierSuchen(QWidget* w) {
        Taste(w->findChild<QListWidget*>(L("ListeAdr")), Qt::Key_Down);
        Taste(w->findChild<QListWidget*>(L("ListeAdr")), Qt::Key_Return);
        auto* suche = w->findChild<QLineEdit*>(L("TxtSuche"));
        test::Tippen(suche, L("maier"));
        EXPECT_EQ(w->findChild<QListWidget*>(L("Liste"))->currentItem()->text(),
                  L("Maier, Eva - 2"));
        w->activateWindow();  // the mnemonic is a shortcut of the active window
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        return suche;
    }
    static void loslassen(QWidget* w, int taste, Qt::KeyboardModifiers mod) {
        QKeyEvent los(QEvent::KeyRelease, taste, mod);
        QApplication::sendEvent(w, &los);
    }

    test::TestUmgebung umgebung;
    FensterVerzeichnis verzeichnis;
};

}  // namespace

TEST_F(Einfuegefenster, SonderzeichenSammelnUndUebergeben) {
    bool geprueft = false;
    BeimNaechstenModalen([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), L("Sonderzeichen einfügen"));
        auto* satz = Element<QComboBox>(w, "ComboSatz");
        auto* liste = Element<QListWidget>(w, "Liste");
        auto* text = Element<QLineEdit>(w, "Text");
        EXPECT_EQ(satz->currentText(), L("Alle"));
        EXPECT_EQ(liste->count(), 224);
        EXPECT_EQ(liste->font().family(), L("Arial"));  // the appointment list's font
        Taste(liste, Qt::Key_Space);                    // the blank, the selection stays
        EXPECT_EQ(text->text(), L(" "));
        EXPECT_EQ(liste->currentRow(), 0);
        satz->setCurrentIndex(1);
        EXPECT_EQ(liste->count(), 7);
        liste->setCurrentRow(6);
        Taste(liste, Qt::Key_Return);
        Knopf(w, "befKopieren")->click();
        EXPECT_EQ(text->text(), L(" ßß"));  // another set keeps the text
        geprueft = true;
        Knopf(w, "befOk")->click();
    });
    EXPECT_EQ(verzeichnis.Sonderzeichen({L("Arial;12;0;0;0;0;")}).Text, L(" ßß"));
    EXPECT_TRUE(geprueft);

    BeimNaechstenModalen([&](QWidget* w) {
        Element<QLineEdit>(w, "Text")->setText(L("x"));
        w->close();  // the close box: nothing
    });
    EXPECT_EQ(verzeichnis.Sonderzeichen({}).Text, QString());
}

TEST_F(Einfuegefenster, NotizenAufnehmenLoeschenUndEinfuegen) {
    umgebung.schreiben(notizen(), "Zebra\r\n");
    BeimNaechstenModalen([&](QWidget* w) {
        auto* liste = Element<QListWidget>(w, "Liste");
        auto* text = Element<QLineEdit>(w, "Text");
        auto* loeschen = Knopf(w, "BefLöschen");
        EXPECT_EQ(w->focusWidget(), liste);
        EXPECT_FALSE(Element<QListWidget>(w, "ListeAdr")->isVisible());
        // no books: the window says where their folder is set
        auto* hinweis = Element<QLabel>(w, "bezHinweis");
        EXPECT_TRUE(hinweis->isVisible());
        EXPECT_TRUE(hinweis->text().contains(L("»Dir« im Abschnitt »Solmika«")));
        EXPECT_FALSE(Knopf(w, "BefAufnehmen")->isEnabled());
        Taste(text, Qt::Key_Return);  // empty: nothing added
        EXPECT_EQ(liste->count(), 1);
        test::Tippen(text, L("Äpfel"));
        Taste(text, Qt::Key_Return);
        EXPECT_EQ(liste->count(), 2);
        EXPECT_EQ(liste->currentItem()->text(), L("Äpfel"));
        EXPECT_EQ(Element<QLabel>(w, "BezPosi")->text(), L("1/2"));
        // the buttons follow the selection at once, not only by the timer
        liste->setCurrentRow(-1);
        EXPECT_FALSE(loeschen->isEnabled());
        EXPECT_FALSE(Knopf(w, "BefEinfügen")->isEnabled());
        // Ctrl+click takes the selection away but leaves the current line
        liste->setCurrentRow(1);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          liste->visualItemRect(liste->item(1)).center());
        EXPECT_FALSE(loeschen->isEnabled());
        EXPECT_FALSE(Knopf(w, "BefEinfügen")->isEnabled());
        liste->setCurrentRow(1);
        loeschen->click();
        EXPECT_EQ(liste->count(), 1);
        Knopf(w, "BefEinfügen")->click();
    });
    EXPECT_EQ(verzeichnis.Notizen({}).BezUebergabe, L("Äpfel"));
    EXPECT_EQ(umgebung.lesen(notizen()), "\xc4pfel\r\n");
}

// Notes another program saved while the window was open are kept when it is
// left; the write fails: its report, then a box naming the kept notes.
TEST_F(Einfuegefenster, NotizenDieNichtGespeichertWerdenKoennen) {
    umgebung.schreiben(notizen(), "alt\r\n");
    umgebung.datentraeger.umbenennenScheitert = true;
    BeimNaechstenModalen([&](QWidget* w) {
        umgebung.schreiben(notizen(), "fremd\r\n");
        test::Tippen(Element<QLineEdit>(w, "Text"), L("neu"));
        Knopf(w, "BefAufnehmen")->click();
        Knopf(w, "BefEinfügen")->click();
    });
    EXPECT_EQ(verzeichnis.Notizen({}).BezUebergabe, L("neu"));  // handed over all the same
    EXPECT_EQ(umgebung.lesen(notizen()), "fremd\r\n");
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_TRUE(
        umgebung.meldungen.boxen[1].text.endsWith(notizen() + L(".20261209-093000« erhalten.")));
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(
        L("Die Notizen konnten nicht gespeichert werden:\r\n\r\n")));
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(notizen()));
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Notizen"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::OK + Box::Ausrufezeichen);
}

// A notes file that cannot be read is named with its reason before the window
// shows, not seeded; a note typed there is handed over, and leaving says it is
// not saved.
TEST_F(Einfuegefenster, UnlesbareNotizenWerdenBeimOeffnenGenannt) {
    umgebung.schreiben(umgebung.programm() + L("/Kuerzel.lst"), "mfg\tGruss\r\n");
    QDir().mkpath(notizen());
    size_t beimOeffnen = 0;
    BeimNaechstenModalen([&](QWidget* w) {
        beimOeffnen = umgebung.meldungen.boxen.size();
        EXPECT_EQ(Element<QListWidget>(w, "Liste")->count(), 0);
        test::Tippen(Element<QLineEdit>(w, "Text"), L("neu"));
        Knopf(w, "BefAufnehmen")->click();
        Knopf(w, "BefEinfügen")->click();
    });
    EXPECT_EQ(verzeichnis.Notizen({}).BezUebergabe, L("neu"));
    EXPECT_EQ(beimOeffnen, 1u);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    const test::Box& b = umgebung.meldungen.boxen[0];
    EXPECT_EQ(b.titel, L("Notizen"));
    EXPECT_EQ(b.stil, Box::OK + Box::Ausrufezeichen);
    EXPECT_TRUE(b.text.startsWith(L("Die Notizen »") + notizen() +
                                  L("« können nicht gelesen werden:\r\n\r\n")));
    EXPECT_TRUE(b.text.contains(L("»") + notizen() + L("« ist ein Ordner, keine Datei")));
    EXPECT_TRUE(umgebung.meldungen.boxen[1].text.contains(
        L("»") + notizen() + L("« konnte beim Öffnen nicht gelesen werden")));
    EXPECT_TRUE(QFileInfo(notizen()).isDir());
}

TEST_F(Einfuegefenster, EinFehlerImHandlerWirdGemeldetUndDasFensterBleibt) {
    // Enter in the book list saves the notes first; what fails under it comes
    // back as a report, and the window goes on.
    adressbuch();
    umgebung.schreiben(notizen(), "alt\r\n");
    umgebung.datentraeger.umbenennenScheitert = true;
    bool geworfen = false;
    umgebung.meldungen.beiBox = [&] {
        if (!geworfen) {
            geworfen = true;
            throw std::runtime_error("kaputt");
        }
    };
    bool offen = false;
    BeimNaechstenModalen([&](QWidget* w) {
        auto* buecher = Element<QListWidget>(w, "ListeAdr");
        buecher->setCurrentRow(0);
        Taste(buecher, Qt::Key_Return);
        offen = w->isVisible();
        Knopf(w, "BefAbbruch")->click();
    });
    EXPECT_EQ(verzeichnis.Notizen({}).BezUebergabe, QString());
    EXPECT_TRUE(offen);
    ASSERT_GE(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_TRUE(umgebung.meldungen.boxen[1].text.startsWith(L("Notizen_eventFilter\r\nkaputt")));
}

TEST_F(Einfuegefenster, AdressmodusSpeichertErstDieNotizen) {
    adressbuch();
    umgebung.schreiben(notizen(), "alt\r\n");
    BeimNaechstenModalen([&](QWidget* w) {
        auto* liste = Element<QListWidget>(w, "Liste");
        auto* buecher = Element<QListWidget>(w, "ListeAdr");
        auto* einfuegen = Knopf(w, "BefEinfügen");
        ASSERT_TRUE(buecher->isVisible());
        EXPECT_TRUE(Element<QLabel>(w, "bezListeAdr")->isVisible());
        EXPECT_FALSE(Element<QLabel>(w, "bezHinweis")->isVisible());
        test::Tippen(Element<QLineEdit>(w, "Text"), L("neu"));
        Knopf(w, "BefAufnehmen")->click();
        buecher->setCurrentRow(-1);
        Taste(buecher, Qt::Key_Return);  // no book chosen: nothing
        EXPECT_EQ(liste->count(), 2);
        buecher->setCurrentRow(0);
        Taste(buecher, Qt::Key_Return);
        EXPECT_EQ(umgebung.lesen(notizen()), "alt\r\nneu\r\n");
        EXPECT_EQ(liste->count(), 3);
        EXPECT_EQ(Element<QLabel>(w, "BezPosi")->text(), L("Suchtext"));
        EXPECT_FALSE(Knopf(w, "BefAufnehmen")->isEnabled());
        EXPECT_FALSE(Knopf(w, "BefLöschen")->isEnabled());
        EXPECT_FALSE(einfuegen->isEnabled());  // no address selected yet
        auto* suche = Element<QLineEdit>(w, "TxtSuche");
        EXPECT_EQ(w->focusWidget(), suche);
        test::Tippen(suche, L("B"));
        EXPECT_EQ(liste->currentItem()->text(), L("bernd - 2"));
        EXPECT_TRUE(einfuegen->isEnabled());
        test::Tippen(suche, L("e"));  // each key searches on from the selected line
        EXPECT_EQ(liste->currentItem()->text(), L("berta - 3"));
        einfuegen->click();
    });
    EXPECT_EQ(verzeichnis.Notizen({}).BezUebergabe, L("berta - 3"));
    EXPECT_EQ(umgebung.lesen(notizen()), "alt\r\nneu\r\n");
}

// Alt+E clicks "&Einfügen" a moment later; letting go of E and Alt in the
// search field comes before that click and must not search on.
TEST_F(Einfuegefenster, AltEFuegtDieGezeigteAdresseEin) {
    maiers();
    BeimNaechstenModalen([&](QWidget* w) {
        QLineEdit* suche = maierSuchen(w);
        QTest::keyPress(suche, Qt::Key_E, Qt::AltModifier);
        loslassen(suche, Qt::Key_E, Qt::AltModifier);  // Alt still held
    });
    EXPECT_EQ(verzeichnis.Notizen({}).BezUebergabe, L("Maier, Eva - 2"));

    BeimNaechstenModalen([&](QWidget* w) {
        QLineEdit* suche = maierSuchen(w);
        auto* liste = w->findChild<QListWidget*>(L("Liste"));
        Taste(suche, Qt::Key_Return);  // Enter searches on
        EXPECT_EQ(liste->currentItem()->text(), L("Maier, Otto - 3"));
        Taste(suche, Qt::Key_Shift, {}, Qt::ShiftModifier);
        Taste(suche, Qt::Key_A, {}, Qt::ControlModifier);
        QTest::keyPress(suche, Qt::Key_E, Qt::AltModifier);
        loslassen(suche, Qt::Key_Alt, Qt::AltModifier);  // Alt let go first, then E
        loslassen(suche, Qt::Key_E, Qt::NoModifier);
    });
    EXPECT_EQ(verzeichnis.Notizen({}).BezUebergabe, L("Maier, Otto - 3"));
}
