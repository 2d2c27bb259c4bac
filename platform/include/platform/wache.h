#pragma once
// The top-level guard of every handler the event loop calls (connections,
// timers, queued calls, event overrides), in every layer down to this one: an
// unexpected failure in a handler is reported instead of ending the program.
// The report itself, the central error report, lies above this layer; the
// program puts it in at start (WachberichtSetzen).

#include <QString>

#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/fehler.h"

namespace kronel {

// What the guard does with a failure: FehlerMeldung, whose answer it does not
// need (the handler has ended either way). Returns the report in force before.
// Without one a failure goes to standard error, and the program goes on.
using Wachbericht = int (*)(const Fehler& fehler, const QString& text);
Wachbericht WachberichtSetzen(Wachbericht bericht);

// Runs an event handler or timer slot; an unexpected failure is reported with
// wo, the handler's name, instead of ending the program.
void Absichern(const std::function<void()>& handler, const QString& wo);
// The same with the name as UTF-8, turned into text only for a report: event
// filters run this for every event of the program.
void Absichern(const std::function<void()>& handler, const char* wo);

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
        Absichern([&] { detail::MitVorderenArgumenten<sizeof...(argumente)>(handler, tupel); }, wo);
    };
}

// Runs the own work of an event override (an event handler, an event filter,
// a dialog's reject) at once under the top-level guard. Returns what the work
// returned, or ersatz after a failure: an event filter answers false, so the
// event goes on to its target as if the filter had not seen it.
template <typename Teil, typename Wert>
Wert AbgesichertAusfuehren(Teil teil, const char* wo, Wert ersatz) {
    Absichern([&] { ersatz = teil(); }, wo);
    return ersatz;
}
template <typename Teil>
void AbgesichertAusfuehren(Teil teil, const char* wo) {
    static_assert(std::is_void_v<std::invoke_result_t<Teil&>>, "the answer after a failure");
    Absichern(teil, wo);
}

}  // namespace kronel
