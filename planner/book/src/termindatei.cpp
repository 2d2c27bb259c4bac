#include "book/termindatei.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "book/termin.h"
#include "common/datenpfade.h"
#include "common/texte.h"
#include "platform/datum.h"
#include "platform/text.h"

namespace kronel {

namespace {

// A fixed field of a short line, padded; an empty one gets its empty marker.
QString KurzesFeld(const QString& zeile, qsizetype spalte, qsizetype breite, const QString& leer) {
    QString f = Mid(zeile, spalte, breite);
    if (Trim(f).isEmpty()) {
        f = leer;
    }
    return f.leftJustified(breite, QLatin1Char(' '), true);
}

}  // namespace

long long VersionsZehntel(const QString& kopf) {
    const double v = Val(Mid(kopf, 12, 4)) * 1000.0;
    if (!std::isfinite(v) || std::fabs(v) > 1e15) {
        return v < 0 ? -1 : 1'000'000'000'000'000LL;
    }
    return std::llround(v);
}

Dateiart DateiartVon(long long z) {
    if (z < 10 || z >= 4000) {
        return Dateiart::Aktuell;
    }
    if (z < 1000) {
        return Dateiart::KeineDaten;
    }
    if (z <= 3480) {
        return Dateiart::Dos;
    }
    if (z >= 3490 && z <= 3990) {
        return Dateiart::Alt;
    }
    return Dateiart::KeineDaten;
}

QString ZeilePruefen(const QString& zeile, bool* aufgefuellt) {
    if (aufgefuellt != nullptr) {
        *aufgefuellt = false;
    }
    if (!SchluesselLesen(zeile)) {
        return {};
    }
    if (zeile.size() >= Spalte::Meldung) {
        return zeile;
    }
    const QString strich = QStringLiteral("-");
    QString t = zeile.left(Breite::Datum);
    t += KurzesFeld(zeile, Spalte::Von, Breite::Von, strich);
    t += KurzesFeld(zeile, Spalte::Bis, Breite::Bis, strich);
    t += KurzesFeld(zeile, Spalte::Filter, Breite::Filter, strich);
    t += KurzesFeld(zeile, Spalte::Zyklus, Breite::Zyklus, strich);
    t += KurzesFeld(zeile, Spalte::Adresse, Breite::Adresse, QStringLiteral("Alle"));
    t += QLatin1Char('?');
    if (aufgefuellt != nullptr) {
        *aufgefuellt = true;
    }
    return t;
}

namespace {

// One line of the file, read in place: no copy of its bytes.
struct Zeile {
    const char* daten;
    qsizetype laenge;
    QByteArray roh() const { return QByteArray(daten, laenge); }
    bool nurBlanks() const {
        for (qsizetype i = 0; i < laenge; ++i) {
            if (daten[i] != ' ' && daten[i] != '\t') {
                return false;
            }
        }
        return true;
    }
    // Tolerant: UTF-8 where the line is valid UTF-8 with high bytes, else Windows-1252.
    QString text() const {
        unsigned char hoch = 0;
        for (qsizetype i = 0; i < laenge; ++i) {
            hoch |= static_cast<unsigned char>(daten[i]);
        }
        if (hoch & 0x80) {
            return ZeileTolerantLesen(QByteArray::fromRawData(daten, laenge));
        }
        return QString::fromLatin1(daten, laenge);
    }
    QString cp1252() const { return AusCp1252(QByteArray::fromRawData(daten, laenge)); }
};

// The lines of a file one after the other, without a list of them all.
class Zeilen {
public:
    explicit Zeilen(const QByteArray& inhalt) : p_(inhalt.constData()), n_(inhalt.size()) {}

    // The next line; false after the last one.
    bool naechste(Zeile& z) {
        if (start_ >= n_) {
            return false;
        }
        // Where the next CR and the next LF stand, each searched again only once
        // passed: a file of LF (or CR) lines alone is read in one sweep too.
        if (cr_ < start_) {
            cr_ = finden('\r');
        }
        if (lf_ < start_) {
            lf_ = finden('\n');
        }
        // CR LF files: the CR ends the line unless an LF comes first.
        qsizetype ende = std::min(cr_, lf_);
        z = {p_ + start_, ende - start_};
        if (ende < n_) {
            ende += (p_[ende] == '\r' && ende + 1 < n_ && p_[ende + 1] == '\n') ? 2 : 1;
        }
        start_ = ende;
        return true;
    }

private:
    qsizetype finden(char c) const {
        const auto* t =
            static_cast<const char*>(std::memchr(p_ + start_, c, static_cast<size_t>(n_ - start_)));
        return t ? t - p_ : n_;
    }

    const char* p_;
    qsizetype n_;
    qsizetype start_ = 0;
    qsizetype cr_ = -1;
    qsizetype lf_ = -1;
};

}  // namespace

Dateiinhalt TermindateiLesen(const QByteArray& inhalt) {
    Dateiinhalt d;
    Zeilen zeilen(inhalt);
    Zeile kopfzeile{};
    if (!zeilen.naechste(kopfzeile)) {
        d.kopfFehlt = true;
        return d;
    }
    QString kopf = kopfzeile.text();
    if (kopf.startsWith(QChar(0xFEFF))) {
        kopf.remove(0, 1);  // a byte-order mark of a Linux editor
    }
    d.versionsZehntel = VersionsZehntel(kopf);
    d.art = DateiartVon(d.versionsZehntel);
    if (!kopf.startsWith(QLatin1String(".."))) {
        // Never a record, but not to be lost either.
        d.rest.append(kopfzeile.roh());
        d.unvollstaendig = true;
        d.kopfUnlesbar = true;
    }
    Zeile z{};
    switch (d.art) {
        case Dateiart::Aktuell:
            // A saved book has lines of about this length: room for all records at once.
            d.termine.reserve(inhalt.size() / 48 + 1);
            while (zeilen.naechste(z)) {
                if (z.nurBlanks()) {
                    ++d.leer;
                    continue;
                }
                bool aufgefuellt = false;
                QString t = ZeilePruefen(z.text(), &aufgefuellt);
                if (t.isEmpty()) {
                    d.rest.append(z.roh());
                    d.unvollstaendig = true;
                    continue;
                }
                if (aufgefuellt) {
                    ++d.aufgefuellt;
                }
                d.termine.append(std::move(t));
            }
            break;
        case Dateiart::Alt:
            while (zeilen.naechste(z)) {
                // The old program wrote the DOS code page, never UTF-8.
                QString meldung;
                QString t = AltenTerminUmsetzen(z.cp1252(), &meldung);
                if (t.isEmpty()) {
                    d.ungueltigeAlte.append(meldung);
                    if (!z.nurBlanks()) {
                        d.rest.append(z.roh());
                        d.unvollstaendig = true;
                    }
                    continue;
                }
                d.termine.append(std::move(t));
            }
            break;
        case Dateiart::KeineDaten:
            while (zeilen.naechste(z)) {
                if (!z.nurBlanks()) {
                    d.unvollstaendig = true;
                }
            }
            break;
        case Dateiart::Dos:
            break;
    }
    return d;
}

QByteArray TermindateiText(const QStringList& termine, const QString& versionText) {
    qsizetype laenge = 32;
    for (const QString& t : termine) {
        laenge += t.size() + 2;
    }
    QString text;
    text.reserve(laenge);
    text += QStringLiteral("..Kronelin ");
    text += versionText;
    text += QStringLiteral("\r\n");
    for (const QString& t : termine) {
        text += t;
        text += QStringLiteral("\r\n");
    }
    return NachCp1252(text);
}

QString VersionsTitel(long long versionsZehntel) {
    return QStringLiteral("Kronel ") +
           ZahlDeutsch(static_cast<double>(versionsZehntel) / 1000.0, 2);
}

namespace {

// Days between two dates of an old line as an announce code: days up to 999,
// then months. Windows above 999 months are written as years, so the unit letter
// always fits the four columns.
QString AnkuendigungAusTagen(long long tage) {
    if (tage <= 999) {
        return QString::number(tage) + QLatin1Char('T');
    }
    const auto monate = static_cast<long long>(std::floor(static_cast<double>(tage) / 30.5));
    if (monate <= 999) {
        return QString::number(monate) + QLatin1Char('M');
    }
    return QString::number(std::min<long long>(999, monate / 12)) + QLatin1Char('J');
}

}  // namespace

QString AltenTerminUmsetzen(const QString& zeile, QString* meldung) {
    const QString datumText = Mid(zeile, 1, 10);
    const auto datum = DatumLesen(Trim(datumText));
    if (!datum) {
        if (meldung != nullptr) {
            QString text = Mid(zeile, 70, 60);
            OemNachAnsi(text);
            *meldung = QStringLiteral("Der Termin »") + datumText + QLatin1Char(' ') + text +
                       QStringLiteral("« enthält ein ungültiges Datum und wird nicht übernommen!");
        }
        return {};
    }
    auto tageBis = [&](qsizetype spalte) {
        const auto d = DatumLesen(Trim(Mid(zeile, spalte, 10)));
        return d ? std::llabs(datum->daysTo(*d)) : 0LL;
    };
    TerminFelder f;
    f.STDatum = datumText;
    f.SKVon = AnkuendigungAusTagen(tageBis(12));
    f.SKBis = AnkuendigungAusTagen(tageBis(23));

    QString filter = Mid(zeile, 46, 8);
    if (filter.startsWith(QLatin1Char('%'))) {
        // A percentage given in tens: "%5" is 50 %.
        filter = Mid(filter, 2, 1) + QStringLiteral("0%");
    }
    if (const qsizetype p = filter.indexOf(QLatin1Char(',')); p >= 0) {
        filter[p] = QLatin1Char(';');
    } else if (const qsizetype q = filter.indexOf(QLatin1Char(';')); q >= 0) {
        filter[q] = QLatin1Char(',');
    }
    f.SKFilter = filter;
    f.SKZyklus = Mid(zeile, 33, 2);
    f.SKAdresse = Mid(zeile, 54, 5);

    QString text = Mid(zeile, 70, 60);
    OemNachAnsi(text);
    if (text.startsWith(QLatin1Char('@'))) {
        text.prepend(QStringLiteral("???"));
    }
    if (text.startsWith(QLatin1Char('#'))) {
        text.prepend(QStringLiteral("???"));
    }
    static const char* const kMarken[] = {"..XX", "..XY", "..TA", "..WO", "..MO", "..JA"};
    for (const char* marke : kMarken) {
        const qsizetype p = InStr(text, QString::fromLatin1(marke), true);
        if (p > 0) {
            text = Left(text, p - 1) + QStringLiteral("{Diff:") + Mid(text, p + 5, 10) +
                   QLatin1Char('}') + Mid(text, p + 15);
            break;
        }
    }
    f.STMeldung = text;
    return TerminZusammensetzen(f, SchluesselAusDatum(*datum));
}

}  // namespace kronel
