#include "common/zahlformat.h"

#include <QDate>

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "platform/text.h"

namespace kronel {

namespace {

enum class Art { Text, Ganz0, GanzRaute, Tausender, Punkt, Bruch0, BruchRaute };

struct Teil {
    Art art;
    QString text;  // for Text
};

struct Muster {
    std::vector<Teil> teile;
    int prozent = 0;
    bool tausender = false;
    bool zifferFeld = false;
};

Muster Zerlegen(const QString& m) {
    Muster z;
    bool nachPunkt = false;
    auto text = [&](const QString& t) {
        if (!z.teile.empty() && z.teile.back().art == Art::Text) {
            z.teile.back().text += t;
        } else {
            z.teile.push_back({Art::Text, t});
        }
    };
    for (qsizetype i = 0; i < m.size(); ++i) {
        const QChar c = m[i];
        if (c == u'"') {
            const qsizetype zu = m.indexOf(QLatin1Char('"'), i + 1);
            text(m.mid(i + 1, zu < 0 ? -1 : zu - i - 1));
            i = zu < 0 ? m.size() : zu;
        } else if (c == u'0' || c == u'#') {
            z.zifferFeld = true;
            const bool null = c == u'0';
            z.teile.push_back({nachPunkt ? (null ? Art::Bruch0 : Art::BruchRaute)
                                         : (null ? Art::Ganz0 : Art::GanzRaute),
                               {}});
        } else if (c == u'.' && !nachPunkt) {
            nachPunkt = true;
            z.teile.push_back({Art::Punkt, {}});
        } else if (c == u',' && !nachPunkt) {
            z.tausender = true;
            z.teile.push_back({Art::Tausender, {}});
        } else if (c == u'%') {
            ++z.prozent;
            text(QStringLiteral("%"));
        } else {
            text(QString(c));
        }
    }
    return z;
}

// The digits of round(|x| * 10^stellen), halves away from zero, taken from the
// value's 15 significant digits (so 2.675 rounds as written, to 2.68).
QString GerundeteZiffern(double x, int stellen) {
    std::array<char, 64> puffer{};
    const auto r = std::to_chars(puffer.data(), puffer.data() + puffer.size(), std::fabs(x),
                                 std::chars_format::scientific, 14);
    const QByteArray s(puffer.data(), r.ptr - puffer.data());  // d.dddddddddddddde+xx
    const QByteArray ziffern = s.left(1) + s.mid(2, 14);       // 15 digits
    const int exponent = s.mid(s.indexOf('e') + 1).toInt();
    const long long behalten = static_cast<long long>(exponent) + 1 + stellen;
    if (behalten < 0 || x == 0.0) {
        return QStringLiteral("0");
    }
    QByteArray z;
    if (behalten >= 15) {
        z = ziffern + QByteArray(static_cast<qsizetype>(behalten - 15), '0');
    } else {
        z = ziffern.left(static_cast<qsizetype>(behalten));
        if (ziffern[static_cast<qsizetype>(behalten)] >= '5') {
            qsizetype i = z.size() - 1;
            while (i >= 0 && z[i] == '9') {
                z[i] = '0';
                --i;
            }
            if (i < 0) {
                z.prepend('1');
            } else {
                ++z[i];
            }
        }
        if (z.isEmpty()) {
            z = "0";
        }
    }
    return QString::fromLatin1(z);
}

QString Zahl(double wert, const Muster& m) {
    double v = wert;
    for (int i = 0; i < m.prozent; ++i) {
        v *= 100.0;
    }
    int bruchFelder = 0;
    int ganzFelder = 0;
    int nullFelder = 0;
    for (const Teil& t : m.teile) {
        bruchFelder += t.art == Art::Bruch0 || t.art == Art::BruchRaute;
        ganzFelder += t.art == Art::Ganz0 || t.art == Art::GanzRaute;
        nullFelder += t.art == Art::Ganz0;
    }
    QString ziffern = GerundeteZiffern(v, bruchFelder);
    if (ziffern.size() < bruchFelder + 1) {
        ziffern = QString(bruchFelder + 1 - ziffern.size(), QLatin1Char('0')) + ziffern;
    }
    QString ganz = ziffern.left(ziffern.size() - bruchFelder);
    const QString bruch = ziffern.right(bruchFelder);
    while (!ganz.isEmpty() && ganz[0] == u'0') {
        ganz.remove(0, 1);
    }
    const bool negativ =
        v < 0.0 && (!ganz.isEmpty() || bruch.count(QLatin1Char('0')) != bruch.size());

    // The whole part: digits fill the fields from the right; the leftmost
    // field takes what is left over.
    std::vector<QString> ganzTexte(static_cast<size_t>(ganzFelder));
    if (m.tausender) {
        QString g = ganz;
        if (g.size() < nullFelder) {
            g = QString(nullFelder - g.size(), QLatin1Char('0')) + g;
        }
        for (qsizetype i = g.size() - 3; i > 0; i -= 3) {
            g.insert(i, QLatin1Char('.'));
        }
        if (ganzFelder > 0) {
            ganzTexte[0] = g;
        }
    } else {
        int k = 0;
        for (auto it = m.teile.rbegin(); it != m.teile.rend(); ++it) {
            if (it->art != Art::Ganz0 && it->art != Art::GanzRaute) {
                continue;
            }
            const size_t feld = static_cast<size_t>(ganzFelder - 1 - k);
            if (k < ganz.size()) {
                ganzTexte[feld] = ganz[ganz.size() - 1 - k];
            } else if (it->art == Art::Ganz0) {
                ganzTexte[feld] = QStringLiteral("0");
            }
            ++k;
        }
        if (ganzFelder > 0 && ganz.size() > ganzFelder) {
            ganzTexte[0].prepend(ganz.left(ganz.size() - ganzFelder));
        }
    }
    // Fraction digits behind the last "0" field are dropped when they are zeros.
    int zuletzt = -1;
    {
        int j = 0;
        for (const Teil& t : m.teile) {
            if (t.art == Art::Bruch0 || t.art == Art::BruchRaute) {
                if (t.art == Art::Bruch0 || bruch[j] != u'0') {
                    zuletzt = j;
                }
                ++j;
            }
        }
    }

    QString aus;
    if (negativ) {
        aus += QLatin1Char('-');
    }
    int gi = 0;
    int bi = 0;
    for (const Teil& t : m.teile) {
        switch (t.art) {
            case Art::Text:
                aus += t.text;
                break;
            case Art::Ganz0:
            case Art::GanzRaute:
                aus += ganzTexte[static_cast<size_t>(gi++)];
                break;
            case Art::Tausender:
                break;
            case Art::Punkt:
                if (ganzFelder == 0) {
                    aus += ganz;
                }
                aus += QLatin1Char(',');
                break;
            case Art::Bruch0:
            case Art::BruchRaute:
                if (bi <= zuletzt) {
                    aus += bruch[bi];
                }
                ++bi;
                break;
        }
    }
    return aus;
}

bool IstDatumsMuster(const QString& muster) {
    QString m = LCase(muster);
    for (qsizetype auf = m.indexOf(QLatin1Char('"')); auf >= 0; auf = m.indexOf(QLatin1Char('"'))) {
        const qsizetype zu = m.indexOf(QLatin1Char('"'), auf + 1);
        m.remove(auf, zu < 0 ? m.size() - auf : zu - auf + 1);
    }
    for (const char* t : {"dd", "mm", "yyyy", "hh", "nn", "ss"}) {
        if (m.contains(QLatin1String(t))) {
            return true;
        }
    }
    return false;
}

Ergebnis<QString> Datum(double wert, const QString& muster) {
    double tage = std::trunc(wert);
    long long sekunden = std::llround(std::fabs(wert - tage) * 86400.0);
    if (sekunden >= 86400) {
        sekunden -= 86400;
        tage += 1;
    }
    if (std::fabs(tage) > 4e6) {
        return Fehler(FehlerNr::Ueberlauf);
    }
    const QDate d = QDate(1899, 12, 30).addDays(static_cast<qint64>(tage));
    if (!d.isValid() || d.year() < 100 || d.year() > 9999) {
        return Fehler(FehlerNr::Ueberlauf);
    }
    auto zwei = [](long long n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    const std::array<std::pair<QString, QString>, 6> token = {{
        {QStringLiteral("yyyy"), QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'))},
        {QStringLiteral("dd"), zwei(d.day())},
        {QStringLiteral("mm"), zwei(d.month())},
        {QStringLiteral("hh"), zwei(sekunden / 3600)},
        {QStringLiteral("nn"), zwei(sekunden / 60 % 60)},
        {QStringLiteral("ss"), zwei(sekunden % 60)},
    }};
    QString aus;
    for (qsizetype i = 0; i < muster.size();) {
        if (muster[i] == u'"') {
            const qsizetype zu = muster.indexOf(QLatin1Char('"'), i + 1);
            aus += muster.mid(i + 1, zu < 0 ? -1 : zu - i - 1);
            i = zu < 0 ? muster.size() : zu + 1;
            continue;
        }
        bool getroffen = false;
        for (const auto& [name, wertText] : token) {
            if (GleichOhneFall(muster.mid(i, name.size()), name)) {
                aus += wertText;
                i += name.size();
                getroffen = true;
                break;
            }
        }
        if (!getroffen) {
            aus += muster[i++];
        }
    }
    return aus;
}

}  // namespace

Ergebnis<QString> ZahlFormatieren(double wert, const QString& muster) {
    if (!std::isfinite(wert)) {
        return Fehler(FehlerNr::Ueberlauf);
    }
    if (muster.isEmpty()) {
        return ZahlDeutsch(wert);
    }
    const Muster m = Zerlegen(muster);
    if (!m.zifferFeld && IstDatumsMuster(muster)) {
        return Datum(wert, muster);
    }
    double v = wert;
    for (int i = 0; i < m.prozent; ++i) {
        v *= 100.0;
    }
    if (!std::isfinite(v)) {
        return Fehler(FehlerNr::Ueberlauf);
    }
    return Zahl(wert, m);
}

QString GanzzahlText(qint64 wert) {
    return ZahlFormatieren(static_cast<double>(wert), QStringLiteral("#,##0"))
        .wertOder(QString::number(wert));
}

}  // namespace kronel
