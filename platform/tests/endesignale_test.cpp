#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QSocketNotifier>

#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "platform/endesignale.h"

using namespace kronel;

namespace {

// The event loop until the handler has run or five seconds are gone.
void WartenBis(const int& aufrufe, int soll) {
    QDeadlineTimer frist(5000);
    while (aufrufe < soll && !frist.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
}

// The write end of the pipe the watch reads: the other descriptor of the
// process on the same pipe.
int SchreibendeVon(int leseende) {
    const QString rohr = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(leseende));
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& name : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
        if (name.toInt() != leseende && QFile::symLinkTarget(fds.filePath(name)) == rohr) {
            return name.toInt();
        }
    }
    return -1;
}

}  // namespace

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
        WartenBis(aufrufe, vorher + 1);
        EXPECT_EQ(aufrufe, vorher + 1) << s;
    }
}

TEST(EndeSignale, EinZweiterAufrufErsetztDieWache) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    QObject erster;
    QObject zweiter;
    int alt = 0;
    int neu = 0;
    EndeSignaleAbfangen(&erster, [&] { ++alt; });
    EndeSignaleAbfangen(&zweiter, [&] { ++neu; });
    ASSERT_EQ(std::raise(SIGTERM), 0);
    WartenBis(neu, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(neu, 1);
    EXPECT_EQ(alt, 0);

    // A wake-up of the watch that finds no signal byte runs nothing.
    auto* melder = zweiter.findChild<QSocketNotifier*>();
    ASSERT_NE(melder, nullptr);
    QEvent wecken(QEvent::SockAct);
    QCoreApplication::sendEvent(melder, &wecken);
    EXPECT_EQ(neu, 1);
}

TEST(EndeSignale, DerHandlerLaesstErrnoStehen) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    QObject besitzer;
    int aufrufe = 0;
    EndeSignaleAbfangen(&besitzer, [&] { ++aufrufe; });
    auto* melder = besitzer.findChild<QSocketNotifier*>();
    ASSERT_NE(melder, nullptr);
    const int leseende = static_cast<int>(melder->socket());
    const int schreibende = SchreibendeVon(leseende);
    ASSERT_GE(schreibende, 0);
    // A full pipe makes the handler's write fail.
    const QByteArray fuellung(4096, 'x');
    while (::write(schreibende, fuellung.constData(), fuellung.size()) > 0) {
    }
    ASSERT_EQ(errno, EAGAIN);
    errno = ENOENT;
    ASSERT_EQ(std::raise(SIGHUP), 0);
    EXPECT_EQ(errno, ENOENT);
    WartenBis(aufrufe, 1);
    EXPECT_EQ(aufrufe, 1);
}
TEST(EndeSignaleDeathTest, EinZweitesSignalBeendetSofort) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            int argc = 0;
            QCoreApplication app(argc, nullptr);
            QObject besitzer;
            EndeSignaleAbfangen(&besitzer, [] {});
            std::raise(SIGTERM);  // waits for the event loop
            std::raise(SIGTERM);  // a stuck handler: the second one ends the program
        },
        ::testing::KilledBySignal(SIGTERM), "");
}
