#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include "common/einstellungen.h"
#include "common/fenster.h"
#include "common/modul.h"
#include "common/texte.h"
#include "platform/ordner.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/hilfefenster.h"
#include "shared_ui/info.h"
#include "shared_ui/paketmenue.h"
#include "testsupport/anwendung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

// Does `was` to the modal window that opens next (after the event loop runs).
void BeimNaechstenModalen(std::function<void(QWidget*)> was) {
    QTimer::singleShot(0, [was] { was(QApplication::activeModalWidget()); });
}

void Taste(QWidget* w, int taste) {
    QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier);
    QApplication::sendEvent(w, &druck);
}

}  // namespace

TEST(Info, ZeigtNameUndVersionUndBleibtGeladen) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    modul() = {};
    QString gesehen;
    BeimNaechstenModalen([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        gesehen = w->objectName();
        w->findChild<QPushButton*>(L("befAbbrechen"))->click();
    });
    InfoZeigen();
    EXPECT_EQ(gesehen, L("Info"));
    Info* info = InfoFenster();
    ASSERT_NE(info, nullptr);
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(info->bezProgramm->text(), L("Kronelin"));
    EXPECT_EQ(info->bezVersion->text(), L("Version 8.020000"));

    // Esc, Enter and Space hide it as well; the window stays the same
    for (int taste : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space}) {
        bool offen = false;
        BeimNaechstenModalen([&](QWidget* w) {
            offen = w == info && w->isVisible();
            Taste(w, taste);
        });
        InfoZeigen();
        EXPECT_TRUE(offen) << taste;
        EXPECT_FALSE(info->isVisible()) << taste;
        EXPECT_EQ(InfoFenster(), info);
    }
    BeimNaechstenModalen([&](QWidget* w) { w->close(); });  // the close box
    InfoZeigen();
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(InfoFenster(), info);
    modul() = {};
}

TEST(HilfeFenster, ZeigtSeiteAmAnkerUndSchliesst) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    const QString seite = umgebung.programm() + L("/Kronel.html");
    umgebung.schreiben(seite,
                       "<html><head><meta charset=\"utf-8\"><title>Anleitung</title></head><body>"
                       "<h1>Inhalt</h1><h2 id=\"kontext400\">Kronelol</h2></body></html>");
    QtHilfe hilfe;
    ASSERT_TRUE(hilfe.zeigen(seite, L("kontext400")));
    ASSERT_NE(hilfe.fenster(), nullptr);
    EXPECT_TRUE(hilfe.fenster()->isVisible());
    EXPECT_EQ(hilfe.fenster()->Seite->source().fragment(), L("kontext400"));
    EXPECT_EQ(hilfe.fenster()->windowTitle(), L("Anleitung"));
    EXPECT_TRUE(hilfe.fenster()->Seite->toPlainText().contains(L("Kronelol")));
    hilfe.schliessen();
    EXPECT_FALSE(hilfe.fenster()->isVisible());
    EXPECT_FALSE(hilfe.zeigen(umgebung.programm() + L("/fehlt.html"), {}));
}

TEST(HilfeSeiten, MitZeichensatzUndAnkernDerKontexte) {
    for (const char* name : {"Kronel.html", "werbung.html"}) {
        QFile f(QStringLiteral(KRONEL_PROGRAMMORDNER_BAU) + QLatin1Char('/') + L(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray inhalt = f.readAll();
        EXPECT_TRUE(inhalt.contains("<meta charset=\"utf-8\">")) << name;
        EXPECT_FALSE(QString::fromUtf8(inhalt).contains(QChar::ReplacementCharacter)) << name;
        if (QByteArray(name) == "Kronel.html") {
            EXPECT_TRUE(inhalt.contains("id=\"kontext300\""));
            EXPECT_TRUE(inhalt.contains("id=\"kontext400\""));
        }
    }
}

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

TEST(QtSteuerelemente, PaketMenueGibtFreiUndVerbirgt) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    const QString ordner = umgebung.daten() + L("/bin");
    umgebung.schreiben(ordner + L("/Kronelin"), "#!");
    IniSchreiben({}, L("Kronel"), L("Dir"), ordner);
    QAction a0(L("&Kronel...")), a1(L("1")), a2(L("2")), a3(L("3"));
    QStringList status;
    QtPaketMenue menue({&a0, &a1, &a2, &a3}, [&](const QString& t) { status.append(t); });
    ProgrammDateinameSetzen(L("KronMemo"));
    ProgrammeSuchen(menue);
    EXPECT_TRUE(a0.isVisible());
    EXPECT_TRUE(a0.isEnabled());
    EXPECT_FALSE(a1.isEnabled());
    EXPECT_TRUE(a1.isVisible());
    EXPECT_EQ(status, QStringList({L("Suche Programme..."), L("Bereit")}));
    ProgrammDateinameSetzen(L("Kronelin"));
    ProgrammeSuchen(menue);  // the planner does not offer itself
    EXPECT_FALSE(a0.isVisible());
    EXPECT_TRUE(a1.isVisible());
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
