#include "common/deutschetexte.h"

#include <array>

#include "common/fehlermeldung.h"
#include "platform/datum.h"
#include "platform/text.h"

namespace kronel {

namespace {

constexpr std::array<const char*, 7> kWochentage = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                    "Donnerstag", "Freitag", "Samstag"};
constexpr std::array<const char*, 7> kWochentageKurz = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
constexpr std::array<const char*, 12> kMonate = {"Januar",    "Februar", "März",     "April",
                                                 "Mai",       "Juni",    "Juli",     "August",
                                                 "September", "Oktober", "November", "Dezember"};
constexpr std::array<const char*, 12> kMonateDrei = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                                     "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
constexpr std::array<const char*, 12> kMonateKurz = {
    "Jan.", "Feb.", "März", "April", "Mai", "Juni", "Juli", "Aug.", "Sep.", "Okt.", "Nov.", "Dez."};

template <size_t N>
QString Eintrag(const std::array<const char*, N>& tabelle, int nummer, const char* sonst) {
    if (nummer < 1 || nummer > static_cast<int>(N)) {
        return QString::fromUtf8(sonst);
    }
    return QString::fromUtf8(tabelle[static_cast<size_t>(nummer - 1)]);
}

QString Zwei(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString TagMonatName(int nummer, const QString& art) {
    const QString a = LCase(art);
    if (a == u"wt") {
        return Eintrag(kWochentage, nummer, "Tag???");
    }
    if (a == u"wt2") {
        return Eintrag(kWochentageKurz, nummer, "??");
    }
    if (a == u"mo") {
        return Eintrag(kMonate, nummer, "Monat???");
    }
    if (a == u"mo3") {
        return Eintrag(kMonateDrei, nummer, "???");
    }
    return {};
}

QString DatumText(const QString& muster, const QDate& datum) {
    const int wt = Wochentag(datum);
    const std::array<std::pair<const char*, QString>, 8> token = {{
        {"dddd", Eintrag(kWochentage, wt, "")},
        {"ddd", Eintrag(kWochentageKurz, wt, "")},
        {"d.", QString::number(datum.day()) + QLatin1Char('.')},
        {"mmmm", Eintrag(kMonate, datum.month(), "")},
        {"mmm", Eintrag(kMonateKurz, datum.month(), "")},
        {"mm", Zwei(datum.month())},
        {"yyyy", QStringLiteral("%1").arg(datum.year(), 4, 10, QLatin1Char('0'))},
        {"yy", Zwei(datum.year() % 100)},
    }};
    QString t = LCase(muster);
    for (const auto& [name, wert] : token) {
        t = Ersetzen(t, QLatin1String(name), wert);
    }
    return t;
}

Ergebnis<QString> DatumText(const QString& muster, const QString& datum) {
    const auto d = DatumLesen(datum);
    if (!d) {
        return Fehler(FehlerNr::Typfehler);
    }
    return DatumText(muster, *d);
}

}  // namespace kronel
