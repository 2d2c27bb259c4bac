#pragma once
// The planner's side windows as Main reaches them: each window registers how it
// is shown, before Main is built, so Main knows which commands to enable.

#include <QString>

#include <functional>
#include <map>

#include "planner/nebenfenster.h"

class QPrinter;
class QWidget;

namespace kronel {

class FensterVerzeichnis final : public NebenFenster {
public:
    using Anzeige = std::function<Uebergabe(QWidget* besitzer, const Uebergabe& hin)>;
    void eintragen(const QString& fenster, Anzeige anzeige);
    // The main window owns the side windows while they are shown.
    void besitzerSetzen(QWidget* besitzer) { besitzer_ = besitzer; }
    bool vorhanden(const QString& fenster) const override;
    Uebergabe zeigen(const QString& fenster, const Uebergabe& hin) override;

private:
    std::map<QString, Anzeige> fenster_;
    QWidget* besitzer_ = nullptr;
};

// The windows of the planner in this build.
FensterVerzeichnis& planerFenster();

// Registers the printer setup "Druckereinrichtung": the print dialog on that
// printer, whose choices the following printouts use.
void DruckereinrichtungEintragen(FensterVerzeichnis& fenster, QPrinter& drucker);

// Every side window of the planner, registered once at the start.
void PlanerFensterEintragen(FensterVerzeichnis& fenster, QPrinter& drucker);

}  // namespace kronel
