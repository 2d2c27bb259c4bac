#include <gtest/gtest.h>

#include "platform/tastatur.h"
#include "platform_qt/dienste_qt.h"
#include "testsupport/anwendung.h"
#include "testsupport/testsupport.h"

using namespace kronel;

// A debug build stops at a service nobody installed, so the programs' start
// installs every one they reach (the help window comes from the shared windows).
TEST(DesktopDienste, DieProgrammeBekommenJedenDienst) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;  // puts the fakes back afterwards
    DiensteSetzen({});
    TastaturSetzen(nullptr);
    DesktopDiensteInstallieren();
    const Dienste d = dienste();
    EXPECT_NE(d.meldungen, nullptr);
    EXPECT_NE(d.ton, nullptr);
    EXPECT_NE(d.zeiger, nullptr);
    EXPECT_NE(d.uhr, nullptr);
    EXPECT_NE(d.bildschirm, nullptr);
    EXPECT_NE(d.web, nullptr);
    EXPECT_NE(d.prozesse, nullptr);
    EXPECT_NE(d.instanzen, nullptr);
    EXPECT_NE(TastaturSetzen(nullptr), nullptr);
}
