#include "testsupport/drucker.h"

namespace kronel::test {

QStringList DruckSeite::texte() const {
    QStringList t;
    for (const DruckStueck& st : stuecke) {
        if (st.art == DruckStueck::Art::Text) {
            t.append(st.text);
        }
    }
    return t;
}

double AufnahmeDrucker::zeilenBreiteCm(const Zustand& s, const QString& zeile) const {
    const auto blanks = static_cast<double>(zeile.count(QLatin1Char(' ')));
    return EinfachesSeitenmodell::zeilenBreiteCm(s, zeile) -
           blanks * (1.0 - blankAnteil) * s.groesse / 40.0;
}

int AufnahmeDrucker::beendeteDokumente() const {
    int n = 0;
    for (const DruckDokument& d : dokumente) {
        n += d.beendet ? 1 : 0;
    }
    return n;
}

std::optional<Fehler> AufnahmeDrucker::fehlerNehmen() {
    if (naechsterFehler && fehlerNach > 0) {
        --fehlerNach;
        return std::nullopt;
    }
    std::optional<Fehler> f = naechsterFehler;
    naechsterFehler.reset();
    return f;
}

void AufnahmeDrucker::ablegen(const DruckStueck& st) {
    dokumente.back().seiten.back().stuecke.push_back(st);
}

Status AufnahmeDrucker::dokumentBeginnen(const Zustand& s) {
    if (auto f = fehlerNehmen()) {
        return *f;
    }
    dokumente.emplace_back();
    dokumente.back().seiten.push_back({s.ausrichtung, {}});
    return {};
}

Status AufnahmeDrucker::seiteBeginnen(const Zustand& s) {
    if (auto f = fehlerNehmen()) {
        return *f;
    }
    dokumente.back().seiten.push_back({s.ausrichtung, {}});
    return {};
}

Status AufnahmeDrucker::zeileZeichnen(const Zustand& s, double x, double y, const QString& zeile) {
    if (auto f = fehlerNehmen()) {
        return *f;
    }
    ablegen({DruckStueck::Art::Text, x, y, 0.0, 0.0, zeile, s, s.farbe});
    return {};
}

Status AufnahmeDrucker::punktZeichnen(double x, double y, int farbe) {
    if (auto f = fehlerNehmen()) {
        return *f;
    }
    ablegen({DruckStueck::Art::Punkt, x, y, 0.0, 0.0, {}, zustand(), farbe});
    return {};
}

Status AufnahmeDrucker::rahmenZeichnen(double x, double y, double b, double h, int farbe) {
    if (auto f = fehlerNehmen()) {
        return *f;
    }
    ablegen({DruckStueck::Art::Rahmen, x, y, b, h, {}, zustand(), farbe});
    return {};
}

Ergebnis<QString> AufnahmeDrucker::dokumentBeenden() {
    if (auto f = fehlerNehmen()) {
        return *f;
    }
    dokumente.back().beendet = true;
    return QString();
}

void AufnahmeDrucker::dokumentVerwerfen() {
    dokumente.back().verworfen = true;
}

}  // namespace kronel::test
