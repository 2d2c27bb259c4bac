#include "reminder/tagesliste.h"

#include "book/termin.h"
#include "book/termindatei.h"
#include "common/datenpfade.h"
#include "common/deutschetexte.h"
#include "common/kalender.h"
#include "platform/datum.h"
#include "platform/text.h"
#include "platform/zeilen.h"

#include <algorithm>

namespace kronel {

namespace {

constexpr int kMinutenProTag = 24 * 60;
const QString kKeinSchluessel = QStringLiteral("----");

bool NurBlanks(QByteArrayView zeile) {
    return std::all_of(zeile.begin(), zeile.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The lines of the file; a last line end gives no empty line.
QList<QByteArrayView> Zeilen(const QByteArray& inhalt) {
    QList<QByteArrayView> zeilen;
    ZeilenDurchgehen(QByteArrayView(inhalt), LetztesZeilenende::SchliesstZeile,
                     [&](QByteArrayView zeile, QByteArrayView) { zeilen.append(zeile); });
    return zeilen;
}

// The key of a time of day given as minutes since midnight.
QString SchluesselVonMinuten(int minuten) {
    const QString hhmm = QStringLiteral("%1:%2")
                             .arg(minuten / 60, 2, 10, QLatin1Char('0'))
                             .arg(minuten % 60, 2, 10, QLatin1Char('0'));
    return ZeitSchluessel(hhmm);
}

}  // namespace

QString ZeitSchluessel(const QString& text) {
    QString ziffern;
    for (const QChar c : Left(text, 5)) {
        if (c >= u'0' && c <= u'9') {
            ziffern += c;
        }
    }
    if (ziffern.isEmpty()) {
        return kKeinSchluessel;
    }
    const QString t = ziffern.left(4).leftJustified(4, QLatin1Char('0'));
    const double hh = Val(t.left(2));
    const double mm = Val(t.right(2));
    const long long schluessel = RundenGerade(hh * 100.0 + mm * 100.0 / 60.0);
    // As a number: a text comparison would let "99:75" (10025) pass as a time.
    if (schluessel < 0 || schluessel > 2399) {
        return kKeinSchluessel;
    }
    return QStringLiteral("%1").arg(schluessel, 4, 10, QLatin1Char('0'));
}

Leseart LeseartVon(long long versionsZehntel) {
    // In tenths of the header's v: 1.00 to 3.61 are far older data, from 4.00 on
    // (and a header without a number) the current layout.
    if (versionsZehntel >= 1000 && versionsZehntel <= 3610) {
        return Leseart::AlteDaten;
    }
    if (versionsZehntel >= 4000 || versionsZehntel < 10) {
        return Leseart::Lesen;
    }
    return Leseart::Nichts;
}

Erinnerungsdatei ErinnerungsdateiLesen(const QByteArray& inhalt) {
    Erinnerungsdatei d;
    const QList<QByteArrayView> zeilen = Zeilen(inhalt);
    if (zeilen.isEmpty()) {
        return d;
    }
    QString kopf = ZeileTolerantLesen(zeilen[0].toByteArray());
    if (kopf.startsWith(QChar(0xFEFF))) {
        kopf.remove(0, 1);
    }
    d.art = LeseartVon(VersionsZehntel(kopf));
    if (d.art != Leseart::Lesen) {
        return d;
    }
    d.termine.reserve(zeilen.size() - 1);
    // A record glued to the header by a lost line break is read as the planner reads it.
    if (QString geklebt = GeklebterTermin(kopf); !geklebt.isEmpty()) {
        d.termine.append(std::move(geklebt));
    }
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        if (!NurBlanks(zeilen[i])) {
            d.termine.append(ZeileTolerantLesen(zeilen[i].toByteArray()));
        }
    }
    return d;
}

QString Kandidatenzeile(const QString& termin, const QDate& heute) {
    const auto datum = SchluesselLesen(termin);
    if (!datum) {
        return {};
    }
    const QStringView meldung = MeldungVon(termin);
    QString z = ZeitSchluessel(meldung.toString());
    z += QLatin1Char(' ');
    z += DatumText(*datum);
    z += QStringLiteral(" (");
    z += TagMonatName(Wochentag(*datum), QStringLiteral("WT2"));
    z += QLatin1Char(')');
    z += *datum == heute ? QLatin1Char('*') : QLatin1Char(':');
    z += QLatin1Char(' ');
    z += meldung;
    return z;
}

QStringList Kandidaten(const QStringList& termine, const QDate& d, bool mitBereich,
                       const QDate& heute) {
    QStringList liste;
    for (const QString& termin : termine) {
        const auto datum = SchluesselLesen(termin);
        if (!datum) {
            continue;
        }
        const QString text = MeldungVon(termin).toString();
        if (text.isEmpty() || text.startsWith(QLatin1Char('@')) ||
            text.contains(QStringLiteral("-------")) || ZeitSchluessel(text) == kKeinSchluessel) {
            continue;
        }
        QDate von = *datum;
        QDate bis = *datum;
        if (mitBereich) {
            const auto a = DatumVerschieben(
                PeriodeLesen(QLatin1Char('-') + Trim(FeldText(termin, Festfeld::Von))), *datum);
            const auto b =
                DatumVerschieben(PeriodeLesen(Trim(FeldText(termin, Festfeld::Bis))), *datum);
            if (!a || !b) {
                continue;  // a window beyond the calendar covers no day
            }
            von = *a;
            bis = *b;
        }
        if (von <= d && d <= bis) {
            liste.append(Kandidatenzeile(termin, heute));
        }
    }
    DeutschSortieren(liste);
    return liste;
}

Zeitfenster FaelligkeitsFenster(const QDateTime& jetzt, int frueher, int spaeter) {
    const QTime t = jetzt.time();
    const int minute = t.hour() * 60 + t.minute();
    const int oben = minute + frueher;
    const int unten = minute - spaeter;
    return {unten < 0 ? QStringLiteral("0000") : SchluesselVonMinuten(unten),
            oben >= kMinutenProTag ? QStringLiteral("2399") : SchluesselVonMinuten(oben)};
}

QStringList FaelligeEntnehmen(QStringList& heute, const Zeitfenster& fenster) {
    QStringList faellig;
    for (qsizetype i = 0; i < heute.size();) {
        const QString schluessel = heute[i].left(4);
        if (fenster.unten <= schluessel && schluessel <= fenster.oben) {
            faellig.append(heute[i].mid(5));
            heute.removeAt(i);
        } else {
            ++i;
        }
    }
    return faellig;
}

int WarnMinuten(double wert) {
    // Stored values the scroll bars cannot take are brought into their range.
    if (!(wert >= 1.0)) {
        return 1;
    }
    if (wert > 300.0) {
        return 300;
    }
    return static_cast<int>(std::clamp<long long>(RundenGerade(wert), 1, 300));
}

QString WarnText(int index, int minuten) {
    return QStringLiteral("  ") + QString::number(minuten) + QStringLiteral(" Min ") +
           (index == 0 ? QStringLiteral("früher") : QStringLiteral("später"));
}

QString ErinnerungsTitel(qsizetype faellig, const QDateTime& jetzt) {
    if (faellig <= 0) {
        return QStringLiteral("Kronel Online - keine Meldungen");
    }
    return QStringLiteral("Kronel Online ") + jetzt.time().toString(QStringLiteral("hh:mm")) +
           QStringLiteral(", ") + QString::number(faellig) + QStringLiteral(" Meldung") +
           (faellig > 1 ? QStringLiteral("en") : QString());
}

QString RestText(qsizetype rest) {
    if (rest == 0) {
        return QStringLiteral("Keine Termine mehr.");
    }
    if (rest == 1) {
        return QStringLiteral("Noch 1 Termin.");
    }
    return QStringLiteral("Noch ") + QString::number(rest) + QStringLiteral(" Termine.");
}

QString EintragZweizeilig(const QString& eintrag) {
    if (eintrag.size() < 17) {
        return eintrag;
    }
    return eintrag.left(16) + QStringLiteral("\r\n") + eintrag.mid(17);
}

}  // namespace kronel
