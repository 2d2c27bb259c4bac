#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/text.h"
#include "reminder/tagesliste.h"
#include "termine.h"
#include "testsupport/drucken.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

using test::Termin;

QDateTime Um(int h, int m, QDate d = QDate(1999, 3, 12)) {
    return QDateTime(d, QTime(h, m, 30));
}

}  // namespace

TEST(ZeitSchluessel, BeispieleUndUngueltigeZeiten) {
    const std::pair<const char*, const char*> faelle[] = {
        {"08:30 Zahnarzt", "0850"},
        {"14.45 Besprechung", "1475"},
        {"12 Uhr Essen", "1200"},
        {"2330 Spätfilm", "2350"},
        {"00:00 Mitternacht", "0000"},
        {"23:59 knapp", "2398"},
        {"12:01", "1202"},  // 1201.67 rounded
        {"8:30 eine Stelle zu wenig", "----"},
        {"Zahnarzt um 8", "----"},
        {"", "----"},
        {"25:00", "----"},
        {"99:75 keine Zeit", "----"},  // 10025: above 2399 as a number
        {"24:00", "----"},
    };
    for (const auto& [text, schluessel] : faelle) {
        EXPECT_EQ(ZeitSchluessel(L(text)), L(schluessel)) << text;
    }
}

TEST(Erinnerungsdatei, VersionImKopfEntscheidet) {
    EXPECT_EQ(LeseartVon(8010), Leseart::Lesen);
    EXPECT_EQ(LeseartVon(4000), Leseart::Lesen);
    EXPECT_EQ(LeseartVon(0), Leseart::Lesen);
    EXPECT_EQ(LeseartVon(1000), Leseart::AlteDaten);
    EXPECT_EQ(LeseartVon(3490), Leseart::AlteDaten);
    EXPECT_EQ(LeseartVon(3610), Leseart::AlteDaten);
    EXPECT_EQ(LeseartVon(3620), Leseart::Nichts);
    EXPECT_EQ(LeseartVon(3800), Leseart::Nichts);
    EXPECT_EQ(LeseartVon(990), Leseart::Nichts);

    const QByteArray satz = NachCp1252(Termin("19990312", "-", "-", "08:30 Zahnärztin"));
    auto d = ErinnerungsdateiLesen("..Kronelin 8.010090\r\n" + satz + "\r\n");
    EXPECT_EQ(d.art, Leseart::Lesen);
    EXPECT_EQ(d.termine, QStringList{Termin("19990312", "-", "-", "08:30 Zahnärztin")});

    d = ErinnerungsdateiLesen("..Kronelin 3.490000\r\n" + satz + "\r\n");
    EXPECT_EQ(d.art, Leseart::AlteDaten);
    EXPECT_TRUE(d.termine.isEmpty());
    d = ErinnerungsdateiLesen("..Kronelin 3.800000\r\n" + satz + "\r\n");
    EXPECT_EQ(d.art, Leseart::Nichts);
    EXPECT_TRUE(d.termine.isEmpty());

    // Without a header the first record is taken for one.
    d = ErinnerungsdateiLesen(satz + "\r\n" + satz + "\r\n");
    EXPECT_EQ(d.art, Leseart::Lesen);
    EXPECT_EQ(d.termine.size(), 1);

    d = ErinnerungsdateiLesen("..Kronelin 8.010090\r\n");
    EXPECT_TRUE(d.termine.isEmpty());
    EXPECT_TRUE(ErinnerungsdateiLesen({}).termine.isEmpty());
}

// A lost line break after the header: the one record behind it is read, as
// the planner reads it; a whole book on one line is no record.
TEST(Erinnerungsdatei, TerminAmKopf) {
    const QString eins = Termin("19990312", "-", "-", "08:30 Zahnarzt");
    const QString zwei = Termin("19990313", "-", "-", "10:00 Friseur");
    const QByteArray kopf = "..Kronelin 8.010090";
    EXPECT_EQ(ErinnerungsdateiLesen(kopf + NachCp1252(eins) + "\r\n" + NachCp1252(zwei)).termine,
              (QStringList{eins, zwei}));
    EXPECT_TRUE(ErinnerungsdateiLesen(kopf + NachCp1252(eins + zwei + eins)).termine.isEmpty());
}

TEST(Kandidaten, ZeileMitSchluesselDatumWochentagUndMarke) {
    const QDate tag(1999, 3, 12);
    EXPECT_EQ(Kandidatenzeile(Termin("19990312", "-", "-", "08:30 Zahnarzt°°Karte mit"), tag),
              L("0850 12.03.1999 (Fr)* 08:30 Zahnarzt°°Karte mit"));
    EXPECT_EQ(Kandidatenzeile(Termin("19990313", "1T", "-", "10:00 Friseur"), tag),
              L("1000 13.03.1999 (Sa): 10:00 Friseur"));
}

TEST(Kandidaten, AnkuendigungszeitraumUndAusschluesse) {
    const QDate tag(1999, 3, 12);
    const QStringList termine = {
        Termin("19990312", "-", "-", "08:30 Zahnarzt"),
        Termin("19990313", "1T", "-", "10:00 Friseur"),   // tomorrow, announced a day early
        Termin("19990310", "-", "3T", "07:15 Kur"),       // announced until the 13th
        Termin("19990314", "1T", "-", "11:00 zu früh"),   // announced from the 13th
        Termin("19990309", "-", "2T", "11:00 vorbei"),    // announced until the 11th
        Termin("19990312", "-", "-", "@09:00 prog.exe"),  // a program start
        Termin("19990312", "-", "-", "09:00 -------"),    // a separator line
        Termin("19990312", "-", "-", ""),                 // no message
        Termin("19990312", "-", "-", "Zahnarzt ohne Zeit"),
    };
    EXPECT_EQ(Kandidaten(termine, tag, true, tag),
              (QStringList{L("0725 10.03.1999 (Mi): 07:15 Kur"),
                           L("0850 12.03.1999 (Fr)* 08:30 Zahnarzt"),
                           L("1000 13.03.1999 (Sa): 10:00 Friseur")}));
    // Without announce windows only the day's own records count.
    EXPECT_EQ(Kandidaten(termine, tag, false, tag),
              QStringList{L("0850 12.03.1999 (Fr)* 08:30 Zahnarzt")});
    EXPECT_TRUE(Kandidaten({}, tag, true, tag).isEmpty());
}

TEST(Faelligkeit, FensterUmJetzt) {
    const Zeitfenster f = FaelligkeitsFenster(Um(8, 21), 9, 2);
    EXPECT_EQ(f.unten, L("0832"));  // 08:19
    EXPECT_EQ(f.oben, L("0850"));   // 08:30

    QStringList heute = {L("0850 12.03.1999 (Fr)* 08:30 Zahnarzt"),
                         L("0850 12.03.1999 (Fr)* 08:30 Bank"),
                         L("0900 12.03.1999 (Fr)* 09:00 Post")};
    EXPECT_TRUE(FaelligeEntnehmen(heute, FaelligkeitsFenster(Um(8, 20), 9, 2)).isEmpty());
    EXPECT_EQ(FaelligeEntnehmen(heute, f), (QStringList{L("12.03.1999 (Fr)* 08:30 Zahnarzt"),
                                                        L("12.03.1999 (Fr)* 08:30 Bank")}));
    EXPECT_EQ(heute, QStringList{L("0900 12.03.1999 (Fr)* 09:00 Post")});

    // Started at 08:33 with two minutes late: 08:30 has passed for good.
    QStringList spaet = {L("0850 12.03.1999 (Fr)* 08:30 Zahnarzt")};
    for (int m = 33; m < 60; ++m) {
        EXPECT_TRUE(FaelligeEntnehmen(spaet, FaelligkeitsFenster(Um(8, m), 9, 2)).isEmpty());
    }
    EXPECT_EQ(spaet.size(), 1);
}

TEST(Faelligkeit, FensterEndetAnMitternachtStattUmzuschlagen) {
    // 23:55 plus nine minutes passes midnight: the window reaches to the day's end.
    Zeitfenster f = FaelligkeitsFenster(Um(23, 55), 9, 2);
    EXPECT_EQ(f.unten, L("2388"));
    EXPECT_EQ(f.oben, L("2399"));
    QStringList heute = {L("0003 12.03.1999 (Fr)* 00:02 früh"),
                         L("2397 12.03.1999 (Fr)* 23:58 spät")};
    EXPECT_EQ(FaelligeEntnehmen(heute, f), QStringList{L("12.03.1999 (Fr)* 23:58 spät")});

    // 00:01 minus two minutes falls before midnight: the window starts at 00:00.
    f = FaelligkeitsFenster(Um(0, 1), 9, 2);
    EXPECT_EQ(f.unten, L("0000"));
    EXPECT_EQ(f.oben, L("0017"));
    heute = {L("0000 12.03.1999 (Fr)* 00:00 Mitternacht"), L("2397 12.03.1999 (Fr)* 23:58 spät")};
    EXPECT_EQ(FaelligeEntnehmen(heute, f), QStringList{L("12.03.1999 (Fr)* 00:00 Mitternacht")});

    // Right at the edges nothing is clamped yet.
    EXPECT_EQ(FaelligkeitsFenster(Um(23, 50), 9, 2).oben, L("2398"));
    EXPECT_EQ(FaelligkeitsFenster(Um(23, 51), 9, 2).oben, L("2399"));
    EXPECT_EQ(FaelligkeitsFenster(Um(0, 2), 9, 2).unten, L("0000"));
    EXPECT_EQ(FaelligkeitsFenster(Um(12, 0), 300, 300).unten, L("0700"));
    EXPECT_EQ(FaelligkeitsFenster(Um(12, 0), 300, 300).oben, L("1700"));
}

TEST(Texte, TitelStatusPanelUndEintrag) {
    EXPECT_EQ(ErinnerungsTitel(0, Um(8, 21)), L("Kronel Online - keine Meldungen"));
    EXPECT_EQ(ErinnerungsTitel(1, Um(8, 21)), L("Kronel Online 08:21, 1 Meldung"));
    EXPECT_EQ(ErinnerungsTitel(2, Um(8, 21)), L("Kronel Online 08:21, 2 Meldungen"));
    EXPECT_EQ(RestText(0), L("Keine Termine mehr."));
    EXPECT_EQ(RestText(1), L("Noch 1 Termin."));
    EXPECT_EQ(RestText(12), L("Noch 12 Termine."));
    EXPECT_EQ(EintragZweizeilig(L("12.03.1999 (Fr)* 08:30 Zahnarzt")),
              L("12.03.1999 (Fr)*\r\n08:30 Zahnarzt"));
}

TEST(Texte, WarnMinutenImBereichDerRollbalken) {
    EXPECT_EQ(WarnMinuten(9), 9);
    EXPECT_EQ(WarnMinuten(1), 1);
    EXPECT_EQ(WarnMinuten(300), 300);
    EXPECT_EQ(WarnMinuten(0), 1);
    EXPECT_EQ(WarnMinuten(-20), 1);
    EXPECT_EQ(WarnMinuten(301), 300);
    EXPECT_EQ(WarnMinuten(1e12), 300);
    EXPECT_EQ(WarnMinuten(std::numeric_limits<double>::quiet_NaN()), 1);
    EXPECT_EQ(WarnText(0, 9), L("  9 Min früher"));
    EXPECT_EQ(WarnText(1, 2), L("  2 Min später"));
}
