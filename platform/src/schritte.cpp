#include "platform/schritte.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

#include "platform/dienste.h"

namespace kronel {

bool Entwicklungsmodus() {
    return qEnvironmentVariable("KRONEL_ENTWICKLUNG") == QLatin1String("1");
}

void MitDiagnoseBeenden(const Fehler& f, const QString& wo) {
    std::fprintf(stderr, "Entwicklungsmodus: Fehler %d (%s) in %s, Schritt %d\n", f.nummer,
                 qPrintable(f.beschreibung), qPrintable(wo), f.pos);
    std::fflush(stderr);
    std::abort();
}

SchrittLaeufer::SchrittLaeufer(Melder melden, QString wo)
    : melden_(std::move(melden)), wo_(std::move(wo)) {}

bool SchrittLaeufer::operator()(const std::function<Status()>& schritt) {
    if (abgebrochen_) {
        return false;
    }
    ++nr_;
    for (;;) {
        Status s;
        try {
            s = schritt();
        } catch (const std::bad_alloc&) {
            s = Fehler(FehlerNr::KeinSpeicher);
        } catch (const std::exception& e) {
            s = Fehler(FehlerNr::UngueltigesArgument, QString::fromLocal8Bit(e.what()));
        } catch (...) {
            s = Fehler(FehlerNr::UngueltigesArgument);
        }
        if (s.ok()) {
            return true;
        }
        Fehler f = s.fehler();
        f.pos = nr_;
        if (Entwicklungsmodus()) {
            MitDiagnoseBeenden(f, wo_);
        }
        const int antwort = melden_ ? melden_(f) : Antwort::Ignorieren;
        if (antwort == Antwort::Wiederholen) {
            continue;
        }
        if (antwort == Antwort::Ignorieren) {
            return true;
        }
        abgebrochen_ = true;
        return false;
    }
}

}  // namespace kronel
