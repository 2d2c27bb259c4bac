#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QUuid>

#include <cstring>
#include <functional>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform_qt/oberflaeche_qt.h"
#include "testsupport/anwendung.h"

using namespace kronel;

namespace {

// The other tests of this program need a QApplication: make that one.
void App() {
    test::AnwendungSicherstellen();
}

QString EinmaligerName() {
    return QStringLiteral("Test") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

// Delivers events until the condition holds or two seconds are over.
bool Warten(const std::function<bool()>& bedingung) {
    QDeadlineTimer frist(2000);
    while (!bedingung() && !frist.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return bedingung();
}

}  // namespace

TEST(Instanzen, ZweiteKopieFindetDieErsteUndHoltSieNachVorne) {
    App();
    const QString name = EinmaligerName();
    QtInstanzen erste;
    int gerufen = 0;
    erste.beiAktivierung([&] { ++gerufen; });
    ASSERT_TRUE(erste.anmelden(name));

    QtInstanzen zweite;
    EXPECT_FALSE(zweite.anmelden(name));
    EXPECT_TRUE(zweite.aktivieren(name));
    EXPECT_TRUE(Warten([&] { return gerufen == 1; }));

    // another program name is not this one
    QtInstanzen andere;
    EXPECT_TRUE(andere.anmelden(name + QStringLiteral("x")));
    EXPECT_FALSE(QtInstanzen().aktivieren(EinmaligerName()));
}

TEST(Instanzen, VerwaisterSocketNachAbsturzWirdEntfernt) {
    App();
    const QString name = EinmaligerName();
    // a socket file without a listener, as a crashed copy leaves it
    QLocalServer probe;
    ASSERT_TRUE(probe.listen(QtInstanzen::KanalName(name)));
    const QString pfad = probe.fullServerName();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    probe.close();  // removes the file: make a stale one by hand
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    const QByteArray lokal = QFile::encodeName(pfad);
    ASSERT_LT(static_cast<size_t>(lokal.size()), sizeof adresse.sun_path);
    std::memcpy(adresse.sun_path, lokal.constData(), static_cast<size_t>(lokal.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
    ::close(fd);  // bound, never listening, now closed: the file stays
    ASSERT_TRUE(QFile::exists(pfad));

    QtInstanzen neu;
    EXPECT_TRUE(neu.anmelden(name));
    EXPECT_FALSE(QtInstanzen().anmelden(name));
}
