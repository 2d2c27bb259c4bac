#pragma once
// A printer surface for tests: it measures with the plain page model of the
// platform (A4, 19.0 x 27.7 cm printable; a character FontSize / 40 cm wide, a
// line FontSize / 20 cm high) and records every call and everything drawn, in
// centimetres.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "platform/drucker.h"

namespace kronel::test {

struct DruckStueck {
    enum class Art { Text, Punkt, Rahmen };
    Art art = Art::Text;
    double x = 0.0;  // centimetres from the top left of the printable area
    double y = 0.0;
    double breite = 0.0;  // rectangles only
    double hoehe = 0.0;
    QString text;  // one line, texts only
    DruckerSeitenmodell::Zustand schrift;
    int farbe = 0;
};

struct DruckSeite {
    int ausrichtung = Ausrichtung::Hochformat;
    std::vector<DruckStueck> stuecke;
    // The texts of the page, one per line drawn.
    QStringList texte() const;
};

struct DruckDokument {
    std::vector<DruckSeite> seiten;
    bool beendet = false;    // EndDoc handed it over
    bool verworfen = false;  // KillDoc threw it away
};

class AufnahmeDrucker final : public EinfachesSeitenmodell {
public:
    // "ScaleMode 7", "CurrentX 2.5", "FontName Arial", "Print »Text«" (with line
    // end) or "Print »Text« ;" (without), "PSet 1 2 255", "Line 1 2 3 4 0",
    // "EndDoc", "KillDoc"; lengths in centimetres.
    QStringList aufrufe;
    std::vector<DruckDokument> dokumente;
    // Documents that EndDoc handed over.
    int beendeteDokumente() const;
    // A failure the next drawing call (or EndDoc) returns, as a missing printer would.
    std::optional<Fehler> naechsterFehler;
    // Drawing calls that still succeed before naechsterFehler strikes.
    int fehlerNach = 0;
    // A blank's width as a share of every other character's: below 1 the page
    // measures as a proportional font does, where a blank is narrower than a digit.
    double blankAnteil = 1.0;

protected:
    double zeilenBreiteCm(const Zustand& s, const QString& zeile) const override;
    Status dokumentBeginnen(const Zustand& s) override;
    Status seiteBeginnen(const Zustand& s) override;
    Status zeileZeichnen(const Zustand& s, double x, double y, const QString& zeile) override;
    Status punktZeichnen(double x, double y, int farbe) override;
    Status rahmenZeichnen(double x, double y, double b, double h, int farbe) override;
    Ergebnis<QString> dokumentBeenden() override;
    void dokumentVerwerfen() override;
    void aufgerufen(const QString& aufruf) override { aufrufe.append(aufruf); }

private:
    std::optional<Fehler> fehlerNehmen();
    void ablegen(const DruckStueck& st);
};

}  // namespace kronel::test
