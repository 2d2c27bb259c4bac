#include "book/termindatei.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "book/termin.h"
#include "common/datenpfade.h"
#include "common/texte.h"
#include "platform/datum.h"
#include "platform/text.h"
#include "platform/zeilen.h"

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

namespace {

// A line of the current layout that is taken as it stands: a valid date key and
// room for every fixed field.
bool ZeileVollstaendig(const QString& zeile) {
    return zeile.size() >= Spalte::Meldung && SchluesselLesen(zeile);
}

}  // namespace

QString ZeilePruefen(const QString& zeile, bool* aufgefuellt) {
    if (aufgefuellt != nullptr) {
        *aufgefuellt = false;
    }
    if (ZeileVollstaendig(zeile)) {
        return zeile;
    }
    if (!SchluesselLesen(zeile)) {
        return {};
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
    explicit Zeile(QByteArrayView z) : daten(z.data()), laenge(z.size()) {}
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
    // Tolerant: UTF-8 where the line is valid UTF-8 with high bytes, else
    // Windows-1252. The text's own storage is used again where it is not shared.
    void textIn(QString& ziel) const {
        unsigned char hoch = 0;
        for (qsizetype i = 0; i < laenge; ++i) {
            hoch |= static_cast<unsigned char>(daten[i]);
        }
        if (hoch & 0x80) {
            ziel = ZeileTolerantLesen(QByteArray::fromRawData(daten, laenge));
        } else {
            ziel = QLatin1StringView(daten, laenge);
        }
    }
    QString text() const {
        QString t;
        textIn(t);
        return t;
    }
    QString cp1252() const { return AusCp1252(QByteArray::fromRawData(daten, laenge)); }
};

QString KopfLesen(const Zeile& z) {
    QString kopf = z.text();
    if (kopf.startsWith(QChar(0xFEFF))) {
        kopf.remove(0, 1);  // a byte-order mark of a Linux editor
    }
    return kopf;
}

// The fixed fields as a save writes them, from the date key on: every field a
// word padded with blanks.
bool FesteFelderGeschrieben(QStringView t) {
    if (t.size() < FesteFelderLaenge || !SchluesselLesen(t.left(Breite::Datum).toString())) {
        return false;
    }
    constexpr std::pair<qsizetype, qsizetype> kFelder[] = {
        {Spalte::Von, Breite::Von},         {Spalte::Bis, Breite::Bis},
        {Spalte::Filter, Breite::Filter},   {Spalte::Zyklus, Breite::Zyklus},
        {Spalte::Adresse, Breite::Adresse},
    };
    for (const auto& [spalte, breite] : kFelder) {
        const QStringView feld = t.mid(spalte - 1, breite);
        bool blank = feld.front() == u' ';
        if (blank) {
            return false;
        }
        for (const QChar c : feld) {
            if (c == u' ') {
                blank = true;
            } else if (blank) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

QString GeklebterTermin(const QString& kopf) {
    if (DateiartVon(VersionsZehntel(kopf)) != Dateiart::Aktuell) {
        return {};
    }
    const QString t = ZeilePruefen(NachDemKopf(kopf));
    for (qsizetype p = Spalte::Meldung - 1; p + FesteFelderLaenge <= t.size(); ++p) {
        if (t[p].isDigit() && FesteFelderGeschrieben(QStringView(t).mid(p))) {
            return {};
        }
    }
    return t;
}

QString NachDemKopf(const QString& kopf) {
    if (!kopf.startsWith(QLatin1String(".."))) {
        return {};
    }
    constexpr qsizetype kNachName = 11;  // "..Kronelin "
    qsizetype i = kNachName;
    const qsizetype n = kopf.size();
    auto ziffer = [&](qsizetype k) { return k < n && kopf[k] >= u'0' && kopf[k] <= u'9'; };
    while (i < n && kopf[i] == u' ') {
        ++i;
    }
    if (i < n && (kopf[i] == u'-' || kopf[i] == u'+')) {
        ++i;
    }
    while (ziffer(i)) {
        ++i;
    }
    // The version text has six digits after its point ("8.010090"): a record
    // glued on starts with the digits of its date.
    if (i < n && kopf[i] == u'.') {
        ++i;
        for (int stelle = 0; stelle < 6 && ziffer(i); ++stelle) {
            ++i;
        }
    }
    return kopf.mid(std::min(i, n)).trimmed();
}

struct TermineLesen::Zustand {
    Zeilenteiler teiler;
    std::function<void(const QString&)> je;
    bool kopf = true;
    bool kopfGueltig = false;
    bool kopfRest = false;
    long long version = 0;
    QString zeile;

    void nimm(const Zeile& z) {
        if (kopf) {
            kopf = false;
            const QString k = KopfLesen(z);
            version = VersionsZehntel(k);
            kopfGueltig = k.startsWith(QLatin1String(".."));
            if (const QString t = GeklebterTermin(k); !t.isEmpty()) {
                je(t);
            } else {
                kopfRest = kopfGueltig && !NachDemKopf(k).isEmpty();
            }
            return;
        }
        if (DateiartVon(version) != Dateiart::Aktuell || z.nurBlanks()) {
            return;
        }
        z.textIn(zeile);
        if (ZeileVollstaendig(zeile)) {
            je(zeile);  // without a copy of the text: most lines
            return;
        }
        const QString t = ZeilePruefen(zeile);
        if (!t.isEmpty()) {
            je(t);
        }
    }
};

TermineLesen::TermineLesen(std::function<void(const QString&)> je)
    : z_(std::make_unique<Zustand>()) {
    z_->je = std::move(je);
}

TermineLesen::~TermineLesen() = default;

void TermineLesen::weiter(QByteArrayView stueck) {
    z_->teiler.weiter(stueck, [this](QByteArrayView z) { z_->nimm(Zeile(z)); });
}

long long TermineLesen::ende() {
    z_->teiler.ende([this](QByteArrayView z) { z_->nimm(Zeile(z)); });
    return z_->version;
}

bool TermineLesen::kopfGueltig() const {
    return z_->kopfGueltig;
}

bool TermineLesen::kopfRestUngelesen() const {
    return z_->kopfRest;
}

Dateiinhalt TermindateiLesen(const QByteArray& inhalt) {
    Dateiinhalt d;
    d.kopfFehlt = true;
    auto aufnehmen = [&](QString t) {
        if (!Cp1252Darstellbar(t)) {
            ++d.nichtSpeicherbar;
            d.unvollstaendig = true;
        }
        d.termine.append(std::move(t));
    };
    auto kopfzeile = [&](const Zeile& z) {
        d.kopfFehlt = false;
        const QString kopf = KopfLesen(z);
        d.versionsZehntel = VersionsZehntel(kopf);
        d.art = DateiartVon(d.versionsZehntel);
        if (!kopf.startsWith(QLatin1String(".."))) {
            // Never a record, but not to be lost either.
            d.rest.append(z.roh());
            d.unvollstaendig = true;
            d.kopfUnlesbar = true;
        }
        if (d.art == Dateiart::Aktuell) {
            // A saved book has lines of about this length: room for all records at once.
            d.termine.reserve(inhalt.size() / 48 + 1);
        }
        if (!d.kopfUnlesbar && !NachDemKopf(kopf).isEmpty()) {
            // A lost line break: the original is kept, and what reads as a record is one.
            d.kopfZuLang = true;
            d.unvollstaendig = true;
            if (QString t = GeklebterTermin(kopf); !t.isEmpty()) {
                d.kopfTermin = true;
                aufnehmen(std::move(t));
            } else {
                d.rest.append(z.roh());
            }
        }
    };
    auto zeile = [&](const Zeile& z) {
        if (d.kopfFehlt) {
            kopfzeile(z);
            return;
        }
        switch (d.art) {
            case Dateiart::Aktuell: {
                if (z.nurBlanks()) {
                    ++d.leer;
                    return;
                }
                bool aufgefuellt = false;
                QString t = ZeilePruefen(z.text(), &aufgefuellt);
                if (t.isEmpty()) {
                    d.rest.append(z.roh());
                    d.unvollstaendig = true;
                    return;
                }
                if (aufgefuellt) {
                    ++d.aufgefuellt;
                }
                aufnehmen(std::move(t));
                return;
            }
            case Dateiart::Alt: {
                // The old program wrote the DOS code page, never UTF-8.
                QString meldung;
                QString t = AltenTerminUmsetzen(z.cp1252(), &meldung);
                if (t.isEmpty()) {
                    d.ungueltigeAlte.append(meldung);
                    if (!z.nurBlanks()) {
                        d.rest.append(z.roh());
                        d.unvollstaendig = true;
                    }
                    return;
                }
                d.termine.append(std::move(t));
                return;
            }
            case Dateiart::KeineDaten:
                if (!z.nurBlanks()) {
                    d.unvollstaendig = true;
                }
                return;
            case Dateiart::Dos:
                return;
        }
    };
    ZeilenDurchgehen(QByteArrayView(inhalt), LetztesZeilenende::SchliesstZeile,
                     [&](QByteArrayView z, QByteArrayView) { zeile(Zeile(z)); });
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
