#pragma once
// The reminder's day list: which records of its copy of the data file are
// candidates for a day, ordered by the time written at the start of their
// message, and when a candidate comes due.

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace kronel {

// The time at the start of a text as a key of four digits: hours * 100 plus
// minutes * 100 / 60, rounded ("08:30" -> "0850"). Only the digits among the
// first five characters count, an hour needs two of them. "----" when the text
// begins with no time; a key is valid only as a number from 0 to 2399.
QString ZeitSchluessel(const QString& text);

// How the reminder treats a data file by the version in its header.
enum class Leseart {
    Lesen,      // every line after the header is a record
    AlteDaten,  // data of a far older version: the planner must convert it first
    Nichts,     // a version that holds nothing for the reminder
};
Leseart LeseartVon(long long versionsZehntel);

struct Erinnerungsdatei {
    Leseart art = Leseart::Lesen;
    QStringList termine;
};
// The records of the data file as the reminder takes them: the first line is
// always the header, every further line a record as it stands (blank lines
// are no records).
Erinnerungsdatei ErinnerungsdateiLesen(const QByteArray& inhalt);

// The candidate line of a record: key, blank, "dd.mm.yyyy (Wt)", "*" when the
// record's date is heute (":" otherwise), blank and the message as stored.
QString Kandidatenzeile(const QString& termin, const QDate& heute);

// The candidates for the day d, sorted as the day list is: records whose message
// begins with a valid time and whose announce window covers d (with mitBereich
// false only records dated d), without messages that begin with "@" or hold
// "-------". heute decides the mark of each line.
QStringList Kandidaten(const QStringList& termine, const QDate& d, bool mitBereich,
                       const QDate& heute);

// The due window around now: keys from unten to oben (both included). It stops
// at midnight: oben is "2399" when now plus the early minutes passes it, unten
// "0000" when now minus the late minutes falls before it.
struct Zeitfenster {
    QString unten;
    QString oben;
};
Zeitfenster FaelligkeitsFenster(const QDateTime& jetzt, int frueher, int spaeter);

// Moves the due candidates out of the day list: the entries for the visible
// list (without their key and blank), in the order of the day list.
QStringList FaelligeEntnehmen(QStringList& heute, const Zeitfenster& fenster);

// The warning minutes as the scroll bars take them: 1 to 300.
int WarnMinuten(double wert);
// "  9 Min früher" (index 0) and "  2 Min später" (index 1).
QString WarnText(int index, int minuten);

// The window caption: "Kronel Online hh:mm, n Meldung(en)" or
// "Kronel Online - keine Meldungen".
QString ErinnerungsTitel(qsizetype faellig, const QDateTime& jetzt);
// The status text by the candidates left: "Keine Termine mehr.", "Noch 1 Termin.",
// "Noch n Termine.".
QString RestText(qsizetype rest);
// A visible entry as a box text: the date part with its mark, then the message
// on a line of its own.
QString EintragZweizeilig(const QString& eintrag);

}  // namespace kronel
