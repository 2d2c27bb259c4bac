#include <gtest/gtest.h>

#include <functional>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "launcher/zeitstarter.h"
#include "platform/datum.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

QDateTime Um(int h, int m, int s = 0, int tag = 9) {
    return QDateTime(QDate(2026, 12, tag), QTime(h, m, s));
}

// Starts as the output program does them: it records its run in letzte_Ausgabe,
// unless it is one that never gets so far.
class Ausgabeprogramm final : public ProzessDienst {
public:
    Status starten(const QString& programm, const QStringList& argumente,
                   const QString& arbeitsordner) override {
        starts.push_back({programm, argumente, arbeitsordner});
        zeiten.append(uhr().jetzt());
        if (fehlschlagen) {
            return Fehler(FehlerNr::DateiNichtGefunden);
        }
        if (schreibtLetzteAusgabe) {
            IniSchreiben({}, L("Kronel"), L("letzte_Ausgabe"), DatumZeitText(uhr().jetzt()));
        }
        return {};
    }
    std::vector<test::Start> starts;
    QList<QDateTime> zeiten;
    bool schreibtLetzteAusgabe = true;
    bool fehlschlagen = false;
};

// A message box during which the timer goes on ticking.
class TickendeMeldungen final : public MeldungsDienst {
public:
    int zeigen(const QString& text, int stil, const QString& titel) override {
        (void)stil;
        texte.append(titel + L(": ") + text);
        if (waehrend) {
            auto w = std::move(waehrend);
            waehrend = nullptr;
            w();
        }
        const int a = antworten.isEmpty() ? Antwort::Ignorieren : antworten.takeFirst();
        return a;
    }
    std::optional<QString> eingabe(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QStringList texte;
    QList<int> antworten;
    std::function<void()> waehrend;
};

class Starter : public ::testing::Test {
protected:
    Starter() {
        Dienste d = dienste();
        d.prozesse = &ausgabe;
        DiensteSetzen(d);
        umgebung.schreiben(umgebung.programm() + L("/Kronel"), "#!/bin/sh\n");
        umgebung.schreiben(umgebung.programm() + L("/Kronelin"), "#!/bin/sh\n");
    }
    void Letzte(const char* wert) { IniSchreiben({}, L("Kronel"), L("letzte_Ausgabe"), L(wert)); }
    // Ticks every five seconds from von to bis (both included).
    void Ticken(const QDateTime& von, const QDateTime& bis) {
        for (QDateTime t = von; t <= bis; t = t.addSecs(5)) {
            umgebung.uhr.setzen(t);
            logik.Zeit_Timer();
        }
    }

    test::TestUmgebung umgebung{L("KronMemo")};
    Ausgabeprogramm ausgabe;
    Zeitstarter logik;
};

}  // namespace

TEST(Startregel, UhrzeitStundenUndSperren) {
    const QString abs = L("01:00:00");
    EXPECT_TRUE(StartFaellig(abs, L("12"), 1800, Um(1, 0), std::nullopt));
    EXPECT_TRUE(StartFaellig(abs, L("12"), 1800, Um(1, 0, 55), std::nullopt));
    EXPECT_FALSE(StartFaellig(abs, L("12"), 1800, Um(1, 1), std::nullopt));
    EXPECT_FALSE(StartFaellig(L("1:00"), L("12"), 1800, Um(1, 0), std::nullopt));
    EXPECT_FALSE(StartFaellig(abs, L("0"), 1800, Um(1, 0), std::nullopt));
    EXPECT_FALSE(StartFaellig(abs, L("0"), 999999, Um(5, 0), std::nullopt));
    EXPECT_FALSE(StartFaellig(abs, L("12"), 59, Um(1, 0), std::nullopt));
    EXPECT_FALSE(StartFaellig(abs, L("12"), 0, Um(1, 0), std::nullopt));
    // Hours: more than 1.5 of them.
    EXPECT_FALSE(StartFaellig(abs, L("1.5"), 5400, Um(9, 0), std::nullopt));
    EXPECT_TRUE(StartFaellig(abs, L("1.5"), 5401, Um(9, 0), std::nullopt));

    // Our own start holds off the next for a minute, and the hours for their hours.
    EXPECT_FALSE(StartFaellig(abs, L("12"), 1805, Um(1, 0, 5), Um(1, 0)));
    EXPECT_FALSE(StartFaellig(abs, L("12"), 50000, Um(12, 59, 55), Um(1, 0)));
    EXPECT_TRUE(StartFaellig(abs, L("12"), 50000, Um(13, 0), Um(1, 0)));
    EXPECT_TRUE(StartFaellig(abs, L("12"), 50000, Um(1, 0, 0, 10), Um(13, 0)));
}

TEST(Startregel, TexteUndSymbolwert) {
    EXPECT_EQ(StarterTitel(Um(9, 5)), L("Kronel Memo, 9:05"));
    EXPECT_EQ(StarterTitel(Um(13, 40)), L("Kronel Memo, 13:40"));
    EXPECT_EQ(SekundenSeit(L("09.12.2026 08:35:00"), Um(9, 5)), 1800);
    EXPECT_EQ(SekundenSeit(L("09.12.2026"), Um(0, 1)), 60);
    EXPECT_EQ(SekundenSeit(L("???"), Um(9, 5)), std::nullopt);
    EXPECT_EQ(SekundenSeit(L(""), Um(9, 5)), std::nullopt);
    EXPECT_EQ(LetzteAusgabeText(1800), L("vor 30,0 Minuten."));
    EXPECT_EQ(LetzteAusgabeText(std::nullopt), L("?"));
    for (const char* ja : {"1", "-1", "True", "true", "Wahr", "WAHR", " 1"}) {
        EXPECT_TRUE(SymbolGesetzt(L(ja))) << ja;
    }
    for (const char* nein : {"0", "", "False", "Falsch", "nein"}) {
        EXPECT_FALSE(SymbolGesetzt(L(nein))) << nein;
    }
}

TEST_F(Starter, UmEinsEinmalUndNachMehrAlsZwoelfStundenWieder) {
    Letzte("09.12.2026 00:30:00");
    Ticken(Um(0, 55), Um(13, 10));
    ASSERT_EQ(ausgabe.zeiten, (QList<QDateTime>{Um(1, 0), Um(13, 0, 5)}));
    EXPECT_EQ(ausgabe.starts[0].programm, umgebung.programm() + L("/Kronel"));
    EXPECT_EQ(ausgabe.starts[0].argumente, QStringList{L("/n")});
    EXPECT_EQ(ausgabe.starts[0].arbeitsordner, umgebung.programm());
    EXPECT_EQ(logik.Titel, L("Kronel Memo, 13:10"));
    EXPECT_EQ(logik.bezLastTime, L("vor 9,9 Minuten."));  // 595 seconds
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(Starter, NieMitNullOderWenigerStundenOderOhneGueltigeLetzteAusgabe) {
    Letzte("09.12.2026 00:30:00");
    // 200 seconds, the time of day 01:00 among them.
    for (const char* stunden : {"0", "-1", "-0.01"}) {
        logik.txtOutRel = L(stunden);
        Ticken(Um(0, 58, 40), Um(1, 2));
        EXPECT_TRUE(ausgabe.starts.empty()) << stunden;
    }

    logik.txtOutRel = L("12");
    for (const char* wert : {"???", "", "31.02.2026 00:30:00", "gestern"}) {
        Letzte(wert);
        Ticken(Um(0, 59), Um(1, 1));
        EXPECT_TRUE(ausgabe.starts.empty()) << wert;
        EXPECT_EQ(logik.bezLastTime, L("?"));
    }
}

TEST_F(Starter, AusgabeOhneEintragStartetInZehnMinutenGenauEinmal) {
    Letzte("08.12.2026 19:00:00");
    ausgabe.schreibtLetzteAusgabe = false;
    Ticken(Um(15, 0), Um(15, 10));
    EXPECT_EQ(ausgabe.zeiten, QList<QDateTime>{Um(15, 0)});
}

TEST_F(Starter, FehlschlagMeldetSichUndDerTimerStartetWaehrenddessenKeinenZweiten) {
    TickendeMeldungen boxen;
    Dienste d = dienste();
    d.meldungen = &boxen;
    DiensteSetzen(d);
    Letzte("08.12.2026 19:00:00");
    ausgabe.fehlschlagen = true;
    logik.txtOutAbs = L("15:01");  // by the rules alone due again at 15:01
    // The box stays open for two minutes while the timer ticks on, then Retry
    // tries once more and Ignore gives up.
    boxen.antworten = {Antwort::Wiederholen, Antwort::Ignorieren};
    boxen.waehrend = [&] { Ticken(Um(15, 0, 5), Um(15, 2)); };
    umgebung.uhr.setzen(Um(15, 0));
    logik.Zeit_Timer();
    EXPECT_EQ(ausgabe.starts.size(), 2u);  // the start and its retry
    ASSERT_EQ(boxen.texte.size(), 2);
    EXPECT_TRUE(boxen.texte[0].contains(L("Es ist ein Fehler aufgetreten.")))
        << boxen.texte[0].toStdString();
    Ticken(Um(15, 2), Um(15, 10));
    EXPECT_EQ(ausgabe.starts.size(), 2u);
}

TEST_F(Starter, OrdnerAusDirOderDerEigene) {
    logik.mnuKronelin_Click();
    ASSERT_EQ(ausgabe.starts.size(), 1u);
    EXPECT_EQ(ausgabe.starts[0].programm, umgebung.programm() + L("/Kronelin"));
    EXPECT_TRUE(ausgabe.starts[0].argumente.isEmpty());

    // Found without regard to case; "\" as "/"; a trailing separator does not matter.
    umgebung.schreiben(umgebung.daten() + L("/kronel"), "#!/bin/sh\n");
    IniSchreiben({}, L("Kronel"), L("Dir"),
                 QString(umgebung.daten()).replace(u'/', u'\\') + L("\\"));
    logik.mnuKronel_Click();
    ASSERT_EQ(ausgabe.starts.size(), 2u);
    EXPECT_EQ(ausgabe.starts[1].programm, umgebung.daten() + L("/kronel"));
    EXPECT_EQ(ausgabe.starts[1].arbeitsordner, umgebung.daten());

    // A drive path and a folder without the program are reported.
    for (const char* dir : {"C:\\Kronel", "/gibt/es/nicht"}) {
        IniSchreiben({}, L("Kronel"), L("Dir"), L(dir));
        logik.mnuKronel_Click();
    }
    EXPECT_EQ(ausgabe.starts.size(), 2u);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_TRUE(umgebung.meldungen.boxen[1].text.startsWith(L("Es ist ein Fehler aufgetreten.")));
}

TEST_F(Starter, EinstellungenLesenUndSpeichern) {
    test::FakeFenster f;
    f.m = {0, 0, 4500, 2000};
    logik.EinstellungenLesen(f);
    EXPECT_EQ(f.m.links, 15360 - 4500 - 75);
    EXPECT_EQ(f.m.oben, 11520 - 2000 - 75);
    EXPECT_TRUE(logik.mnuStartAsSym);
    EXPECT_EQ(f.z, FensterZustand::Minimiert);
    EXPECT_EQ(logik.txtOutAbs, L("01:00:00"));
    EXPECT_EQ(logik.txtOutRel, L("12"));

    logik.mnuStartAsSym = false;
    logik.txtOutAbs = L("07:30");
    logik.txtOutRel = L("1.5");
    logik.EinstellungenSpeichern();
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("MemoStartAsSym"), {}), L("0"));
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("MemoNextAbs"), {}), L("07:30"));
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("MemoNextRel"), {}), L("1.5"));
    logik.EinstellungenLesen(f);
    EXPECT_FALSE(logik.mnuStartAsSym);
    EXPECT_EQ(f.z, FensterZustand::Normal);

    IniSchreiben({}, L("Kronel"), L("MemoStartAsSym"), L("Wahr"));
    logik.EinstellungenLesen(f);
    EXPECT_TRUE(logik.mnuStartAsSym);
    logik.EinstellungenSpeichern();
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("MemoStartAsSym"), {}), L("1"));
}
