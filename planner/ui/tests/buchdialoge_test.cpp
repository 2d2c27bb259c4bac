#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "planner_dialogs/buchdialoge.h"
#include "planner_dialogs/fensterverzeichnis.h"
#include "platform/text.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class BuchDialoge : public ::testing::Test {
protected:
    BuchDialoge() {
        test::AnwendungSicherstellen();
        modul().DateiAltes = umgebung.daten() + L("/Kronel.Old");
        modul().DateiNotizen = umgebung.daten() + L("/Kronel.Txt");
    }
    test::TestUmgebung umgebung;
};

TEST_F(BuchDialoge, ArchivZeigtDasNeuesteUndLoeschtJedeWiederholung) {
    QByteArray archiv;
    for (int tag = 1; tag <= 12; ++tag) {
        archiv += QByteArray::number(tag).rightJustified(2, '0') + ".11.2026 Termin\r\n";
    }
    archiv += "05.11.2026 Termin\r\n05.11.2026 Termin\r\n";
    umgebung.schreiben(modul().DateiAltes, archiv);
    umgebung.schreiben(modul().DateiNotizen, "Arzt\r\nTermin\r\n");

    Altes w(nullptr, L("Arial;8;0;0;0;0;"));
    EXPECT_EQ(w.windowTitle(), L("Abgelaufene Termine"));
    EXPECT_EQ(w.txtFilter->count(), 3);  // the empty entry and the notes
    ASSERT_EQ(w.Liste->count(), 12);
    EXPECT_EQ(w.Liste->currentRow(), 11);
    EXPECT_EQ(w.Position->text(), L("abgelaufener Termin 12 von 12"));
    EXPECT_EQ(w.Status->text(), L("Vor 3,9 Wochen"));
    w.befListeDrucken->click();
    ASSERT_EQ(umgebung.drucker.beendeteDokumente(), 1);
    const QStringList gedruckt = umgebung.drucker.dokumente[0].seiten[0].texte();
    EXPECT_TRUE(gedruckt.contains(L("Kronel, abgelaufene Termine, Stand 09.12.2026, Seite 1")));
    EXPECT_TRUE(gedruckt.contains(L("12.11.2026 Termin")));
    EXPECT_EQ(w.Position->text(), L("abgelaufener Termin 12 von 12"));

    w.Liste->setCurrentRow(4);
    w.BefLoeschen->click();
    EXPECT_EQ(w.Liste->count(), 11);
    EXPECT_EQ(w.Liste->currentItem()->text(), L("06.11.2026 Termin"));
    EXPECT_FALSE(umgebung.lesen(modul().DateiAltes).contains("05.11.2026"));

    w.txtFilter->setCurrentText(L("arzt"));
    w.befListeLesen_Click();
    EXPECT_EQ(w.Liste->count(), 0);
    EXPECT_EQ(w.Status->text(), L("Keine abgelaufenen Termine gefunden!"));
    EXPECT_FALSE(w.BefLoeschen->isEnabled());
    EXPECT_FALSE(w.BefEinfuegen->isEnabled());
}

TEST_F(BuchDialoge, ArchivGibtNurEineZeileMitDatumZurueck) {
    umgebung.schreiben(modul().DateiAltes, "24.12.2001 Geschenke kaufen\r\nohne Datum\r\n");
    Altes w(nullptr, {});
    const auto zeile = [&](const char* text) {
        return w.Liste->row(w.Liste->findItems(L(text), Qt::MatchExactly).value(0));
    };
    w.Liste->setCurrentRow(zeile("ohne Datum"));
    w.BefEinfuegen->click();
    EXPECT_TRUE(w.BezUebergabe.isEmpty());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("»ohne Datum« ist kein gültiges Datum."));

    w.Liste->setCurrentRow(zeile("24.12.2001 Geschenke kaufen"));
    w.BefEinfuegen->click();
    EXPECT_EQ(w.BezUebergabe, L("24.12.2001 Geschenke kaufen"));
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(BuchDialoge, ArchivNurLesendOhneLoeschenUndEinfuegen) {
    umgebung.schreiben(modul().DateiAltes, "24.12.2001 Geschenke\r\n");
    modul().NurLesen = 1;
    Altes w(nullptr, {});
    EXPECT_EQ(w.Liste->count(), 1);
    EXPECT_FALSE(w.BefLoeschen->isEnabled());
    EXPECT_FALSE(w.BefEinfuegen->isEnabled());
}

TEST_F(BuchDialoge, FreizeitSuchtHeuteUndUebernimmtNurGueltigeTage) {
    const QStringList termine{L("20261209-   -   -         -   Alle   Zahnarzt"),
                              L("202612101T  -   -         -   Alle   Kino")};
    Freizeit w(nullptr, L("Arial;14;-1;0;0;0;"), termine);
    EXPECT_EQ(w.windowTitle(), L("Terminsuche"));
    EXPECT_EQ(w.txtDatum->text(), L("09.12.2026"));
    EXPECT_EQ(w.bezInfoDate->text(), L("Mittwoch, heute"));
    EXPECT_EQ(w.Liste->count(), 2);
    EXPECT_EQ(w.Status->text(), L("2 Termine für den 09.12.2026 gefunden."));
    EXPECT_EQ(w.Liste->font().pointSize(), 9);
    EXPECT_FALSE(w.Liste->font().bold());
    EXPECT_FALSE(w.befDatum[5]->isEnabled());  // no date picker in this build

    w.befDatum[0]->click();
    EXPECT_EQ(w.txtDatum->text(), L("08.12.2026"));
    ASSERT_EQ(w.Liste->count(), 1);
    EXPECT_EQ(w.Liste->item(0)->text(), L("*** keine Termine gefunden ***"));
    EXPECT_EQ(w.Status->text(), L("Keine Termine für den 08.12.2026 gefunden."));

    w.txtDatum->setText(L("31.12.9999"));
    EXPECT_EQ(w.Liste->count(), 0);  // a changed date shows no old result
    umgebung.ton.aufrufe.clear();
    w.befDatum[4]->click();
    EXPECT_EQ(w.txtDatum->text(), L("31.12.9999"));
    EXPECT_TRUE(umgebung.ton.aufrufe.contains(L("piep 48 #SystemExclamation")));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());

    w.txtDatum->setText(L("30.2.2026"));
    w.befTerminNeu->click();
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);
    w.txtDatum->setText(L("1.3.2026"));
    w.befTerminNeu->click();
    EXPECT_EQ(w.BezUebergabe, L("01.03.2026 ?"));
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(BuchDialoge, FreizeitMitKalender) {
    QList<QPair<QString, QDate>> gefragt;
    Freizeit w(nullptr, {}, {}, [&](const QString& caption, const QDate& tag) {
        gefragt.append({caption, tag});
        return QDate(2027, 1, 2);
    });
    ASSERT_TRUE(w.befDatum[5]->isEnabled());
    w.befDatum[5]->click();
    ASSERT_EQ(gefragt.size(), 1);
    EXPECT_EQ(gefragt[0].first, L("Datum Terminsuche"));
    EXPECT_EQ(gefragt[0].second, QDate(2026, 12, 9));
    EXPECT_EQ(w.txtDatum->text(), L("02.01.2027"));
    EXPECT_EQ(w.bezInfoDate->text(), L("Samstag, in 24 Tagen"));
}

TEST_F(BuchDialoge, ArchivUndFreizeitNehmenDieSchriftAusDerUebergabe) {
    umgebung.schreiben(modul().DateiAltes, "24.12.2001 Geschenke\r\n");
    FensterVerzeichnis verzeichnis;
    BuchDialogeEintragen(verzeichnis);
    const QString schrift = L("Courier;10;0;0;0;0;");
    test::BeimNaechstenModalen([](QWidget* w) {
        dynamic_cast<Altes&>(*w).befListeDrucken->click();
        w->close();
    });
    verzeichnis.Altes({schrift});
    EXPECT_TRUE(umgebung.drucker.aufrufe.contains(L("FontName Courier")));
    QString familie;
    test::BeimNaechstenModalen([&](QWidget* w) {
        familie = dynamic_cast<Freizeit&>(*w).Liste->font().family();
        w->close();
    });
    verzeichnis.Freizeit({{}, schrift});
    EXPECT_EQ(familie, L("Courier"));
}

TEST_F(BuchDialoge, GeburtstageDesErstenBuchesZurAuswahl) {
    ImpGeb ohne(nullptr);
    EXPECT_EQ(ohne.ListeAdr->count(), 0);
    EXPECT_FALSE(ohne.befOk->isEnabled());
    // the empty lists say where the folder of the books is set
    EXPECT_TRUE(ohne.bezHinweis->isVisibleTo(&ohne));
    EXPECT_TRUE(ohne.bezHinweis->text().contains(L("»Dir« im Abschnitt »Solmika«")));

    const QString ordner = umgebung.daten() + L("/adressen");
    IniSchreiben({}, L("Solmika"), L("Dir"), ordner);
    auto adresse = [](const char* name, const char* vorname, const char* tag) {
        QByteArray z = QByteArray("0\t") + name + "\t" + vorname;
        for (int i = 3; i < 20; ++i) {
            z += "\t";
        }
        return z + "\t" + tag + "\r\n";
    };
    umgebung.schreiben(ordner + L("/Verein.dat"), adresse("Zorn", "", "3.3.1970"));
    umgebung.schreiben(ordner + L("/Freunde.DAT"), adresse("Maier", "Eva", "24.12.1965") +
                                                       adresse("Maier", "Eva", "24.12.1965") +
                                                       adresse("M\xfcller", "", "29.02.????") +
                                                       adresse("Ohne", "", "") + "0\tKurz\r\n");
    ImpGeb w(nullptr);
    EXPECT_FALSE(w.bezHinweis->isVisibleTo(&w));
    ASSERT_EQ(w.ListeAdr->count(), 2);
    EXPECT_EQ(w.ListeAdr->item(0)->text(), L("Freunde"));
    ASSERT_EQ(w.Liste->count(), 2);
    EXPECT_EQ(w.Liste->item(0)->text(), L("24.12.1965 Maier, Eva"));
    EXPECT_EQ(w.Liste->item(1)->text(), L("29.02.???? Müller"));
    w.befMark[1]->click();
    EXPECT_EQ(w.Liste->selectedItems().size(), 2);
    w.befMark[0]->click();
    w.Liste->item(1)->setSelected(true);
    w.befOk->click();
    EXPECT_EQ(w.Auswahl(), QStringList{L("29.02.???? Müller")});

    // Another book replaces the list; a cancel hands nothing over
    w.ListeAdr->setCurrentRow(1);
    EXPECT_EQ(w.Liste->count(), 1);
    w.Liste->selectAll();
    w.befAbbrechen->click();
    EXPECT_TRUE(w.Auswahl().isEmpty());
}

}  // namespace
