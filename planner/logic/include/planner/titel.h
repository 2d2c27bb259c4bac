#pragma once
// The rules of the planner's title screen: the picture of the season, whether
// the title is skipped, and the course of its ticks.

#include <QDate>
#include <QString>

#include <optional>

namespace kronel {

// The seasonal pictures, by their index in the title.
enum class Jahresbild {
    Weihnachtsbaum = 0,
    Strumpf = 1,
    Baum = 2,
    Sonne = 3,
    Schirm = 4,
    Schneemann = 5,
    Kerze = 6,
    Sekt = 7,
};
// The picture of a day; none on most days.
std::optional<Jahresbild> JahresbildVon(const QDate& tag);

// TitelAus is 1, or the system has been up for less than 40 seconds: both
// ticks run at once and the title is not seen.
bool TitelUeberspringen();

// "Lade Programm Version 32-Bit 8.01.0090".
QString TitelLadezeile(const QString& versionText);

// The ticks of the title's timer: while Ctrl is held the title shows the usage
// statistics and starts again; the first counted tick shows the main window,
// the second unloads the title.
class TitelAblauf {
public:
    enum class Schritt { Nichts, Statistik, MainZeigen, Entladen };
    Schritt Tick();
    int Zaehler() const { return zaehler_; }

private:
    int zaehler_ = 0;
};

}  // namespace kronel
