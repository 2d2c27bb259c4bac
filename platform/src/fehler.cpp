#include "platform/fehler.h"

#include <cerrno>

namespace kronel {

Fehler::Fehler(int n, QString text, int p)
    : nummer(n), beschreibung(text.isEmpty() ? FehlerBeschreibung(n) : std::move(text)), pos(p) {}

QString FehlerBeschreibung(int nummer) {
    switch (nummer) {
        case 0:
            return {};
        case 3:
            return QStringLiteral("Return ohne GoSub");
        case 5:
            return QStringLiteral("Unzulässiger Prozeduraufruf oder ungültiges Argument");
        case 6:
            return QStringLiteral("Überlauf");
        case 7:
            return QStringLiteral("Nicht genügend Speicher");
        case 9:
            return QStringLiteral("Index außerhalb des gültigen Bereichs");
        case 11:
            return QStringLiteral("Division durch Null");
        case 13:
            return QStringLiteral("Typen unverträglich");
        case 52:
            return QStringLiteral("Dateiname oder -nummer falsch");
        case 53:
            return QStringLiteral("Datei nicht gefunden");
        case 54:
            return QStringLiteral("Dateimodus falsch");
        case 55:
            return QStringLiteral("Datei bereits geöffnet");
        case 57:
            return QStringLiteral("Fehler beim Lesen von/Schreiben auf Gerät");
        case 58:
            return QStringLiteral("Datei existiert bereits");
        case 61:
            return QStringLiteral("Datenträger voll");
        case 62:
            return QStringLiteral("Einlesen hinter Dateiende");
        case 64:
            return QStringLiteral("Dateiname falsch");
        case 67:
            return QStringLiteral("Zu viele Dateien");
        case 68:
            return QStringLiteral("Gerät nicht verfügbar");
        case 70:
            return QStringLiteral("Zugriff verweigert");
        case 71:
            return QStringLiteral("Datenträger nicht bereit");
        case 74:
            return QStringLiteral(
                "Umbenennen bei Angabe unterschiedlicher Laufwerke nicht möglich");
        case 75:
            return QStringLiteral("Fehler beim Zugriff auf Pfad/Datei");
        case 76:
            return QStringLiteral("Pfad nicht gefunden");
        case 380:
            return QStringLiteral("Unzulässiger Eigenschaftswert");
        case 482:
            return QStringLiteral("Druckerfehler");
        default:
            return QStringLiteral("Anwendungs- oder objektdefinierter Fehler");
    }
}

Fehler FehlerAusErrno(int err, const QString& zusatz) {
    int n = FehlerNr::PfadDateiZugriff;
    switch (err) {
        case ENOENT:
            n = FehlerNr::DateiNichtGefunden;
            break;
        case ENOTDIR:
            n = FehlerNr::PfadNichtGefunden;
            break;
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            n = FehlerNr::ZugriffVerweigert;
            break;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            n = FehlerNr::DatentraegerVoll;
            break;
        case ENAMETOOLONG:
        case EINVAL:
            n = FehlerNr::DateinameFalsch;
            break;
        case EIO:
        case ENXIO:
        case ENODEV:
            n = FehlerNr::NichtBereit;
            break;
        case EISDIR:
        case EEXIST:
        case EBUSY:
        default:
            n = FehlerNr::PfadDateiZugriff;
            break;
    }
    QString text = FehlerBeschreibung(n);
    if (err == ELOOP && !zusatz.isEmpty()) {
        // A chain of links that never reaches a file: the bare access fault
        // would leave the user guessing.
        text += QStringLiteral(": »") + zusatz +
                QStringLiteral("« ist ein Verweis, der im Kreis auf sich selbst führt");
    } else if (!zusatz.isEmpty()) {
        // The path stands between » and «, as in every other message, so a name
        // with blanks or a trailing dot reads whole.
        text += QStringLiteral(": »") + zusatz + QStringLiteral("«");
    }
    return Fehler(n, text);
}

}  // namespace kronel
