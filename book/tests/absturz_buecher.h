#pragma once
// The two books the crash test saves in turn, far in the future so that no
// roll-over changes them.

#include <QStringList>

inline QStringList AbsturzBuch(char name) {
    QStringList t;
    t.reserve(10000);
    for (int i = 0; i < 10000; ++i) {
        t.append(QStringLiteral("9000%1").arg(101 + i % 28 + (i / 28 % 12) * 100, 4, 10,
                                              QLatin1Char('0')) +
                 QStringLiteral("1T  -   -         1J  Alle   Buch ") + QLatin1Char(name) +
                 QStringLiteral(" Termin %1 mit Grüßen").arg(i, 5, 10, QLatin1Char('0')));
    }
    t.sort();
    return t;
}
