#include "platform/programmende.h"

#include <QCoreApplication>
#include <QThread>

namespace kronel {

namespace {

bool g_beendet = false;
int g_code = 0;

}  // namespace

void ProgrammBeenden(int code) {
    g_beendet = true;
    g_code = code;
    // Without a running event loop the start does not run it. Qt's exit would
    // then still mark the thread, and every later loop of the process (a modal
    // window of the next test) would return at once.
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(code);
    }
}

bool ProgrammBeendet() {
    return g_beendet;
}

int ProgrammEndeCode() {
    return g_code;
}

void ProgrammEndeZuruecksetzen() {
    g_beendet = false;
    g_code = 0;
}

}  // namespace kronel
