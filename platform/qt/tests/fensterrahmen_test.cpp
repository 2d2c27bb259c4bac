#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

#include <utility>

#include "common/einstellungen.h"
#include "common/fenster.h"
#include "platform_qt/oberflaeche_qt.h"
#include "testsupport/anwendung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;
using test::L;

namespace {

// A window manager frames a window only once it is shown: before, Qt knows no
// frame at all.
const QMargins kRahmen(2, 25, 2, 2);

QtFenster::RahmenAbfrage RahmenNachDemZeigen() {
    return [](const QWidget& w) { return w.isVisible() ? kRahmen : QMargins(); };
}

class FensterRahmen : public ::testing::Test {
protected:
    FensterRahmen() { test::AnwendungSicherstellen(); }
    test::TestUmgebung umgebung;  // screen 15360 x 11520 twips
};

}  // namespace

TEST_F(FensterRahmen, GestartetUndBeendetBleibenDieGespeichertenAussenmasse) {
    // 509 x 621 pixels outside at 100, 50
    const std::pair<const char*, const char*> masse[] = {{"KronelinForm_Höhe", "7635"},
                                                         {"KronelinForm_Weite", "9315"},
                                                         {"KronelinForm_Links", "1500"},
                                                         {"KronelinForm_Oben", "750"}};
    for (const auto& [schluessel, wert] : masse) {
        IniSchreiben({}, L("Kronel"), L(schluessel), L(wert));
    }
    for (int start = 1; start <= 3; ++start) {
        QWidget fenster;
        fenster.resize(617, 459);  // the designed size
        QtFenster f(&fenster, RahmenNachDemZeigen());
        FensterPositionLesen(f, L("Kronelin"));
        fenster.show();
        QApplication::processEvents();
        // The frame is taken off the inside, not added to the outside.
        EXPECT_EQ(fenster.geometry(), QRect(102, 75, 617, 482)) << start;
        FensterPositionSpeichern(f, L("Kronelin"), PositionsText::Ganzzahl);
        for (const auto& [schluessel, wert] : masse) {
            EXPECT_EQ(IniLesen({}, L("Kronel"), L(schluessel)), L(wert)) << start << schluessel;
        }
    }
}

TEST_F(FensterRahmen, UngezeigtWieGezeigtGespeichert) {
    // "/autoprint" ends before its window shows: it stores the outer edges a
    // start that shows the window stores, at the first run and every later one.
    auto lauf = [](bool zeigen) {
        QWidget fenster;
        fenster.resize(617, 459);  // the designed size
        QtFenster f(&fenster, RahmenNachDemZeigen(), [](const QWidget&) { return kRahmen; });
        FensterPositionLesen(f, L("Kronelin"));
        if (zeigen) {
            fenster.show();
            QApplication::processEvents();
        }
        FensterPositionSpeichern(f, L("Kronelin"), PositionsText::Ganzzahl);
        QStringList werte;
        for (const char* s : {"Höhe", "Weite", "Links", "Oben"}) {
            werte << IniLesen({}, L("Kronel"), L("KronelinForm_") + L(s));
        }
        return werte;
    };
    const QStringList gezeigt = lauf(true);
    EXPECT_EQ(gezeigt.mid(0, 2), (QStringList{L("7290"), L("9315")}));  // 486 x 621 pixels
    umgebung.schreiben(umgebung.riviror(), {});
    EXPECT_EQ(lauf(false), gezeigt);
    EXPECT_EQ(lauf(false), gezeigt);
    EXPECT_EQ(lauf(true), gezeigt);
}

TEST_F(FensterRahmen, VerschiebenVorDemRahmenBehaeltDieGroesse) {
    // The reminder and the launcher place their window before it is shown.
    QWidget fenster;
    fenster.resize(340, 150);
    QtFenster f(&fenster, RahmenNachDemZeigen());
    f.verschieben(1500, 750);
    fenster.show();
    QApplication::processEvents();
    EXPECT_EQ(fenster.geometry(), QRect(102, 75, 340, 150));
    EXPECT_DOUBLE_EQ(f.masse().weite, 344 * 15);
    EXPECT_DOUBLE_EQ(f.masse().hoehe, 177 * 15);
    // Framed already: moved as it stands.
    f.verschieben(3000, 1500);
    EXPECT_EQ(fenster.geometry(), QRect(202, 125, 340, 150));
}

TEST_F(FensterRahmen, OhneGespeicherteMasseBleibtDieEntworfeneInnengroesse) {
    QWidget fenster;
    fenster.resize(617, 459);
    QtFenster f(&fenster, RahmenNachDemZeigen());
    FensterPositionLesen(f, L("Kronelin"));
    fenster.show();
    QApplication::processEvents();
    EXPECT_EQ(fenster.size(), QSize(617, 459));
    // centred as it stood: (15360 - 9255) / 2 and (11520 - 6885) / 2 twips, to the pixel
    EXPECT_DOUBLE_EQ(f.masse().links, 204 * 15);
    EXPECT_DOUBLE_EQ(f.masse().oben, 155 * 15);
}

TEST_F(FensterRahmen, DerRahmenSchiebtKeinFensterUeberDenSchirmrand) {
    // The reminder keeps its window on the screen by its size before the
    // frame comes: placed in the lower right corner it stays whole.
    QWidget fenster;
    fenster.resize(340, 150);
    const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
    QtFenster f(&fenster, RahmenNachDemZeigen());
    f.verschieben((schirm.right() + 1 - 340) * 15.0, (schirm.bottom() + 1 - 150) * 15.0);
    fenster.show();
    QApplication::processEvents();
    EXPECT_EQ(fenster.geometry(),
              QRect(schirm.right() - 2 - 339, schirm.bottom() - 2 - 149, 340, 150));
    // One placed beyond the edge already keeps its place.
    QWidget weiter;
    weiter.resize(340, 150);
    QtFenster g(&weiter, RahmenNachDemZeigen());
    g.verschieben((schirm.right() - 100) * 15.0, 1500);
    weiter.show();
    QApplication::processEvents();
    EXPECT_EQ(weiter.geometry().topLeft(), QPoint(schirm.right() - 100 + 2, 125));
}
