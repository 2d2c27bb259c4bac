// Expanding 10 000 messages with one {Diff:...} field and one calculation each
// through one batch (the setting Berechnungen and the abbreviation list read
// once), and 10 000 messages without fields, which cost a scan of their text.

#include <benchmark/benchmark.h>

#include <QStringList>
#include <QTemporaryDir>

#include "common/einstellungen.h"
#include "common/textfelder.h"
#include "platform/dienste.h"

using namespace kronel;

namespace {

constexpr int kMeldungen = 10000;

QStringList Meldungen(bool mitFeldern) {
    QStringList m;
    m.reserve(kMeldungen);
    for (int i = 0; i < kMeldungen; ++i) {
        const QString datum =
            QDate(2024, 1, 1).addDays(i % 700).toString(QStringLiteral("dd.MM.yyyy"));
        m << (mitFeldern
                  ? QStringLiteral("Abgabe Nr. %1 in {Diff:%2}, Preis [%1*1,19;0.00] EUR")
                        .arg(i)
                        .arg(datum)
                  : QStringLiteral("Abgabe Nr. %1 am %2, Preis wie vereinbart").arg(i).arg(datum));
    }
    return m;
}

void Ausdehnen(benchmark::State& state, bool mitFeldern) {
    // A settings and program folder of its own.
    const QTemporaryDir ordner;
    qputenv("KRONEL_WINDIR", ordner.path().toLocal8Bit());
    qputenv("KRONEL_PROGDIR", ordner.path().toLocal8Bit());
    DiensteSetzen(OhneDesktopDienste());
    IniSchreiben({}, {}, QStringLiteral("Berechnungen"), QStringLiteral("1"));
    const QStringList meldungen = Meldungen(mitFeldern);
    const QDate tag(2024, 3, 5);
    const QString termin = QStringLiteral("10.03.2024");
    for (auto _ : state) {
        TextFelderStapel stapel;
        qsizetype laenge = 0;
        for (const QString& m : meldungen) {
            laenge += stapel.ersetzen(m, tag, termin).size();
        }
        benchmark::DoNotOptimize(laenge);
    }
    state.SetItemsProcessed(state.iterations() * kMeldungen);
}

void BM_MeldungenMitFeldUndBerechnung(benchmark::State& state) {
    Ausdehnen(state, true);
}
void BM_MeldungenOhneFelder(benchmark::State& state) {
    Ausdehnen(state, false);
}

}  // namespace

BENCHMARK(BM_MeldungenMitFeldUndBerechnung)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeldungenOhneFelder)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
