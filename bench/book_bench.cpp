// Load and save of the appointment book at the sizes the planner meets.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QRandomGenerator>

#include <sys/resource.h>

#include "benchumgebung.h"
#include "book/buch.h"
#include "book/sortieren.h"
#include "book/termindatei.h"
#include "common/datenpfade.h"
#include "common/modul.h"

using namespace kronel;

namespace {

// A book as the planner saves it: rolled over and in date order; 60 % one-time,
// 20 % yearly, 20 % weekly appointments.
QStringList Buch(int n, const QDate& heute) {
    QRandomGenerator zufall(2026);
    QStringList t;
    t.reserve(n);
    for (int i = 0; i < n; ++i) {
        const int art = zufall.bounded(10);
        QString zyklus = QStringLiteral("-   ");
        QDate d = heute.addDays(zufall.bounded(730));
        if (art >= 8) {
            zyklus = QStringLiteral("1W  ");
            d = heute.addDays(zufall.bounded(7));
        } else if (art >= 6) {
            zyklus = QStringLiteral("1J  ");
            d = heute.addDays(zufall.bounded(365));
        }
        const QString meldung =
            bench::Woerter(zufall, 3, 7, QStringLiteral("{ZyklusZähler:3}")) + QString::number(i);
        t.append(SchluesselAusDatum(d) + QStringLiteral("1T  -   -         ") + zyklus +
                 QStringLiteral("Alle   ") + meldung);
    }
    const auto reihe = DatumsReihenfolge(t);
    QStringList geordnet;
    for (qsizetype i : reihe) {
        geordnet.append(t[i]);
    }
    return geordnet;
}

// A book of n records saved in the scratch folder.
struct Umgebung : bench::Umgebung {
    explicit Umgebung(int n) {
        modul().VersionText = QStringLiteral("8.010090");
        modul().DateiTermine = pfad("Kronel.PlD");
        modul().DateiAltes = pfad("Kronel.Old");
        QFile f(modul().DateiTermine);
        f.open(QIODevice::WriteOnly);
        f.write(TermindateiText(Buch(n, uhr.heute()), modul().VersionText));
    }
};

// The peak memory of the process so far: run one size alone to read it.
void Spitze(benchmark::State& state) {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    state.counters["spitze_MB"] = static_cast<double>(r.ru_maxrss) / 1024.0;
}

void BM_Laden(benchmark::State& state) {
    Umgebung u(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Terminbuch buch;
        buch.TermineLaden();
        benchmark::DoNotOptimize(buch.ListeAnzeige.size());
    }
    state.SetComplexityN(state.range(0));
    Spitze(state);
}

// Roll-over, sort, encoding and the write, without the flush to disk.
void BM_SpeichernOhneFlush(benchmark::State& state) {
    Umgebung u(static_cast<int>(state.range(0)));
    Terminbuch buch;
    buch.TermineLaden();
    const QString ziel = modul().DateiTermine + QStringLiteral(".neu");
    for (auto _ : state) {
        (void)buch.AbgelaufeneVerarbeiten();
        const QByteArray inhalt = TermindateiText(buch.ListeTermine, modul().VersionText);
        QFile f(ziel);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(inhalt);
        f.close();
        QFile::remove(modul().DateiTermine);
        QFile::rename(ziel, modul().DateiTermine);
    }
    state.SetComplexityN(state.range(0));
}

// The whole save: backup, write through a temporary file, flush, rename.
void BM_SpeichernMitFlush(benchmark::State& state) {
    Umgebung u(static_cast<int>(state.range(0)));
    Terminbuch buch;
    buch.TermineLaden();
    for (auto _ : state) {
        benchmark::DoNotOptimize(buch.TermineSpeichern());
    }
    state.SetComplexityN(state.range(0));
}

}  // namespace

void Groessen(benchmark::internal::Benchmark* b) {
    for (const int n : {1000, 10000, 30000, 100000}) {
        b->Arg(n);
    }
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Laden)->Apply(Groessen)->Complexity(benchmark::oNLogN);
BENCHMARK(BM_SpeichernOhneFlush)->Apply(Groessen)->Complexity(benchmark::oNLogN);
BENCHMARK(BM_SpeichernMitFlush)->Apply(Groessen);

BENCHMARK_MAIN();
