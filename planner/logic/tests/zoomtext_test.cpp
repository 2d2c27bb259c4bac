#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "planner/planer.h"
#include "planner/zoomtext.h"
#include "planner_testsupport/fakes.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

}  // namespace

TEST(ZoomText, PanelsZaehlenDenZeilenumbruchDoppelt) {
    const QString fuenfzig(50, QLatin1Char('x'));
    EXPECT_EQ(ZoomPanelsBilden(fuenfzig, 0, 200),
              (ZoomPanels{L(" 1 Ze  1 / 50 Zeichen "), L("1. Zeile   1 / 50 Zeichen"), L("25%")}));
    EXPECT_EQ(ZoomPanelsBilden(QString(24, QLatin1Char('x')), 0, 200).Prozent, L("12%"));
    EXPECT_EQ(ZoomPanelsBilden({}, 0, 200),
              (ZoomPanels{L("keine Eingaben"), L("keine Eingaben"), L("0%")}));
    // Without a maximum length there is no share to show.
    EXPECT_EQ(ZoomPanelsBilden(fuenfzig, 0, 0).Prozent, QString());
    // "ab", "cd", "ef": the caret before "e" stands on the third line, at the
    // seventh character of the record, which holds 10.
    const QString drei = L("ab\ncd\nef");
    EXPECT_EQ(ZoomPanelsBilden(drei, 6, 0).Position, L(" 3 Ze  9 / 10 Zeichen "));
    // At the end of a line, before its break, the caret is still on that line.
    EXPECT_EQ(ZoomPanelsBilden(drei, 2, 0).Position, L(" 1 Ze  3 / 10 Zeichen "));
}

TEST(ZoomText, PositionenImSatzUndZurueck) {
    const QString t = L("ab\ncd");
    EXPECT_EQ(SatzLaenge(t), 6);
    EXPECT_EQ(SatzPosition(t, 3), 4);
    EXPECT_EQ(EditorPosition(t, 4), 3);
    EXPECT_EQ(EditorPosition(t, 3), 2);  // between CR and LF: the break's start
    EXPECT_EQ(EditorPosition(t, 99), 5);
}

TEST(ZoomText, EinfuegungEndetAnDerHoechstlaenge) {
    EXPECT_EQ(EinfuegungKuerzen(L("09.12.2026 "), 20), L("09.12.2026 "));
    EXPECT_EQ(EinfuegungKuerzen(L("09.12.2026 "), 5), L("09.12"));
    EXPECT_EQ(EinfuegungKuerzen(L("ab\ncd"), 3), L("ab"));  // a break is not cut in two
    EXPECT_EQ(EinfuegungKuerzen(L("ab\ncd"), 4), L("ab\n"));
    EXPECT_EQ(EinfuegungKuerzen(L("x"), 0), QString());
}

TEST(ZoomText, SchriftStufenHaltenAnDenEnden) {
    const QList<int> groessen{6, 8, 10, 12, 72};
    EXPECT_EQ(SchriftSchritt(groessen, 10, 1), 12);
    EXPECT_EQ(SchriftSchritt(groessen, 10, -1), 8);
    EXPECT_EQ(SchriftSchritt(groessen, 9.5, 1), 10);
    EXPECT_EQ(SchriftSchritt(groessen, 72, 1), 72);
    EXPECT_EQ(SchriftSchritt(groessen, 6, -1), 6);
}

TEST(ZoomText, DatumUndZeitMitLeerzeichen) {
    test::TestUmgebung umgebung;
    umgebung.uhr.setzen(QDateTime(QDate(2026, 3, 1), QTime(7, 5, 59)));
    EXPECT_EQ(ZoomDatumText(), L("01.03.2026 "));
    EXPECT_EQ(ZoomZeitText(), L("07:05 "));
}

TEST(ZoomText, PlanerGibtMeldungAuswahlUndSchriftUndUebernimmtNurOk) {
    test::TestUmgebung umgebung;
    IniSchreiben({}, {}, L("DirData"), umgebung.daten());
    IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
    umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"),
                       "..Kronelin 8.010000\r\n"
                       "20270312-   -   -         -   Alle   Geburtstag\r\n");
    test::AufnahmeSicht sicht;
    test::SkriptFenster fenster;
    fenster.da << Fenstername::ZoomText;
    Planer planer{sicht, fenster};
    ASSERT_TRUE(planer.FormLoad());
    sicht.felder.STDatum = L("12.03.1960");  // typed, not yet left
    sicht.meldungAuswahl = {3, 4};
    sicht.meldungSchrift = {L("Arial"), 10, true, false, false};

    fenster.zoomTextAntwort = {1, L("verworfen")};
    planer.Main_bezZoomMeldung_Click();
    ASSERT_EQ(fenster.zoomText.size(), 1u);
    const ZoomTextAnfrage& a = fenster.zoomText.back();
    EXPECT_EQ(a.Caption, L("Zoom (Kronel-Meldung für den 12.03.1960)"));
    EXPECT_EQ(a.Text, L("Geburtstag"));
    EXPECT_EQ(a.MaxLength, 1024);
    EXPECT_EQ(a.SelStart, 3);
    EXPECT_EQ(a.SelLength, 4);
    EXPECT_EQ(a.Schrift.name, L("Arial"));
    EXPECT_TRUE(a.Schrift.fett);
    EXPECT_EQ(sicht.felder.STMeldung, L("Geburtstag"));

    fenster.zoomTextAntwort = {0, L("Geburtstag\r\nvon Eva")};
    planer.Main_bezZoomMeldung_Click();
    EXPECT_EQ(sicht.felder.STMeldung, L("Geburtstag\r\nvon Eva"));
    EXPECT_EQ(sicht.meldungStart, 19);  // the caret behind the text, nothing selected
    EXPECT_EQ(sicht.meldungLaenge, 0);
    EXPECT_TRUE(planer.buch.ListeTermine[0].endsWith(L("Geburtstag°°von Eva")));

    // The edited text enters the record as typing into the message field does.
    fenster.zoomTextAntwort = {0, L("Geburtstag\r\nvon\tEva ł") + QString(1100, u'x')};
    planer.Main_bezZoomMeldung_Click();
    EXPECT_TRUE(sicht.felder.STMeldung.startsWith(L("Geburtstag\r\nvonEva ?xx")));
    EXPECT_EQ(sicht.felder.STMeldung.size(), 1024);
}
