#include "common/einstellungen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "common/modul.h"
#include "platform/dateien.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/text.h"
#include "platform/zeilen.h"

namespace kronel {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kMarke = QStringLiteral("**");
int stillTiefe = 0;  // EinstellungsfehlerStill objects alive

// One line of the file as it stands on disk, with its own line end, so that a
// write of one key leaves every other byte of the file as it was.
struct Zeile {
    QByteArray roh;
    QByteArray ende;
    QString text;  // decoded, for matching
};

struct IniDatei {
    std::vector<Zeile> zeilen;
};

IniDatei Zerlegen(const QByteArray& bytes) {
    IniDatei d;
    ZeilenDurchgehen(QByteArrayView(bytes), LetztesZeilenende::SchliesstZeile,
                     [&](QByteArrayView roh, QByteArrayView ende) {
                         Zeile z;
                         z.roh = roh.toByteArray();
                         z.ende = ende.toByteArray();
                         z.text = ZeileTolerantLesen(z.roh);
                         d.zeilen.push_back(std::move(z));
                     });
    return d;
}

QByteArray Zusammensetzen(const IniDatei& d) {
    QByteArray b;
    for (const Zeile& z : d.zeilen) {
        b += z.roh;
        b += z.ende;
    }
    return b;
}

// The section name of a header line, or no value for other lines.
std::optional<QString> Kopfname(const QString& zeile) {
    const QString t = zeile.trimmed();
    if (!t.startsWith(QLatin1Char('['))) {
        return std::nullopt;
    }
    const qsizetype zu = t.indexOf(QLatin1Char(']'));
    return (zu < 0 ? t.mid(1) : t.mid(1, zu - 1)).trimmed();
}

struct Schluesselzeile {
    QString schluessel;
    QString wert;
};

std::optional<Schluesselzeile> SchluesselTeilen(const QString& zeile) {
    const QString t = zeile.trimmed();
    if (t.startsWith(QLatin1Char(';'))) {
        return std::nullopt;  // a comment
    }
    const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
    if (gleich < 0) {
        return std::nullopt;
    }
    return Schluesselzeile{zeile.left(gleich).trimmed(), zeile.mid(gleich + 1).trimmed()};
}

struct Fund {
    qsizetype kopf = -1;        // header line of the section
    qsizetype schluessel = -1;  // line of the key
    qsizetype letzte = -1;      // last line of the section that is not blank
};

Fund Suchen(const IniDatei& d, const QString& abschnitt, const QString& schluessel) {
    Fund f;
    bool drin = false;
    for (qsizetype i = 0; i < static_cast<qsizetype>(d.zeilen.size()); ++i) {
        const QString& text = d.zeilen[static_cast<size_t>(i)].text;
        if (const auto kopf = Kopfname(text)) {
            if (drin) {
                break;  // the first section of that name counts
            }
            if (GleichOhneFall(*kopf, abschnitt)) {
                drin = true;
                f.kopf = i;
                f.letzte = i;
            }
            continue;
        }
        if (!drin) {
            continue;
        }
        if (!text.trimmed().isEmpty()) {
            f.letzte = i;
        }
        if (f.schluessel < 0) {
            if (const auto s = SchluesselTeilen(text);
                s && GleichOhneFall(s->schluessel, schluessel)) {
                f.schluessel = i;
            }
        }
    }
    return f;
}

// A parsed file is kept while its size, modification time and inode stay the same.
struct Kennung {
    qint64 groesse = -1;
    qint64 zeitNs = 0;
    quint64 inode = 0;
    qint64 aenderungNs = 0;
    bool operator==(const Kennung&) const = default;
};

std::optional<Kennung> KennungLesen(const QString& pfad) {
    struct stat st {};
    if (::stat(QFile::encodeName(pfad).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    return Kennung{static_cast<qint64>(st.st_size),
                   static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec,
                   static_cast<quint64>(st.st_ino),
                   static_cast<qint64>(st.st_ctim.tv_sec) * 1000000000LL + st.st_ctim.tv_nsec};
}

struct Zwischenspeicher {
    Kennung kennung;
    IniDatei datei;
};

QHash<QString, Zwischenspeicher>& Speicher() {
    static QHash<QString, Zwischenspeicher> s;
    return s;
}

const IniDatei* Laden(const QString& pfad) {
    const auto k = KennungLesen(pfad);
    if (!k) {
        Speicher().remove(pfad);
        return nullptr;
    }
    auto it = Speicher().find(pfad);
    if (it != Speicher().end() && it->kennung == *k) {
        return &it->datei;
    }
    const auto bytes = DateiLesen(pfad);
    if (!bytes) {
        return nullptr;
    }
    if (Speicher().size() > 32) {
        Speicher().clear();
    }
    auto& eintrag = Speicher()[pfad];
    eintrag.kennung = *k;
    eintrag.datei = Zerlegen(*bytes);
    return &eintrag.datei;
}

QString UmbruecheAlsMarke(const QString& s) {
    QString r = ZeilenumbruecheVereinheitlichen(s);
    r.replace(kCrLf, kMarke);
    return r;
}

QString MarkenAlsUmbruch(QString s) {
    // Left to right, so "***" gives a break followed by "*".
    s.replace(kMarke, kCrLf);
    return s;
}

// A key or section name never holds a line break (it would split the line).
QString EinzeiligerName(const QString& s) {
    QString r = ZeilenumbruecheVereinheitlichen(s);
    r.replace(kCrLf, QStringLiteral(" "));
    return r;
}

void Hinweis(const QString& grund, const QString& datei, const QString& abschnitt,
             const QString& schluessel, const QString& wert) {
    const QString text = grund + QLatin1Char('\r') + QLatin1Char('|') + datei + QLatin1Char('|') +
                         abschnitt + QLatin1Char('|') + schluessel + QLatin1Char('|') + wert;
    meldungen().zeigen(text, Box::OK, ProgrammDateiname());
}

}  // namespace

EinstellungsfehlerStill::EinstellungsfehlerStill() {
    ++stillTiefe;
}

EinstellungsfehlerStill::~EinstellungsfehlerStill() {
    --stillTiefe;
}

QString StandardAbschnitt(const QString& programmDateiname) {
    const QString gross = UCase(programmDateiname);
    if (gross == QLatin1String("KRONELIN") || gross == QLatin1String("KRONELOL")) {
        return QStringLiteral("Kronel");
    }
    return programmDateiname;
}

QString IniDateiAufloesen(const QString& datei, bool nurRechtsTrimmen) {
    QString name = nurRechtsTrimmen ? RTrim(datei) : Trim(datei);
    name = PfadAusWindows(name);
    if (name.isEmpty() && !Trim(datei).isEmpty()) {
        return {};  // a drive path names nothing here
    }
    if (name.isEmpty()) {
        name = QStringLiteral("RIVIROR.INI");
    }
    if (name.size() < 4 || name[name.size() - 4] != u'.') {
        name += QStringLiteral(".INI");
    }
    const QString gross = UCase(name);
    for (const char* fest : {"WIN.INI", "SYSTEM.INI", "RIVIROR.INI"}) {
        if (gross == QLatin1String(fest)) {
            name = QLatin1String(fest);
            return PfadAufloesen(WindowsVerzeichnis() + QLatin1Char('/') + name);
        }
    }
    if (!name.contains(QLatin1Char('/'))) {
        return PfadAufloesen(WindowsVerzeichnis() + QLatin1Char('/') + name);
    }
    return PfadAufloesen(PfadAbsolut(name));
}

QString IniAbschnittAufloesen(const QString& abschnitt) {
    QString a = abschnitt.isEmpty() ? StandardAbschnitt(ProgrammDateiname()) : abschnitt;
    a = EinzeiligerName(LCase(a));
    if (!a.isEmpty()) {
        a[0] = GrossBuchstabe(a[0]);
    }
    return a;
}

QString IniLesen(const QString& datei, const QString& abschnitt, const QString& schluessel,
                 const QString& vorgabe) {
    const QString vorgabeGespeichert = UmbruecheAlsMarke(RTrim(vorgabe));
    const QString pfad = IniDateiAufloesen(datei);
    const QString a = IniAbschnittAufloesen(abschnitt);
    const QString k = EinzeiligerName(Trim(schluessel));
    QString wert = vorgabeGespeichert;
    if (!pfad.isEmpty() && !a.isEmpty()) {
        if (const IniDatei* d = Laden(pfad)) {
            const Fund f = Suchen(*d, a, k);
            if (f.schluessel >= 0) {
                wert = SchluesselTeilen(d->zeilen[static_cast<size_t>(f.schluessel)].text)->wert;
            }
        }
    }
    return MarkenAlsUmbruch(wert);
}

QStringList IniWerte(const QString& datei, const QString& abschnitt) {
    QStringList werte;
    const QString pfad = IniDateiAufloesen(datei);
    const QString a = IniAbschnittAufloesen(abschnitt);
    const IniDatei* d = pfad.isEmpty() || a.isEmpty() ? nullptr : Laden(pfad);
    if (d == nullptr) {
        return werte;
    }
    bool drin = false;
    for (const Zeile& z : d->zeilen) {
        if (const auto kopf = Kopfname(z.text)) {
            if (drin) {
                break;  // the first section of that name counts
            }
            drin = GleichOhneFall(*kopf, a);
        } else if (drin) {
            if (const auto s = SchluesselTeilen(z.text)) {
                werte << MarkenAlsUmbruch(s->wert);
            }
        }
    }
    return werte;
}

namespace {

// Bytes that are no settings file: NUL bytes, or text without any section.
// Blank lines and comments alone are an empty settings file (an editor that
// emptied it).
bool Fremd(const QByteArray& bytes, const IniDatei& d) {
    if (bytes.contains('\0')) {
        return true;
    }
    const auto text = [](const Zeile& z) {
        const QString t = z.text.trimmed();
        return !t.isEmpty() && !t.startsWith(QLatin1Char(';'));
    };
    return std::none_of(d.zeilen.begin(), d.zeilen.end(),
                        [](const Zeile& z) { return Kopfname(z.text).has_value(); }) &&
           std::any_of(d.zeilen.begin(), d.zeilen.end(), text);
}

const QString kVerloren =
    QStringLiteral("\r\n\r\nEinstellungen, die dieses Programm jetzt schreibt, gehen verloren.");

// Lost settings are told in a box while a person works with the program; in a
// run nobody watches a box would wait for nobody, so the note goes to the log.
void VerlustMelden(const QString& text) {
    if (modul().Unbeaufsichtigt) {
        MeldungProtokollieren(text, ProgrammDateiname());
    } else {
        meldungen().zeigen(text, Box::OK + Box::Ausrufezeichen, ProgrammDateiname());
    }
}

// A write the disk refused (full, failing) is told once per run, naming the
// file and why (grund; the standard text of the failure when empty): the
// window settings and statistics of an ending run are lost with it. A
// write-protected file or folder and a missing folder decline writes on
// purpose; only the caller learns of those.
void SchreibfehlerMelden(const QString& pfad, const Fehler& f, const QString& grund = {}) {
    switch (f.nummer) {
        case FehlerNr::ZugriffVerweigert:
        case FehlerNr::DateiNichtGefunden:
        case FehlerNr::PfadNichtGefunden:
            return;
        default:
            break;
    }
    bool& gemeldet = modul().EinstellungsfehlerGemeldet;
    if (gemeldet || stillTiefe > 0) {
        return;
    }
    gemeldet = true;
    VerlustMelden(QStringLiteral("Die Einstellungsdatei »") + pfad +
                  QStringLiteral("« konnte nicht geschrieben werden: ") +
                  (grund.isEmpty() ? FehlerBeschreibung(f.nummer) : grund) + QLatin1Char('.') +
                  kVerloren);
}

// Another program holds a settings file's lock for the few milliseconds of
// its write. One that keeps it longer hangs or is stopped; waiting for it
// would hold up a start (its window unpainted, a signal unanswered): half a
// second, and while other programs take turns at the file a second in all,
// whatever the file does meanwhile.
constexpr int kSperreWartenMs = 500;
constexpr int kSperreHoechstensMs = 1000;

// The lock of a settings file; a file another process kept locked once in
// this run is tried only once more, and the user hears of it once. A lock
// file that cannot be made is a refused write.
bool Gesperrt(const QString& pfad, std::optional<DateiSperre>& sperre) {
    QStringList& bekannt = modul().GesperrteEinstellungen;
    const bool schonEinmal = bekannt.contains(pfad);
    sperre.emplace(pfad, schonEinmal ? 0 : kSperreWartenMs, kSperreHoechstensMs);
    if (sperre->gesperrt()) {
        return true;
    }
    const QFileInfo sperrdatei(sperre->datei());
    if (sperrdatei.isDir()) {
        SchreibfehlerMelden(pfad, sperre->grund(),
                            QStringLiteral("ihre Sperre »") + sperre->datei() +
                                QStringLiteral("« ist ein Ordner, keine Datei"));
    } else if (!sperrdatei.isFile()) {
        SchreibfehlerMelden(pfad, sperre->grund());
    } else if (!schonEinmal) {
        bekannt.append(pfad);
        VerlustMelden(QStringLiteral("Die Einstellungsdatei »") + pfad +
                      QStringLiteral("« ist von einem anderen Programm gesperrt (»") +
                      sperre->datei() + QStringLiteral("«).") + kVerloren);
    }
    return false;
}

}  // namespace

IniArt IniDateiArt(const QString& datei) {
    const QString pfad = IniDateiAufloesen(datei);
    const QFileInfo info(pfad);
    if (pfad.isEmpty() || !info.exists()) {
        return IniArt::Fehlt;
    }
    if (info.isDir()) {
        return IniArt::Ordner;
    }
    const auto bytes = DateiLesen(pfad);
    if (!bytes) {
        return IniArt::Unlesbar;
    }
    return Fremd(*bytes, Zerlegen(*bytes)) ? IniArt::Fremd : IniArt::Einstellungen;
}

bool IniSchluesselNurSpaeter(const QString& datei, const QString& abschnitt,
                             const QString& schluessel) {
    const QString pfad = IniDateiAufloesen(datei);
    const QString a = IniAbschnittAufloesen(abschnitt);
    const QString k = EinzeiligerName(Trim(schluessel));
    const IniDatei* d = pfad.isEmpty() ? nullptr : Laden(pfad);
    if (d == nullptr || Suchen(*d, a, k).schluessel >= 0) {
        return false;
    }
    bool drin = false;
    bool ersterVorbei = false;
    for (const Zeile& z : d->zeilen) {
        if (const auto kopf = Kopfname(z.text)) {
            ersterVorbei = ersterVorbei || drin;
            drin = GleichOhneFall(*kopf, a);
            continue;
        }
        if (drin && ersterVorbei) {
            if (const auto t = SchluesselTeilen(z.text); t && GleichOhneFall(t->schluessel, k)) {
                return true;
            }
        }
    }
    return false;
}

IniErgebnis IniSchreiben(const QString& datei, const QString& abschnitt, const QString& schluessel,
                         const QString& wert) {
    return IniAendern(datei, abschnitt, schluessel, [&](const QString&) { return wert; });
}

IniErgebnis IniAendern(const QString& datei, const QString& abschnitt, const QString& schluessel,
                       const std::function<QString(const QString& alt)>& neuerWert,
                       const QString& vorgabe) {
    const QString pfad = IniDateiAufloesen(datei, true);
    const QString a = IniAbschnittAufloesen(abschnitt);
    const QString k = NurCp1252(EinzeiligerName(Trim(schluessel)));
    if (pfad.isEmpty()) {
        Hinweis(QStringLiteral("Keine Datei definiert beim Schreiben der Inidatei"), datei,
                abschnitt, schluessel, neuerWert(vorgabe));
        return {};
    }
    if (a.isEmpty()) {
        Hinweis(QStringLiteral("Kein Abschnitt definiert beim Schreiben der Inidatei"), datei,
                abschnitt, schluessel, neuerWert(vorgabe));
        return {};
    }
    if (k.isEmpty()) {
        Hinweis(QStringLiteral("Kein Schlüssel definiert beim Schreiben der Inidatei"), datei,
                abschnitt, schluessel, neuerWert(vorgabe));
        return {};
    }
    const QString ordner = QFileInfo(pfad).absolutePath();
    if (ordner == QFileInfo(WindowsVerzeichnis()).absoluteFilePath()) {
        QDir().mkpath(ordner);  // the Windows folder is made on first write
    }
    std::optional<DateiSperre> sperre;
    const bool gesperrt = Gesperrt(pfad, sperre);
    IniDatei d;
    bool lesbar = true;
    if (gesperrt && QFileInfo::exists(pfad)) {
        const auto bytes = DateiLesen(pfad);
        // Unreadable, or no settings file at all: better to change nothing.
        if (bytes) {
            d = Zerlegen(*bytes);
        }
        lesbar = bytes && !Fremd(*bytes, d);
    }
    const Fund f = Suchen(d, a, k);
    const QString alt =
        f.schluessel >= 0
            ? MarkenAlsUmbruch(
                  SchluesselTeilen(d.zeilen[static_cast<size_t>(f.schluessel)].text)->wert)
            : MarkenAlsUmbruch(UmbruecheAlsMarke(RTrim(vorgabe)));
    QString gespeichert = RTrim(neuerWert(alt));
    if (!gespeichert.isEmpty()) {
        gespeichert = UmbruecheAlsMarke(gespeichert);
    }
    gespeichert = NurCp1252(gespeichert);
    IniErgebnis ergebnis{gespeichert, false};
    if (!gesperrt || !lesbar) {
        return ergebnis;
    }
    const QByteArray crlf("\r\n");
    if (f.schluessel >= 0) {
        Zeile& z = d.zeilen[static_cast<size_t>(f.schluessel)];
        const QString alterSchluessel = SchluesselTeilen(z.text)->schluessel;
        z.text = alterSchluessel + QLatin1Char('=') + gespeichert;
        z.roh = NachCp1252(z.text);
        if (z.ende.isEmpty()) {
            z.ende = crlf;
        }
    } else {
        Zeile neu;
        neu.text = k + QLatin1Char('=') + gespeichert;
        neu.roh = NachCp1252(neu.text);
        neu.ende = crlf;
        if (f.kopf >= 0) {
            Zeile& vorige = d.zeilen[static_cast<size_t>(f.letzte)];
            if (vorige.ende.isEmpty()) {
                vorige.ende = crlf;
            }
            d.zeilen.insert(d.zeilen.begin() + f.letzte + 1, std::move(neu));
        } else {
            if (!d.zeilen.empty() && d.zeilen.back().ende.isEmpty()) {
                d.zeilen.back().ende = crlf;
            }
            Zeile kopf;
            kopf.text = QLatin1Char('[') + NurCp1252(a) + QLatin1Char(']');
            kopf.roh = NachCp1252(kopf.text);
            kopf.ende = crlf;
            d.zeilen.push_back(std::move(kopf));
            d.zeilen.push_back(std::move(neu));
        }
    }
    if (const Status s = DateiAtomarSchreiben(pfad, Zusammensetzen(d)); !s) {
        SchreibfehlerMelden(pfad, s.fehler());
        return ergebnis;
    }
    if (const auto kennung = KennungLesen(pfad)) {
        Speicher()[pfad] = Zwischenspeicher{*kennung, std::move(d)};
    }
    ergebnis.ok = true;
    return ergebnis;
}

QString WindowsVerzeichnis() {
    return WindowsOrdner();
}

QString SystemVerzeichnis() {
    return SystemOrdner();
}

QString ProgrammVerzeichnis() {
    return ProgrammOrdner();
}

}  // namespace kronel
