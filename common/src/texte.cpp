#include "common/texte.h"

#include <cmath>

#include "platform/text.h"

namespace kronel {

QString OemNachAnsi(QString& text) {
    static constexpr std::pair<char16_t, char16_t> tabelle[] = {
        {u'\u201E', u'ä'}, {u'\u201D', u'ö'}, {u'\u0081', u'ü'}, {u'\u00E1', u'ß'},
        {u'\u017D', u'Ä'}, {u'\u2122', u'Ö'}, {u'\u0161', u'Ü'},
    };
    for (QChar& c : text) {
        for (const auto& [alt, neu] : tabelle) {
            if (c.unicode() == alt) {
                c = QChar(neu);
                break;
            }
        }
    }
    return text;
}

namespace {

// A text that is a number as a whole: blanks, a sign, digits with an optional
// point and decimals, an optional exponent, blanks.
bool IstZahl(const QString& s) {
    const QString t = s.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == u'+' || t[i] == u'-')) {
        ++i;
    }
    bool ziffern = false;
    while (i < n && t[i] >= u'0' && t[i] <= u'9') {
        ++i;
        ziffern = true;
    }
    if (i < n && t[i] == u'.') {
        ++i;
        while (i < n && t[i] >= u'0' && t[i] <= u'9') {
            ++i;
            ziffern = true;
        }
    }
    if (!ziffern) {
        return false;
    }
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-')) {
            ++i;
        }
        bool exponent = false;
        while (i < n && t[i] >= u'0' && t[i] <= u'9') {
            ++i;
            exponent = true;
        }
        if (!exponent) {
            return false;
        }
    }
    return i == n;
}

}  // namespace

bool Wahrheitswert(double wert) {
    // Outside the 16-bit range the rounding overflows and the value stays false.
    if (!std::isfinite(wert) || wert < -32768.5 || wert > 32767.5) {
        return false;
    }
    const long long n = RundenGerade(wert);
    return n == 1 || n == -1;
}

bool Wahrheitswert(const QString& wert) {
    bool ergebnis = IstZahl(wert) && Wahrheitswert(Val(wert));
    const QString klein = LCase(wert);
    if (klein == u"falsch" || klein == u"false") {
        ergebnis = false;
    } else if (klein == u"richtig" || klein == u"true") {
        ergebnis = true;
    }
    return ergebnis;
}

}  // namespace kronel
