#include "platform/dateien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <optional>
#include <thread>
#include <utility>

namespace kronel {

qint64 Datentraeger::schreiben(int fd, const char* daten, qint64 laenge) {
    return ::write(fd, daten, static_cast<size_t>(laenge));
}

int Datentraeger::sichern(int fd) {
    return ::fsync(fd);
}

int Datentraeger::umbenennen(const char* alt, const char* neu) {
    return ::rename(alt, neu);
}

int Datentraeger::sperren(int fd, int wartezeitMs) {
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(wartezeitMs);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return 0;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= ende) {
            return -1;
        }
        // A program writing again and again releases the lock for a few
        // microseconds between its writes: a short poll finds that gap, so
        // programs writing at once all get their turn within the wait.
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
}

namespace {

Datentraeger*& Installiert() {
    static Datentraeger* d = nullptr;
    return d;
}

Datentraeger& Medium() {
    static Datentraeger system;
    return Installiert() != nullptr ? *Installiert() : system;
}

QByteArray Lokal(const QString& pfad) {
    return QFile::encodeName(pfad);
}

Status AllesSchreiben(int fd, const QByteArray& inhalt, const QString& pfad) {
    const char* p = inhalt.constData();
    qsizetype rest = inhalt.size();
    while (rest > 0) {
        const qint64 n = Medium().schreiben(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FehlerAusErrno(errno, pfad);
        }
        p += n;
        rest -= n;
    }
    return {};
}

// A folder where a file belongs: the name says which.
Fehler OrdnerStattDatei(const QString& pfad) {
    return Fehler(FehlerNr::PfadDateiZugriff, FehlerBeschreibung(FehlerNr::PfadDateiZugriff) +
                                                  QStringLiteral(": »") + pfad +
                                                  QStringLiteral("« ist ein Ordner, keine Datei"));
}

// Closes a descriptor on every way out.
struct Deskriptor {
    int fd = -1;
    ~Deskriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

}  // namespace

namespace {

// A FIFO, device or socket is named as what it is, a link by its target too:
// the user finds it with that.
Status ArtPruefen(const QString& pfad, mode_t modus) {
    if (S_ISREG(modus)) {
        return {};
    }
    if (S_ISDIR(modus)) {
        return OrdnerStattDatei(pfad);
    }
    QString art;
    if (S_ISFIFO(modus)) {
        art = QStringLiteral(", sondern eine benannte Pipe (FIFO)");
    } else if (S_ISCHR(modus) || S_ISBLK(modus)) {
        art = QStringLiteral(", sondern ein Gerät");
    } else if (S_ISSOCK(modus)) {
        art = QStringLiteral(", sondern ein Socket");
    }
    const QString ziel = VerknuepfungsZiel(pfad);
    if (ziel != pfad) {
        art += QStringLiteral(" (»") + ziel + QStringLiteral("«)");
    }
    return Fehler(FehlerNr::PfadDateiZugriff,
                  FehlerBeschreibung(FehlerNr::PfadDateiZugriff) + QStringLiteral(": »") + pfad +
                      QStringLiteral("« ist keine gewöhnliche Datei") + art);
}

Fehler ZuGross(const QString& pfad) {
    return Fehler(FehlerNr::PfadDateiZugriff,
                  FehlerBeschreibung(FehlerNr::PfadDateiZugriff) + QStringLiteral(": »") + pfad +
                      QStringLiteral("« ist größer als %1 MB; so große Dateien werden nicht "
                                     "gelesen")
                          .arg(kLeseGrenze / (1024 * 1024)));
}

// Opens a regular file for reading: its size, or the failure. The kind is seen
// before the opening (opening a device may act on it) and again after it (the
// name may have changed meanwhile); the opening never waits for a writer.
Ergebnis<qsizetype> ZumLesenOeffnen(const QString& pfad, Deskriptor& d, bool mitGrenze) {
    const QByteArray lokal = Lokal(pfad);
    struct stat st {};
    auto pruefen = [&]() -> Status {
        if (Status s = ArtPruefen(pfad, st.st_mode); !s) {
            return s;
        }
        return mitGrenze && st.st_size > kLeseGrenze ? Status(ZuGross(pfad)) : Status();
    };
    if (::stat(lokal.constData(), &st) != 0) {
        return FehlerAusErrno(errno, pfad);
    }
    if (Status s = pruefen(); !s) {
        return s.fehler();
    }
    d.fd = ::open(lokal.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (d.fd < 0 || ::fstat(d.fd, &st) != 0) {
        return FehlerAusErrno(errno, pfad);
    }
    if (Status s = pruefen(); !s) {
        return s.fehler();
    }
    return st.st_size > 0 ? static_cast<qsizetype>(st.st_size) : qsizetype{0};
}

// read() that goes on after a signal: the count, 0 at the end, or the failure.
Ergebnis<qsizetype> Lesen(int fd, char* ziel, qsizetype platz, const QString& pfad) {
    for (;;) {
        const ssize_t n = ::read(fd, ziel, static_cast<size_t>(platz));
        if (n >= 0) {
            return static_cast<qsizetype>(n);
        }
        if (errno != EINTR) {
            return FehlerAusErrno(errno, pfad);
        }
    }
}

}  // namespace

Datentraeger* DatentraegerSetzen(Datentraeger* d) {
    return std::exchange(Installiert(), d);
}

Status LesbarkeitPruefen(const QString& pfad) {
    struct stat st {};
    if (::stat(Lokal(pfad).constData(), &st) != 0) {
        return {};
    }
    if (Status s = ArtPruefen(pfad, st.st_mode); !s) {
        return s;
    }
    return st.st_size > kLeseGrenze ? Status(ZuGross(pfad)) : Status();
}

Ergebnis<QByteArray> DateiAnfangLesen(const QString& pfad, qsizetype n) {
    Deskriptor d;
    if (const auto offen = ZumLesenOeffnen(pfad, d, false); !offen) {
        return offen.fehler();
    }
    QByteArray anfang(n, Qt::Uninitialized);
    qsizetype gelesen = 0;
    while (gelesen < n) {
        const auto m = Lesen(d.fd, anfang.data() + gelesen, n - gelesen, pfad);
        if (!m) {
            return m.fehler();
        }
        if (*m == 0) {
            break;
        }
        gelesen += *m;
    }
    anfang.truncate(gelesen);
    return anfang;
}

Ergebnis<QByteArray> DateiLesen(const QString& pfad) {
    Deskriptor d;
    const auto groesse = ZumLesenOeffnen(pfad, d, true);
    if (!groesse) {
        return groesse.fehler();
    }
    // Straight into the buffer, one byte more than the file so that its end is
    // seen by the first read; a file that grows meanwhile is read to its end too.
    QByteArray inhalt(*groesse > 0 ? *groesse + 1 : 65536, Qt::Uninitialized);
    qsizetype gelesen = 0;
    for (;;) {
        if (gelesen == inhalt.size()) {
            inhalt.resize(inhalt.size() * 2);
        }
        const auto n = Lesen(d.fd, inhalt.data() + gelesen, inhalt.size() - gelesen, pfad);
        if (!n) {
            return n.fehler();
        }
        if (*n == 0) {
            break;
        }
        gelesen += *n;
        // A file that grows while it is read is not followed without end.
        if (gelesen > kLeseGrenze) {
            return ZuGross(pfad);
        }
    }
    inhalt.truncate(gelesen);
    return inhalt;
}

Status DateiStueckweiseLesen(const QString& pfad, const std::function<void(QByteArrayView)>& je) {
    Deskriptor d;
    if (const auto offen = ZumLesenOeffnen(pfad, d, true); !offen) {
        return offen.fehler();
    }
    char puffer[65536];
    qint64 gesamt = 0;
    for (;;) {
        const auto n = Lesen(d.fd, puffer, sizeof puffer, pfad);
        if (!n) {
            return n.fehler();
        }
        if (*n == 0) {
            return {};
        }
        gesamt += *n;
        if (gesamt > kLeseGrenze) {
            return ZuGross(pfad);
        }
        je(QByteArrayView(puffer, *n));
    }
}

bool DateiSchreibgeschuetzt(const QString& pfad) {
    struct stat st {};
    if (::stat(Lokal(pfad).constData(), &st) != 0) {
        return false;
    }
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool OrdnerBeschreibbar(const QString& ordner) {
    // The effective user: access(2) would ask for the real one.
    return !DateiSchreibgeschuetzt(ordner) &&
           ::faccessat(AT_FDCWD, Lokal(ordner).constData(), W_OK, AT_EACCESS) == 0;
}

QString VerknuepfungsZiel(const QString& pfad) {
    QString ziel = pfad;
    // As many steps as the system follows itself before it gives up (ELOOP).
    for (int schritt = 0; schritt < 40; ++schritt) {
        const QByteArray lokal = Lokal(ziel);
        struct stat st {};
        if (::lstat(lokal.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return ziel;
        }
        QByteArray verweis(st.st_size > 0 ? st.st_size + 1 : 4096, Qt::Uninitialized);
        const ssize_t n =
            ::readlink(lokal.constData(), verweis.data(), static_cast<size_t>(verweis.size()));
        if (n < 0 || n >= verweis.size()) {
            return ziel;
        }
        verweis.truncate(n);
        const QString naechstes = QFile::decodeName(verweis);
        ziel = QDir::isAbsolutePath(naechstes)
                   ? QDir::cleanPath(naechstes)
                   : QDir::cleanPath(QFileInfo(ziel).absolutePath() + QLatin1Char('/') + naechstes);
    }
    return ziel;
}

namespace {

// <file>.tmp-<pid>-<n>: a process's own temporary file beside the file.
QString TempName(const QString& pfad) {
    static std::atomic<unsigned> zaehler{0};
    return QStringLiteral("%1.tmp-%2-%3").arg(pfad).arg(::getpid()).arg(zaehler.fetch_add(1));
}

void VerwaisteTempDateienEntfernen(const QString& pfad) {
    const QFileInfo info(pfad);
    const QString vorne = info.fileName() + QStringLiteral(".tmp-");
    const QDir ordner(info.absolutePath());
    const QStringList namen =
        ordner.entryList({vorne + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : namen) {
        // <file>.tmp-<pid>-<n>: only those of a process that is gone.
        const QStringList teile = name.mid(vorne.size()).split(QLatin1Char('-'));
        bool zahl = false;
        bool zweite = false;
        const qint64 pid = teile.size() == 2 ? teile[0].toLongLong(&zahl) : 0;
        if (teile.size() == 2) {
            (void)teile[1].toULongLong(&zweite);
        }
        if (!zahl || !zweite || pid <= 0 || pid == ::getpid()) {
            continue;
        }
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) {
            continue;
        }
        ::unlink(Lokal(ordner.filePath(name)).constData());
    }
}

// The whole file through a temporary file; the rename replaces what stands
// there, or with ersetzen false fails on an existing name.
Status GanzSchreiben(const QString& angegeben, const QByteArray& inhalt,
                     const QString& tempAngegeben, bool ersetzen) {
    // A new file never goes where a link points: anything at the name, a link
    // to nothing included, takes it. In a shared folder another user could
    // plant a link at a name this program is about to take.
    struct stat alt {};
    if (!ersetzen && ::lstat(Lokal(angegeben).constData(), &alt) == 0) {
        return Fehler(FehlerNr::DateiExistiert, FehlerBeschreibung(FehlerNr::DateiExistiert) +
                                                    QStringLiteral(": ") + angegeben);
    }
    // A linked file is replaced where the link points, and the link stays: the
    // temporary file must lie in the target's folder for the rename.
    const QString pfad = ersetzen ? VerknuepfungsZiel(angegeben) : angegeben;
    QString tempPfad = tempAngegeben;
    if (pfad != angegeben && tempPfad.startsWith(angegeben)) {
        tempPfad = pfad + tempPfad.mid(angegeben.size());
    }
    const bool vorhanden = ersetzen && ::stat(Lokal(pfad).constData(), &alt) == 0;
    if (vorhanden) {
        if (Status s = ArtPruefen(angegeben, alt.st_mode); !s) {
            return s;
        }
    }
    if (vorhanden && (alt.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return FehlerAusErrno(EACCES, angegeben);  // names the file
    }
    if (tempPfad.isEmpty()) {
        VerwaisteTempDateienEntfernen(pfad);
    }
    const QString temp = tempPfad.isEmpty() ? TempName(pfad) : tempPfad;
    const QByteArray tempLokal = Lokal(temp);
    ::unlink(tempLokal.constData());  // a stale one from an earlier run
    Deskriptor d{::open(tempLokal.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)};
    if (d.fd < 0) {
        return FehlerAusErrno(errno, temp);
    }
    auto aufgeben = [&](Fehler f) {
        ::close(d.fd);
        d.fd = -1;
        ::unlink(tempLokal.constData());
        return Status(std::move(f));
    };
    if (vorhanden) {
        ::fchmod(d.fd, alt.st_mode & 07777);
    }
    if (Status s = AllesSchreiben(d.fd, inhalt, pfad); !s) {
        return aufgeben(s.fehler());
    }
    if (Medium().sichern(d.fd) != 0) {
        return aufgeben(FehlerAusErrno(errno, pfad));
    }
    if (::close(d.fd) != 0) {
        d.fd = -1;
        const int e = errno;
        ::unlink(tempLokal.constData());
        return FehlerAusErrno(e, pfad);
    }
    d.fd = -1;
    if (!ersetzen) {
        if (Status s = DateiUmbenennenOhneErsetzen(temp, pfad); !s) {
            ::unlink(tempLokal.constData());
            return s;
        }
    } else if (Medium().umbenennen(tempLokal.constData(), Lokal(pfad).constData()) != 0) {
        const int e = errno;
        ::unlink(tempLokal.constData());
        return FehlerAusErrno(e, pfad);
    }
    // Make the rename itself durable.
    const QString ordner = QFileInfo(pfad).absolutePath();
    Deskriptor od{::open(Lokal(ordner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (od.fd >= 0) {
        ::fsync(od.fd);
    }
    return {};
}

}  // namespace

Status DateiAtomarSchreiben(const QString& pfad, const QByteArray& inhalt,
                            const QString& tempPfad) {
    return GanzSchreiben(pfad, inhalt, tempPfad, true);
}

Status DateiNeuSchreiben(const QString& pfad, const QByteArray& inhalt) {
    return GanzSchreiben(pfad, inhalt, {}, false);
}

Status DateiAnhaengen(const QString& pfad, const QByteArray& inhalt) {
    struct stat st {};
    // Bytes sent into a pipe or a device would be gone, and the opening of a
    // FIFO might wait for a reader.
    if (::stat(Lokal(pfad).constData(), &st) == 0) {
        if (Status s = ArtPruefen(pfad, st.st_mode); !s) {
            return s;
        }
    }
    Deskriptor d{::open(Lokal(pfad).constData(),
                        O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666)};
    if (d.fd < 0) {
        return FehlerAusErrno(errno, pfad);
    }
    if (::fstat(d.fd, &st) != 0) {
        return FehlerAusErrno(errno, pfad);
    }
    if (Status s = ArtPruefen(pfad, st.st_mode); !s) {
        return s;
    }
    const off_t laenge = st.st_size;
    QByteArray daten = inhalt;
    // A last line without its end (a torn append of another program, an
    // editor) gets one, so the new line stands on its own.
    if (laenge > 0 && !inhalt.isEmpty()) {
        char letztes = 0;
        if (::pread(d.fd, &letztes, 1, laenge - 1) == 1 && letztes != '\n') {
            daten.prepend(letztes == '\r' ? QByteArray("\n") : QByteArray("\r\n"));
        }
    }
    // Whole or nothing: a write that fails halfway is cut back off.
    if (Status s = AllesSchreiben(d.fd, daten, pfad); !s) {
        (void)::ftruncate(d.fd, laenge);
        return s;
    }
    if (::close(d.fd) != 0) {
        const int e = errno;
        d.fd = -1;
        return FehlerAusErrno(e, pfad);
    }
    d.fd = -1;
    return {};
}

Status DateiUmbenennenOhneErsetzen(const QString& alt, const QString& neu) {
    const QByteArray a = Lokal(alt);
    const QByteArray n = Lokal(neu);
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, n.constData(), RENAME_NOREPLACE) == 0) {
        return {};
    }
    if (errno == EEXIST) {
        return Fehler(FehlerNr::DateiExistiert,
                      FehlerBeschreibung(FehlerNr::DateiExistiert) + QStringLiteral(": ") + neu);
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return FehlerAusErrno(errno, alt);
    }
    // A file system without RENAME_NOREPLACE: a hard link fails on an existing name too.
    if (::link(a.constData(), n.constData()) != 0) {
        if (errno == EEXIST) {
            return Fehler(FehlerNr::DateiExistiert, FehlerBeschreibung(FehlerNr::DateiExistiert) +
                                                        QStringLiteral(": ") + neu);
        }
        return FehlerAusErrno(errno, alt);
    }
    ::unlink(a.constData());
    return {};
}

Status DateiLoeschen(const QString& pfad) {
    if (::unlink(Lokal(pfad).constData()) != 0 && errno != ENOENT) {
        return FehlerAusErrno(errno, pfad);
    }
    return {};
}

namespace {

// A write of another program that takes turns at a file replaces it (a new
// inode); touching or appending to it does not.
std::optional<ino_t> InodeLesen(const QByteArray& datei) {
    struct stat st {};
    if (::stat(datei.constData(), &st) != 0) {
        return std::nullopt;
    }
    return st.st_ino;
}

}  // namespace

struct DateiSperre::Daten {
    int fd = -1;
    bool gesperrt = false;
    QString pfad;
    QString datei;
    int fehler = 0;  // errno of the lock file's opening
};

DateiSperre::DateiSperre(const QString& pfad, int wartezeitMs, int hoechstensMs)
    : d_(std::make_unique<Daten>()) {
    d_->pfad = pfad;
    const QString ziel = VerknuepfungsZiel(pfad);
    d_->datei = ziel + QStringLiteral(".lock");
    const QByteArray name = Lokal(d_->datei);
    d_->fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (d_->fd < 0) {
        d_->fehler = errno;
        // Another user's lock file in a shared folder: flock needs no write access.
        d_->fd = d_->fehler == EACCES ? ::open(name.constData(), O_RDONLY | O_CLOEXEC) : -1;
        if (d_->fd < 0) {
            return;
        }
        d_->fehler = 0;
    }
    // Programs taking turns replace the file with each write: while that goes
    // on, the lock is being passed on and another wait follows, up to
    // hoechstensMs in all, the waits asked for counted. A lock held for a
    // whole wait without a replacement belongs to a program that hangs or
    // was stopped.
    int rest = hoechstensMs;
    for (;;) {
        const int warten = std::max(std::min(wartezeitMs, rest), 0);
        const std::optional<ino_t> vorher = InodeLesen(Lokal(ziel));
        if (Medium().sperren(d_->fd, warten) == 0) {
            d_->gesperrt = true;
            return;
        }
        rest -= warten;
        if (errno != EWOULDBLOCK || warten <= 0 || rest <= 0 || InodeLesen(Lokal(ziel)) == vorher) {
            return;
        }
    }
}

DateiSperre::~DateiSperre() {
    if (d_->fd >= 0) {
        if (d_->gesperrt) {
            ::flock(d_->fd, LOCK_UN);
        }
        ::close(d_->fd);
    }
}

bool DateiSperre::gesperrt() const {
    return d_->gesperrt;
}

QString DateiSperre::datei() const {
    return d_->datei;
}

Fehler DateiSperre::grund() const {
    const QString& sperrdatei = d_->datei;
    if (d_->fehler != 0) {
        return FehlerAusErrno(d_->fehler, sperrdatei);
    }
    return Fehler(FehlerNr::ZugriffVerweigert,
                  QStringLiteral("Die Datei »") + d_->pfad +
                      QStringLiteral("« ist von einem anderen Programm gesperrt (»") + sperrdatei +
                      QStringLiteral("«)"));
}

}  // namespace kronel
