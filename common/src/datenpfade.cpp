#include "common/datenpfade.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstring>

#include "common/dateien.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/fenster.h"
#include "common/modul.h"
#include "common/ton.h"
#include "platform/dateien.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/text.h"

namespace kronel {

namespace {

const QString kSchluesselDirData = QStringLiteral("DirData");
const QString kPlatzhalter = QStringLiteral("{appdir}");

// "/" between folder and name, unless the folder is the root.
QString Verbinden(const QString& ordner, const QString& name) {
    return ordner.endsWith(QLatin1Char('/')) ? ordner + name : ordner + QLatin1Char('/') + name;
}

// Anything but folders counts, FIFOs, devices and broken links too, and the
// data file in any form: a data file that is no regular file is named by what
// reads it, the folder is not reported missing.
bool HatDateien(const QString& ordner) {
    if (ordner.isEmpty()) {
        return false;
    }
    const QDir dir(ordner);
    if (!dir.exists()) {
        return false;
    }
    const QFileInfo termine(PfadAufloesen(Verbinden(ordner, QStringLiteral("Kronel.PlD"))));
    return termine.exists() || termine.isSymLink() ||
           !dir.entryList(QDir::Files | QDir::System).isEmpty();
}

// The book under its name or under the name of older versions, in any case;
// a link counts even when it leads nowhere.
bool HatBuch(const QString& ordner) {
    for (const char* name : {"Kronel.PlD", "Kronel.Dat"}) {
        const QFileInfo buch(PfadAufloesen(Verbinden(ordner, QLatin1String(name))));
        if (buch.exists() || buch.isSymLink()) {
            return true;
        }
    }
    return false;
}

// A copy installed for everyone: the program folder is not this user's to
// write and holds no book, so the data go to the user's own folder. A program
// folder holding a book is a shared book and stays what DirData says.
bool EigenerOrdnerStattProgrammordner(const QString& wert) {
    const QString programm = ProgrammVerzeichnis();
    return GleichOhneFall(wert, kPlatzhalter) && !OrdnerBeschreibbar(programm) &&
           !HatBuch(programm);
}

// Makes the user's own data folder (each missing part for this user only) and
// in it a book of only its header, where there is none; nothing that is there
// is replaced. Whichever program starts first makes them. The reason when the
// folder or the book cannot be made, else empty.
QString EigenenOrdnerAnlegen(const QString& ordner) {
    const QString sauber = QDir::cleanPath(QFileInfo(ordner).absoluteFilePath());
    QString teil;
    for (const QString& name : sauber.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        teil += QLatin1Char('/') + name;
        if (::mkdir(QFile::encodeName(teil).constData(), 0700) == 0) {
            continue;
        }
        const int fehler = errno;
        const QFileInfo info(teil);
        if (info.isDir()) {
            continue;
        }
        return info.exists() ? QStringLiteral("»") + teil + QStringLiteral("« ist kein Ordner")
                             : FehlerAusErrno(fehler, teil).beschreibung;
    }
    if (HatBuch(sauber)) {
        return {};
    }
    const QByteArray kopf =
        NachCp1252(QStringLiteral("..Kronelin ") + ProgrammVersionText() + QStringLiteral("\r\n"));
    const Status s = DateiNeuSchreiben(Verbinden(sauber, QStringLiteral("Kronel.PlD")), kopf);
    return s || s.fehler().nummer == FehlerNr::DateiExistiert ? QString() : s.fehler().beschreibung;
}

// Why a folder that is there cannot be listed ("Zugriff verweigert"); empty
// when it can, or when it is not there at all.
QString UnlesbarGrund(const QString& ordner) {
    DIR* d = ::opendir(QFile::encodeName(ordner).constData());
    if (d != nullptr) {
        ::closedir(d);
        return {};
    }
    return errno == ENOENT || errno == ENOTDIR ? QString() : FehlerAusErrno(errno).beschreibung;
}

// A link to a data file that is not there: the readers would only find no
// file, the user is told where the link points (a chain of links that ends
// where it began points nowhere).
void VerwaistenVerweisMelden(const QString& termine) {
    const QFileInfo info(termine);
    if (!info.isSymLink() || info.exists()) {
        return;
    }
    const QString ziel = VerknuepfungsZiel(termine);
    const QString was =
        QFileInfo(ziel).isSymLink()
            ? QStringLiteral(
                  "« ist ein Verweis, der im Kreis auf sich selbst führt; dort liegt "
                  "keine Datei.")
            : QStringLiteral("« ist ein Verweis auf »") + ziel +
                  QStringLiteral("«, dort liegt aber keine Datei.");
    TonAusgeben(QStringLiteral("#SystemExclamation"));
    meldungen().zeigen(QStringLiteral("Die Termindatei »") + termine + was +
                           QStringLiteral("\r\n\r\nSetzen Sie den Verweis neu oder löschen Sie "
                                          "ihn."),
                       Box::OK + Box::Ausrufezeichen, QStringLiteral("Kronel, Termindatei"));
}

// Renames the old-named file to the new one only when the new name is free;
// with both present, both stay (a plain rename would overwrite the new file).
void AltenNamenUmbenennen(const QString& ordner, const QString& alterName, const QString& neu) {
    const QString alt = PfadAufloesen(Verbinden(ordner, alterName));
    if (!DateiVorhanden(alt) || QFileInfo::exists(neu)) {
        return;
    }
    (void)DateiUmbenennenOhneErsetzen(alt, neu);  // a refused rename is skipped
}

int Ziffer(QChar c) {
    const char16_t u = c.unicode();
    return u >= u'0' && u <= u'9' ? u - u'0' : -1;
}

// n digits from position pos, or -1.
int Ziffern(const QString& s, qsizetype pos, int n) {
    int v = 0;
    for (int i = 0; i < n; ++i) {
        const int z = Ziffer(s[pos + i]);
        if (z < 0) {
            return -1;
        }
        v = v * 10 + z;
    }
    return v;
}

// Exactly "dd.mm.yyyy" at the start: the common case, read by hand.
std::optional<QDate> FesteFormLesen(const QString& s) {
    if (s.size() < 10 || s[2] != u'.' || s[5] != u'.') {
        return std::nullopt;
    }
    if (s.size() > 10 && Ziffer(s[10]) >= 0) {
        return std::nullopt;  // a year of more than four digits
    }
    const int t = Ziffern(s, 0, 2);
    const int m = Ziffern(s, 3, 2);
    const int j = Ziffern(s, 6, 4);
    if (t < 0 || m < 0 || j < 100) {
        return std::nullopt;
    }
    const QDate d(j, m, t);
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

// The count of a period code: blanks, an optional sign, digits, a point with
// decimals; reading stops at the first other character.
double AnzahlLesen(const QString& code) {
    qsizetype i = 0;
    const qsizetype n = code.size();
    while (i < n && code[i] == u' ') {
        ++i;
    }
    double vorzeichen = 1;
    if (i < n && (code[i] == u'+' || code[i] == u'-')) {
        vorzeichen = code[i] == u'-' ? -1 : 1;
        ++i;
    }
    double wert = 0;
    while (i < n && Ziffer(code[i]) >= 0) {
        wert = wert * 10 + Ziffer(code[i]);
        ++i;
    }
    if (i < n && code[i] == u'.') {
        ++i;
        double stelle = 0.1;
        while (i < n && Ziffer(code[i]) >= 0) {
            wert += stelle * Ziffer(code[i]);
            stelle /= 10;
            ++i;
        }
    }
    return vorzeichen * wert;
}

// Why DirData cannot be read from the settings file, or empty.
QString DirDataVerdeckt() {
    switch (IniDateiArt({})) {
        case IniArt::Ordner:
            return QStringLiteral("ist ein Ordner, keine Datei");
        case IniArt::Fremd:
            return QStringLiteral("ist keine Einstellungsdatei; sie bleibt unverändert");
        case IniArt::Unlesbar:
            return QStringLiteral("kann nicht gelesen werden; sie bleibt unverändert");
        case IniArt::Fehlt:
            return {};
        case IniArt::Einstellungen:
            break;
    }
    if (IniSchluesselNurSpaeter({}, {}, kSchluesselDirData)) {
        return QStringLiteral("enthält »") + kSchluesselDirData +
               QStringLiteral("« erst in einem zweiten Abschnitt »") + IniAbschnittAufloesen({}) +
               QStringLiteral("«, der nicht gelesen wird");
    }
    return {};
}

}  // namespace

void DatenPfadeSetzen() {
    Modul& m = modul();
    QString wert = IniLesen({}, {}, kSchluesselDirData, kPlatzhalter);
    if (wert.endsWith(QLatin1Char('\\')) || (wert.size() > 1 && wert.endsWith(QLatin1Char('/')))) {
        wert.chop(1);
    }
    QString genutzt = wert;
    QString grund;  // why the data folder cannot be made or read
    if (EigenerOrdnerStattProgrammordner(wert)) {
        genutzt = EigenerDatenOrdner();
        grund = EigenenOrdnerAnlegen(genutzt);
        // The full path goes into the settings only once the folder and its book
        // are there: a program that reads it then finds them.
        if (grund.isEmpty()) {
            wert = genutzt;
        }
    }
    // A damaged settings file hides the data folder: the user hears of it, and
    // the fallback is not written back, so the switch does not stick.
    const QString schaden = DirDataVerdeckt();
    if (schaden.isEmpty()) {
        IniSchreiben({}, {}, kSchluesselDirData, wert);
    }

    // A path with a drive letter names nothing here: it stays as the user wrote
    // it (with "/"), so the message names it and no file is found under it.
    QString ordner = Ersetzen(genutzt, kPlatzhalter, ProgrammVerzeichnis());
    const QString linux = PfadAusWindows(ordner);
    ordner = linux.isEmpty() ? QString(ordner).replace(QLatin1Char('\\'), QLatin1Char('/'))
                             : PfadAbsolut(linux);
    m.DatenVerzeichnis = ordner;

    const bool gueltig = !linux.isEmpty();
    if (!schaden.isEmpty()) {
        TonAusgeben(QStringLiteral("#SystemExclamation"));
        meldungen().zeigen(QStringLiteral("Die Einstellungsdatei »") + IniDateiAufloesen({}) +
                               QStringLiteral("« ") + schaden +
                               QStringLiteral(".\r\n\r\nAls Daten-Ordner wird »") + ordner +
                               QStringLiteral("« verwendet."),
                           Box::OK + Box::Ausrufezeichen, QStringLiteral("Kein Daten-Ordner"));
    }
    if (!gueltig || !HatDateien(ordner)) {
        if (grund.isEmpty() && gueltig) {
            grund = UnlesbarGrund(ordner);
        }
        meldungen().zeigen(
            QStringLiteral("Kann den Daten-Ordner »") + ordner +
                QStringLiteral("« nicht finden.\r\n\r\nSetzen Sie in der Datei »") +
                IniDateiAufloesen({}) +
                QStringLiteral("« im Abschnitt »Kronel« den Schlüssel »DirData« neu "
                               "oder löschen Sie ihn notfalls.") +
                (grund.isEmpty() ? QString()
                                 : QStringLiteral("\r\n\r\nGrund: ") + grund + QLatin1Char('.')),
            Box::OK + Box::Ausrufezeichen, QStringLiteral("Kein Daten-Ordner"));
    }

    m.DateiTermine = PfadAufloesen(Verbinden(ordner, QStringLiteral("Kronel.PlD")));
    m.DateiAltes = PfadAufloesen(Verbinden(ordner, QStringLiteral("Kronel.Old")));
    m.DateiNotizen = PfadAufloesen(Verbinden(ordner, QStringLiteral("Kronel.Txt")));
    if (!gueltig) {
        return;
    }
    AltenNamenUmbenennen(ordner, QStringLiteral("Kronel.Dat"), m.DateiTermine);
    AltenNamenUmbenennen(ordner, QStringLiteral("Notizen.Txt"), m.DateiNotizen);
    VerwaistenVerweisMelden(m.DateiTermine);
}

QString DatumZuSchluessel(const QString& datum) {
    std::optional<QDate> d = FesteFormLesen(datum);
    if (!d) {
        d = DatumLesen(datum);
    }
    if (!d || !ImKalender(*d)) {
        return {};
    }
    return SchluesselAusDatum(*d);
}

QString SchluesselZuDatum(const QString& schluessel) {
    const QString k = Left(schluessel, 8);
    return Mid(k, 7, 2) + QLatin1Char('.') + Mid(k, 5, 2) + QLatin1Char('.') + Mid(k, 1, 4);
}

std::optional<QDate> SchluesselLesen(const QString& schluessel) {
    if (schluessel.size() < 8) {
        return std::nullopt;
    }
    // The eight characters as two words of four: each less '0' must stay below
    // 10, which no borrow or carry between them can fake.
    constexpr quint64 kNull = 0x0030003000300030ULL;
    constexpr quint64 kBis9 = 0x0076007600760076ULL;  // 9 + 0x76 is the last below 0x80
    constexpr quint64 kZuGross = 0xFF80FF80FF80FF80ULL;
    quint64 vorn = 0;
    quint64 hinten = 0;
    std::memcpy(&vorn, QStringView(schluessel).utf16(), sizeof vorn);
    std::memcpy(&hinten, QStringView(schluessel).utf16() + 4, sizeof hinten);
    vorn -= kNull;
    hinten -= kNull;
    if (((vorn | hinten | (vorn + kBis9) | (hinten + kBis9)) & kZuGross) != 0) {
        return std::nullopt;
    }
    auto ziffer = [](quint64 w, int i) { return static_cast<int>(w >> (16 * i) & 0xF); };
    const int j =
        ziffer(vorn, 0) * 1000 + ziffer(vorn, 1) * 100 + ziffer(vorn, 2) * 10 + ziffer(vorn, 3);
    const int m = ziffer(hinten, 0) * 10 + ziffer(hinten, 1);
    const int t = ziffer(hinten, 2) * 10 + ziffer(hinten, 3);
    if (j < 100 || m < 1 || m > 12 || t < 1 || t > MonatsTage(j, m)) {
        return std::nullopt;
    }
    return QDate::fromJulianDay(TagNummer(j, m, t));
}

QString SchluesselAusDatum(const QDate& d) {
    QString s(8, QLatin1Char('0'));
    int j = d.year();
    for (int i = 3; i >= 0; --i) {
        s[i] = QChar(u'0' + j % 10);
        j /= 10;
    }
    s[4] = QChar(u'0' + d.month() / 10);
    s[5] = QChar(u'0' + d.month() % 10);
    s[6] = QChar(u'0' + d.day() / 10);
    s[7] = QChar(u'0' + d.day() % 10);
    return s;
}

Periode PeriodeLesen(const QString& code) {
    const QString t = RTrim(code);
    if (t.isEmpty()) {
        return {};
    }
    const char16_t letzte = KleinBuchstabe(t.back()).unicode();
    Periode p;
    switch (letzte) {
        case u't':
        case u'w':
        case u'm':
        case u'q':
        case u'j':
            p.einheit = static_cast<char>(letzte);
            break;
        default:
            return {};
    }
    const double anzahl = AnzahlLesen(t);
    // Far beyond any date range: marks the shift as impossible.
    p.anzahl = std::fabs(anzahl) > 1e9 ? (anzahl < 0 ? -4'000'000'000LL : 4'000'000'000LL)
                                       : RundenGerade(anzahl);
    return p;
}

bool PeriodeAktiv(const QString& code) {
    return PeriodeLesen(code).einheit != 0;
}

Periode Periodenspeicher::lesen(QStringView feld, bool zurueck) {
    auto neu = [&] {
        const QString code = feld.toString();
        return PeriodeLesen(zurueck ? QStringLiteral("-") + RTrim(code) : code);
    };
    // The four characters of a full field are one word; other fields (only in
    // records too short for their columns) are read each time.
    if (feld.size() != 4) {
        return neu();
    }
    quint64 wort = 0;
    std::memcpy(&wort, feld.utf16(), sizeof wort);
    Platz& platz = plaetze_[zurueck ? 1 : 0][(wort * 0x9E3779B97F4A7C15ULL) >> 58];
    if (!platz.belegt || platz.wort != wort) {
        platz = {wort, neu(), true};
    }
    return platz.periode;
}

std::optional<QDate> DatumVerschieben(const Periode& periode, const QDate& datum) {
    if (!ImKalender(datum)) {
        return std::nullopt;
    }
    const long long n = periode.anzahl;
    QDate ergebnis = datum;
    switch (periode.einheit) {
        case 't':
            ergebnis = std::llabs(n) > 4'000'000 ? QDate() : datum.addDays(n);
            break;
        case 'w':
            ergebnis = std::llabs(n) > 600'000 ? QDate() : datum.addDays(n * 7);
            break;
        case 'm':
            ergebnis = MonateAddieren(datum, n);
            break;
        case 'q':
            ergebnis = std::llabs(n) > 50'000 ? QDate() : MonateAddieren(datum, n * 3);
            break;
        case 'j':
            ergebnis = std::llabs(n) > 20'000 ? QDate() : MonateAddieren(datum, n * 12);
            break;
        default:
            break;
    }
    if (!ImKalender(ergebnis)) {
        return std::nullopt;
    }
    return ergebnis;
}

QString DatumVerschieben(const QString& code, const QString& datum) {
    const std::optional<QDate> d = DatumLesen(datum);
    if (!d) {
        return {};
    }
    const std::optional<QDate> ergebnis = DatumVerschieben(PeriodeLesen(code), *d);
    return ergebnis ? DatumText(*ergebnis) : QString();
}

}  // namespace kronel
