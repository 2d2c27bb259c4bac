#include "testsupport/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <utility>

#include "common/fehlermeldung.h"
#include "platform/befehlszeile.h"
#include "platform/ordner.h"
#include "platform/programmende.h"

namespace kronel::test {

void AufnahmeTon::piepen(int typ, const QString& name) {
    const QString a = QStringLiteral("piep %1 %2").arg(typ).arg(name);
    aufrufe.append(a);
    seitLetzterBox.append(name);
}

Status AufnahmeTon::spielen(const QString& pfad) {
    if (naechsterFehler) {
        Fehler f = *naechsterFehler;
        naechsterFehler.reset();
        aufrufe.append(QStringLiteral("fehler %1").arg(f.nummer));
        return f;
    }
    aufrufe.append(QStringLiteral("spiel ") + pfad);
    seitLetzterBox.append(pfad);
    return {};
}

void AufnahmeTon::stoppen() {
    aufrufe.append(QStringLiteral("stopp"));
}

int SkriptMeldungen::zeigen(const QString& text, int stil, const QString& titel) {
    Box b{titel, text, stil, {}};
    if (ton_ != nullptr) {
        b.tonVorher = ton_->seitLetzterBox;
        ton_->seitLetzterBox.clear();
    }
    boxen.push_back(b);
    if (beiBox) {
        const auto waehrend = beiBox;
        waehrend();
    }
    if (!antworten_.empty()) {
        const int a = antworten_.front();
        antworten_.pop_front();
        return a;
    }
    return EscapeAntwort(stil);
}

std::optional<QString> SkriptMeldungen::eingabe(const QString& frage, const QString& titel,
                                                const QString& vorgabe) {
    eingabeBoxen.push_back({frage, titel, vorgabe});
    std::optional<QString> antwort;
    if (!eingaben_.empty()) {
        antwort.swap(eingaben_.front());
        eingaben_.pop_front();
    }
    return antwort;
}

qint64 AusfallDatentraeger::schreiben(int fd, const char* daten, qint64 laenge) {
    if (!platz) {
        return Datentraeger::schreiben(fd, daten, laenge);
    }
    if (*platz <= 0) {
        errno = ENOSPC;
        return -1;
    }
    const qint64 n = Datentraeger::schreiben(fd, daten, std::min(laenge, *platz));
    if (n > 0) {
        *platz -= n;
    }
    return n;
}

int AusfallDatentraeger::sichern(int fd) {
    if (sichernScheitert) {
        errno = EIO;
        return -1;
    }
    return Datentraeger::sichern(fd);
}

int AusfallDatentraeger::umbenennen(const char* alt, const char* neu) {
    if (umbenennenScheitert) {
        errno = EACCES;
        return -1;
    }
    return Datentraeger::umbenennen(alt, neu);
}

int AusfallDatentraeger::sperren(int fd, int wartezeitMs) {
    sperrWartezeiten.push_back(wartezeitMs);
    if (fremdGesperrt.isEmpty() || sperrWartezeiten.size() > 100) {
        return Datentraeger::sperren(fd, sperrenOhneWarten ? 0 : wartezeitMs);
    }
    QFile f(fremdGesperrt);
    if (std::ssize(sperrWartezeiten) <= ersetzend) {
        (void)DateiAtomarSchreiben(fremdGesperrt, DateiLesen(fremdGesperrt).wertOder({}));
    } else {
        (void)(f.open(QIODevice::Append) && f.write(" "));
    }
    errno = EWOULDBLOCK;
    return -1;
}

TestUmgebung::TestUmgebung(const QString& programm) : vorher_(dienste()) {
    QDir().mkpath(system());
    QDir().mkpath(this->programm());
    QDir().mkpath(daten());
    const std::pair<const char*, QString> werte[] = {
        {"KRONEL_WINDIR", windows()},
        {"KRONEL_SYSDIR", system()},
        {"KRONEL_PROGDIR", this->programm()},
        {"XDG_DATA_HOME", xdgDaten()},
        {"KRONEL_ENTWICKLUNG", QStringLiteral("0")},
    };
    for (const auto& [name, wert] : werte) {
        variablen.setzen(name, wert);
    }
    programmnameVorher_ = ProgrammDateinameSetzen(programm);
    befehlszeileVorher_ = Befehlszeile();
    BefehlszeileSetzen({});
    modulVorher_ = std::exchange(modul(), Modul{});
    // Every test starts, and leaves, a program that has not ended.
    ProgrammEndeZuruecksetzen();
    DiensteSetzen(
        {&meldungen, &ton, &zeiger, &uhr, &bildschirm, &hilfe, &web, &prozesse, &instanzen});
    druckerVorher_ = DruckerSetzen(&drucker);
    tastaturVorher_ = TastaturSetzen(&tastatur);
    systemfaktenVorher_ = SystemfaktenSetzen(&systemfakten);
    datentraegerVorher_ = DatentraegerSetzen(&datentraeger);
    wachberichtVorher_ = WacheMitFehlerMeldung();
}

TestUmgebung::~TestUmgebung() {
    DiensteSetzen(vorher_);
    DruckerSetzen(druckerVorher_);
    TastaturSetzen(tastaturVorher_);
    SystemfaktenSetzen(systemfaktenVorher_);
    DatentraegerSetzen(datentraegerVorher_);
    WachberichtSetzen(wachberichtVorher_);
    modul() = std::move(modulVorher_);
    BefehlszeileSetzen({befehlszeileVorher_});
    ProgrammDateinameSetzen(programmnameVorher_);
    ProgrammEndeZuruecksetzen();
}

void TestUmgebung::schreiben(const QString& pfad, const QByteArray& inhalt) const {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(inhalt);
    }
}

QByteArray TestUmgebung::lesen(const QString& pfad) const {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return f.readAll();
}

}  // namespace kronel::test
