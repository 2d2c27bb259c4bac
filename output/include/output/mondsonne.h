#pragma once
// The moon of the day and the sun times of the user's place: small closed-form
// approximations from the clock alone, no table or file. The window draws and
// shows what these compute.

#include <QDate>
#include <QDateTime>
#include <QLineF>
#include <QString>

#include <vector>

namespace kronel {

struct Mondstand {
    double alter = 0;  // days since the last new moon
    int p = 0;         // part of the cycle in percent, 0 to 100
    QString text;      // "Mondalter: 14,77 Tage~Vollmond, zunehmend~" ("~" breaks lines)
};

// The moon at a local clock reading. The whole minutes since the reference new
// moon count as the two clock readings stand, without summer-time arithmetic.
Mondstand MondBerechnen(const QDateTime& jetzt);

// The shading of the disc for the phase p: 158 horizontal lines from the bottom
// of the disc to its top, in the picture's own units.
std::vector<QLineF> MondSchattenLinien(int p, double breite, double hoehe);

// Summer time by whole switch days: from the last Sunday of March up to the day
// before the last Sunday of October (of September before 1996); never before
// 1980. An invalid date is no summer time.
bool IstSommerzeit(const QDate& datum);

// Decimal hours as a clock text; mode 20 rounds the minutes to tens.
QString StundenAlsUhrzeit(double stunden, int modus);

// A degrees.minutes[seconds] text as read with Val, as decimal degrees; a
// negative value keeps its sign.
double GradAusText(const QString& text);

// The three lines of the sun (rise, set, transit), separated by CR, with ", MEZ"
// or ", MESZ" behind the last unless mesz is off. Empty where the sun does not
// rise or set that day (polar day or night) or a value is no finite number.
QString SonnenText(const QDateTime& jetzt, const QString& nordBreite, const QString& ostLaenge,
                   bool mesz);

}  // namespace kronel
