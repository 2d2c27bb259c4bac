// An address book of 20 000 lines read into the sorted list of the notes
// window (aim: 150 ms).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "planner/notizen.h"

using namespace kronel;

namespace {

// Lines as the address program writes them: 21 fields, Windows-1252, names
// with umlauts, about one in ten without a telephone number.
QByteArray Buch(int n) {
    QRandomGenerator zufall(2026);
    const char* const namen[] = {"M\xfcller",
                                 "Maier",
                                 "\xd6zt\xfcrk",
                                 "Schmidt",
                                 "Wei\xdf",
                                 "Zimmermann",
                                 "\xc4rger",
                                 "Becker",
                                 "Hoffmann",
                                 "Sch\xe4"
                                 "fer"};
    const char* const vornamen[] = {"Eva", "J\xfcrgen", "Anna", "Bernd", "", "S\xf6ren"};
    QByteArray b;
    b.reserve(n * 120);
    for (int i = 0; i < n; ++i) {
        QByteArray z = QByteArray::number(i) + '\t' + namen[zufall.bounded(10)] +
                       QByteArray::number(zufall.bounded(1000)) + '\t' +
                       vornamen[zufall.bounded(6)] + "\tStra\xdf" + "e 1\t12345\tOrt\t\t";
        if (zufall.bounded(10) != 0) {
            z += "040 " + QByteArray::number(zufall.bounded(1000000));
        }
        z += "\t\t\t\t\t";
        if (zufall.bounded(3) == 0) {
            z += "0171 " + QByteArray::number(zufall.bounded(10000000));
        }
        z += "\t\t\t\t\t\t\t12.03.1960\r\n";
        b += z;
    }
    return b;
}

void AdressbuchLaden(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Freunde.dat"));
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(Buch(20000)) < 0) {
        state.SkipWithError("no book written");
        return;
    }
    datei.close();
    for (auto _ : state) {
        NotizenListe liste;
        liste.AdressbuchLaden(pfad);
        benchmark::DoNotOptimize(liste.Zeilen().size());
    }
}
BENCHMARK(AdressbuchLaden)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
