// The printouts of a large book: for the list the grouping by date, the list
// build of a copy, the settings a printout writes and the whole printout of 20
// copies of at most 5 pages; twelve month sheets with 50 entries on every day.
// Each on the recording surface and into PDF files.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QRandomGenerator>

#include "benchumgebung.h"
#include "common/datenpfade.h"
#include "common/einstellungen.h"
#include "planner/druckblatt.h"
#include "planner/druckliste.h"
#include "platform/drucker.h"
#include "printing/qtdrucker.h"
#include "testsupport/drucker.h"

using namespace kronel;

namespace {

// 100 000 records over two years from today, about 137 a day, in date order.
QStringList Buch(int n, const QDate& heute) {
    QRandomGenerator zufall(2026);
    std::vector<std::pair<QDate, QString>> t;
    t.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const QDate d = heute.addDays(zufall.bounded(730));
        t.emplace_back(d, SchluesselAusDatum(d) + QStringLiteral("1T  -   -         -   Alle   ") +
                              QStringLiteral("Besprechung mit Müller °°Unterlagen %1").arg(i));
    }
    std::stable_sort(t.begin(), t.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList liste;
    for (auto& [d, z] : t) {
        liste.append(z);
    }
    return liste;
}

struct Umgebung : bench::Umgebung {
    Umgebung() {
        qputenv("KRONEL_DRUCKER_PDF", QFile::encodeName(pfad("liste.pdf")));
        optionen = DruckOptionenLesen(uhr.heute());
        optionen.TDruckenAnzahl = 20;
        optionen.TDruckenMaxSeiten = 5;
    }
    const QStringList buch = Buch(100000, QDate(2026, 12, 9));
    DruckListenOptionen optionen;
    const SchriftWerte schrift{QStringLiteral("Courier New"), 10};
};

Umgebung& U() {
    static Umgebung u;
    return u;
}

void BM_TermineGruppieren(benchmark::State& state) {
    for (auto _ : state) {
        DruckTermine t(U().buch);
        benchmark::DoNotOptimize(t);
    }
}

void BM_ListeAufbauen(benchmark::State& state) {
    const DruckTermine t(U().buch);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DruckListeAufbauen(t, U().optionen));
    }
}

void BM_EinstellungenSchreiben(benchmark::State& state) {
    for (auto _ : state) {
        DruckOptionenSchreiben(U().optionen);
        IniSchreiben({}, {}, QStringLiteral("AutoPrintZuletzt"), QStringLiteral("09.12.2026"));
    }
}

// The whole printout as the window runs it, grouping included.
void Drucken(benchmark::State& state, Drucker& d, const std::function<int()>& seiten) {
    Drucker* vorher = DruckerSetzen(&d);
    int gedruckt = 0;
    for (auto _ : state) {
        DruckListeDrucken(DruckTermine(U().buch), U().optionen, U().schrift, {});
        gedruckt += seiten();
    }
    DruckerSetzen(vorher);
    state.counters["seiten_pro_s"] = benchmark::Counter(gedruckt, benchmark::Counter::kIsRate);
}

void BM_DruckenAufnahme(benchmark::State& state) {
    test::AufnahmeDrucker d;
    Drucken(state, d, [&d] {
        const int n = static_cast<int>(d.dokumente.size());
        d.dokumente.clear();
        d.aufrufe.clear();
        return n;
    });
}

void BM_DruckenPdf(benchmark::State& state) {
    QtDrucker d;
    Drucken(state, d, [] { return 20 * 5; });
}

// 50 entries on every day of 2027.
QStringList VolleTage() {
    QStringList t;
    for (QDate d(2027, 1, 1); d.year() == 2027; d = d.addDays(1)) {
        for (int i = 0; i < 50; ++i) {
            t.append(SchluesselAusDatum(d) + QStringLiteral("-   -   -         -   Alle   ") +
                     QStringLiteral("Termin %1 am {m}°°mit Zusatz").arg(i));
        }
    }
    return t;
}

void Blaetter(benchmark::State& state, Drucker& d, const std::function<void()>& leeren) {
    U();
    const QStringList termine = VolleTage();
    Drucker* vorher = DruckerSetzen(&d);
    int blaetter = 0;
    for (auto _ : state) {
        BlattOptionen o;
        o.TDruckenAb = QStringLiteral("01.01.2027");
        o.LaufAnzMon = 12;
        BlattDrucken(termine, o, {QStringLiteral("Arial"), 8}, {});
        blaetter += 12;
        leeren();
    }
    DruckerSetzen(vorher);
    // Seconds per sheet.
    state.counters["je_blatt"] =
        benchmark::Counter(blaetter, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_BlattAufnahme(benchmark::State& state) {
    test::AufnahmeDrucker d;
    Blaetter(state, d, [&d] {
        d.dokumente.clear();
        d.aufrufe.clear();
    });
}

void BM_BlattPdf(benchmark::State& state) {
    QtDrucker d;
    Blaetter(state, d, [] {});
}

}  // namespace

BENCHMARK(BM_BlattAufnahme)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BlattPdf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TermineGruppieren)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListeAufbauen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EinstellungenSchreiben)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DruckenAufnahme)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DruckenPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
