#pragma once
// What the printouts read of the main window; they never change it.

#include <QStringList>

#include "platform/oberflaeche.h"

namespace kronel {

class DruckQuelle {
public:
    virtual ~DruckQuelle() = default;
    // The appointment records of the main list, in list order.
    virtual QStringList ListeTermine() const = 0;
    // The font of the main list (the list printout prints in it).
    virtual SchriftWerte ListeAnzeigeSchrift() const = 0;
    // The items of the main window's station field SKAdresse.
    virtual QStringList Stationen() const = 0;
};

}  // namespace kronel
