#include "platform/dienste.h"

#include <cstdio>

#include "platform/uhr.h"

namespace kronel {

namespace {

// Without a desktop: a box is written to standard error and answered with Cancel
// (or OK where that is the only button), so nothing ever waits for a person.
class OhneDesktopMeldungen final : public MeldungsDienst {
public:
    int zeigen(const QString& text, int stil, const QString& titel) override {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(titel), qPrintable(text));
        switch (stil & Box::KnopfMaske) {
            case Box::OK:
                return Antwort::OK;
            case Box::AbbrechenWiederholenIgnorieren:
                return Antwort::Abbruch;
            case Box::JaNein:
                return Antwort::Nein;
            default:
                return Antwort::Abbrechen;
        }
    }
    std::optional<QString> eingabe(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

class StillerTon final : public TonDienst {
public:
    void piepen(int, const QString&) override {}
    Status spielen(const QString&) override { return {}; }
    void stoppen() override {}
};

class OhneZeiger final : public ZeigerDienst {
public:
    Zeiger aktuell() const override { return z_; }
    void setzen(Zeiger z) override { z_ = z; }

private:
    Zeiger z_ = Zeiger::Standard;
};

Dienste& Aktuell() {
    static Dienste d;
    return d;
}

}  // namespace

Dienste& dienste() {
    return Aktuell();
}
void DiensteSetzen(const Dienste& d) {
    Aktuell() = d;
}

MeldungsDienst& meldungen() {
    static OhneDesktopMeldungen ersatz;
    return Aktuell().meldungen != nullptr ? *Aktuell().meldungen : ersatz;
}

TonDienst& ton() {
    static StillerTon ersatz;
    return Aktuell().ton != nullptr ? *Aktuell().ton : ersatz;
}

ZeigerDienst& zeiger() {
    static OhneZeiger ersatz;
    return Aktuell().zeiger != nullptr ? *Aktuell().zeiger : ersatz;
}

const Uhr& uhr() {
    static SystemUhr ersatz;
    return Aktuell().uhr != nullptr ? *Aktuell().uhr : ersatz;
}

SanduhrZeiger::SanduhrZeiger() : vorher_(zeiger().aktuell()) {
    zeiger().setzen(Zeiger::Sanduhr);
}

SanduhrZeiger::~SanduhrZeiger() {
    zeiger().setzen(vorher_);
}

}  // namespace kronel
