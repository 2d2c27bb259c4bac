#include <gtest/gtest.h>

#include "platform_qt/tastatur_qt.h"
#include "testsupport/umgebungsvariablen.h"

using namespace kronel;

TEST(QtTastatur, WithoutADisplayNoKeyHoldsAStartBack) {
    test::Umgebungsvariablen u;
    u.loeschen("DISPLAY");
    QtTastatur t;
    EXPECT_FALSE(t.feststelltasteAn());
    EXPECT_FALSE(t.umschaltGedrueckt());
}
