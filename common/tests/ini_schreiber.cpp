// ini_schreiber FILE PREFIX COUNT: writes COUNT keys PREFIX0..PREFIXn-1 into [Kronel].
// ini_schreiber FILE KEY COUNT zaehlen: adds 1 to KEY in [Kronel], COUNT times.
#include <QString>

#include <cstdio>
#include <cstdlib>

#include "common/einstellungen.h"
#include "platform/dienste.h"

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "Aufruf: ini_schreiber DATEI PRAEFIX ANZAHL [zaehlen]\n");
        return 2;
    }
    kronel::DiensteSetzen(kronel::OhneDesktopDienste());
    const QString datei = QString::fromLocal8Bit(argv[1]);
    const QString praefix = QString::fromLocal8Bit(argv[2]);
    const int anzahl = std::atoi(argv[3]);
    const bool zaehlen = argc == 5;
    int fehler = 0;
    for (int i = 0; i < anzahl; ++i) {
        const auto e = zaehlen ? kronel::IniAendern(datei, QStringLiteral("Kronel"), praefix,
                                                    [](const QString& alt) {
                                                        return QString::number(alt.toInt() + 1);
                                                    })
                               : kronel::IniSchreiben(
                                     datei, QStringLiteral("Kronel"), praefix + QString::number(i),
                                     QStringLiteral("Wert %1 von %2").arg(i).arg(praefix));
        if (!e.ok) {
            ++fehler;
        }
    }
    return fehler == 0 ? 0 : 1;
}
