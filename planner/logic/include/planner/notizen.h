#pragma once
// The notes window without its widgets: the sorted list of notes from the
// notes file, or of the telephone lines of one address book, with its
// selection, the search in address mode and which buttons are offered.

#include <QString>
#include <QStringList>

#include <optional>

#include "common/dateien.h"
#include "platform/fehler.h"

namespace kronel {

class NotizenListe {
public:
    // The notes file; when it has no line, the expansions of the abbreviation
    // list "Kuerzel.lst" of the program folder. The first line is selected.
    // A file there that cannot be read (a folder, no permission, a FIFO, too
    // large) leaves the list empty, unseeded: see Lesefehler().
    void Laden(const QString& dateiNotizen);
    // Why the notes file there could not be read at the last Laden, naming it.
    const std::optional<Fehler>& Lesefehler() const { return lesefehler_; }
    // What a save did: whether it wrote (or had nothing to write), and the
    // name another program's notes were kept under, empty when none were.
    struct SpeicherErgebnis {
        Status status;
        QString bewahrt;
    };
    // Rewrites the notes file with the list, except in read-only mode, in
    // address mode and when the list is empty (deleting every note never
    // empties the file). A file there that could not be read is kept: a
    // failure. Under the file's lock, as the book's save: a file another
    // program changed since it was read is kept whole beside it first, also
    // when the write then fails; with the list as it was read, such a file is
    // left as it is.
    SpeicherErgebnis Speichern(const QString& dateiNotizen, bool nurLesen);

    // Adds a note in its sorted place and selects it (the last of equal ones).
    // An empty text adds nothing.
    void Aufnehmen(const QString& text);
    // Removes the selected line and selects the one that took its place, or
    // the new last one; without a selection nothing happens.
    void Loeschen();
    // From now on the list holds the telephone lines of that book.
    void AdressbuchLaden(const QString& pfad);
    // Selects the next line after the selected one that holds the text
    // (without regard to case), going round once; the selection stays when no
    // other line holds it.
    void Suchen(const QString& text);

    const QStringList& Zeilen() const { return zeilen_; }
    qsizetype Markiert() const { return markiert_; }
    void Markieren(qsizetype index);
    QString Gewaehlt() const { return zeilen_.value(markiert_); }
    bool AdressModus() const { return adressModus_; }
    // "3/12", or "Suchtext" in address mode.
    QString Position() const;

    bool AufnehmenFrei(const QString& text) const { return !adressModus_ && !text.isEmpty(); }
    bool LoeschenFrei() const { return !adressModus_ && markiert_ >= 0; }
    bool EinfuegenFrei() const { return markiert_ >= 0; }

private:
    QStringList zeilen_;
    QStringList geladen_;  // the list as read or last written
    qsizetype markiert_ = -1;
    bool adressModus_ = false;
    std::optional<Fehler> lesefehler_;
    Dateistand stand_;
};

}  // namespace kronel
