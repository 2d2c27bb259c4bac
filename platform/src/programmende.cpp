#include "platform/programmende.h"

#include <QCoreApplication>

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
    g_beendet = false;
    g_code = 0;
}

}  // namespace kronel
