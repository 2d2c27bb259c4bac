#pragma once
// How Main reaches the windows of the other parts of the planner: a window is
// shown modally with the members the caller fills, and after the modal call the
// caller reads the hand-over members by their names. The window then is unloaded
// unless it is one that stays loaded for the run (search, settings).

#include <QMap>
#include <QString>

namespace kronel {

// Members of a window by their control names ("KomSuche", "Rückgabe", ...).
using Uebergabe = QMap<QString, QString>;

class NebenFenster {
public:
    virtual ~NebenFenster() = default;
    // Whether the window exists in this build; Main disables what reaches it.
    virtual bool vorhanden(const QString& fenster) const = 0;
    // Sets the members of hin, shows the window modally, returns the members
    // after the modal call. A window that does not exist returns hin unchanged.
    virtual Uebergabe zeigen(const QString& fenster, const Uebergabe& hin) = 0;
};

}  // namespace kronel
