// The free-time overview's search and texts, without the window.

#include "planner/freizeit.h"

#include "book/termin.h"
#include "common/datenpfade.h"
#include "common/deutschetexte.h"
#include "planner/altes.h"
#include "platform/datum.h"
#include "platform/text.h"

namespace kronel {

QString FreizeitKeineTermine() {
    return QStringLiteral("*** keine Termine gefunden ***");
}

QStringList FreizeitSuchen(const QStringList& termine, const QDate& tag,
                           const std::function<void(qsizetype)>& fortschritt) {
    QStringList zeilen;
    Periodenspeicher perioden;
    for (const QString& termin : termine) {
        const std::optional<QDate> datum = SchluesselLesen(termin);
        if (datum) {
            const auto von =
                DatumVerschieben(perioden.lesen(FeldVon(termin, Festfeld::Von), true), *datum);
            const auto bis =
                DatumVerschieben(perioden.lesen(FeldVon(termin, Festfeld::Bis)), *datum);
            if (von && bis && *von <= tag && tag <= *bis) {
                const QString text = Trim(Mid(termin, Spalte::Meldung));
                if (!text.startsWith(QLatin1Char('@')) &&
                    !text.contains(QStringLiteral("-------"))) {
                    zeilen.append(DatumText(*datum) + QStringLiteral(" (") + DatumText(*von) +
                                  QLatin1Char('-') + DatumText(*bis) + QStringLiteral(") ") + text);
                }
            }
        }
        if (fortschritt) {
            fortschritt(zeilen.size());
        }
    }
    return zeilen;
}

QString FreizeitStatus(qsizetype anzahl, const QString& datum) {
    return QString::number(anzahl) + QString::fromUtf8(" Termine für den ") + datum +
           QStringLiteral(" gefunden.");
}

QString FreizeitStatusKeine(const QString& datum) {
    return QString::fromUtf8("Keine Termine für den ") + datum + QStringLiteral(" gefunden.");
}

QString FreizeitDatumInfo(const QString& text, const QDate& heute) {
    const std::optional<QDate> d = DatumLesen(text);
    if (!d) {
        return {};
    }
    const qint64 k = heute.daysTo(*d);
    QString info;
    if (k == 0) {
        info = QStringLiteral(", heute");
    } else {
        const qint64 n = k < 0 ? -k : k;
        info = (k < 0 ? QStringLiteral(", vor ") : QStringLiteral(", in ")) + QString::number(n) +
               QStringLiteral(" Tag") + (n > 1 ? QStringLiteral("en") : QString());
    }
    return TagMonatName(Wochentag(*d), QStringLiteral("wt")) + info;
}

std::optional<QString> FreizeitTagSchieben(const QString& text, int tage) {
    const std::optional<QDate> d = DatumLesen(text);
    if (!d) {
        return std::nullopt;
    }
    const QDate neu = d->addDays(tage);
    if (!ImKalender(neu)) {
        return std::nullopt;
    }
    return DatumText(neu);
}

std::optional<QString> FreizeitUebergabe(const QString& text) {
    if (!UebergabeDatumPruefen(text, QStringLiteral("Terminsuche"))) {
        return std::nullopt;
    }
    return DatumText(*DatumLesen(text)) + QStringLiteral(" ?");
}

}  // namespace kronel
