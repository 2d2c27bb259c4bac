#pragma once
// The step runner of procedures with an error handler of their own: a failing
// step is reported, then Abort leaves the procedure, Retry runs the step again and
// Ignore goes on with the next step. In development mode a failure stops the program.

#include <QString>

#include <functional>

#include "platform/fehler.h"

namespace kronel {

// True when the environment variable KRONEL_ENTWICKLUNG is "1".
bool Entwicklungsmodus();
// Stops the program with a diagnostic (development mode).
[[noreturn]] void MitDiagnoseBeenden(const Fehler& f, const QString& wo);

class SchrittLaeufer {
public:
    // melden shows the failure and returns 3 (Abort), 4 (Retry) or 5 (Ignore).
    using Melder = std::function<int(const Fehler&)>;
    explicit SchrittLaeufer(Melder melden, QString wo = {});

    // Runs a step; false once the procedure is to be left (Abort).
    bool operator()(const std::function<Status()>& schritt);
    bool abgebrochen() const { return abgebrochen_; }
    // Number of the step run last (1 for the first).
    int schrittNr() const { return nr_; }

private:
    Melder melden_;
    QString wo_;
    bool abgebrochen_ = false;
    int nr_ = 0;
};

}  // namespace kronel
