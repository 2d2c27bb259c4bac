#include <QComboBox>
#include <QListWidget>

#include "planner_ui/main.h"
#include "platform_qt/oberflaeche_qt.h"

namespace kronel {

QStringList Main::ListeTermine() const {
    return planer_->buch.ListeTermine;
}

SchriftWerte Main::ListeAnzeigeSchrift() const {
    return QtSchriftTraeger(ListeAnzeige).schrift();
}

QStringList Main::Stationen() const {
    QStringList s;
    for (int i = 0; i < SKAdresse->count(); ++i) {
        s.append(SKAdresse->itemText(i));
    }
    return s;
}

}  // namespace kronel
