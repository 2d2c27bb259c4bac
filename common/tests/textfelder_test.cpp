#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include "common/berechnungen.h"
#include "common/einstellungen.h"
#include "common/textfelder.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

// Evaluation day Tuesday 5 March 2024, the appointment on 10 March 2024.
class TextFelder : public ::testing::Test {
protected:
    test::TestUmgebung umgebung;
    QString E(const char* text, const char* datum = "05.03.2024",
              const char* termin = "10.03.2024") {
        return TextFelderErsetzen(L(text), L(datum), L(termin));
    }
    void kuerzel(const char* inhalt) {
        umgebung.schreiben(umgebung.programm() + L("/Kuerzel.lst"), NachCp1252(L(inhalt)));
    }
    void berechnungen(const char* wert) {
        ASSERT_TRUE(IniSchreiben({}, {}, L("Berechnungen"), L(wert)).ok);
    }
};

}  // namespace

TEST_F(TextFelder, AbstandInTagenMitDerRichtigenForm) {
    EXPECT_EQ(E("Abgabe in {Diff:10.03.2024}"), L("Abgabe in 5 Tagen"));
    EXPECT_EQ(E("Abgabe noch {diff:10.03.2024}"), L("Abgabe noch 5 Tage"));
    EXPECT_EQ(E("{Diff:10.03.2024}"), L("5 Tage"));
    EXPECT_EQ(E("{Diff:}"), L("5 Tage"));  // the appointment's own date
    EXPECT_EQ(E("{DIFF:  10.03.2024  }"), L("5 Tage"));
    EXPECT_EQ(E("in {Diff:10.03.2024}"), L("in 5 Tage"));  // within the first five characters
    EXPECT_EQ(E("Urlaub seit {Diff:01.02.2024}"), L("Urlaub seit 4,7 Wochen"));
    EXPECT_EQ(E("Er wird {Diff:10.03.2024}"), L("Er wird 5 Tage"));
    EXPECT_EQ(E("Termin {Diff:10.03.2024}"), L("Termin 5 Tagen"));  // "Termin" holds "in"
    EXPECT_EQ(E("Morgen in {Diff:06.03.2024}"), L("Morgen in 1 Tag"));
    EXPECT_EQ(E("Heute: {Diff:05.03.2024}"), L("Heute: 0 Tage"));
    EXPECT_EQ(E("Geboren vor {Diff:15.05.1970}"), L("Geboren vor 53,8 Jahren"));
}

TEST_F(TextFelder, WerktageUndArbeitstage) {
    EXPECT_EQ(E("{DiffWt:10.03.2024}"), L("4 Werktagen"));
    EXPECT_EQ(E("{DiffAt:10.03.2024}"), L("3 Arbeitstagen"));
    EXPECT_EQ(E("{diffat:11.03.2024}", "08.03.2024"), L("1 Arbeitstag"));
    EXPECT_EQ(E("{diffat:01.03.2024}"), L("2 Arbeitstagen"));  // 1 and 4 March
    umgebung.schreiben(umgebung.programm() + L("/Feiertag.Ini"),
                       "[Feiertage]\r\n07.03=Probefeiertag\r\n");
    EXPECT_EQ(E("{DiffWt:10.03.2024}"), L("3 Werktagen"));
    EXPECT_EQ(E("{DiffAt:10.03.2024}"), L("2 Arbeitstagen"));
    EXPECT_EQ(E("{DiffAt:01.01.2100}"), L("3999 Arbeitstagen"));  // the walk is bounded
}

TEST_F(TextFelder, TageJahreUndEinfacheFelder) {
    EXPECT_EQ(E("{DiffTa:06.03.2024}"), L("1 Tag"));
    EXPECT_EQ(E("{DiffTa:01.03.2024}"), L("4 Tage"));
    EXPECT_EQ(E("wird {DiffJa:15.05.1970} alt"), L("wird 54 Jahre alt"));
    EXPECT_EQ(E("{DiffJa:31.12.2023}"), L("1 Jahr"));
    EXPECT_EQ(E("{m}/{j}"), L("3/2024"));
    EXPECT_EQ(E("{mt}"), L("3,15625"));
    EXPECT_EQ(E("{test}"), L("ok"));
    EXPECT_EQ(E("{ZyklusZähler:7}"), L("7"));
    EXPECT_EQ(E("{zykluszähler:12345}"), L("1234"));
    EXPECT_EQ(E("{ZYKLUSZÄHLER:  3}"), L("3"));
    EXPECT_EQ(E("{}"), L("??????"));
    EXPECT_EQ(E("{M }"), L("???m ???"));  // the short names must match exactly
}

TEST_F(TextFelder, FehlerhafteEingabenOhneMeldung) {
    EXPECT_EQ(E("a} {m}"), L("a} {m}"));
    EXPECT_EQ(E("Rest {m"), L("Rest {m"));
    EXPECT_EQ(E("{m} und {j"), L("3 und {j"));
    EXPECT_EQ(E("{xyz}"), L("???xyz???"));
    EXPECT_EQ(E("{m}", "31.02.2024"), L("31.02.2024 ist kein gültiges Datum!"));
    EXPECT_EQ(E("Ohne Felder", "31.02.2024"), L("31.02.2024 ist kein gültiges Datum!"));
    EXPECT_EQ(E("{Diff:kein Datum}", "05.03.2024", "kein Datum"),
              L("???formeldatum: kein datum ist fehlerhaft???"));
    EXPECT_EQ(E("{Diff:31.02.2024}"), L("5 Tage"));  // not a date: the appointment's date
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(TextFelder, Abkuerzungen) {
    kuerzel("xyz\tHallo {j}\r\nabc\tA\tB\r\nXYZ\tServus\r\nGRO\xc3\x9f\tgroß\r\n");
    EXPECT_EQ(E("{xyz}"), L("Hallo 2024"));  // the first line wins, then its field
    EXPECT_EQ(E("{XyZ}!"), L("Hallo 2024!"));
    EXPECT_EQ(E("{abc}"), L("A\tB"));
    EXPECT_EQ(E("{groß}"), L("groß"));
    EXPECT_EQ(E("{xy}"), L("???xy???"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(TextFelder, GelieferteAbkuerzungen) {
    QFile f(QStringLiteral(KRONEL_QUELLORDNER "/data/Kuerzel.lst"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    EXPECT_EQ(b.count('\n'), b.count("\r\n"));
    EXPECT_FALSE(b.contains("\xC3"));  // Windows-1252, not UTF-8
    umgebung.schreiben(umgebung.programm() + L("/Kuerzel.lst"), b);
    EXPECT_EQ(E("{mfg}"), L("Mit freundlichen Grüßen"));
    EXPECT_EQ(E("{geb}", "05.03.2024", "05.03.1974"), L("Geburtstag: wird 50 Jahre alt"));
    EXPECT_EQ(E("{frist}"), L("Abgabe in 3 Arbeitstagen"));
    EXPECT_EQ(E("{Müll}"), L("Mülltonne an die Straße stellen"));
    EXPECT_EQ(E("{monat}"), L("Monat 3/2024"));
}

TEST_F(TextFelder, AbkuerzungenDieSichSelbstEnthaltenEnden) {
    kuerzel("abc\t{abc}\r\nx\t<{y}>\r\ny\t[{x}]\r\nz\t{z}{z}\r\n");
    EXPECT_EQ(E("{abc}"), L("{abc}"));
    const QString wechsel = E("{x}");
    EXPECT_TRUE(wechsel.startsWith(L("<[<[<["))) << wechsel.toStdString();
    EXPECT_TRUE(E("{z} Ende").endsWith(L("Ende")));
}

TEST_F(TextFelder, UnlesbareAbkuerzungslisteWirdGemeldet) {
    QDir().mkpath(umgebung.programm() + L("/Kuerzel.lst"));  // a folder cannot be read
    umgebung.meldungen.antworten({4, 5});
    EXPECT_EQ(E("{m} {xyz} {j}"), L("3 ???xyz??? 2024"));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);  // Retry, then Ignore
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(
        L("Es ist ein Fehler beim Auswerten der Formeln aufgetreten.\r\n\r\n")));
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(umgebung.programm() +
                                                          L("/Kuerzel.lst« ist ein Ordner")));
    // Abort: what is expanded so far and the rest as written, never an empty text.
    umgebung.meldungen.antworten({3});
    EXPECT_EQ(E("{m} {xyz} {j}"), L("3 {xyz} {j}"));
}

TEST_F(TextFelder, OhneKlammernUnveraendert) {
    berechnungen("1");
    EXPECT_EQ(E("Nur Text   "), L("Nur Text   "));
}

TEST_F(TextFelder, BerechnungenNurWennEingeschaltet) {
    EXPECT_EQ(E("Preis [12/5]"), L("Preis [12/5]"));
    for (const char* aus : {"0", "", "nein"}) {
        berechnungen(aus);
        EXPECT_EQ(E("Preis [12/5]"), L("Preis [12/5]")) << aus;
    }
    for (const char* an : {"1", "-1", "2"}) {
        berechnungen(an);
        EXPECT_EQ(E("Preis [12/5]"), L("Preis 2,40")) << an;
    }
}

TEST_F(TextFelder, FelderDannBerechnungen) {
    berechnungen("1");
    EXPECT_EQ(E("{DiffTa:01.03.2024} = [4*24;0] Stunden"), L("4 Tage = 96 Stunden"));
    EXPECT_EQ(E("[{mt}*2]"), L("6,31"));  // the decimal comma of {mt} reads as a point
    EXPECT_EQ(E("Summe [1+1]   "), L("Summe 2,00"));
}

TEST_F(TextFelder, EinStapelLiestEinstellungUndListeEinmal) {
    berechnungen("1");
    kuerzel("k\tKurz\r\n");
    TextFelderStapel stapel;
    const QDate tag(2024, 3, 5);
    EXPECT_EQ(stapel.ersetzen(L("{k} [1+1]"), tag, L("10.03.2024")), L("Kurz 2,00"));
    berechnungen("0");
    QFile::remove(umgebung.programm() + L("/Kuerzel.lst"));
    EXPECT_EQ(stapel.ersetzen(L("{k} [1+1]"), tag, L("10.03.2024")), L("Kurz 2,00"));
    EXPECT_EQ(TextFelderStapel().ersetzen(L("{k} [1+1]"), tag, L("10.03.2024")),
              L("???k??? [1+1]"));
}

// A text of built-in fields alone may be left unexpanded where it is not shown:
// its expansion must never reach the abbreviation list (unreadable here, so any
// lookup is reported) nor a calculation.
TEST_F(TextFelder, NurEingebauteFelderLesenNichtsNach) {
    for (const char* t : {"Geburtstag: Anna wird {DiffJa:05.03.1974} alt", "{m}/{J} {mt} {test} {}",
                          "{Diff:01.01.2020} {DIFFTA:xx} {ZyklusZähler:3} {ZYKLUSZÄHLER:12}",
                          "kein Feld", "offen {m", "a}b{xyz}", "{m}}{xyz}", "{j}{m}"}) {
        EXPECT_TRUE(NurEingebauteFelder(L(t))) << t;
    }
    for (const char* t : {"{xyz}", "{m} {mfg}", "{DiffWt:10.03.2024}", "{DiffAt:10.03.2024}",
                          "[1+1]", "{m} [2]", "{a{m}", "{ſ}", "{difftag:1.1.2020}"}) {
        EXPECT_FALSE(NurEingebauteFelder(L(t))) << t;
    }
    berechnungen("1");
    QDir().mkpath(umgebung.programm() + L("/Kuerzel.lst"));
    umgebung.meldungen.antworten({5});
    const QStringList teile =
        L("{m}|{J}|{Test}|{}|{mt}|{xyz}|{|}|Text |{diff:1.1.2020}|{DiffJa:}|{ZyklusZähler:7}|"
          "[2*3]|{TEST}")
            .split(u'|');
    QRandomGenerator zufall(99);
    for (int i = 0; i < 300; ++i) {
        QString t;
        for (int n = zufall.bounded(1, 5); n > 0; --n) {
            t += teile[zufall.bounded(teile.size())];
        }
        if (!NurEingebauteFelder(t)) {
            continue;
        }
        TextFelderStapel stapel;
        (void)stapel.ersetzen(t, QDate(2024, 3, 5), L("10.03.2024"));
        ASSERT_TRUE(umgebung.meldungen.boxen.empty()) << t.toStdString();
    }
    // The unreadable list is reported as soon as a field needs it.
    (void)E("{m} {xyz}");
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);
}

class Berechnungen : public ::testing::Test {
protected:
    test::TestUmgebung umgebung;
    QString B(const char* text) {
        QString t = L(text);
        const QString r = BerechnungenErsetzen(t);
        EXPECT_EQ(r, t);
        return r;
    }
};

TEST_F(Berechnungen, FormateUndKleinschreibung) {
    EXPECT_EQ(B("Preis [12/5]"), L("Preis 2,40"));
    EXPECT_EQ(B("Preis [12/5;0.000]"), L("Preis 2,400"));
    EXPECT_EQ(B("[1/3;0%]"), L("33%"));
    EXPECT_EQ(B("[1/0]"), L("0,00"));
    EXPECT_EQ(B("[sqr(16)]"), L("4,00"));
    EXPECT_EQ(B("[SQR(16)]"), L("4,00"));
    EXPECT_EQ(B("[pi*2]"), L("0,00"));
    EXPECT_EQ(B("[e]"), L("2,72"));
    EXPECT_EQ(B("[sec(0)]"), L("0,00"));
    EXPECT_EQ(B("[2d3;#,##0]"), L("2.000"));  // exponents with "d"
    EXPECT_EQ(B("[45356;DD.MM.YYYY]"), L("05.03.2024"));
    EXPECT_EQ(B("[1+1] und [2*3]"), L("2,00 und 6,00"));
    EXPECT_EQ(B("Preis [1,5*2;0.0] EUR"), L("Preis 3,0 EUR"));
}

TEST_F(Berechnungen, OffeneUndLeereKlammern) {
    EXPECT_EQ(B("a [1+1 b"), L("a [1+1 b"));
    EXPECT_EQ(B("x [] y [1+1]"), L("x [] y [1+1]"));
    EXPECT_EQ(B("[1+1] x [] y [1+1]"), L("2,00 x [] y [1+1]"));
    EXPECT_EQ(B("a ] [2]"), L("a ] 2,00"));
}

TEST_F(Berechnungen, LaufzeitfehlerMitIgnorierenBleibtStehen) {
    umgebung.meldungen.antworten({5});
    EXPECT_EQ(B("[10^400] und [1+1]"), L("[10^400] und 2,00"));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text,
              L("Es ist ein Fehler bei der Berechnung von \r\n\r\n[10^400] und [1+1]\r\n\r\n"
                " aufgetreten.\r\n\r\nÜberlauf (6)."));
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Fehler in Kronelin"));
}

TEST_F(Berechnungen, WiederholenUndAbbrechen) {
    umgebung.meldungen.antworten({4, 3});
    EXPECT_EQ(B("[1+1] [10^400] [2+2]"), L("2,00 [10^400] [2+2]"));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    // the text of the box shows the calculations replaced so far
    EXPECT_NE(umgebung.meldungen.boxen[1].text.indexOf(L("2,00 [10^400] [2+2]")), -1);
    umgebung.meldungen.antworten({5, 5});
    EXPECT_EQ(B("[1D400] [2^2000] [3]"), L("[1D400] [2^2000] 3,00"));
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 4u);
}
