#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include "planner_dialogs/fensterverzeichnis.h"
#include "planner_dialogs/monatsblatt.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class MonatsblattTest : public ::testing::Test {
protected:
    QString panel(const char* name) { return blatt.StatusBar->findChild<QLabel*>(L(name))->text(); }
    QDate gezeigt() const { return blatt.Calendar->selectedDate(); }
    QWidget* ansicht() { return blatt.Calendar->findChild<QTableView*>(); }

    bool anwendung_ = (test::AnwendungSicherstellen(), true);
    test::TestUmgebung umgebung;
    Monatsblatt blatt;
};

}  // namespace

TEST_F(MonatsblattTest, SteuerelementeUndErsterTakt) {
    blatt.Vorbereiten({L("Termin melden ab?"), QDate(1850, 3, 1), {}});
    EXPECT_EQ(blatt.windowTitle(), L("Termin melden ab?"));
    const char* texte[] = {"&Heute", "88.88.8888", "Mona&t", "&Monat", "Jah&r", "&Jahr"};
    for (int i = 0; i < 6; ++i) {
        auto* b = blatt.findChild<QPushButton*>(QStringLiteral("befSwitch(%1)").arg(i));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), L(texte[i]));
    }
    EXPECT_EQ(blatt.findChild<QPushButton*>(L("befOk"))->text(), L("&Ok"));
    EXPECT_EQ(blatt.StatusBar->findChild<QLabel*>(L("vor"))->toolTip(), L("Differenz zu heute"));
    EXPECT_EQ(blatt.TimerRefresh->interval(), 333);
    EXPECT_TRUE(blatt.TimerRefresh->isActive());

    blatt.show();
    blatt.TimerRefresh_Timer();
    EXPECT_EQ(blatt.TimerRefresh->interval(), 1000);
    // Without a field date its switch goes; the year comes back to 1900.
    EXPECT_FALSE(blatt.befSwitch[1]->isVisible());
    EXPECT_EQ(gezeigt(), QDate(1900, 3, 1));
    EXPECT_EQ(panel("Datum"), L(" 01.03.1900 "));
    EXPECT_EQ(panel("KW"), L(" 9. Woche "));
}

TEST_F(MonatsblattTest, FelddatumBleibtSichtbarUndFuehrtZurueck) {
    blatt.Vorbereiten({L("?"), QDate(2026, 12, 9), L("17.05.1998")});
    blatt.show();
    blatt.TimerRefresh_Timer();
    EXPECT_TRUE(blatt.befSwitch[1]->isVisible());
    EXPECT_TRUE(blatt.befSwitch[1]->isEnabled());
    blatt.befSwitch[1]->click();
    EXPECT_EQ(gezeigt(), QDate(1998, 5, 17));
    blatt.befSwitch[3]->click();
    EXPECT_EQ(gezeigt(), QDate(1998, 6, 17));
}

TEST_F(MonatsblattTest, TastenWirkenGenauEinmal) {
    blatt.Vorbereiten({L("?"), QDate(2026, 1, 31), {}});
    blatt.show();
    QWidget* v = ansicht();
    ASSERT_NE(v, nullptr);
    test::Taste(v, Qt::Key_PageDown);
    EXPECT_EQ(gezeigt(), QDate(2026, 2, 28));
    test::Taste(v, Qt::Key_PageUp);
    EXPECT_EQ(gezeigt(), QDate(2026, 1, 28));
    test::Taste(v, Qt::Key_End);
    EXPECT_EQ(gezeigt(), QDate(2026, 1, 30));
    test::Taste(v, Qt::Key_Home);
    EXPECT_EQ(gezeigt(), QDate(2026, 1, 1));
    test::Taste(v, Qt::Key_Home, {}, Qt::ControlModifier);
    EXPECT_EQ(gezeigt(), QDate(2026, 12, 9));  // the test clock's today
    // The calendar's own keys still work.
    test::Taste(v, Qt::Key_Right);
    EXPECT_EQ(gezeigt(), QDate(2026, 12, 10));
}

TEST_F(MonatsblattTest, SchliessenUndDoppelklickBestaetigenDenGezeigtenTag) {
    FensterVerzeichnis verzeichnis;
    MonatsblattEintragen(verzeichnis);
    ASSERT_TRUE(verzeichnis.vorhanden(Fenstername::Monatsblatt));
    test::BeimNaechstenModalen<QDialog>([](QDialog* d) {
        auto* b = dynamic_cast<Monatsblatt*>(d);
        b->befSwitch[5]->click();
        b->close();  // the close box
    });
    EXPECT_EQ(verzeichnis.Monatsblatt({L("?"), QDate(2026, 12, 9), {}}).Calendar,
              QDate(2027, 12, 9));
    test::BeimNaechstenModalen<QDialog>([](QDialog* d) {
        auto* b = dynamic_cast<Monatsblatt*>(d);
        b->Calendar->setSelectedDate(QDate(2026, 12, 24));
        emit b->Calendar->activated(QDate(2026, 12, 24));  // a double click on the day
    });
    EXPECT_EQ(verzeichnis.Monatsblatt({L("?"), QDate(2026, 12, 9), {}}).Calendar,
              QDate(2026, 12, 24));
}

namespace {

// The label shows its whole text: laid out at the label's width (broken into
// lines when it wraps), the text needs no more room than the label has.
bool GanzGezeigt(const QLabel& l) {
    const QFontMetrics fm(l.font());
    // A framed label indents its text by half an "x" on each side.
    const QRect platz = l.contentsRect().adjusted(0, 0, -fm.horizontalAdvance(QLatin1Char('x')), 0);
    const QRect noetig =
        fm.boundingRect(QRect(0, 0, platz.width(), 100000),
                        l.wordWrap() ? int(Qt::TextWordWrap) : int(Qt::TextSingleLine), l.text());
    return noetig.width() <= platz.width() && noetig.height() <= platz.height();
}

}  // namespace

// Any holiday name of the file and the caller's question show whole.
TEST_F(MonatsblattTest, FeiertageUndFrageStehenGanz) {
    // The third name is wider than half the screen.
    umgebung.schreiben(umgebung.programm() + L("/Feiertag.Ini"),
                       "[Feiertage]\r\n03.10=Tag der Deutschen Einheit\r\n"
                       "24.12=Heiligabend mit Bescherung bei Oma\r\n"
                       "26.12=2. Weihnachtstag mit dem Besuch der ganzen Familie aus Oberammergau, "
                       "Garmisch-Partenkirchen und Mittenwald bei Tante Hildegard\r\n");
    Monatsblatt b;
    const QString frage = L("Nach welchem Datum soll gesucht werden?");
    b.Vorbereiten({frage, QDate(2026, 10, 3), {}});
    b.show();
    auto* feiertag = b.StatusBar->findChild<QLabel*>(L("Feiertag"));
    for (const QDate tag : {QDate(2026, 10, 3), QDate(2026, 12, 24), QDate(2026, 12, 26)}) {
        b.Calendar->setSelectedDate(tag);
        b.TimerRefresh_Timer();
        QCoreApplication::processEvents();  // the status bar lays its panels out anew
        EXPECT_FALSE(feiertag->text().isEmpty());
        EXPECT_TRUE(GanzGezeigt(*feiertag)) << feiertag->text().toStdString();
    }
    EXPECT_LE(b.frameGeometry().width(), b.screen()->availableGeometry().width());
    // room for the question in bold beside the title bar's icon, three buttons
    // and their gaps, six lines high in all
    QFont fett = b.font();
    fett.setBold(true);
    EXPECT_GE(b.width(),
              QFontMetrics(fett).horizontalAdvance(frage) + 6 * b.fontMetrics().height());
}

// Opened over its owner, the picker keeps the size it was placed with: neither
// the status bar's first layout nor the panels' first texts widen it to the
// right of the centre.
TEST_F(MonatsblattTest, BehaeltDieGroesseMitDerEsZentriertWurde) {
    umgebung.schreiben(umgebung.programm() + L("/Feiertag.Ini"),
                       "[Feiertage]\r\n25.12=1. Weihnachtstag\r\n");
    QWidget besitzer;
    besitzer.setGeometry(100, 100, 730, 460);
    besitzer.show();
    Monatsblatt b(&besitzer);
    b.Vorbereiten({L("Wählen Sie ein Datum für den Termin"), QDate(2026, 12, 25), {}});
    const QSize platziert = b.size();
    b.show();
    b.TimerRefresh_Timer();
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(b.size(), platziert);
}
