#include "common/formel.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "common/fehlermeldung.h"
#include "common/zeichenketten.h"
#include "platform/dienste.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

// Text positions of the notation are 16-bit numbers.
constexpr qsizetype kMaxLaenge = 32767;
// Groups nest by recursion; a deeper formula is refused as malformed.
constexpr int kMaxTiefe = 100;

const QChar kAnf(u'"');

struct Laufzeitfehler {
    Fehler fehler;
};
struct Formelfehler {};

[[noreturn]] void Fault(int nummer) {
    throw Laufzeitfehler{Fehler(nummer)};
}

double Endlich(double x) {
    if (std::isnan(x)) {
        Fault(FehlerNr::UngueltigesArgument);
    }
    if (std::isinf(x)) {
        Fault(FehlerNr::Ueberlauf);
    }
    return x;
}

bool IstZiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The value of the longest numeric prefix: sign, digits, one ".", an exponent
// with "E" or "D"; blanks are skipped; no number reads 0. Beyond the range of a
// double is an overflow.
double Wert(const QString& s, qsizetype von = 0) {
    const qsizetype n = s.size();
    qsizetype i = von;
    auto blanks = [&] {
        while (i < n && s[i] == u' ') {
            ++i;
        }
    };
    std::string z;
    blanks();
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-') {
            z += '-';
        }
        ++i;
    }
    bool ziffern = false;
    qsizetype ganzeZiffern = 0;
    bool fuehrend = true;
    auto ziffernLesen = [&](bool ganz) {
        while (i < n) {
            if (IstZiffer(s[i])) {
                const char c = static_cast<char>(s[i].unicode());
                if (ganz && !(fuehrend && c == '0')) {
                    fuehrend = false;
                    ++ganzeZiffern;
                }
                z += c;
                ziffern = true;
                ++i;
            } else if (s[i] == u' ') {
                ++i;
            } else {
                break;
            }
        }
    };
    ziffernLesen(true);
    if (i < n && s[i] == u'.') {
        z += '.';
        ++i;
        ziffernLesen(false);
    }
    if (!ziffern) {
        return 0.0;
    }
    long long exponent = 0;
    if (i < n && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        ++i;
        blanks();
        bool negativ = false;
        if (i < n && (s[i] == u'+' || s[i] == u'-')) {
            negativ = s[i] == u'-';
            ++i;
        }
        while (i < n && (IstZiffer(s[i]) || s[i] == u' ')) {
            if (s[i] != u' ' && exponent < 1000000) {
                exponent = exponent * 10 + (s[i].unicode() - u'0');
            }
            ++i;
        }
        if (negativ) {
            exponent = -exponent;
        }
    }
    z += 'e';
    z += std::to_string(exponent);
    double v = 0.0;
    const auto r = std::from_chars(z.data(), z.data() + z.size(), v);
    if (r.ec == std::errc::result_out_of_range) {
        if (ganzeZiffern + exponent > 0) {
            Fault(FehlerNr::Ueberlauf);
        }
        return 0.0;
    }
    return Endlich(v);
}

QString Zahltext(double x) {
    return FormelZahlText(Endlich(x));
}

std::int32_t Ganzzahl(double x) {
    const double r = std::nearbyint(x);  // halves to even, as the classic CLng
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) {
        Fault(FehlerNr::Ueberlauf);
    }
    return static_cast<std::int32_t>(RundenGerade(x));
}

double Teilen(double a, double b) {
    if (b == 0.0) {
        Fault(FehlerNr::DivisionDurchNull);
    }
    return Endlich(a / b);
}

double Log(double x) {
    if (!(x > 0.0)) {
        Fault(FehlerNr::UngueltigesArgument);
    }
    return std::log(x);
}

double Wurzel(double x) {
    if (x < 0.0) {
        Fault(FehlerNr::UngueltigesArgument);
    }
    return std::sqrt(x);
}

double Sgn(double x) {
    return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0);
}

double Hoch(double basis, double exponent) {
    if (basis == 0.0 && exponent < 0.0) {
        Fault(FehlerNr::DivisionDurchNull);
    }
    if (basis < 0.0 && exponent != std::floor(exponent)) {
        Fault(FehlerNr::UngueltigesArgument);
    }
    return Endlich(std::pow(basis, exponent));
}

const double kHalbPi = 2.0 * std::atan(1.0);
const double kLn10 = std::log(10.0);

struct Funktion {
    const char16_t* name;
    int laenge;
};

constexpr std::array<Funktion, 29> kFunktionen = {{
    {u"ARCSINH", 7}, {u"ARCCOSH", 7}, {u"ARCTANH", 7}, {u"ARCSECH", 7}, {u"ARCCSCH", 7},
    {u"ARCCOTH", 7}, {u"ARCSIN", 6},  {u"ARCCOS", 6},  {u"ARCSEC", 6},  {u"ARCCSC", 6},
    {u"ARCCOT", 6},  {u"SINH", 4},    {u"TANH", 4},    {u"SECH", 4},    {u"CSCH", 4},
    {u"COTH", 4},    {u"SEC", 3},     {u"CSC", 3},     {u"COT", 3},     {u"SIN", 3},
    {u"COS", 3},     {u"TAN", 3},     {u"ATN", 3},     {u"LOG", 3},     {u"EXP", 3},
    {u"SQR", 3},     {u"CLG", 3},     {u"ABS", 3},     {u"NOT", 3},
}};

// The value of function number nr (0-based, in table order) at x.
double FunktionsWert(int nr, double x) {
    const double ex = nr >= 11 && nr <= 15 ? Endlich(std::exp(x)) : 0.0;
    const double emx = nr >= 11 && nr <= 15 ? Endlich(std::exp(-x)) : 0.0;
    const double ax = std::fabs(x);
    auto fehler = [](bool b) {
        if (b) {
            throw Formelfehler{};
        }
    };
    switch (nr) {
        case 0:  // ARCSINH
            return Log(x + Wurzel(x * x + 1.0));
        case 1:  // ARCCOSH
            fehler(ax < 1.0);
            return Log(x + Wurzel(x * x - 1.0));
        case 2:  // ARCTANH
            fehler(ax == 1.0);
            return Log(Teilen(1.0 + x, 1.0 - x)) / 2.0;
        case 3:  // ARCSECH
            fehler(ax > 1.0);
            return Log(Teilen(Wurzel(1.0 - x * x) + 1.0, x));
        case 4:  // ARCCSCH
            fehler(x == 0.0);
            return Log(Teilen(Sgn(x) * Wurzel(x * x + 1.0) + 1.0, x));
        case 5:  // ARCCOTH
            fehler(ax == 1.0);
            return Log(Teilen(x + 1.0, x - 1.0)) / 2.0;
        case 6:  // ARCSIN
            fehler(ax > 1.0);
            return std::atan(Teilen(x, Wurzel(1.0 - x * x)));
        case 7:  // ARCCOS
            fehler(ax > 1.0);
            return kHalbPi - std::atan(Teilen(x, Wurzel(1.0 - x * x)));
        case 8:  // ARCSEC: arccos(1/x), defined for |x| >= 1
            fehler(ax < 1.0);
            return std::acos(1.0 / x);
        case 9:  // ARCCSC: arcsin(1/x), defined for |x| >= 1
            fehler(ax < 1.0);
            return std::asin(1.0 / x);
        case 10:  // ARCCOT: the principal value in (0, pi)
            return kHalbPi - std::atan(x);
        case 11:  // SINH
            return (ex - emx) / 2.0;
        case 12:  // TANH
            return Teilen(ex - emx, ex + emx);
        case 13:  // SECH
            return Teilen(2.0, ex + emx);
        case 14:  // CSCH
            return Teilen(2.0, ex - emx);
        case 15:  // COTH
            fehler(x == 0.0);
            return Teilen(ex + emx, ex - emx);
        case 16:  // SEC
            fehler(ax == kHalbPi);
            return Teilen(1.0, std::cos(x));
        case 17:  // CSC
            fehler(x == 0.0);
            return Teilen(1.0, std::sin(x));
        case 18:  // COT
            fehler(ax == kHalbPi || x == 0.0);
            return Teilen(1.0, std::tan(x));
        case 19:
            return std::sin(x);
        case 20:
            return std::cos(x);
        case 21:  // TAN
            fehler(ax == kHalbPi);
            return std::tan(x);
        case 22:
            return std::atan(x);
        case 23:  // LOG
            fehler(x <= 0.0);
            return Log(x);
        case 24:
            return std::exp(x);
        case 25:  // SQR
            fehler(x < 0.0);
            return Wurzel(x);
        case 26:  // CLG
            fehler(x <= 0.0);
            return Log(x) / kLn10;
        case 27:
            return ax;
        case 28:  // NOT
            return static_cast<double>(~Ganzzahl(x));
        default:
            return 0.0;
    }
}

// One evaluation (a formula or the inner text of a group).
class Auswertung {
public:
    Auswertung(QString text, int tiefe) : t_(std::move(text)), tiefe_(tiefe) {}

    double rechnen();

private:
    // Positions below are 0-based indexes into t_.
    qsizetype n() const { return t_.size(); }
    void laengePruefen() const {
        if (t_.size() > kMaxLaenge) {
            Fault(FehlerNr::Ueberlauf);
        }
    }
    // Guards every loop of a stage: each round removes an operator, so a
    // stage never needs more rounds than the text has characters.
    void runde(qsizetype& zaehler) const {
        if (++zaehler > 4 * kMaxLaenge) {
            throw Formelfehler{};
        }
    }

    bool istZahl(const QString& s) const {
        const QString z = Zahltext(Wert(s));
        return s == z || (s.size() == z.size() + 1 && s[0] == u'+' && s.mid(1) == z);
    }

    // Start of the left operand of an operator at m.
    qsizetype linksStart(qsizetype m) const;
    // End (exclusive) of the right operand that starts at r, and its value.
    qsizetype rechtsEnde(qsizetype r, double& wert) const;
    // Replaces t_[a, b) by the number text of v.
    void einsetzen(qsizetype a, qsizetype b, double v) {
        t_ = t_.left(a) + Zahltext(v) + t_.mid(b);
        laengePruefen();
    }
    // Applies op to the operands around the operator t_[m, m + laenge).
    template <typename Op>
    double zweistellig(qsizetype m, qsizetype laenge, Op op) {
        const qsizetype a = linksStart(m);
        const double links = Wert(t_.mid(a, m - a));
        double rechts = 0.0;
        const qsizetype b = rechtsEnde(m + laenge, rechts);
        const double v = Endlich(op(links, rechts));
        einsetzen(a, b, v);
        return v;
    }
    // True when the whole text is now the number text of v.
    bool fertig(double v) const { return t_ == Zahltext(v); }
    // Position of the first s at or after von; -1 when absent or, as the
    // notation has it, when found as the last character of the text.
    qsizetype finden(const QString& s, qsizetype von = 0) const {
        const qsizetype p = t_.indexOf(s, von);
        return p == n() - 1 ? -1 : p;
    }

    void konstanten();
    void gruppen();
    void funktionen();
    void fakultaeten();
    void vorzeichenpaare();
    bool potenzen(double& ergebnis);
    bool punktrechnung(double& ergebnis);
    bool strichrechnung(double& ergebnis);
    bool vergleiche(double& ergebnis);
    void logik();

    QString t_;
    int tiefe_;
};

qsizetype Auswertung::linksStart(qsizetype m) const {
    qsizetype a = m;
    bool vorzeichen = false;
    bool exponent = false;
    for (qsizetype i = m - 1; i >= 0; --i) {
        const QChar c = t_[i];
        if (IstZiffer(c) || c == u'.') {
            a = i;
            continue;
        }
        if (c == u'D' || c == u'E') {
            // The D of AND and MOD is a letter of the operator, no exponent.
            if (exponent || (c == u'D' && i >= 2 &&
                             (t_.mid(i - 2, 3) == u"AND" || t_.mid(i - 2, 3) == u"MOD"))) {
                break;
            }
            exponent = true;
            vorzeichen = false;
            a = i;
            continue;
        }
        if (c == u'+' || c == u'-') {
            if (vorzeichen) {
                break;
            }
            if (i == 0) {
                a = 0;
                break;
            }
            const QChar davor = t_[i - 1];
            if (IstZiffer(davor) || davor == u'.') {
                break;  // the operator of another operation
            }
            vorzeichen = true;
            a = i;
            continue;
        }
        break;
    }
    return a;
}

qsizetype Auswertung::rechtsEnde(qsizetype r, double& wert) const {
    const QString rest = t_.mid(r);
    wert = Wert(rest);
    if (rest == Zahltext(wert)) {
        return n();
    }
    qsizetype i = r;
    if (i < n() && ((t_[i] == u'+' && wert > 0.0) || (t_[i] == u'-' && wert < 0.0))) {
        ++i;
    }
    bool punkt = false;
    bool exponent = false;
    while (i < n()) {
        const QChar c = t_[i];
        if (IstZiffer(c)) {
            ++i;
        } else if (c == u'.' && !punkt) {
            punkt = true;
            ++i;
        } else if ((c == u'D' || c == u'E') && !exponent) {
            exponent = true;
            ++i;
        } else if ((c == u'+' || c == u'-') && i > r && (t_[i - 1] == u'D' || t_[i - 1] == u'E')) {
            ++i;
        } else {
            break;
        }
    }
    return i;
}

void Auswertung::konstanten() {
    static const QString pi = QStringLiteral("PI");
    static const QString e = QStringLiteral("e");
    static const QString heute = QStringLiteral("@TODAY");
    const std::array<const QString*, 3> namen = {&pi, &e, &heute};
    for (const QString* name : namen) {
        qsizetype p = t_.indexOf(*name);
        if (p < 0) {
            continue;
        }
        // Today's day number, at each evaluation (a program may run for days).
        const QString ersatz =
            name == &pi  ? QStringLiteral("3.14159265358979323846")
            : name == &e ? QStringLiteral("2.71828182845904523536")
                         : QLatin1Char(' ') + QString::number(Date2Num(uhr().heute().toString(
                                                  QStringLiteral("MM-dd-yyyy"))));
        // No replacement holds its name, so going on behind it finds what a
        // search from the start would find; the quotes are counted along.
        qsizetype von = 0;
        std::int32_t anfuehrungen = 0;
        for (; p >= 0; p = t_.indexOf(*name, von)) {
            anfuehrungen += InCount(t_.mid(von, p - von + 1), kAnf);
            if (anfuehrungen % 2 != 0) {
                break;  // inside quoted text: this constant is done
            }
            t_ = t_.left(p) + ersatz + t_.mid(p + name->size());
            laengePruefen();
            von = p + ersatz.size();
        }
    }
}

double Auswerten(QString& text, int tiefe);

void Auswertung::gruppen() {
    qsizetype suche = 0;
    for (;;) {
        const qsizetype p = t_.indexOf(QLatin1Char('('), suche);
        if (p < 0) {
            return;
        }
        const int q = PMatch(t_.mid(p));
        if (q < 2) {
            throw Formelfehler{};  // a "(" without its ")" behind it
        }
        QString innen = t_.mid(p + 1, q - 2);
        double v = 0.0;
        if (istZahl(innen)) {
            v = Wert(innen);
        } else {
            v = Auswerten(innen, tiefe_ + 1);
            if (ASCII(innen) == u'%') {
                throw Formelfehler{};
            }
        }
        einsetzen(p, p + q, v);
        suche = p + 1;
    }
}

void Auswertung::funktionen() {
    static const std::array<QString, kFunktionen.size()> namen = [] {
        std::array<QString, kFunktionen.size()> n;
        for (size_t i = 0; i < kFunktionen.size(); ++i) {
            n[i] = QString::fromUtf16(kFunktionen[i].name, kFunktionen[i].laenge);
        }
        return n;
    }();
    // Every name is made of letters; most formulas hold none.
    if (std::none_of(t_.cbegin(), t_.cend(), [](QChar c) { return c >= u'A' && c <= u'Z'; })) {
        return;
    }
    for (int nr = 0; nr < static_cast<int>(namen.size()); ++nr) {
        const QString& name = namen[static_cast<size_t>(nr)];
        // A value text holds no letters but the E of an exponent between
        // digits, so no name appears in front of the place just replaced.
        qsizetype von = 0;
        for (;;) {
            const qsizetype p = t_.indexOf(name, von);
            if (p < 0) {
                break;
            }
            double x = 0.0;
            const qsizetype b = rechtsEnde(p + name.size(), x);
            einsetzen(p, b, Endlich(FunktionsWert(nr, x)));
            von = p;
        }
    }
}

void Auswertung::fakultaeten() {
    qsizetype runden = 0;
    for (;;) {
        runde(runden);
        const qsizetype p = t_.indexOf(QLatin1Char('!'));
        if (p < 0) {
            return;
        }
        qsizetype a = p;
        while (a > 0 && IstZiffer(t_[a - 1])) {
            --a;
            if (p - a >= 5) {
                throw Formelfehler{};  // five digits or more
            }
        }
        if (a > 0 && t_[a - 1] == u'.') {
            throw Formelfehler{};  // only whole numbers have a factorial
        }
        const int wert = p == a ? 0 : t_.mid(a, p - a).toInt();
        if (wert > 170) {
            throw Formelfehler{};
        }
        einsetzen(a, p + 1, Factorial(static_cast<std::int16_t>(wert)));
    }
}

void Auswertung::vorzeichenpaare() {
    for (;;) {
        qsizetype p = t_.indexOf(QStringLiteral("++"));
        if (p >= 0) {
            t_.remove(p, 1);
            continue;
        }
        p = t_.indexOf(QStringLiteral("-+"));
        if (p >= 0) {
            t_.remove(p + 1, 1);
            continue;
        }
        p = t_.indexOf(QStringLiteral("--"));
        if (p >= 0) {
            t_.replace(p, 2, QStringLiteral("+"));
            continue;
        }
        return;
    }
}

bool Auswertung::potenzen(double& ergebnis) {
    qsizetype runden = 0;
    for (;;) {
        runde(runden);
        const qsizetype p = t_.indexOf(QLatin1Char('^'));
        if (p < 0) {
            return false;
        }
        if (p == 0) {
            throw Formelfehler{};
        }
        const double v = zweistellig(p, 1, Hoch);
        if (fertig(v)) {
            ergebnis = Wert(t_);
            return true;
        }
    }
}

// The leftmost of positions where -1 means not found.
qsizetype Linkeste(std::initializer_list<qsizetype> positionen) {
    // Positions are 16-bit numbers of the notation (the text is never longer).
    std::int16_t best = 0;
    for (const qsizetype p : positionen) {
        const auto eins = static_cast<std::int16_t>(p + 1);
        best = best == 0 ? eins : (eins == 0 ? best : MinInt(best, eins));
    }
    return best - 1;
}

bool Auswertung::punktrechnung(double& ergebnis) {
    qsizetype runden = 0;
    for (;;) {
        runde(runden);
        const qsizetype mal = finden(QStringLiteral("*"));
        const qsizetype durch = finden(QStringLiteral("/"));
        const qsizetype ganz = finden(QStringLiteral("\\"));
        const qsizetype mod = finden(QStringLiteral("MOD"));
        const qsizetype p = Linkeste({mal, durch, ganz, mod});
        if (p < 0) {
            return false;
        }
        if (p == 0) {
            throw Formelfehler{};
        }
        double v = 0.0;
        auto nichtNull = [](double r) {
            if (r == 0.0) {
                throw Formelfehler{};
            }
        };
        if (p == mal) {
            v = zweistellig(p, 1, [](double a, double b) { return a * b; });
        } else if (p == durch) {
            v = zweistellig(p, 1, [&](double a, double b) {
                nichtNull(b);
                return a / b;
            });
        } else if (p == ganz) {
            v = zweistellig(p, 1, [&](double a, double b) {
                nichtNull(b);
                const std::int32_t x = Ganzzahl(a);
                const std::int32_t y = Ganzzahl(b);
                if (y == 0) {
                    Fault(FehlerNr::DivisionDurchNull);
                }
                return static_cast<double>(static_cast<std::int64_t>(x) / y);
            });
        } else {
            v = zweistellig(p, 3, [&](double a, double b) {
                nichtNull(b);
                const std::int32_t x = Ganzzahl(a);
                const std::int32_t y = Ganzzahl(b);
                if (y == 0) {
                    Fault(FehlerNr::DivisionDurchNull);
                }
                return static_cast<double>(static_cast<std::int64_t>(x) % y);
            });
        }
        if (fertig(v)) {
            ergebnis = Wert(t_);
            return true;
        }
    }
}

bool Auswertung::strichrechnung(double& ergebnis) {
    qsizetype runden = 0;
    for (;;) {
        runde(runden);
        qsizetype plus = -1;
        for (qsizetype p = t_.indexOf(QLatin1Char('+'), 1); p >= 0;
             p = t_.indexOf(QLatin1Char('+'), p + 1)) {
            if (t_[p - 1] != u'D' && t_[p - 1] != u'E') {
                plus = p;
                break;
            }
        }
        qsizetype minus = -1;
        for (qsizetype p = t_.indexOf(QLatin1Char('-')); p >= 0;
             p = t_.indexOf(QLatin1Char('-'), p + 1)) {
            if (p == 0) {
                const double v = Wert(t_);
                if (Zahltext(v).size() == n()) {
                    ergebnis = v;
                    return true;
                }
                continue;
            }
            if (IstZiffer(t_[p - 1])) {
                minus = p;
                break;
            }
        }
        if (plus == n() - 1) {
            plus = -1;
        }
        if (minus == n() - 1) {
            minus = -1;
        }
        const qsizetype p = Linkeste({plus, minus});
        if (p < 0) {
            return false;
        }
        const double v = p == plus ? zweistellig(p, 1, [](double a, double b) { return a + b; })
                                   : zweistellig(p, 1, [](double a, double b) { return a - b; });
        if (fertig(v)) {
            ergebnis = Wert(t_);
            return true;
        }
    }
}

bool Auswertung::vergleiche(double& ergebnis) {
    qsizetype runden = 0;
    for (;;) {
        runde(runden);
        const qsizetype p = Linkeste({finden(QStringLiteral("=")), finden(QStringLiteral(">")),
                                      finden(QStringLiteral("<"))});
        if (p < 0) {
            return false;
        }
        if (p == 0) {
            throw Formelfehler{};
        }
        const QChar op = t_[p];
        auto gilt = [op](int vergleich) {
            const bool b =
                op == u'=' ? vergleich == 0 : (op == u'>' ? vergleich > 0 : vergleich < 0);
            return b ? -1.0 : 0.0;
        };
        double v = 0.0;
        if (t_[p - 1] == kAnf) {
            // Two quoted texts: "left"="right".
            const int auf1 = QInstrB(static_cast<int>(p - 1), t_, kAnf);  // 1-based, 0: none
            const QString links = t_.mid(auf1, p - 1 - auf1);
            const qsizetype von2 = p + 2;
            qsizetype zu2 = von2 < n() ? t_.indexOf(kAnf, von2) : -1;
            const QString rechts = von2 < n() ? t_.mid(von2, zu2 < 0 ? -1 : zu2 - von2) : QString();
            if (zu2 < 0) {
                zu2 = n() - 1;
            }
            v = gilt(QString::compare(links, rechts));
            t_ = t_.left(auf1 > 0 ? auf1 - 1 : 0) + Zahltext(v) + t_.mid(zu2 + 1);
        } else {
            v = zweistellig(
                p, 1, [&](double a, double b) { return gilt(a == b ? 0 : (a > b ? 1 : -1)); });
        }
        if (fertig(v)) {
            ergebnis = Wert(t_);
            return true;
        }
    }
}

void Auswertung::logik() {
    for (const QString& op : {QStringLiteral("AND"), QStringLiteral("OR")}) {
        qsizetype runden = 0;
        for (;;) {
            runde(runden);
            const qsizetype p = t_.indexOf(op);
            if (p < 0) {
                break;
            }
            const bool und = op.size() == 3;
            zweistellig(p, op.size(), [und](double a, double b) {
                const std::int32_t x = Ganzzahl(a);
                const std::int32_t y = Ganzzahl(b);
                return static_cast<double>(und ? (x & y) : (x | y));
            });
        }
    }
}

double Auswertung::rechnen() {
    if (tiefe_ > kMaxTiefe) {
        throw Formelfehler{};
    }
    t_ = Compact(Ersetzen(t_, QStringLiteral(","), QStringLiteral(".")));
    laengePruefen();
    konstanten();
    t_ = UCase(t_);
    if (InCount(t_, u'(') != InCount(t_, u')') || ASCII(t_) == u'%') {
        throw Formelfehler{};
    }
    gruppen();
    if (istZahl(t_)) {
        return Wert(t_);
    }
    funktionen();
    fakultaeten();
    vorzeichenpaare();
    double ergebnis = 0.0;
    if (potenzen(ergebnis) || punktrechnung(ergebnis) || strichrechnung(ergebnis) ||
        vergleiche(ergebnis)) {
        return ergebnis;
    }
    logik();
    return Wert(t_);
}

// A malformed formula: 0, and "%" in front of the text as it was passed.
double Auswerten(QString& text, int tiefe) {
    try {
        return Auswertung(text, tiefe).rechnen();
    } catch (const Formelfehler&) {
        text.prepend(QLatin1Char('%'));
        return 0.0;
    }
}

}  // namespace

QString FormelZahlText(double x) {
    if (x == 0.0 || !std::isfinite(x)) {
        return QStringLiteral("0");
    }
    std::array<char, 64> puffer{};
    const auto r = std::to_chars(puffer.data(), puffer.data() + puffer.size(), x,
                                 std::chars_format::general, 15);
    QString s = QString::fromLatin1(puffer.data(), r.ptr - puffer.data());
    s.replace(QLatin1Char('e'), QLatin1Char('E'));
    if (s.startsWith(QLatin1String("0."))) {
        s.remove(0, 1);
    } else if (s.startsWith(QLatin1String("-0."))) {
        s.remove(1, 1);
    }
    return s;
}

Ergebnis<double> FormelAuswerten(QString& text) {
    try {
        QString arbeit = text;
        const double v = Auswerten(arbeit, 0);
        text = arbeit;
        return v;
    } catch (const Laufzeitfehler& f) {
        return f.fehler;
    }
}

}  // namespace kronel
