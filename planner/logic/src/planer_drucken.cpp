#include "planner/planer.h"
#include "platform/drucker.h"

namespace kronel {

void Planer::DruckHinweisZeigen(const QString& vorher) {
    // A cancelled window leaves the sentence of an earlier printout behind.
    const QString hinweis = drucker().Hinweis();
    if (!hinweis.isEmpty() && hinweis != vorher) {
        sicht_.PanelSetzen(Panel::Status, hinweis);
    }
}

}  // namespace kronel
