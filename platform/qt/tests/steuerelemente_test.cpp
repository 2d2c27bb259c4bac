#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

#include "common/einstellungen.h"
#include "common/fenster.h"
#include "common/listen.h"
#include "common/texte.h"
#include "platform_qt/oberflaeche_qt.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;
using test::L;

TEST(QtSteuerelemente, TextEinfuegenInZeileUndMehrzeiligesFeld) {
    test::AnwendungSicherstellen();
    QLineEdit zeile(L("Hallo Welt"));
    zeile.setCursorPosition(5);
    QtTextfeld z(&zeile);
    TextEinfuegen(z, L(" liebe"));
    EXPECT_EQ(zeile.text(), L("Hallo liebe Welt"));
    EXPECT_EQ(zeile.cursorPosition(), 11);
    zeile.setSelection(12, 4);
    TextEinfuegen(z, L("Erde"));
    EXPECT_EQ(zeile.text(), L("Hallo liebe Erde"));

    QPlainTextEdit feld;
    feld.setPlainText(L("Zeile eins\nZeile zwei"));
    QTextCursor c = feld.textCursor();
    c.setPosition(6);
    c.setPosition(10, QTextCursor::KeepAnchor);
    feld.setTextCursor(c);
    QtTextfeld f(&feld);
    TextEinfuegen(f, L("1"));
    EXPECT_EQ(feld.toPlainText(), L("Zeile 1\nZeile zwei"));
    EXPECT_EQ(feld.textCursor().position(), 7);
    EXPECT_FALSE(feld.textCursor().hasSelection());
}

TEST(QtSteuerelemente, SchriftUndFarbeUebertragen) {
    test::AnwendungSicherstellen();
    QLabel liste;
    QFont schrift(L("Arial"));
    schrift.setPointSizeF(8.25);
    schrift.setBold(true);
    liste.setFont(schrift);
    QtSchriftTraeger quelle(&liste);
    quelle.farbeSetzen(255);  // red
    QLabel anderes;
    QtSchriftTraeger ziel(&anderes);
    SchriftSetzen(ziel, SchriftAlsText(quelle), L("Alles"));
    EXPECT_EQ(anderes.font().family(), liste.font().family());
    EXPECT_DOUBLE_EQ(anderes.font().pointSizeF(), 8.25);
    EXPECT_TRUE(anderes.font().bold());
    EXPECT_EQ(anderes.palette().color(anderes.foregroundRole()), QColor(255, 0, 0));

    QLabel nurFarbe;
    const QFont vorher = nurFarbe.font();
    QtSchriftTraeger farbe(&nurFarbe);
    SchriftSetzen(farbe, L("Arial;20;-1;-1;0;16711680;"), L("Farben"));
    EXPECT_EQ(nurFarbe.font(), vorher);
    EXPECT_EQ(nurFarbe.palette().color(nurFarbe.foregroundRole()), QColor(0, 0, 255));
}

TEST(QtSteuerelemente, FensterPositionInTwips) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    QWidget fenster;
    fenster.resize(400, 300);
    fenster.show();
    QtFenster f(&fenster);
    IniSchreiben({}, L("Kronel"), L("KronelinForm_Höhe"), L("4500"));
    IniSchreiben({}, L("Kronel"), L("KronelinForm_Weite"), L("6000"));
    IniSchreiben({}, L("Kronel"), L("KronelinForm_Links"), L("1500"));
    IniSchreiben({}, L("Kronel"), L("KronelinForm_Oben"), L("750"));
    umgebung.bildschirm.weiteTwips = 1e6;  // room for any window
    umgebung.bildschirm.hoeheTwips = 1e6;
    FensterPositionLesen(f, L("Kronelin"));
    const QRect r = fenster.frameGeometry();
    EXPECT_EQ(r.width(), 400);  // 6000 / 15
    EXPECT_EQ(r.height(), 300);
    EXPECT_EQ(f.masse().weite, 6000);
    EXPECT_EQ(f.zustand(), FensterZustand::Normal);
    f.zustandSetzen(FensterZustand::Maximiert);
    EXPECT_EQ(f.zustand(), FensterZustand::Maximiert);
}

TEST(QtSteuerelemente, ListenfeldUndKombifeldAlsListe) {
    test::AnwendungSicherstellen();
    QListWidget liste;
    QtListe l(&liste);
    EXPECT_EQ(TextInListe(l, L("b;a;b;")), 3);
    ListeDoppelteEntfernen(l);
    EXPECT_EQ(ListeAlsText(l), L("b;a;"));
    l.setText(L("a"));
    EXPECT_EQ(l.Text(), L("a"));

    QComboBox kombi;
    kombi.setEditable(true);
    kombi.addItems({L("Schulz"), L("MEIER"), L("Lange")});
    kombi.setEditText(L("Meier"));
    QtListe k(&kombi);
    EXPECT_EQ(ListeAktuellOben(k, 9), 3);
    EXPECT_EQ(ListeAlsText(k), L("Meier;Schulz;Lange;"));
    EXPECT_EQ(kombi.currentText(), L("Meier"));
}

TEST(QtSteuerelemente, FreitextKombiWaehltBeimVerlassenNichts) {
    test::AnwendungSicherstellen();
    QWidget fenster;
    auto* kombi = new QComboBox(&fenster);
    auto* weiter = new QLineEdit(&fenster);
    weiter->move(0, 40);
    KombiFreitext(*kombi);
    kombi->addItems({L("Ab"), L("a")});
    kombi->setCurrentIndex(0);
    int gewaehlt = 0;
    QObject::connect(kombi, &QComboBox::activated, [&] { ++gewaehlt; });
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    kombi->setFocus();
    kombi->clearEditText();
    test::Tippen(kombi->lineEdit(), L("a"));
    // Passing on is no choice of the item "a" from the list.
    weiter->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(gewaehlt, 0);
    EXPECT_EQ(kombi->currentIndex(), 0);
    EXPECT_EQ(kombi->currentText(), L("a"));
}

TEST(QtSteuerelemente, EinzeiligesFeldPasstGetipptesEingefuegtesUndGezogenesEin) {
    test::AnwendungSicherstellen();
    QComboBox kombi;
    kombi.setEditable(true);
    QLineEdit* zeile = kombi.lineEdit();
    EinzeiligEinpassen(zeile);
    QStringList bearbeitet;
    QObject::connect(zeile, &QLineEdit::textEdited, [&](const QString& t) { bearbeitet << t; });
    zeile->setText(L("ab"));
    zeile->setCursorPosition(1);

    // Fitted before the field tells of the edit: one signal, the fitted text.
    QApplication::clipboard()->setText(L("x\ty\r\nz\u20ac\u03a9"));
    zeile->paste();
    EXPECT_EQ(zeile->text(), L("axy z\u20ac?b"));
    EXPECT_EQ(zeile->cursorPosition(), 7);
    EXPECT_EQ(bearbeitet, QStringList{L("axy z\u20ac?b")});

    test::Tippen(zeile, L("\u4e2d"));
    EXPECT_EQ(zeile->text(), L("axy z\u20ac??b"));

    QMimeData gezogen;
    gezogen.setText(L("\n1\t2"));
    test::Fallenlassen(zeile, gezogen);
    EXPECT_EQ(kombi.currentText(), L(" 12axy z\u20ac??b"));
}
