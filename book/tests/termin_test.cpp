#include <gtest/gtest.h>

#include "book/termin.h"
#include "testsupport/drucken.h"

using namespace kronel;

namespace {

TerminFelder Felder(const QString& von, const QString& bis, const QString& filter,
                    const QString& zyklus, const QString& adresse, const QString& meldung,
                    const QString& datum = QStringLiteral("24.12.2026")) {
    return {datum, von, bis, filter, zyklus, adresse, meldung};
}

QString Zusammen(const TerminFelder& f) {
    return TerminZusammensetzen(f, QStringLiteral("20000101"));
}

}  // namespace

TEST(Terminzeile, SpaltenDerFelder) {
    const QString t = Zusammen(Felder(QStringLiteral("1t"), QStringLiteral("-"), {}, {},
                                      QStringLiteral("alle"), QStringLiteral("Test")));
    EXPECT_EQ(t, QStringLiteral("20261224") + QStringLiteral("1T  ") + QStringLiteral("-   ") +
                     QStringLiteral("-         ") + QStringLiteral("-   ") +
                     QStringLiteral("Alle   ") + QStringLiteral("Test"));
    EXPECT_EQ(t.indexOf(QStringLiteral("Test")), 37);

    const QString silvester = Zusammen(
        Felder({}, {}, {}, {}, {}, QStringLiteral("Silvester"), QStringLiteral("31.12.1999")));
    EXPECT_EQ(silvester, Standardtermin());
}

TEST(Terminzeile, Periodenfelder) {
    EXPECT_EQ(PeriodeAusEingabe(QStringLiteral("0t")), QStringLiteral("-   "));
    EXPECT_EQ(PeriodeAusEingabe(QStringLiteral("   ")), QStringLiteral("-   "));
    EXPECT_EQ(PeriodeAusEingabe(QStringLiteral(" 2w ")), QStringLiteral("2W  "));
    EXPECT_EQ(PeriodeAusEingabe(QStringLiteral("1000T")), QStringLiteral("1000"));
    EXPECT_EQ(PeriodeAusEingabe(QStringLiteral("1j")), QStringLiteral("1J  "));
}

TEST(Terminzeile, Filterfeld) {
    EXPECT_EQ(FilterAusEingabe(QStringLiteral("Mo 'Montags")), QStringLiteral("Mo        "));
    EXPECT_EQ(FilterAusEingabe(QStringLiteral("'Kommentar")), QStringLiteral("-         "));
    EXPECT_EQ(FilterAusEingabe(QStringLiteral("abcdefghijkl")), QStringLiteral("abcdefghij"));
    EXPECT_EQ(FilterAusEingabe(QStringLiteral("Sa,So")), QStringLiteral("Sa,So     "));
}

TEST(Terminzeile, Adressfeld) {
    EXPECT_EQ(AdresseAusEingabe(QStringLiteral("  BÜRO  ")), QStringLiteral("Büro   "));
    EXPECT_EQ(AdresseAusEingabe(QStringLiteral("hans peter")), QStringLiteral("Hans pe"));
    EXPECT_EQ(AdresseAusEingabe({}), QStringLiteral("Alle   "));
    EXPECT_EQ(AdresseAusEingabe(QStringLiteral("ärger")), QStringLiteral("Ärger  "));
}

TEST(Terminzeile, MeldungMitZeilenumbruechen) {
    EXPECT_EQ(MeldungAusEingabe(QStringLiteral("a\r\nb")), QStringLiteral("a°°b"));
    EXPECT_EQ(MeldungAusEingabe(QStringLiteral("a\r\n\r\n")), QStringLiteral("a"));
    // Markers go before blanks: the marker in front of a trailing blank stays.
    EXPECT_EQ(MeldungAusEingabe(QStringLiteral("a\r\n ")), QStringLiteral("a°°"));
    EXPECT_EQ(MeldungAusEingabe({}), QStringLiteral("?"));
    EXPECT_EQ(MeldungAusEingabe(QStringLiteral("\r\n\r\n")), QStringLiteral("?"));
    EXPECT_EQ(MeldungAusEingabe(QStringLiteral("   ")), QStringLiteral("?"));
    EXPECT_EQ(MeldungAusEingabe(QStringLiteral("  vorn")), QStringLiteral("  vorn"));
    // No kind of line break may split a record.
    const QString arten = QStringLiteral("a\nb\rc") + QChar(0x2028) + QStringLiteral("d") +
                          QChar(0x2029) + QStringLiteral("e\r\nf");
    EXPECT_EQ(MeldungAusEingabe(arten), QStringLiteral("a°°b°°c°°d°°e°°f"));
}

TEST(Terminzeile, UngueltigesDatumBehaeltDasAlte) {
    TerminFelder f = Felder({}, {}, {}, {}, {}, QStringLiteral("x"), QStringLiteral("31.02.2026"));
    EXPECT_TRUE(Zusammen(f).startsWith(QStringLiteral("20000101-   ")));
    f.STDatum = QStringLiteral("Montag");
    EXPECT_TRUE(Zusammen(f).startsWith(QStringLiteral("20000101-   ")));
    // A short form is normalised, never shifting the columns.
    f.STDatum = QStringLiteral("1.2.2027");
    EXPECT_TRUE(Zusammen(f).startsWith(QStringLiteral("20270201-   ")));
}

TEST(Terminzeile, ZeichenAusserhalbVonWindows1252) {
    const QString t = Zusammen(Felder({}, {}, {}, {}, {}, QStringLiteral("Preis 5 € ✓")));
    EXPECT_TRUE(t.endsWith(QStringLiteral("Preis 5 € ?")));
}

TEST(Anzeigezeile, DatumWochentagMeldung) {
    EXPECT_EQ(Anzeigezeile(Standardtermin()), QStringLiteral("31.12.1999 Fr: Silvester"));
    EXPECT_EQ(Anzeigezeile(QStringLiteral("20261224-   -   -         -   Alle   a°°b")),
              QStringLiteral("24.12.2026 Do: a°°b"));
    EXPECT_EQ(Anzeigezeile(QStringLiteral("20261227-   -   -         -   Alle   x")),
              QStringLiteral("27.12.2026 So: x"));
    EXPECT_EQ(Archivzeile(QStringLiteral("19981224-   -   -         -   Alle   Weihnachten")),
              QStringLiteral("24.12.1998 Weihnachten"));
}

TEST(Terminzeile, ZerlegenInFelder) {
    const TerminFelder f =
        TerminZerlegen(QStringLiteral("20261224-   2T  Sa,So     1J  Büro   a°°b°°°c  "));
    EXPECT_EQ(f.STDatum, QStringLiteral("24.12.2026"));
    EXPECT_EQ(f.SKVon, QStringLiteral("-"));
    EXPECT_EQ(f.SKBis, QStringLiteral("2T"));
    EXPECT_EQ(f.SKFilter, QStringLiteral("Sa,So"));
    EXPECT_EQ(f.SKZyklus, QStringLiteral("1J"));
    EXPECT_EQ(f.SKAdresse, QStringLiteral("Büro"));
    // Three markers in a row: one line break, then one "°".
    EXPECT_EQ(f.STMeldung, QStringLiteral("a\r\nb\r\n°c"));
    // And back to the same record.
    EXPECT_EQ(Zusammen(TerminZerlegen(QStringLiteral("20261224-   2T  Sa,So     1J  Büro   a°°b"))),
              QStringLiteral("20261224-   2T  Sa,So     1J  Büro   a°°b"));
}
