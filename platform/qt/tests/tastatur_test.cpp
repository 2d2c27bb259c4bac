#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "platform_qt/tastatur_qt.h"

using namespace kronel;

TEST(QtTastatur, WithoutADisplayNoKeyHoldsAStartBack) {
    const QByteArray vorher = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    QtTastatur t;
    EXPECT_FALSE(t.feststelltasteAn());
    EXPECT_FALSE(t.umschaltGedrueckt());
    if (!vorher.isEmpty()) {
        qputenv("DISPLAY", vorher);
    }
}
