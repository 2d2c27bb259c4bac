#pragma once
// The output run: reads the data file once, in pieces, rolls cyclic appointments
// forward in memory, keeps those that matter for the text, sorts them by date and
// writes every message due today for this station into the output text, with the
// holiday and astronomical lines. It never writes the data file or any other file.

#include <QDate>
#include <QString>

#include "platform/zufall.h"

namespace kronel {

// What the run needs of the output window.
class AusgabeAnzeige {
public:
    virtual ~AusgabeAnzeige() = default;
    // The whole output text (CR LF line ends), the caret at its start.
    virtual void AusgabeSetzen(const QString& text) = 0;
    // Waits while window events go on.
    virtual void Warten(double sekunden) = 0;
    // Brings the window to the top of the window order.
    virtual void NachVorne() = 0;
};

enum class AusgabeEnde {
    Weiter,       // the output is in the text
    Abgebrochen,  // Abort in the run's error report: the run left early
    Beenden,      // the program ends at once, without its stop sequence
};

// The header lines of the output text ("Meldungen für ...", the date line with
// the week, 80 underscores, an empty line), each with CR LF.
QString AusgabeKopf(const QString& benutzer, const QDate& heute);

// The line of a shown appointment without its line end: "*" for today or a
// blank, the date, " (Wt): " and the message; always 18 characters in front.
QString AusgabeZeile(const QDate& datum, const QDate& heute, const QString& meldung);

// Every "°°" becomes a line break followed by 18 blanks, so that continuation
// lines stand under the first character of the message.
QString UmbruecheEinruecken(const QString& text);

class Terminausgabe {
public:
    // The generator draws the chance terms of the filters; it lives for the
    // whole program run and is seeded once.
    Terminausgabe(AusgabeAnzeige& anzeige, Zufall& zufall);

    // Counted lines of the last run: appointments, holiday and astronomical line.
    long AnzahlMeldungen = 0;
    // 1 once the run has played its tune.
    int TonGespielt = 0;
    // The output text of the last run.
    QString Text;

    // The run on the data file modul().DateiTermine for now (the clock service).
    // Missing data file and a file of a version below 4.00 are reported and end
    // the program; so does "nothing to show" under KronelAusBeiNix.
    AusgabeEnde TermineAusgeben();

private:
    AusgabeAnzeige& anzeige_;
    Zufall& zufall_;
};

}  // namespace kronel
