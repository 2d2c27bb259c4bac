#include <QGuiApplication>
#include <QLibrary>

#include "platform_qt/tastatur_qt.h"

namespace kronel {

namespace {

// libX11 is loaded at run time, so the programs neither link it nor need its
// headers to build; without it (or without a display) Caps Lock reads as off.
using XOpenDisplayFn = void* (*)(const char*);
using XCloseDisplayFn = int (*)(void*);
using XkbGetIndicatorStateFn = int (*)(void*, unsigned int, unsigned int*);
constexpr unsigned int XkbUseCoreKbd = 0x0100;
constexpr unsigned int CapsLockAnzeige = 0x1;

bool CapsLockAusX11() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        return false;
    }
    static QLibrary x11(QStringLiteral("X11"), 6);
    auto oeffnen = reinterpret_cast<XOpenDisplayFn>(x11.resolve("XOpenDisplay"));
    auto schliessen = reinterpret_cast<XCloseDisplayFn>(x11.resolve("XCloseDisplay"));
    auto zustand = reinterpret_cast<XkbGetIndicatorStateFn>(x11.resolve("XkbGetIndicatorState"));
    if (oeffnen == nullptr || schliessen == nullptr || zustand == nullptr) {
        return false;
    }
    void* anzeige = oeffnen(nullptr);
    if (anzeige == nullptr) {
        return false;
    }
    unsigned int lampen = 0;
    const bool ok = zustand(anzeige, XkbUseCoreKbd, &lampen) == 0;
    schliessen(anzeige);
    return ok && (lampen & CapsLockAnzeige) != 0;
}

}  // namespace

bool QtTastatur::umschaltGedrueckt() const {
    return QGuiApplication::instance() != nullptr &&
           QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

bool QtTastatur::strgGedrueckt() const {
    return QGuiApplication::instance() != nullptr &&
           QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool QtTastatur::feststelltasteAn() const {
    return CapsLockAusX11();
}

}  // namespace kronel
