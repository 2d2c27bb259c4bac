#include <gtest/gtest.h>

#include <stdexcept>

#include "planner_ui/titel.h"
#include "testsupport/anwendung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

TEST(TitelFenster, FehlerImTickNenntTitelbildUndZaehler) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    Titel titel([](Qt::WindowStates) { throw std::runtime_error("kaputt"); });
    titel.ZeitTimer();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(
        L("Es ist ein Fehler beim Aufbau des Titelbildes aufgetreten #1")))
        << qPrintable(umgebung.meldungen.boxen[0].text);
}

}  // namespace
