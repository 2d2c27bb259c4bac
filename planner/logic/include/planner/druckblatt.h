#pragma once
// The month calendar sheets without their window: the options and their
// settings, the texts of a day and the print run on the printer surface.

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>

#include "platform/oberflaeche.h"

namespace kronel {

// The options as the window's controls hold them.
struct BlattOptionen {
    QString TDruckenAb;  // the first of the first month, "01.mm.yyyy"
    int LaufAnzMon = 1;  // months, 1..12
    int TDruckenAnzahl = 1;
    QString kombiAdresse = QStringLiteral("Alle");
    bool strgNoData = false;
    bool strgPrnSW = true;
    bool strgPrnQuer = true;
    int GroesseDatum = 9;  // points of date and week labels, 3..12
    int GroesseText = 7;   // points of the cell texts, 3..12
};

// The stored options, starting at the current month. A stored size the list
// cannot hold is 5, any other value the window cannot hold the key's default;
// nothing asks, so an unattended printout never waits.
BlattOptionen BlattOptionenLesen(const QDate& heute);
// Stored by "&Abbrechen" and by every completed run.
void BlattOptionenSchreiben(const BlattOptionen& o);

// The appointment texts of a day for one station, from a date index built once
// per run: "* text" lines in German order, each ended by CR LF, "°°" as a line break.
class TagesTexte {
public:
    TagesTexte(const QStringList& termine, const QString& station);
    QString holen(const QDate& tag) const;

private:
    QStringList termine_;
    std::multimap<QDate, qsizetype> nachDatum_;
};

struct BlattRueckmeldung {
    std::function<void(int)> fortschritt;  // 0..100 over all cells of the run
    std::function<void()> ereignisse;
};

// Prints the sheets: month 1 copy 1, month 1 copy 2, ..., each its own document,
// in the main list's font. A failure is reported ("Es ist ein Fehler beim Drucken
// aufgetreten."): Retry repeats the step, Ignore goes on, Abort throws the open
// document away, puts the orientation back and gives false. A completed run moves
// TDruckenAb one month on per month printed, sets LaufAnzMon back to 1, puts the
// orientation back and writes AutoPrintZuletzt.
bool BlattDrucken(const QStringList& termine, BlattOptionen& o, const SchriftWerte& schrift,
                  const BlattRueckmeldung& rueck);

}  // namespace kronel
