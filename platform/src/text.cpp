#include "platform/text.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

namespace kronel {

namespace {

// Bytes 0x80-0x9F of Windows-1252. The five unassigned ones map to the C1
// control of the same value, so they round-trip unchanged.
constexpr std::array<char16_t, 32> kC1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int Cp1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    for (int i = 0; i < 32; ++i) {
        if (kC1[static_cast<size_t>(i)] == c) {
            return 0x80 + i;
        }
    }
    return -1;
}

bool IstUtf8MitHohenBytes(const QByteArray& b) {
    // The line-break marker "°°" of the programs' own lines is B0 B0, which
    // after a letter such as "ä" (E4) or "é" (E9) is valid UTF-8 as well; in
    // UTF-8 these two bytes end only rare characters no date book holds.
    if (b.contains("\xB0\xB0")) {
        return false;
    }
    bool hoch = false;
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData());
    const qsizetype n = b.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        hoch = true;
        int folge = 0;
        unsigned int cp = 0;
        unsigned int min = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            folge = 1, cp = c & 0x1Fu, min = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            folge = 2, cp = c & 0x0Fu, min = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            folge = 3, cp = c & 0x07u, min = 0x10000;
        } else {
            return false;
        }
        if (i + folge >= n) {
            return false;
        }
        for (int k = 1; k <= folge; ++k) {
            const unsigned char f = p[i + k];
            if ((f & 0xC0u) != 0x80u) {
                return false;
            }
            cp = (cp << 6) | (f & 0x3Fu);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += folge + 1;
    }
    return hoch;
}

bool IstBlank(QChar c) {
    return c == QLatin1Char(' ');
}

}  // namespace

QString AusCp1252(const QByteArray& bytes) {
    QString s(bytes.size(), Qt::Uninitialized);
    QChar* z = s.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        z[i] = (b >= 0x80 && b < 0xA0) ? QChar(kC1[b - 0x80u]) : QChar(b);
    }
    return s;
}

QByteArray NachCp1252(const QString& text) {
    // Written in place: whole data files go through here.
    QByteArray b(text.size(), Qt::Uninitialized);
    char* z = b.data();
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;  // one character, one "?"
            z[n++] = '?';
            continue;
        }
        const int v = Cp1252Byte(c.unicode());
        z[n++] = v < 0 ? '?' : static_cast<char>(v);
    }
    b.truncate(n);
    return b;
}

QString NurCp1252(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            s.append(QLatin1Char('?'));
            continue;
        }
        s.append(Cp1252Byte(c.unicode()) < 0 ? QChar(u'?') : c);
    }
    return s;
}

bool Cp1252Darstellbar(QStringView text) {
    for (const QChar c : text) {
        if (Cp1252Byte(c.unicode()) < 0) {
            return false;
        }
    }
    return true;
}

QString ZeileTolerantLesen(const QByteArray& zeile) {
    if (IstUtf8MitHohenBytes(zeile)) {
        return QString::fromUtf8(zeile);
    }
    return AusCp1252(zeile);
}

QString TextTolerantLesen(const QByteArray& bytes) {
    QString ergebnis;
    ergebnis.reserve(bytes.size());
    ZeilenDurchgehen(
        QByteArrayView(bytes), LetztesZeilenende::SchliesstZeile,
        [&](QByteArrayView zeile, QByteArrayView ende) {
            ergebnis += ZeileTolerantLesen(QByteArray::fromRawData(zeile.data(), zeile.size()));
            ergebnis += QLatin1StringView(ende);  // kept as it stands
        });
    return ergebnis;
}

QStringList ZeilenTeilen(const QString& text, LetztesZeilenende letztes) {
    QStringList zeilen;
    ZeilenDurchgehen(QStringView(text), letztes,
                     [&](QStringView zeile, QStringView) { zeilen.append(zeile.toString()); });
    return zeilen;
}

QString ZeilenumbruecheVereinheitlichen(const QString& text) {
    QString s;
    s.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            s += QStringLiteral("\r\n");
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
        } else if (c == u'\n' || c == QChar(0x2028) || c == QChar(0x2029)) {
            s += QStringLiteral("\r\n");
        } else {
            s += c;
        }
    }
    return s;
}

QString EingabeBereinigen(const QString& text, QStringView umbruch) {
    QString s;
    s.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n' || c == QChar(0x2028) || c == QChar(0x2029)) {
            s += umbruch;
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
        } else if (c.category() != QChar::Other_Control) {
            s += c;
        }
    }
    return NurCp1252(s);
}

QChar GrossBuchstabe(QChar c) {
    if (c.unicode() < 0x80) {
        return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c;
    }
    const QChar g = c.toUpper();
    // Stay inside what the files can hold (µ has no upper case there).
    if (Cp1252Byte(c.unicode()) >= 0 && Cp1252Byte(g.unicode()) < 0) {
        return c;
    }
    return g;
}

QChar KleinBuchstabe(QChar c) {
    if (c.unicode() < 0x80) {
        return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + 32) : c;
    }
    const QChar k = c.toLower();
    if (Cp1252Byte(c.unicode()) >= 0 && Cp1252Byte(k.unicode()) < 0) {
        return c;
    }
    return k;
}

QString UCase(const QString& s) {
    QString r = s;
    for (QChar& c : r) {
        c = GrossBuchstabe(c);
    }
    return r;
}

QString LCase(const QString& s) {
    QString r = s;
    for (QChar& c : r) {
        c = KleinBuchstabe(c);
    }
    return r;
}

int VergleichOhneFall(const QString& a, const QString& b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = KleinBuchstabe(a[i]).unicode();
        const char16_t y = KleinBuchstabe(b[i]).unicode();
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return 0;
}

bool GleichOhneFall(const QString& a, const QString& b) {
    return a.size() == b.size() && VergleichOhneFall(a, b) == 0;
}

QString Left(const QString& s, qsizetype n) {
    return n <= 0 ? QString() : s.left(n);
}

QString Right(const QString& s, qsizetype n) {
    return n <= 0 ? QString() : s.right(n);
}

QString Mid(const QString& s, qsizetype start, qsizetype laenge) {
    if (start < 1) {
        start = 1;
    }
    if (start > s.size()) {
        return {};
    }
    if (laenge < 0) {
        return s.mid(start - 1);
    }
    return s.mid(start - 1, laenge);
}

qsizetype InStr(qsizetype start, const QString& s, const QString& such, bool ohneFall) {
    if (start < 1) {
        start = 1;
    }
    if (s.isEmpty()) {
        return 0;
    }
    if (such.isEmpty()) {
        return start <= s.size() ? start : 0;
    }
    if (start > s.size()) {
        return 0;
    }
    if (!ohneFall) {
        const qsizetype p = s.indexOf(such, start - 1);
        return p < 0 ? 0 : p + 1;
    }
    const QString a = LCase(s);
    const QString b = LCase(such);
    const qsizetype p = a.indexOf(b, start - 1);
    return p < 0 ? 0 : p + 1;
}

qsizetype InStr(const QString& s, const QString& such, bool ohneFall) {
    return InStr(1, s, such, ohneFall);
}

qsizetype InStrRev(const QString& s, const QString& such) {
    if (such.isEmpty()) {
        return s.size();
    }
    const qsizetype p = s.lastIndexOf(such);
    return p < 0 ? 0 : p + 1;
}

QString LTrim(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && IstBlank(s[i])) {
        ++i;
    }
    return s.mid(i);
}

QString RTrim(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && IstBlank(s[n - 1])) {
        --n;
    }
    return s.left(n);
}

QString Trim(const QString& s) {
    return LTrim(RTrim(s));
}

QString Space(qsizetype n) {
    return n <= 0 ? QString() : QString(n, QLatin1Char(' '));
}

QString Zeichenkette(qsizetype n, QChar c) {
    return n <= 0 ? QString() : QString(n, c);
}

double Val(const QString& s) {
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && (s[i] == u' ' || s[i] == u'\t')) {
        ++i;
    }
    std::string zahl;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        zahl += static_cast<char>(s[i].unicode());
        ++i;
    }
    bool ziffern = false;
    while (i < n && s[i].isDigit() && s[i].unicode() < 0x80) {
        zahl += static_cast<char>(s[i].unicode());
        ++i;
        ziffern = true;
    }
    if (i < n && s[i] == u'.') {
        zahl += '.';
        ++i;
        while (i < n && s[i].unicode() < 0x80 && s[i].isDigit()) {
            zahl += static_cast<char>(s[i].unicode());
            ++i;
            ziffern = true;
        }
    }
    if (!ziffern) {
        return 0.0;
    }
    if (i < n && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        qsizetype j = i + 1;
        std::string exp = "e";
        if (j < n && (s[j] == u'+' || s[j] == u'-')) {
            exp += static_cast<char>(s[j].unicode());
            ++j;
        }
        bool expZiffern = false;
        while (j < n && s[j].unicode() < 0x80 && s[j].isDigit() && exp.size() < 8) {
            exp += static_cast<char>(s[j].unicode());
            ++j;
            expZiffern = true;
        }
        if (expZiffern) {
            zahl += exp;
        }
    }
    const double v = std::strtod(zahl.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0;
}

double Int(double x) {
    return std::floor(x);
}

long long RundenGerade(double x) {
    if (!std::isfinite(x)) {
        return 0;
    }
    constexpr double grenze = 9.2e18;
    if (x > grenze) {
        return std::numeric_limits<long long>::max();
    }
    if (x < -grenze) {
        return std::numeric_limits<long long>::min();
    }
    const double g = std::floor(x);
    const double rest = x - g;
    double r = g;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(g, 2.0) != 0.0)) {
        r = g + 1.0;
    }
    return static_cast<long long>(r);
}

QString ZahlText(double x) {
    if (!std::isfinite(x)) {
        return QStringLiteral("0");
    }
    if (x == std::floor(x) && std::fabs(x) < 1e15) {
        return QString::number(static_cast<long long>(x));
    }
    QString t = QString::number(x, 'g', 15);
    t.replace(QLatin1Char('e'), QLatin1Char('E'));
    return t;
}

QString ZahlDeutsch(double x, int nachkommastellen) {
    const QLocale de(QLocale::German, QLocale::Germany);
    if (nachkommastellen >= 0) {
        return de.toString(x, 'f', nachkommastellen);
    }
    if (x == std::floor(x) && std::fabs(x) < 1e15) {
        return de.toString(static_cast<long long>(x));
    }
    return de.toString(x, 'g', 15);
}

namespace {
QCollator& DeutscherCollator() {
    static QCollator c = [] {
        QCollator k(QLocale(QLocale::German, QLocale::Germany));
        k.setCaseSensitivity(Qt::CaseInsensitive);
        k.setNumericMode(false);
        k.setIgnorePunctuation(false);
        return k;
    }();
    return c;
}

// Under the German collation each printable ASCII character has one primary
// weight of its own (a letter shares it with its other case) and no accent or
// contraction, so two texts of such characters compare by these weights, one
// character after the other, with the character codes as the tie-break: far
// cheaper than the collator, which the records of a book ask for thousands of
// times. The weights are taken from the collator itself; should it break the
// rule, the short cut stays off.
// Four UTF-16 characters, all of them printable ASCII (0x20 to 0x7E).
bool VierDruckbar(quint64 v) {
    constexpr quint64 kUeber7F = 0xFF80FF80FF80FF80ULL;
    constexpr quint64 kBit7 = 0x0080008000800080ULL;
    if ((v & kUeber7F) != 0) {
        return false;
    }
    // Below 0x80 no lane carries into the next: + 0x60 sets bit 7 from 0x20 on,
    // + 1 only for 0x7F.
    return ((v + 0x0060006000600060ULL) & kBit7) == kBit7 &&
           ((v + 0x0001000100010001ULL) & kBit7) == 0;
}

class AsciiOrdnung {
public:
    static constexpr int kOffen = 2;

    AsciiOrdnung() {
        QCollator& c = DeutscherCollator();
        std::vector<char16_t> zeichen;
        for (char16_t z = 0x20; z < 0x7F; ++z) {
            zeichen.push_back(z);
        }
        auto text = [](char16_t z) { return QString(QChar(z)); };
        std::stable_sort(zeichen.begin(), zeichen.end(),
                         [&](char16_t x, char16_t y) { return c.compare(text(x), text(y)) < 0; });
        quint8 stufe = 1;
        rang_[zeichen.front()] = stufe;
        for (size_t i = 1; i < zeichen.size(); ++i) {
            if (c.compare(text(zeichen[i - 1]), text(zeichen[i])) != 0) {
                ++stufe;
            }
            rang_[zeichen[i]] = stufe;
        }
        // Neighbours must differ in their primary weight: neither a later
        // difference the other way round nor more of the lower one (as digits
        // read as numbers would) may outweigh theirs.
        const QString tief = text(zeichen.front());
        const QString hoch = text(zeichen.back());
        for (size_t i = 1; i < zeichen.size(); ++i) {
            const QString unten = text(zeichen[i - 1]);
            const QString oben = text(zeichen[i]);
            if (rang_[zeichen[i - 1]] != rang_[zeichen[i]] &&
                (c.compare(unten + hoch, oben + tief) >= 0 ||
                 c.compare(unten + unten, oben) >= 0)) {
                return;
            }
        }
        an_ = true;
    }

    // -1, 0 or 1 as the collator with the tie-break orders the two; kOffen when a
    // character outside printable ASCII leaves it to the collator.
    int vergleichen(QStringView a, QStringView b) const {
        if (!an_) {
            return kOffen;
        }
        const char16_t* x = a.utf16();
        const char16_t* y = b.utf16();
        const qsizetype n = std::min(a.size(), b.size());
        // The common start four characters at a time: records of one date share
        // most of their fixed fields.
        qsizetype i = 0;
        for (; i + 4 <= n; i += 4) {
            quint64 vx = 0;
            quint64 vy = 0;
            std::memcpy(&vx, x + i, sizeof vx);
            std::memcpy(&vy, y + i, sizeof vy);
            if (vx != vy) {
                break;
            }
            if (!VierDruckbar(vx)) {
                return kOffen;
            }
        }
        int code = 0;  // the first difference of the codes, for a tie
        for (; i < n; ++i) {
            const char16_t cx = x[i];
            const char16_t cy = y[i];
            if (cx >= 0x80 || cy >= 0x80 || rang_[cx] == 0 || rang_[cy] == 0) {
                return kOffen;
            }
            if (rang_[cx] != rang_[cy]) {
                return rang_[cx] < rang_[cy] ? -1 : 1;
            }
            if (code == 0 && cx != cy) {
                code = cx < cy ? -1 : 1;
            }
        }
        // The longer text goes on with characters that all weigh.
        for (const QChar z : (a.size() > n ? a : b).mid(n)) {
            if (z.unicode() >= 0x80 || rang_[z.unicode()] == 0) {
                return kOffen;
            }
        }
        if (a.size() != b.size()) {
            return a.size() < b.size() ? -1 : 1;
        }
        return code;
    }

private:
    std::array<quint8, 0x80> rang_{};  // 0: not printable ASCII
    bool an_ = false;
};

const AsciiOrdnung& Ascii() {
    static const AsciiOrdnung o;
    return o;
}

}  // namespace

int DeutschVergleichen(const QString& a, const QString& b) {
    const int kurz = Ascii().vergleichen(a, b);
    if (kurz != AsciiOrdnung::kOffen) {
        return kurz;
    }
    const int r = DeutscherCollator().compare(a, b);
    if (r != 0) {
        return r < 0 ? -1 : 1;
    }
    return a < b ? -1 : (b < a ? 1 : 0);
}

std::vector<qsizetype> DeutscheReihenfolge(const QStringList& schluessel) {
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<size_t>(schluessel.size()));
    for (const QString& s : schluessel) {
        keys.push_back(DeutscherCollator().sortKey(s));
    }
    std::vector<qsizetype> reihe(static_cast<size_t>(schluessel.size()));
    for (size_t i = 0; i < reihe.size(); ++i) {
        reihe[i] = static_cast<qsizetype>(i);
    }
    std::stable_sort(reihe.begin(), reihe.end(), [&](qsizetype a, qsizetype b) {
        const int r = keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]);
        if (r != 0) {
            return r < 0;
        }
        return schluessel[a] < schluessel[b];
    });
    return reihe;
}

void DeutschSortieren(QStringList& liste) {
    const auto reihe = DeutscheReihenfolge(liste);
    QStringList neu;
    neu.reserve(liste.size());
    for (qsizetype i : reihe) {
        neu.append(liste[i]);
    }
    liste = std::move(neu);
}

}  // namespace kronel
