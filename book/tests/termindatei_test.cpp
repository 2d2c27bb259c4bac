#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <utility>

#include "book/termindatei.h"
#include "platform/dateien.h"
#include "testsupport/drucken.h"

using namespace kronel;

TEST(Termindatei, Versionszahl) {
    EXPECT_EQ(VersionsZehntel(QStringLiteral("..Kronelin 8.010090")), 8010);
    EXPECT_EQ(VersionsZehntel(QStringLiteral("..Kronelin 3.99")), 3990);
    EXPECT_EQ(VersionsZehntel(QStringLiteral("..Kronelin 3.49")), 3490);
    EXPECT_EQ(VersionsZehntel(QStringLiteral("..Kronelin ")), 0);
    // The first eleven characters are not examined.
    EXPECT_EQ(VersionsZehntel(QStringLiteral("xxxxxxxxxxx4.00")), 4000);
    EXPECT_EQ(DateiartVon(0), Dateiart::Aktuell);
    EXPECT_EQ(DateiartVon(-10), Dateiart::Aktuell);
    EXPECT_EQ(DateiartVon(500), Dateiart::KeineDaten);
    EXPECT_EQ(DateiartVon(1000), Dateiart::Dos);
    EXPECT_EQ(DateiartVon(3480), Dateiart::Dos);
    EXPECT_EQ(DateiartVon(3485), Dateiart::KeineDaten);
    EXPECT_EQ(DateiartVon(3490), Dateiart::Alt);
    EXPECT_EQ(DateiartVon(3990), Dateiart::Alt);
    EXPECT_EQ(DateiartVon(3995), Dateiart::KeineDaten);
    EXPECT_EQ(DateiartVon(4000), Dateiart::Aktuell);
    EXPECT_EQ(VersionsTitel(3490), QStringLiteral("Kronel 3,49"));
}

TEST(Termindatei, ZeilenpruefungFuelltKurzeZeilenAuf) {
    bool aufgefuellt = false;
    EXPECT_EQ(ZeilePruefen(QStringLiteral("20270101"), &aufgefuellt),
              QStringLiteral("20270101-   -   -         -   Alle   ?"));
    EXPECT_TRUE(aufgefuellt);
    EXPECT_EQ(ZeilePruefen(QStringLiteral("20270101-   1T  Mo"), &aufgefuellt),
              QStringLiteral("20270101-   1T  Mo        -   Alle   ?"));
    EXPECT_EQ(ZeilePruefen(QStringLiteral("20270101-   -   -         -   Alle   x"), &aufgefuellt),
              QStringLiteral("20270101-   -   -         -   Alle   x"));
    EXPECT_FALSE(aufgefuellt);
    EXPECT_TRUE(ZeilePruefen(QStringLiteral("20271301-   -   -         -   Alle   x")).isEmpty());
    EXPECT_TRUE(ZeilePruefen(QStringLiteral("00991231-   -   -         -   Alle   x")).isEmpty());
    EXPECT_TRUE(ZeilePruefen(QStringLiteral("2027010")).isEmpty());
}

TEST(Termindatei, ZeilenendenUndLeereZeilen) {
    const QByteArray inhalt(
        "..Kronelin 8.010090\n20270101-   -   -         -   Alle   a\r20270102-   -   -    "
        "     -   Alle   b\r\n\r\n   \r\n20270103-   -   -         -   Alle   c");
    const Dateiinhalt d = TermindateiLesen(inhalt);
    ASSERT_EQ(d.termine.size(), 3);
    EXPECT_TRUE(d.termine[2].endsWith(QLatin1Char('c')));
    EXPECT_EQ(d.leer, 2);
    EXPECT_TRUE(d.rest.isEmpty());
    EXPECT_FALSE(d.unvollstaendig);
    EXPECT_TRUE(TermindateiLesen({}).kopfFehlt);
}

// A book of LF or CR lines alone reads as its CR LF form, line for line (and
// in one sweep: each line end is searched once, not once per line).
TEST(Termindatei, GrossesBuchMitJedemZeilenende) {
    QByteArray crlf("..Kronelin 8.010090\r\n");
    for (int i = 0; i < 5000; ++i) {
        crlf += "20270101-   -   -         -   Alle   Nr. " + QByteArray::number(i) + "\r\n";
    }
    const QStringList erwartet = TermindateiLesen(crlf).termine;
    ASSERT_EQ(erwartet.size(), 5000);
    for (const char* ende : {"\n", "\r"}) {
        QByteArray anders = crlf;
        anders.replace("\r\n", ende);
        EXPECT_EQ(TermindateiLesen(anders).termine, erwartet) << (ende[0] == '\n' ? "LF" : "CR");
    }
}

// Read in pieces cut anywhere (a CR LF too), a file gives the records and the
// version that the reader of the whole file gives.
TEST(Termindatei, StueckweiseWieAmStueck) {
    const QByteArray datei(
        "\xEF\xBB\xBF..Kronelin 8.010090\r\n20270101-   -   -         -   Alle   a\r\n"
        "\r\n   \r\n20271301-   -   -         -   Alle   kein Datum\r\n20270102\n"
        "20270103-   -   -         -   B\xC3\xBCro   M\xC3\xBCller\r"
        "20270104-   -   -         -   Alle   \xE4rger\r\n20270105-   -   -         -   Alle   z");
    auto stueckweise = [](const QByteArray& inhalt, qsizetype laenge) {
        QStringList termine;
        TermineLesen leser([&](const QString& t) { termine.append(t); });
        for (qsizetype ab = 0; ab < inhalt.size(); ab += laenge) {
            leser.weiter(QByteArrayView(inhalt).sliced(ab, std::min(laenge, inhalt.size() - ab)));
        }
        return std::pair{leser.ende(), termine};
    };
    const Dateiinhalt ganz = TermindateiLesen(datei);
    ASSERT_EQ(ganz.termine.size(), 5);
    EXPECT_EQ(ganz.termine[2], QStringLiteral("20270103-   -   -         -   Büro   Müller"));
    for (const qsizetype laenge : {1, 2, 3, 7, 38, 39, 1000}) {
        const auto [version, termine] = stueckweise(datei, laenge);
        EXPECT_EQ(version, 8010) << laenge;
        EXPECT_EQ(termine, ganz.termine) << laenge;
    }
    // Another layout passes no record; an empty file has the version 0.
    EXPECT_EQ(stueckweise("..Kronelin 3.49\r\n20270101 alt\r\n", 4),
              std::pair(3490LL, QStringList()));
    EXPECT_EQ(stueckweise({}, 4), std::pair(0LL, QStringList()));
}

// Through the file reader's own pieces, whose buffer is used again for the
// next one: a CR LF, a UTF-8 character and a line longer than a piece cut
// apart by the piece ends, and a last line without its line end.
TEST(Termindatei, StueckweiseAusDerDateiUeberDieStueckgrenzen) {
    constexpr qsizetype kStueck = 65536;
    const QByteArray kopf = "..Kronelin 8.010090\r\n";
    const QByteArray felder = "20270101-   -   -         -   Alle   ";
    QByteArray datei = kopf;
    // Fills up to the byte before the next piece end with one record.
    auto bisVor = [&](qsizetype ende, const QByteArray& danach) {
        const qsizetype rest = ende - datei.size() - felder.size();
        datei += felder + QByteArray(rest, 'a') + danach;
    };
    bisVor(kStueck - 1, "\r\n");            // CR last of the first piece, LF first of the next
    bisVor(2 * kStueck - 1, "\xC3\xBC\n");  // "ü" in UTF-8 across the second end
    datei += felder + QByteArray(kStueck + 10, 'b') + "\r";  // a line over a whole piece
    datei += felder + "\xE4nde";                             // Windows-1252, no line end
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Kronel.PlD"));
    ASSERT_TRUE(DateiAtomarSchreiben(pfad, datei));

    QStringList termine;
    TermineLesen leser([&](const QString& t) { termine.append(t); });
    ASSERT_TRUE(DateiStueckweiseLesen(pfad, [&](QByteArrayView s) { leser.weiter(s); }));
    EXPECT_EQ(leser.ende(), 8010);
    const Dateiinhalt ganz = TermindateiLesen(datei);
    ASSERT_EQ(ganz.termine.size(), 4);
    EXPECT_EQ(termine, ganz.termine);
    EXPECT_TRUE(ganz.termine[1].endsWith(QStringLiteral("aü")));
    EXPECT_EQ(ganz.termine[2].size(), felder.size() + kStueck + 10);
    EXPECT_EQ(ganz.termine[3], QString::fromLatin1(felder) + QStringLiteral("ände"));
}

TEST(Termindatei, TextMitKopfUndCrLf) {
    EXPECT_EQ(TermindateiText({QStringLiteral("20270101-   -   -         -   Alle   Grüße°°x")},
                              QStringLiteral("8.010090")),
              QByteArray("..Kronelin 8.010090\r\n20270101-   -   -         -   Alle   Gr\xFC\xDF"
                         "e\xB0\xB0x\r\n"));
}

TEST(AltesLayout, AnkuendigungInTagenMonatenJahren) {
    auto zeile = [](const QString& datum, const QString& von) {
        return datum + QLatin1Char(' ') + von.leftJustified(10) + QLatin1Char(' ') + datum +
               QString(37, u' ') + QStringLiteral("Text");
    };
    auto von = [&](const QString& datum, const QString& vonDatum) {
        return AltenTerminUmsetzen(zeile(datum, vonDatum), nullptr).mid(8, 4);
    };
    EXPECT_EQ(von(QStringLiteral("29.01.2027"), QStringLiteral("01.01.2027")),
              QStringLiteral("28T "));
    // An announce date after the date counts the same.
    EXPECT_EQ(von(QStringLiteral("01.01.2027"), QStringLiteral("29.01.2027")),
              QStringLiteral("28T "));
    EXPECT_EQ(von(QStringLiteral("26.09.2029"), QStringLiteral("01.01.2027")),
              QStringLiteral("999T"));
    EXPECT_EQ(von(QStringLiteral("27.09.2029"), QStringLiteral("01.01.2027")),
              QStringLiteral("32M "));
    EXPECT_EQ(von(QStringLiteral("15.04.2030"), QStringLiteral("01.01.2027")),
              QStringLiteral("39M "));
    EXPECT_EQ(von(QStringLiteral("01.01.2027"), QStringLiteral("kein Datum")),
              QStringLiteral("-   "));
    // Above 999 months the window is given in years, so no unit letter is cut off.
    EXPECT_EQ(von(QStringLiteral("01.01.2027"), QStringLiteral("01.01.1900")),
              QStringLiteral("126J"));
}

TEST(AltesLayout, Meldungsmarken) {
    auto meldung = [](const QString& text) {
        const QString zeile = QStringLiteral("01.01.2027") + QString(59, u' ') + text;
        return AltenTerminUmsetzen(zeile, nullptr).mid(37);
    };
    EXPECT_EQ(meldung(QStringLiteral("Geburtstag ..JA 01.05.1950")),
              QStringLiteral("Geburtstag {Diff:01.05.1950}"));
    EXPECT_EQ(meldung(QStringLiteral("..ta:01.01.2000 ..XX 02.02.2002 x")),
              QStringLiteral("..ta:01.01.2000 {Diff:02.02.2002} x"));
    EXPECT_EQ(meldung(QStringLiteral("@x")), QStringLiteral("???@x"));
    EXPECT_EQ(meldung(QStringLiteral("     ")), QStringLiteral("?"));
    QString text;
    EXPECT_TRUE(AltenTerminUmsetzen(QString(), &text).isEmpty());
    EXPECT_EQ(text, QStringLiteral(
                        "Der Termin » « enthält ein ungültiges Datum und wird nicht übernommen!"));
}

// A lost line break after the header: what follows the header is the first
// record when it reads as one, else it is kept in the rest; either way the
// book counts as incompletely read. The streaming reader hands it on too.
TEST(Termindatei, TerminAmKopfGeklebt) {
    const QByteArray eins("20271231-   -   -         -   Alle   Silvester");
    const QByteArray zwei("20271230-   -   -         -   Alle   davor");
    EXPECT_EQ(NachDemKopf(QStringLiteral("..Kronelin 8.010090")), QString());
    EXPECT_EQ(NachDemKopf(QStringLiteral("..Kronelin 4.00  ")), QString());
    EXPECT_EQ(NachDemKopf(QStringLiteral("..Kronelin -1.0")), QString());
    EXPECT_EQ(NachDemKopf(QStringLiteral("..Kronelin 8.010090") + QString::fromLatin1(eins)),
              QString::fromLatin1(eins));

    const Dateiinhalt d = TermindateiLesen("..Kronelin 8.010090" + eins + "\r\n" + zwei + "\r\n");
    EXPECT_TRUE(d.kopfZuLang && d.kopfTermin && d.unvollstaendig);
    EXPECT_EQ(d.termine, (QStringList{QString::fromLatin1(eins), QString::fromLatin1(zwei)}));
    EXPECT_TRUE(d.rest.isEmpty());

    QStringList gestreamt;
    TermineLesen leser([&](const QString& t) { gestreamt.append(t); });
    leser.weiter("..Kronelin 8.010090" + eins + "\r\n" + zwei);
    EXPECT_EQ(leser.ende(), 8010);
    EXPECT_EQ(gestreamt, d.termine);

    // Every line break lost: the one line is no single record and goes whole to the rest.
    const QByteArray alles = "..Kronelin 8.010090" + eins + zwei + eins;
    const Dateiinhalt ohne = TermindateiLesen(alles);
    EXPECT_TRUE(ohne.kopfZuLang && ohne.unvollstaendig);
    EXPECT_FALSE(ohne.kopfTermin);
    EXPECT_TRUE(ohne.termine.isEmpty());
    EXPECT_EQ(ohne.rest, QList<QByteArray>{alles});
}

// A line of a UTF-8 editor with characters the file cannot store: read as it
// is, counted, and the book counts as incompletely read.
TEST(Termindatei, ZeichenAusserhalbDerCodeseite) {
    const QString polnisch = QStringLiteral(
        "20271231-   -   -         -   Alle   Treffen mit "
        "Łukasz in Łódź ✓");
    const QString deutsch = QStringLiteral("20271230-   -   -         -   Alle   Grüße aus Köln");
    const Dateiinhalt d = TermindateiLesen("..Kronelin 8.010090\r\n" + polnisch.toUtf8() + "\r\n" +
                                           deutsch.toUtf8() + "\r\n");
    EXPECT_EQ(d.termine, (QStringList{polnisch, deutsch}));
    EXPECT_EQ(d.nichtSpeicherbar, 1);
    EXPECT_TRUE(d.unvollstaendig);
    const Dateiinhalt nurDeutsch =
        TermindateiLesen("..Kronelin 8.010090\r\n" + deutsch.toUtf8() + "\r\n");
    EXPECT_EQ(nurDeutsch.nichtSpeicherbar, 0);
    EXPECT_FALSE(nurDeutsch.unvollstaendig);
}
