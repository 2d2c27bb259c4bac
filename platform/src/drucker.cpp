#include "platform/drucker.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

#include "platform/text.h"

namespace kronel {

namespace {

// Units of one centimetre in each scale mode.
double EinheitenJeCm(int modus) {
    switch (modus) {
        case Massstab::Twips:
            return 1440.0 / 2.54;
        case Massstab::Punkt:
            return 72.0 / 2.54;
        case Massstab::Zoll:
            return 1.0 / 2.54;
        case Massstab::Millimeter:
            return 10.0;
        case Massstab::Zentimeter:
            return 1.0;
        default:
            return 0.0;
    }
}

// Lines of a text; unlike ZeilenTeilen a closing line end gives an empty last
// line, since it moves the print position one line down.
QStringList DruckZeilen(const QString& text) {
    return ZeilenTeilen(text, LetztesZeilenende::BeginntZeile);
}

// A length for the call log, rounded so that unit conversions do not show.
QString Cm(double x) {
    return ZahlText(std::round(x * 10000.0) / 10000.0);
}

// Tolerance for positions that land on the bottom edge by rounding.
constexpr double Genauigkeit = 1e-9;

class KeinDrucker final : public EinfachesSeitenmodell {
protected:
    Status dokumentBeginnen(const Zustand&) override { return Fehlt(); }
    Status seiteBeginnen(const Zustand&) override { return Fehlt(); }
    Status zeileZeichnen(const Zustand&, double, double, const QString&) override {
        return Fehlt();
    }
    Status punktZeichnen(double, double, int) override { return Fehlt(); }
    Status rahmenZeichnen(double, double, double, double, int) override { return Fehlt(); }
    Ergebnis<QString> dokumentBeenden() override { return QString(); }
    void dokumentVerwerfen() override {}

private:
    static Fehler Fehlt() {
        return Fehler(FehlerNr::Druckerfehler, QStringLiteral("Es ist kein Drucker eingerichtet."));
    }
};

Drucker*& Installiert() {
    static Drucker* d = nullptr;
    return d;
}

}  // namespace

Drucker& drucker() {
    static KeinDrucker ersatz;
    return Installiert() != nullptr ? *Installiert() : ersatz;
}

Drucker* DruckerSetzen(Drucker* d) {
    Drucker* vorher = Installiert();
    Installiert() = d;
    return vorher;
}

// --- DruckerSeitenmodell ----------------------------------------------------

double DruckerSeitenmodell::inEinheit(double cm) const {
    return cm * EinheitenJeCm(modus_);
}

double DruckerSeitenmodell::inCm(double wert) const {
    return wert / EinheitenJeCm(modus_);
}

Status DruckerSeitenmodell::setScaleMode(int modus) {
    if (EinheitenJeCm(modus) == 0.0) {
        return Fehler(FehlerNr::Eigenschaftswert);
    }
    modus_ = modus;
    aufgerufen(QStringLiteral("ScaleMode %1").arg(modus));
    return {};
}

double DruckerSeitenmodell::ScaleWidth() const {
    return inEinheit(seitenBreiteCm(schrift_.ausrichtung));
}

double DruckerSeitenmodell::ScaleHeight() const {
    return inEinheit(seitenHoeheCm(schrift_.ausrichtung));
}

Status DruckerSeitenmodell::setOrientation(int ausrichtung) {
    if (ausrichtung != Ausrichtung::Hochformat && ausrichtung != Ausrichtung::Querformat) {
        return Fehler(FehlerNr::Eigenschaftswert);
    }
    schrift_.ausrichtung = ausrichtung;
    aufgerufen(QStringLiteral("Orientation %1").arg(ausrichtung));
    return {};
}

void DruckerSeitenmodell::setCurrentX(double x) {
    x_ = inCm(x);
    aufgerufen(QStringLiteral("CurrentX ") + Cm(x_));
}

void DruckerSeitenmodell::setCurrentY(double y) {
    y_ = inCm(y);
    aufgerufen(QStringLiteral("CurrentY ") + Cm(y_));
}

void DruckerSeitenmodell::setFontName(const QString& name) {
    if (!Trim(name).isEmpty()) {
        schrift_.name = Trim(name);
    }
    aufgerufen(QStringLiteral("FontName ") + name);
}

void DruckerSeitenmodell::setFontSize(double punkte) {
    if (punkte > 0.0) {
        schrift_.groesse = punkte;
    }
    aufgerufen(QStringLiteral("FontSize ") + ZahlText(punkte));
}

void DruckerSeitenmodell::setFontBold(bool an) {
    schrift_.fett = an;
    aufgerufen(QStringLiteral("FontBold %1").arg(an ? 1 : 0));
}

void DruckerSeitenmodell::setFontItalic(bool an) {
    schrift_.kursiv = an;
    aufgerufen(QStringLiteral("FontItalic %1").arg(an ? 1 : 0));
}

void DruckerSeitenmodell::setForeColor(int farbe) {
    schrift_.farbe = farbe;
    aufgerufen(QStringLiteral("ForeColor %1").arg(farbe));
}

double DruckerSeitenmodell::TextWidth(const QString& text) const {
    double breite = 0.0;
    for (const QString& zeile : DruckZeilen(text)) {
        breite = std::max(breite, zeilenBreiteCm(schrift_, zeile));
    }
    return inEinheit(breite);
}

double DruckerSeitenmodell::TextHeight(const QString& text) const {
    return inEinheit(zeilenHoeheCm(schrift_) * static_cast<double>(DruckZeilen(text).size()));
}

Status DruckerSeitenmodell::zeichnenVorbereiten() {
    if (!offen_) {
        if (Status s = dokumentBeginnen(schrift_); !s) {
            return s;
        }
        offen_ = true;
        seiteHatInhalt_ = false;
    }
    return {};
}

Status DruckerSeitenmodell::zeileAusgeben(const QString& zeile) {
    if (Status s = zeichnenVorbereiten(); !s) {
        return s;
    }
    const double hoehe = zeilenHoeheCm(schrift_);
    if (y_ + hoehe > seitenHoeheCm(schrift_.ausrichtung) + Genauigkeit) {
        // A page with nothing on it yet takes the line at its top instead of
        // leaving an empty sheet behind.
        if (seiteHatInhalt_) {
            if (Status s = seiteBeginnen(schrift_); !s) {
                return s;
            }
            seiteHatInhalt_ = false;
        }
        y_ = 0.0;
    }
    if (Status s = zeileZeichnen(schrift_, x_, y_, zeile); !s) {
        return s;
    }
    seiteHatInhalt_ = true;
    return {};
}

Status DruckerSeitenmodell::Print(const QString& text, bool zeilenende) {
    aufgerufen(QStringLiteral("Print »") + text +
               (zeilenende ? QStringLiteral("«") : QStringLiteral("« ;")));
    const QStringList zeilen = DruckZeilen(text);
    const double hoehe = zeilenHoeheCm(schrift_);
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString& zeile = zeilen[i];
        if (!zeile.isEmpty()) {
            if (Status s = zeileAusgeben(zeile); !s) {
                return s;
            }
        }
        if (i + 1 < zeilen.size() || zeilenende) {
            x_ = 0.0;
            y_ += hoehe;
        } else {
            x_ += zeilenBreiteCm(schrift_, zeile);
        }
    }
    return {};
}

Status DruckerSeitenmodell::PSet(double x, double y, int farbe) {
    const double xc = inCm(x), yc = inCm(y);
    aufgerufen(QStringLiteral("PSet %1 %2 %3").arg(Cm(xc), Cm(yc)).arg(farbe));
    if (Status s = zeichnenVorbereiten(); !s) {
        return s;
    }
    if (Status s = punktZeichnen(xc, yc, farbe); !s) {
        return s;
    }
    seiteHatInhalt_ = true;
    return {};
}

Status DruckerSeitenmodell::Line(double x, double y, double breite, double hoehe, int farbe) {
    const double xc = inCm(x), yc = inCm(y), bc = inCm(breite), hc = inCm(hoehe);
    aufgerufen(
        QStringLiteral("Line %1 %2 %3 %4 %5").arg(Cm(xc), Cm(yc), Cm(bc), Cm(hc)).arg(farbe));
    if (Status s = zeichnenVorbereiten(); !s) {
        return s;
    }
    if (Status s = rahmenZeichnen(xc, yc, bc, hc, farbe); !s) {
        return s;
    }
    seiteHatInhalt_ = true;
    return {};
}

Status DruckerSeitenmodell::EndDoc() {
    aufgerufen(QStringLiteral("EndDoc"));
    if (!offen_) {
        return {};
    }
    // Whatever the back end says, this document is over: a failure must not
    // leave a job open for the next printout to run into.
    offen_ = false;
    seiteHatInhalt_ = false;
    x_ = 0.0;
    y_ = 0.0;
    hinweis_.clear();
    Ergebnis<QString> e = dokumentBeenden();
    if (!e) {
        return e.fehler();
    }
    hinweis_ = e.wert();
    return {};
}

void DruckerSeitenmodell::KillDoc() {
    aufgerufen(QStringLiteral("KillDoc"));
    if (!offen_) {
        return;
    }
    offen_ = false;
    seiteHatInhalt_ = false;
    x_ = 0.0;
    y_ = 0.0;
    dokumentVerwerfen();
}

// --- EinfachesSeitenmodell --------------------------------------------------

double EinfachesSeitenmodell::seitenBreiteCm(int ausrichtung) const {
    return ausrichtung == Ausrichtung::Querformat ? 27.7 : 19.0;
}

double EinfachesSeitenmodell::seitenHoeheCm(int ausrichtung) const {
    return ausrichtung == Ausrichtung::Querformat ? 19.0 : 27.7;
}

double EinfachesSeitenmodell::zeilenBreiteCm(const Zustand& s, const QString& zeile) const {
    return static_cast<double>(zeile.size()) * s.groesse / 40.0;
}

double EinfachesSeitenmodell::zeilenHoeheCm(const Zustand& s) const {
    return s.groesse / 20.0;
}

}  // namespace kronel
