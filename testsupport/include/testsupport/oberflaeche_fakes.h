#pragma once
// Fakes of the desktop services, the control interfaces and the printer surface.

#include <QStringList>

#include <functional>
#include <map>
#include <optional>

#include "platform/dienste.h"
#include "platform/oberflaeche.h"

namespace kronel::test {

class FakeBildschirm final : public BildschirmDienst {
public:
    double weite() const override { return weiteTwips; }
    double hoehe() const override { return hoeheTwips; }
    int bitsProPixel() const override { return bits; }
    double weiteTwips = 15360;  // 1024 pixels
    double hoeheTwips = 11520;  // 768 pixels
    int bits = 24;
};

// Records "zeigen <datei>#<anker>" and "schliessen".
class AufnahmeHilfe final : public HilfeDienst {
public:
    Status zeigen(const QString& datei, const QString& anker) override;
    void schliessen() override;
    QStringList aufrufe;
};

class AufnahmeWeb final : public WebDienst {
public:
    bool oeffnen(const QString& adresse) override;
    QStringList adressen;
    bool erfolg = true;
};

struct Start {
    QString programm;
    QStringList argumente;
    QString arbeitsordner;
};

class AufnahmeProzesse final : public ProzessDienst {
public:
    Status starten(const QString& programm, const QStringList& argumente,
                   const QString& arbeitsordner) override;
    std::vector<Start> starts;
    // A failure the next start returns.
    std::optional<Fehler> naechsterFehler;
};

// Copies listed in `laufend` count as running; activations are recorded.
class FakeInstanzen final : public InstanzDienst {
public:
    bool anmelden(const QString& name) override;
    bool aktivieren(const QString& name) override;
    void beiAktivierung(std::function<void()> handler) override { handler_ = std::move(handler); }
    void aktivierungAusloesen() {
        if (handler_) {
            handler_();
        }
    }
    QStringList laufend;
    QStringList angemeldet;
    QStringList aktiviert;

private:
    std::function<void()> handler_;
};

class FakeSchriftTraeger : public SchriftTraeger {
public:
    SchriftWerte schrift() const override { return werte; }
    void schriftSetzen(const SchriftWerte& s) override { werte = s; }
    std::optional<qint32> farbe() const override { return textfarbe; }
    bool farbeSetzen(qint32 f) override {
        if (!textfarbe) {
            return false;
        }
        textfarbe = f;
        return true;
    }
    SchriftWerte werte{QStringLiteral("MS Sans Serif"), 8.25, false, false, false};
    std::optional<qint32> textfarbe = -2147483640;  // the system's window text colour
};

class FakeTextfeld final : public TextSteuerelement {
public:
    QString text() const override { return inhalt; }
    void textSetzen(const QString& t) override {
        inhalt = t;
        start = 0;
        laenge = 0;
    }
    int auswahlStart() const override { return start; }
    int auswahlLaenge() const override { return laenge; }
    void auswahlSetzen(int s, int l) override {
        start = s;
        laenge = l;
    }
    bool fokusSetzen() override {
        fokus = fokusMoeglich;
        return fokusMoeglich;
    }
    QString inhalt;
    int start = 0;
    int laenge = 0;
    bool fokus = false;
    bool fokusMoeglich = true;
};

class FakeFenster final : public FensterSteuerelement {
public:
    FensterMasse masse() const override { return m; }
    void masseSetzen(const FensterMasse& neu) override {
        m = neu;
        ++bewegt;
    }
    void verschieben(double links, double oben) override {
        m.links = links;
        m.oben = oben;
        ++bewegt;
    }
    FensterZustand zustand() const override { return z; }
    void zustandSetzen(FensterZustand neu) override { z = neu; }
    FensterMasse m;
    FensterZustand z = FensterZustand::Normal;
    int bewegt = 0;
};

class FakeListe final : public ListenSteuerelement {
public:
    int ListCount() const override { return static_cast<int>(eintraege.size()); }
    QString List(int index) const override { return eintraege.value(index); }
    void AddItem(const QString& eintrag) override { eintraege.append(eintrag); }
    void RemoveItem(int index) override { eintraege.removeAt(index); }
    void Clear() override { eintraege.clear(); }
    QString Text() const override { return text; }
    void setText(const QString& t) override { text = t; }
    QStringList eintraege;
    QString text;
};

}  // namespace kronel::test
