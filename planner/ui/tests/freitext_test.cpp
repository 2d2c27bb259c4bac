#include <gtest/gtest.h>

#include <QComboBox>
#include <QPrinter>

#include <map>

#include "common/einstellungen.h"
#include "planner_dialogs/fensterverzeichnis.h"
#include "planner_ui/main.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/programm.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class Freitext : public ::testing::Test {
protected:
    Freitext() {
        test::AnwendungSicherstellen();
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());  // an empty book
    }
    test::TestUmgebung umgebung;
};

}  // namespace

TEST_F(Freitext, DieFelderDesEditorsSpeichernDasGetippte) {
    FensterVerzeichnis keine;
    Main main(keine);
    ASSERT_TRUE(main.Starten());
    // SKBis and SKAdresse show the stored form at once: the upper-case letter.
    EXPECT_EQ(test::KombisBetippen(&main),
              (QStringList{L("SKAdresse=A"), L("SKBis=A"), L("SKFilter=a"), L("SKVon=a"),
                           L("SKZyklus=a")}));
    // Von, Bis, Filter, Zyklus and Adresse of the record.
    EXPECT_EQ(main.planer().buch.ListeTermine[0].mid(8, 29), L("A   A   a         A   A      "));
}

// Every side window shown the way Main shows it; a window added to the planner
// does not build here until it is added to the switch.
TEST_F(Freitext, JedesNebenfensterBehaeltDasGetippte) {
    LeeresEinfuegenAbfangen();
    FensterVerzeichnis verzeichnis;
    QPrinter drucker;
    Main* haupt = nullptr;
    PlanerFensterEintragen(verzeichnis, drucker,
                           [&haupt]() -> const Terminbuch& { return haupt->planer().buch; });
    Main main(verzeichnis);
    haupt = &main;
    verzeichnis.besitzerSetzen(&main);
    ASSERT_TRUE(main.Starten());

    std::map<QString, QStringList> kombis;
    QStringList felder;  // "window.field"
    for (int i = 0; i <= static_cast<int>(Fenstername::ZoomText); ++i) {
        const auto name = static_cast<Fenstername>(i);
        test::ModalBedienen([](QWidget*) { return true; },
                            [&kombis, &felder, name](QWidget* w) {
                                for (const QString& f : test::LeerEinfuegen(w)) {
                                    felder << FensterSchluessel(name) + u'.' + f;
                                }
                                kombis[FensterSchluessel(name)] = test::KombisBetippen(w);
                                w->close();
                            });
        switch (name) {
            case Fenstername::Suchen:
                verzeichnis.Suchen({});
                break;
            case Fenstername::Setup:
                verzeichnis.Setup({});
                break;
            case Fenstername::Freizeit:
                verzeichnis.Freizeit({});
                break;
            case Fenstername::Altes:
                verzeichnis.Altes({});
                break;
            case Fenstername::Monatsblatt:
                verzeichnis.Monatsblatt({L("Datum"), QDate(2026, 12, 9), {}});
                break;
            case Fenstername::Tips:
                verzeichnis.Tips();
                break;
            case Fenstername::Drucken:
                verzeichnis.Drucken();
                break;
            case Fenstername::DruckenBlatt:
                verzeichnis.DruckenBlatt();
                break;
            case Fenstername::Druckereinrichtung:
                verzeichnis.Druckereinrichtung();
                break;
            case Fenstername::ImpGeb:
                verzeichnis.ImpGeb();
                break;
            case Fenstername::Dateiwahl:
                verzeichnis.Dateiwahl({L("Datei"), umgebung.daten(), {}, false});
                break;
            case Fenstername::Notizen:
                verzeichnis.Notizen({});
                break;
            case Fenstername::Sonderzeichen:
                verzeichnis.Sonderzeichen({});
                break;
            case Fenstername::StdDialog:
                verzeichnis.StdDialog();
                break;
            case Fenstername::ZoomText:
                verzeichnis.ZoomText({});
                break;
        }
        EXPECT_TRUE(kombis.contains(FensterSchluessel(name)))
            << qPrintable(FensterSchluessel(name));
    }
    const QStringList keine;
    const std::map<QString, QStringList> erwartet{
        {L("Suchen"), {L("KomSuche=a")}},
        {L("Setup"),
         {L("KSetAdresse=a"), L("KSetBis=a"), L("KSetVon=a"), L("oKombiListeAutoPrint=a")}},
        {L("Freizeit"), keine},
        {L("Altes"), {L("txtFilter=a")}},
        {L("Monatsblatt"), keine},
        {L("Tips"), keine},
        {L("Drucken"), {L("KDruckenBis=a")}},
        {L("DruckenBlatt"), {L("kombiAdresse=a")}},
        {L("Druckereinrichtung"), keine},
        {L("ImpGeb"), keine},
        {L("Dateiwahl"), keine},
        {L("Notizen"), keine},
        {L("Sonderzeichen"), keine},
        {L("StdDialog"), keine},
        {L("ZoomText"), keine},
    };
    EXPECT_EQ(kombis, erwartet);
    EXPECT_EQ(felder.filter(L(": ")), QStringList());
    EXPECT_EQ(felder.size(), 19);
}
