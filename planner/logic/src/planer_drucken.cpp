#include "planner/planer.h"
#include "platform/drucker.h"

namespace kronel {

void Planer::DruckHinweisZeigen() {
    const QString hinweis = drucker().Hinweis();
    if (!hinweis.isEmpty()) {
        sicht_.PanelSetzen(Panel::Status, hinweis);
    }
}

}  // namespace kronel
