#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

#include "common/einstellungen.h"
#include "planner_testsupport/fakes.h"
#include "planner_ui/main.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

const char* const kMitFenster[] = {"PulNotizEinfg", "PulSonderzeichenEinfg", "PulPrgStartEinfg",
                                   "Notiz"};
const char* const kOhneFenster[] = {"mnuTerminVorschauen", "PulFormelDiffEinfg",
                                    "PulFormelDiffAtEinfg", "mnuZyklusZählerEing", "mnuWizardGeb"};

struct Planerfenster {
    explicit Planerfenster(test::SkriptFenster& nebenfenster) : main(nebenfenster) {
        EXPECT_TRUE(main.Starten());
    }
    ~Planerfenster() {
        if (!main.planer().Beendet()) {
            main.Aktion(L("PulBeenden"))->trigger();
        }
    }
    Main main;
};

class MainEinfuegen : public ::testing::Test {
protected:
    MainEinfuegen() {
        test::AnwendungSicherstellen();
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"),
                           "..Kronelin 8.010000\r\n"
                           "20261215-   -   -         -   Alle   Chorprobe\r\n");
    }
    test::TestUmgebung umgebung;
    test::SkriptFenster nebenfenster;
};

// Main shown and active, and each scripted side window shown modally over it:
// it takes the focus away and gives it back, as a real one does.
struct AktivesPlanerfenster : Planerfenster {
    explicit AktivesPlanerfenster(test::SkriptFenster& nebenfenster)
        : Planerfenster(nebenfenster), nebenfenster_(nebenfenster) {
        nebenfenster.beimZeigen = [this](Fenstername) {
            QDialog modal(&main);
            test::BeimNaechstenModalen<QDialog>([](QDialog* d) { d->accept(); });
            modal.exec();
            main.activateWindow();  // what the window manager does
            EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
        };
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
    }
    ~AktivesPlanerfenster() { nebenfenster_.beimZeigen = nullptr; }
    // Keys where the keyboard goes: an open menu, else the focus; then what
    // they set going.
    QWidget* ziel() {
        QWidget* w = QApplication::activePopupWidget();
        w = w != nullptr ? w : QApplication::focusWidget();
        return w != nullptr ? w : &main;
    }
    void tasten(const QString& text) {
        test::Tippen(ziel(), text);
        QApplication::processEvents();
    }
    void taste(Qt::Key taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(ziel(), taste, mod);
        QApplication::processEvents();
    }
    void marke(int position) {
        QTextCursor c = main.STMeldung->textCursor();
        c.setPosition(position);
        main.STMeldung->setTextCursor(c);
    }
    QString meldung() const { return main.STMeldung->toPlainText(); }
    int markeJetzt() const { return main.STMeldung->textCursor().position(); }
    bool markiert() const { return main.STMeldung->textCursor().hasSelection(); }
    test::SkriptFenster& nebenfenster_;
};

}  // namespace

TEST_F(MainEinfuegen, BefehleFreiMitIhrenFenstern) {
    {
        Planerfenster f(nebenfenster);
        for (const char* name : kOhneFenster) {
            EXPECT_TRUE(f.main.Aktion(L(name))->isEnabled()) << name;
        }
        for (const char* name : kMitFenster) {
            EXPECT_FALSE(f.main.Aktion(L(name))->isEnabled()) << name;
        }
    }
    nebenfenster.da << Fenstername::Notizen << Fenstername::Sonderzeichen << Fenstername::StdDialog;
    Planerfenster f(nebenfenster);
    for (const char* name : kMitFenster) {
        EXPECT_TRUE(f.main.Aktion(L(name))->isEnabled()) << name;
    }
    f.main.Aktion(L("Notiz"))->trigger();
    f.main.Aktion(L("PulSonderzeichenEinfg"))->trigger();
    EXPECT_EQ(nebenfenster.gezeigtNamen(), (QStringList{L("Notizen"), L("Sonderzeichen")}));
}

TEST_F(MainEinfuegen, EinfuegenAnDerMarkeUndVorschauPerDoppelklick) {
    Planerfenster f(nebenfenster);
    QTextCursor c = f.main.STMeldung->textCursor();
    c.setPosition(4);
    c.setPosition(9, QTextCursor::KeepAnchor);  // "probe"
    f.main.STMeldung->setTextCursor(c);
    f.main.Aktion(L("PulFormelDiffEinfg"))->trigger();
    EXPECT_EQ(f.main.STMeldung->toPlainText(), L("Chor{Diff:} "));
    EXPECT_EQ(f.main.STMeldung->textCursor().position(), 12);
    EXPECT_TRUE(f.main.planer().buch.ListeTermine[0].endsWith(L("Chor{Diff:}")));

    f.main.show();
    QListWidget* liste = f.main.ListeAnzeige;
    const QRect zeile = liste->visualItemRect(liste->item(0));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Kronel-Terminvorschau 15.12.2026"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("Chor6 Tage "));
}

TEST_F(MainEinfuegen, EinfuegungAusDemMenueAmCursorOhneMarkierung) {
    AktivesPlanerfenster f(nebenfenster);
    f.main.STMeldung->setFocus(Qt::MouseFocusReason);
    f.marke(9);
    f.tasten(L(" Wichtiger Text "));
    // Bearbeiten > Einfügen > Datum-Differenz through the menu's own keys.
    f.taste(Qt::Key_B, Qt::AltModifier);
    f.taste(Qt::Key_E);
    f.taste(Qt::Key_D);
    EXPECT_EQ(f.markeJetzt(), 33);
    EXPECT_FALSE(f.markiert());
    f.tasten(L("01.01.2027"));
    EXPECT_EQ(f.meldung(), L("Chorprobe Wichtiger Text {Diff:} 01.01.2027"));
    EXPECT_TRUE(f.main.planer().buch.ListeTermine[0].endsWith(f.meldung()));

    // From another field the text goes in at the caret the message kept.
    f.marke(4);
    f.main.SKVon->setFocus(Qt::MouseFocusReason);
    f.main.Aktion(L("mnuZyklusZählerEing"))->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(f.main.STMeldung->hasFocus());
    EXPECT_TRUE(f.meldung().startsWith(L("Chor{ZyklusZähler:1} probe")));
    EXPECT_EQ(f.markeJetzt(), 21);
    EXPECT_FALSE(f.markiert());
}

TEST_F(MainEinfuegen, EineKombiVerlassenIstKeineWahlAusIhrerListe) {
    // "1W" stands in the list of SKVon, but the box was filled, not chosen.
    umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"),
                       "..Kronelin 8.010000\r\n"
                       "202612151W  -   -         -   Alle   Chorprobe\r\n");
    AktivesPlanerfenster f(nebenfenster);
    f.main.STMeldung->setFocus(Qt::MouseFocusReason);
    f.marke(9);
    f.main.SKVon->setFocus(Qt::MouseFocusReason);
    // The insertion takes the focus out of the box; the message keeps its
    // trailing blank and the caret behind it.
    f.taste(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(f.markeJetzt(), 17);
    f.tasten(L("01.01.2027"));
    EXPECT_EQ(f.meldung(), L("Chorprobe{Diff:} 01.01.2027"));
}

TEST_F(MainEinfuegen, NachNotizUndZoomStehtDieMarkeHinterDemText) {
    nebenfenster.da << Fenstername::Notizen << Fenstername::ZoomText;
    nebenfenster.notizenAntwort.BezUebergabe = L("Arzt ");
    nebenfenster.zoomTextAntwort = {0, L("Chorprobe im Saal")};
    AktivesPlanerfenster f(nebenfenster);
    f.main.STMeldung->setFocus(Qt::MouseFocusReason);
    f.marke(4);
    f.taste(Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(f.meldung(), L("ChorArzt probe"));
    EXPECT_EQ(f.markeJetzt(), 9);
    EXPECT_FALSE(f.markiert());

    f.taste(Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(nebenfenster.gezeigtNamen(), (QStringList{L("Notizen"), L("ZoomText")}));
    EXPECT_FALSE(f.markiert());
    f.tasten(L("!"));
    EXPECT_EQ(f.meldung(), L("Chorprobe im Saal!"));
}

TEST_F(MainEinfuegen, ZoomBehaeltDieUeberlangeMeldungAusDerDatei) {
    // 1 100 characters in the file: more than typing could put in the field.
    const QString lang = L("Anfang ") + QString(1093, u'x');
    umgebung.schreiben(
        umgebung.daten() + L("/Kronel.PlD"),
        "..Kronelin 8.010000\r\n20261215-   -   -         -   Alle   " + lang.toLatin1() + "\r\n");
    nebenfenster.da << Fenstername::ZoomText;
    nebenfenster.zoomTextAntwort = {0, QString(lang).remove(0, 1)};  // "A" deleted
    AktivesPlanerfenster f(nebenfenster);
    ASSERT_EQ(f.meldung(), lang);
    f.main.STMeldung->setFocus(Qt::MouseFocusReason);
    f.taste(Qt::Key_F2, Qt::ControlModifier);
    ASSERT_EQ(nebenfenster.gezeigtNamen(), QStringList{L("ZoomText")});
    EXPECT_EQ(f.meldung(), QString(lang).remove(0, 1));
    EXPECT_TRUE(f.main.planer().buch.ListeTermine.last().endsWith(L("Alle   ") + lang.mid(1)));
    EXPECT_EQ(f.markeJetzt(), 1099);
}

TEST_F(MainEinfuegen, NeuerTerminNachDemDatumNimmtNurDasGetippte) {
    nebenfenster.da << Fenstername::Monatsblatt;
    nebenfenster.monatsblattAntwort.Calendar = QDate(2026, 12, 24);
    AktivesPlanerfenster f(nebenfenster);
    f.main.ListeAnzeige->setFocus();
    f.taste(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(nebenfenster.gezeigtNamen(), QStringList{L("Monatsblatt")});
    EXPECT_TRUE(f.main.STMeldung->hasFocus());
    f.tasten(L("Zahnarzt"));
    EXPECT_EQ(f.main.planer().buch.ListeTermine.last(),
              L("202612241T  -   -         -   Alle   Zahnarzt"));
}

TEST_F(MainEinfuegen, KlickLaesstDieMarkeTabMarkiertAlles) {
    AktivesPlanerfenster f(nebenfenster);
    f.main.ListeAnzeige->setFocus();
    QTextCursor c = f.main.STMeldung->textCursor();
    c.setPosition(4);
    QTest::mouseClick(f.main.STMeldung->viewport(), Qt::LeftButton, {},
                      f.main.STMeldung->cursorRect(c).center());
    QApplication::processEvents();
    f.tasten(L("X"));
    EXPECT_EQ(f.meldung(), L("ChorXprobe"));

    // Enter walks on as Tab does: into the message with all of it selected.
    f.main.SKFilter->setFocus(Qt::MouseFocusReason);
    f.taste(Qt::Key_Return);
    EXPECT_TRUE(f.main.STMeldung->hasFocus());
    f.tasten(L("Y"));
    EXPECT_EQ(f.meldung(), L("Y"));
}
