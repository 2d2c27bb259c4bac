#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "common/fenster.h"
#include "common/modul.h"
#include "common/statistik.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;

class Statistik : public ::testing::Test {
protected:
    QString lesen(const char* schluessel) { return IniLesen({}, L("Kronel"), L(schluessel), {}); }
    void schreiben(const char* schluessel, const QString& wert) {
        IniSchreiben({}, L("Kronel"), L(schluessel), wert);
    }
    void zeit(int j, int m, int t, int h, int min, int s) {
        umgebung.uhr.setzen(QDateTime(QDate(j, m, t), QTime(h, min, s)));
    }
    test::TestUmgebung umgebung;
};
}  // namespace

TEST_F(Statistik, ErsterUndSpaetererStart) {
    zeit(2024, 3, 5, 10, 0, 50);
    StatistikStart();
    EXPECT_EQ(lesen("Stat_Starts"), L("1"));
    EXPECT_EQ(lesen("Stat_StartFirst"), L("05.03.2024"));
    EXPECT_EQ(lesen("Stat_StartLast"), L("05.03.2024 10:00:50"));
    EXPECT_EQ(modul().VersionText, ProgrammVersionText());
    zeit(2024, 3, 7, 8, 0, 0);
    StatistikStart();
    EXPECT_EQ(lesen("Stat_Starts"), L("2"));
    EXPECT_EQ(lesen("Stat_StartFirst"), L("05.03.2024"));
    EXPECT_EQ(lesen("Stat_StartLast"), L("07.03.2024 08:00:00"));
    schreiben("Stat_StartFirst", L("kaputt"));
    StatistikStart();
    EXPECT_EQ(lesen("Stat_StartFirst"), L("07.03.2024"));
}

TEST_F(Statistik, LaufminutenZaehlenMinutenwechsel) {
    schreiben("Stat_RunMinutes", L("10"));
    zeit(2024, 3, 5, 10, 0, 50);
    StatistikStart();
    zeit(2024, 3, 5, 10, 1, 10);
    StatistikEnde();
    EXPECT_EQ(lesen("Stat_RunMinutes"), L("11"));
    EXPECT_EQ(lesen("Dir"), umgebung.programm());
    EXPECT_EQ(lesen("Ver"), ProgrammVersionText());
    EXPECT_EQ(lesen("VerBit"), L("32") + ProgrammVersionText());

    zeit(2024, 3, 5, 10, 1, 0);
    StatistikStart();
    zeit(2024, 3, 5, 10, 1, 59);
    StatistikEnde();
    EXPECT_EQ(lesen("Stat_RunMinutes"), L("11"));
}

TEST_F(Statistik, EigeneStartzeitGiltAuchWennAndereDenSchluesselUeberschreiben) {
    zeit(2024, 3, 5, 9, 0, 0);
    StatistikStart();
    // the output program starts meanwhile and overwrites the shared key
    schreiben("Stat_StartLast", L("05.03.2024 11:55:00"));
    zeit(2024, 3, 5, 12, 0, 0);
    StatistikEnde();
    EXPECT_EQ(lesen("Stat_RunMinutes"), L("180"));
}

TEST_F(Statistik, OhneEigenenStartZaehltDerGespeicherteOderNichts) {
    schreiben("Stat_StartLast", L("05.03.2024 11:55:00"));
    zeit(2024, 3, 5, 12, 0, 0);
    StatistikEnde();
    EXPECT_EQ(lesen("Stat_RunMinutes"), L("5"));
    schreiben("Stat_StartLast", L("Unsinn"));
    StatistikEnde();
    EXPECT_EQ(lesen("Stat_RunMinutes"), L("5"));
}

TEST_F(Statistik, Texte) {
    for (int form : {0, 2, 1}) {
        EXPECT_EQ(StatistikText(form), L("Sorry, aber keine Datengrundlage vorhanden."));
    }
    schreiben("Stat_StartFirst", L("01.03.2024"));
    schreiben("Stat_Starts", L("1234"));
    schreiben("Stat_RunMinutes", L("600"));
    zeit(2024, 3, 5, 12, 0, 0);  // four day changes
    EXPECT_EQ(StatistikText(2), L("309 Starts pro Tag und 2,5 Stunden pro Tag."));
    EXPECT_EQ(StatistikText(0),
              L("Seit dem 01.03.2024 wurde das Programm auf diesem Rechner 1.234 mal gestartet "
                "und lief dabei 10,0 Stunden.\r\n\r\nDas entspricht durchschnittlich 309 Starts "
                "pro Tag und 2,5 Stunden pro Tag."));
    // on the first day the day counts once
    schreiben("Stat_StartFirst", L("05.03.2024"));
    schreiben("Stat_Starts", L("3"));
    EXPECT_EQ(StatistikText(2), L("3,0 Starts pro Tag und 10,0 Stunden pro Tag."));
}

TEST_F(Statistik, FaelligFragen) {
    zeit(2024, 6, 1, 9, 0, 0);
    EXPECT_TRUE(FaelligFragen(L("Frage"), 60));  // missing key
    EXPECT_EQ(IniLesen({}, L("Fragen"), L("Frage"), {}), L("01.06.2024 09:00:00"));
    EXPECT_FALSE(FaelligFragen(L("Frage"), 60));

    IniSchreiben({}, L("Fragen"), L("Frage"), L("02.04.2024 23:59:59"));  // 60 day changes
    EXPECT_FALSE(FaelligFragen(L("Frage"), 60));
    EXPECT_EQ(IniLesen({}, L("Fragen"), L("Frage"), {}), L("02.04.2024 23:59:59"));
    IniSchreiben({}, L("Fragen"), L("Frage"), L("01.04.2024 23:59:59"));  // 61
    EXPECT_TRUE(FaelligFragen(L("Frage"), 60));
    EXPECT_EQ(IniLesen({}, L("Fragen"), L("Frage"), {}), L("01.06.2024 09:00:00"));
    IniSchreiben({}, L("Fragen"), L("Frage"), L("02.06.2024 00:00:00"));  // tomorrow
    EXPECT_TRUE(FaelligFragen(L("Frage"), 60));
    IniSchreiben({}, L("Fragen"), L("Frage"), L("Quatsch"));
    EXPECT_TRUE(FaelligFragen(L("Frage"), 60));
}
