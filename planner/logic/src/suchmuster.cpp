#include "planner/suchmuster.h"

#include <vector>

#include "platform/text.h"

namespace kronel {

namespace {

struct Zeichen {
    enum Art { Text, Beliebig, Ziffer, Menge, Stern } art = Text;
    QChar c;
    bool verneint = false;
    std::vector<std::pair<QChar, QChar>> bereiche;

    bool passt(QChar t) const {
        switch (art) {
            case Text:
                return t == c;
            case Beliebig:
                return true;
            case Ziffer:
                return t >= QLatin1Char('0') && t <= QLatin1Char('9');
            case Menge: {
                bool drin = false;
                for (const auto& [von, bis] : bereiche) {
                    drin = drin || (t >= von && t <= bis);
                }
                return drin != verneint;
            }
            case Stern:
                return false;
        }
        return false;
    }
};

std::vector<Zeichen> Zerlegen(const QString& muster) {
    std::vector<Zeichen> z;
    for (qsizetype i = 0; i < muster.size(); ++i) {
        const QChar c = muster[i];
        Zeichen e;
        if (c == QLatin1Char('*')) {
            e.art = Zeichen::Stern;
        } else if (c == QLatin1Char('?')) {
            e.art = Zeichen::Beliebig;
        } else if (c == QLatin1Char('#')) {
            e.art = Zeichen::Ziffer;
        } else if (c == QLatin1Char('[') && muster.indexOf(QLatin1Char(']'), i + 1) > i) {
            const qsizetype ende = muster.indexOf(QLatin1Char(']'), i + 1);
            e.art = Zeichen::Menge;
            qsizetype j = i + 1;
            if (j < ende && muster[j] == QLatin1Char('!')) {
                e.verneint = true;
                ++j;
            }
            for (; j < ende; ++j) {
                if (j + 2 < ende && muster[j + 1] == QLatin1Char('-')) {
                    e.bereiche.emplace_back(muster[j], muster[j + 2]);
                    j += 2;
                } else {
                    e.bereiche.emplace_back(muster[j], muster[j]);
                }
            }
            i = ende;
        } else {
            e.c = c;
        }
        z.push_back(std::move(e));
    }
    return z;
}

}  // namespace

bool MusterPasst(const QString& text, const QString& muster) {
    const std::vector<Zeichen> z = Zerlegen(muster);
    // Greedy with one back-track point for the last star: linear in practice.
    size_t p = 0;
    qsizetype t = 0;
    size_t sternP = z.size();
    qsizetype sternT = 0;
    while (t < text.size()) {
        if (p < z.size() && z[p].art == Zeichen::Stern) {
            sternP = p++;
            sternT = t;
        } else if (p < z.size() && z[p].passt(text[t])) {
            ++p;
            ++t;
        } else if (sternP < z.size()) {
            p = sternP + 1;
            t = ++sternT;
        } else {
            return false;
        }
    }
    while (p < z.size() && z[p].art == Zeichen::Stern) {
        ++p;
    }
    return p == z.size();
}

qsizetype ZeileSuchen(const QStringList& zeilen, qsizetype aktuell, const QString& suchText,
                      int schritt) {
    if (zeilen.isEmpty()) {
        return -1;
    }
    const QString muster = QLatin1Char('*') + LCase(suchText) + QLatin1Char('*');
    const qsizetype letzte = zeilen.size() - 1;
    qsizetype i = aktuell;
    for (qsizetype budget = zeilen.size() + 2; --budget >= 0;) {
        i += schritt;
        if (i > letzte) {
            i = 0;
        }
        if (i < 0) {
            i = letzte;
        }
        if (MusterPasst(LCase(zeilen[i]), muster)) {
            return i;
        }
    }
    return -1;
}

}  // namespace kronel
