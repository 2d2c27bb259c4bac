#include "common/mondphasen.h"

#include "common/einstellungen.h"
#include "platform/dateien.h"
#include "platform/datum.h"
#include "platform/ordner.h"
#include "platform/text.h"

namespace kronel {

namespace {

// Exactly dd.mm.yyyy: the year and the key are cut from fixed columns, so a
// shorter date form ("5.1.2027") would give a wrong section.
bool IstTagesdatum(const QString& text) {
    if (text.size() != 10 || text[2] != u'.' || text[5] != u'.') {
        return false;
    }
    for (const int i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!text[i].isDigit() || text[i].unicode() > 127) {
            return false;
        }
    }
    return DatumLesen(text).has_value();
}

}  // namespace

Ergebnis<int> MondphasenUebertragen(const QString& quelle, const QString& ziel) {
    const QString pfad = PfadAufloesen(quelle);
    const Ergebnis<QByteArray> bytes = DateiLesen(pfad);
    if (!bytes) {
        return Fehler(bytes.fehler().nummer, QStringLiteral("Die Mondphasen-Liste »") + pfad +
                                                 QStringLiteral("« fehlt oder ist nicht lesbar."));
    }
    int geschrieben = 0;
    for (const QString& zeile : ZeilenTeilen(TextTolerantLesen(*bytes))) {
        const QString datum = Left(zeile, 10);
        if (!IstTagesdatum(datum)) {
            continue;
        }
        QString text = Trim(Mid(zeile, 12));
        if (text.isEmpty()) {
            continue;  // no empty note in front of the day's others
        }
        const QString abschnitt = Mid(datum, 7, 4);
        const QString schluessel = Left(datum, 5);
        const QString alt = IniLesen(ziel, abschnitt, schluessel, {});
        if (!alt.isEmpty()) {
            text += QLatin1Char('~') + alt;
        }
        // A refused write is told by the caller's report, naming the entry.
        const EinstellungsfehlerStill still;
        if (!IniSchreiben(ziel, abschnitt, schluessel, text).ok) {
            return Fehler(FehlerNr::ZugriffVerweigert,
                          QStringLiteral("Der Eintrag ") + schluessel + QLatin1Char('.') +
                              abschnitt + QStringLiteral(" konnte nicht in die Datei »") +
                              PfadAufloesen(ziel) + QStringLiteral("« geschrieben werden."));
        }
        ++geschrieben;
    }
    return geschrieben;
}

}  // namespace kronel
