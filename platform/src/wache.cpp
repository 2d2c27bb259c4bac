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

// The name becomes text only for a report.
template <typename Name>
void AbsichernMit(const std::function<void()>& handler, const Name& name) {
    try {
        handler();
    } catch (const std::bad_alloc&) {
        Berichten(Fehler(FehlerNr::KeinSpeicher), name());
    } catch (const std::exception& e) {
        Berichten(Fehler(FehlerNr::UngueltigesArgument, QString::fromLocal8Bit(e.what())),
                  name() + QStringLiteral("~") + QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Berichten(Fehler(FehlerNr::UngueltigesArgument), name());
    }
}

}  // namespace

Wachbericht WachberichtSetzen(Wachbericht bericht) {
    return std::exchange(g_bericht, bericht);
}

void Absichern(const std::function<void()>& handler, const QString& wo) {
    AbsichernMit(handler, [&] { return wo; });
}

void Absichern(const std::function<void()>& handler, const char* wo) {
    AbsichernMit(handler, [wo] { return QString::fromUtf8(wo); });
}

}  // namespace kronel
