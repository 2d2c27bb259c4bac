// The archive viewer's reading, delete and hand-back, without the window.

#include "planner/altes.h"

#include <QFileInfo>

#include "common/fehlermeldung.h"
#include "common/tagetext.h"
#include "common/texte.h"
#include "common/textfelder.h"
#include "common/ton.h"
#include "platform/dateien.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/schritte.h"
#include "platform/text.h"
#include "platform/uhr.h"
#include "platform/zeilen.h"

namespace kronel {

namespace {

bool NurAscii(QByteArrayView zeile) {
    for (const char c : zeile) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// Text that holds one of these was written by this system, not by DOS.
bool HatEigeneUmlaute(const QString& text) {
    static const QString eigene = QString::fromUtf8("äöüÄÖÜß“");
    for (const QChar c : text) {
        if (eigene.contains(c)) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString ArchivzeileAnzeigen(const QByteArray& gespeichert) {
    if (NurAscii(gespeichert)) {
        return QString::fromLatin1(gespeichert);
    }
    QString zeile = ZeileTolerantLesen(gespeichert);
    if (zeile != AusCp1252(gespeichert) || HatEigeneUmlaute(zeile)) {
        return zeile;  // read as UTF-8, or text of our own
    }
    return OemNachAnsi(zeile);
}

void ArchivNachDatumOrdnen(QStringList& zeilen) {
    // Year, month, day, then the text: "24.12.2001 Geschenke" -> "2001 12.24.Geschenke".
    QStringList schluessel;
    schluessel.reserve(zeilen.size());
    for (const QString& z : zeilen) {
        schluessel.append(Mid(z, 7, 5) + Mid(z, 4, 3) + Mid(z, 1, 3) + Mid(z, 12));
    }
    QStringList neu;
    neu.reserve(zeilen.size());
    for (const qsizetype i : DeutscheReihenfolge(schluessel)) {
        if (neu.isEmpty() || neu.constLast() != zeilen[i]) {
            neu.append(zeilen[i]);
        }
    }
    zeilen = std::move(neu);
}

QStringList ArchivLesen(const QString& pfad, const QString& filter) {
    const QString such = LCase(Trim(filter));
    QStringList zeilen;
    if (!QFileInfo::exists(pfad)) {
        return zeilen;
    }
    QByteArray inhalt;
    SchrittLaeufer schritt(
        [](const Fehler& f) {
            return FehlerMeldungMitBeschreibung(
                f, QStringLiteral("Es ist ein Fehler beim Lesen der alten Termine "
                                  "aufgetreten."));
        },
        QStringLiteral("ArchivLesen"));
    schritt([&]() -> Status {
        Ergebnis<QByteArray> gelesen = DateiLesen(pfad);
        if (!gelesen) {
            return gelesen.fehler();
        }
        inhalt = std::move(gelesen.wert());
        return {};
    });
    ZeilenDurchgehen(QByteArrayView(inhalt), LetztesZeilenende::SchliesstZeile,
                     [&](QByteArrayView roh, QByteArrayView) {
                         const QString z = ArchivzeileAnzeigen(roh.toByteArray());
                         if (Trim(z).isEmpty() || (!zeilen.isEmpty() && zeilen.constLast() == z)) {
                             return;
                         }
                         if (!such.isEmpty() && !LCase(z).contains(such)) {
                             return;
                         }
                         zeilen.append(z);
                     });
    if (zeilen.size() > ArchivHoechstzahl) {
        zeilen.remove(0, zeilen.size() - ArchivHoechstzahl);
    }
    ArchivNachDatumOrdnen(zeilen);
    return zeilen;
}

QString ArchivAlter(const QString& zeile, const QDate& heute) {
    const std::optional<QDate> datum = DatumLesen(Left(zeile, 10));
    if (!datum) {
        return {};
    }
    const qint64 k = datum->daysTo(heute);
    return (k < 0 ? QStringLiteral("In ") : QStringLiteral("Vor ")) + TageText(k);
}

QString ArchivPosition(qsizetype index, qsizetype anzahl) {
    return QStringLiteral("abgelaufener Termin %1 von %2").arg(index + 1).arg(anzahl);
}

bool ArchivzeileLoeschen(const QString& pfad, const QString& zeile) {
    if (!QFileInfo::exists(pfad)) {
        return false;
    }
    SchrittLaeufer schritt(
        [](const Fehler& f) {
            return FehlerMeldungMitBeschreibung(
                f, QString::fromUtf8("Es ist ein Fehler beim Löschen des alten "
                                     "Termins aufgetreten."));
        },
        QStringLiteral("ArchivzeileLoeschen"));
    bool geschrieben = false;
    schritt([&]() -> Status {
        // The reminder appends under the same lock: no line of it is lost
        // between the reading and the rewrite.
        const DateiSperre sperre(pfad);
        if (!sperre.gesperrt()) {
            return Fehler(FehlerNr::ZugriffVerweigert,
                          QStringLiteral("Das Archiv ist gesperrt oder nicht erreichbar"));
        }
        const Ergebnis<QByteArray> alt = DateiLesen(pfad);
        if (!alt) {
            return alt.fehler();
        }
        QByteArray neu;
        neu.reserve(alt->size());
        ZeilenDurchgehen(QByteArrayView(*alt), LetztesZeilenende::SchliesstZeile,
                         [&](QByteArrayView roh, QByteArrayView) {
                             const bool gleich =
                                 NurAscii(roh) ? QLatin1StringView(roh) == zeile
                                               : ArchivzeileAnzeigen(roh.toByteArray()) == zeile;
                             if (!gleich) {
                                 neu.append(roh);
                                 neu.append("\r\n");
                             }
                         });
        Status s = DateiAtomarSchreiben(pfad, neu);
        geschrieben = s.ok();
        return s;
    });
    return geschrieben;
}

void TerminVorschauZeigen(const QString& zeile, qsizetype textAb) {
    const QString datum = Left(zeile, 10);
    QString text;
    {
        const SanduhrZeiger sanduhr;
        text = TextFelderErsetzen(Mid(zeile, textAb), DatumText(uhr().heute()), datum);
    }
    meldungen().zeigen(text, Box::OK + Box::Information,
                       QStringLiteral("Kronel-Terminvorschau ") + datum);
}

bool UebergabeDatumPruefen(const QString& datum, const QString& titel) {
    if (IstDatum(datum)) {
        return true;
    }
    TonAusgeben(QStringLiteral("#SystemExclamation"));
    meldungen().zeigen(
        QString::fromUtf8("»") + datum + QString::fromUtf8("« ist kein gültiges Datum."),
        Box::OK + Box::Ausrufezeichen, titel);
    return false;
}

}  // namespace kronel
