#pragma once
// The free-time overview without its window: which appointments are announced
// on a day, and the texts around the search.

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace kronel {

// The line shown when no record covers the day.
QString FreizeitKeineTermine();

// The lines of every record whose announce window covers the day, in record
// order: "10.01.2000 (07.01.2000-11.01.2000) text". Records whose text starts
// with "@" or holds "-------" are left out, and so is a record whose window
// cannot be computed (it would reach beyond the calendar). fortschritt gets
// the number of lines found after each record.
QStringList FreizeitSuchen(const QStringList& termine, const QDate& tag,
                           const std::function<void(qsizetype)>& fortschritt = {});

// The panel during and after the search: "3 Termine für den 10.01.2000 gefunden.",
// with none "Keine Termine für den 10.01.2000 gefunden."; datum as typed.
QString FreizeitStatus(qsizetype anzahl, const QString& datum);
QString FreizeitStatusKeine(const QString& datum);

// The weekday and distance of a typed date: "Montag, heute", "Dienstag, in 1 Tag",
// "Freitag, vor 3 Tagen"; empty when the text is no date.
QString FreizeitDatumInfo(const QString& text, const QDate& heute);

// The typed date moved by days, as "dd.mm.yyyy"; no value when the text is no
// date or the day would leave the calendar.
std::optional<QString> FreizeitTagSchieben(const QString& text, int tage);

// The hand-over for Main: the valid date as "dd.mm.yyyy ?"; when the text is no
// date, the box of the search and no value.
std::optional<QString> FreizeitUebergabe(const QString& text);

}  // namespace kronel
