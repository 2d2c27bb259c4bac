// The search window's search over a full appointment list without a hit: every
// display line is tested once (plus two), the worst case the user waits for.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QRandomGenerator>
#include <QStringList>

#include "benchumgebung.h"
#include "planner/suchmuster.h"
#include "platform/datum.h"

using namespace kronel;

namespace {

// Display lines as the list shows them: date, weekday, message.
QStringList Anzeigezeilen(int n) {
    QRandomGenerator zufall(2026);
    const QStringList tage{QStringLiteral("Mo"), QStringLiteral("Di"), QStringLiteral("Mi"),
                           QStringLiteral("Do"), QStringLiteral("Fr"), QStringLiteral("Sa"),
                           QStringLiteral("So")};
    const QDate start(2026, 12, 9);
    QStringList z;
    z.reserve(n);
    for (int i = 0; i < n; ++i) {
        const QDate d = start.addDays(zufall.bounded(730));
        QString zeile =
            DatumText(d) + QLatin1Char(' ') + tage[d.dayOfWeek() - 1] + QStringLiteral(": ");
        zeile += bench::Woerter(zufall, 3, 9, QStringLiteral("Dr. Schäfer"));
        z.append(zeile + QString::number(i));
    }
    return z;
}

void BM_SucheOhneTreffer(benchmark::State& state) {
    const QStringList zeilen = Anzeigezeilen(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ZeileSuchen(zeilen, 0, QStringLiteral("Friseur"), 1));
    }
}
BENCHMARK(BM_SucheOhneTreffer)->Arg(30000)->Unit(benchmark::kMillisecond);

// A pattern with a star and a set makes every line back-track.
void BM_MusterOhneTreffer(benchmark::State& state) {
    const QStringList zeilen = Anzeigezeilen(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ZeileSuchen(zeilen, 0, QStringLiteral("z*[xq]#"), 1));
    }
}
BENCHMARK(BM_MusterOhneTreffer)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
