#pragma once
// The month-sheet date picker without its window: the texts of its status bar,
// where its six switches and its keys take the calendar, and the years it
// allows.

#include <QDate>
#include <QString>

#include <optional>

namespace kronel {

// The caption of befSwitch(1) while no field date was given; the switch is
// hidden then.
QString MonatsblattPlatzhalter();

// The panels "Datum", "KW", "vor" and "Feiertag" for the day shown.
struct MonatsblattPanels {
    QString Datum;     // " 01.03.2026 "
    QString KW;        // " 12. Woche "
    QString vor;       // " in 1.234 Tagen ", " vor 1 Tag "
    QString Feiertag;  // the holiday name, or empty
    bool operator==(const MonatsblattPanels&) const = default;
};
MonatsblattPanels MonatsblattPanelsBilden(const QDate& gezeigt, const QDate& heute);

// The switches befSwitch(0) to (5): today, the field date on switch 1, a month
// back and on, a year back and on. Nothing for another index or a field date
// that is no date (the calendar stays where it is).
std::optional<QDate> MonatsblattSchalter(int index, const QDate& gezeigt, const QDate& heute,
                                         const QString& feldDatum);

// The keys of the calendar: Page Up/Down a month, Home the 1st (with Ctrl
// today), End the 30th or the month's last day when it is shorter. Nothing for
// any other key or shift state; the calendar then handles the key itself.
std::optional<QDate> MonatsblattTaste(int taste, bool strg, bool andere, const QDate& gezeigt,
                                      const QDate& heute);

// The shown year held within 1900..2100, month and day kept (29.02. becomes
// 28.02. in a year without it).
QDate MonatsblattJahrHalten(const QDate& d);

}  // namespace kronel
