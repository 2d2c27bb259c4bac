#include "platform/wache.h"

#include <cstdio>
#include <exception>
#include <new>

namespace kronel {

namespace {

Wachbericht g_bericht = nullptr;

void Berichten(const Fehler& fehler, const QString& text) {
    if (g_bericht != nullptr) {
        g_bericht(fehler, text);
        return;
    }
    std::fprintf(stderr, "Fehler %d in %s\n", fehler.nummer, qPrintable(text));
    std::fflush(stderr);
}

}  // namespace

Wachbericht WachberichtSetzen(Wachbericht bericht) {
    return std::exchange(g_bericht, bericht);
}

void Absichern(const std::function<void()>& handler, const QString& wo) {
    try {
        handler();
    } catch (const std::bad_alloc&) {
        Berichten(Fehler(FehlerNr::KeinSpeicher), wo);
    } catch (const std::exception& e) {
        Berichten(Fehler(FehlerNr::UngueltigesArgument, QString::fromLocal8Bit(e.what())),
                  wo + QStringLiteral("~") + QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Berichten(Fehler(FehlerNr::UngueltigesArgument), wo);
    }
}

}  // namespace kronel
