#pragma once
// SIGTERM, SIGHUP and SIGINT end a program the way the end of the desktop
// session does. The signal handler itself only writes a byte into a pipe; the
// work runs in the event loop, where it may save and sign off.

#include <functional>

class QObject;

namespace kronel {

// From now on each of the three signals runs handler in the event loop once;
// the same signal sent again ends the program at once, so a stuck handler
// cannot keep it alive. The watch lives as long as besitzer; a later call
// replaces it.
void EndeSignaleAbfangen(QObject* besitzer, std::function<void()> handler);

}  // namespace kronel
