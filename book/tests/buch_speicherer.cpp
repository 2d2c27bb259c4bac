// Saves two books in turn, without end, until it is killed: for the crash test.
#include <QCoreApplication>

#include <cstdio>

#include "absturz_buecher.h"
#include "book/buch.h"
#include "common/modul.h"
#include "platform/dienste.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    kronel::DiensteSetzen(kronel::OhneDesktopDienste());
    if (argc < 2) {
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    // Which book comes first.
    const int erstes = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() % 2 : 0;
    kronel::modul().VersionText = QStringLiteral("8.010090");
    kronel::modul().DateiTermine = ordner + QStringLiteral("/Kronel.PlD");
    kronel::modul().DateiAltes = ordner + QStringLiteral("/Kronel.Old");
    const QStringList buecher[] = {AbsturzBuch('A'), AbsturzBuch('B')};
    kronel::Terminbuch buch;
    std::puts("los");
    std::fflush(stdout);
    for (int i = 0;; ++i) {
        buch.ListeTermine = buecher[(i + erstes) % 2];
        buch.ListeAnzeige = buch.ListeTermine;
        buch.TerminIndex = 0;
        buch.TermineSpeichern();
        std::puts("gespeichert");
        std::fflush(stdout);
    }
}
