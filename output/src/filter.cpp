#include "output/filter.h"

#include <cmath>

#include "common/deutschetexte.h"
#include "common/kalender.h"
#include "platform/datum.h"
#include "platform/text.h"

namespace kronel {

namespace {

struct Heute {
    QString wochentag;
    QString monat;
    int tag = 0;
    int woche = 0;
};

// The growing chance as a percentage term: from 0 at the start of the announce
// window to 100 on the date. A window of no length (or a date that cannot be
// read) leaves it at 50.
QString WachsendeChance(const QDate& heute, const QDate& datum, const QDate& von) {
    double p = 50.0;
    if (datum.isValid() && von.isValid()) {
        const qint64 fenster = von.daysTo(datum);
        if (fenster != 0) {
            p = 100.0 -
                100.0 * static_cast<double>(heute.daysTo(datum)) / static_cast<double>(fenster);
        }
    }
    // At least two digits, as the pattern "00" writes it.
    const long long gerundet = std::llround(p);
    const QString ziffern =
        QStringLiteral("%1").arg(gerundet < 0 ? -gerundet : gerundet, 2, 10, QLatin1Char('0'));
    return (gerundet < 0 ? QStringLiteral("-") : QString()) + ziffern + QLatin1Char('%');
}

bool TermTreffer(QString term, const Heute& heute, const QDate& tagHeute, const QDate& datum,
                 const QDate& von, Zufall& zufall) {
    bool treffer = false;
    bool verneint = false;
    if (term == QLatin1String("-")) {
        treffer = true;
    }
    if (term.startsWith(QLatin1Char('!'))) {
        verneint = true;
        term = Mid(term, 2);
    }
    const double zahl = Val(term);
    if (zahl >= 1.0 && zahl <= 31.0 && !term.endsWith(QLatin1Char('%'))) {
        const long long erster = RundenGerade(zahl);
        long long letzter = erster;
        const qsizetype strich = InStr(term, QStringLiteral("-"));
        if (strich > 0) {
            letzter = RundenGerade(Val(Mid(term, strich + 1)));
        }
        if (erster <= heute.tag && heute.tag <= letzter) {
            treffer = true;
        }
    }
    if (Left(term, 2) == heute.wochentag) {
        treffer = true;
    }
    if (Left(term, 3) == heute.monat) {
        treffer = true;
    }
    if (Left(term, 4) == QLatin1String("dyn%")) {
        term = WachsendeChance(tagHeute, datum, von);
    }
    if (Left(term, 2) == QLatin1String("kw") && Val(Mid(term, 3)) == heute.woche) {
        treffer = true;
    }
    if (term.endsWith(QLatin1Char('%')) && Val(term) > zufall.zahl() * 100.0) {
        treffer = true;
    }
    return treffer != verneint;
}

}  // namespace

bool FilterAuswerten(QString& filter, const QDateTime& jetzt, const QDate& datum, const QDate& von,
                     Zufall& zufall) {
    if (!jetzt.isValid() || !jetzt.date().isValid()) {
        return false;
    }
    filter = Trim(LCase(filter));
    if (filter.isEmpty() || filter.startsWith(QLatin1Char('-'))) {
        return true;
    }
    const QDate tag = jetzt.date();
    const Heute heute{LCase(TagMonatName(Wochentag(tag), QStringLiteral("wt2"))),
                      Left(LCase(TagMonatName(tag.month(), QStringLiteral("mo"))), 3), tag.day(),
                      KalenderWoche(tag)};

    enum class Art { Einzeln, Entweder, Beide };
    Art art = Art::Einzeln;
    QChar trenner;
    if (filter.contains(QLatin1Char(';'))) {
        art = Art::Beide;
        trenner = QLatin1Char(';');
    } else if (filter.contains(QLatin1Char(','))) {
        art = Art::Entweder;
        trenner = QLatin1Char(',');
    }
    QString term1 = filter;
    QString term2 = QStringLiteral("-");
    if (art != Art::Einzeln) {
        const qsizetype pos = filter.indexOf(trenner);
        term1 = Trim(filter.left(pos));
        term2 = Trim(filter.mid(pos + 1));
    }
    // Both terms are always tested, so each chance term draws its number.
    const bool treffer1 = TermTreffer(term1, heute, tag, datum, von, zufall);
    const bool treffer2 = TermTreffer(term2, heute, tag, datum, von, zufall);
    switch (art) {
        case Art::Einzeln:
            return treffer1;
        case Art::Entweder:
            return treffer1 || treffer2;
        case Art::Beide:
            return treffer1 && treffer2;
    }
    return false;
}

bool FilterAuswerten(QString& filter, const QDateTime& jetzt, const QString& datum,
                     const QString& von, Zufall& zufall) {
    return FilterAuswerten(filter, jetzt, DatumLesen(datum).value_or(QDate()),
                           DatumLesen(von).value_or(QDate()), zufall);
}

}  // namespace kronel
