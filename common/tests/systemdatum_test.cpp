#include <gtest/gtest.h>

#include "common/systemdatum.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;
}  // namespace

TEST(SystemDatum, GueltigeUhrBleibtStill) {
    test::TestUmgebung umgebung;
    for (const QDateTime& t : {QDateTime(QDate(2026, 12, 9), QTime(9, 30)),
                               QDateTime(QDate(2000, 2, 29), QTime(23, 59, 59)),
                               QDateTime(QDate(100, 1, 1), QTime(0, 0))}) {
        umgebung.uhr.setzen(t);
        EXPECT_TRUE(SystemDatumPruefen()) << t.toString().toStdString();
    }
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_TRUE(umgebung.ton.aufrufe.isEmpty());
}

TEST(SystemDatum, UngueltigeUhrWarntEinmalMitTon) {
    test::TestUmgebung umgebung;
    umgebung.uhr.setzen(QDateTime(QDate(10000, 1, 1), QTime(8, 0)));
    EXPECT_FALSE(SystemDatumPruefen());
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const test::Box& box = umgebung.meldungen.boxen[0];
    EXPECT_EQ(box.titel, L("Aktuelles Datum / Uhrzeit ist ungültig"));
    EXPECT_EQ(box.stil, 48);
    EXPECT_EQ(box.tonVorher, QStringList{L("#SystemExclamation")});
    EXPECT_TRUE(
        box.text.startsWith(L("Als aktuelles Datum / Uhrzeit wird\r\n 01.01.10000 08:00:00"
                              "\r\nvom System gemeldet.\r\n\r\nDas ist aber")))
        << box.text.toStdString();
    EXPECT_TRUE(
        box.text.endsWith(L("Datum und Zeit.\r\nEin typischer Fehler ist z. B. eine "
                            "deutsche Ländereinstellung mit zusätzlicher am/pm Ausgabe.")));

    umgebung.uhr.setzen(QDateTime());
    EXPECT_FALSE(SystemDatumPruefen());
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);
}
