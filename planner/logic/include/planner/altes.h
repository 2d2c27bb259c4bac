#pragma once
// The archive viewer without its window: reading Kronel.Old under a filter into
// the listed lines, the panels of a selected line, its preview, the hand-back
// check and the delete of a line from the archive.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

namespace kronel {

// The listed form of one stored archive line. Lines written by old DOS programs
// carry their umlauts in the DOS code page; they are repaired, but only where
// the line was read as Windows-1252 and holds none of our own umlauts, so "„",
// "™" or "Málaga" in text of this system stay as they are.
QString ArchivzeileAnzeigen(const QByteArray& gespeichert);

// At most this many lines are listed: the newest in file order.
inline constexpr qsizetype ArchivHoechstzahl = 30000;

// Reads the archive: every line that holds the filter (without regard to case,
// an empty filter passes all) and is not blank, a line equal to the one passed
// before it left out, the last ArchivHoechstzahl of them; then ordered by date
// (stable, German comparison of year, month, day and text), equal neighbours
// listed once. A missing file gives no line. A failure of the read is reported
// ("Es ist ein Fehler beim Lesen der alten Termine aufgetreten."): Abort keeps
// what was read, Retry reads again.
QStringList ArchivLesen(const QString& pfad, const QString& filter);

// The date sort of the listed lines alone.
void ArchivNachDatumOrdnen(QStringList& zeilen);

// The panel "Status" of a selected line: "Vor 3 Tagen", "In 2 Tagen"; empty
// when the line starts with no date.
QString ArchivAlter(const QString& zeile, const QDate& heute);
// The panel "Position": "abgelaufener Termin 5 von 120".
QString ArchivPosition(qsizetype index, qsizetype anzahl);

// Removes every stored line whose listed form equals zeile, under the archive's
// lock and by an atomic rewrite; lines the reminder appends meanwhile wait for
// the lock and are kept. A failure is reported ("Es ist ein Fehler beim Löschen
// des alten Termins aufgetreten."), Retry tries again; otherwise the archive
// stays as it was. False when it was not rewritten.
bool ArchivzeileLoeschen(const QString& pfad, const QString& zeile);

// The expanded text of a line under the title "Kronel-Terminvorschau <date>",
// in an information box. The text starts at textAb (1-based) of the line.
void TerminVorschauZeigen(const QString& zeile, qsizetype textAb);

// A line handed back to Main must start with a valid date, or Main would date
// the new record today: otherwise the exclamation sound and the box
// "»…« ist kein gültiges Datum." under the title, and false.
bool UebergabeDatumPruefen(const QString& datum, const QString& titel);

}  // namespace kronel
