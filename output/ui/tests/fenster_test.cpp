#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include <tuple>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "output_ui/kronelfenster.h"
#include "output_ui/mondbild.h"
#include "platform/befehlszeile.h"
#include "platform/text.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/seriell.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"
#include "testsupport/zufall.h"

using namespace kronel;

namespace {

using test::L;

class Fenster : public ::testing::Test {
protected:
    Fenster() {
        test::AnwendungSicherstellen();
        IniSchreiben({}, L("Allgemein"), L("User"), L("Anna"));
        IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());
        QFile::copy(L(KRONEL_QUELLORDNER "/data/beispiel/Kronel.PlD"),
                    umgebung.daten() + L("/Kronel.PlD"));
    }

    std::unique_ptr<KronelFenster> fenster(const QStringList& argumente) {
        BefehlszeileSetzen(argumente);
        return std::make_unique<KronelFenster>(nullptr, std::make_unique<test::FolgeZufall>());
    }
    // Loads, shows and runs the first tick a second later.
    std::unique_ptr<KronelFenster> gelaufen(const QStringList& argumente) {
        auto f = fenster(argumente);
        EXPECT_TRUE(f->Form_Load());
        f->show();
        umgebung.uhr.weiter(1);
        f->Programm().Zeit_Timer();
        return f;
    }

    test::TestUmgebung umgebung{L("Kronel")};
};

}  // namespace

TEST_F(Fenster, BeispieldatenMitSchalterNZeigenDieFaelligenMeldungen) {
    auto f = fenster({L("/n")});
    EXPECT_EQ(f->objectName(), L("Main"));
    EXPECT_EQ(f->windowTitle(), L("Kronel - Terminausgabe"));
    EXPECT_EQ(f->Text->toPlainText(), L("Bitte einen Moment Geduld..."));
    ASSERT_TRUE(f->Form_Load());
    EXPECT_EQ(f->BezSonne->text(), QString());
    EXPECT_EQ(f->panelDatum->text(), L(" Mittwoch, 9. Dezember 2026, 50. Woche "));
    f->show();
    umgebung.uhr.weiter(1);
    f->Programm().Zeit_Timer();
    const QString text = f->Text->toPlainText();
    EXPECT_TRUE(text.startsWith(L("Meldungen für Anna.\nMittwoch, 9. Dezember 2026, 50. Woche\n")))
        << text.toStdString();
    EXPECT_TRUE(
        text.contains(L("\n*09.12.2026 (Mi): 14:30 Zahnarzt Dr. Schäfer, Hauptstraße 5\n")));
    EXPECT_TRUE(text.contains(L("\n 11.12.2026 (Fr): Steuererklärung abgeben – Frist!\n")));
    EXPECT_FALSE(text.contains(L("Chorprobe")));
    EXPECT_TRUE(text.endsWith(L("\n*** Ende ***\n")));
    EXPECT_EQ(f->Text->textCursor().position(), 0);
    EXPECT_EQ(f->panelStatus->text(), L("Bereit"));
    EXPECT_EQ(umgebung.drucker.dokumente.size(), 0u);

    // A second start of the day without "/n" ends before its window shows.
    auto zweites = fenster({});
    EXPECT_FALSE(zweites->Form_Load());
    EXPECT_FALSE(zweites->isVisible());
}

TEST_F(Fenster, SchalterPDrucktEinDokument) {
    auto f = gelaufen({L("/N"), L("/P")});
    EXPECT_EQ(umgebung.drucker.beendeteDokumente(), 1);
    const QStringList gedruckt = umgebung.drucker.dokumente.at(0).seiten.at(0).texte();
    EXPECT_TRUE(gedruckt.contains(L("*** Ende ***")));
    EXPECT_TRUE(
        gedruckt.contains(L("*09.12.2026 (Mi): 14:30 Zahnarzt Dr. Schäfer, Hauptstraße 5")));
}

TEST_F(Fenster, LangerPdfHinweisZeigtDenGanzenPfad) {
    auto f = gelaufen({L("/n")});
    // The status bar takes the panel's new height one round of events later.
    auto ruhe = [] {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
        }
    };
    ruhe();
    const int eineZeile = f->statusBar()->height();
    // A folder name longer than the panel is broken inside the word.
    const QString pfad = L("/home/anna/Dokumente/Ausdrucke/") + QString(60, QLatin1Char('W')) +
                         L("/Kronel-Ausdruck-20261209-093000.pdf");
    const QString hinweis = L("Der Ausdruck wurde als PDF-Datei »%1« gespeichert.").arg(pfad);
    f->StatusSetzen(hinweis);
    ruhe();
    EXPECT_EQ(f->StatusText(), hinweis);
    const QString gezeigt = f->panelStatus->text();
    EXPECT_TRUE(QString(gezeigt).remove(QLatin1Char('\n')).contains(pfad));
    const QFontMetrics fm(f->panelStatus->font());
    const QRect platz = f->panelStatus->contentsRect();
    for (const QString& zeile : gezeigt.split(QLatin1Char('\n'))) {
        EXPECT_LE(fm.horizontalAdvance(zeile) + fm.horizontalAdvance(L("x")), platz.width())
            << zeile.toStdString();
    }
    EXPECT_LE(fm.boundingRect(platz, 0, gezeigt).height(), platz.height());
    EXPECT_LE(f->panelZeit->geometry().right(), f->statusBar()->width());
    // The next note takes one line again.
    f->StatusSetzen(L("Bereit"));
    ruhe();
    EXPECT_EQ(f->panelStatus->text(), L("Bereit"));
    EXPECT_EQ(f->statusBar()->height(), eineZeile);
}

TEST_F(Fenster, KnoepfeUndMenues) {
    auto f = fenster({});
    QStringList schluessel, tips;
    for (QAction* a : f->Toolbar->actions()) {
        schluessel.append(a->objectName());
        tips.append(a->toolTip());
    }
    EXPECT_EQ(schluessel,
              QStringList({L("Ende"), L("Kronel"), L("Telefon"), L("Speichern"), L("Drucken")}));
    EXPECT_EQ(tips, QStringList({L("Programm beenden"), L("Kronelin (Termin-Eingabe)"),
                                 L("Telefonnummer wählen"), L("Meldungen speichern"),
                                 L("Meldungen drucken")}));
    EXPECT_TRUE(f->Knopf(L("Telefon"))->isEnabled());
    EXPECT_TRUE(f->mnuTeleWählen->isEnabled());
    EXPECT_EQ(f->mnuTeleWählen->shortcut(), QKeySequence(L("Ctrl+W")));
    EXPECT_TRUE(f->mnuTips->isEnabled());
    EXPECT_EQ(f->PulSpeichern->shortcut(), QKeySequence(L("Ctrl+S")));
    EXPECT_EQ(f->PulEnde->shortcut(), QKeySequence(Qt::Key_F12));
    EXPECT_EQ(f->mnuPrgKronelin->text(), L("&Termineingabe starten...."));
}

TEST_F(Fenster, NurLesenSperrtSpeichernUndPlanerAberNichtDenDoppelklick) {
    const QString planer = umgebung.programm() + L("/Kronelin");
    umgebung.schreiben(planer, "#!/bin/sh\n");
    QFile::setPermissions(planer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto f = gelaufen({L("/n"), L("readonly")});
    EXPECT_FALSE(f->PulSpeichern->isEnabled());
    EXPECT_FALSE(f->Knopf(L("Speichern"))->isEnabled());
    EXPECT_FALSE(f->Knopf(L("Kronel"))->isEnabled());
    EXPECT_FALSE(f->mnuPrgKronelin->isEnabled());
    EXPECT_TRUE(f->PulDrucken->isEnabled());

    // A double click on "Zahnarzt" selects the word and hands it to the planner.
    const QString text = f->Text->toPlainText();
    QTextCursor c = f->Text->textCursor();
    c.setPosition(static_cast<int>(text.indexOf(L("Zahnarzt"))) + 2);
    const QPoint stelle = f->Text->cursorRect(c).center();
    QMouseEvent druck(QEvent::MouseButtonPress, stelle, f->Text->viewport()->mapToGlobal(stelle),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f->Text->viewport(), &druck);
    QMouseEvent doppel(QEvent::MouseButtonDblClick, stelle,
                       f->Text->viewport()->mapToGlobal(stelle), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(f->Text->viewport(), &doppel);
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].programm, planer);
    EXPECT_EQ(umgebung.prozesse.starts[0].argumente,
              QStringList{L("/GeheZu:Zahnarzt") + QString(7, u' ')});
    EXPECT_TRUE(f->Programm().Beendet());
}

TEST_F(Fenster, SchliessenUndEscapeLaufenDurchDieStoppfolge) {
    auto f = gelaufen({L("/n")});
    f->close();
    EXPECT_TRUE(f->Programm().Beendet());
    EXPECT_EQ(umgebung.hilfe.aufrufe, QStringList{L("schliessen")});
    EXPECT_NE(IniLesen({}, {}, L("KronelForm_Weite"), {}), QString());

    auto g = gelaufen({L("/n")});
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(g->Text, &esc);
    EXPECT_TRUE(g->Programm().Beendet());
}

TEST_F(Fenster, MondUndSonneNachDemErstenTick) {
    auto f = fenster({L("/n")});
    ASSERT_TRUE(f->Form_Load());
    EXPECT_FALSE(f->BildMond->isVisibleTo(f.get()));
    f->show();
    umgebung.uhr.weiter(1);
    f->Programm().Zeit_Timer();
    EXPECT_TRUE(f->BildMond->isVisibleTo(f.get()));
    // Drawing the moon does not ask for the moon again.
    QApplication::processEvents();
    f->Programm().MondZeichnen = 0;
    f->MondZeigen(30, f->BildMond->Tag());
    QApplication::processEvents();
    EXPECT_EQ(f->Programm().MondZeichnen, 0);
    EXPECT_TRUE(f->BildMond->Tag().startsWith(L("Mondalter: ")))
        << f->BildMond->Tag().toStdString();
    const QStringList sonne = f->BezSonne->text().split(u'\n');
    ASSERT_EQ(sonne.size(), 3);
    EXPECT_TRUE(sonne[0].endsWith(L(" Sonnenaufgang")));
    EXPECT_TRUE(sonne[1].endsWith(L(" Sonnenuntergang")));
    EXPECT_TRUE(sonne[2].endsWith(L(" Durchgang, MEZ")));

    QMouseEvent klick(QEvent::MouseButtonPress, QPointF(30, 30),
                      f->BildMond->mapToGlobal(QPointF(30, 30)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(f->BildMond, &klick);
    ASSERT_FALSE(umgebung.meldungen.boxen.empty());
    EXPECT_EQ(umgebung.meldungen.boxen.back().titel, L("Mondinfos zum 9.12.2026"));
}

// The shading in the window's background: the whole disc at new moon, the
// left half at p 25, nothing at full moon, the right half at p 75.
TEST_F(Fenster, MondbildSchattiertNachPhase) {
    MondBild bild;
    const QColor hintergrund = bild.palette().color(QPalette::Window);
    const int mitte = bild.height() / 2 - 1;
    auto farbeBei = [&](int p, int x) {
        bild.Zeigen(p, {});
        return bild.grab().toImage().pixelColor(x, mitte);
    };
    const int links = bild.width() / 4;
    const int rechts = bild.width() * 3 / 4 - 2;
    for (const auto& [p, linksDunkel, rechtsDunkel] :
         {std::tuple{0, true, true}, std::tuple{25, true, false}, std::tuple{50, false, false},
          std::tuple{75, false, true}, std::tuple{100, true, true}}) {
        EXPECT_EQ(farbeBei(p, links) == hintergrund, linksDunkel) << p;
        EXPECT_EQ(farbeBei(p, rechts) == hintergrund, rechtsDunkel) << p;
    }
    EXPECT_EQ(bild.pixmap().toImage().pixelColor(1, 1).alpha(), 0);
}

TEST_F(Fenster, TelefonknopfGibtDieZiffernDerAuswahlWeiter) {
    auto f = gelaufen({L("/n")});
    f->AnschlussBauen = [] { return std::make_unique<test::FakeSerielleSchnittstelle>(); };
    const QString text = f->Text->toPlainText();
    const QString zeile = L("14:30 Zahnarzt Dr. Schäfer, Hauptstraße 5");
    QTextCursor c = f->Text->textCursor();
    c.setPosition(static_cast<int>(text.indexOf(zeile)));
    c.setPosition(static_cast<int>(text.indexOf(zeile) + zeile.size()), QTextCursor::KeepAnchor);
    f->Text->setTextCursor(c);
    QString nummer, titel;
    test::BeimNaechstenModalen<QDialog>([&](QDialog* d) {
        titel = d->windowTitle();
        nummer = d->findChild<QLineEdit*>(L("txtNummer"))->text();
        d->findChild<QPushButton*>(L("befAbbrechen"))->click();
    });
    f->Knopf(L("Telefon"))->trigger();
    EXPECT_EQ(titel, L("Telefonnummer wählen"));
    EXPECT_EQ(nummer, L("14305"));
    EXPECT_EQ(IniLesen({}, L("Allgemein"), L("COM2Dial"), L("(fehlt)")), L("COM"));
}

TEST_F(Fenster, OhneKombiMitFreitext) {
    const auto f = gelaufen({L("/n")});
    EXPECT_EQ(test::KombisBetippen(f.get()), QStringList());
}
