#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>

#include "book/buch.h"
#include "common/einstellungen.h"
#include "common/modul.h"
#include "planner/zoomtext.h"
#include "planner_testsupport/fakes.h"
#include "planner_ui/main.h"
#include "platform/text.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/programm.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

const QString kMeldung = L("14:30 Zahnarzt Dr. Schäfer, Hauptstraße 5");

class MainZwischenablage : public ::testing::Test {
protected:
    MainZwischenablage() {
        LeeresEinfuegenAbfangen();  // as the program's start does
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        QFile f(QStringLiteral(KRONEL_QUELLORDNER "/data/beispiel/Kronel.PlD"));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        umgebung.schreiben(datei(), f.readAll());
        EXPECT_TRUE(fenster.Starten());
        fenster.show();
        QApplication::setActiveWindow(&fenster);
    }
    ~MainZwischenablage() override {
        if (!fenster.planer().Beendet()) {
            fenster.Aktion(L("PulBeenden"))->trigger();
        }
    }
    QString datei() const { return umgebung.daten() + L("/Kronel.PlD"); }
    QString satz() { return fenster.planer().buch.ListeTermine[0]; }
    // What each edit of the message's document brought in, as Qt made it.
    void eingaengeAufnehmen() {
        QTextDocument* d = fenster.STMeldung->document();
        QObject::connect(d, &QTextDocument::contentsChange, d, [this, d](int pos, int, int dazu) {
            eingaenge << d->toPlainText().mid(pos, dazu);
        });
    }

    bool anwendung_ = (test::AnwendungSicherstellen(), true);
    test::TestUmgebung umgebung;
    test::SkriptFenster nebenfenster;
    Main fenster{nebenfenster};
    QStringList eingaenge;
};

}  // namespace

TEST_F(MainZwischenablage, EineLeereOderFremdeZwischenablageAendertNichtsUndBeendetNichts) {
    // No owner (nothing at all), an owner that offers no format (Qt read the
    // first format of none and ended the program), or only formats no text
    // field takes: Ctrl+V and Shift+Insert change nothing in any field.
    const auto inhalt = [](int art) -> QMimeData* {
        if (art == 0) {
            return nullptr;
        }
        auto* m = new QMimeData;
        if (art == 2) {
            m->setData(L("image/png"), QByteArray("\x89PNG\r\n"));
        } else if (art == 3) {
            m->setData(L("text/markdown"), QByteArray("# Titel"));
        }
        return m;
    };
    QList<QWidget*> felder{fenster.STMeldung, fenster.STDatum};
    for (QComboBox* k :
         {fenster.SKVon, fenster.SKBis, fenster.SKAdresse, fenster.SKZyklus, fenster.SKFilter}) {
        felder << k->lineEdit();
    }
    const QString vorher = satz();
    for (int art = 0; art < 4; ++art) {
        for (QWidget* feld : felder) {
            feld->setFocus();
            QApplication::clipboard()->setMimeData(inhalt(art));
            QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
            QApplication::clipboard()->setMimeData(inhalt(art));
            QTest::keyClick(feld, Qt::Key_Insert, Qt::ShiftModifier);
            QApplication::processEvents();
        }
        EXPECT_EQ(fenster.STMeldung->toPlainText(), kMeldung) << art;
        EXPECT_EQ(satz(), vorher) << art;
    }
    EXPECT_FALSE(fenster.planer().Beendet());
}

TEST_F(MainZwischenablage, EinfuegenOhneTextLaesstTextUndAuswahlJedesFeldes) {
    fenster.ListeAnzeige->setCurrentRow(1);
    const QString& termin = fenster.planer().buch.ListeTermine[1];
    EXPECT_EQ(test::LeerEinfuegen(&fenster).join(u' '),
              L("SKAdresse SKBis SKFilter SKVon SKZyklus STDatum"));
    // The message keeps its selection too.
    QTextCursor c = fenster.STMeldung->textCursor();
    c.setPosition(5, QTextCursor::KeepAnchor);
    fenster.STMeldung->setTextCursor(c);
    for (const char* kopie : {"", "\t"}) {
        QApplication::clipboard()->setText(L(kopie));
        QTest::keyClick(fenster.STMeldung, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(fenster.STMeldung->textCursor().selectedText(), L("Steue")) << kopie;
    }
    // Leaving the date finds it as it was: no box, not today.
    fenster.ListeAnzeige->setFocus();
    EXPECT_EQ(termin.left(16), L("202612111W  2T  "));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(MainZwischenablage, EingefuegtesUndGezogenesKommtEingepasstInDieMeldung) {
    eingaengeAufnehmen();
    fenster.STMeldung->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(L("\tx\r\ny\u20ac\u4e2d"));
    QTest::keyClick(fenster.STMeldung, Qt::Key_V, Qt::ControlModifier);
    // One edit, and it holds only what the record takes.
    EXPECT_EQ(eingaenge, QStringList{L("x\ny\u20ac?")});
    EXPECT_EQ(fenster.STMeldung->toPlainText(), kMeldung + L("x\ny\u20ac?"));
    EXPECT_TRUE(satz().endsWith(L("5x°°y\u20ac?")));

    eingaenge.clear();
    QMimeData gezogen;
    gezogen.setText(L("a\tb "));
    test::Fallenlassen(fenster.STMeldung->viewport(), gezogen);
    EXPECT_EQ(eingaenge, QStringList{L("ab ")});
    EXPECT_TRUE(fenster.STMeldung->toPlainText().startsWith(L("ab 14:30")));

    // 2 000 characters: what fits into 1 024, the rest is left out.
    eingaenge.clear();
    fenster.STMeldung->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QString(2000, QLatin1Char('z')));
    fenster.STMeldung->paste();
    ASSERT_EQ(eingaenge.size(), 1);
    EXPECT_EQ(SatzLaenge(fenster.STMeldung->toPlainText()), 1024);
    EXPECT_EQ(Mid(satz(), 38).size(), 1024);
}

TEST_F(MainZwischenablage, JedeTasteMitTextWirdVorDemEinfuegenEingepasst) {
    // Keys whose text Qt's own edit would insert as it is: Ctrl+Alt (AltGr on
    // some keyboards), Alt alone, a character beyond 16 bits, a format
    // character. Each comes in fitted, in one edit, and is not mended later.
    eingaengeAufnehmen();
    fenster.STMeldung->moveCursor(QTextCursor::End);
    test::Taste(fenster.STMeldung, Qt::Key_A, L("\u03a9"), Qt::ControlModifier | Qt::AltModifier);
    test::Taste(fenster.STMeldung, Qt::Key_Q, L("q"), Qt::AltModifier);
    test::Taste(fenster.STMeldung, Qt::Key_A, L("\U0001F600"));
    test::Taste(fenster.STMeldung, Qt::Key_A, L("\u200d"));
    QApplication::processEvents();
    EXPECT_EQ(eingaenge, (QStringList{L("?"), L("q"), L("?"), L("?")}));
    EXPECT_EQ(fenster.STMeldung->toPlainText(), kMeldung + L("?q??"));
    EXPECT_TRUE(satz().endsWith(L("5?q??")));

    // A full field takes none of them.
    fenster.STMeldung->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QString(2000, QLatin1Char('z')));
    fenster.STMeldung->paste();
    const QString voll = fenster.STMeldung->toPlainText();
    ASSERT_EQ(SatzLaenge(voll), MeldungHoechstlaenge);
    eingaenge.clear();
    test::Taste(fenster.STMeldung, Qt::Key_Q, L("q"), Qt::AltModifier);
    test::Taste(fenster.STMeldung, Qt::Key_A, L("\u03a9"), Qt::ControlModifier | Qt::AltModifier);
    QApplication::processEvents();
    EXPECT_TRUE(eingaenge.isEmpty()) << qPrintable(eingaenge.join(L("|")));
    EXPECT_EQ(fenster.STMeldung->toPlainText(), voll);
}

TEST_F(MainZwischenablage, EineEinfuegungOhnePlatzLaesstDieAuswahlStehen) {
    // A message read from the file may be longer than the field takes: an
    // insertion that finds no room changes nothing, the selection included.
    const QString lang = kMeldung + QString(1100, QLatin1Char('x'));
    fenster.planer().buch.ListeTermine[0] = Left(satz(), 37) + lang;
    fenster.planer().GespeichertZeigen();
    ASSERT_EQ(fenster.STMeldung->toPlainText(), lang);
    QTextCursor c = fenster.STMeldung->textCursor();
    c.setPosition(6);
    c.setPosition(14, QTextCursor::KeepAnchor);
    fenster.STMeldung->setTextCursor(c);
    ASSERT_EQ(fenster.STMeldung->textCursor().selectedText(), L("Zahnarzt"));
    fenster.Aktion(L("PulFormelDiffEinfg"))->trigger();
    QTest::keyClick(fenster.STMeldung, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(fenster.STMeldung->toPlainText() == lang);
    EXPECT_TRUE(Mid(satz(), 38) == lang);
}

TEST_F(MainZwischenablage, EineLaengengrenzeNimmtDasEingepassteNichtDasRohe) {
    // A date copied with a tab or a line break before it: the field's ten
    // characters hold the date, not its first eight ("24.12.20" is another
    // date). What the edit brings in is cut, what stood there stays.
    fenster.STDatum->setFocus();
    for (const char* kopie : {"\t24.12.2026", "\t\t\t24.12.2026", "24.\t12.\t2026"}) {
        fenster.STDatum->selectAll();
        QApplication::clipboard()->setText(L(kopie));
        fenster.STDatum->paste();
        EXPECT_EQ(fenster.STDatum->text(), L("24.12.2026")) << kopie;
    }
    QLineEdit* von = fenster.SKVon->lineEdit();
    von->setText(L("2"));
    von->setCursorPosition(0);
    QApplication::clipboard()->setText(L("\t\t1\t0\tT"));
    von->paste();
    EXPECT_EQ(von->text(), L("10T2"));
    test::Tippen(von, L("x"));
    EXPECT_EQ(von->text(), L("10T2"));
}

TEST_F(MainZwischenablage, EinzeiligeFelderNehmenKeinenUmbruchInDenTermin) {
    QLineEdit* station = fenster.SKAdresse->lineEdit();
    station->selectAll();
    QApplication::clipboard()->setText(L("hans\r\nx\ty"));
    station->paste();
    EXPECT_EQ(station->text(), L("hans xy"));
    EXPECT_EQ(Mid(satz(), 31, 7), L("Hans xy"));
    fenster.Aktion(L("PulSpeichern"))->trigger();
    Terminbuch gelesen;
    gelesen.TermineLaden();
    EXPECT_FALSE(gelesen.Unvollstaendig);
    EXPECT_EQ(gelesen.ListeTermine, fenster.planer().buch.ListeTermine);
}

TEST_F(MainZwischenablage, DieGespeicherteFormErscheintErstNachDerBearbeitung) {
    // The record takes the edit at once; the field shows its stored form when
    // the key is released, or after a paste without a key on the next turn.
    QLineEdit* bis = fenster.SKBis->lineEdit();
    bis->selectAll();
    QApplication::clipboard()->setText(L("2w"));
    QTest::keyPress(bis, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(bis->text(), L("2w"));
    EXPECT_EQ(Mid(satz(), 13, 4), L("2W  "));
    QTest::keyRelease(bis, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(bis->text(), L("2W"));

    bis->selectAll();
    QApplication::clipboard()->setText(L("3t"));
    bis->paste();
    EXPECT_EQ(bis->text(), L("3t"));
    QApplication::processEvents();
    EXPECT_EQ(bis->text(), L("3T"));
    EXPECT_EQ(Mid(satz(), 13, 4), L("3T  "));
}
