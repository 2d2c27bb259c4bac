#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/schritte.h"

using namespace kronel;

TEST(SchrittLaeufer, AbbruchWiederholenIgnorieren) {
    std::vector<int> antworten = {4, 5};  // retry once, then ignore
    std::vector<int> gemeldet;
    SchrittLaeufer s([&](const Fehler& f) {
        gemeldet.push_back(f.pos);
        const int a = antworten.front();
        antworten.erase(antworten.begin());
        return a;
    });
    int versuche = 0;
    EXPECT_TRUE(s([] { return Status(); }));
    EXPECT_TRUE(s([&] {
        ++versuche;
        return Status(Fehler(53));
    }));
    EXPECT_EQ(versuche, 2);  // retried once, then ignored
    EXPECT_EQ(gemeldet, (std::vector<int>{2, 2}));
    EXPECT_FALSE(s.abgebrochen());

    SchrittLaeufer abbruch([](const Fehler&) { return 3; });
    bool danach = false;
    EXPECT_FALSE(abbruch([] { return Status(Fehler(70)); }));
    EXPECT_FALSE(abbruch([&] {
        danach = true;
        return Status();
    }));
    EXPECT_FALSE(danach);  // Abort leaves the procedure
    EXPECT_TRUE(abbruch.abgebrochen());
}

TEST(SchrittLaeufer, AusnahmenWerdenZuFehlern) {
    int nummer = 0;
    SchrittLaeufer s([&](const Fehler& f) {
        nummer = f.nummer;
        return 5;
    });
    EXPECT_TRUE(s([]() -> Status { throw std::runtime_error("kaputt"); }));
    EXPECT_EQ(nummer, 5);
}

TEST(Fehler, ErrnoUndBeschreibung) {
    EXPECT_EQ(FehlerAusErrno(ENOENT).nummer, 53);
    EXPECT_EQ(FehlerAusErrno(EACCES).nummer, 70);
    EXPECT_EQ(FehlerAusErrno(ENOSPC).nummer, 61);
    EXPECT_EQ(FehlerAusErrno(EACCES, QStringLiteral("/d/Kronel.Txt")).beschreibung,
              QStringLiteral("Zugriff verweigert: »/d/Kronel.Txt«"));
    EXPECT_EQ(FehlerBeschreibung(53), QStringLiteral("Datei nicht gefunden"));
    EXPECT_EQ(Fehler(62).beschreibung, QStringLiteral("Einlesen hinter Dateiende"));
}
