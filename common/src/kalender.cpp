#include "common/kalender.h"

#include <QFile>
#include <QHash>

#include <sys/stat.h>

#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/text.h"

namespace kronel {

namespace {

// The path of a file of the program folder, found without regard to case. The
// answer is kept while the folder itself is unchanged (its modification time
// changes whenever a file is added, removed or renamed), so a lookup of every
// day of a year neither lists the folder nor parses the file again: the
// settings layer keeps the parsed file.
QString ProgrammDatei(const QString& name) {
    struct Eintrag {
        QString ordner;
        qint64 zeitNs = -1;
        quint64 inode = 0;
        QString pfad;
    };
    static QHash<QString, Eintrag> gefunden;
    const QString ordner = ProgrammVerzeichnis();
    struct stat st {};
    if (::stat(QFile::encodeName(ordner).constData(), &st) != 0) {
        return {};
    }
    const qint64 zeit = static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    const auto inode = static_cast<quint64>(st.st_ino);
    Eintrag& e = gefunden[name];
    if (e.ordner != ordner || e.zeitNs != zeit || e.inode != inode) {
        e = Eintrag{ordner, zeit, inode, DateiImOrdnerFinden(ordner, name)};
    }
    return e.pfad;
}

QString Lesen(const QString& datei, const QString& abschnitt, const QString& schluessel) {
    const QString pfad = ProgrammDatei(datei);
    if (pfad.isEmpty()) {
        return {};
    }
    return Trim(IniLesen(pfad, abschnitt, schluessel, {}));
}

Fehler KeinDatum() {
    return Fehler(FehlerNr::Typfehler);
}

}  // namespace

QString FeiertagText(const QDate& datum) {
    if (!datum.isValid()) {
        return {};
    }
    const QString text = DatumText(datum);
    const QString datei = QStringLiteral("Feiertag.Ini");
    const QString abschnitt = QStringLiteral("Feiertage");
    QString ergebnis = Lesen(datei, abschnitt, text.left(5));
    const QString jahr = Lesen(datei, abschnitt, text);
    if (!jahr.isEmpty()) {
        ergebnis = jahr;
    }
    return ergebnis;
}

Ergebnis<QString> FeiertagText(const QString& datum) {
    const auto d = DatumLesen(datum);
    if (!d) {
        return KeinDatum();
    }
    return FeiertagText(*d);
}

QStringList FeiertagNamen() {
    const QString pfad = ProgrammDatei(QStringLiteral("Feiertag.Ini"));
    QStringList namen;
    if (pfad.isEmpty()) {
        return namen;
    }
    for (const QString& wert : IniWerte(pfad, QStringLiteral("Feiertage"))) {
        if (const QString name = Trim(wert); !name.isEmpty() && !namen.contains(name)) {
            namen << name;
        }
    }
    return namen;
}

QString AstroText(const QDate& datum) {
    if (!datum.isValid()) {
        return {};
    }
    const QString tagMonat = DatumText(datum).left(5);
    const QString datei = QStringLiteral("Astro.ini");
    QString ergebnis;
    for (const QString& abschnitt : {QStringLiteral("Zyklisch"), QString::number(datum.year())}) {
        const QString wert = Lesen(datei, abschnitt, tagMonat);
        if (!wert.isEmpty()) {
            ergebnis += wert + QLatin1Char('~');
        }
    }
    if (ergebnis.endsWith(QLatin1Char('~'))) {
        ergebnis.chop(1);
    }
    return Ersetzen(ergebnis, QStringLiteral("~"), QStringLiteral("\r\n"));
}

Ergebnis<QString> AstroText(const QString& datum) {
    const auto d = DatumLesen(datum);
    if (!d) {
        return KeinDatum();
    }
    return AstroText(*d);
}

int KalenderWoche(const QDate& datum) {
    return datum.isValid() ? datum.weekNumber() : 0;
}

int KalenderWocheOhneMeldung(const QString& datum) {
    const auto d = DatumLesen(datum);
    return d ? KalenderWoche(*d) : 0;
}

int KalenderWoche(const QString& datum) {
    const auto d = DatumLesen(datum);
    if (!d) {
        meldungen().zeigen(datum + QStringLiteral(" ist kein gültiges Datum."),
                           Box::OK + Box::Ausrufezeichen, QStringLiteral("Ungültiges Datum"));
        return 0;
    }
    return KalenderWoche(*d);
}

int TageImJahr(int jahr) {
    const int y = jahr < 100 ? jahr + 1900 : jahr;
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0 ? 366 : 365;
}

int TageImMonat(const QDate& datum) {
    switch (datum.month()) {
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        case 2:
            return TageImJahr(datum.year()) == 366 ? 29 : 28;
        default:
            return 31;
    }
}

Ergebnis<int> TageImMonat(const QString& datum) {
    const auto d = DatumLesen(datum);
    if (!d) {
        return KeinDatum();
    }
    return TageImMonat(*d);
}

}  // namespace kronel
