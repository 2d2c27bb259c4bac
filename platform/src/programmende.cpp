#include "platform/programmende.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

namespace kronel {

namespace {

bool g_beendet = false;
int g_code = 0;

}  // namespace

void ProgrammBeenden(int code) {
    g_beendet = true;
    g_code = code;
    // Without a running event loop this does nothing; the start then does not run it.
    QCoreApplication::exit(code);
}

bool ProgrammBeendet() {
    return g_beendet;
}

int ProgrammEndeCode() {
    return g_code;
}

void ProgrammEndeZuruecksetzen() {
    // An exit while no loop ran leaves the application quitting, so every local
    // event loop of the new run would return at once; a short run of the
    // application's own loop clears that.
    if (g_beendet && QCoreApplication::instance() != nullptr &&
        QThread::currentThread()->loopLevel() == 0) {
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        QCoreApplication::exec();
    }
    g_beendet = false;
    g_code = 0;
}

}  // namespace kronel
