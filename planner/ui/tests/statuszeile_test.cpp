#include <gtest/gtest.h>

#include "planner_ui/statuszeile.h"
#include "testsupport/utf8.h"

using namespace kronel;
using test::L;

namespace {

// Fits when it has at most so many characters.
auto Hoechstens(qsizetype zeichen) {
    return [zeichen](const QString& text) { return text.size() <= zeichen; };
}

const QString kSatz = L("Gespeichert als »/home/anna/Dokumente/Ausdruck-0930.pdf« heute.");

}  // namespace

TEST(HinweisKuerzen, WasPasstBleibtGanz) {
    EXPECT_EQ(HinweisKuerzen(kSatz, Hoechstens(kSatz.size())), kSatz);
    EXPECT_EQ(HinweisKuerzen(L("Bereit"), Hoechstens(6)), L("Bereit"));
}

TEST(HinweisKuerzen, ErstDerOrdnerInSeinerMitteDannDerDateiname) {
    // 8 of the folder's 20 characters are left, half before and half after "…"
    EXPECT_EQ(HinweisKuerzen(kSatz, Hoechstens(kSatz.size() - 11)),
              L("Gespeichert als »/hom…ente/Ausdruck-0930.pdf« heute."));
    // "…/" and the whole file name
    const QString nurName = L("Gespeichert als »…/Ausdruck-0930.pdf« heute.");
    EXPECT_EQ(HinweisKuerzen(kSatz, Hoechstens(nurName.size())), nurName);
    // then the words before it, from the first on
    EXPECT_EQ(HinweisKuerzen(kSatz, Hoechstens(nurName.size() - 6)),
              L("…als »…/Ausdruck-0930.pdf« heute."));
    const QString ohneWorte = L("…»…/Ausdruck-0930.pdf« heute.");
    EXPECT_EQ(HinweisKuerzen(kSatz, Hoechstens(ohneWorte.size())), ohneWorte);
    // and only then the file name in its middle
    EXPECT_EQ(HinweisKuerzen(kSatz, Hoechstens(ohneWorte.size() - 6)),
              L("…»…/Ausdr…0.pdf« heute."));
    // a file name without a folder: 10 of its 17 characters are left
    EXPECT_EQ(HinweisKuerzen(L("Datei »Ausdruck-0930.pdf« fertig"), Hoechstens(21)),
              L("…»Ausdr…0.pdf« fertig"));
}

TEST(HinweisKuerzen, OhneDateinamenOderZuEngAmEndeGekuerzt) {
    EXPECT_EQ(HinweisKuerzen(L("Terminausgabe läuft..."), Hoechstens(10)), L("Terminaus…"));
    // not even one character of the file name finds room
    EXPECT_EQ(HinweisKuerzen(kSatz, Hoechstens(12)), L("Gespeichert…"));
    EXPECT_EQ(HinweisKuerzen(L("lang"), Hoechstens(0)), L("…"));
}
