#pragma once
// Easter by Gauss's rule and the starts of the seasons by the mean equinox and
// solstice series with their periodic terms (accurate to about a minute), and
// the two files made from them.

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include <array>
#include <cmath>

namespace kronel::kalenderdaten {

inline constexpr int kErstesJahr = 2024;
inline constexpr int kLetztesJahr = 2040;

// Easter Sunday of the Gregorian calendar (Gauss, with his two exceptions).
inline QDate Ostersonntag(int jahr) {
    const int a = jahr % 19;
    const int b = jahr % 4;
    const int c = jahr % 7;
    const int k = jahr / 100;
    const int p = (13 + 8 * k) / 25;
    const int q = k / 4;
    const int m = (15 - p + k - q) % 30;
    const int n = (4 + k - q) % 7;
    const int d = (19 * a + m) % 30;
    const int e = (2 * b + 4 * c + 6 * d + n) % 7;
    int tag = 22 + d + e;  // in March, beyond 31 in April
    if (d == 29 && e == 6) {
        tag = 31 + 19;
    } else if (d == 28 && e == 6 && (11 * m + 11) % 30 < 19) {
        tag = 31 + 18;
    }
    return tag > 31 ? QDate(jahr, 4, tag - 31) : QDate(jahr, 3, tag);
}

// The moment a season starts, in UTC. jahreszeit: 0 spring (March equinox),
// 1 summer, 2 autumn, 3 winter. Valid for the years 2000 to 3000.
inline QDateTime Jahreszeitbeginn(int jahr, int jahreszeit) {
    constexpr std::array<std::array<double, 5>, 4> mittel = {{
        {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
        {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
        {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
        {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
    }};
    constexpr std::array<std::array<double, 3>, 24> glieder = {{
        {485, 324.96, 1934.136},  {203, 337.23, 32964.467}, {199, 342.08, 20.186},
        {182, 27.85, 445267.112}, {156, 73.14, 45036.886},  {136, 171.52, 22518.443},
        {77, 222.54, 65928.934},  {74, 296.72, 3034.906},   {70, 243.58, 9037.513},
        {58, 119.81, 33718.147},  {52, 297.17, 150.678},    {50, 21.02, 2281.226},
        {45, 247.54, 29929.562},  {44, 325.15, 31555.956},  {29, 60.93, 4443.417},
        {18, 155.12, 67555.328},  {17, 288.79, 4562.452},   {16, 198.04, 62894.029},
        {14, 199.76, 31436.921},  {12, 95.39, 14577.848},   {12, 287.11, 31931.756},
        {12, 320.81, 34777.259},  {9, 227.73, 1222.114},    {8, 15.45, 16859.074},
    }};
    const double grad = std::acos(-1.0) / 180.0;
    const double y = (jahr - 2000) / 1000.0;
    const auto& c = mittel[static_cast<size_t>(jahreszeit)];
    const double jde0 = c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4])));
    const double t = (jde0 - 2451545.0) / 36525.0;
    const double w = (35999.373 * t - 2.47) * grad;
    const double dl = 1 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2 * w);
    double s = 0;
    for (const auto& g : glieder) {
        s += g[0] * std::cos((g[1] + g[2] * t) * grad);
    }
    const double jde = jde0 + 0.00001 * s / dl;
    // Dynamical time runs ahead of UTC by about 69 s in 2024, a little more later.
    const double deltaT = 69.0 + 0.4 * (jahr - 2024);
    const double sekunden = (jde - 2440587.5) * 86400.0 - deltaT;
    return QDateTime::fromSecsSinceEpoch(static_cast<qint64>(std::llround(sekunden)), Qt::UTC);
}

// The day a season starts in Germany.
inline QDate JahreszeitTag(int jahr, int jahreszeit) {
    return Jahreszeitbeginn(jahr, jahreszeit).toTimeZone(QTimeZone("Europe/Berlin")).date();
}

}  // namespace kronel::kalenderdaten
