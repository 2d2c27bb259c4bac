// ini_schreiber FILE PREFIX COUNT: writes COUNT keys PREFIX0..PREFIXn-1 into [Kronel].
#include <QString>

#include <cstdio>
#include <cstdlib>

#include "common/einstellungen.h"
#include "platform/dienste.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "Aufruf: ini_schreiber DATEI PRAEFIX ANZAHL\n");
        return 2;
    }
    kronel::DiensteSetzen(kronel::OhneDesktopDienste());
    const QString datei = QString::fromLocal8Bit(argv[1]);
    const QString praefix = QString::fromLocal8Bit(argv[2]);
    const int anzahl = std::atoi(argv[3]);
    int fehler = 0;
    for (int i = 0; i < anzahl; ++i) {
        const auto e =
            kronel::IniSchreiben(datei, QStringLiteral("Kronel"), praefix + QString::number(i),
                                 QStringLiteral("Wert %1 von %2").arg(i).arg(praefix));
        if (!e.ok) {
            ++fehler;
        }
    }
    return fehler == 0 ? 0 : 1;
}
