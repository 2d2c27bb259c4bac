#pragma once
// The data folder and the paths of the data files, the date keys of the records
// and the shift of a date by a period code ("3T", "-1M", "2w ").

#include <QDate>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace kronel {

// Reads DirData ("{appdir}" stands for the program folder), writes it back, and
// sets modul().DatenVerzeichnis, DateiTermine, DateiAltes and DateiNotizen. A data
// folder without files brings up "Kein Daten-Ordner" (the paths are set all the
// same), with the reason when the folder cannot be read or made. Files of older
// versions ("Kronel.Dat", "Notizen.Txt") are renamed to the new names, but never
// over an existing file.
// DirData "{appdir}" (or none) on a program folder this user cannot write and
// that holds no book (a copy installed for everyone) means the user's own folder
// (EigenerDatenOrdner): it is made with a book of only its header where there
// is none, and DirData then holds its full path.
void DatenPfadeSetzen();

// "dd.mm.yyyy" (also d.m.yyyy and the other forms DatumLesen reads) -> "yyyymmdd".
// A text that is not a date gives the empty text, never a key of another length.
QString DatumZuSchluessel(const QString& datum);
// The first eight characters "yyyymmdd" -> "dd.mm.yyyy"; a whole record may be
// passed. Taken by position: a malformed key gives a malformed text.
QString SchluesselZuDatum(const QString& schluessel);
// The date of a key, parsed by hand (the hot loops call this); no value when
// the first eight characters are no valid date.
std::optional<QDate> SchluesselLesen(const QString& schluessel);
// A date as its key "yyyymmdd".
QString SchluesselAusDatum(const QDate& d);

// A period code read: the count, rounded to whole units (halves to even), and the
// unit letter in lower case ('t', 'w', 'm', 'q', 'j'), or 0 for "no period".
struct Periode {
    long long anzahl = 0;
    char einheit = 0;
};
// The count is the number at the start (blanks, a sign, digits, a point and
// decimals; no number counts 0); the unit is the last character after trailing
// blanks. "-", an empty code and an unknown letter give the unit 0.
Periode PeriodeLesen(const QString& code);
// The few period codes of a book, each read once: the loops over every record
// look a fixed field ("3T  ", "-   ") up instead of reading it again.
class Periodenspeicher {
public:
    // zurueck: the code counts back from the date, as if "-" stood in front of
    // it (the start of an announce window).
    Periode lesen(QStringView feld, bool zurueck = false);

private:
    struct Platz {
        quint64 wort = 0;
        Periode periode;
        bool belegt = false;
    };
    // A small table: a book has few different codes, so each is read about once.
    std::array<std::array<Platz, 64>, 2> plaetze_{};
};

// True when the last letter of the code (after trailing blanks) is one of
// "jqmwt" in either case: a repeat cycle is set.
bool PeriodeAktiv(const QString& code);

// DatumVerschieben(code, datum): the date text shifted by the period code, as
// "dd.mm.yyyy". A "-" in front of the code counts back. Month, quarter and year
// shifts keep the day, or take the last day of a shorter month. An unknown unit
// or a count of 0 gives the date unchanged (as "dd.mm.yyyy").
// Fails -- the empty text -- when the date text is no date or the result lies
// outside the years 100 to 9999; the caller then skips its statement.
QString DatumVerschieben(const QString& code, const QString& datum);
// The same on a date: no value on failure.
std::optional<QDate> DatumVerschieben(const Periode& periode, const QDate& datum);

}  // namespace kronel
