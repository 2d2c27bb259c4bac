#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "platform_qt/dienste_qt.h"
#include "testsupport/anwendung.h"

using namespace kronel;

TEST(QtTon, OhneTongeraetStillUndProtokolliert) {
    test::AnwendungSicherstellen();
    QTemporaryDir dir;
    const QString protokoll = dir.filePath(QStringLiteral("ton.log"));
    qputenv("KRONEL_TON_PROTOKOLL", QFile::encodeName(protokoll));
    QtTon ton;
    ton.piepen(16, QStringLiteral("#SystemHand"));
    // a file that is no sound and a missing one: silence, never a failure
    EXPECT_TRUE(ton.spielen(dir.filePath(QStringLiteral("fehlt.wav"))).ok());
    ton.stoppen();
    qunsetenv("KRONEL_TON_PROTOKOLL");
    QFile f(protokoll);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(),
              ("#SystemHand\n" + dir.filePath(QStringLiteral("fehlt.wav")) + "\n").toUtf8());
}
