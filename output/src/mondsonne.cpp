#include "output/mondsonne.h"

#include <cmath>

#include "platform/datum.h"
#include "platform/text.h"

namespace kronel {

namespace {

// A new moon, local time, 17.04.1996 23:49.
const QDate kBezugsDatum(1996, 4, 17);
constexpr int kBezugsMinute = 23 * 60 + 49;
constexpr double kSynodischerMonat = 29.530587962963;
// One day of the cycle in percent: the width of the phase windows.
constexpr double kTagProzent = 3.38631930137724;
constexpr double kPi = 3.141592654;
constexpr double kRad = kPi / 180.0;
constexpr int kSchattenLinien = 158;

QString ZweiStellen(long long zahl) {
    const QString ziffern = QString::number(std::llabs(zahl)).rightJustified(2, u'0');
    return zahl < 0 ? QLatin1Char('-') + ziffern : ziffern;
}

// The last Sunday on or before the day.
QDate SonntagDavor(QDate tag) {
    while (tag.dayOfWeek() != Qt::Sunday) {
        tag = tag.addDays(-1);
    }
    return tag;
}

}  // namespace

Mondstand MondBerechnen(const QDateTime& jetzt) {
    const qint64 minuten = kBezugsDatum.daysTo(jetzt.date()) * 1440 + jetzt.time().hour() * 60 +
                           jetzt.time().minute() - kBezugsMinute;
    const double t = static_cast<double>(std::llabs(minuten)) / 1440.0;
    const double x = t / kSynodischerMonat;
    const double f = x - Int(x);

    Mondstand m;
    m.alter = f * kSynodischerMonat;
    m.p = static_cast<int>(RundenGerade(f * 100.0));
    m.text = QStringLiteral("Mondalter: ") + ZahlDeutsch(m.alter, 2) + QStringLiteral(" Tage~");
    const double p = m.p;
    if (p < kTagProzent || p > 100 - kTagProzent) {
        m.text += QStringLiteral("Neumond, ");
    } else if (p > 50 - kTagProzent && p < 50 + kTagProzent) {
        m.text += QStringLiteral("Vollmond, ");
    } else if ((p > 25 - kTagProzent && p < 25 + kTagProzent) ||
               (p > 75 - kTagProzent && p < 75 + kTagProzent)) {
        m.text += QStringLiteral("Halbmond, ");
    }
    m.text += (m.p > 50 ? QStringLiteral("ab") : QStringLiteral("zu")) + QStringLiteral("nehmend~");
    return m;
}

std::vector<QLineF> MondSchattenLinien(int p, double breite, double hoehe) {
    const double cx = breite / 2.05;
    const double cy = hoehe / 2.05;
    const double r = cx;
    double kL = -1;
    double kR = 1;
    if (p <= 50) {
        kR = 1 - 0.04 * p;
    } else {
        kL = 3 - 0.04 * p;
    }
    std::vector<QLineF> linien;
    linien.reserve(kSchattenLinien);
    for (int i = 0; i < kSchattenLinien; ++i) {
        const double a = i * 0.02;
        const double y = cy + r * std::cos(a);
        linien.emplace_back(cx + r * kL * std::sin(a), y, cx + r * kR * std::sin(a), y);
    }
    return linien;
}

bool IstSommerzeit(const QDate& datum) {
    if (!datum.isValid()) {
        return false;
    }
    const int y = datum.year();
    QDate start = SonntagDavor(QDate(y, 3, 31));
    QDate ende = SonntagDavor(y < 1996 ? QDate(y, 9, 30) : QDate(y, 10, 31));
    if (y < 1980) {
        start = ende = QDate(1990, 1, 1);
    }
    return start.daysTo(datum) >= 0 && ende.daysTo(datum) < 0;
}

QString StundenAlsUhrzeit(double stunden, int modus) {
    if (modus < 0 || modus > 20) {
        modus = 1;
    }
    if (!std::isfinite(stunden) || std::fabs(stunden) > 1e9) {
        return {};
    }
    long long h = static_cast<long long>(Int(stunden));
    long long m = static_cast<long long>(Int((stunden - static_cast<double>(h)) * 60.0));
    const double s = (stunden - (static_cast<double>(h) + static_cast<double>(m) / 60.0)) * 3600.0;
    switch (modus) {
        case 0:
            return ZahlDeutsch(stunden, 1);
        case 1:
        case 2:
        case 20:
            if (modus == 20) {
                m = RundenGerade(static_cast<double>(m) / 10.0) * 10;
            }
            if (m == 60) {
                m = 0;
                ++h;
            }
            return (modus == 1 ? QString::number(h) : ZweiStellen(h)) + QLatin1Char(':') +
                   ZweiStellen(m);
        case 3:
            return QString::number(h) + QLatin1Char(':') + ZweiStellen(m) + QLatin1Char(':') +
                   ZweiStellen(RundenGerade(s));
        case 4:
            return QString::number(h * 60 + m) + QLatin1Char(':') + ZweiStellen(RundenGerade(s));
        default:
            return {};
    }
}

double GradAusText(const QString& text) {
    const double wert = Val(text);
    const double v = std::fabs(wert);
    const double s = (v * 100 - Int(v * 100)) / 36;
    const double u = Int(v * 100) / 100;
    const double m = (u - Int(u)) / 0.6;
    const double grad = Int(v) + s + m;
    return wert < 0 ? -grad : grad;
}

QString SonnenText(const QDateTime& jetzt, const QString& nordBreite, const QString& ostLaenge,
                   bool mesz) {
    const int d = jetzt.date().day();
    const int mo = jetzt.date().month();
    double z = 15;
    QString zone;
    if (mesz) {
        const bool sommer = IstSommerzeit(jetzt.date());
        z = sommer ? 30 : 15;
        zone = sommer ? QStringLiteral("MESZ") : QStringLiteral("MEZ");
    }
    const double b = GradAusText(nordBreite);
    const double l = GradAusText(ostLaenge);
    const double deltaZ = z - l;
    const double n = 0.9863 * (30.3 * (mo - 1) + d - 1) + 10;
    const double delta = 23.5 * std::cos(n * kRad);
    const double e = 0.123 * std::cos((n + 77) * kRad) - std::sin(2 * n * kRad) / 6;
    const double q = std::sin(delta * kRad) / std::cos(b * kRad);
    const double c = std::sin(b * kRad) / (std::cos(delta * kRad) / q);
    if (!std::isfinite(c) || std::fabs(c) >= 1) {
        return {};  // polar day or night: the sun neither rises nor sets
    }
    const double h = (kPi / 2 - std::atan(c / std::sqrt(1 - c * c))) / kRad;
    const float auf = static_cast<float>((180 - h + deltaZ) / 15 - e - 0.08);
    const float unter = static_cast<float>((180 + h + deltaZ) / 15 - e + 0.08);
    const float durchgang = auf + (unter - auf) / 2;
    if (!std::isfinite(auf) || !std::isfinite(unter) || !std::isfinite(durchgang)) {
        return {};
    }
    QString text = StundenAlsUhrzeit(auf, 20) + QStringLiteral(" Sonnenaufgang\r") +
                   StundenAlsUhrzeit(unter, 20) + QStringLiteral(" Sonnenuntergang\r") +
                   StundenAlsUhrzeit(durchgang, 20) + QStringLiteral(" Durchgang");
    if (!zone.isEmpty()) {
        text += QStringLiteral(", ") + zone;
    }
    return text;
}

}  // namespace kronel
