#include "common/programminfo.h"

#include <QFileInfo>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "platform/datum.h"
#include "platform/systemfakten.h"

namespace kronel {

namespace {

QString Punkte(const QString& v) {
    const qsizetype punkt = v.indexOf(QLatin1Char('.'));
    if (punkt < 0) {
        return v;
    }
    return v.left(punkt) + QLatin1Char('.') + v.mid(punkt + 1, 2) + QLatin1Char('.') +
           v.mid(punkt + 3, 4);
}

QString OrdnerZeile(const QString& wort, const QString& ordner) {
    // Paths keep their case: on Linux another case names another folder.
    return wort + LaufwerksartWort(systemfakten().laufwerksart(ordner)) +
           QStringLiteral("-Ordner: ") + ordner + QStringLiteral("\r\n");
}

}  // namespace

QString VersionAnzeige(const QString& versionText) {
    return QStringLiteral("Version 32-Bit ") + Punkte(versionText);
}

QString InfoTitel(const QString& programmdatei, const QString& versionText) {
    QString titel = QStringLiteral("Kronel, ") + VersionAnzeige(versionText);
    const QFileInfo datei(programmdatei);
    if (!programmdatei.isEmpty() && datei.isFile()) {
        titel += QStringLiteral(" vom ") + DatumText(datei.lastModified().date());
    }
    return titel;
}

QString InfoSystemText(const QString& benutzer, const QString& versionText) {
    QString t;
    if (!benutzer.isEmpty()) {
        t += QStringLiteral("Benutzername oder Rechnerstation: ") + benutzer +
             QStringLiteral("\r\n");
    }
    // The programs never change their working folder: the current folder is
    // the program folder.
    t += OrdnerZeile(QStringLiteral("Aktueller "), ProgrammVerzeichnis());
    if (!modul().DatenVerzeichnis.isEmpty()) {
        t += OrdnerZeile(QStringLiteral("Daten "), modul().DatenVerzeichnis);
    }
    t += OrdnerZeile(QStringLiteral("Programm "), ProgrammVerzeichnis());
    t += QStringLiteral("\r\nVersion 32-Bit\r\nModul-Paket ") +
         IniLesen({}, QStringLiteral("Allgemein"), QStringLiteral("ModulPaket32"),
                  QStringLiteral("?")) +
         QStringLiteral("\r\n") + Punkte(versionText) + QStringLiteral("\r\n");
    return t;
}

}  // namespace kronel
