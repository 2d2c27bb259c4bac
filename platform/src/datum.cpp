#include "platform/datum.h"

namespace kronel {

namespace {

// Reads up to maxZiffern digits at i; -1 when there is none.
int ZahlLesen(const QString& s, qsizetype& i, int minZiffern, int maxZiffern,
              int* anzahl = nullptr) {
    int v = 0;
    int n = 0;
    while (i < s.size() && n < maxZiffern && s[i] >= u'0' && s[i] <= u'9') {
        v = v * 10 + (s[i].unicode() - u'0');
        ++i;
        ++n;
    }
    if (anzahl != nullptr) {
        *anzahl = n;
    }
    return n >= minZiffern ? v : -1;
}

}  // namespace

std::optional<DatumZeit> DatumZeitLesen(const QString& text) {
    const QString s = text.trimmed();
    qsizetype i = 0;
    const int tag = ZahlLesen(s, i, 1, 2);
    if (tag < 0 || i >= s.size() || s[i] != u'.') {
        return std::nullopt;
    }
    ++i;
    const int monat = ZahlLesen(s, i, 1, 2);
    if (monat < 0 || i >= s.size() || s[i] != u'.') {
        return std::nullopt;
    }
    ++i;
    int ziffern = 0;
    int jahr = ZahlLesen(s, i, 2, 4, &ziffern);
    if (jahr < 0) {
        return std::nullopt;
    }
    if (ziffern == 2) {
        jahr += jahr >= 30 ? 1900 : 2000;
    } else if (jahr < 100) {
        return std::nullopt;
    }
    if (i < s.size() && s[i].isDigit()) {
        return std::nullopt;  // more than four digits
    }
    const QDate d(jahr, monat, tag);
    if (!d.isValid()) {
        return std::nullopt;
    }
    DatumZeit ergebnis{d, std::nullopt};
    if (i == s.size()) {
        return ergebnis;
    }
    if (s[i] != u' ') {
        return std::nullopt;
    }
    while (i < s.size() && s[i] == u' ') {
        ++i;
    }
    const int h = ZahlLesen(s, i, 1, 2);
    if (h < 0 || i >= s.size() || s[i] != u':') {
        return std::nullopt;
    }
    ++i;
    const int m = ZahlLesen(s, i, 2, 2);
    int sek = 0;
    if (m < 0) {
        return std::nullopt;
    }
    if (i < s.size() && s[i] == u':') {
        ++i;
        sek = ZahlLesen(s, i, 2, 2);
        if (sek < 0) {
            return std::nullopt;
        }
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    const QTime t(h, m, sek);
    if (!t.isValid()) {
        return std::nullopt;
    }
    ergebnis.zeit = t;
    return ergebnis;
}

std::optional<QDate> DatumLesen(const QString& text) {
    const auto dz = DatumZeitLesen(text);
    if (!dz) {
        return std::nullopt;
    }
    return dz->datum;
}

bool IstDatum(const QString& text) {
    return DatumZeitLesen(text).has_value();
}

QString DatumText(const QDate& d) {
    if (!d.isValid()) {
        return {};
    }
    int jahr = 0;
    int monat = 0;
    int tag = 0;
    d.getDate(&jahr, &monat, &tag);  // one calendar conversion instead of three
    if (jahr < 0 || jahr > 9999) {
        return QStringLiteral("%1.%2.%3")
            .arg(tag, 2, 10, QLatin1Char('0'))
            .arg(monat, 2, 10, QLatin1Char('0'))
            .arg(jahr, 4, 10, QLatin1Char('0'));
    }
    // The output list formats a date for every line: built by hand, not by arg().
    const char16_t text[10] = {static_cast<char16_t>(u'0' + tag / 10),
                               static_cast<char16_t>(u'0' + tag % 10),
                               u'.',
                               static_cast<char16_t>(u'0' + monat / 10),
                               static_cast<char16_t>(u'0' + monat % 10),
                               u'.',
                               static_cast<char16_t>(u'0' + jahr / 1000),
                               static_cast<char16_t>(u'0' + jahr / 100 % 10),
                               static_cast<char16_t>(u'0' + jahr / 10 % 10),
                               static_cast<char16_t>(u'0' + jahr % 10)};
    return QStringView(text, 10).toString();
}

QString ZeitText(const QTime& t) {
    return QStringLiteral("%1:%2:%3")
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'));
}

QString DatumZeitText(const QDateTime& dt) {
    return DatumText(dt.date()) + QLatin1Char(' ') + ZeitText(dt.time());
}

int Wochentag(const QDate& d) {
    return d.dayOfWeek() % 7 + 1;
}

QDate MonateAddieren(const QDate& d, long long monate) {
    if (monate > 200000 || monate < -200000) {
        return {};
    }
    return d.addMonths(static_cast<int>(monate));
}

}  // namespace kronel
