#include "platform/endesignale.h"

#include <QPointer>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "platform/wache.h"

namespace kronel {

namespace {

int g_pipe[2] = {-1, -1};
// The one watch of the process.
QPointer<QSocketNotifier> g_melder;

extern "C" void SignalEmpfangen(int signal) {
    // The interrupted code may be about to read errno; a failed write must not
    // change it under its feet.
    const int gesichert = errno;
    const char byte = static_cast<char>(signal);
    // Nothing but a write is safe here; a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = gesichert;
}

}  // namespace

void EndeSignaleAbfangen(QObject* besitzer, std::function<void()> handler) {
    if (g_pipe[0] < 0) {
        if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
            return;  // without the pipe the signals keep their default action
        }
    }
    // A second watch on the same pipe would run its handler for a signal the
    // first one has already read.
    if (g_melder != nullptr) {
        g_melder->setEnabled(false);
        g_melder->deleteLater();
    }
    auto* melder = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, besitzer);
    g_melder = melder;
    auto lesen = [handler = std::move(handler)] {
        char puffer[16];
        bool signal = false;
        while (::read(g_pipe[0], puffer, sizeof puffer) > 0) {
            signal = true;
        }
        // A wake-up that finds the pipe empty brought no signal.
        if (signal) {
            handler();
        }
    };
    QObject::connect(melder, &QSocketNotifier::activated, melder,
                     Abgesichert(std::move(lesen), "EndeSignale_activated"));
    struct sigaction wirkung {};
    wirkung.sa_handler = SignalEmpfangen;
    sigemptyset(&wirkung.sa_mask);
    // A second signal while the first is handled ends the program the old way.
    wirkung.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int s : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(s, &wirkung, nullptr);
    }
}

}  // namespace kronel
