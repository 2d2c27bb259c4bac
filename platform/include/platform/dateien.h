#pragma once
// Whole-file rewrites are atomic (temporary file, flush, rename); appends are one
// write each; files shared by the programs are changed under an advisory lock.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

#include "platform/fehler.h"

namespace kronel {

// Files are read only when they are regular files (or links to one): a FIFO,
// a device or a socket in the place of a data file would block the opening, or
// the reading would never end. They are opened without blocking and refused by
// name ("... ist keine gewöhnliche Datei"); so is a folder. A file of more than
// kLeseGrenze bytes (far beyond any book of the programs) is refused by name too.
inline constexpr qint64 kLeseGrenze = qint64{256} * 1024 * 1024;

// Why a file is not read at all: a folder, a FIFO, device or socket, or more
// than kLeseGrenze bytes. Ok for a regular file, and for a name where nothing
// is (its reading says that).
Status LesbarkeitPruefen(const QString& pfad);

Ergebnis<QByteArray> DateiLesen(const QString& pfad);
// At most n bytes from the start of a file, opened as DateiLesen opens it (the
// size does not count): a header, or with n 0 whether the file can be read.
Ergebnis<QByteArray> DateiAnfangLesen(const QString& pfad, qsizetype n);
// Reads a file in pieces through one buffer, each piece handed to je as it
// comes: for a reader that takes the bytes in order and keeps little of them,
// so the whole file never stands in memory.
Status DateiStueckweiseLesen(const QString& pfad, const std::function<void(QByteArrayView)>& je);
// Writes the whole file through a temporary file in the same folder. On any
// failure the old file stays as it was. A file without write permission bits is
// refused (70), as the system refuses to write a read-only file; a folder, FIFO,
// device or socket in its place is refused and stays. A symbolic link
// stays a link: its target is written, through a temporary file beside the
// target. Temporary files of this file left by a process that no longer runs
// (<file>.tmp-<pid>-<n>, a killed save) are removed first.
Status DateiAtomarSchreiben(const QString& pfad, const QByteArray& inhalt,
                            const QString& tempPfad = {});
// Writes a new file whole, as DateiAtomarSchreiben does, but never over an
// existing one: an existing name, or one made while the file was written, fails
// (58, file already exists) and leaves that file as it is. A symbolic link at
// the name takes it too, also one to nothing: the file is never made where a
// link points.
Status DateiNeuSchreiben(const QString& pfad, const QByteArray& inhalt);
// Appends whole or not at all: a write that fails (a full disk) cuts the file
// back to its old length. Only to a regular file (a missing one is made). A file whose last line
// has no line end gets CR LF (or the LF of a lone CR) before the new bytes.
Status DateiAnhaengen(const QString& pfad, const QByteArray& inhalt);
// The file a path names after every symbolic link is followed (also a link to
// a file not there yet); the path itself when it is no link.
QString VerknuepfungsZiel(const QString& pfad);
// Renames a file, but never over an existing one: when neu exists, both stay
// as they are and the call fails (58, file already exists).
Status DateiUmbenennenOhneErsetzen(const QString& alt, const QString& neu);
// Deletes a file; a file that is not there counts as deleted.
Status DateiLoeschen(const QString& pfad);
// "Read-only" means: no write permission bits (root passes every access test).
bool DateiSchreibgeschuetzt(const QString& pfad);
// Whether this user may make files in a folder: it has write permission bits
// and the system lets this process write there (a folder of another user, a
// read-only file system). root may write every folder that has the bits.
bool OrdnerBeschreibbar(const QString& ordner);

// The system calls through which files are written, flushed, renamed and locked. Tests
// install one that fails on purpose (a full disk, a device gone during the flush,
// a rename refused) to see the old file survive. Each returns as the system call
// does and sets errno on failure.
class Datentraeger {
public:
    virtual ~Datentraeger() = default;
    virtual qint64 schreiben(int fd, const char* daten, qint64 laenge);  // write(2)
    virtual int sichern(int fd);                                         // fsync(2)
    virtual int umbenennen(const char* alt, const char* neu);            // rename(2)
    // flock(2) for an exclusive lock, tried again until wartezeitMs have passed.
    virtual int sperren(int fd, int wartezeitMs);
};
// Installs a device (nullptr: the system's) and returns the one before.
Datentraeger* DatentraegerSetzen(Datentraeger* d);

// Advisory lock on a file shared by the programs: a lock file beside it, or
// beside its target when it is a symbolic link, so that programs reaching one
// shared file through different links exclude each other. A lock another
// program holds is waited for wartezeitMs; while others keep replacing the
// file (taking turns at it), again, but hoechstensMs in all.
class DateiSperre {
public:
    explicit DateiSperre(const QString& pfad, int wartezeitMs = 10000, int hoechstensMs = 10000);
    ~DateiSperre();
    DateiSperre(const DateiSperre&) = delete;
    DateiSperre& operator=(const DateiSperre&) = delete;
    bool gesperrt() const;
    // The lock file.
    QString datei() const;
    // Why the lock was not had: the lock file cannot be made (a missing or
    // read-only folder), or another process holds it; both name the file.
    Fehler grund() const;

private:
    struct Daten;
    std::unique_ptr<Daten> d_;
};

}  // namespace kronel
