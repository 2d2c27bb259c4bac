#include <gtest/gtest.h>

#include <QCollator>
#include <QLocale>
#include <QRandomGenerator>

#include "platform/text.h"
#include "testsupport/drucken.h"

using namespace kronel;

TEST(Codec, Cp1252RundreiseAllerBytes) {
    QByteArray alle;
    for (int b = 0; b < 256; ++b) {
        alle.append(static_cast<char>(b));
    }
    const QString text = AusCp1252(alle);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(NachCp1252(text), alle);  // the five unassigned bytes too
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0xE4], QChar(u'ä'));
}

TEST(Codec, NichtDarstellbaresWirdFragezeichen) {
    EXPECT_EQ(NachCp1252(QStringLiteral("a\u03A9b")), QByteArray("a?b"));
    // a character outside the BMP is one character: one "?"
    EXPECT_EQ(NachCp1252(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));
    EXPECT_EQ(NurCp1252(QStringLiteral("€ \u2603")), QStringLiteral("€ ?"));
}

TEST(Codec, ToleranteZeilen) {
    // UTF-8 from a Linux editor
    EXPECT_EQ(ZeileTolerantLesen(QByteArray("Gr\xC3\xBC\xC3\x9F"
                                            "e")),
              QStringLiteral("Grüße"));
    // the same word in Windows-1252
    EXPECT_EQ(ZeileTolerantLesen(QByteArray("Gr\xFC\xDF"
                                            "e")),
              QStringLiteral("Grüße"));
    // a line that only looks like a UTF-8 start byte stays Windows-1252
    EXPECT_EQ(ZeileTolerantLesen(QByteArray("\xC3")), QStringLiteral("Ã"));
    EXPECT_EQ(ZeileTolerantLesen(QByteArray("\xC3\x28")), QStringLiteral("Ã("));
    // overlong encodings are no UTF-8
    EXPECT_EQ(ZeileTolerantLesen(QByteArray("\xC0\xAF")).size(), 2);
    // A line the programs wrote with a line-break marker after "é" or "ä" is
    // valid UTF-8 by chance; it stays as written.
    EXPECT_EQ(ZeileTolerantLesen(QByteArray("Caf\xE9\xB0\xB0Treffen \xE4\xB0\xB0")),
              QStringLiteral("Café°°Treffen ä°°"));
    EXPECT_EQ(ZeileTolerantLesen(QByteArray("\xE4\xB8\xAD \xC2\xB0\xC2\xB0")),
              QStringLiteral("\u4e2d °°"));
    // A Linux editor writes "°" as C2 B0: its marker never holds B0 B0.
    EXPECT_EQ(ZeileTolerantLesen(QStringLiteral("Grüße°°Tschüss °°é°°").toUtf8()),
              QStringLiteral("Grüße°°Tschüss °°é°°"));
    // mixed file: each line decided on its own, line ends kept
    EXPECT_EQ(TextTolerantLesen(QByteArray("\xC3\xA4\r\n\xE4\n")), QStringLiteral("ä\r\nä\n"));
}

TEST(Zeilen, TeilenUndVereinheitlichen) {
    EXPECT_EQ(ZeilenTeilen(QStringLiteral("a\r\nb\nc\rd")),
              QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("d")}));
    EXPECT_EQ(ZeilenTeilen(QStringLiteral("a\r\n\r\nb\r\n")),
              QStringList({QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(ZeilenumbruecheVereinheitlichen(QStringLiteral("a\nb\rc\r\nd\u2028e\u2029f")),
              QStringLiteral("a\r\nb\r\nc\r\nd\r\ne\r\nf"));
}

TEST(Zeilen, EingabeBereinigen) {
    // A break of any kind is one umbruch; tabs and other controls go; € stays,
    // what the files cannot hold (a character outside the BMP too) is one "?".
    const QString eingabe = QString::fromUtf8(
        "a\r\nb\rc\nd\u2028e\u2029f\tg\x01\x1b\x7f"
        "h\xc2\x85i \u20ac\u03a9\xF0\x9F\x98\x80");
    EXPECT_EQ(EingabeBereinigen(eingabe, u"\n"), QString::fromUtf8("a\nb\nc\nd\ne\nfghi \u20ac??"));
    EXPECT_EQ(EingabeBereinigen(eingabe, u" "), QString::fromUtf8("a b c d e fghi \u20ac??"));
    EXPECT_EQ(EingabeBereinigen(QStringLiteral("\r\n\r\n"), u""), QString());
}

TEST(Gross, EinZeichenZuEinemZeichen) {
    EXPECT_EQ(UCase(QStringLiteral("tagefrüher ß éà")), QStringLiteral("TAGEFRÜHER ß ÉÀ"));
    EXPECT_EQ(LCase(QStringLiteral("ÄÖÜ É")), QStringLiteral("äöü é"));
    EXPECT_EQ(UCase(QStringLiteral("µ")), QStringLiteral("µ"));  // stays storable
    EXPECT_TRUE(GleichOhneFall(QStringLiteral("Tagefrüher"), QStringLiteral("TAGEFRÜHER")));
    EXPECT_FALSE(GleichOhneFall(QStringLiteral("ss"), QStringLiteral("ß")));
    EXPECT_LT(VergleichOhneFall(QStringLiteral("abc"), QStringLiteral("ABD")), 0);
    EXPECT_EQ(VergleichOhneFall(QStringLiteral("Abc"), QStringLiteral("aBC")), 0);
}

TEST(Zeichenketten, KlassischeFunktionen) {
    const QString s = QStringLiteral("Hallo Welt");
    EXPECT_EQ(Left(s, 3), QStringLiteral("Hal"));
    EXPECT_EQ(Left(s, 0), QString());
    EXPECT_EQ(Left(s, 99), s);
    EXPECT_EQ(Right(s, 4), QStringLiteral("Welt"));
    EXPECT_EQ(Mid(s, 7), QStringLiteral("Welt"));
    EXPECT_EQ(Mid(s, 2, 3), QStringLiteral("all"));
    EXPECT_EQ(Mid(s, 11), QString());
    EXPECT_EQ(InStr(s, QStringLiteral("l")), 3);
    EXPECT_EQ(InStr(5, s, QStringLiteral("l")), 9);
    EXPECT_EQ(InStr(s, QStringLiteral("WELT")), 0);
    EXPECT_EQ(InStr(s, QStringLiteral("WELT"), true), 7);
    EXPECT_EQ(InStr(s, QString()), 1);
    EXPECT_EQ(InStr(QString(), QStringLiteral("a")), 0);
    EXPECT_EQ(InStrRev(s, QStringLiteral("l")), 9);
    EXPECT_EQ(Trim(QStringLiteral("  a b \t ")), QStringLiteral("a b \t"));
    EXPECT_EQ(RTrim(QStringLiteral(" a  ")), QStringLiteral(" a"));
    EXPECT_EQ(Space(3), QStringLiteral("   "));
}

TEST(Zahlen, ValLiestDieFuehrendeZahl) {
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("  12abc")), 12.0);
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("-3.5")), -3.5);
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("3,5")), 3.0);  // no locale: "," ends the number
    EXPECT_DOUBLE_EQ(Val(QStringLiteral(".5")), 0.5);
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("1e3x")), 1000.0);
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("2E")), 2.0);
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("abc")), 0.0);
    EXPECT_DOUBLE_EQ(Val(QString()), 0.0);
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("8.01")), 8.01);
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("1e999")), 0.0);  // no infinity leaks out
}

TEST(Zahlen, RundenUndGanzzahl) {
    EXPECT_EQ(Int(-1.5), -2.0);
    EXPECT_EQ(Int(1.9), 1.0);
    EXPECT_EQ(RundenGerade(1.5), 2);
    EXPECT_EQ(RundenGerade(2.5), 2);
    EXPECT_EQ(RundenGerade(-2.5), -2);
    EXPECT_EQ(RundenGerade(0.5), 0);
    EXPECT_EQ(RundenGerade(2.51), 3);
    EXPECT_EQ(ZahlText(3.0), QStringLiteral("3"));
    EXPECT_EQ(ZahlText(3.25), QStringLiteral("3.25"));
    EXPECT_EQ(ZahlDeutsch(1234), QStringLiteral("1.234"));
    EXPECT_EQ(ZahlDeutsch(3.1, 1), QStringLiteral("3,1"));
}

TEST(Sortieren, DeutscheReihenfolge) {
    QStringList l = {QStringLiteral("Zebra"),  QStringLiteral("äpfel"), QStringLiteral("Apfel"),
                     QStringLiteral("apfel"),  QStringLiteral("Birne"), QStringLiteral("Straße"),
                     QStringLiteral("Strasse")};
    DeutschSortieren(l);
    // ä with a, case-insensitive, ties by character code
    EXPECT_EQ(l.indexOf(QStringLiteral("Apfel")), 0);
    EXPECT_EQ(l.indexOf(QStringLiteral("apfel")), 1);
    EXPECT_EQ(l.indexOf(QStringLiteral("äpfel")), 2);
    EXPECT_EQ(l.indexOf(QStringLiteral("Birne")), 3);
    EXPECT_EQ(l.back(), QStringLiteral("Zebra"));
    EXPECT_LT(DeutschVergleichen(QStringLiteral("Ähre"), QStringLiteral("Bahn")), 0);
}

// The comparison takes a short cut for texts of printable ASCII; it must order
// every pair exactly as the collator with the tie-break by character code does.
TEST(Sortieren, DeutschVergleichenGleichDemCollator) {
    QCollator c(QLocale(QLocale::German, QLocale::Germany));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    auto erwartet = [&](const QString& a, const QString& b) {
        const int r = c.compare(a, b);
        if (r != 0) {
            return r < 0 ? -1 : 1;
        }
        return a < b ? -1 : (b < a ? 1 : 0);
    };
    // Every printable ASCII character, a few of Windows-1252, a control character
    // (ignored by the collator) and a combining accent.
    QString zeichen;
    for (char16_t z = 0x20; z < 0x7F; ++z) {
        zeichen += QChar(z);
    }
    zeichen += QStringLiteral("äÄöÖüÜßé°€\x01\t\u0301");
    const QStringList anfaenge{QStringLiteral("20261224-   -   -         -   Alle   "),
                               QStringLiteral("202612241T  -   Mo        1J  alle   "),
                               QStringLiteral("20261224-   -   -         -   Büro   "), QString()};
    QRandomGenerator zufall(4711);
    auto text = [&] {
        QString t = anfaenge[zufall.bounded(anfaenge.size())];
        const int laenge = zufall.bounded(6);
        for (int i = 0; i < laenge; ++i) {
            // Mostly letters and digits, now and then anything of the set.
            t += zufall.bounded(4) == 0 ? zeichen[zufall.bounded(zeichen.size())]
                                        : QChar(u"aAbBzZ019 -."[zufall.bounded(12)]);
        }
        return t;
    };
    for (int i = 0; i < 20000; ++i) {
        const QString a = text();
        QString b = zufall.bounded(3) == 0 ? a : text();
        if (zufall.bounded(3) == 0 && !b.isEmpty()) {
            // The same text with one character changed, cut or case turned.
            const auto p = zufall.bounded(b.size());
            switch (zufall.bounded(3)) {
                case 0:
                    b[p] = zeichen[zufall.bounded(zeichen.size())];
                    break;
                case 1:
                    b.truncate(p);
                    break;
                default:
                    b[p] = b[p].isUpper() ? b[p].toLower() : b[p].toUpper();
            }
        }
        ASSERT_EQ(DeutschVergleichen(a, b), erwartet(a, b))
            << a.toStdString() << " | " << b.toStdString();
    }
    // Every character against every pair of characters, both ways: blank and
    // punctuation weigh like any other character, a shorter text goes first.
    for (char16_t x = 0x20; x < 0x7F; ++x) {
        for (char16_t y = 0x20; y < 0x7F; ++y) {
            for (char16_t z = 0x20; z < 0x7F; ++z) {
                const QString a(QChar{x});
                const QString b = QString(QChar{y}) + QChar(z);
                ASSERT_EQ(DeutschVergleichen(a, b), erwartet(a, b))
                    << a.toStdString() << " | " << b.toStdString();
                ASSERT_EQ(DeutschVergleichen(b, a), erwartet(b, a));
            }
        }
    }
    EXPECT_EQ(DeutschVergleichen(QStringLiteral("Arzt"), QStringLiteral("arzt")), -1);
    EXPECT_EQ(DeutschVergleichen(QStringLiteral("ab"), QStringLiteral("a\x01b")), 1);
    EXPECT_EQ(DeutschVergleichen(QStringLiteral("a-b"), QStringLiteral("a b")), 1);
    EXPECT_EQ(DeutschVergleichen(QStringLiteral("x"), QStringLiteral("x")), 0);
}
