#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "planner/hauptlogik.h"
#include "planner/suchmuster.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

}  // namespace

TEST(Befehlszeile, GeheZuTextUndAutoprint) {
    EXPECT_EQ(GeheZuTextAus(L("/GeheZu:Zahnarzt Meier")), L("Zahnarzt Meier"));
    // 15 characters at most, then trimmed; the text keeps its case
    EXPECT_EQ(GeheZuTextAus(L("gehezu: Ein sehr langer Suchtext")), L("Ein sehr lange"));
    EXPECT_EQ(GeheZuTextAus(L("readonly GEHEZU:Chor")), L("Chor"));
    EXPECT_EQ(GeheZuTextAus(L("x gehezu:")), QString());
    EXPECT_EQ(GeheZuTextAus(L("readonly")), QString());
    EXPECT_TRUE(IstAutoprint(L("/AUTOPRINT")));
    EXPECT_TRUE(IstAutoprint(L("readonly /autoprint")));
    EXPECT_FALSE(IstAutoprint(L("/auto print")));
}

TEST(Auswahllisten, VorgabenWerdenZurueckgeschriebenUndGeteilt) {
    test::TestUmgebung umgebung;
    const QStringList filter = AuswahlLesen(Auswahl::Filter);
    // "," and ";" belong to the choice
    ASSERT_EQ(filter.size(), 25);
    EXPECT_EQ(filter[6], L("Sa,So"));
    EXPECT_EQ(filter[7], L("!Sa;!So"));
    EXPECT_EQ(filter[14], L("Mär"));
    EXPECT_EQ(IniLesen({}, {}, L("DefFilter")), AuswahlVorgabe(Auswahl::Filter));

    IniSchreiben({}, {}, L("DefAdress"), L("Alle|Hans|Grete|"));
    EXPECT_EQ(AuswahlLesen(Auswahl::Adress), (QStringList{L("Alle"), L("Hans"), L("Grete")}));

    // An empty value stays empty and is written back
    IniSchreiben({}, {}, L("DefVonBis"), QString());
    EXPECT_TRUE(AuswahlLesen(Auswahl::VonBis).isEmpty());
    EXPECT_TRUE(umgebung.lesen(umgebung.riviror()).contains("DefVonBis=\r\n"));

    QString viele;
    for (int i = 1; i <= 60; ++i) {
        viele += QString::number(i) + L("T|");
    }
    IniSchreiben({}, {}, L("DefZyklen"), viele);
    const QStringList z = AuswahlLesen(Auswahl::Zyklen);
    ASSERT_EQ(z.size(), 50);
    EXPECT_EQ(z.back(), L("50T"));
}

TEST(Statustexte, PanelsUndHinweise) {
    EXPECT_EQ(PositionText(0, 12), L(" Termin 1 von 12 "));
    EXPECT_EQ(PositionText(29999, 30001), L(" Termin 30000 von 30001 "));
    EXPECT_EQ(FeldHinweis(Feld::SKVon), L("Wie früh soll die Meldung ausgegeben werden?"));
    EXPECT_EQ(FeldHinweis(Feld::STDatum),
              L("Wann ist der Termin? Doppelklick aktiviert das Kalenderblatt."));
}

TEST(Beschriftung, TageFensterUndAbstand) {
    test::TestUmgebung umgebung;
    const QDate heute(2026, 12, 9);
    TerminBeschriftung b = BeschriftungBerechnen(L("10.03.1999"), L("2T"), L("2T"), heute, {});
    EXPECT_EQ(b.bezeichnung0, L("Am Mittwoch"));
    EXPECT_EQ(b.SBVon, L("08.03.1999"));
    EXPECT_EQ(b.bezeichnung1, L("melden ab Mo"));
    EXPECT_EQ(b.SBBis, L("12.03.1999"));
    EXPECT_EQ(b.bezeichnung2, L("melden bis Fr"));
    EXPECT_TRUE(b.BezIn.startsWith(L("vor "))) << b.BezIn.toStdString();
    EXPECT_TRUE(b.BezIn.endsWith(L("\r10. Woche")));

    b = BeschriftungBerechnen(L("09.12.2026"), L("-"), L("-"), heute, {});
    EXPECT_EQ(b.SBVon, L("09.12.2026"));
    EXPECT_EQ(b.SBBis, L("09.12.2026"));
    EXPECT_EQ(b.BezIn, L("heute\r50. Woche"));
    EXPECT_EQ(BeschriftungBerechnen(L("10.12.2026"), L("-"), L("-"), heute, {}).BezIn,
              L("in 1 Tag\r50. Woche"));
    EXPECT_EQ(BeschriftungBerechnen(L("6.12.2026"), L("-"), L("-"), heute, {}).BezIn,
              L("vor 3 Tagen\r49. Woche"));

    // No date: the labels stay, "heute" and week 0, and no box ever
    const TerminBeschriftung vorher = b;
    const TerminBeschriftung ohne = BeschriftungBerechnen(L("morgen"), L("1T"), L("-"), heute, b);
    EXPECT_EQ(ohne.bezeichnung0, vorher.bezeichnung0);
    EXPECT_EQ(ohne.SBVon, vorher.SBVon);
    EXPECT_EQ(ohne.BezIn, L("heute\r0. Woche"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST(Datumspruefung, NormiertOderHeute) {
    const QDate heute(2026, 12, 9);
    DatumPruefung p = DatumPruefen(L("12.3.1999"), heute);
    EXPECT_TRUE(p.gueltig);
    EXPECT_EQ(p.text, L("12.03.1999"));
    p = DatumPruefen(L("morgen"), heute);
    EXPECT_FALSE(p.gueltig);
    EXPECT_EQ(p.text, L("09.12.2026"));
    EXPECT_EQ(p.meldung, L("»morgen« ist kein gültiges Datum. Setze Datum auf heute!"));
    EXPECT_EQ(DatumPruefen(QString(), heute).meldung,
              L("»« ist kein gültiges Datum. Setze Datum auf heute!"));
    EXPECT_FALSE(DatumPruefen(L("31.02.2026"), heute).gueltig);
}

TEST(Kalenderwahl, TageAlsPeriodencode) {
    const std::pair<long long, const char*> faelle[] = {
        {0, "0T"},      {10, "10T"},    {-10, "10T"},    {999, "999T"},  {1000, "143W"},
        {6996, "999W"}, {6997, "230M"}, {30422, "999M"}, {30423, "83J"}, {400000, "999J"}};
    for (const auto& [tage, code] : faelle) {
        EXPECT_EQ(PeriodeAusTagen(tage), L(code)) << tage;
    }
}

TEST(Listenaussehen, SchluesselRundreise) {
    test::TestUmgebung umgebung;
    ListenAussehen a;
    a.schrift = {L("DejaVu Sans Mono"), 12.75, true, false, false};
    a.vordergrund = 255;                               // red, 0x00BBGGRR
    a.hintergrund = static_cast<qint32>(0x80000005u);  // system window colour
    ListenAussehenSchreiben(a);
    const QByteArray ini = umgebung.lesen(umgebung.riviror());
    EXPECT_TRUE(
        ini.contains("SchriftGr\xf6\xdf"
                     "e=12.75\r\n"));
    EXPECT_TRUE(ini.contains("SchriftFett=True\r\n"));
    EXPECT_TRUE(ini.contains("SchriftKursiv=False\r\n"));
    EXPECT_TRUE(ini.contains("SchriftHintergrundFarbe=-2147483643\r\n"));

    const ListenAussehen b = ListenAussehenLesen(ListenAussehenStandard());
    EXPECT_EQ(b.schrift.name, a.schrift.name);
    EXPECT_EQ(b.schrift.groesse, 12.75);
    EXPECT_TRUE(b.schrift.fett);
    EXPECT_FALSE(b.schrift.kursiv);
    EXPECT_EQ(b.vordergrund, 255);
    EXPECT_EQ(b.hintergrund, a.hintergrund);
}

TEST(Listenaussehen, GroesseUndUngueltigeWerte) {
    test::TestUmgebung umgebung;
    const ListenAussehen std_ = ListenAussehenStandard();
    auto groesse = [&](const char* wert) {
        IniSchreiben({}, {}, L("SchriftGröße"), L(wert));
        return ListenAussehenLesen(std_).schrift.groesse;
    };
    EXPECT_EQ(groesse("30"), 12.75);
    EXPECT_EQ(groesse("12.75"), 12.75);
    EXPECT_EQ(groesse("12,5"), 12);
    EXPECT_EQ(groesse("9"), 9);

    IniSchreiben({}, {}, L("SchriftVordergrundFarbe"), L("rot"));
    IniSchreiben({}, {}, L("SchriftFett"), L("richtig"));
    const ListenAussehen b = ListenAussehenLesen(std_);
    EXPECT_EQ(b.vordergrund, std_.vordergrund);
    EXPECT_TRUE(b.schrift.fett);
    // Missing keys: the current look
    EXPECT_EQ(b.schrift.name, L("Courier New"));
}

TEST(Drucktaste, TooltipNachLieblingsausdruck) {
    test::TestUmgebung umgebung;
    EXPECT_EQ(DruckenTooltip(), L("Termin-Kalenderblatt drucken"));
    for (const char* w : {"1", "2"}) {
        IniSchreiben({}, {}, L("Lieblingsausdruck"), L(w));
        EXPECT_EQ(DruckenTooltip(), L("Termin-Kalenderblatt drucken")) << w;
    }
    for (const char* w : {"0", "Liste"}) {
        IniSchreiben({}, {}, L("Lieblingsausdruck"), L(w));
        EXPECT_EQ(DruckenTooltip(), L("Termin-Liste drucken")) << w;
    }
}

TEST(Anordnung, BreiteUndHoehe) {
    const double sw = 20000, sh = 15000;
    Anordnung a = DesignAnordnung();
    a.fenster = {100, 100, 8000, 5500};
    Anordnung r = AnordnungBerechnen(a, sw, sh, false);
    EXPECT_DOUBLE_EQ(r.liste.weite, 9015);   // exactly 8000: widths stay
    EXPECT_DOUBLE_EQ(r.rahmen.hoehe, 2415);  // exactly 5500: heights stay
    EXPECT_DOUBLE_EQ(r.liste.hoehe, 2220);

    a.fenster.weite = 8010;
    r = AnordnungBerechnen(a, sw, sh, false);
    EXPECT_DOUBLE_EQ(r.liste.weite, 7650);
    EXPECT_DOUBLE_EQ(r.rahmen.weite, 7650);
    EXPECT_DOUBLE_EQ(r.meldung.weite, 7410);

    // Above 5500 the frame takes the client height / 2.7
    a.fenster.hoehe = 7000;
    a.clientHoehe = 5400;
    r = AnordnungBerechnen(a, sw, sh, false);
    EXPECT_DOUBLE_EQ(r.rahmen.hoehe, 2000);
    EXPECT_DOUBLE_EQ(r.rahmen.oben, 5400 - 2000 - 350);
    EXPECT_DOUBLE_EQ(r.liste.hoehe, 3050 - 600 - 10);
    EXPECT_DOUBLE_EQ(r.meldung.hoehe, 2000 - 1320 - 120);
    EXPECT_DOUBLE_EQ(r.liste.oben, 600);

    // Client above 8100: the frame is 3000, the list takes the rest
    a.fenster.hoehe = 12000;
    a.clientHoehe = 10000;
    r = AnordnungBerechnen(a, sw, sh, false);
    EXPECT_DOUBLE_EQ(r.rahmen.hoehe, 3000);
    EXPECT_DOUBLE_EQ(r.liste.hoehe, 10000 - 3000 - 350 - 600 - 10);
    // A taller status bar lifts the frame, which ends right above it
    a.statusleiste = 900;
    r = AnordnungBerechnen(a, sw, sh, false);
    EXPECT_DOUBLE_EQ(r.rahmen.oben + r.rahmen.hoehe, 10000 - 900);
    EXPECT_DOUBLE_EQ(r.liste.hoehe, 10000 - 3000 - 900 - 600 - 10);

    // The design frame gives the message field its design size
    a = DesignAnordnung();
    a.fenster = {0, 0, 9255, 6600 + 1000};
    a.clientHoehe = 2415 * 2.7;
    r = AnordnungBerechnen(a, sw, sh, false);
    EXPECT_DOUBLE_EQ(r.meldung.hoehe, 975);
    EXPECT_DOUBLE_EQ(r.meldung.weite, 9255 - 360 - 240);
}

TEST(Anordnung, BildschirmUndMaximiert) {
    Anordnung a = DesignAnordnung();
    a.fenster = {-300, -50, 25000, 16000};
    a.clientHoehe = 15000;
    Anordnung r = AnordnungBerechnen(a, 20000, 15000, false);
    EXPECT_DOUBLE_EQ(r.fenster.links, 0);
    EXPECT_DOUBLE_EQ(r.fenster.oben, 0);
    EXPECT_DOUBLE_EQ(r.fenster.weite, 20000);
    EXPECT_DOUBLE_EQ(r.fenster.hoehe, 15000);
    EXPECT_DOUBLE_EQ(r.clientHoehe, 14000);

    r = AnordnungBerechnen(a, 20000, 15000, true);
    EXPECT_DOUBLE_EQ(r.fenster.links, -300);
    EXPECT_DOUBLE_EQ(r.liste.weite, 9015);
}

TEST(Suchmuster, Musterregeln) {
    EXPECT_TRUE(MusterPasst(L("15.07.2026 mi: x"), L("*1?.07.*")));
    EXPECT_FALSE(MusterPasst(L("25.07.2026 sa: x"), L("1?.07.*")));
    EXPECT_TRUE(MusterPasst(L("a7b"), L("a#b")));
    EXPECT_FALSE(MusterPasst(L("axb"), L("a#b")));
    EXPECT_TRUE(MusterPasst(L("cat"), L("[a-c]at")));
    EXPECT_FALSE(MusterPasst(L("cat"), L("[!a-c]at")));
    EXPECT_TRUE(MusterPasst(L("hat"), L("[!a-c]at")));
    EXPECT_TRUE(MusterPasst(L("abc"), L("*")));
    EXPECT_TRUE(MusterPasst(QString(), L("**")));
    EXPECT_TRUE(MusterPasst(L("a*b"), L("a[*]b")));
    // An unclosed "[" stands for itself
    EXPECT_TRUE(MusterPasst(L("x[y"), L("*[y*")));
    EXPECT_FALSE(MusterPasst(L("xy"), L("*[y*")));
    EXPECT_TRUE(MusterPasst(L("aXbXc"), L("a*b*c")));
    EXPECT_FALSE(MusterPasst(L("ab"), L("a*b*c")));
}

TEST(Suchmuster, ReihenfolgeUndUmlauf) {
    // Five lines, line 3 current, downwards: 4, 0, 1, 2, 3
    const QStringList z{L("null"), L("eins"), L("zwei"), L("drei"), L("vier")};
    EXPECT_EQ(ZeileSuchen(z, 3, L("vier"), 1), 4);
    EXPECT_EQ(ZeileSuchen(z, 3, L("null"), 1), 0);
    EXPECT_EQ(ZeileSuchen(z, 3, L("drei"), 1), 3);  // the current line last
    EXPECT_EQ(ZeileSuchen(z, 3, L("e"), 1), 4);
    EXPECT_EQ(ZeileSuchen(z, 3, L("fünf"), 1), -1);
    // No current line, upwards: the last line first
    EXPECT_EQ(ZeileSuchen(z, -1, L("e"), -1), 4);
    // Case is ignored, umlauts included
    EXPECT_EQ(ZeileSuchen({L("Zahnarzt MÜLLER")}, 0, L("müller"), 1), 0);
    // An empty text matches the next line
    EXPECT_EQ(ZeileSuchen(z, 1, QString(), 1), 2);
    EXPECT_EQ(ZeileSuchen({}, -1, L("x"), 1), -1);
}
