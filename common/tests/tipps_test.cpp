#include <gtest/gtest.h>

#include <QFile>

#include "common/einstellungen.h"
#include "common/hilfe.h"
#include "common/tipps.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"
#include "testsupport/zufall.h"

using namespace kronel;

namespace {

using test::L;

class Tipps : public ::testing::Test {
protected:
    // A tip file of n tips "Tip k" (k from 1) and the history given.
    void datei(int n, const char* zuletzt, const QByteArray& mehr = {}) {
        QByteArray inhalt = "[Tips]\r\nAnzahl=" + QByteArray::number(n) + "\r\n";
        for (int k = 1; k <= n; ++k) {
            inhalt += QStringLiteral("Tip%1=Tip %2\r\n")
                          .arg(k, 4, 10, QLatin1Char('0'))
                          .arg(k)
                          .toLatin1();
        }
        if (zuletzt != nullptr) {
            inhalt += QByteArray("Zuletzt=") + zuletzt + "\r\n";
        }
        umgebung.schreiben(TipDatei(), inhalt + mehr);
    }
    QString zuletzt() { return IniLesen(TipDatei(), L("Tips"), L("Zuletzt")); }
    test::TestUmgebung umgebung;
};

TEST_F(Tipps, GezeigteTipsKommenNichtWieder) {
    datei(3, ".0002.0001");
    // 0 draws tip 1, 0.5 tip 2 (both in the history), 0.9 tip 3.
    test::FolgeZufall zufall{0.0, 0.5, 0.9};
    const std::optional<Tip> tip = TipZiehen(TipDatei(), zufall);
    ASSERT_TRUE(tip);
    EXPECT_EQ(tip->Text, L("Tip 3."));
    EXPECT_EQ(tip->Frage, L("???"));
    EXPECT_EQ(tip->Header, L("Willkommen"));
    EXPECT_EQ(zufall.gezogen, 3);
    EXPECT_EQ(zuletzt(), L(".0003.0002"));
}

TEST_F(Tipps, VerlaufHaeltDieNeuestenZehn) {
    datei(25, nullptr);  // absent: ".0000", which matches no tip
    for (int i = 1; i <= 12; ++i) {
        test::FolgeZufall zufall{(i - 1) / 24.5 + 0.001};
        ASSERT_EQ(TipZiehen(TipDatei(), zufall)->Text, QStringLiteral("Tip %1.").arg(i));
    }
    EXPECT_EQ(zuletzt(), L(".0012.0011.0010.0009.0008.0007.0006.0005.0004.0003"));
}

TEST_F(Tipps, AbsaetzeAdresseUndSchlusspunkt) {
    umgebung.schreiben(TipDatei(),
                       "[Tips]\r\nAnzahl=2\r\nFrage=Schon gewusst?\r\nHeader=Tip des Tages\r\n"
                       "Tip0001=  Erst~dann {url} \r\nTip0002=Wirklich?\r\n");
    test::FolgeZufall zufall{0.0, 0.9};
    const std::optional<Tip> erster = TipZiehen(TipDatei(), zufall);
    EXPECT_EQ(erster->Text, L("Erst\r\n\r\ndann ") + WebAdresse() + L("."));
    EXPECT_EQ(erster->Frage, L("Schon gewusst?"));
    EXPECT_EQ(erster->Header, L("Tip des Tages"));
    EXPECT_EQ(TipZiehen(TipDatei(), zufall)->Text, L("Wirklich?"));
}

TEST_F(Tipps, LeereTipsGebenNachTausendZuegenTipEins) {
    umgebung.schreiben(TipDatei(), "[Tips]\r\nAnzahl=2\r\n");
    test::FolgeZufall zufall;
    EXPECT_EQ(TipZiehen(TipDatei(), zufall)->Text, QString());
    EXPECT_EQ(zufall.gezogen, 1000);
}

TEST_F(Tipps, OhneDateiOderAnzahlKeinTip) {
    test::FolgeZufall zufall;
    EXPECT_FALSE(TipZiehen(TipDatei(), zufall));
    umgebung.schreiben(TipDatei(), "[Tips]\r\nAnzahl=0\r\nTip0001=Da\r\n");
    EXPECT_FALSE(TipZiehen(TipDatei(), zufall));
}

TEST_F(Tipps, SchreibgeschuetzteDateiBehaeltIhrenVerlauf) {
    datei(3, ".0001");
    QFile::setPermissions(TipDatei(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    test::FolgeZufall zufall{0.5};
    EXPECT_EQ(TipZiehen(TipDatei(), zufall)->Text, L("Tip 2."));
    EXPECT_EQ(zuletzt(), L(".0001"));
    QFile::setPermissions(TipDatei(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(Tipps, AutoTipMitVorzeichenstelle) {
    EXPECT_TRUE(AutoTipAn());
    AutoTipSetzen(false);
    EXPECT_TRUE(umgebung.lesen(umgebung.riviror()).contains("AutoTip= 0\r\n"));
    EXPECT_FALSE(AutoTipAn());
}

}  // namespace
