#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>

#include "common/einstellungen.h"
#include "common/fenster.h"
#include "common/hilfe.h"
#include "common/modul.h"
#include "common/texte.h"
#include "platform/ordner.h"
#include "platform/text.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/hilfefenster.h"
#include "shared_ui/info.h"
#include "shared_ui/paketmenue.h"
#include "shared_ui/tips.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"
#include "testsupport/zufall.h"

using namespace kronel;

namespace {

using test::BeimNaechstenModalen;
using test::L;
using test::Taste;

}  // namespace

TEST(Info, ZeigtNameUndVersionUndBleibtGeladen) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    umgebung.systemfakten.arten[umgebung.programm()] = Laufwerksart::Netzwerk;
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
    EXPECT_TRUE(info->windowTitle().startsWith(L("Kronel, Version 32-Bit ")));
    // The loaded window keeps the facts of its first showing, in a process that
    // runs the tests again those of an earlier folder: a new one shows this one's.
    const Info frisch;
    EXPECT_TRUE(
        frisch.SysInfo->text().contains(L("Programm Netzwerk-Ordner: ") + umgebung.programm()));

    info->CopyrightHinweis_DblClick();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Kronel, Anwender-Statistik"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, 64);

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
    // Esc in the page closes the window too.
    ASSERT_TRUE(hilfe.zeigen(seite, {}));
    test::Taste(hilfe.fenster()->Seite, Qt::Key_Escape);
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
        // the neutral base address is no web page to show the user
        EXPECT_FALSE(QString::fromUtf8(inhalt).contains(WebAdresse())) << name;
        if (QByteArray(name) == "Kronel.html") {
            for (int id : {300, 400, 291, 292, 293, 294, 295}) {
                EXPECT_TRUE(inhalt.contains("id=\"kontext" + QByteArray::number(id) + "\"")) << id;
            }
        }
    }
}

TEST(Tips, ZeigtEinenTipUndOhneTipsDenLeerenZustand) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    umgebung.schreiben(umgebung.programm() + L("/tips.inf"),
                       "[Tips]\r\nAnzahl=1\r\nFrage=Schon gewusst?\r\nTip0001=Eins~Zwei\r\n");
    test::FolgeZufall zufall;
    {
        Tips tips(zufall);
        EXPECT_EQ(tips.windowTitle(), L("Willkommen"));
        EXPECT_EQ(tips.bezTip0->text(), L("Schon gewusst?"));
        EXPECT_EQ(tips.bezTip->text(), L("Eins\n\nZwei."));
        EXPECT_TRUE(tips.strgAutoTip->isChecked());
        EXPECT_TRUE(tips.befNext->isEnabled());
    }
    QFile::remove(umgebung.programm() + L("/tips.inf"));
    Tips tips(zufall);
    EXPECT_EQ(tips.bezTip0->text(), L("Keine Tips gefunden !"));
    EXPECT_FALSE(tips.befNext->isEnabled());
    EXPECT_FALSE(tips.strgAutoTip->isChecked());
    EXPECT_EQ(Val(IniLesen({}, {}, L("AutoTip"), L("1"))), 0);  // no tip window at the next start
}

TEST(Tips, MitgelieferteTipsSindAlleDa) {
    test::TestUmgebung umgebung;
    const QString datei = QStringLiteral(KRONEL_PROGRAMMORDNER_BAU "/Tips.Inf");
    const int n = IniLesen(datei, L("Tips"), L("Anzahl")).toInt();
    EXPECT_GE(n, 15);
    for (int k = 1; k <= n; ++k) {
        const QString tip =
            IniLesen(datei, L("Tips"), QStringLiteral("Tip%1").arg(k, 4, 10, QLatin1Char('0')));
        EXPECT_FALSE(tip.isEmpty()) << k;
        EXPECT_FALSE(tip.contains(QChar::ReplacementCharacter)) << k;
        EXPECT_FALSE(tip.contains(L("{URL}"), Qt::CaseInsensitive)) << k;
    }
    EXPECT_TRUE(IniLesen(datei, L("Tips"), L("Tip0012")).contains(L("Strg-Taste")));
}

TEST(QtSteuerelemente, PaketMenueGibtFreiUndVerbirgt) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    const QString ordner = umgebung.daten() + L("/bin");
    umgebung.schreiben(ordner + L("/Kronelin"), "#!");
    IniSchreiben({}, L("Kronel"), L("Dir"), ordner);
    QAction a0(L("&Kronel...")), a1(L("1")), a2(L("2")), a3(L("3"));
    QMenu programme;
    programme.addActions({&a0, &a1, &a2, &a3});
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
    EXPECT_TRUE(programme.menuAction()->isEnabled());
    // Without the rows the planner leaves empty, the submenu would open nothing.
    for (QAction* a : {&a1, &a2, &a3}) {
        a->setVisible(false);
    }
    ProgrammeSuchen(menue);
    EXPECT_FALSE(programme.menuAction()->isEnabled());
}

TEST(Freitext, GemeinsameFensterOhneKombiMitFreitext) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    test::FolgeZufall zufall;
    Info info;
    Tips tips(zufall);
    HilfeFenster hilfe;
    for (QWidget* w : std::initializer_list<QWidget*>{&info, &tips, &hilfe}) {
        EXPECT_EQ(test::KombisBetippen(w), QStringList()) << qPrintable(w->objectName());
    }
}
