#include "common/systemdatum.h"

#include "common/fehlermeldung.h"
#include "common/ton.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/uhr.h"

namespace kronel {

bool SystemDatumPruefen() {
    const QDateTime jetzt = uhr().jetzt();
    // An invalid clock has no text of its own; the box then shows an empty one.
    const QString text = jetzt.isValid() ? DatumZeitText(jetzt) : QString();
    if (jetzt.isValid() && DatumZeitLesen(text).has_value()) {
        return true;
    }
    TonAusgeben(QStringLiteral("#SystemExclamation"));
    const QString meldung = Ersetzen(
        QStringLiteral("Als aktuelles Datum / Uhrzeit wird~ ") + text +
            QStringLiteral(
                "~vom System gemeldet.~~Das ist aber laut Windows kein gültiges Format und "
                "unter Umständen wird die Software nicht fehlerfrei arbeiten.~~Überprüfen Sie "
                "bitte Ihre Einstellungen in der~Systemsteuerung / Ländereinstellungen / Datum "
                "und Zeit.~Ein typischer Fehler ist z. B. eine deutsche Ländereinstellung mit "
                "zusätzlicher am/pm Ausgabe."),
        QStringLiteral("~"), QStringLiteral("\r\n"));
    meldungen().zeigen(meldung, Box::OK | Box::Ausrufezeichen,
                       QStringLiteral("Aktuelles Datum / Uhrzeit ist ungültig"));
    return false;
}

}  // namespace kronel
