#include "common/statistik.h"

#include <algorithm>
#include <optional>

#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/fenster.h"
#include "common/modul.h"
#include "common/texte.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

const QString kStarts = QStringLiteral("Stat_Starts");
const QString kErster = QStringLiteral("Stat_StartFirst");
const QString kLetzter = QStringLiteral("Stat_StartLast");
const QString kMinuten = QStringLiteral("Stat_RunMinutes");

std::optional<QDateTime> ZeitLesen(const QString& text) {
    const std::optional<DatumZeit> dz = DatumZeitLesen(text);
    if (!dz) {
        return std::nullopt;
    }
    return QDateTime(dz->datum, dz->zeit.value_or(QTime(0, 0)));
}

QString Zaehlung(double wert) {
    return QString::number(static_cast<long long>(wert));
}

}  // namespace

long long MinutenWechsel(const QDateTime& von, const QDateTime& bis) {
    auto minute = [](const QDateTime& t) {
        return t.date().toJulianDay() * 1440 + t.time().hour() * 60 + t.time().minute();
    };
    return minute(bis) - minute(von);
}

long long TagWechsel(const QDate& von, const QDate& bis) {
    return bis.toJulianDay() - von.toJulianDay();
}

void StatistikStart() {
    const QDateTime jetzt = uhr().jetzt();
    modul().Startzeit = jetzt;
    // Read, count and write under one lock: programs started together lose no start.
    IniAendern({}, {}, kStarts, [](const QString& alt) { return Zaehlung(Val(alt) + 1); });
    if (!IstDatum(IniLesen({}, {}, kErster, {}))) {
        IniSchreiben({}, {}, kErster, DatumText(jetzt.date()));
    }
    IniSchreiben({}, {}, kLetzter, DatumZeitText(jetzt));
    VersionErmitteln();
}

void StatistikEnde() {
    const QDateTime jetzt = uhr().jetzt();
    QDateTime start = jetzt;
    if (modul().Startzeit.isValid()) {
        start = modul().Startzeit;
    } else if (const auto gelesen = ZeitLesen(IniLesen({}, {}, kLetzter, DatumZeitText(jetzt)))) {
        start = *gelesen;
    }
    const long long minuten = std::max(0LL, MinutenWechsel(start, jetzt));
    IniAendern({}, {}, kMinuten,
               [minuten](const QString& alt) { return Zaehlung(Val(alt) + minuten); });
    IniSchreiben({}, {}, QStringLiteral("Dir"), ProgrammVerzeichnis());
    IniSchreiben({}, {}, QStringLiteral("Ver"), modul().VersionText);
    IniSchreiben({}, {}, QStringLiteral("VerBit"), QStringLiteral("32") + modul().VersionText);
}

QString StatistikText(int form) {
    const QString ersterText = IniLesen({}, {}, kErster, {});
    const std::optional<QDate> erster = DatumLesen(ersterText);
    QString text;
    if (erster) {
        const double starts = Val(IniLesen({}, {}, kStarts, {}));
        const double sekunden = Val(IniLesen({}, {}, kMinuten, {})) * 60;
        const double tage = static_cast<double>(std::max(1LL, TagWechsel(*erster, uhr().heute())));
        const QString proTag = ZahlMitVorsatz(starts / tage) +
                               QStringLiteral("Starts pro Tag und ") + DauerText(sekunden / tage) +
                               QStringLiteral(" pro Tag.");
        if (form == 2) {
            text = proTag;
        } else {
            text = QStringLiteral("Seit dem ") + ersterText +
                   QStringLiteral(" wurde das Programm auf diesem Rechner ") +
                   ZahlDeutsch(starts, -1) + QStringLiteral(" mal gestartet und lief dabei ") +
                   DauerText(sekunden) + QStringLiteral(".\r\n~Das entspricht durchschnittlich ") +
                   proTag;
        }
    }
    text = Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n"));
    return text.isEmpty() ? QStringLiteral("Sorry, aber keine Datengrundlage vorhanden.") : text;
}

bool FaelligFragen(const QString& schluessel, int tage) {
    const QString abschnitt = QStringLiteral("Fragen");
    const QDate stempel =
        DatumLesen(IniLesen({}, abschnitt, schluessel, QStringLiteral("01.01.1970")))
            .value_or(QDate(1970, 1, 1));
    const QDateTime jetzt = uhr().jetzt();
    const long long d = TagWechsel(stempel, jetzt.date());
    if (d > tage || d < 0) {
        IniSchreiben({}, abschnitt, schluessel, DatumZeitText(jetzt));
        return true;
    }
    return false;
}

}  // namespace kronel
