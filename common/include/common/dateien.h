#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "platform/fehler.h"

namespace kronel {

// True when the named file exists and can be opened for reading; false for an
// empty name, a name with "*" or "?", a folder, a FIFO, device or socket, and a
// Windows drive path.
// A relative name counts from the program folder; the last part of the name is
// found without regard to case.
bool DateiVorhanden(const QString& name);

// Keeps one backup generation of a file: folder, base name and ".BAK"
// (".../Kronel.PlD" -> ".../Kronel.BAK"). Mode 1 copies the file over the backup;
// any other mode only deletes the backup. The copy goes to a temporary file that
// is renamed over the old backup, and a missing source keeps the old backup, so
// the only backup is never lost. A failure is returned; callers may go on.
Status SicherungAnlegen(const QString& pfad, int modus);

// A part of a path: -1 the folder without its trailing "/" (empty without a
// folder), 0 the folder with it, 1 the base name (up to the first "."), 2 the
// extension (after the first "."), 3 the file name; any other code the empty text.
// A switch behind a program path starts at the first " /" and is cut off (the
// blank stays); "\" counts as "/"; words in front of a drive path "X:\" are dropped.
QString DateiTeil(const QString& pfad, int code);

// The first place where the file lies: the program folder (the programs' current
// folder), the Windows folder, the system folder, and "tools" below the Windows
// folder; the name is found without regard to case. The path comes back as it
// stands on disk (never lowered: Linux names are case-sensitive); empty when
// the file is nowhere.
QString DateiSuchen(const QString& dateiname);

// What this program last read or wrote of a file other programs write too, so
// that a save sees whether another program changed it since. The bytes are
// compared (by a SHA-256 hash), not the time stamp: two writes within one tick
// of the clock are told apart.
class Dateistand {
public:
    // The file holds these bytes now: this program read or wrote them.
    void Merken(const QByteArray& inhalt);
    // No file was there when this program looked.
    void Fehlt();
    // This program does not know what the file held (it could not read it):
    // no change is seen.
    void Vergessen();
    // The bytes in the file now when another program changed it since, nothing
    // when it is unchanged, gone or unknown; a failure when it cannot be read.
    Ergebnis<std::optional<QByteArray>> FremdeFassung(const QString& pfad) const;

private:
    enum class Art { Unbekannt, Fehlt, Inhalt };
    Art art_ = Art::Unbekannt;
    QByteArray pruefsumme_;
};

// Keeps bytes of a file beside it as "<pfad>.<yyyymmdd-hhmmss>" (by the clock
// now), or with "-2", "-3" ... behind when the name is taken: never over an
// existing file. The name kept under.
Ergebnis<QString> FassungBewahren(const QString& pfad, const QByteArray& inhalt);

// Replaces a file other programs write too (the book, the notes) under its
// lock (DateiSperre), waiting a few seconds for another program's write: the
// version another program saved since this one read or wrote the file (stand)
// is kept beside it first and its name appended to bewahrt, then davor runs
// (a backup), then inhalt is written (through tempPfad when one is given).
// Nothing here shows a box, which would hold the other program at its lock:
// the lock is free again when this returns, and the caller tells the user.
Status GemeinsamSchreiben(const QString& pfad, const QByteArray& inhalt, Dateistand& stand,
                          QStringList& bewahrt, const QString& tempPfad = {},
                          const std::function<void()>& davor = {});

// The note that a save found its file changed by another program and kept
// that version under ziel; geschrieben says whether its own write followed.
QString FremdeFassungText(const QString& pfad, const QString& ziel, bool geschrieben);

}  // namespace kronel
