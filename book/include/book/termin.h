#pragma once
// The appointment record: one line of fixed columns, the same in memory, in the
// data file and in exchange files. Columns count from 1, as the file format does.

#include <QString>
#include <QStringView>

namespace kronel {

namespace Spalte {
inline constexpr qsizetype Datum = 1, Von = 9, Bis = 13, Filter = 17, Zyklus = 27, Adresse = 31,
                           Meldung = 38;
}
namespace Breite {
inline constexpr qsizetype Datum = 8, Von = 4, Bis = 4, Filter = 10, Zyklus = 4, Adresse = 7;
}
// Every field before the message.
inline constexpr qsizetype FesteFelderLaenge = 37;

// The fixed fields after the date key.
enum class Festfeld { Von, Bis, Filter, Zyklus, Adresse };

// A fixed field as its columns hold it, blanks and all; shorter or empty where
// the record ends early.
inline QStringView FeldVon(QStringView termin, Festfeld feld) {
    constexpr qsizetype spalte[] = {Spalte::Von, Spalte::Bis, Spalte::Filter, Spalte::Zyklus,
                                    Spalte::Adresse};
    constexpr qsizetype breite[] = {Breite::Von, Breite::Bis, Breite::Filter, Breite::Zyklus,
                                    Breite::Adresse};
    const auto i = static_cast<size_t>(feld);
    return termin.mid(spalte[i] - 1, breite[i]);
}
// The field without its trailing blanks, as the edit fields show it.
QString FeldText(QStringView termin, Festfeld feld);
// New and copied appointments are refused beyond this count; loading takes any number.
inline constexpr qsizetype TermineHoechstzahl = 30000;

// The record of an empty book: 31.12.1999, all stations, "Silvester".
QString Standardtermin();
// Its line as the check adds it: no weekday.
QString StandardAnzeigezeile();

// The edit fields under the list, as the main window holds them.
struct TerminFelder {
    QString STDatum;  // "dd.mm.yyyy"
    QString SKVon;
    QString SKBis;
    QString SKFilter;
    QString SKZyklus;
    QString SKAdresse;
    QString STMeldung;  // line breaks as CR LF
};

bool operator==(const TerminFelder& a, const TerminFelder& b);

// The single fields of the composition.
QString PeriodeAusEingabe(const QString& text);  // Von, Bis, Zyklus
QString FilterAusEingabe(const QString& text);
QString AdresseAusEingabe(const QString& text);
QString MeldungAusEingabe(const QString& text);

// Composes the record from the fields. A date text that is not a date never
// reaches the record: then datumErsatz (a key) is taken.
QString TerminZusammensetzen(const TerminFelder& felder, const QString& datumErsatz);
// The fields of a record, "°°" as CR LF, fixed fields without trailing blanks.
TerminFelder TerminZerlegen(const QString& termin);

// "dd.mm.yyyy Wt: Meldung".
QString Anzeigezeile(const QString& termin);
// Whether zeile is the display line of termin, without building it.
bool IstAnzeigezeile(QStringView zeile, const QString& termin);
// "dd.mm.yyyy Meldung": the line form of the archive.
QString Archivzeile(const QString& termin);
// The message of a record, from column 38.
QStringView MeldungVon(const QString& termin);

}  // namespace kronel
