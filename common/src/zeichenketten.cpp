#include "common/zeichenketten.h"

#include <QDate>

#include <algorithm>

namespace kronel {

QString Compact(const QString& s) {
    QString r;
    r.reserve(s.size());
    for (const QChar c : s) {
        if (c != u' ') {
            r.append(c);
        }
    }
    return r;
}

std::int32_t InCount(const QString& s, QChar c) {
    return static_cast<std::int32_t>(s.count(c));
}

std::int32_t Date2Num(const QString& mmTtJjjj) {
    const QString t = mmTtJjjj.trimmed();
    if (t.size() != 10 || t[2] != u'-' || t[5] != u'-') {
        return 0;
    }
    bool okM = false;
    bool okT = false;
    bool okJ = false;
    const int m = t.mid(0, 2).toInt(&okM);
    const int d = t.mid(3, 2).toInt(&okT);
    const int j = t.mid(6, 4).toInt(&okJ);
    const QDate datum(j, m, d);
    if (!okM || !okT || !okJ || !datum.isValid()) {
        return 0;
    }
    return static_cast<std::int32_t>(QDate(1899, 12, 30).daysTo(datum));
}

int ASCII(const QString& s) {
    return s.isEmpty() ? 0 : s[0].unicode();
}

int PMatch(const QString& s) {
    if (!s.startsWith(QLatin1Char('('))) {
        return 0;
    }
    int tiefe = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'(') {
            ++tiefe;
        } else if (s[i] == u')') {
            if (--tiefe == 0) {
                return static_cast<int>(i + 1);
            }
        }
    }
    return 0;
}

double Factorial(std::int16_t n) {
    if (n < 0 || n > 170) {
        return 0.0;
    }
    // In long double, so that 170! still rounds to the nearest double.
    long double f = 1.0L;
    for (int i = 2; i <= n; ++i) {
        f *= i;
    }
    return static_cast<double>(f);
}

std::int16_t MinInt(std::int16_t a, std::int16_t b) {
    return std::min(a, b);
}

std::int16_t MaxInt(std::int16_t a, std::int16_t b) {
    return std::max(a, b);
}

int QInstrB(int start, const QString& s, QChar c) {
    for (qsizetype i = std::min<qsizetype>(start, s.size()); i >= 1; --i) {
        if (s[i - 1] == c) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

}  // namespace kronel
