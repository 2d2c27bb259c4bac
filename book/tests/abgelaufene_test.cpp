#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include "book/abgelaufene.h"
#include "book/termin.h"
#include "common/datenpfade.h"
#include "platform/dateien.h"
#include "testsupport/testsupport.h"

using namespace kronel;

namespace {

const QDate kHeute(2026, 12, 9);

// A record of the given date, Bis and cycle codes and message.
QString Termin(const QDate& d, const QString& bis, const QString& zyklus, const QString& meldung) {
    return SchluesselAusDatum(d) + QStringLiteral("1T  ") + bis.leftJustified(4) +
           QStringLiteral("-         ") + zyklus.leftJustified(4) + QStringLiteral("Alle   ") +
           meldung;
}

// The stepwise rule, one cycle at a time, on the shift of the common module.
std::optional<QDate> Schrittweise(QDate d, const QString& zyklus, const QString& bis,
                                  const QDate& heute) {
    const Periode z = PeriodeLesen(zyklus);
    const Periode b = PeriodeLesen(bis);
    for (int i = 0; i < 2'000'000; ++i) {
        const auto ende = DatumVerschieben(b, d);
        if (!ende) {
            return std::nullopt;
        }
        if (*ende >= heute) {
            return d;
        }
        const auto weiter = DatumVerschieben(z, d);
        if (!weiter) {
            return std::nullopt;
        }
        d = *weiter;
    }
    return std::nullopt;
}

class Rollover : public ::testing::Test {
protected:
    AbgelaufenErgebnis Laufen(QStringList& termine, AbgelaufenRegeln r = {}) {
        if (r.archiv.isEmpty()) {
            r.archiv = archiv;
        }
        return AbgelaufeneFortschreiben(termine, kHeute, r);
    }
    test::TestUmgebung umgebung;
    QString archiv = umgebung.daten() + QStringLiteral("/Kronel.Old");
};

}  // namespace

TEST_F(Rollover, EinmaligeTermineLaufenNachDemFensterAb) {
    QStringList t{
        Termin(kHeute.addDays(-1), QStringLiteral("-"), QStringLiteral("-"),
               QStringLiteral("gestern")),
        Termin(kHeute, QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("heute")),
        Termin(kHeute.addDays(-2), QStringLiteral("2T"), QStringLiteral("-"),
               QStringLiteral("noch")),
        Termin(kHeute.addDays(-3), QStringLiteral("2T"), QStringLiteral("    "),
               QStringLiteral("vorbei")),
    };
    const auto e = Laufen(t);
    ASSERT_EQ(t.size(), 2);
    EXPECT_TRUE(t[0].endsWith(QStringLiteral("heute")));
    EXPECT_TRUE(t[1].endsWith(QStringLiteral("noch")));
    EXPECT_EQ(e.archiviert, 2);
    EXPECT_EQ(umgebung.lesen(archiv), QByteArray("08.12.2026 gestern\r\n06.12.2026 vorbei\r\n"));
}

TEST_F(Rollover, ArchivzeileInWindows1252) {
    QStringList t{QStringLiteral("19981224-   -   -         -   Alle   Weihnachten °°Bäume")};
    Laufen(t);
    EXPECT_TRUE(t.isEmpty());
    EXPECT_EQ(umgebung.lesen(archiv), QByteArray("24.12.1998 Weihnachten \xB0\xB0\x42\xE4ume\r\n"));
}

TEST_F(Rollover, WoechentlicherTerminUndZaehler) {
    // Three weeks and two days ago: the first weekly date not before today is in five days.
    QStringList t{Termin(kHeute.addDays(-23), QStringLiteral("-"), QStringLiteral("1W"),
                         QStringLiteral("Treffen {ZyklusZähler:7} und {zykluszähler:7}"))};
    const auto e = Laufen(t);
    EXPECT_EQ(e.fortgeschrieben, 1);
    ASSERT_EQ(t.size(), 1);
    EXPECT_EQ(t[0], Termin(QDate(2026, 12, 14), QStringLiteral("-"), QStringLiteral("1W"),
                           QStringLiteral("Treffen {ZyklusZähler:8} und {ZyklusZähler:8}")));
    QStringList klein{Termin(kHeute.addDays(-1), QStringLiteral("-"), QStringLiteral("1T"),
                             QStringLiteral("{zykluszähler:9}"))};
    Laufen(klein);
    EXPECT_TRUE(klein[0].endsWith(QStringLiteral("{ZyklusZähler:10}")));
    EXPECT_TRUE(SchluesselLesen(klein[0]) == kHeute);
    EXPECT_TRUE(umgebung.lesen(archiv).isEmpty());
}

TEST_F(Rollover, ZaehlerMitVierStellen) {
    QStringList t{Termin(kHeute.addDays(-1), QStringLiteral("-"), QStringLiteral("1T"),
                         QStringLiteral("{ZyklusZähler:12345}"))};
    Laufen(t);
    // Only the first four characters count.
    EXPECT_TRUE(t[0].endsWith(QStringLiteral("{ZyklusZähler:1235}")));
}

TEST_F(Rollover, MonatsendenWandernWieBeimSchrittweisenVerschieben) {
    // 31.01. + 1M = 28.02., then 28.03.: the clamped day stays.
    QStringList t{Termin(QDate(2026, 1, 31), QStringLiteral("-"), QStringLiteral("1M"),
                         QStringLiteral("Miete"))};
    AbgelaufeneFortschreiben(t, QDate(2026, 3, 1), {true, true, true, archiv});
    EXPECT_TRUE(SchluesselLesen(t[0]) == QDate(2026, 3, 28));
}

TEST_F(Rollover, SprungGibtDieDatenDerSchrittregel) {
    const QDate starts[] = {QDate(2024, 2, 29), QDate(2023, 1, 31), QDate(2020, 1, 30),
                            QDate(1999, 8, 31), QDate(2016, 2, 29), QDate(1901, 3, 15),
                            QDate(2026, 12, 1), QDate(1950, 10, 31)};
    const char* zyklen[] = {"1T", "3T", "1W", "2W",  "1M",   "5M",  "1Q",
                            "2Q", "1J", "4J", "13M", "1.5T", "2.5M"};
    const char* bisse[] = {"-", "2T", "1W", "1M", "-3T", "1J", "-1M"};
    const QDate heuten[] = {kHeute, QDate(2025, 3, 1), QDate(2028, 2, 29), QDate(2100, 3, 1)};
    for (const QDate& start : starts) {
        for (const char* z : zyklen) {
            for (const char* b : bisse) {
                for (const QDate& heute : heuten) {
                    const auto soll =
                        Schrittweise(start, QString::fromLatin1(z), QString::fromLatin1(b), heute);
                    const auto ist =
                        ZyklusFortschreiben(start, PeriodeLesen(QString::fromLatin1(z)),
                                            PeriodeLesen(QString::fromLatin1(b)), heute);
                    ASSERT_EQ(ist, soll) << qPrintable(start.toString()) << " " << z << " " << b
                                         << " " << qPrintable(heute.toString());
                }
            }
        }
    }
}

TEST_F(Rollover, ZufaelligeFaelleWieDieSchrittregel) {
    QRandomGenerator zufall(4711);
    const char einheiten[] = {'T', 'W', 'M', 'Q', 'J'};
    for (int i = 0; i < 3000; ++i) {
        const QDate start = QDate(1900, 1, 1).addDays(zufall.bounded(60000));
        const QString z =
            QString::number(zufall.bounded(1, 40)) + QLatin1Char(einheiten[zufall.bounded(5)]);
        const QString b = (zufall.bounded(2) ? QStringLiteral("-") : QString()) +
                          QString::number(zufall.bounded(0, 30)) +
                          QLatin1Char(einheiten[zufall.bounded(5)]);
        const QDate heute = QDate(2000, 1, 1).addDays(zufall.bounded(20000));
        const auto soll = Schrittweise(start, z, b, heute);
        const auto ist = ZyklusFortschreiben(start, PeriodeLesen(z), PeriodeLesen(b), heute);
        ASSERT_EQ(ist, soll) << qPrintable(start.toString()) << " " << qPrintable(z) << " "
                             << qPrintable(b) << " " << qPrintable(heute.toString());
    }
}

TEST_F(Rollover, TaeglicherTerminAusDemJahr100) {
    QStringList t{
        Termin(QDate(100, 1, 1), QStringLiteral("-"), QStringLiteral("1T"), QStringLiteral("alt"))};
    Laufen(t);
    EXPECT_TRUE(SchluesselLesen(t[0]) == kHeute);
}

TEST_F(Rollover, ZyklenOhneFortschrittBleibenUnveraendert) {
    const QDate alt = kHeute.addDays(-40);
    QStringList t;
    for (const char* z : {"0W", "-1M", "W", "0.4T"}) {
        t.append(Termin(alt, QStringLiteral("-"), QString::fromLatin1(z), QStringLiteral("x")));
    }
    const QStringList vorher = t;
    const auto e = Laufen(t);
    EXPECT_EQ(t, vorher);
    EXPECT_TRUE(e.defekte.empty());
}

TEST_F(Rollover, DefekterTerminWirdGemeldetUndDerRestLaeuft) {
    QStringList t{
        Termin(kHeute.addDays(-3), QStringLiteral("-"), QStringLiteral("1T"),
               QStringLiteral("{ZyklusZähler:3 ohne Klammer")),
        Termin(QDate(9999, 12, 30), QStringLiteral("-"), QStringLiteral("-"),
               QStringLiteral("Ende")),
        Termin(kHeute.addDays(-3), QStringLiteral("-"), QStringLiteral("1T"),
               QStringLiteral("gut")),
    };
    t.append(QStringLiteral("99999999 kaputt"));
    const QStringList vorher = t;
    const auto e = Laufen(t);
    ASSERT_EQ(e.defekte.size(), 2u);
    EXPECT_EQ(t[0], vorher[0]);
    EXPECT_TRUE(SchluesselLesen(t[2]) == kHeute);
    EXPECT_EQ(t[3], vorher[3]);
}

TEST_F(Rollover, ErinnerungUndAusgabe) {
    const QDate alt = kHeute.addDays(-3);
    QStringList t{
        Termin(alt, QStringLiteral("-"), QStringLiteral("1T"), QStringLiteral("{ZyklusZähler:1}")),
        Termin(alt, QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("einmal")),
        Termin(alt, QStringLiteral("-"), QStringLiteral("1X"), QStringLiteral("fremd"))};
    // The output program: every cycle but "-" counts, no counter, no archive.
    AbgelaufenRegeln ausgabe{false, false, false, archiv};
    Laufen(t, ausgabe);
    ASSERT_EQ(t.size(), 2);
    EXPECT_TRUE(t[0].endsWith(QStringLiteral("{ZyklusZähler:1}")));
    EXPECT_TRUE(SchluesselLesen(t[0]) == kHeute);
    EXPECT_TRUE(t[1].endsWith(QStringLiteral("fremd")));
    EXPECT_FALSE(QFile::exists(archiv));
}

TEST_F(Rollover, ArchivNichtBeschreibbarBehaeltDenTermin) {
    QStringList t{Termin(kHeute.addDays(-3), QStringLiteral("-"), QStringLiteral("-"),
                         QStringLiteral("bleibt"))};
    AbgelaufenRegeln r;
    r.archiv = umgebung.daten() + QStringLiteral("/fehlt/Kronel.Old");
    const auto e = Laufen(t, r);
    EXPECT_EQ(t.size(), 1);
    EXPECT_EQ(e.defekte.size(), 1u);
}

// A record of 30 KB that the archive did not take: the report quotes its first
// 80 characters and says how long it is, and still names the archive's fault.
TEST_F(Rollover, LangerTerminWirdImBerichtAngefangenUndGemessen) {
    const QString lang = Termin(
        kHeute.addDays(-3), QStringLiteral("-"), QStringLiteral("-"),
        QStringLiteral("Anfang") + QString(30000, QLatin1Char('x')) + QStringLiteral("ENDE"));
    ASSERT_EQ(lang.size(), 30047);
    QStringList t{lang, Termin(kHeute.addDays(-3), QStringLiteral("-"), QStringLiteral("1T"),
                               QStringLiteral("{ZyklusZähler:1 kurz"))};
    AbgelaufenRegeln r;
    r.archiv = umgebung.daten() + QStringLiteral("/fehlt/Kronel.Old");
    const Fehler f = DefekteFehler(Laufen(t, r));
    EXPECT_TRUE(f.beschreibung.startsWith(
        QStringLiteral("2 Termine konnten nicht fortgeschrieben werden und bleiben unverändert, "
                       "zuerst: »") +
        lang.left(80) + QStringLiteral("…« (30.047 Zeichen lang; ")))
        << qPrintable(f.beschreibung.left(300));
    EXPECT_TRUE(f.beschreibung.contains(r.archiv));
    EXPECT_FALSE(f.beschreibung.contains(QStringLiteral("ENDE")));
    EXPECT_LT(f.beschreibung.size(), 400);
}

// Another process keeps the archive locked: the first expired record waits for
// the lock, the others of the same roll-over do not; all of them stay.
TEST_F(Rollover, FremdeArchivsperreWirdNurEinmalAbgewartet) {
    const QString s = QStringLiteral("-");
    QStringList t;
    for (int i = 0; i < 3; ++i) {
        t.append(Termin(kHeute.addDays(-5), s, s, QStringLiteral("weg%1").arg(i)));
    }
    const DateiSperre fremd(archiv);
    ASSERT_TRUE(fremd.gesperrt());
    QElapsedTimer uhr;
    uhr.start();
    const auto e = Laufen(t);
    EXPECT_LT(uhr.elapsed(), 15000);
    EXPECT_EQ(t.size(), 3);
    EXPECT_EQ(e.defekte.size(), 3u);
    EXPECT_FALSE(QFile::exists(archiv));
}

// The records that stay keep their order, each with the index it came from (-1
// where it was rolled on); the caller's shared copy of the list stays as it was.
TEST_F(Rollover, BleibendeBehaltenReihenfolgeUndHerkunft) {
    const QString s = QStringLiteral("-");
    QStringList t{Termin(kHeute.addDays(-5), s, s, QStringLiteral("weg1")),
                  Termin(kHeute, s, s, QStringLiteral("a")),
                  Termin(kHeute.addDays(-5), s, QStringLiteral("1T"), QStringLiteral("b")),
                  Termin(kHeute.addDays(-5), s, s, QStringLiteral("weg2")),
                  Termin(kHeute.addDays(-5), s, s, QStringLiteral("weg3")),
                  Termin(kHeute.addDays(3), s, s, QStringLiteral("c")),
                  Termin(kHeute.addDays(-5), s, s, QStringLiteral("weg4"))};
    const QStringList vorher = t;
    const auto e = Laufen(t);
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t[0], vorher[1]);
    EXPECT_EQ(t[1], Termin(kHeute, s, QStringLiteral("1T"), QStringLiteral("b")));
    EXPECT_EQ(t[2], vorher[5]);
    EXPECT_EQ(e.herkunft, (std::vector<qsizetype>{1, -1, 5}));
    EXPECT_EQ(e.archiviert, 4);
    EXPECT_EQ(vorher.size(), 7);
    EXPECT_TRUE(vorher[0].endsWith(QStringLiteral("weg1")));
}
