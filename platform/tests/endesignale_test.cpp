#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QObject>

#include <csignal>

#include "platform/endesignale.h"

using namespace kronel;

TEST(EndeSignale, JedesSignalLaeuftImEreignisLaufNichtImHandler) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    QObject besitzer;
    int aufrufe = 0;
    EndeSignaleAbfangen(&besitzer, [&] { ++aufrufe; });
    for (const int s : {SIGTERM, SIGHUP, SIGINT}) {
        const int vorher = aufrufe;
        ASSERT_EQ(std::raise(s), 0);  // the process lives on
        EXPECT_EQ(aufrufe, vorher) << s;
        QDeadlineTimer frist(5000);
        while (aufrufe == vorher && !frist.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        EXPECT_EQ(aufrufe, vorher + 1) << s;
    }
}
