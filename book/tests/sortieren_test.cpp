#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "book/buch.h"
#include "book/sortieren.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"

using namespace kronel;

namespace {

QStringList Ordnen(const QStringList& t, const std::vector<qsizetype>& reihe) {
    QStringList r;
    for (qsizetype i : reihe) {
        r.append(t[i]);
    }
    return r;
}

}  // namespace

TEST(Sortieren, NachDatumDannNachDenFeldern) {
    const QStringList t{QStringLiteral("20270105-   -   -         -   Alle   a"),
                        QStringLiteral("202612242T  -   -         -   Alle   b"),
                        QStringLiteral("202612241T  -   -         -   Alle   c")};
    EXPECT_EQ(Ordnen(t, DatumsReihenfolge(t)), (QStringList{t[2], t[1], t[0]}));
}

TEST(Sortieren, NachMeldungOhneRuecksichtAufGross) {
    const QStringList t{QStringLiteral("20260101-   -   -         -   Alle   Banane"),
                        QStringLiteral("20270101-   -   -         -   Alle   apfel"),
                        QStringLiteral("20250101-   -   -         -   Alle   Äpfel"),
                        QStringLiteral("kurz")};
    const QStringList r = Ordnen(t, MeldungsReihenfolge(t));
    ASSERT_EQ(r.size(), 4);
    EXPECT_EQ(r.indexOf(t[1]) < r.indexOf(t[0]), true);
    EXPECT_EQ(r.indexOf(t[2]) < r.indexOf(t[0]), true);
    // A record too short for the fixed fields is neither lost nor altered.
    EXPECT_TRUE(r.contains(QStringLiteral("kurz")));
}

// The date order takes a short cut for records of different dates; it must give
// exactly the order of the one comparator.
TEST(Sortieren, DatumsordnungGleichDerDeutschenReihenfolge) {
    QRandomGenerator zufall(17);
    const QStringList meldungen{QStringLiteral("Arzt"),   QStringLiteral("arzt"),
                                QStringLiteral("Ärger"),  QStringLiteral("Strasse"),
                                QStringLiteral("Straße"), QStringLiteral("zahn"),
                                QStringLiteral("Zahn"),   QStringLiteral("1. Mai"),
                                QStringLiteral("-x"),     QStringLiteral("école"),
                                QStringLiteral("Arzt "),  QStringLiteral("Arzt_2"),
                                QStringLiteral("Arzt-2"), QStringLiteral("Arzt 2"),
                                QStringLiteral("Nr. 10"), QStringLiteral("Nr. 9"),
                                QStringLiteral("nr. 9"),  QStringLiteral("a°°b"),
                                QStringLiteral("a\tb"),   QStringLiteral("{DiffJa:1.1.2000}"),
                                QStringLiteral("[1+1]"),  QStringLiteral("@prog"),
                                QStringLiteral("50 €"),   QString()};
    const QStringList felder{QStringLiteral("-   -   -         -   Alle   "),
                             QStringLiteral("1T  -   Mo        1J  Büro   "),
                             QStringLiteral("1t  2W  -         -   alle   "),
                             QStringLiteral("3T  -   !mo;dez   1W  ALLE   "),
                             QStringLiteral("-   -   -         -   Alle"),
                             QStringLiteral("-")};
    for (int runde = 0; runde < 30; ++runde) {
        QStringList t;
        for (int i = 0; i < 300; ++i) {
            const QDate d = QDate(2026, 12, 1).addDays(zufall.bounded(runde % 2 ? 5 : 400));
            t.append(d.toString(QStringLiteral("yyyyMMdd")) + felder[zufall.bounded(3)] +
                     meldungen[zufall.bounded(meldungen.size())]);
        }
        if (runde % 3 == 0) {
            std::sort(t.begin(), t.end());  // nearly ordered, as after a save
        }
        EXPECT_EQ(Ordnen(t, DatumsReihenfolge(t)), Ordnen(t, DeutscheReihenfolge(t)));
    }
}

class BuchSortieren : public ::testing::Test {
protected:
    test::TestUmgebung umgebung;
    Terminbuch buch;
    void Fuellen(const QStringList& t) {
        buch.ListeTermine = t;
        buch.TerminIndex = 0;
        buch.AnzeigeAufbauen();
    }
};

TEST_F(BuchSortieren, DerAktuelleTerminBleibtAktuell) {
    Fuellen({QStringLiteral("20270105-   -   -         -   Alle   a"),
             QStringLiteral("20261224-   -   -         -   Alle   b")});
    buch.ZeileWaehlen(0);
    // The date is edited, then the list is sorted: the record stays current.
    TerminFelder f = TerminZerlegen(buch.ListeTermine[0]);
    f.STDatum = QStringLiteral("01.01.2026");
    buch.EingabeUebernehmen(f, 0);
    ASSERT_EQ(buch.Ungespeichert, 1);
    buch.Ungespeichert = 0;
    buch.OrdneDatum();
    EXPECT_EQ(buch.TerminIndex, 0);
    EXPECT_EQ(buch.ListeTermine[0], QStringLiteral("20260101-   -   -         -   Alle   a"));
    EXPECT_EQ(buch.ListeAnzeige[1], QStringLiteral("24.12.2026 Do: b"));
    EXPECT_EQ(buch.Ungespeichert, 0);
    EXPECT_EQ(buch.UndoTermin, buch.ListeTermine[0]);
}

TEST_F(BuchSortieren, VonZweiGleichenWirdDerSpaetereAktuell) {
    const QString gleich = QStringLiteral("20261224-   -   -         -   Alle   b");
    Fuellen({gleich, QStringLiteral("20261230-   -   -         -   Alle   a"), gleich});
    buch.ZeileWaehlen(0);
    buch.OrdneDatum();
    EXPECT_EQ(buch.TerminIndex, 1);
    buch.OrdneMeldung();
    EXPECT_EQ(buch.ListeTermine[0], QStringLiteral("20261230-   -   -         -   Alle   a"));
    EXPECT_EQ(buch.TerminIndex, 2);
    EXPECT_EQ(buch.ListIndex, 2);
}

TEST_F(BuchSortieren, EinTermin) {
    Fuellen({QStringLiteral("20261224-   -   -         -   Alle   b")});
    buch.OrdneMeldung();
    EXPECT_EQ(buch.ListeTermine.size(), 1);
    EXPECT_EQ(buch.TerminIndex, 0);
}
