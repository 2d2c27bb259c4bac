#include <gtest/gtest.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>

#include <stdexcept>

#include "platform/tastatur.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/programm.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;
using test::L;

TEST(Abgesichert, ReichtArgumenteWeiterUndMeldetFehlerMitDemNamen) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    QObject quelle;
    QString erhalten;
    int ohneArgument = 0;
    QObject::connect(&quelle, &QObject::objectNameChanged, &quelle,
                     Abgesichert([&](const QString& name) { erhalten = name; }, "mitArgument"));
    QObject::connect(&quelle, &QObject::objectNameChanged, &quelle,
                     Abgesichert([&] { ++ohneArgument; }, "ohneArgument"));
    QObject::connect(&quelle, &QObject::objectNameChanged, &quelle,
                     Abgesichert([] { throw std::runtime_error("kaputt"); }, "befWählen_Click"));
    quelle.setObjectName(L("neu"));
    EXPECT_EQ(erhalten, L("neu"));
    EXPECT_EQ(ohneArgument, 1);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    // The handler's name as the source spells it, umlaut included.
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(L("befWählen_Click\r\nkaputt")));
}

TEST(AbgesichertAusfuehren, GibtDenWertOderNachEinemFehlerDenErsatz) {
    test::TestUmgebung umgebung;
    EXPECT_TRUE(AbgesichertAusfuehren([] { return true; }, "Liste_eventFilter", false));
    EXPECT_EQ(AbgesichertAusfuehren([]() -> int { throw std::runtime_error("kaputt"); }, "Zahl", 7),
              7);
    int laeufe = 0;
    AbgesichertAusfuehren(
        [&] {
            ++laeufe;
            throw std::runtime_error("weg");
        },
        "Fenster_closeEvent");
    EXPECT_EQ(laeufe, 1);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(L("Zahl\r\nkaputt")));
    EXPECT_TRUE(umgebung.meldungen.boxen[1].text.startsWith(L("Fenster_closeEvent\r\nweg")));
}

TEST(Statusleiste, PanelsInIhrerReiheMitNamenTippUndDehnung) {
    test::AnwendungSicherstellen();
    QMainWindow fenster;
    const StatusPanels p = StatusPanelsAnlegen(fenster);
    const QList<QLabel*> labels = fenster.statusBar()->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 3);
    EXPECT_EQ(p.status->objectName(), L("Status"));
    EXPECT_EQ(p.datum->toolTip(), L("Aktuelles Datum"));
    EXPECT_EQ(p.zeit->objectName(), L("Zeit"));
    fenster.resize(600, 200);
    fenster.show();
    // The status panel takes the room the others leave.
    EXPECT_GT(p.status->width(), p.datum->width());
    EXPECT_LT(p.status->x(), p.datum->x());
    EXPECT_LT(p.datum->x(), p.zeit->x());
}

// A debug build stops at a service nobody installed, so the programs' start
// installs every one they reach.
TEST(DiensteInstallieren, DieProgrammeBekommenJedenDienst) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;  // puts the fakes back afterwards
    DiensteSetzen({});
    TastaturSetzen(nullptr);
    DiensteInstallieren();
    const Dienste d = dienste();
    EXPECT_NE(d.meldungen, nullptr);
    EXPECT_NE(d.ton, nullptr);
    EXPECT_NE(d.zeiger, nullptr);
    EXPECT_NE(d.uhr, nullptr);
    EXPECT_NE(d.bildschirm, nullptr);
    EXPECT_NE(d.web, nullptr);
    EXPECT_NE(d.prozesse, nullptr);
    EXPECT_NE(d.instanzen, nullptr);
    EXPECT_NE(d.hilfe, nullptr);
    EXPECT_NE(TastaturSetzen(nullptr), nullptr);
}

// The programs' start keeps a paste that brings nothing from taking a field's
// selection, by key or from the context menu; a paste of text still takes it.
TEST(DiensteInstallieren, LeeresEinfuegenLaesstDieAuswahl) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    DiensteInstallieren();
    QLineEdit feld(L("11.12.2026"));
    EinzeiligEinpassen(&feld, 10);
    feld.selectAll();
    for (const char* kopie : {"\t", "\t11.12.2027"}) {
        QApplication::clipboard()->setText(L(kopie));
        QContextMenuEvent klick(QContextMenuEvent::Mouse, {2, 2}, feld.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&feld, &klick);
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        QList<QAction*> einfuegen = menue->actions();
        einfuegen.removeIf(
            [](QAction* a) { return !a->text().startsWith(QLineEdit::tr("&Paste")); });
        ASSERT_EQ(einfuegen.size(), 1);
        EXPECT_EQ(einfuegen[0]->isEnabled(), kopie[1] != 0);
        menue->close();
        test::Taste(&feld, Qt::Key_V, {}, Qt::ControlModifier);
        EXPECT_EQ(feld.text(), kopie[1] != 0 ? L("11.12.2027") : L("11.12.2026"));
    }
}

// Away from a field, paste keys, right-clicks and a drag's moves ask for no
// text: an owner that does not answer holds up each question for seconds.
TEST(DiensteInstallieren, LeeresEinfuegenFragtNurFuerEinFeld) {
    struct Zaehler final : QMimeData {
        mutable int fragen = 0;
        QVariant retrieveData(const QString& art, QMetaType typ) const override {
            return ++fragen, QMimeData::retrieveData(art, typ);
        }
    };
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    DiensteInstallieren();
    auto* ablage = new Zaehler;
    ablage->setText(L("\t"));
    QApplication::clipboard()->setMimeData(ablage);
    QListWidget liste;
    test::Taste(&liste, Qt::Key_V, {}, Qt::ControlModifier);
    QContextMenuEvent klick(QContextMenuEvent::Mouse, {2, 2}, liste.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(liste.viewport(), &klick);
    EXPECT_EQ(ablage->fragen, 0);
    QLineEdit feld;  // keeps a tab: takes the drag
    QDragEnterEvent hinein({2, 2}, Qt::CopyAction, ablage, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&feld, &hinein);
    const int gefragt = ablage->fragen;
    QDragMoveEvent ziehen({3, 2}, Qt::CopyAction, ablage, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&feld, &ziehen);
    EXPECT_TRUE(ziehen.isAccepted());
    EXPECT_EQ(ablage->fragen, gefragt);
}
