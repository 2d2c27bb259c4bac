#pragma once
// What every program's window layer does the same way: the start, handlers
// under the top-level guard, and the status bar.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "common/fehlermeldung.h"

class QLabel;
class QMainWindow;
class QStatusBar;
class QPrinter;
class QWidget;

namespace kronel {

class QtDrucker;

// What the start hands the program while it builds its window.
class ProgrammUmgebung {
public:
    // The printer service, set up on first request (only the programs that
    // print pay for it).
    QtDrucker& drucker();
    // Keeps an object alive as long as the program's window; it goes after the
    // window does.
    template <typename T>
    T& behalten(std::unique_ptr<T> objekt) {
        T& r = *objekt;
        behalten_.push_back(std::shared_ptr<void>(std::move(objekt)));
        return r;
    }

private:
    std::vector<std::shared_ptr<void>> behalten_;
};

// Builds the main window and runs the program's start-up; shows the window
// when the program goes on. nullptr when the program ends in its start-up.
using FensterBauen = std::function<std::unique_ptr<QWidget>(ProgrammUmgebung& umgebung)>;

// Every desktop service of a program, the help window and the keyboard
// included, for the whole run (the printer comes on request, above); also
// LeeresEinfuegenAbfangen.
void DiensteInstallieren();

// A paste into a one-line field of any window (a line edit, also that of an
// editable combo box or a spin box) that brings no character the field keeps
// (an empty clipboard, one without text, a lone tab) leaves the field's text
// and selection as they are. Once for the application.
void LeeresEinfuegenAbfangen();

// The one start of all four programs: the application object, German texts,
// every desktop service, the command line; then the window and the event loop.
// Returns the program's exit code.
int ProgrammAusfuehren(int argc, char** argv, const FensterBauen& bauen);

namespace detail {

template <typename Handler, typename Tupel, std::size_t... I>
constexpr bool AufrufbarMit(std::index_sequence<I...>) {
    return std::is_invocable_v<const Handler&, std::tuple_element_t<I, Tupel>&...>;
}

// Calls the handler with as many of the leading signal arguments as it takes
// (Qt's private-signal tag at the end is never among them).
template <std::size_t N, typename Handler, typename Tupel>
void MitVorderenArgumenten(const Handler& handler, Tupel& argumente) {
    if constexpr (N == 0 || AufrufbarMit<Handler, Tupel>(std::make_index_sequence<N>{})) {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            handler(std::get<I>(argumente)...);
        }
        (std::make_index_sequence<N>{});
    } else {
        MitVorderenArgumenten<N - 1>(handler, argumente);
    }
}

}  // namespace detail

// An event handler for connect() that runs under the top-level guard: an
// unexpected failure is reported with the handler's name instead of ending the
// program. The handler takes the signal's leading arguments or none.
template <typename Handler>
auto Abgesichert(Handler handler, const char* wo) {
    // The declared return type keeps connect()'s probing of argument counts from
    // instantiating the body for counts it does not use.
    return [handler = std::move(handler), wo](auto... argumente) -> void {
        auto tupel = std::make_tuple(argumente...);
        Absichern([&] { detail::MitVorderenArgumenten<sizeof...(argumente)>(handler, tupel); },
                  QString::fromUtf8(wo));
    };
}

// Runs the own work of an event override (an event handler, an event filter,
// a dialog's reject) at once under the top-level guard. Returns what the work
// returned, or ersatz after a failure: an event filter answers false, so the
// event goes on to its target as if the filter had not seen it.
template <typename Teil, typename Wert>
Wert AbgesichertAusfuehren(Teil teil, const char* wo, Wert ersatz) {
    Absichern([&] { ersatz = teil(); }, QString::fromUtf8(wo));
    return ersatz;
}
template <typename Teil>
void AbgesichertAusfuehren(Teil teil, const char* wo) {
    static_assert(std::is_void_v<std::invoke_result_t<Teil&>>, "the answer after a failure");
    Absichern(teil, QString::fromUtf8(wo));
}

// One panel of a status bar: its control name, the text it starts with, its
// tooltip and whether it takes the room that is left.
struct PanelVorgabe {
    QString name;
    QString text;
    QString tip;
    bool dehnen = false;
};

// The status bar of a main window with these panels in their order. Sunken
// panels are the planner's look; the other programs show flat ones.
std::vector<QLabel*> StatusleisteAnlegen(QMainWindow& fenster,
                                         const std::vector<PanelVorgabe>& panels,
                                         bool versenkt = false);
// The same on a status bar of a dialog.
std::vector<QLabel*> StatusleisteAnlegen(QStatusBar* leiste,
                                         const std::vector<PanelVorgabe>& panels,
                                         bool versenkt = false);

// The panels "Status" (stretching), "Datum" and "Zeit" with their tooltips.
struct StatusPanels {
    QLabel* status;
    QLabel* datum;
    QLabel* zeit;
};
StatusPanels StatusPanelsAnlegen(QMainWindow& fenster);

// The printer setup "Druckereinrichtung" (druckereinrichtung.cpp): the printer
// and the paper the following printouts use; Abbrechen changes nothing.
void DruckereinrichtungZeigen(QPrinter& drucker, QWidget* besitzer);

// A later copy of the program that hands over brings this window to the front.
void NachVorneBeiAktivierung(QWidget* fenster);

}  // namespace kronel
