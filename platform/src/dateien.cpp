#include "platform/dateien.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
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

// Opens a file for reading, never a folder: its size, or the failure.
Ergebnis<qsizetype> ZumLesenOeffnen(const QString& pfad, Deskriptor& d) {
    d.fd = ::open(Lokal(pfad).constData(), O_RDONLY | O_CLOEXEC);
    if (d.fd < 0) {
        return FehlerAusErrno(errno, pfad);
    }
    struct stat st {};
    if (::fstat(d.fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        return Fehler(FehlerNr::PfadDateiZugriff, {});
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

Ergebnis<QByteArray> DateiLesen(const QString& pfad) {
    Deskriptor d;
    const auto groesse = ZumLesenOeffnen(pfad, d);
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
    }
    inhalt.truncate(gelesen);
    return inhalt;
}

Status DateiStueckweiseLesen(const QString& pfad, const std::function<void(QByteArrayView)>& je) {
    Deskriptor d;
    if (const auto offen = ZumLesenOeffnen(pfad, d); !offen) {
        return offen.fehler();
    }
    char puffer[65536];
    for (;;) {
        const auto n = Lesen(d.fd, puffer, sizeof puffer, pfad);
        if (!n) {
            return n.fehler();
        }
        if (*n == 0) {
            return {};
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

Status DateiAtomarSchreiben(const QString& pfad, const QByteArray& inhalt,
                            const QString& tempPfad) {
    static std::atomic<unsigned> zaehler{0};
    struct stat alt {};
    const bool vorhanden = ::stat(Lokal(pfad).constData(), &alt) == 0;
    if (vorhanden && S_ISDIR(alt.st_mode)) {
        return Fehler(FehlerNr::PfadDateiZugriff, {});
    }
    if (vorhanden && (alt.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return Fehler(FehlerNr::ZugriffVerweigert, {});
    }
    const QString temp =
        tempPfad.isEmpty()
            ? QStringLiteral("%1.tmp-%2-%3").arg(pfad).arg(::getpid()).arg(zaehler.fetch_add(1))
            : tempPfad;
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
    if (Medium().umbenennen(tempLokal.constData(), Lokal(pfad).constData()) != 0) {
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

Status DateiAnhaengen(const QString& pfad, const QByteArray& inhalt) {
    Deskriptor d{::open(Lokal(pfad).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666)};
    if (d.fd < 0) {
        return FehlerAusErrno(errno, pfad);
    }
    if (Status s = AllesSchreiben(d.fd, inhalt, pfad); !s) {
        return s;
    }
    if (::close(d.fd) != 0) {
        d.fd = -1;
        return FehlerAusErrno(errno, pfad);
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

struct DateiSperre::Daten {
    int fd = -1;
    bool gesperrt = false;
};

DateiSperre::DateiSperre(const QString& pfad, int wartezeitMs) : d_(std::make_unique<Daten>()) {
    const QByteArray name = Lokal(pfad + QStringLiteral(".lock"));
    d_->fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (d_->fd < 0) {
        return;
    }
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(wartezeitMs);
    for (;;) {
        if (::flock(d_->fd, LOCK_EX | LOCK_NB) == 0) {
            d_->gesperrt = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return;
        }
        if (std::chrono::steady_clock::now() >= ende) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
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

}  // namespace kronel
