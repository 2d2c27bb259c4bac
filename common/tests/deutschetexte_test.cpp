#include <gtest/gtest.h>

#include "common/deutschetexte.h"
#include "testsupport/drucken.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;
}  // namespace

TEST(DeutscheTexte, TagMonatName) {
    EXPECT_EQ(TagMonatName(1, L("WT")), L("Sonntag"));
    EXPECT_EQ(TagMonatName(7, L("wt2")), L("Sa"));
    EXPECT_EQ(TagMonatName(0, L("wt")), L("Tag???"));
    EXPECT_EQ(TagMonatName(8, L("wt2")), L("??"));
    EXPECT_EQ(TagMonatName(13, L("mo")), L("Monat???"));
    EXPECT_EQ(TagMonatName(3, L("Mo")), L("März"));
    EXPECT_EQ(TagMonatName(5, L("mo3")), L("Mai"));
    EXPECT_EQ(TagMonatName(3, L("mo3")), L("Mär"));
    EXPECT_EQ(TagMonatName(0, L("mo3")), L("???"));
    EXPECT_EQ(TagMonatName(3, L("xy")), QString());
}

TEST(DeutscheTexte, DatumsMuster) {
    const QDate dienstag(2024, 3, 5);
    EXPECT_EQ(DatumText(L(" dddd, d. mmmm yyyy"), dienstag), L(" Dienstag, 5. März 2024"));
    EXPECT_EQ(DatumText(L("ddd, d. mmm yy"), QDate(2024, 8, 1)), L("Do, 1. Aug. 24"));
    EXPECT_EQ(DatumText(L("dd.mm.yyyy"), dienstag), L("d5.03.2024"));  // "dd" is no token
    EXPECT_EQ(DatumText(L("Heute: DDDD"), dienstag), L("heute: Dienstag"));
    EXPECT_EQ(DatumText(L("mmm"), QDate(2024, 6, 1)), L("Juni"));
    EXPECT_EQ(DatumText(L("mmm yyyy"), QDate(2009, 9, 1)), L("Sep. 2009"));
    EXPECT_EQ(*DatumText(L("d. mmmm"), L("24.12.2024")), L("24. Dezember"));
    EXPECT_FALSE(DatumText(L("d."), L("31.02.2024")).ok());
}
