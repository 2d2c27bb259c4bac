// The output run as a whole process, for timing against other reminder tools:
// ausgabe_lauf DATENORDNER TT.MM.JJJJ runs the program's output run on the data
// file of the folder for that date with the settings of $KRONEL_WINDIR, without a
// window, and writes the output text to standard output in UTF-8.
#include <QDateTime>

#include <cstdio>
#include <utility>

#include "common/modul.h"
#include "output/ausgabelauf.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/uhr.h"
#include "platform/zufall.h"

using namespace kronel;

namespace {

// The window of the run: its text goes to standard output, with LF line ends;
// there is nothing to wait for and nothing to bring to the front.
class Standardausgabe final : public AusgabeAnzeige {
public:
    void AusgabeSetzen(const QString& text) override {
        QByteArray ausgabe = text.toUtf8();
        ausgabe.replace("\r\n", "\n");
        std::fwrite(ausgabe.constData(), 1, static_cast<size_t>(ausgabe.size()), stdout);
        geschrieben = true;
    }
    void Warten(double) override {}
    void NachVorne() override {}
    bool geschrieben = false;
};

class FesteUhr final : public Uhr {
public:
    explicit FesteUhr(QDateTime jetzt) : jetzt_(std::move(jetzt)) {}
    QDateTime jetzt() const override { return jetzt_; }

private:
    QDateTime jetzt_;
};

}  // namespace

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
    // Nobody to ask and nothing to hear: the services of a program without a
    // desktop (boxes on standard error, answered as Escape would), at noon of
    // the given day.
    FesteUhr uhr(QDateTime(*datum, QTime(12, 0)));
    Dienste d = OhneDesktopDienste();
    d.uhr = &uhr;
    DiensteSetzen(d);

    Modul& m = modul();
    m.DatenVerzeichnis = ordner;
    m.DateiTermine = PfadAufloesen(ordner + QStringLiteral("/Kronel.PlD"));
    // A fixed seed: two runs over the same files give the same text.
    SaatZufall zufall(1);
    Standardausgabe anzeige;
    Terminausgabe lauf(anzeige, zufall);
    lauf.TermineAusgeben();
    if (!anzeige.geschrieben) {
        std::fprintf(stderr, "Die Termindatei »%s« kann nicht gelesen werden.\n",
                     qPrintable(m.DateiTermine));
        return 1;
    }
    return 0;
}
