#pragma once
// Fields in braces inside appointment texts, filled in for the day the text is
// shown: {Diff:date}, {DiffWt:date}, {DiffAt:date}, {DiffTa:date},
// {DiffJa:date}, {ZyklusZähler:n}, {m}, {mt}, {j}, {test} and the
// abbreviations of "Kuerzel.lst" (lines of a name, a TAB and its text) in the
// program folder; then, when the setting Berechnungen is on, the calculations
// in square brackets. The stored text is never changed.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace kronel {

// Expands many texts in a row (a list, a printout, the output program): the
// setting Berechnungen and the abbreviation list are read once, at their first
// use, not for every text.
class TextFelderStapel {
public:
    // datum: the day the text is shown for; terminDatum: the appointment's own
    // date as "dd.mm.yyyy", taken by a date field without a valid date.
    QString ersetzen(const QString& text, const QDate& datum, const QString& terminDatum);
    // The same with the day as text: a text that is no date gives
    // "<datum> ist kein gültiges Datum!".
    QString ersetzen(const QString& text, const QString& datum, const QString& terminDatum);

private:
    enum class Kuerzel { Gefunden, Fehlt, Abbruch };
    Kuerzel kuerzelSuchen(const QString& name, QString& ersatz);
    QString datumsFeld(const QString& name, qsizetype feldPos, const QString& text,
                       const QDate& datum, const QString& terminDatum) const;

    std::optional<bool> berechnungen_;
    std::optional<QStringList> kuerzel_;
};

// Whether the text holds built-in fields alone (dates other than working days,
// month, year, counter, test) and no calculation. For an appointment with a
// valid date its expansion then reads no file and reports nothing, so a caller
// that does not show the text may leave the expansion out.
bool NurEingebauteFelder(QStringView text);

// One text: TextFelderStapel().ersetzen(text, datum, terminDatum).
QString TextFelderErsetzen(const QString& text, const QString& datum, const QString& terminDatum);

}  // namespace kronel
