// The output run as a whole process, for timing against other reminder tools:
// ausgabe_lauf DATENORDNER TT.MM.JJJJ reads the data file of the folder, rolls
// it forward, sorts, filters, expands and formats it for that date with the
// settings of $KRONEL_WINDIR, and writes the output text to standard output in UTF-8.
#include <QDateTime>

#include <cstdio>

#include "common/modul.h"
#include "output/ausgabelauf.h"
#include "platform/datum.h"
#include "platform/ordner.h"
#include "platform/zufall.h"

using namespace kronel;

int main(int argc, char** argv) {
    // No application object: the run needs neither an event loop nor the
    // process locale, and the start-up counts in the timing.
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: ausgabe_lauf DATENORDNER TT.MM.JJJJ\n");
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    const std::optional<QDate> datum = DatumLesen(QString::fromLocal8Bit(argv[2]));
    if (!datum) {
        std::fprintf(stderr, "Kein gültiges Datum: %s\n", argv[2]);
        return 2;
    }
    Modul& m = modul();
    m.DatenVerzeichnis = ordner;
    m.DateiTermine = PfadAufloesen(ordner + QStringLiteral("/Kronel.PlD"));
    // A fixed seed: two runs over the same files give the same text.
    SaatZufall zufall(1);
    const QString text = AusgabeTextBilden(QDateTime(*datum, QTime(12, 0)), zufall);
    if (text.isEmpty()) {
        std::fprintf(stderr, "Die Termindatei »%s« kann nicht gelesen werden.\n",
                     qPrintable(m.DateiTermine));
        return 1;
    }
    QByteArray ausgabe = text.toUtf8();
    ausgabe.replace("\r\n", "\n");
    std::fwrite(ausgabe.constData(), 1, static_cast<size_t>(ausgabe.size()), stdout);
    return 0;
}
