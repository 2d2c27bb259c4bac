#include <gtest/gtest.h>

#include "platform/dienste.h"

using namespace kronel;

#ifndef NDEBUG
// A forgotten installation would reach the desktop unseen: a debug build stops
// there and names the service.
TEST(DiensteDeathTest, NichtEingerichteteHaltenMitIhremNamenAn) {
    const Dienste vorher = dienste();
    DiensteSetzen({});
    EXPECT_DEATH(meldungen(), "»meldungen« ist nicht eingerichtet");
    EXPECT_DEATH(ton(), "»ton« ist nicht eingerichtet");
    EXPECT_DEATH(prozesse(), "»prozesse« ist nicht eingerichtet");
    // The pointer keeps its stand-in.
    EXPECT_EQ(zeiger().aktuell(), Zeiger::Standard);
    // The console services answer a box as Escape would.
    DiensteSetzen(OhneDesktopDienste());
    EXPECT_EQ(meldungen().zeigen(QStringLiteral("Weiter?"), Box::JaNein, QStringLiteral("T")),
              Antwort::Nein);
    EXPECT_EQ(meldungen().eingabe(QStringLiteral("Name?"), QStringLiteral("T"), {}), std::nullopt);
    DiensteSetzen(vorher);
}
#endif
