#pragma once
// The rules of the main window that need no widget: texts of the status panels
// and labels, the command-line words, the choice lists, the date check, the
// period code of a calendar pick, the list's look in the settings and the
// layout of the window. The window only shows what these give.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

#include "platform/oberflaeche.h"

namespace kronel {

// The jump text after the first "gehezu:" (any case) of the command line: at
// most 15 characters in their own case, blanks cut; empty without the word.
QString GeheZuTextAus(const QString& befehlszeile);
// The command line holds "/autoprint" in any case.
bool IstAutoprint(const QString& befehlszeile);

// The four choice lists of the editor fields, in the order they are filled.
enum class Auswahl { VonBis, Zyklen, Filter, Adress };
QString AuswahlSchluessel(Auswahl a);
QString AuswahlVorgabe(Auswahl a);
// Reads the key, writes it back at once (the text the write stored is used; the
// value read when the write fails) and splits it at "|": at most 50 choices.
QStringList AuswahlLesen(Auswahl a);

// Panel "Position": " Termin 3 von 12 ".
QString PositionText(qsizetype index, qsizetype anzahl);

// The editor fields, in the order of their prompts.
enum class Feld { STDatum, SKVon, SKBis, SKFilter, SKZyklus, SKAdresse, STMeldung };
// The prompt a field shows in the panel "Status" while it has the focus.
QString FeldHinweis(Feld f);
// The prompts of all fields: the status bar is made tall enough for each.
QStringList FeldHinweise();

// The labels that describe the current appointment.
struct TerminBeschriftung {
    QString bezeichnung0;  // "Am Mittwoch"
    QString SBVon;         // first day of the announce window
    QString bezeichnung1;  // "melden ab Mo"
    QString SBBis;         // last day
    QString bezeichnung2;  // "melden bis Fr"
    QString BezIn;         // "in 3 Tagen", CR, "50. Woche"
};
// The labels for the field texts as they stand. A part that cannot be
// computed (no date in STDatum) keeps its text from vorher; the distance then
// counts as 0 ("heute") and the week as 0. Never shows a message.
TerminBeschriftung BeschriftungBerechnen(const QString& datum, const QString& von,
                                         const QString& bis, const QDate& heute,
                                         const TerminBeschriftung& vorher);

// The date check when STDatum is left: a date becomes "dd.mm.yyyy"; any other
// text becomes today and carries the message to show.
struct DatumPruefung {
    QString text;
    bool gueltig = false;
    QString meldung;  // empty when gueltig
};
DatumPruefung DatumPruefen(const QString& text, const QDate& heute);

// The period code of a calendar pick d days away from the appointment (the
// sign is ignored): days up to 999, then weeks, months, years, at most "999J".
QString PeriodeAusTagen(long long d);

// Font and colours of the appointment list as stored in the settings. Colours
// are 0x00BBGGRR numbers; system colours (0x800000nn) are negative.
struct ListenAussehen {
    SchriftWerte schrift;
    qint32 vordergrund = 0;
    qint32 hintergrund = 0;
    bool operator==(const ListenAussehen&) const = default;
};
// The list's look as the design has it: Courier New 12, window text on window.
ListenAussehen ListenAussehenStandard();
// Reads SchriftName ... SchriftHintergrundFarbe, each with the current value as
// its default; a value that cannot be used leaves that property as it is.
ListenAussehen ListenAussehenLesen(const ListenAussehen& aktuell);
void ListenAussehenSchreiben(const ListenAussehen& a);

// The tool tip of the print key by Lieblingsausdruck.
QString DruckenTooltip();
// Lieblingsausdruck is 0: the favourite printout is the list, else the sheet.
bool ListeIstLieblingsausdruck();

// The layout of Main in twips. Positions of the list and the message field are
// design values and stay; the frame's top and the sizes follow the window.
struct Rechteck {
    double links = 0;
    double oben = 0;
    double weite = 0;
    double hoehe = 0;
};
struct Anordnung {
    FensterMasse fenster;       // the whole window, borders included
    double clientHoehe = 0;     // below the menu bar, toolbar and status bar included
    Rechteck liste;             // ListeAnzeige
    Rechteck rahmen;            // Rahmen
    Rechteck meldung;           // STMeldung, inside Rahmen
    double statusleiste = 350;  // the status bar's height; the frame ends above it
};
// The design layout of the window (client 9255 x 6600).
Anordnung DesignAnordnung();
// The resize rule: keeps the window on the screen and fits list, frame and
// message field. A maximized window is left as it is.
Anordnung AnordnungBerechnen(const Anordnung& jetzt, double bildschirmWeite, double bildschirmHoehe,
                             bool maximiert);

}  // namespace kronel
