#pragma once
// What the benchmarks share: a fixed today, a scratch program and settings
// folder with the services set up on it, and the words of their messages.

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include "platform/dienste.h"
#include "platform/uhr.h"

namespace kronel::bench {

// The day the figures are taken on, whatever the machine's date.
class FesteUhr final : public Uhr {
public:
    QDateTime jetzt() const override { return QDateTime(QDate(2026, 12, 9), QTime(9, 30)); }
};

// A scratch folder as program and Windows folder, the services without a
// desktop on the fixed clock; the services are reset at the end.
struct Umgebung {
    Umgebung() {
        QDir().mkpath(ordner.path() + QStringLiteral("/windows"));
        qputenv("KRONEL_WINDIR", QFile::encodeName(ordner.path() + QStringLiteral("/windows")));
        qputenv("KRONEL_PROGDIR", QFile::encodeName(ordner.path()));
        Dienste d = OhneDesktopDienste();
        d.uhr = &uhr;
        DiensteSetzen(d);
    }
    ~Umgebung() { DiensteSetzen({}); }
    Umgebung(const Umgebung&) = delete;
    Umgebung& operator=(const Umgebung&) = delete;

    QString pfad(const char* name) const {
        return ordner.path() + QLatin1Char('/') + QLatin1String(name);
    }
    QTemporaryDir ordner;
    FesteUhr uhr;
};

// von to bis - 1 random words of a message, each followed by a blank; the
// eighth of the ten words is besonderes (a field, a name with a dot).
inline QString Woerter(QRandomGenerator& zufall, int von, int bis, const QString& besonderes) {
    const QStringList woerter{QStringLiteral("Zahnarzt"), QStringLiteral("Geburtstag"),
                              QStringLiteral("Müller"),   QStringLiteral("Besprechung"),
                              QStringLiteral("Straße"),   QStringLiteral("Ärztin"),
                              QStringLiteral("Chor"),     besonderes,
                              QStringLiteral("anrufen"),  QStringLiteral("14:30")};
    QString text;
    for (int w = zufall.bounded(von, bis); w > 0; --w) {
        text += woerter[zufall.bounded(woerter.size())] + QLatin1Char(' ');
    }
    return text;
}

}  // namespace kronel::bench
