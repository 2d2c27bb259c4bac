#include "platform/endesignale.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace kronel {

namespace {

int g_pipe[2] = {-1, -1};

extern "C" void SignalEmpfangen(int signal) {
    const char byte = static_cast<char>(signal);
    // Nothing but a write is safe here; a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
}

}  // namespace

void EndeSignaleAbfangen(QObject* besitzer, std::function<void()> handler) {
    if (g_pipe[0] < 0) {
        if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
            return;  // without the pipe the signals keep their default action
        }
    }
    auto* melder = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, besitzer);
    QObject::connect(melder, &QSocketNotifier::activated, melder, [handler = std::move(handler)] {
        char puffer[16];
        while (::read(g_pipe[0], puffer, sizeof puffer) > 0) {
        }
        handler();
    });
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
