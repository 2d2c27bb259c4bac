#include <gtest/gtest.h>

#include "common/listen.h"
#include "platform/drucker.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;
using test::L;

namespace {
test::FakeListe Liste(const QStringList& eintraege, const QString& text = {}) {
    test::FakeListe l;
    l.eintraege = eintraege;
    l.text = text;
    return l;
}
}  // namespace

TEST(ListenWerkzeuge, AlsTextUndZurueck) {
    test::FakeListe l = Liste({L("a"), L("b"), L("c")});
    EXPECT_EQ(ListeAlsText(l), L("a;b;c;"));
    EXPECT_EQ(ListeAlsText(l, L("|")), L("a|b|c|"));
    EXPECT_EQ(TextInListe(l, L("a;b;c;")), 3);
    EXPECT_EQ(l.eintraege, QStringList({L("a"), L("b"), L("c")}));
    EXPECT_EQ(TextInListe(l, L("a;;b")), 2);
    EXPECT_EQ(l.eintraege, QStringList({L("a"), L("b")}));
    EXPECT_EQ(TextInListe(l, L("x|y"), L("|")), 2);
    EXPECT_EQ(ListeAlsText(Liste({})), QString());
}

TEST(ListenWerkzeuge, DoppelteEntfernenBehaeltDieErstenInIhrerReihenfolge) {
    test::FakeListe l = Liste({L("x"), L("y"), L("x"), L("z"), L("y"), L("Anna"), L("anna")});
    ListeDoppelteEntfernen(l);
    EXPECT_EQ(l.eintraege, QStringList({L("x"), L("y"), L("z"), L("Anna"), L("anna")}));
}

TEST(ListenWerkzeuge, AktuellObenOhneWiederholung) {
    test::FakeListe l = Liste({L("Schulz"), L("MEIER"), L("Lange")}, L("Meier"));
    EXPECT_EQ(ListeAktuellOben(l, 9), 3);
    EXPECT_EQ(l.eintraege, QStringList({L("Meier"), L("Schulz"), L("Lange")}));
    EXPECT_EQ(l.text, L("Meier"));

    QStringList zwoelf;
    for (int i = 1; i <= 12; ++i) {
        zwoelf.append(QString::number(i));
    }
    l = Liste(zwoelf, L("neu"));
    EXPECT_EQ(ListeAktuellOben(l, 9), 10);
    EXPECT_EQ(l.eintraege.front(), L("neu"));
    EXPECT_EQ(l.eintraege.back(), L("9"));

    l = Liste(zwoelf);
    EXPECT_EQ(ListeAktuellOben(l, 9), 9);
    EXPECT_EQ(l.eintraege, zwoelf.mid(0, 9));
}

namespace {
class ListeAufDemDrucker : public ::testing::Test {
protected:
    ListeAufDemDrucker() {
        umgebung.uhr.setzen(QDateTime(QDate(2026, 12, 9), QTime(9, 5, 41)));
        for (int i = 1; i <= 120; ++i) {
            liste.eintraege.append(QStringLiteral("Eintrag %1").arg(i));
        }
    }
    test::TestUmgebung umgebung;
    test::FakeListe liste;
    const QString kopf = L("Liste vom &[DATUM] &[Zeit], Seite &[seite]");
};
}  // namespace

// 10 pt: lines of 0.5 cm; header and empty line, then 53 items down to y 27.0,
// since the next one (27.5 + 0.5) would pass the printable 27.7 cm.
TEST_F(ListeAufDemDrucker, JedeSeiteEinAuftragMitKopf) {
    ListeDrucken(liste, kopf, QString(), 4, 2.0);
    test::AufnahmeDrucker& d = umgebung.drucker;
    ASSERT_EQ(d.dokumente.size(), 3u);
    const std::vector<int> eintraegeJeSeite = {53, 53, 14};
    int nr = 1;
    for (int s = 0; s < 3; ++s) {
        SCOPED_TRACE(s);
        const test::DruckDokument& dok = d.dokumente[static_cast<size_t>(s)];
        EXPECT_TRUE(dok.beendet);
        ASSERT_EQ(dok.seiten.size(), 1u);
        const auto& st = dok.seiten[0].stuecke;
        ASSERT_EQ(st.size(), static_cast<size_t>(eintraegeJeSeite[static_cast<size_t>(s)] + 1));
        EXPECT_EQ(st[0].text, QStringLiteral("Liste vom 09.12.2026 09:05, Seite %1").arg(s + 1));
        EXPECT_EQ(st[0].schrift.name, L("Arial"));
        EXPECT_DOUBLE_EQ(st[0].schrift.groesse, 10);
        EXPECT_DOUBLE_EQ(st[1].y, 1.0);
        EXPECT_DOUBLE_EQ(st[1].x, 2.0);
        EXPECT_EQ(st[1].text, QStringLiteral("Eintrag %1").arg(nr));
        nr += eintraegeJeSeite[static_cast<size_t>(s)];
    }
    EXPECT_DOUBLE_EQ(d.dokumente[0].seiten[0].stuecke.back().y, 27.0);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

// The 53rd item takes three lines of 17 cm at the left margin: the first ends
// page 1, the others go on under the header of page 2.
TEST_F(ListeAufDemDrucker, LangerEintragGehtAmLinkenRandWeiter) {
    const QString lang = QStringLiteral("wort ").repeated(30).trimmed();
    liste.eintraege[52] = lang;
    ListeDrucken(liste, kopf, QString(), 10, 2.0);
    test::AufnahmeDrucker& d = umgebung.drucker;
    ASSERT_EQ(d.dokumente.size(), 3u);
    QString gedruckt;
    for (const test::DruckDokument& dok : d.dokumente) {
        for (const test::DruckStueck& st : dok.seiten.at(0).stuecke) {
            EXPECT_LE(st.x + st.text.size() * 0.25, 19.0 + 1e-9) << st.text.toStdString();
            if (st.text.startsWith(L("wort"))) {
                EXPECT_DOUBLE_EQ(st.x, 2.0);
                gedruckt += st.text;
            }
        }
    }
    EXPECT_EQ(gedruckt, lang);  // each line of 17 cm ends behind the last blank that fits
    const auto& seite2 = d.dokumente[1].seiten[0].stuecke;
    EXPECT_TRUE(seite2[0].text.endsWith(L("Seite 2")));
    EXPECT_EQ(seite2[1].text, QStringLiteral("wort ").repeated(13));
    EXPECT_DOUBLE_EQ(seite2[1].y, 1.0);
    EXPECT_EQ(seite2[3].text, L("Eintrag 54"));
}

TEST_F(ListeAufDemDrucker, LeereListeDrucktNichts) {
    ListeDrucken(Liste({}), kopf, L("Courier"), 12, 1.0);
    EXPECT_TRUE(umgebung.drucker.dokumente.empty());
}

TEST_F(ListeAufDemDrucker, SchriftUndGroesseWieAngegeben) {
    ListeDrucken(Liste({L("a")}), kopf, L("Courier"), 12, 1.0);
    ASSERT_EQ(umgebung.drucker.dokumente.size(), 1u);
    const test::DruckStueck& st = umgebung.drucker.dokumente[0].seiten[0].stuecke.back();
    EXPECT_EQ(st.schrift.name, L("Courier"));
    EXPECT_DOUBLE_EQ(st.schrift.groesse, 12);
}

TEST_F(ListeAufDemDrucker, FehlenderDruckerMeldetSichEinmal) {
    DruckerSetzen(nullptr);  // every drawing call fails
    umgebung.meldungen.antworten({5});
    ListeDrucken(liste, kopf, QString(), 10, 2.0);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(
        L("Es ist ein Fehler beim Drucken aufgetreten.")));
}

TEST_F(ListeAufDemDrucker, WiederholenDrucktAllesAbbruchVerwirft) {
    test::AufnahmeDrucker& d = umgebung.drucker;
    d.naechsterFehler = Fehler(FehlerNr::Druckerfehler);
    umgebung.meldungen.antworten({4});
    ListeDrucken(liste, kopf, QString(), 10, 2.0);
    EXPECT_EQ(d.beendeteDokumente(), 3);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);

    // the page is begun and its header drawn, then the first item fails
    d.dokumente.clear();
    d.naechsterFehler = Fehler(FehlerNr::Druckerfehler);
    d.fehlerNach = 2;
    umgebung.meldungen.antworten({3});
    ListeDrucken(Liste({L("a"), L("b")}), kopf, QString(), 10, 2.0);
    ASSERT_EQ(d.dokumente.size(), 1u);
    EXPECT_TRUE(d.dokumente[0].verworfen);
    EXPECT_EQ(d.beendeteDokumente(), 0);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);
}
