// Writes Feiertag.Ini and Astro.ini (Windows-1252, CR LF) into the given folder.

#include <QDir>
#include <QFile>
#include <QStringList>

#include <cstdio>

#include "kalenderdaten.h"
#include "platform/text.h"

using namespace kronel;
using namespace kronel::kalenderdaten;

namespace {

QString Tm(const QDate& d) {
    return d.toString(QStringLiteral("dd.MM"));
}

QString Tmj(const QDate& d) {
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

QStringList Feiertage() {
    QStringList z{
        QStringLiteral("; Gesetzliche Feiertage, die in ganz Deutschland gelten."),
        QStringLiteral("; dd.mm=Name gilt jedes Jahr, dd.mm.yyyy=Name nur in diesem Jahr."),
        QStringLiteral("; Feiertage einzelner Länder lassen sich hier ergänzen."),
        QStringLiteral("[Feiertage]"),
        QStringLiteral("01.01=Neujahr"),
        QStringLiteral("01.05=Tag der Arbeit"),
        QStringLiteral("03.10=Tag der Deutschen Einheit"),
        QStringLiteral("25.12=1. Weihnachtstag"),
        QStringLiteral("26.12=2. Weihnachtstag"),
    };
    for (int jahr = kErstesJahr; jahr <= kLetztesJahr; ++jahr) {
        const QDate ostern = Ostersonntag(jahr);
        z << Tmj(ostern.addDays(-2)) + QStringLiteral("=Karfreitag")
          << Tmj(ostern.addDays(1)) + QStringLiteral("=Ostermontag")
          << Tmj(ostern.addDays(39)) + QStringLiteral("=Christi Himmelfahrt")
          << Tmj(ostern.addDays(50)) + QStringLiteral("=Pfingstmontag");
    }
    return z;
}

QStringList Astro() {
    const char* namen[] = {"Frühlingsanfang", "Sommeranfang", "Herbstanfang", "Winteranfang"};
    QStringList z{
        QStringLiteral("; Tageshinweise: [Zyklisch] gilt jedes Jahr, [yyyy] nur in diesem Jahr."),
        QStringLiteral("; Mehrere Hinweise eines Tages trennt ~."),
        QStringLiteral("[Zyklisch]"),
    };
    for (int jahr = kErstesJahr; jahr <= kLetztesJahr; ++jahr) {
        z << QStringLiteral("[%1]").arg(jahr);
        for (int j = 0; j < 4; ++j) {
            z << Tm(JahreszeitTag(jahr, j)) + QLatin1Char('=') + QString::fromUtf8(namen[j]);
        }
    }
    return z;
}

bool Schreiben(const QString& pfad, const QStringList& zeilen) {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(pfad));
        return false;
    }
    return f.write(NachCp1252(zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))) >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: kalenderdaten <Ordner>\n");
        return 2;
    }
    const QDir ordner(QString::fromLocal8Bit(argv[1]));
    const bool ok = Schreiben(ordner.filePath(QStringLiteral("Feiertag.Ini")), Feiertage()) &&
                    Schreiben(ordner.filePath(QStringLiteral("Astro.ini")), Astro());
    return ok ? 0 : 1;
}
