#include <gtest/gtest.h>

#include <cmath>

#include "output/mondsonne.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

// A clock reading so many minutes after the reference new moon, counted on the
// clock as it stands (no summer-time shift).
QDateTime NachNeumond(qint64 minuten) {
    return QDateTime(QDate(1996, 4, 17), QTime(23, 49), Qt::UTC).addSecs(minuten * 60);
}

QDateTime Ortszeit(int j, int m, int t, int h, int min) {
    return QDateTime(QDate(j, m, t), QTime(h, min));
}

// Minutes of the day of a clock text "hh:mm".
int Minuten(const QString& uhrzeit) {
    return uhrzeit.left(2).toInt() * 60 + uhrzeit.mid(3, 2).toInt();
}

}  // namespace

TEST(Mond, PhasenwoerterAnDenGrenzen) {
    const Mondstand neu = MondBerechnen(NachNeumond(0));
    EXPECT_EQ(neu.p, 0);
    EXPECT_EQ(neu.text, L("Mondalter: 0,00 Tage~Neumond, zunehmend~"));
    // 14.77 days: p 50 is still waxing, p 51 waning.
    const Mondstand voll = MondBerechnen(NachNeumond(21269));
    EXPECT_EQ(voll.p, 50);
    EXPECT_EQ(voll.text, L("Mondalter: 14,77 Tage~Vollmond, zunehmend~"));
    const Mondstand danach = MondBerechnen(NachNeumond(21475));
    EXPECT_EQ(danach.p, 51);
    EXPECT_EQ(danach.text.mid(danach.text.indexOf(u'~') + 1), L("Vollmond, abnehmend~"));
    // p 4 and 96: no phase word; p 25 a half moon.
    EXPECT_TRUE(MondBerechnen(NachNeumond(1701)).text.endsWith(L("Tage~zunehmend~")));
    EXPECT_EQ(MondBerechnen(NachNeumond(1701)).p, 4);
    EXPECT_EQ(MondBerechnen(NachNeumond(40825)).p, 96);
    EXPECT_TRUE(MondBerechnen(NachNeumond(40825)).text.endsWith(L("Tage~abnehmend~")));
    EXPECT_TRUE(MondBerechnen(NachNeumond(10632)).text.endsWith(L("Halbmond, zunehmend~")));
    // Seconds do not count: only whole minutes of the clock.
    EXPECT_EQ(MondBerechnen(NachNeumond(0).addSecs(59)).text, neu.text);
}

// New and full moons from eclipse tables (local German time).
TEST(Mond, FinsternisseTreffenNeuUndVollmond) {
    for (const QDateTime& t : {Ortszeit(2025, 3, 29, 11, 58), Ortszeit(2025, 9, 21, 21, 54),
                               Ortszeit(2024, 4, 8, 20, 21)}) {
        const Mondstand m = MondBerechnen(t);
        EXPECT_TRUE(m.text.contains(L("Neumond"))) << t.toString().toStdString();
        EXPECT_TRUE(m.alter < 1 || m.alter > 28.5) << m.alter;
    }
    for (const QDateTime& t : {Ortszeit(2025, 3, 14, 7, 55), Ortszeit(2025, 9, 7, 20, 9)}) {
        EXPECT_TRUE(MondBerechnen(t).text.contains(L("Vollmond"))) << t.toString().toStdString();
    }
}

TEST(Mond, SchattenlinienNachPhase) {
    // The middle line of the disc (a = pi/2) runs from kL to kR times the radius.
    auto mitte = [](int p) { return MondSchattenLinien(p, 205, 205)[78]; };
    EXPECT_EQ(MondSchattenLinien(0, 205, 205).size(), 158u);
    EXPECT_NEAR(mitte(0).x1(), 0, 0.01);
    EXPECT_NEAR(mitte(0).x2(), 200, 0.01);
    EXPECT_NEAR(mitte(25).x2(), 100, 0.01);  // the left half
    EXPECT_NEAR(mitte(50).x1(), 0, 0.01);
    EXPECT_NEAR(mitte(50).x2(), 0, 0.01);    // nothing
    EXPECT_NEAR(mitte(75).x1(), 100, 0.01);  // the right half
    EXPECT_NEAR(mitte(75).x2(), 200, 0.01);
    EXPECT_NEAR(mitte(100).x1(), 0, 0.01);
    // From the bottom of the disc to its top.
    EXPECT_NEAR(MondSchattenLinien(0, 205, 205).front().y1(), 200, 0.01);
    EXPECT_LT(MondSchattenLinien(0, 205, 205).back().y1(), 0.1);
}

TEST(Sonne, SommerzeitNachGanzenUmstellungstagen) {
    EXPECT_TRUE(IstSommerzeit(QDate(2025, 3, 30)));
    EXPECT_FALSE(IstSommerzeit(QDate(2025, 3, 29)));
    EXPECT_TRUE(IstSommerzeit(QDate(2025, 10, 25)));
    EXPECT_FALSE(IstSommerzeit(QDate(2025, 10, 26)));
    EXPECT_TRUE(IstSommerzeit(QDate(1995, 9, 23)));
    EXPECT_FALSE(IstSommerzeit(QDate(1995, 9, 24)));
    EXPECT_FALSE(IstSommerzeit(QDate(1979, 7, 1)));
    EXPECT_FALSE(IstSommerzeit(QDate()));
}

TEST(Sonne, StundenAlsUhrzeitRundetAufZehner) {
    const struct {
        double minuten;
        const char* text;
    } tabelle[] = {{7 * 60 + 5.5, "07:00"},  {7 * 60 + 15.5, "07:20"},  {7 * 60 + 25.5, "07:20"},
                   {7 * 60 + 35.5, "07:40"}, {23 * 60 + 55.5, "24:00"}, {9 * 60 + 44.5, "09:40"}};
    for (const auto& z : tabelle) {
        EXPECT_EQ(StundenAlsUhrzeit(z.minuten / 60, 20), L(z.text)) << z.minuten;
    }
    EXPECT_EQ(StundenAlsUhrzeit(7.5, 1), L("7:30"));
    EXPECT_EQ(StundenAlsUhrzeit(7.5, 2), L("07:30"));
    EXPECT_EQ(StundenAlsUhrzeit(7.5, 99), L("7:30"));
    EXPECT_EQ(StundenAlsUhrzeit(7.3, 0), L("7,3"));
    EXPECT_EQ(StundenAlsUhrzeit(1.5125, 3), L("1:30:45"));
    EXPECT_EQ(StundenAlsUhrzeit(1.5125, 4), L("90:45"));
    EXPECT_EQ(StundenAlsUhrzeit(7.5, 10), QString());
    EXPECT_EQ(StundenAlsUhrzeit(std::nan(""), 20), QString());
    EXPECT_EQ(StundenAlsUhrzeit(HUGE_VAL, 20), QString());
}

TEST(Sonne, GradMinutenSekunden) {
    EXPECT_NEAR(GradAusText(L("50.06")), 50.1, 1e-9);
    EXPECT_NEAR(GradAusText(L("53.4830")), 53 + 48 / 60.0 + 30 / 3600.0, 1e-9);
    EXPECT_NEAR(GradAusText(L("-33.52")), -(33 + 52 / 60.0), 1e-9);
}

// Published sunrise, sunset and transit of 2025 (local time), three cities.
TEST(Sonne, ZeitenInnerhalbDerRundung) {
    const struct {
        const char* breite;
        const char* laenge;
        QDateTime tag;
        const char* auf;
        const char* unter;
        const char* mitte;
        const char* zone;
    } tabelle[] = {
        {"50.06", "8.41", Ortszeit(2025, 6, 21, 12, 0), "05:14", "21:39", "13:27", "MESZ"},
        {"50.06", "8.41", Ortszeit(2025, 12, 21, 12, 0), "08:21", "16:24", "12:23", "MEZ"},
        {"52.31", "13.24", Ortszeit(2025, 6, 21, 12, 0), "04:43", "21:33", "13:08", "MESZ"},
        {"52.31", "13.24", Ortszeit(2025, 12, 21, 12, 0), "08:15", "15:54", "12:05", "MEZ"},
        {"48.08", "11.34", Ortszeit(2025, 3, 30, 12, 0), "06:59", "19:40", "13:20", "MESZ"},
    };
    for (const auto& z : tabelle) {
        const QStringList zeilen = SonnenText(z.tag, L(z.breite), L(z.laenge), true).split(u'\r');
        ASSERT_EQ(zeilen.size(), 3) << z.breite;
        EXPECT_LE(std::abs(Minuten(zeilen[0]) - Minuten(L(z.auf))), 17) << zeilen[0].toStdString();
        EXPECT_LE(std::abs(Minuten(zeilen[1]) - Minuten(L(z.unter))), 17)
            << zeilen[1].toStdString();
        EXPECT_LE(std::abs(Minuten(zeilen[2]) - Minuten(L(z.mitte))), 7) << zeilen[2].toStdString();
        EXPECT_TRUE(zeilen[0].endsWith(L(" Sonnenaufgang")));
        EXPECT_TRUE(zeilen[2].endsWith(L(" Durchgang, ") + L(z.zone)));
    }
}

TEST(Sonne, OhneZoneUndOhneAufgang) {
    const QString winter = SonnenText(Ortszeit(2025, 6, 21, 12, 0), L("50.06"), L("8.41"), false);
    EXPECT_TRUE(winter.endsWith(L(" Durchgang")));
    EXPECT_TRUE(winter.startsWith(L("04:"))) << winter.toStdString();  // standard time
    // Polar day and night: no sun lines.
    EXPECT_EQ(SonnenText(Ortszeit(2025, 6, 21, 12, 0), L("70.00"), L("20"), true), QString());
    EXPECT_EQ(SonnenText(Ortszeit(2025, 12, 21, 12, 0), L("70.00"), L("20"), true), QString());
}
