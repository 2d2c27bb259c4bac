#pragma once
// The appointment list printout without its window: the options and their
// settings, the print list built from the main list's records, the preview
// text and the run of copies and pages on the printer surface.

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

#include "platform/oberflaeche.h"

namespace kronel {

// The options as the window's controls hold them.
struct DruckListenOptionen {
    QString TDruckenAb;   // first day, "dd.mm.yyyy"
    QString BDruckenBis;  // last day
    QString KDruckenBis = QStringLiteral("3W");
    int TDruckenMaxSeiten = 1;   // pages per copy, 1..5
    int TDruckenAnzahl = 1;      // copies, 1..20
    int TDruckenRandLinks = 10;  // left margin in mm, 0..20
    int TDruckenLeerzeilen = 1;  // note-line pairs per day, 0..5
    bool ODruckenAlleTage = true;
};

// The stored options, the first day today and the last day from the span. A
// stored value the control cannot hold ("abc" copies, 21 copies) takes the
// key's default without a message, so an unattended printout never waits.
DruckListenOptionen DruckOptionenLesen(const QDate& heute);
// The six keys as every list build writes them: numbers with a leading blank.
void DruckOptionenSchreiben(const DruckListenOptionen& o);
// The last day: the first one shifted by the span's period code (an unknown code
// leaves the first day).
QString DruckenBisBerechnen(const QString& ab, const QString& code);
// The code for a picked last day: the days from the first one and "T".
QString DruckenBisCode(const QString& ab, const QDate& bis);

// The records of the main list grouped by their own date, in list order;
// built once per printout, so that each build walks only the days it prints.
class DruckTermine {
public:
    explicit DruckTermine(QStringList termine);
    const QStringList& termine() const { return termine_; }
    // Indices of the records of days from..to, ordered by date and list order.
    using Bereich = std::pair<std::vector<std::pair<QDate, qsizetype>>::const_iterator,
                              std::vector<std::pair<QDate, qsizetype>>::const_iterator>;
    Bereich tage(const QDate& von, const QDate& bis) const;

private:
    QStringList termine_;
    std::vector<std::pair<QDate, qsizetype>> nachDatum_;
};

// "05.07.1998 (So) ": the prefix of a day's lines; its first 15 characters name the day.
QString TagesPraefix(const QDate& tag);
// The print list: per day its appointment lines (a text split at "°°"), note-line
// pairs and an empty-day line as the options ask, then a separator of 99 blanks.
// Stops after the last day or after the day on which the list passed 201 lines;
// lines cut to 99 characters; a repeated date blanked.
QStringList DruckListeAufbauen(const DruckTermine& termine, const DruckListenOptionen& o);
// The preview: each line cut to 250 characters and ended by CR LF, at most
// 30000 characters in all.
QString DruckVorschauText(const QStringList& liste);
// Font of the preview: the main list's, at most 9 points.
SchriftWerte VorschauSchrift(SchriftWerte s);

// What the window does while the printout runs.
struct DruckRueckmeldung {
    // The progress text "Kopie: 2, Seite: 1" when it changes.
    std::function<void(const QString&)> fortschritt;
    // Lets pending window messages be handled.
    std::function<void()> ereignisse;
};

// Prints the copies: each from a list of its own, in the main list's font, at
// most TDruckenMaxSeiten pages, every page one document. A line wider than the
// printable width goes on in further rows under its text, a note rule ends there;
// a day going on over a page break shows its date again. A failure is reported
// ("Es ist ein Fehler aufgetreten."): Retry repeats the step, Ignore goes on,
// Abort throws the open document away and gives false. After all copies
// AutoPrintZuletzt is today.
bool DruckListeDrucken(const DruckTermine& termine, const DruckListenOptionen& o,
                       const SchriftWerte& schrift, const DruckRueckmeldung& rueck);

}  // namespace kronel
