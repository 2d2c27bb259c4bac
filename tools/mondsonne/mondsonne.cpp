// Prints for a local moment, with the place and summer-time settings in force,
// the moon's information text as the picture stores it (line 1) and the three
// lines of the sun label (lines 2 to 4), to check them against published tables.

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

#include "common/einstellungen.h"
#include "common/standort.h"
#include "output/mondsonne.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/text.h"

using namespace kronel;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    DiensteSetzen(OhneDesktopDienste());
    ProgrammDateinameSetzen(QStringLiteral("Kronel"));  // the settings of the output program
    const QStringList argumente = QCoreApplication::arguments();
    const std::optional<DatumZeit> moment =
        argumente.size() == 2 ? DatumZeitLesen(argumente[1]) : std::nullopt;
    if (!moment) {
        std::fprintf(stderr, "Aufruf: mondsonne \"dd.mm.yyyy hh:mm\"\n");
        return 2;
    }
    const QDateTime jetzt(moment->datum, moment->zeit.value_or(QTime(0, 0)));
    auto lesen = [](const char* schluessel, const char* vorgabe) {
        return IniLesen({}, {}, QString::fromUtf8(schluessel), QString::fromUtf8(vorgabe));
    };
    const QString sonne =
        SonnenText(jetzt, lesen("NordBreite", StandardNordBreite),
                   lesen("OstLänge", StandardOstLaenge), Val(lesen("MESZ", "1")) != 0);
    QString ausgabe = MondBerechnen(jetzt).text + QLatin1Char('\n');
    for (const QString& zeile : sonne.split(QLatin1Char('\r'))) {
        ausgabe += zeile + QLatin1Char('\n');
    }
    std::fputs(ausgabe.toUtf8().constData(), stdout);
    return 0;
}
