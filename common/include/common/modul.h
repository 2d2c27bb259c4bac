#pragma once
// The module variables that several windows and programs share: set once at
// start (paths, version) or by the start-up guards (read-only mode).

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace kronel {

struct Modul {
    bool NurLesen = false;          // read-only mode: no window writes any data file
    QString VersionText;            // "8.010000" for version 8.1.0
    QString DatenVerzeichnis;       // the data folder, without a trailing "/"
    QString DateiTermine;           // full path of Kronel.PlD
    QString DateiAltes;             // full path of Kronel.Old
    QString DateiNotizen;           // full path of Kronel.Txt
    QStringList BefehlWorte;        // the words of the last split of a "|" list
    bool DruckNebenPlaner = false;  // "/autoprint" beside a running planner: stays read-only
    QDateTime Startzeit;  // when this run counted its start (the run minutes count from it)
    // Settings files another process kept locked in this run: further writes
    // fail at once instead of waiting again.
    QStringList GesperrteEinstellungen;
    // Nobody answers a box in this run ("/autoprint", the reminder): what would
    // only inform goes to the log instead.
    bool Unbeaufsichtigt = false;
    // A settings file could not be written in this run and the user was told.
    bool EinstellungsfehlerGemeldet = false;
};

// The one set of module variables of the running program.
Modul& modul();

}  // namespace kronel
