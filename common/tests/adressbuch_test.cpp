#include <gtest/gtest.h>

#include "common/adressbuch.h"
#include "common/einstellungen.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;

QString Zeile(const char* felder) {
    return TelefonZeile(AdressFelder(L(felder), 15));
}

QStringList Namen(const std::vector<Adressbuch>& buecher) {
    QStringList namen;
    for (const Adressbuch& b : buecher) {
        namen << b.Name;
    }
    return namen;
}
}  // namespace

TEST(Adressbuch, TelefonZeileAusDenFeldern) {
    EXPECT_EQ(Zeile("1\tMaier\tEva\t\t\t\t\t040 123\t\t\t\t\t0171 9"),
              L("Maier, Eva - 040 123 oder 0171 9"));
    EXPECT_EQ(Zeile("1\tMaier\t\t\t\t\t\t040 123\t\t\t\t\t0171 9"),
              L("Maier - 040 123 oder 0171 9"));
    EXPECT_EQ(Zeile("1\tMaier\tEva\t\t\t\t\t\t\t\t\t\t0171 9"), L("Maier, Eva - 0171 9"));
    EXPECT_EQ(Zeile("1\tMaier\tEva\t\t\t\t\t  \t\t\t\t\t"), QString());
    // fewer than thirteen fields: the missing ones are empty; blanks are trimmed
    EXPECT_EQ(Zeile("1\t Maier \t Eva \tx\tx\tx\tx\t 040 123 "), L("Maier, Eva - 040 123"));
    // a field after 14 is not read as the number
    EXPECT_EQ(AdressFelder(L("0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15"), 15).feld(15),
              QString());
}

TEST(Adressbuch, BuecherUndZeilen) {
    test::TestUmgebung umgebung;
    const QString ordner = umgebung.daten() + L("/adressen");
    umgebung.schreiben(ordner + L("/Privat.DAT"),
                       "1\tZorn\tUdo\t\t\t\t\t030 1\r\n"
                       "2\t\xc3\x84rger\tJ\xc3\xbcrgen\t\t\t\t\t089 2\r\n"  // UTF-8
                       "3\tAdler\t\t\t\t\t\t\r\n"
                       "4\t\xd6hme\tBj\xf6rn\t\t\t\t\t040 3");  // Windows-1252, no line end
    umgebung.schreiben(ordner + L("/arbeit.dat"), "");
    umgebung.schreiben(ordner + L("/notiz.txt"), "");
    IniSchreiben({}, L("Solmika"), L("Dir"), QString(ordner).replace(u'/', u'\\'));

    const std::vector<Adressbuch> buecher = AdressbuecherSuchen();
    EXPECT_EQ(Namen(buecher), QStringList({L("arbeit"), L("Privat")}));
    EXPECT_EQ(TelefonZeilen(buecher.at(1).Pfad),
              QStringList(
                  {L("Ärger, Jürgen - 089 2"), L("Öhme, Björn - 040 3"), L("Zorn, Udo - 030 1")}));
    EXPECT_EQ(TelefonZeilen(ordner + L("/fehlt.dat")), QStringList());

    IniSchreiben({}, L("Solmika"), L("Dir"), L("C:\\Solmika"));
    EXPECT_TRUE(AdressbuecherSuchen().empty());
}

TEST(Adressbuch, HinweisWoDerOrdnerEingestelltWird) {
    test::TestUmgebung umgebung;
    const QString wo = L(". Den Ordner der Adressbücher (Dateien *.dat) nennt der Schlüssel "
                         "»Dir« im Abschnitt »Solmika« der Datei »") +
                       umgebung.riviror() + L("«.");
    EXPECT_EQ(AdressbuecherFehlenHinweis({}), L("Kein Ordner für Adressbücher eingestellt") + wo);
    const QString ordner = umgebung.daten() + L("/adressen");
    umgebung.schreiben(ordner + L("/liesmich.txt"), "");
    IniSchreiben({}, L("Solmika"), L("Dir"), ordner);
    EXPECT_EQ(AdressbuecherFehlenHinweis(AdressbuecherSuchen()),
              L("Kein Adressbuch im Ordner »") + ordner + L("«") + wo);
    EXPECT_EQ(AdressbuecherFehlenHinweis({{L("Privat"), ordner + L("/Privat.dat")}}), QString());
    // A folder on a drive names nothing here, but it is set: named as it stands.
    IniSchreiben({}, L("Solmika"), L("Dir"), L("C:\\Solmika"));
    EXPECT_EQ(AdressbuecherFehlenHinweis({}), L("Kein Adressbuch im Ordner »C:\\Solmika«") + wo);
}
