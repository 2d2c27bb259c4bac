#pragma once
// Random numbers behind a seam, so that tests decide what a chance draws.

#include <QRandomGenerator>

namespace kronel {

class Zufall {
public:
    virtual ~Zufall() = default;
    // A number r with 0 <= r < 1.
    virtual double zahl() = 0;
};

// Seeded once per program run; every draw of the run then takes the next number
// (a generator seeded anew at each draw would give every draw of one second the
// same number).
class SaatZufall final : public Zufall {
public:
    explicit SaatZufall(quint32 saat) : erzeuger_(saat) {}
    double zahl() override { return erzeuger_.generateDouble(); }

private:
    QRandomGenerator erzeuger_;
};

}  // namespace kronel
