#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "platform_qt/dienste_qt.h"
#include "testsupport/anwendung.h"
#include "testsupport/umgebungsvariablen.h"

using namespace kronel;

TEST(QtTon, OhneTongeraetStillUndProtokolliert) {
    test::AnwendungSicherstellen();
    QTemporaryDir dir;
    const QString protokoll = dir.filePath(QStringLiteral("ton.log"));
    test::Umgebungsvariablen u;
    u.setzen("KRONEL_TON_PROTOKOLL", protokoll);
    QtTon ton;
    ton.piepen(16, QStringLiteral("#SystemHand"));
    // a file that is no sound and a missing one: silence, never a failure
    const QString kaputt = dir.filePath(QStringLiteral("kaputt.wav"));
    {
        QFile k(kaputt);
        ASSERT_TRUE(k.open(QIODevice::WriteOnly));
        k.write("kein Klang");
    }
    EXPECT_TRUE(ton.spielen(kaputt).ok());
    EXPECT_TRUE(ton.spielen(dir.filePath(QStringLiteral("fehlt.wav"))).ok());
    ton.stoppen();
    u.loeschen("KRONEL_TON_PROTOKOLL");
    QFile f(protokoll);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(),
              ("#SystemHand\n" + kaputt + "\n" + dir.filePath(QStringLiteral("fehlt.wav")) + "\n")
                  .toUtf8());
}
