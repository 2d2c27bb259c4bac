#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>

#include "common/einstellungen.h"
#include "common/fenster.h"
#include "common/modul.h"
#include "planner_testsupport/fakes.h"
#include "planner_ui/main.h"
#include "platform/befehlszeile.h"
#include "platform/text.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;
using test::Tippen;

QByteArray Beispiel() {
    QFile f(QStringLiteral(KRONEL_QUELLORDNER "/data/beispiel/Kronel.PlD"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

class MainTest : public ::testing::Test {
protected:
    MainTest() {
        test::AnwendungSicherstellen();
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
        umgebung.schreiben(datei(), Beispiel());
    }
    QString datei() const { return umgebung.daten() + L("/Kronel.PlD"); }
    QLabel* panel(const char* name) { return fenster->findChild<QLabel*>(L(name)); }
    void starten() {
        fenster = std::make_unique<Main>(nebenfenster);
        ASSERT_TRUE(fenster->Starten());
    }
    // Shown and laid out, the status bar's size included.
    void gezeigtStarten() {
        starten();
        fenster->show();
        Ruhe();
    }
    static void Ruhe() {
        for (int i = 0; i < 3; ++i) {  // the status bar's new size, then the layout
            QApplication::processEvents();
        }
    }

    test::TestUmgebung umgebung;
    test::SkriptFenster nebenfenster;
    std::unique_ptr<Main> fenster;
};

}  // namespace

TEST_F(MainTest, ZeigtDieBeispieltermineMitUmlautenUndPassenderSchrift) {
    starten();
    auto* liste = fenster->findChild<QListWidget*>(L("ListeAnzeige"));
    ASSERT_NE(liste, nullptr);
    ASSERT_EQ(liste->count(), 12);
    EXPECT_EQ(liste->currentRow(), 0);
    EXPECT_TRUE(liste->item(0)->text().startsWith(L("09.12.2026 Mi: 14:30 Zahnarzt Dr. Schäfer")));
    EXPECT_TRUE(liste->item(1)->text().contains(L("Steuererklärung")));
    EXPECT_TRUE(liste->item(3)->text().contains(L("Müllabfuhr")));
    EXPECT_TRUE(liste->item(5)->text().contains(L("Heizöl")));
    const QFontMetrics m(liste->font());
    for (const QChar c : L("äöüßÄÖÜ")) {
        EXPECT_TRUE(m.inFont(c)) << int{c.unicode()};
    }
    EXPECT_EQ(fenster->findChild<QLineEdit*>(L("STDatum"))->text(), L("09.12.2026"));
    EXPECT_EQ(fenster->findChild<QPlainTextEdit*>(L("STMeldung"))->toPlainText(),
              L("14:30 Zahnarzt Dr. Schäfer, Hauptstraße 5"));
    EXPECT_EQ(panel("Position")->text(), L(" Termin 1 von 12 "));
    EXPECT_EQ(panel("Status")->text(), L("Bereit"));
    EXPECT_EQ(panel("Datum")->text(), L(" Mittwoch, 9. Dezember 2026, 50. Woche "));
    EXPECT_EQ(panel("Zeit")->text(), L(" 09:30 "));
    EXPECT_EQ(panel("Unsaved")->text(), QString());
    EXPECT_EQ(fenster->findChild<QLabel*>(L("BezIn"))->text(), L("heute\n50. Woche"));
    EXPECT_EQ(fenster->findChild<QLabel*>(L("Bezeichnung(0)"))->text(), L("Am Mittwoch"));
    EXPECT_TRUE(fenster->findChild<QTimer*>(L("Zeit"))->isActive());
    EXPECT_EQ(fenster->findChild<QTimer*>(L("Zeit"))->interval(), 5000);
}

TEST_F(MainTest, TexteDesEditorsUndDerStatusleistePassenBeiDerEntwurfsgroesse) {
    starten();
    fenster->show();
    QApplication::processEvents();
    auto passt = [](QLabel* l, const QString& text) {
        return QFontMetrics(l->font()).horizontalAdvance(text) <= l->contentsRect().width();
    };
    // The longest texts the labels take (Wednesday and Thursday are the widest days).
    EXPECT_TRUE(passt(fenster->Bezeichnung[0], L("Am Donnerstag")));
    EXPECT_TRUE(passt(fenster->Bezeichnung[1], L("melden ab Mi")));
    EXPECT_TRUE(passt(fenster->Bezeichnung[2], L("melden bis Mi")));
    EXPECT_TRUE(passt(fenster->BezIn, L("vor 14,0 Wochen")));
    EXPECT_TRUE(passt(fenster->BezIn, L("in 26,9 Jahren")));
    EXPECT_GE(fenster->BezIn->height(), 2 * QFontMetrics(fenster->BezIn->font()).lineSpacing());
    // The station box shows 7 characters, the filter box 10.
    const int zeichen = QFontMetrics(fenster->SKAdresse->font()).averageCharWidth();
    EXPECT_GE(fenster->SKAdresse->lineEdit()->width(), 7 * zeichen);
    EXPECT_GE(fenster->SKFilter->lineEdit()->width(), 10 * zeichen);
    // Nothing overlaps, and all of it lies inside the frame.
    QList<QWidget*> teile{fenster->STDatum,  fenster->SKVon,    fenster->SKBis, fenster->SKAdresse,
                          fenster->SKZyklus, fenster->SKFilter, fenster->SBVon, fenster->SBBis,
                          fenster->BezIn,    fenster->STMeldung};
    for (QLabel* l : fenster->Bezeichnung) {
        teile << l;
    }
    for (qsizetype i = 0; i < teile.size(); ++i) {
        EXPECT_TRUE(fenster->Rahmen->contentsRect().contains(teile[i]->geometry()))
            << teile[i]->objectName().toStdString();
        for (qsizetype j = i + 1; j < teile.size(); ++j) {
            EXPECT_FALSE(teile[i]->geometry().intersects(teile[j]->geometry()))
                << teile[i]->objectName().toStdString() << " "
                << teile[j]->objectName().toStdString();
        }
    }
    // A long prompt leaves the date panel whole.
    fenster->planer().FeldBetreten(Feld::STDatum);
    QApplication::processEvents();
    EXPECT_TRUE(passt(panel("Datum"), panel("Datum")->text()));
    EXPECT_LE(panel("Zeit")->geometry().right(), fenster->statusBar()->width());
    // The smallest window still shows the whole editor.
    fenster->resize(fenster->minimumSize());
    for (int i = 0; i < 3; ++i) {  // the status bar's new height, then the layout below it
        QApplication::processEvents();
    }
    const QRect innen = fenster->centralWidget()->rect();
    EXPECT_TRUE(innen.contains(fenster->Rahmen->geometry()));
    EXPECT_TRUE(innen.contains(fenster->Rahmen->mapTo(
        fenster->centralWidget(), fenster->SKFilter->geometry().bottomRight())));
}

TEST_F(MainTest, MenuesToolbarUndStatusleiste) {
    starten();
    const struct {
        const char* name;
        const char* text;
        const char* taste;
        bool frei;
    } eintraege[] = {
        {"PulSpeichern", "&Speichern", "Ctrl+S", true},
        {"PulDruckenListe", "Termin-&Liste...", "Ctrl+P", false},
        {"mnuDruckenBlatt", "Termin-Kalender&blatt...", "Ctrl+B", false},
        {"PulBeenden", "&Beenden", "", true},
        {"PulBeendenUndSpeichern", "Speichern und Be&enden", "F12", true},
        {"mnuUndo", "&Rückgängig", "Ctrl+Z", false},
        {"PulAusschneiden", "Termin &löschen", "Ctrl+Y", true},
        {"PulFormelDiffEinfg", "&Datum-Differenz", "Shift+F2", true},
        {"PulSuchenWdhg", "Suche &wiederholen", "F3", false},
        {"PulOrdneDatum", "&Datum", "Ctrl+F4", true},
        {"PulInfo", "&Info...", "", true},
        {"mnuRuvano", "Ruvano", "", false},
    };
    for (const auto& e : eintraege) {
        QAction* a = fenster->Aktion(L(e.name));
        ASSERT_NE(a, nullptr) << e.name;
        EXPECT_EQ(a->text(), L(e.text)) << e.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(L(e.taste))) << e.name;
        EXPECT_EQ(a->isEnabled(), e.frei) << e.name;
    }
    auto* toolbar = fenster->findChild<QToolBar*>(L("Toolbar"));
    ASSERT_NE(toolbar, nullptr);
    QStringList schluessel;
    for (QAction* a : toolbar->actions()) {
        schluessel << a->objectName();
    }
    EXPECT_EQ(schluessel, (QStringList{L("Ende"), L("Speichern"), L("Drucken"), L("Ordne01"),
                                       L("OrdneAZ"), L("Suchen"), L("Freizeit"), L("Notiz"),
                                       L("ListeNeu"), L("ListeKopieren"), L("ListeLöschen")}));
    EXPECT_EQ(fenster->Aktion(L("Ende"))->toolTip(), L("Speichern und Ende"));
    EXPECT_EQ(fenster->Aktion(L("Drucken"))->toolTip(), L("Termin-Kalenderblatt drucken"));
    // Every key shows its picture, and all of them fit at the design size: none
    // hides behind the overflow button.
    fenster->show();
    QApplication::processEvents();
    EXPECT_EQ(toolbar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    for (QAction* a : toolbar->actions()) {
        EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
        EXPECT_FALSE(a->toolTip().isEmpty()) << a->objectName().toStdString();
        QWidget* knopf = toolbar->widgetForAction(a);
        ASSERT_NE(knopf, nullptr);
        EXPECT_TRUE(knopf->isVisible()) << a->objectName().toStdString();
        EXPECT_LE(knopf->geometry().right(), toolbar->width()) << a->objectName().toStdString();
    }
    EXPECT_EQ(panel("Position")->toolTip(), L("Position innerhalb der Terminliste"));
    EXPECT_EQ(panel("Unsaved")->toolTip(), L("* für nicht gespeichert"));
}

TEST_F(MainTest, ChoiceListsAreFilledAndWrittenBack) {
    IniSchreiben({}, {}, L("DefAdress"), L("Alle|Hans|Grete|"));
    starten();
    auto eintraege = [&](const char* name) {
        auto* k = fenster->findChild<QComboBox*>(L(name));
        QStringList l;
        for (int i = 0; i < k->count(); ++i) {
            l << k->itemText(i);
        }
        return l;
    };
    EXPECT_EQ(eintraege("SKVon").size(), 16);
    EXPECT_EQ(eintraege("SKBis"), eintraege("SKVon"));
    EXPECT_EQ(eintraege("SKZyklus").size(), 10);
    EXPECT_EQ(eintraege("SKFilter").size(), 25);
    EXPECT_EQ(eintraege("SKAdresse"), (QStringList{L("Alle"), L("Hans"), L("Grete")}));
    for (const char* k : {"DefVonBis", "DefZyklen", "DefFilter"}) {
        EXPECT_FALSE(IniLesen({}, {}, L(k)).isEmpty()) << k;
    }
    // The start has written the list already: the end writes the one it shows.
    fenster->AuswahlFuellen(Auswahl::Adress, {L("Alle"), L("Hans"), L("Grete"), L("Otto")});
    fenster->close();
    EXPECT_EQ(IniLesen({}, {}, L("DefAdress")), L("Alle|Hans|Grete|Otto|"));
}

TEST_F(MainTest, TippenUebernimmtInTerminUndAnzeigeMitMarke) {
    starten();
    auto* liste = fenster->findChild<QListWidget*>(L("ListeAnzeige"));
    auto* bis = fenster->findChild<QComboBox*>(L("SKBis"));
    bis->lineEdit()->clear();
    QTest::keyClicks(bis->lineEdit(), L("2w"));
    EXPECT_EQ(bis->currentText(), L("2W"));
    EXPECT_EQ(Mid(fenster->planer().buch.ListeTermine[0], 13, 4), L("2W  "));

    auto* meldung = fenster->findChild<QPlainTextEdit*>(L("STMeldung"));
    meldung->moveCursor(QTextCursor::End);
    Tippen(meldung, L(" ü"));
    EXPECT_TRUE(liste->item(0)->text().endsWith(L("Hauptstraße 5 ü")));
    EXPECT_EQ(panel("Unsaved")->text(), L(" * "));

    // A date typed and not yet left is taken over by the save
    auto* datum = fenster->findChild<QLineEdit*>(L("STDatum"));
    datum->selectAll();
    QTest::keyClicks(datum, L("1.2.2027"));
    fenster->Aktion(L("PulSpeichern"))->trigger();
    EXPECT_EQ(datum->text(), L("01.02.2027"));
    const QString gespeichert = AusCp1252(umgebung.lesen(datei()));
    EXPECT_TRUE(gespeichert.contains(L("20270201-   2W")));
    EXPECT_TRUE(gespeichert.contains(L("Hauptstraße 5 ü")));
    EXPECT_EQ(IniLesen({}, {}, L("OLneu")), L("1"));

    // The period fields take four characters at most
    QLineEdit* von = fenster->findChild<QComboBox*>(L("SKVon"))->lineEdit();
    von->clear();
    QTest::keyClicks(von, L("12345"));
    EXPECT_EQ(von->text(), L("1234"));
}

TEST_F(MainTest, SchliessenSpeichertUndSchreibtDieFenstereinstellungen) {
    starten();
    const QByteArray vorher = umgebung.lesen(datei());
    auto* meldung = fenster->findChild<QPlainTextEdit*>(L("STMeldung"));
    QTest::keyClicks(meldung, L("x"));
    fenster->close();
    EXPECT_TRUE(fenster->planer().Beendet());
    EXPECT_NE(umgebung.lesen(datei()), vorher);
    EXPECT_EQ(IniLesen({}, {}, L("OLneu")), L("1"));
    EXPECT_FALSE(IniLesen({}, {}, L("KronelinForm_Weite")).isEmpty());
    EXPECT_EQ(IniLesen({}, {}, L("SchriftName")), L("Courier New"));
    EXPECT_EQ(IniLesen({}, {}, L("SchriftHintergrundFarbe")), L("-2147483643"));
}

TEST_F(MainTest, MisslungenesSpeichernHaeltDasFensterBeiNeinOffen) {
    starten();
    fenster->show();
    QTest::keyClicks(fenster->findChild<QPlainTextEdit*>(L("STMeldung")), L("x"));
    modul().DateiTermine = umgebung.daten() + L("/fehlt/Kronel.PlD");
    umgebung.meldungen.antworten({Antwort::Ignorieren, Antwort::Nein});
    EXPECT_FALSE(fenster->close());
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_FALSE(fenster->planer().Beendet());
    umgebung.meldungen.antworten({Antwort::Ignorieren, Antwort::Ja});
    EXPECT_TRUE(fenster->close());
}

TEST_F(MainTest, NurLesenPasstFensterAnUndSchreibtNichts) {
    BefehlszeileSetzen({L("readonly")});
    starten();
    EXPECT_EQ(fenster->windowTitle(), L("Kronelin - nur Leserechte"));
    EXPECT_FALSE(fenster->PulTermin->menuAction()->isVisible());
    EXPECT_FALSE(fenster->Aktion(L("PulSpeichern"))->isEnabled());
    EXPECT_FALSE(fenster->Aktion(L("PulBeendenUndSpeichern"))->isEnabled());
    for (const char* k : {"Speichern", "ListeNeu", "ListeKopieren", "ListeLöschen", "Notiz"}) {
        EXPECT_FALSE(fenster->Aktion(L(k))->isEnabled()) << k;
    }
    EXPECT_TRUE(fenster->Aktion(L("Ende"))->isEnabled());
    EXPECT_EQ(fenster->Aktion(L("Ende"))->toolTip(), L("Beendet das Programm"));
    QTest::keyClicks(fenster->findChild<QPlainTextEdit*>(L("STMeldung")), L("x"));
    fenster->Aktion(L("Ende"))->trigger();
    EXPECT_TRUE(fenster->planer().Beendet());
    EXPECT_EQ(umgebung.lesen(datei()), Beispiel());
    EXPECT_TRUE(IniLesen({}, {}, L("KronelinForm_Weite")).isEmpty());
    EXPECT_TRUE(IniLesen({}, {}, L("SchriftName")).isEmpty());
    EXPECT_FALSE(IniLesen({}, {}, L("DefVonBis")).isEmpty());
}

TEST_F(MainTest, GeheZuMachtDenTerminAktuell) {
    BefehlszeileSetzen({L("/GeheZu:Chorprobe")});
    starten();
    fenster->show();
    QApplication::processEvents();  // the first paint after the show
    auto* liste = fenster->findChild<QListWidget*>(L("ListeAnzeige"));
    EXPECT_EQ(liste->currentRow(), 2);
    EXPECT_EQ(panel("Position")->text(), L(" Termin 3 von 12 "));
    fenster->Aktion(L("PulBeenden"))->trigger();
}

TEST_F(MainTest, ListenschriftUndFarbenAusDenEinstellungen) {
    const std::pair<const char*, const char*> aussehen[] = {
        {"SchriftName", "DejaVu Sans"},
        {"SchriftGröße", "10"},
        {"SchriftFett", "True"},
        {"SchriftKursiv", "True"},
        {"SchriftVordergrundFarbe", "255"},
        {"SchriftHintergrundFarbe", "65535"},
    };
    for (const auto& [schluessel, wert] : aussehen) {
        IniSchreiben({}, {}, L(schluessel), L(wert));
    }
    IniSchreiben({}, {}, L("Lieblingsausdruck"), L("0"));
    starten();
    auto* liste = fenster->findChild<QListWidget*>(L("ListeAnzeige"));
    EXPECT_EQ(liste->font().family(), L("DejaVu Sans"));
    EXPECT_EQ(liste->font().pointSizeF(), 10);
    EXPECT_TRUE(liste->font().bold());
    EXPECT_TRUE(liste->font().italic());
    EXPECT_EQ(liste->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(liste->palette().color(QPalette::Base), QColor(255, 255, 0));
    // The message field takes the whole font, the others the colours only
    auto* meldung = fenster->findChild<QPlainTextEdit*>(L("STMeldung"));
    EXPECT_EQ(meldung->font().family(), L("DejaVu Sans"));
    EXPECT_EQ(meldung->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(fenster->findChild<QLineEdit*>(L("STDatum"))->palette().color(QPalette::Text),
              QColor(255, 0, 0));
    EXPECT_EQ(fenster->Aktion(L("Drucken"))->toolTip(), L("Termin-Liste drucken"));
    // Changed meanwhile: the end writes the look the window shows.
    for (const auto& [schluessel, wert] : aussehen) {
        IniSchreiben({}, {}, L(schluessel), L("0"));
    }
    fenster->Aktion(L("PulBeenden"))->trigger();
    for (const auto& [schluessel, wert] : aussehen) {
        EXPECT_EQ(IniLesen({}, {}, L(schluessel)), L(wert)) << schluessel;
    }
}

TEST_F(MainTest, JederFeldhinweisStehtGanzInDerStatusleisteUeberDerDerEditorEndet) {
    gezeigtStarten();
    QLabel* status = panel("Status");
    EXPECT_TRUE(status->wordWrap());
    const QFontMetrics fm(status->font());
    // The text is shown whole in the panel, the panels after it stay in the
    // window, and list and editor end above the status bar.
    auto zeigt = [&](const QString& text, const char* groesse) {
        fenster->PanelSetzen(Panel::Status, text);
        Ruhe();
        // The label indents a framed text by an "x".
        const QRect platz = status->contentsRect().adjusted(fm.horizontalAdvance(L("x")), 0, 0, 0);
        const QRect gezeigt = fm.boundingRect(platz, Qt::TextWordWrap, status->text());
        EXPECT_TRUE(platz.contains(gezeigt)) << groesse << " " << text.toStdString();
        EXPECT_LE(panel("Zeit")->geometry().right(), fenster->statusBar()->width()) << groesse;
        const QRect rahmen(fenster->Rahmen->mapTo(fenster.get(), QPoint()),
                           fenster->Rahmen->size());
        EXPECT_LE(rahmen.bottom(), fenster->statusBar()->y()) << groesse;
        EXPECT_LT(fenster->ListeAnzeige->geometry().bottom(), fenster->Rahmen->y()) << groesse;
    };
    auto allePassen = [&](const char* groesse) {
        zeigt(L("Bereit"), groesse);
        const int hoehe = fenster->statusBar()->height();
        for (const QString& hinweis : FeldHinweise()) {
            zeigt(hinweis, groesse);
            EXPECT_EQ(status->text(), hinweis);
            EXPECT_EQ(fenster->statusBar()->height(), hoehe) << groesse << hinweis.toStdString();
        }
    };
    allePassen("Entwurf");
    fenster->resize(fenster->minimumSize());
    Ruhe();
    allePassen("klein");
    fenster->Aktion(L("PulBeenden"))->trigger();
}

TEST_F(MainTest, NurDerBenutzerVerschiebtListeUndEditor) {
    gezeigtStarten();
    QLabel* status = panel("Status");
    const QRect liste = fenster->ListeAnzeige->geometry();
    const QRect rahmen = fenster->Rahmen->geometry();
    const QSize groesse = fenster->size();
    const QSize mindestens = fenster->minimumSize();
    const QRect feld = status->geometry();
    auto unverrueckt = [&](const QString& wobei) {
        Ruhe();
        EXPECT_EQ(fenster->ListeAnzeige->geometry(), liste) << wobei.toStdString();
        EXPECT_EQ(fenster->Rahmen->geometry(), rahmen) << wobei.toStdString();
        EXPECT_EQ(fenster->size(), groesse) << wobei.toStdString();
        EXPECT_EQ(fenster->minimumSize(), mindestens) << wobei.toStdString();
        EXPECT_EQ(status->geometry(), feld) << wobei.toStdString();
    };
    // Through the fields.
    for (const QString& hinweis : FeldHinweise()) {
        fenster->PanelSetzen(Panel::Status, hinweis);
        unverrueckt(hinweis);
    }
    // Where a printout went: shortened to the bar, whole in the tooltip.
    const QString pdf =
        L("Der Ausdruck wurde als PDF-Datei "
          "»/home/anna/Dokumente/Kronel-Ausdruck-20261209-093000.pdf« gespeichert.");
    fenster->PanelSetzen(Panel::Status, pdf);
    unverrueckt(pdf);
    // At the design size the file name stays whole: the folder and the words
    // before it give way.
    const QString gezeigt = status->text().remove(QChar(0x200B));
    EXPECT_TRUE(gezeigt.startsWith(L("…"))) << gezeigt.toStdString();
    EXPECT_TRUE(gezeigt.endsWith(L("»…/Kronel-Ausdruck-20261209-093000.pdf« gespeichert.")))
        << gezeigt.toStdString();
    EXPECT_EQ(status->toolTip(), pdf);
    // The count past 9 and past 99, the unsaved mark on and off.
    for (const QString& text :
         {L(" Termin 9 von 9 "), L(" Termin 10 von 10 "), L(" Termin 100 von 100 ")}) {
        fenster->PanelSetzen(Panel::Position, text);
        unverrueckt(text);
    }
    fenster->PanelSetzen(Panel::Unsaved, L(" * "));
    unverrueckt(L("*"));
    fenster->PanelSetzen(Panel::Unsaved, {});
    unverrueckt(L("gespeichert"));
    // A text shown whole has the panel's own tooltip again.
    fenster->PanelSetzen(Panel::Status, FeldHinweise().constFirst());
    EXPECT_EQ(status->toolTip(), L("Allgemeiner Hinweis"));
    // A wide window has room for the words as well.
    fenster->resize(1100, groesse.height());
    Ruhe();
    fenster->PanelSetzen(Panel::Status, pdf);
    EXPECT_TRUE(status->text().remove(QChar(0x200B)).startsWith(L("Der Ausdruck wurde als ")))
        << status->text().toStdString();
    fenster->Aktion(L("PulBeenden"))->trigger();
}

// Without stored sizes the window opens at its least width, centred across
// the screen (1024 pixels wide): the panels' texts filled in by the start do not
// widen it to the right of the centre.
TEST_F(MainTest, ErsterStartMittigInSeinerGanzenBreite) {
    starten();
    const int links = fenster->x();  // placed before it is shown
    fenster->show();
    Ruhe();
    EXPECT_EQ(fenster->width(), fenster->minimumWidth());
    EXPECT_NEAR(links + fenster->width() / 2, 1024 / 2, 1);
    // A longer date later in the run keeps the bar's least width.
    const int mindestens = fenster->minimumWidth();
    fenster->PanelSetzen(Panel::Datum, DatumPanelText(QDate(2026, 9, 30)));
    fenster->PanelSetzen(Panel::Zeit, L(" 23:59 "));
    Ruhe();
    EXPECT_EQ(fenster->minimumWidth(), mindestens);
    fenster->Aktion(L("PulBeenden"))->trigger();
}

TEST_F(MainTest, FensterGroesseFolgtDerAnordnung) {
    starten();
    fenster->show();
    fenster->resize(800, 600);
    QApplication::processEvents();
    auto* liste = fenster->findChild<QListWidget*>(L("ListeAnzeige"));
    auto* rahmen = fenster->findChild<QFrame*>(L("Rahmen"));
    const int w = fenster->frameGeometry().width();
    EXPECT_EQ(liste->width(), w - 3 * 8);
    EXPECT_EQ(rahmen->width(), w - 3 * 8);
    EXPECT_LE(rahmen->height(), 200);  // 3000 twips at most
    EXPECT_EQ(liste->y(), 40);
    fenster->Aktion(L("PulBeenden"))->trigger();
}

TEST_F(MainTest, MenuekuerzelSchlagenDieTastenDerFelder) {
    starten();
    auto* meldung = fenster->findChild<QPlainTextEdit*>(L("STMeldung"));
    auto* datum = fenster->findChild<QLineEdit*>(L("STDatum"));
    for (QWidget* w : {static_cast<QWidget*>(meldung), static_cast<QWidget*>(datum)}) {
        // Ctrl+S belongs to the enabled menu item: the field lets it pass
        QKeyEvent speichern(QEvent::ShortcutOverride, Qt::Key_S, Qt::ControlModifier);
        speichern.ignore();
        QApplication::sendEvent(w, &speichern);
        EXPECT_FALSE(speichern.isAccepted()) << w->objectName().toStdString();
        // Ctrl+Z has no enabled menu item yet: the field keeps its undo
        QKeyEvent undo(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
        undo.ignore();
        QApplication::sendEvent(w, &undo);
        EXPECT_TRUE(undo.isAccepted()) << w->objectName().toStdString();
    }
    fenster->Aktion(L("PulBeenden"))->trigger();
}

TEST_F(MainTest, TrennlinieBegrenzungUndUnspeicherbareZeichen) {
    starten();
    auto* meldung = fenster->findChild<QPlainTextEdit*>(L("STMeldung"));
    meldung->selectAll();
    QKeyEvent strgT(QEvent::KeyPress, Qt::Key_T, Qt::ControlModifier, QString(QChar(20)));
    QApplication::sendEvent(meldung, &strgT);
    EXPECT_EQ(meldung->toPlainText(), L("\n") + QString(80, QLatin1Char('-')) + L("\n"));
    EXPECT_EQ(Mid(fenster->planer().buch.ListeTermine[0], 38),
              L("°°") + QString(80, QLatin1Char('-')));

    // 1024 characters at most: the edit beyond is taken back
    meldung->setPlainText(QString(1024, QLatin1Char('a')));
    meldung->moveCursor(QTextCursor::End);
    Tippen(meldung, L("b"));
    EXPECT_EQ(meldung->toPlainText(), QString(1024, QLatin1Char('a')));
    EXPECT_EQ(Mid(fenster->planer().buch.ListeTermine[0], 38).size(), 1024);
    // A paste puts in what fits
    meldung->setPlainText(QString(1020, QLatin1Char('a')));
    meldung->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(L("12\t3456"));
    meldung->paste();
    EXPECT_EQ(meldung->toPlainText(), QString(1020, QLatin1Char('a')) + L("1234"));

    // What Windows-1252 cannot hold is shown as stored: "?"
    meldung->clear();
    Tippen(meldung, L("Ωx"));
    EXPECT_EQ(meldung->toPlainText(), L("?x"));
    auto* adresse = fenster->findChild<QComboBox*>(L("SKAdresse"));
    adresse->lineEdit()->clear();
    Tippen(adresse->lineEdit(), L("Ωa"));
    EXPECT_EQ(adresse->currentText(), L("?a"));
    fenster->Aktion(L("PulBeenden"))->trigger();
}

TEST_F(MainTest, FeldHinweiseEnterAlsTabUndNurLesenFokus) {
    starten();
    fenster->show();
    QApplication::setActiveWindow(fenster.get());
    QApplication::processEvents();
    auto* datum = fenster->findChild<QLineEdit*>(L("STDatum"));
    auto* von = fenster->findChild<QComboBox*>(L("SKVon"));
    datum->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    if (!datum->hasFocus()) {
        GTEST_SKIP() << "no keyboard focus on this platform";
    }
    EXPECT_EQ(panel("Status")->text(), FeldHinweis(Feld::STDatum));
    QTest::keyClick(datum, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(von->hasFocus());
    EXPECT_EQ(panel("Status")->text(), FeldHinweis(Feld::SKVon));
    // Enter in the message starts a new line
    auto* meldung = fenster->findChild<QPlainTextEdit*>(L("STMeldung"));
    meldung->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    meldung->moveCursor(QTextCursor::End);
    QTest::keyClick(meldung, Qt::Key_Return);
    EXPECT_TRUE(meldung->hasFocus());
    EXPECT_TRUE(meldung->toPlainText().endsWith(L("\n")));

    // A date typed and left is checked
    datum->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    datum->selectAll();
    QTest::keyClicks(datum, L("12.3.1999"));
    von->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(datum->text(), L("12.03.1999"));
    EXPECT_TRUE(fenster->planer().buch.ListeTermine[0].startsWith(L("19990312")));
    fenster->Aktion(L("PulBeenden"))->trigger();

    // Read-only: the focus goes on to the list
    BefehlszeileSetzen({L("readonly")});
    modul() = {};
    starten();
    fenster->show();
    QApplication::setActiveWindow(fenster.get());
    QApplication::processEvents();
    fenster->findChild<QComboBox*>(L("SKBis"))->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(fenster->findChild<QListWidget*>(L("ListeAnzeige"))->hasFocus());
    fenster->Aktion(L("Ende"))->trigger();
}

TEST_F(MainTest, FensterpositionRundreise) {
    // 800 x 500 pixels: wider than the status bar's least width.
    const std::pair<const char*, const char*> masse[] = {{"KronelinForm_Höhe", "7500"},
                                                         {"KronelinForm_Weite", "12000"},
                                                         {"KronelinForm_Links", "1500"},
                                                         {"KronelinForm_Oben", "1200"}};
    for (const auto& [schluessel, wert] : masse) {
        IniSchreiben({}, {}, L(schluessel), L(wert));
    }
    starten();
    const QRect r = fenster->frameGeometry();
    EXPECT_EQ(r.width(), 800);
    EXPECT_EQ(r.height(), 500);
    // Changed meanwhile: the end writes where the window is.
    for (const auto& [schluessel, wert] : masse) {
        IniSchreiben({}, {}, L(schluessel), L("3000"));
    }
    fenster->Aktion(L("PulBeenden"))->trigger();
    for (const auto& [schluessel, wert] : masse) {
        EXPECT_EQ(IniLesen({}, {}, L(schluessel)), L(wert)) << schluessel;
    }
}

TEST_F(MainTest, EingefuegtesDatumWirdWieGetipptUebernommen) {
    starten();
    auto* datum = fenster->findChild<QLineEdit*>(L("STDatum"));
    QApplication::clipboard()->setText(L("24.12.2026"));
    datum->selectAll();
    datum->paste();
    ASSERT_EQ(datum->text(), L("24.12.2026"));
    fenster->Aktion(L("PulSpeichern"))->trigger();
    EXPECT_TRUE(AusCp1252(umgebung.lesen(datei()))
                    .contains(L("20261224-   -   -         -   Alle   14:30 Zahnarzt")));
}

TEST_F(MainTest, AuswahlUebernimmtDasRadNicht) {
    starten();
    auto* filter = fenster->findChild<QComboBox*>(L("SKFilter"));
    filter->setCurrentIndex(6);
    emit filter->activated(6);
    EXPECT_EQ(Mid(fenster->planer().buch.ListeTermine[0], 17, 10), L("Sa,So     "));
    EXPECT_EQ(filter->count(), 25);  // nothing typed becomes a choice

    const QString vorher = filter->currentText();
    QWheelEvent rad(QPointF(5, 5), filter->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(filter, &rad);
    EXPECT_EQ(filter->currentText(), vorher);
    fenster->Aktion(L("PulBeenden"))->trigger();
}

TEST_F(MainTest, BeschriftungUndStrgF2OeffnenDenGrossenEditor) {
    nebenfenster.da << Fenstername::ZoomText;
    starten();
    QLabel* zoom = fenster->bezZoomMeldung;
    ASSERT_EQ(zoom->objectName(), L("bezZoomMeldung"));
    EXPECT_EQ(zoom->text(), L("zoom"));
    EXPECT_TRUE(zoom->isEnabled());

    nebenfenster.zoomTextAntwort = {0, L("Zahnarzt\r\nverschoben")};
    QMouseEvent klick(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(zoom, &klick);
    ASSERT_EQ(nebenfenster.zoomText.size(), 1u);
    EXPECT_EQ(nebenfenster.zoomText[0].Caption, L("Zoom (Kronel-Meldung für den 09.12.2026)"));
    EXPECT_EQ(nebenfenster.zoomText[0].Text, L("14:30 Zahnarzt Dr. Schäfer, Hauptstraße 5"));
    EXPECT_EQ(fenster->STMeldung->toPlainText(), L("Zahnarzt\nverschoben"));

    // Ctrl+F2 in the field, and only with Ctrl alone.
    nebenfenster.zoomTextAntwort = {1, L("verworfen")};
    QTextCursor c = fenster->STMeldung->textCursor();
    c.setPosition(10);
    c.setPosition(12, QTextCursor::KeepAnchor);
    fenster->STMeldung->setTextCursor(c);
    test::Taste(fenster->STMeldung, Qt::Key_F2, {}, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(nebenfenster.zoomText.size(), 1u);
    test::Taste(fenster->STMeldung, Qt::Key_F2, {}, Qt::ControlModifier);
    ASSERT_EQ(nebenfenster.zoomText.size(), 2u);
    // The selection "ve" counts the line break before it twice.
    EXPECT_EQ(nebenfenster.zoomText[1].SelStart, 11);
    EXPECT_EQ(nebenfenster.zoomText[1].SelLength, 2);
    EXPECT_EQ(fenster->STMeldung->toPlainText(), L("Zahnarzt\nverschoben"));
}

TEST_F(MainTest, OhneEditorIstDieBeschriftungAusgegraut) {
    starten();
    EXPECT_FALSE(fenster->bezZoomMeldung->isEnabled());
}

TEST_F(MainTest, DerAbbauDesFenstersRuftKeinenHandlerMehr) {
    // A period typed that names another choice: the box picks it when it loses
    // the focus, which it does while the window goes away at the program's end.
    starten();
    fenster->show();
    QApplication::setActiveWindow(fenster.get());
    QComboBox* von = fenster->SKVon;
    von->setFocus();
    von->lineEdit()->selectAll();
    const QString wahl = von->itemText(von->currentIndex() == 2 ? 3 : 2);
    Tippen(von->lineEdit(), wahl);
    ASSERT_NE(von->findText(wahl), von->currentIndex());
    fenster->Aktion(L("PulSpeichern"))->trigger();
    fenster.reset();
}
