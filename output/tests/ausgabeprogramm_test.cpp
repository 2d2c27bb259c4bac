#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>

#include <functional>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "output/ausgabeprogramm.h"
#include "output/planerstart.h"
#include "platform/befehlszeile.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"
#include "testsupport/zufall.h"

using namespace kronel;

namespace {

using test::L;

class FakeOberflaeche final : public AusgabeOberflaeche {
public:
    void AusgabeSetzen(const QString& t) override {
        text = t;
        ablauf.append(L("text"));
    }
    void NachVorne() override {}
    void Warten(double) override {
        if (beimWarten) {
            beimWarten();
        }
    }
    void StatusSetzen(const QString& t) override { status = t; }
    QString StatusText() const override { return status; }
    void DatumZeitSetzen(const QString& d, const QString& z) override {
        datum = d;
        zeit = z;
    }
    QString AusgabeText() const override { return text; }
    QString Auswahl() const override { return auswahl; }
    void NurLesenAnzeigen() override { nurLesen = true; }
    SchriftTraeger& TextSchrift() override { return schrift; }
    void HintergrundSetzen(qint32 f) override { hintergrund = f; }
    FensterSteuerelement& Fenster() override { return fenster; }
    void ProgrammEnde() override { ++enden; }
    void MondZeigen(int p, const QString& t) override {
        mondPhase = p;
        mondText = t;
        ablauf.append(L("mond"));
    }
    void SonneSetzen(const QString& t) override {
        sonne = t;
        ablauf.append(L("sonne"));
    }

    QString text = L("Bitte einen Moment Geduld...");
    QString status, datum, zeit, auswahl;
    bool nurLesen = false;
    test::FakeSchriftTraeger schrift;
    std::optional<qint32> hintergrund;
    test::FakeFenster fenster;
    int enden = 0;
    std::function<void()> beimWarten;
    int mondPhase = -1;
    QString mondText, sonne;
    QStringList ablauf;
};

// Answers boxes like the scripted service, but runs something while the box is open.
class OffeneBoxMeldungen final : public MeldungsDienst {
public:
    int zeigen(const QString&, int, const QString& titel) override {
        titel_.append(titel);
        if (waehrend) {
            waehrend();
        }
        return antwort;
    }
    std::optional<QString> eingabe(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::function<void()> waehrend;
    int antwort = Antwort::Ja;
    QStringList titel_;
};

const QString kTermin = L("20261209-   -   -         -   Alle   Zahnarzt");

class Programm : public ::testing::Test {
protected:
    Programm() {
        einstellungen("");
        umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"),
                           NachCp1252(L("..Kronelin 8.010000\r\n") + kTermin + L("\r\n")));
        oberflaeche.schrift.werte = {L("Courier New"), 10, false, false, false};
        oberflaeche.fenster.m = {1500, 1200, 9000, 6000};
    }

    void einstellungen(const char* kronel) {
        umgebung.schreiben(umgebung.riviror(),
                           NachCp1252(L("[Allgemein]\r\nUser=Anna\r\n[Kronel]\r\nDirData=") +
                                      umgebung.daten() + L("\r\n") + L(kronel)));
    }
    QString ini(const char* schluessel) { return IniLesen({}, {}, L(schluessel), L("(fehlt)")); }
    std::unique_ptr<Ausgabeprogramm> neu(std::initializer_list<const char*> argumente = {}) {
        QStringList a;
        for (const char* t : argumente) {
            a.append(L(t));
        }
        BefehlszeileSetzen(a);
        return std::make_unique<Ausgabeprogramm>(oberflaeche,
                                                 std::make_unique<test::FolgeZufall>());
    }
    // Starts a program and runs its first tick a second later.
    std::unique_ptr<Ausgabeprogramm> gestartet(std::initializer_list<const char*> argumente = {}) {
        auto p = neu(argumente);
        EXPECT_TRUE(p->Form_Load());
        umgebung.uhr.weiter(1);
        p->Zeit_Timer();
        return p;
    }
    QString ausfuehrbar(const char* name) {
        const QString pfad = umgebung.programm() + QLatin1Char('/') + L(name);
        umgebung.schreiben(pfad, "#!/bin/sh\n");
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return pfad;
    }

    test::TestUmgebung umgebung{L("Kronel")};
    FakeOberflaeche oberflaeche;
};

}  // namespace

TEST_F(Programm, ErsterTickZeigtDieAusgabeMitEndeMarke) {
    auto p = neu();
    ASSERT_TRUE(p->Form_Load());
    EXPECT_EQ(oberflaeche.status, L("Bitte einen Moment Geduld"));
    EXPECT_EQ(oberflaeche.datum, L(" Mittwoch, 9. Dezember 2026, 50. Woche "));
    EXPECT_EQ(oberflaeche.zeit, L(" 09:30 "));
    EXPECT_EQ(p->SpeicherName, L("KR261209.Txt"));
    EXPECT_EQ(ini("letzte_Ausgabe"), L("09.12.2026 09:30:00"));
    umgebung.uhr.weiter(1);
    p->Zeit_Timer();
    EXPECT_TRUE(oberflaeche.text.contains(L("\r\n*09.12.2026 (Mi): Zahnarzt\r\n")));
    EXPECT_TRUE(oberflaeche.text.endsWith(L("Zahnarzt\r\n\r\n*** Ende ***\r\n")));
    EXPECT_EQ(p->AusgabeGelaufen, 1);
    EXPECT_EQ(oberflaeche.status, L("Bereit"));
    // Never a second output in the same run.
    const QString nachErstem = oberflaeche.text;
    umgebung.uhr.weiter(1);
    p->Zeit_Timer();
    EXPECT_EQ(oberflaeche.text, nachErstem);
    EXPECT_EQ(oberflaeche.enden, 0);
}

TEST_F(Programm, EinmalAmTagOhneSchalterN) {
    gestartet();
    umgebung.uhr.weiter(3600);
    auto zweiter = neu();
    EXPECT_FALSE(zweiter->Form_Load());
    EXPECT_EQ(ini("letzte_Ausgabe"), L("09.12.2026 09:30:00"));
    EXPECT_EQ(oberflaeche.enden, 0);

    // "/N" in any case and at the start of a longer word counts as "/n".
    for (const char* schalter : {"/N", "/nochmal"}) {
        auto p = neu({schalter});
        EXPECT_TRUE(p->Form_Load()) << schalter;
    }
    EXPECT_EQ(ini("letzte_Ausgabe"), L("09.12.2026 10:30:01"));

    einstellungen("AusgabeNurEinmal=0\r\nletzte_Ausgabe=09.12.2026 10:30:00\r\n");
    EXPECT_TRUE(neu()->Form_Load());
    einstellungen("AusgabeNurEinmal=nein\r\nletzte_Ausgabe=09.12.2026 10:30:00\r\n");
    EXPECT_FALSE(neu()->Form_Load());
    umgebung.uhr.weiter(24 * 3600);
    EXPECT_TRUE(neu()->Form_Load());
}

TEST_F(Programm, KronelAutoEndeFehltHeisstEineStunde) {
    auto p = gestartet();
    umgebung.uhr.setzen(QDateTime(QDate(2026, 12, 9), QTime(10, 30, 0)));
    p->Zeit_Timer();
    EXPECT_EQ(oberflaeche.enden, 0);
    umgebung.uhr.weiter(1);
    p->Zeit_Timer();
    EXPECT_EQ(oberflaeche.enden, 1);
    EXPECT_TRUE(p->Beendet());
}

TEST_F(Programm, KronelAutoEndeLeerOderOhneZahlEndetNachDerAusgabe) {
    for (const char* wert : {"KronelAutoEnde=\r\n", "KronelAutoEnde=bald\r\n"}) {
        einstellungen(wert);
        oberflaeche.enden = 0;
        auto p = gestartet({"/n"});
        EXPECT_TRUE(oberflaeche.text.endsWith(L("*** Ende ***\r\n"))) << wert;
        EXPECT_EQ(oberflaeche.enden, 1) << wert;
    }
}

TEST_F(Programm, KronelAutoEndeViertelstunde) {
    einstellungen("KronelAutoEnde=0.25\r\n");
    auto p = gestartet();
    umgebung.uhr.setzen(QDateTime(QDate(2026, 12, 9), QTime(9, 45, 0)));
    p->Zeit_Timer();
    EXPECT_EQ(oberflaeche.enden, 0);
    umgebung.uhr.weiter(1);
    p->Zeit_Timer();
    EXPECT_EQ(oberflaeche.enden, 1);
}

TEST_F(Programm, EinTickImLaufStartetKeinenZweitenUndDasEndeWartet) {
    einstellungen("KronelAutoEnde=0\r\n");
    auto p = neu({"/p"});
    int ticks = 0;
    oberflaeche.beimWarten = [&] {
        for (int i = 0; i < 3; ++i) {
            umgebung.uhr.weiter(1);
            p->Zeit_Timer();
            ++ticks;
        }
        EXPECT_EQ(oberflaeche.enden, 0);
    };
    ASSERT_TRUE(p->Form_Load());
    umgebung.uhr.weiter(1);
    p->Zeit_Timer();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(oberflaeche.text.count(L("Zahnarzt")), 1);
    // "/p" still printed, then the end came.
    EXPECT_EQ(umgebung.drucker.beendeteDokumente(), 1);
    EXPECT_EQ(oberflaeche.enden, 1);
}

TEST_F(Programm, WartetDerLaufAufEineAntwortEndetDasProgramm) {
    einstellungen("KronelAutoEnde=0\r\n");
    const QString werkzeug = ausfuehrbar("werkzeug");
    umgebung.schreiben(
        umgebung.daten() + L("/Kronel.PlD"),
        NachCp1252(L(
            "..Kronelin 8.010000\r\n20261209-   -   -         -   Alle   @Starten?@werkzeug\r\n")));
    OffeneBoxMeldungen boxen;
    Dienste d = dienste();
    d.meldungen = &boxen;
    DiensteSetzen(d);
    auto p = neu({"/p"});
    boxen.waehrend = [&] {
        umgebung.uhr.weiter(5);
        p->Zeit_Timer();
    };
    ASSERT_TRUE(p->Form_Load());
    umgebung.uhr.weiter(1);
    p->Zeit_Timer();
    EXPECT_EQ(boxen.titel_, QStringList{L("Kronel Programmstart")});
    EXPECT_EQ(oberflaeche.enden, 1);
    // The "Yes" that came after the end is no answer: nothing started, printed or added.
    EXPECT_TRUE(umgebung.prozesse.starts.empty());
    EXPECT_EQ(umgebung.drucker.dokumente.size(), 0u);
    EXPECT_FALSE(oberflaeche.text.contains(L("*** Ende ***")));
    EXPECT_NE(ini("Stat_RunMinutes"), L("(fehlt)"));
    p.reset();
    EXPECT_EQ(dienste().meldungen, &boxen);
}

TEST_F(Programm, BeendenLaeuftEinmalInDerReihenfolge) {
    umgebung.schreiben(umgebung.windows() + L("/Kronel.wav"), "RIFF");
    auto p = gestartet();
    umgebung.ton.aufrufe.clear();
    p->PulEnde_Click();
    p->PulEnde_Click();
    EXPECT_EQ(oberflaeche.enden, 1);
    EXPECT_EQ(ini("KronelForm_Weite"), L("9000"));
    // Where the window stands now (the start centred it on the screen).
    oberflaeche.fenster.m = {1500, 1200, 9000, 6000};
    p->FensterPositionSpeichern();
    EXPECT_EQ(ini("KronelForm_Höhe"), L("6000"));
    EXPECT_EQ(ini("KronelForm_Weite"), L("9000"));
    EXPECT_EQ(ini("KronelForm_Links"), L("1500"));
    EXPECT_EQ(ini("KronelForm_Oben"), L("1200"));
    EXPECT_EQ(umgebung.ton.aufrufe, QStringList{L("stopp")});
    EXPECT_EQ(umgebung.hilfe.aufrufe, QStringList{L("schliessen")});
    EXPECT_NE(ini("Stat_RunMinutes"), L("(fehlt)"));
    // A later tick does nothing more.
    umgebung.uhr.weiter(7200);
    p->Zeit_Timer();
    EXPECT_EQ(oberflaeche.enden, 1);
}

TEST_F(Programm, MinimiertOderSchreibgeschuetztBleibtDieFensterlageUngeschrieben) {
    oberflaeche.fenster.z = FensterZustand::Minimiert;
    gestartet()->PulEnde_Click();
    EXPECT_EQ(ini("KronelForm_Höhe"), L("(fehlt)"));

    oberflaeche.fenster.z = FensterZustand::Normal;
    auto p = gestartet({"/n", "ReadOnly"});
    EXPECT_TRUE(oberflaeche.nurLesen);
    p->PulEnde_Click();
    EXPECT_EQ(ini("KronelForm_Höhe"), L("(fehlt)"));
}

TEST_F(Programm, SchriftUndFarbenDesTextfelds) {
    einstellungen(
        "SchriftName=Arial\r\nSchriftGröße=36\r\nSchriftFett=-1\r\n"
        "SchriftVordergrundFarbe=255\r\nSchriftHintergrundFarbe=16777215\r\n");
    auto p = neu();
    ASSERT_TRUE(p->Form_Load());
    EXPECT_EQ(oberflaeche.schrift.werte.name, L("Arial"));
    EXPECT_EQ(oberflaeche.schrift.werte.groesse, 12.75);
    EXPECT_TRUE(oberflaeche.schrift.werte.fett);
    EXPECT_FALSE(oberflaeche.schrift.werte.kursiv);
    EXPECT_EQ(oberflaeche.schrift.textfarbe, 255);
    EXPECT_EQ(oberflaeche.hintergrund, 16777215);

    einstellungen("SchriftGröße=9.75\r\n");
    ASSERT_TRUE(neu({"/n"})->Form_Load());
    EXPECT_EQ(oberflaeche.schrift.werte.groesse, 9.75);
}

TEST_F(Programm, SpeichernImDatenordnerMitRueckfrage) {
    auto p = gestartet();
    umgebung.meldungen.eingaben({L("heute.txt")});
    p->PulSpeichern_Click();
    ASSERT_EQ(umgebung.meldungen.eingabeBoxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.eingabeBoxen[0].titel, L("Meldungen speichern"));
    EXPECT_EQ(umgebung.meldungen.eingabeBoxen[0].vorgabe, umgebung.daten() + L("/KR261209.Txt"));
    const QString datei = umgebung.daten() + L("/heute.txt");
    EXPECT_EQ(umgebung.lesen(datei), NachCp1252(oberflaeche.text + L("\r\n")));
    EXPECT_TRUE(umgebung.lesen(datei).contains("f\xfcr Anna"));
    EXPECT_EQ(p->SpeicherName, L("heute.txt"));

    // An existing file is only replaced on Yes.
    umgebung.schreiben(datei, "alt");
    umgebung.meldungen.eingaben({L("heute.txt"), L("heute.txt")});
    umgebung.meldungen.antworten({Antwort::Nein, Antwort::Ja});
    p->PulSpeichern_Click();
    EXPECT_EQ(umgebung.lesen(datei), QByteArray("alt"));
    p->PulSpeichern_Click();
    EXPECT_EQ(umgebung.lesen(datei), NachCp1252(oberflaeche.text + L("\r\n")));
    EXPECT_EQ(umgebung.meldungen.eingabeBoxen.back().vorgabe, datei);

    // Cancel and an empty name save nothing.
    umgebung.meldungen.eingaben({std::nullopt, L("  ")});
    p->PulSpeichern_Click();
    p->PulSpeichern_Click();
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);
}

TEST_F(Programm, SpeichernVerweigertDieDateienDesSystems) {
    auto p = gestartet();
    const QByteArray termine = umgebung.lesen(umgebung.daten() + L("/Kronel.PlD"));
    const QByteArray ini = umgebung.lesen(umgebung.riviror());
    for (const QString& name : {L("kronel.pld"), L("KRONEL.OLD"), L("Kronel.BAK"), L("Kronel.Txt"),
                                umgebung.riviror(), umgebung.windows() + L("/riviror.ini")}) {
        umgebung.meldungen.boxen.clear();
        umgebung.meldungen.eingaben({name});
        p->PulSpeichern_Click();
        ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u) << name.toStdString();
        EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::OK | Box::Stop);
    }
    EXPECT_EQ(umgebung.lesen(umgebung.daten() + L("/Kronel.PlD")), termine);
    EXPECT_EQ(umgebung.lesen(umgebung.riviror()), ini);
    EXPECT_FALSE(QFile::exists(umgebung.daten() + L("/KRONEL.OLD")));
}

TEST_F(Programm, SpeicherfehlerGehtDurchDieFehlermeldung) {
    auto p = gestartet();
    umgebung.meldungen.eingaben({L("fehlt/ordner/x.txt")});
    umgebung.meldungen.antworten({Antwort::Wiederholen, Antwort::Abbruch});
    p->PulSpeichern_Click();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(
        L("Datei »fehlt/ordner/x.txt« konnte leider nicht angelegt werden.")));
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);
}

TEST_F(Programm, DruckenSchicktEinDokumentMitFusszeile) {
    auto p = gestartet();
    p->PulDrucken_Click();
    ASSERT_EQ(umgebung.drucker.dokumente.size(), 1u);
    const test::DruckDokument& dok = umgebung.drucker.dokumente[0];
    EXPECT_TRUE(dok.beendet);
    ASSERT_EQ(dok.seiten.size(), 1u);
    const QStringList texte = dok.seiten[0].texte();
    EXPECT_EQ(texte.first(), L("Meldungen für Anna."));
    EXPECT_TRUE(texte.contains(L("*09.12.2026 (Mi): Zahnarzt")));
    EXPECT_TRUE(texte.contains(L("*** Ende ***")));
    EXPECT_TRUE(texte.last().contains(L("Ausdruck vom 09.12.2026")));
    // The rule under the heading stays inside the printable width.
    const double zeichen = dok.seiten[0].stuecke[0].schrift.groesse / 40.0;
    const auto regel = std::find_if(texte.begin(), texte.end(),
                                    [](const QString& t) { return t.startsWith(L("____")); });
    ASSERT_NE(regel, texte.end());
    EXPECT_LE(static_cast<double>(regel->size()) * zeichen, 19.0);
    EXPECT_GT(static_cast<double>(regel->size() + 1) * zeichen, 19.0);
    EXPECT_EQ(dok.seiten[0].stuecke[0].schrift.name, L("Courier New"));
    EXPECT_TRUE(umgebung.drucker.aufrufe.contains(L("ScaleMode 7")));
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);
}

namespace {

// Courier New 10 pt on the recording surface: 0.25 cm a character, so 76 fit
// into the printable width of 19 cm; 55 lines of 0.5 cm fit on a page of 27.7 cm.
constexpr double kZeileCm = 0.5;
constexpr double kBreiteCm = 19.0;
constexpr double kHoeheCm = 27.7;

// A 200-character line and the rows it takes: each ends behind the last blank
// that fits, so the rows together hold every character of the line.
const QString kLangeZeile =
    L("*09.12.2026 (Mi): Besprechung01 Besprechung02 Besprechung03 "
      "Besprechung04 Besprechung05 Besprechung06 Besprechung07 "
      "Besprechung08 Besprechung09 Besprechung10 Besprechung11 "
      "Besprechung12 Besprechung13!");
const QStringList kLangeReihen{
    L("*09.12.2026 (Mi): Besprechung01 Besprechung02 Besprechung03 Besprechung04 "),
    L("Besprechung05 Besprechung06 Besprechung07 Besprechung08 Besprechung09 "),
    L("Besprechung10 Besprechung11 Besprechung12 Besprechung13!")};

// Every text of the document within the printable area, in page order.
QStringList TexteImDruckbereich(const test::DruckDokument& dok) {
    QStringList texte;
    for (const test::DruckSeite& seite : dok.seiten) {
        for (const test::DruckStueck& st : seite.stuecke) {
            if (st.art != test::DruckStueck::Art::Text) {
                continue;
            }
            const double zeichen = st.schrift.groesse / 40.0;
            EXPECT_LE(st.x + static_cast<double>(st.text.size()) * zeichen, kBreiteCm + 1e-9)
                << qPrintable(st.text);
            EXPECT_LE(st.y + st.schrift.groesse / 20.0, kHoeheCm + 1e-9) << qPrintable(st.text);
            texte.append(st.text);
        }
    }
    return texte;
}

}  // namespace

TEST_F(Programm, DruckenBrichtLangeZeilenUmOhneEinZeichenZuVerlieren) {
    auto p = gestartet();
    // A word wider than a whole row fills the row it starts in and goes on below.
    QString wort;
    while (wort.size() < 150) {
        wort += L("Donaudampfschifffahrt");
    }
    wort.truncate(150);
    const QString wortZeile = L("*09.12.2026 (Mi): Anfang ") + wort;
    const QString regel(80, u'_');
    oberflaeche.text = L("Meldungen für Anna.\r\n") + regel + L("\r\n\r\n") + kLangeZeile +
                       L("\r\n") + wortZeile + L("\r\n\r\n*** Ende ***\r\n");
    p->PulDrucken_Click();
    ASSERT_EQ(umgebung.drucker.dokumente.size(), 1u);
    const test::DruckDokument& dok = umgebung.drucker.dokumente[0];
    ASSERT_EQ(dok.seiten.size(), 1u);
    const QStringList texte = TexteImDruckbereich(dok);
    ASSERT_EQ(texte.size(), 10);
    EXPECT_EQ(texte[0], L("Meldungen für Anna."));
    EXPECT_EQ(texte[1], QString(76, u'_'));
    EXPECT_EQ(texte.mid(2, 3), kLangeReihen);
    EXPECT_EQ(kLangeZeile.size(), 200);
    EXPECT_EQ(kLangeReihen.join(QString()), kLangeZeile);
    EXPECT_EQ(texte.mid(5, 3),
              QStringList({wortZeile.left(76), wortZeile.mid(76, 76), wortZeile.mid(152)}));
    EXPECT_EQ(texte[8], L("*** Ende ***"));
    EXPECT_TRUE(texte[9].contains(L("Ausdruck vom 09.12.2026")));
    // The rows follow each other line by line; the empty line stays.
    const std::vector<test::DruckStueck>& st = dok.seiten[0].stuecke;
    EXPECT_DOUBLE_EQ(st[2].y, 3 * kZeileCm);
    EXPECT_DOUBLE_EQ(st[7].y, 8 * kZeileCm);
    EXPECT_DOUBLE_EQ(st[7].x, 0.0);
}

TEST_F(Programm, DruckenSetztUmgebrocheneZeilenAufDerNaechstenSeiteFort) {
    auto p = gestartet();
    // 19 lines of three rows each: the 56th row no longer fits on the first page.
    QString text;
    QStringList reihen;
    for (int i = 0; i < 19; ++i) {
        text += kLangeZeile + L("\r\n");
        reihen += kLangeReihen;
    }
    oberflaeche.text = text;
    p->PulDrucken_Click();
    ASSERT_EQ(umgebung.drucker.dokumente.size(), 1u);
    const test::DruckDokument& dok = umgebung.drucker.dokumente[0];
    ASSERT_EQ(dok.seiten.size(), 2u);
    QStringList texte = TexteImDruckbereich(dok);
    ASSERT_FALSE(texte.isEmpty());
    EXPECT_TRUE(texte.takeLast().contains(L("Ausdruck vom 09.12.2026")));
    EXPECT_EQ(texte, reihen);
    ASSERT_EQ(dok.seiten[0].texte().size(), 55);
    EXPECT_EQ(dok.seiten[1].texte().first(), kLangeReihen[1]);
    EXPECT_DOUBLE_EQ(dok.seiten[1].stuecke[0].y, 0.0);
}

TEST_F(Programm, AbbruchBeimDruckenLaesstKeinenAuftragUndKeineSanduhr) {
    auto p = gestartet();
    umgebung.drucker.naechsterFehler = Fehler(FehlerNr::Druckerfehler);
    umgebung.meldungen.antworten({Antwort::Abbruch});
    p->PulDrucken_Click();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(L("Es ist ein Fehler aufgetreten.")));
    EXPECT_EQ(umgebung.drucker.beendeteDokumente(), 0);
    for (const test::DruckDokument& dok : umgebung.drucker.dokumente) {
        EXPECT_TRUE(dok.verworfen);
    }
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);
    // The next print starts afresh.
    p->PulDrucken_Click();
    EXPECT_EQ(umgebung.drucker.beendeteDokumente(), 1);
}

TEST_F(Programm, PlanerMitAuswahlOderOhne) {
    const QString planer = ausfuehrbar("Kronelin");
    auto p = gestartet();
    oberflaeche.auswahl = L("abc");
    p->mnuPrgKronelin_Click();
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].programm, planer);
    EXPECT_EQ(umgebung.prozesse.starts[0].argumente,
              QStringList{L("/GeheZu:abc") + QString(12, u' ')});
    EXPECT_EQ(umgebung.prozesse.starts[0].arbeitsordner, umgebung.programm());
    EXPECT_EQ(oberflaeche.enden, 1);

    EXPECT_EQ(GeheZuArgumente({}), QStringList());
    EXPECT_EQ(GeheZuArgumente(L("Ein sehr langer Auswahltext")),
              QStringList{L("/GeheZu:Ein sehr langer")});
}

TEST_F(Programm, FehlgeschlagenerPlanerstartWirdGemeldet) {
    auto p = gestartet();
    p->mnuPrgKronelin_Click();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, L("»Kronelin« konnte nicht gestartet werden."));
    EXPECT_EQ(oberflaeche.enden, 0);
    EXPECT_FALSE(p->Beendet());

    ausfuehrbar("Kronelin");
    umgebung.prozesse.naechsterFehler = Fehler(FehlerNr::ZugriffVerweigert);
    p->mnuPrgKronelin_Click();
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_EQ(oberflaeche.enden, 0);
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);
}

TEST_F(Programm, FehlendeTermindateiBeendetOhneStoppfolge) {
    QFile::remove(umgebung.daten() + L("/Kronel.PlD"));
    umgebung.schreiben(umgebung.daten() + L("/anderes.txt"), "x");
    auto p = gestartet();
    EXPECT_EQ(oberflaeche.enden, 1);
    EXPECT_EQ(ini("KronelForm_Höhe"), L("(fehlt)"));
    EXPECT_EQ(ini("Stat_RunMinutes"), L("(fehlt)"));
}

// The first tick: moon and sun, the output, the saying, the end mark, then the
// automatic printout; the moon on every later tick only after a paint.
TEST_F(Programm, ErsterTickInDerReihenfolgeDesAblaufs) {
    einstellungen("ZufallsTermine=1\r\nTerminAutoPrint2=9\r\nAutoPrintZuletzt=01.12.2026\r\n");
    QByteArray daz = NachCp1252(L("..Gedanke:\r\n"));
    for (int i = 2; i <= 12; ++i) {
        daz += NachCp1252(L("Spruch Nummer %1\r\n").arg(i));
    }
    umgebung.schreiben(umgebung.programm() + L("/kronel.daz"), daz);
    ausfuehrbar("Kronelin");
    auto p = neu();
    ASSERT_TRUE(p->Form_Load());
    p->MondZeichnen = 1;  // the window was shown
    bool gedruckt = false;
    oberflaeche.beimWarten = [&] {
        if (oberflaeche.status != L("Auto-Print läuft...")) {
            return;  // the output run's own wait
        }
        gedruckt = true;
        EXPECT_EQ(p->AusgabeGelaufen, 1);
        EXPECT_TRUE(
            oberflaeche.text.endsWith(L("\r\nGedanke:\r\nSpruch Nummer 2\r\n\r\n"
                                        "*** Ende ***\r\n")))
            << oberflaeche.text.toStdString();
        EXPECT_EQ(ini("AutoPrintZuletzt"), L("09.12.2026"));
        EXPECT_TRUE(umgebung.prozesse.starts.empty());
    };
    umgebung.uhr.weiter(1);
    p->Zeit_Timer();
    EXPECT_TRUE(gedruckt);
    ASSERT_GE(oberflaeche.ablauf.size(), 3);
    EXPECT_EQ(oberflaeche.ablauf.mid(0, 3), (QStringList{L("mond"), L("sonne"), L("text")}));
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].argumente, QStringList{L("/autoprint")});
    EXPECT_EQ(ini("ZufallsTermineZuletzt"), L(".0000.0002"));

    oberflaeche.ablauf.clear();
    umgebung.uhr.weiter(1);
    p->Zeit_Timer();
    EXPECT_TRUE(oberflaeche.ablauf.isEmpty());
    p->MondZeichnen = 1;
    p->Zeit_Timer();
    EXPECT_EQ(oberflaeche.ablauf, QStringList{L("mond")});
    EXPECT_EQ(p->MondZeichnen, 0);
}

TEST_F(Programm, AutoPrintNurMitGueltigemFremdemDatum) {
    ausfuehrbar("Kronelin");
    const std::pair<const char*, const char*> faelle[] = {
        {"", "(fehlt)"},
        {"AutoPrintZuletzt=?\r\n", "?"},
        {"AutoPrintZuletzt=bald\r\n", "bald"},
        {"AutoPrintZuletzt=09.12.2026\r\n", "09.12.2026"},
    };
    for (const auto& [zeile, bleibt] : faelle) {
        einstellungen((std::string("TerminAutoPrint2=mi\r\n") + zeile).c_str());
        gestartet({"/n"});
        EXPECT_TRUE(umgebung.prozesse.starts.empty()) << zeile;
        EXPECT_EQ(ini("AutoPrintZuletzt"), L(bleibt));
    }
    // Listed or not: the default "-" never prints.
    einstellungen("AutoPrintZuletzt=08.12.2026\r\n");
    gestartet({"/n"});
    EXPECT_TRUE(umgebung.prozesse.starts.empty());
    EXPECT_EQ(ini("AutoPrintZuletzt"), L("08.12.2026"));
}

// A planner that does not start: the day counts as printed, the status says so
// for 15 seconds and no box waits for a person.
TEST_F(Programm, AutoPrintOhnePlanerHinterlaesstEinenHinweis) {
    einstellungen("TerminAutoPrint2=Mittwoch\r\nAutoPrintZuletzt=1.12.2026\r\n");
    auto p = gestartet({"/n"});
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_EQ(ini("AutoPrintZuletzt"), L("09.12.2026"));
    EXPECT_EQ(oberflaeche.status, L("»Kronelin« konnte nicht gestartet werden."));
    // The moon comes first on every tick, also while the note holds the status.
    oberflaeche.ablauf.clear();
    p->MondZeichnen = 1;
    umgebung.uhr.weiter(14);
    p->Zeit_Timer();
    EXPECT_EQ(oberflaeche.status, L("»Kronelin« konnte nicht gestartet werden."));
    EXPECT_EQ(oberflaeche.ablauf, QStringList{L("mond")});
    umgebung.uhr.weiter(2);
    p->Zeit_Timer();
    EXPECT_EQ(oberflaeche.status, L("Bereit"));
}

TEST_F(Programm, MondinfosBeimKlickAufsBild) {
    umgebung.uhr.setzen(QDateTime(QDate(1996, 4, 17), QTime(23, 49)));
    auto p = gestartet();
    p->MondZeichnen = 1;
    p->Zeit_Timer();
    EXPECT_EQ(oberflaeche.mondPhase, 0);
    p->MondZeichnen = 1;
    p->BildMond_Click();
    EXPECT_EQ(p->MondZeichnen, 0);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Mondinfos zum 17.4.1996"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].text,
              L("Mondalter: 0,00 Tage\r\nNeumond, zunehmend\r\n"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::OK);
}

TEST_F(Programm, MondUndSonneAbgeschaltet) {
    einstellungen("Mondphase=0\r\nSonnenzeit=0\r\n");
    auto p = gestartet();
    p->MondZeichnen = 1;
    p->Zeit_Timer();
    EXPECT_EQ(oberflaeche.mondPhase, -1);
    EXPECT_FALSE(oberflaeche.ablauf.contains(L("sonne")));
    p->BildMond_Click();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text, QString());
}

TEST_F(Programm, NurDieZiffernDerAuswahlZumWaehlen) {
    auto p = gestartet();
    oberflaeche.auswahl = L("Tel. 030 / 12-34 (Büro) x5");
    EXPECT_EQ(p->TelefonNummer(), L("03012345"));
}
