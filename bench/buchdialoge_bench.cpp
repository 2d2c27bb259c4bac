// The planner's windows over the book: the free-time search, the archive read
// and delete, and the exchange import, at the sizes the planner meets.
#include <benchmark/benchmark.h>

#include <QFile>

#include "benchumgebung.h"
#include "book/buch.h"
#include "book/termin.h"
#include "common/datenpfade.h"
#include "planner/altes.h"
#include "planner/austausch.h"
#include "planner/freizeit.h"
#include "platform/dateien.h"
#include "platform/datum.h"
#include "platform/text.h"

using namespace kronel;

namespace {

// The flush to disk depends on the disk, not on the code: left out.
class OhneFlush final : public Datentraeger {
public:
    int sichern(int) override { return 0; }
};

struct Umgebung : bench::Umgebung {
    Umgebung() : vorher(DatentraegerSetzen(&platte)) {}
    ~Umgebung() { DatentraegerSetzen(vorher); }
    OhneFlush platte;
    Datentraeger* vorher;
};

// Records over two years with announce windows of days and weeks.
QStringList Termine(int n, int start = 0) {
    const QDate heute(2026, 12, 9);
    const char* von[] = {"1T  ", "3T  ", "-   ", "2W  ", "1M  "};
    const char* bis[] = {"-   ", "1T  ", "2T  ", "-   ", "1W  "};
    QStringList t;
    t.reserve(n);
    for (int i = start; i < start + n; ++i) {
        t.append(SchluesselAusDatum(heute.addDays(i % 730)) + QLatin1String(von[i % 5]) +
                 QLatin1String(bis[(i / 5) % 5]) + QStringLiteral("-         -   Alle   ") +
                 QStringLiteral("Besprechung mit Müller Nr. ") + QString::number(i));
    }
    return t;
}

QByteArray Archiv(int n) {
    const QDate tag(2000, 1, 1);
    QByteArray a;
    for (int i = 0; i < n; ++i) {
        a +=
            NachCp1252(DatumText(tag.addDays(i % 9000)) + QStringLiteral(" Anruf bei Müller Nr. ") +
                       QString::number(i % 50000) + QStringLiteral("\r\n"));
    }
    return a;
}

void BM_FreizeitEinTag(benchmark::State& state) {
    Umgebung u;
    const QStringList termine = Termine(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FreizeitSuchen(termine, QDate(2027, 3, 1), [](qsizetype) {}));
    }
}

void BM_ArchivLesen(benchmark::State& state) {
    Umgebung u;
    QFile f(u.pfad("Kronel.Old"));
    f.open(QIODevice::WriteOnly);
    f.write(Archiv(static_cast<int>(state.range(0))));
    f.close();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ArchivLesen(u.pfad("Kronel.Old"), {}));
    }
}

void BM_ArchivzeileLoeschen(benchmark::State& state) {
    Umgebung u;
    const QByteArray archiv = Archiv(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        QFile f(u.pfad("Kronel.Old"));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(archiv);
        f.close();
        state.ResumeTiming();
        benchmark::DoNotOptimize(ArchivzeileLoeschen(
            u.pfad("Kronel.Old"), QStringLiteral("01.01.2000 Anruf bei Müller Nr. 0")));
    }
}

void BM_AustauschLaden(benchmark::State& state) {
    Umgebung u;
    QByteArray datei;
    for (const QString& t : Termine(10000, 20000)) {
        datei += NachCp1252(t + QStringLiteral("\r\n"));
    }
    const QStringList vorhanden = Termine(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        Terminbuch buch;
        buch.ListeTermine = vorhanden;
        buch.AnzeigeAufbauen();
        state.ResumeTiming();
        const AustauschInhalt gelesen = AustauschLesen(datei);
        benchmark::DoNotOptimize(AustauschAnhaengen(buch, gelesen.termine));
    }
}

}  // namespace

BENCHMARK(BM_FreizeitEinTag)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArchivLesen)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArchivzeileLoeschen)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AustauschLaden)->Arg(20000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
