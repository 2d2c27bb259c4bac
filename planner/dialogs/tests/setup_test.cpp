#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "common/einstellungen.h"
#include "planner_dialogs/setup.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class SetupFenster : public ::testing::Test {
protected:
    SetupFenster() { test::AnwendungSicherstellen(); }
    SetupAnfrage anfrage() const {
        return {{L("-"), L("1T"), L("3T")}, {L("Alle"), L("Hans")}, ListenAussehenStandard()};
    }
    QString lesen(const char* schluessel) { return IniLesen({}, {}, L(schluessel)); }
    test::TestUmgebung umgebung;
};

TEST_F(SetupFenster, ZeigtVorgabenUndSpeichertBeimSchliessen) {
    IniSchreiben({}, {}, L("ZufallsTermine"), L("0"));
    kronel::Setup s;
    s.Laden(anfrage());
    EXPECT_EQ(s.SSTab->currentIndex(), 0);
    EXPECT_TRUE(s.OSetEinmal->isChecked());
    EXPECT_FALSE(s.OTxtRndDat->isEnabled());  // follows its box
    EXPECT_EQ(s.OTxtRndDat->text(), L("Kronel.Daz"));
    EXPECT_EQ(s.oKombiPrintLieblings->currentText(), L("Monatsblatt"));
    EXPECT_EQ(s.KSetVon->currentText(), L("1T"));
    EXPECT_EQ(s.KSetBis->count(), 3);
    EXPECT_EQ(s.TSetBreite->text(), L("50.06"));
    EXPECT_EQ(s.TSetLaenge->text(), L("8.41"));
    EXPECT_TRUE(s.befOk->isDefault());

    s.OSetRndDat->click();
    EXPECT_TRUE(s.OTxtRndDat->isEnabled());
    s.KSetStadt->setFocus();
    test::Taste(s.KSetStadt, Qt::Key_Down);  // a key chooses as a click does
    EXPECT_EQ(s.TSetBreite->text(), L("52.32"));
    s.KSetStadt->setCurrentRow(3);
    EXPECT_EQ(s.TSetBreite->text(), L("50.56"));
    EXPECT_EQ(s.TSetLaenge->text(), L("6.57"));
    s.befNoAstro_Click();
    EXPECT_EQ(lesen("Mondphase"), QString());  // nothing is written before Ok

    // The close box stores as Ok does.
    s.close();
    EXPECT_EQ(lesen("Ostlänge"), L("6.57"));
    EXPECT_EQ(lesen("ZufallsTermine"), L("1"));
    EXPECT_EQ(lesen("Mondphase"), L("0"));
    EXPECT_EQ(lesen("InfoAstro"), L("0"));
    EXPECT_FALSE(s.isVisible());
}

TEST_F(SetupFenster, StationenGehenMitDemAussehenZurueck) {
    kronel::Setup s;
    s.Laden(anfrage());
    s.KSetAdresse->setEditText(L("  grete"));
    s.BefAdrEdit[1]->click();
    EXPECT_EQ(s.KSetAdresse->currentText(), QString());
    s.KSetAdresse->setEditText(L("hans"));
    s.BefAdrEdit[0]->click();
    const SetupErgebnis e = s.Ergebnis();
    EXPECT_EQ(e.SKAdresse, (QStringList{L("Alle"), L("Grete")}));
    EXPECT_EQ(e.ListeAnzeige, ListenAussehenStandard());
}

TEST_F(SetupFenster, JedeKarteZeigtIhrEigenesBild) {
    kronel::Setup s;
    ASSERT_EQ(s.SSTab->count(), 5);
    QList<QImage> gesehen;
    for (int i = 0; i < s.SSTab->count(); ++i) {
        const auto* bild =
            s.SSTab->widget(i)->findChild<QLabel*>(QStringLiteral("Image%1").arg(i + 1));
        ASSERT_NE(bild, nullptr) << i;
        const QImage b = bild->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(b.isNull()) << i;
        bool gemalt = false;
        for (int y = 0; y < b.height() && !gemalt; ++y) {
            for (int x = 0; x < b.width() && !gemalt; ++x) {
                gemalt = qAlpha(b.pixel(x, y)) != 0;
            }
        }
        EXPECT_TRUE(gemalt) << i;
        EXPECT_FALSE(gesehen.contains(b)) << i;
        gesehen.append(b);
    }
}

TEST_F(SetupFenster, F1ZeigtDieHilfeDerSichtbarenKarte) {
    umgebung.schreiben(umgebung.programm() + L("/Kronel.html"), "<html></html>");
    kronel::Setup s;
    s.Laden(anfrage());
    s.SSTab->setCurrentIndex(2);
    test::Taste(&s, Qt::Key_F1);
    s.SSTab->setCurrentIndex(4);
    test::Taste(&s, Qt::Key_F1);
    ASSERT_EQ(umgebung.hilfe.aufrufe.size(), 2);
    EXPECT_TRUE(umgebung.hilfe.aufrufe[0].endsWith(L("kontext295")));
    EXPECT_TRUE(umgebung.hilfe.aufrufe[1].endsWith(L("kontext293")));
}

TEST_F(SetupFenster, BleibtGeladenUndZeigtBeimNaechstenMalDenStandVonVorher) {
    FensterVerzeichnis v;
    SetupEintragen(v);
    ASSERT_TRUE(v.vorhanden(Fenstername::Setup));
    test::BeimNaechstenModalen<QDialog>([](QDialog* d) {
        d->findChild<QLineEdit*>(L("TSetBreite"))->setText(L("1.23"));
        d->findChild<QPushButton*>(L("befOk"))->click();
    });
    (void)v.Setup(anfrage());
    EXPECT_EQ(lesen("NordBreite"), L("1.23"));
    IniSchreiben({}, {}, L("NordBreite"), L("9.99"));
    QString gezeigt;
    test::BeimNaechstenModalen<QDialog>([&](QDialog* d) {
        gezeigt = d->findChild<QLineEdit*>(L("TSetBreite"))->text();
        d->findChild<QPushButton*>(L("befOk"))->click();
    });
    (void)v.Setup(anfrage());
    EXPECT_EQ(gezeigt, L("1.23"));
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == L("Setup")) {
            delete w;  // it stays loaded for the run; its pop-ups go with it
            break;
        }
    }
}

TEST_F(SetupFenster, DateiwahlBeginntImOrdnerDerGenanntenDatei) {
    umgebung.schreiben(umgebung.programm() + L("/Kronel.Daz"), "x\r\n");
    kronel::Setup s;
    s.Laden(anfrage());
    s.OSetRndDat->setChecked(true);
    QString ordner;
    QStringList gewaehlt;
    QStringList titel;
    const auto wahl = [&](QFileDialog* d) {
        titel << d->windowTitle();
        ordner = d->directory().absolutePath();
        gewaehlt = d->selectedFiles();
        d->reject();
    };
    test::BeimNaechstenModalen<QFileDialog>(wahl);
    s.befSuchRnd->click();
    EXPECT_EQ(ordner, QDir(umgebung.programm()).absolutePath());
    EXPECT_EQ(gewaehlt, QStringList{umgebung.programm() + L("/Kronel.Daz")});
    EXPECT_EQ(s.OTxtRndDat->text(), L("Kronel.Daz"));  // a cancel changes nothing
    test::BeimNaechstenModalen<QFileDialog>(wahl);
    s.befSuchSnd->click();
    EXPECT_EQ(titel, QStringList({L("Wählen Sie eine Zufalls-Termin-Datei"),
                                  L("Wählen Sie eine Tondatei")}));
}

TEST_F(SetupFenster, UeberschriftDerVorgaben) {
    kronel::Setup s;
    QStringList texte;
    for (const QLabel* l : s.SSTab->widget(2)->findChildren<QLabel*>()) {
        texte << l->text();
    }
    EXPECT_TRUE(texte.contains(L("Für einige Eingaben können Sie die Vorschläge fest vorgeben.")))
        << texte.join(L(" | ")).toStdString();
}

}  // namespace
