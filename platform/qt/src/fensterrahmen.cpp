#include <QGuiApplication>
#include <QLibrary>
#include <QThread>

#include <algorithm>
#include <array>
#include <vector>

#include "platform_qt/oberflaeche_qt.h"

namespace kronel {

namespace {

// libX11 is loaded at run time, as for the keyboard lamps: the programs
// neither link it nor need its headers. These mirror the few types of it used.
using XAnzeige = void;
using XId = unsigned long;
using XOpenDisplayFn = XAnzeige* (*)(const char*);
using XCloseDisplayFn = int (*)(XAnzeige*);
using XDefaultRootWindowFn = XId (*)(XAnzeige*);
using XInternAtomFn = XId (*)(XAnzeige*, const char*, int);
using XCreateSimpleWindowFn = XId (*)(XAnzeige*, XId, int, int, unsigned int, unsigned int,
                                      unsigned int, unsigned long, unsigned long);
using XDestroyWindowFn = int (*)(XAnzeige*, XId);
using XSendEventFn = int (*)(XAnzeige*, XId, int, long, void*);
using XSyncFn = int (*)(XAnzeige*, int);
using XGetWindowPropertyFn = int (*)(XAnzeige*, XId, XId, long, long, int, XId, XId*, int*,
                                     unsigned long*, unsigned long*, unsigned char**);
using XFreeFn = int (*)(void*);

// XClientMessageEvent inside the XEvent union (24 longs).
struct ClientNachricht {
    int type;
    unsigned long serial;
    int send_event;
    XAnzeige* display;
    XId window;
    XId message_type;
    int format;
    std::array<long, 5> daten;
};
union XEreignis {
    ClientNachricht nachricht;
    std::array<long, 24> platz;
};

constexpr int ClientMessage = 33;
constexpr long SubstructureNotifyMask = 1L << 19;
constexpr long SubstructureRedirectMask = 1L << 20;
constexpr XId XA_ATOM = 4;
constexpr XId XA_CARDINAL = 6;
// How long the window manager may take to answer.
constexpr int kVersuche = 20;
constexpr unsigned long kPauseMs = 10;

struct X11 {
    QLibrary bibliothek{QStringLiteral("X11"), 6};
    XOpenDisplayFn oeffnen = nullptr;
    XCloseDisplayFn schliessen = nullptr;
    XDefaultRootWindowFn wurzel = nullptr;
    XInternAtomFn atom = nullptr;
    XCreateSimpleWindowFn fensterAnlegen = nullptr;
    XDestroyWindowFn fensterZerstoeren = nullptr;
    XSendEventFn senden = nullptr;
    XSyncFn abgleichen = nullptr;
    XGetWindowPropertyFn eigenschaft = nullptr;
    XFreeFn freigeben = nullptr;

    bool Laden() {
        oeffnen = reinterpret_cast<XOpenDisplayFn>(bibliothek.resolve("XOpenDisplay"));
        schliessen = reinterpret_cast<XCloseDisplayFn>(bibliothek.resolve("XCloseDisplay"));
        wurzel = reinterpret_cast<XDefaultRootWindowFn>(bibliothek.resolve("XDefaultRootWindow"));
        atom = reinterpret_cast<XInternAtomFn>(bibliothek.resolve("XInternAtom"));
        fensterAnlegen =
            reinterpret_cast<XCreateSimpleWindowFn>(bibliothek.resolve("XCreateSimpleWindow"));
        fensterZerstoeren =
            reinterpret_cast<XDestroyWindowFn>(bibliothek.resolve("XDestroyWindow"));
        senden = reinterpret_cast<XSendEventFn>(bibliothek.resolve("XSendEvent"));
        abgleichen = reinterpret_cast<XSyncFn>(bibliothek.resolve("XSync"));
        eigenschaft =
            reinterpret_cast<XGetWindowPropertyFn>(bibliothek.resolve("XGetWindowProperty"));
        freigeben = reinterpret_cast<XFreeFn>(bibliothek.resolve("XFree"));
        return oeffnen != nullptr && schliessen != nullptr && wurzel != nullptr &&
               atom != nullptr && fensterAnlegen != nullptr && fensterZerstoeren != nullptr &&
               senden != nullptr && abgleichen != nullptr && eigenschaft != nullptr &&
               freigeben != nullptr;
    }

    // The 32-bit items of a property (longs, as Xlib hands them out).
    std::vector<long> Lesen(XAnzeige* a, XId fenster, XId name, XId art, long anzahl) const {
        XId gelesen = 0;
        int format = 0;
        unsigned long stueck = 0;
        unsigned long rest = 0;
        unsigned char* werte = nullptr;
        std::vector<long> ergebnis;
        if (eigenschaft(a, fenster, name, 0, anzahl, 0, art, &gelesen, &format, &stueck, &rest,
                        &werte) == 0 &&
            werte != nullptr && format == 32) {
            const auto* l = reinterpret_cast<const long*>(werte);
            ergebnis.assign(l, l + stueck);
        }
        if (werte != nullptr) {
            freigeben(werte);
        }
        return ergebnis;
    }
};

// Asks the window manager, as the desktop standard lets a client do before it
// maps a window, which frame it would give a new top-level window.
QMargins RahmenErfragen() {
    if (QGuiApplication::platformName() != QStringLiteral("xcb") ||
        qEnvironmentVariableIsEmpty("DISPLAY")) {
        return {};
    }
    X11 x;
    if (!x.Laden()) {
        return {};
    }
    XAnzeige* a = x.oeffnen(nullptr);
    if (a == nullptr) {
        return {};
    }
    const XId wurzel = x.wurzel(a);
    const XId anfrage = x.atom(a, "_NET_REQUEST_FRAME_EXTENTS", 0);
    const XId antwort = x.atom(a, "_NET_FRAME_EXTENTS", 0);
    const std::vector<long> kann =
        x.Lesen(a, wurzel, x.atom(a, "_NET_SUPPORTED", 0), XA_ATOM, 4096);
    QMargins rahmen;
    if (std::find(kann.begin(), kann.end(), static_cast<long>(anfrage)) != kann.end()) {
        const XId probe = x.fensterAnlegen(a, wurzel, 0, 0, 100, 100, 0, 0, 0);
        XEreignis e{};
        e.nachricht.type = ClientMessage;
        e.nachricht.send_event = 1;
        e.nachricht.display = a;
        e.nachricht.window = probe;
        e.nachricht.message_type = anfrage;
        e.nachricht.format = 32;
        x.senden(a, wurzel, 0, SubstructureNotifyMask | SubstructureRedirectMask, &e);
        for (int i = 0; i < kVersuche; ++i) {
            x.abgleichen(a, 0);
            // left, right, top, bottom
            const std::vector<long> r = x.Lesen(a, probe, antwort, XA_CARDINAL, 4);
            if (r.size() == 4) {
                rahmen = QMargins(static_cast<int>(r[0]), static_cast<int>(r[2]),
                                  static_cast<int>(r[1]), static_cast<int>(r[3]));
                break;
            }
            QThread::msleep(kPauseMs);
        }
        x.fensterZerstoeren(a, probe);
    }
    x.schliessen(a);
    return rahmen;
}

}  // namespace

QMargins FenstermanagerRahmen() {
    static const QMargins rahmen = RahmenErfragen();
    return rahmen;
}

}  // namespace kronel
