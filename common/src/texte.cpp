#include "common/texte.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "common/zahlformat.h"
#include "platform/dienste.h"
#include "platform/drucker.h"
#include "platform/oberflaeche.h"
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

namespace kronel {

namespace {

QString Flag(bool b) {
    return b ? QStringLiteral("-1") : QStringLiteral("0");
}

// The patterns "0.0", "0.00" ... and "#.0" with the decimal comma.
QString Muster(double x, const char* muster) {
    return ZahlFormatieren(x, QLatin1String(muster)).wertOder(QString());
}

bool IstWorttrenner(QChar c) {
    if (c.unicode() < 32) {
        return true;
    }
    static const QString trenner = QStringLiteral(" .,;!?°-_()[]«»\\:@\"");
    return trenner.contains(c);
}

}  // namespace

QString SchriftAlsText(const SchriftTraeger& steuerelement) {
    const SchriftWerte s = steuerelement.schrift();
    QString t = s.name + QLatin1Char(';') + ZahlText(s.groesse) + QLatin1Char(';') + Flag(s.fett) +
                QLatin1Char(';') + Flag(s.kursiv) + QLatin1Char(';') + Flag(s.unterstrichen) +
                QLatin1Char(';');
    if (const std::optional<qint32> farbe = steuerelement.farbe()) {
        t += QString::number(*farbe) + QLatin1Char(';');
    }
    return t;
}

void SchriftSetzen(SchriftTraeger& steuerelement, const QString& schrifttext, const QString& art) {
    const QString a = LCase(art);
    const bool schrift = a.isEmpty() || a.contains(QStringLiteral("schr")) ||
                         a.contains(QStringLiteral("alle")) || a.contains(QStringLiteral("print"));
    const bool farbe =
        a.isEmpty() || a.contains(QStringLiteral("farb")) || a.contains(QStringLiteral("alle"));
    QStringList felder = (schrifttext + QStringLiteral(";;;;;;;;;;")).split(QLatin1Char(';'));
    for (QString& f : felder) {
        f = Trim(f);
    }
    if (schrift) {
        SchriftWerte s = steuerelement.schrift();
        if (!felder[0].isEmpty()) {
            s.name = felder[0];
        }
        if (!felder[1].isEmpty()) {
            s.groesse = Val(felder[1]);
        }
        bool* flags[] = {&s.fett, &s.kursiv, &s.unterstrichen};
        for (int i = 0; i < 3; ++i) {
            if (!felder[2 + i].isEmpty()) {
                *flags[i] = Val(felder[2 + i]) != 0;
            }
        }
        steuerelement.schriftSetzen(s);
    }
    if (farbe && !felder[5].isEmpty()) {
        // a control without a colour refuses it; that is no failure
        steuerelement.farbeSetzen(static_cast<qint32>(Val(felder[5])));
    }
}

namespace {

class DruckerSchriftTraeger final : public SchriftTraeger {
public:
    explicit DruckerSchriftTraeger(Drucker& d) : d_(d) {}
    SchriftWerte schrift() const override {
        return {d_.FontName(), d_.FontSize(), d_.FontBold(), d_.FontItalic(), false};
    }
    void schriftSetzen(const SchriftWerte& s) override {
        d_.setFontName(s.name);
        d_.setFontSize(s.groesse);
        d_.setFontBold(s.fett);
        d_.setFontItalic(s.kursiv);
    }
    std::optional<qint32> farbe() const override { return d_.ForeColor(); }
    bool farbeSetzen(qint32 f) override {
        d_.setForeColor(f);
        return true;
    }

private:
    Drucker& d_;
};

}  // namespace

std::unique_ptr<SchriftTraeger> DruckerSchrift(Drucker& drucker) {
    return std::make_unique<DruckerSchriftTraeger>(drucker);
}

void TextEinfuegen(TextSteuerelement& feld, const QString& text) {
    const int p = feld.auswahlStart();
    const int n = feld.auswahlLaenge();
    const QString alt = feld.text();
    feld.textSetzen(Left(alt, p) + text + Mid(alt, p + n + 1));
    feld.auswahlSetzen(p + static_cast<int>(text.size()), 0);
    feld.fokusSetzen();  // a field that cannot take the focus keeps the text all the same
}

void Warten(double sekunden) {
    if (QCoreApplication::instance() == nullptr) {
        if (sekunden > 0) {
            std::this_thread::sleep_for(std::chrono::duration<double>(sekunden));
        }
        return;
    }
    if (!(sekunden > 0)) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop schleife;
    QTimer::singleShot(static_cast<int>(std::min(sekunden, 86400.0) * 1000.0 + 0.5), &schleife,
                       &QEventLoop::quit);
    schleife.exec();
}

QString ZahlMitVorsatz(double zahl) {
    const double x = std::fabs(zahl);
    if (x >= 1000) {
        static const char* vorsatz[] = {"k", "M", "G", "T", "P", "E"};
        int k = 1;
        while (k < 6 && x >= std::pow(1000.0, k + 1)) {
            ++k;
        }
        return Muster(x / std::pow(1000.0, k), "0.0") + QLatin1Char(' ') +
               QLatin1String(vorsatz[k - 1]);
    }
    const char* muster = x < 0.1 ? "0.000" : x < 1 ? "0.00" : x < 10 ? "0.0" : "0";
    return Muster(x, muster) + QLatin1Char(' ');
}

QString DauerText(double sekunden) {
    const long long s = RundenGerade(std::fabs(sekunden));
    const double d = static_cast<double>(s);
    QString t =
        QString::number(s) + (s == 1 ? QStringLiteral(" Sekunde") : QStringLiteral(" Sekunden"));
    if (s >= 61) {
        t = Muster(d / 60, "#.0") + QStringLiteral(" Minuten");
    }
    if (s >= 3600) {
        t = Muster(d / 3600, "#.0") + QStringLiteral(" Stunden");
    }
    if (s >= 129600) {
        t = Muster(d / 86400, "#.0") + QStringLiteral(" Tage");
    }
    if (s >= 31557600) {
        t = Muster(d / 31557600, "#.0") + QStringLiteral(" Jahre");
    }
    return t;
}

QString GrossKlein(const QString& text) {
    if (text.size() <= 1) {
        return UCase(text);
    }
    QString t = text;
    t[0] = GrossBuchstabe(t[0]);
    const qsizetype n = t.size();
    for (qsizetype i = 1; i < n; ++i) {
        const QChar vorher = text[i - 1];
        const bool endung = vorher == u'.' && i == n - 3;
        t[i] = IstWorttrenner(vorher) && !endung ? GrossBuchstabe(t[i]) : KleinBuchstabe(t[i]);
    }
    return t;
}

long long FarbAnzahl() {
    const int bits = std::clamp(bildschirm().bitsProPixel(), 0, 62);
    return 1LL << bits;
}

}  // namespace kronel
