#include "common/berechnungen.h"

#include "common/fehlermeldung.h"
#include "common/formel.h"
#include "common/zahlformat.h"
#include "platform/schritte.h"
#include "platform/text.h"

namespace kronel {

QString BerechnungenErsetzen(QString& text) {
    // Text before start is done for good: only a calculation answered with
    // Ignore moves it, so that it is not found again and again.
    qsizetype start = 0;
    for (;;) {
        const qsizetype auf = text.indexOf(QLatin1Char('['), start);
        if (auf < 0) {
            break;
        }
        const qsizetype zu = text.indexOf(QLatin1Char(']'), auf);
        if (zu < 0 || zu == auf + 1) {
            break;
        }
        const QString inhalt = LCase(text.mid(auf + 1, zu - auf - 1));
        const qsizetype semikolon = inhalt.indexOf(QLatin1Char(';'));
        const QString ausdruck = semikolon < 0 ? inhalt : inhalt.left(semikolon);
        const QString format = semikolon < 0 ? QStringLiteral("0.00") : inhalt.mid(semikolon + 1);

        QString wert;
        bool berechnet = false;
        SchrittLaeufer lauf(
            [&text](const Fehler& f) {
                return FehlerMeldung(
                    f, QStringLiteral("Es ist ein Fehler bei der Berechnung von ~~") + text +
                           QStringLiteral("~~ aufgetreten."));
            },
            QStringLiteral("BerechnungenErsetzen"));
        const bool weiter = lauf([&]() -> Status {
            QString formel = ausdruck;  // a malformed formula gets its "%" here and reads 0
            const auto v = FormelAuswerten(formel);
            if (!v) {
                return v.fehler();
            }
            const auto t = ZahlFormatieren(*v, format);
            if (!t) {
                return t.fehler();
            }
            wert = *t;
            berechnet = true;
            return {};
        });
        if (!weiter) {
            break;
        }
        if (!berechnet) {
            start = zu + 1;
            continue;
        }
        text = text.left(auf) + wert + text.mid(zu + 1);
    }
    return text;
}

}  // namespace kronel
