#include <gtest/gtest.h>

#include <QFile>

#include "common/einstellungen.h"
#include "common/kalender.h"
#include "common/mondphasen.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

class Mondphasen : public ::testing::Test {
protected:
    QString quelle() const { return umgebung.programm() + L("/y-mondphasen.txt"); }
    QString ziel() const { return umgebung.programm() + L("/astro.ini"); }
    void liste(const char* inhalt) { umgebung.schreiben(quelle(), NachCp1252(L(inhalt))); }

    test::TestUmgebung umgebung;
};

}  // namespace

TEST_F(Mondphasen, ZweiZeilenEinesTagesKommenNeuNachVorn) {
    liste("05.01.2027 Vollmond\r\n05.01.2027   Finsternis  \r\n");
    ASSERT_EQ(MondphasenUebertragen(quelle(), ziel()).wertOder(-1), 2);
    EXPECT_EQ(IniLesen(ziel(), L("2027"), L("05.01")), L("Finsternis~Vollmond"));
    EXPECT_TRUE(umgebung.lesen(ziel()).startsWith("[2027]\r\n05.01=Finsternis~Vollmond"));
    // The day notes show them as two lines of that day.
    EXPECT_EQ(AstroText(QDate(2027, 1, 5)), L("Finsternis\r\nVollmond"));

    ASSERT_TRUE(MondphasenUebertragen(quelle(), ziel()).ok());
    EXPECT_EQ(IniLesen(ziel(), L("2027"), L("05.01")),
              L("Finsternis~Vollmond~Finsternis~Vollmond"));
}

TEST_F(Mondphasen, NurZeilenMitTagesdatumZaehlen) {
    liste(
        "Mondphasen 2027\r\n\r\n5.1.2027 Vollmond\r\n31.02.2027 Neumond\r\n"
        "05.01.2027\r\n0a.01.2027 Neumond\r\nVollmond am 05.01.2027\r\n");
    ASSERT_EQ(MondphasenUebertragen(quelle(), ziel()).wertOder(-1), 0);
    EXPECT_FALSE(QFile::exists(ziel()));

    // A file already there keeps its bytes, and the next day line goes into it.
    umgebung.schreiben(umgebung.programm() + L("/Astro.ini"),
                       "[Zyklisch]\r\n24.12=Heiligabend\r\n");
    ASSERT_TRUE(MondphasenUebertragen(quelle(), ziel()).ok());
    EXPECT_EQ(umgebung.lesen(umgebung.programm() + L("/Astro.ini")),
              QByteArray("[Zyklisch]\r\n24.12=Heiligabend\r\n"));
    liste("12.03.2028 Erstes Viertel – Süd\r\n");
    ASSERT_TRUE(MondphasenUebertragen(quelle(), ziel()).ok());
    EXPECT_FALSE(QFile::exists(ziel()));  // the existing Astro.ini, whatever the case
    EXPECT_EQ(IniLesen(ziel(), L("2028"), L("12.03")), L("Erstes Viertel – Süd"));
}

TEST_F(Mondphasen, LangeNotizenBleibenGanz) {
    // Values come back whole, so a key that grew past 249 characters loses nothing.
    const QString lang(300, QLatin1Char('x'));
    IniSchreiben(ziel(), L("2027"), L("05.01"), lang);
    liste("05.01.2027 Vollmond\r\n");
    ASSERT_TRUE(MondphasenUebertragen(quelle(), ziel()).ok());
    EXPECT_EQ(IniLesen(ziel(), L("2027"), L("05.01")), L("Vollmond~") + lang);
}

TEST_F(Mondphasen, FehlendeListeUndGesperrtesZielWerdenGemeldet) {
    const auto fehlt = MondphasenUebertragen(quelle(), ziel());
    ASSERT_FALSE(fehlt.ok());
    EXPECT_EQ(fehlt.fehler().nummer, FehlerNr::DateiNichtGefunden);
    EXPECT_EQ(fehlt.fehler().beschreibung,
              L("Die Mondphasen-Liste »") + quelle() + L("« fehlt oder ist nicht lesbar."));
    EXPECT_FALSE(QFile::exists(ziel()));

    liste("05.01.2027 Vollmond\r\n");
    umgebung.schreiben(ziel(), "[2027]\r\n");
    QFile::setPermissions(ziel(), QFileDevice::ReadOwner);
    const auto gesperrt = MondphasenUebertragen(quelle(), ziel());
    ASSERT_FALSE(gesperrt.ok());
    EXPECT_EQ(gesperrt.fehler().beschreibung,
              L("Der Eintrag 05.01.2027 konnte nicht in die Datei »") + ziel() +
                  L("« geschrieben werden."));
    EXPECT_EQ(umgebung.lesen(ziel()), QByteArray("[2027]\r\n"));
}
