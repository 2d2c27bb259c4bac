#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "common/startwachen.h"
#include "planner/planer.h"
#include "planner_testsupport/fakes.h"
#include "platform/befehlszeile.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

// Three appointments after the fake today (09.12.2026), so no roll-over touches them.
const QByteArray kBuch =
    "..Kronelin 8.010000\r\n"
    "20261215-   -   -         -   Alle   Chorprobe\r\n"
    "20261220-   -   -         -   Alle   Zahnarzt Dr. Sch\xe4"
    "fer\r\n"
    "20261231-   -   -         -   Alle   Silvester\r\n";

class PlanerTest : public ::testing::Test {
protected:
    PlanerTest() {
        IniSchreiben({}, {}, L("DirData"), umgebung.daten());
        IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
        umgebung.schreiben(datei(), kBuch);
    }
    QString datei() const { return umgebung.daten() + L("/Kronel.PlD"); }

    test::TestUmgebung umgebung;
    test::AufnahmeSicht sicht;
    test::SkriptFenster fenster;
    Planer planer{sicht, fenster};
};

}  // namespace

TEST_F(PlanerTest, StartInDerReihenfolgeLaedtUndWaehltDenErstenTermin) {
    ASSERT_TRUE(planer.FormLoad());
    EXPECT_EQ(sicht.schritte,
              (QStringList{L("EinstellungenAnwenden"), L("DefVonBis"), L("DefZyklen"),
                           L("DefFilter"), L("DefAdress"), L("ZeitAn")}));
    ASSERT_EQ(planer.buch.ListeTermine.size(), 3);
    EXPECT_EQ(planer.buch.TerminIndex, 0);
    EXPECT_EQ(sicht.markiert, 0);
    EXPECT_EQ(sicht.zeilen, planer.buch.ListeAnzeige);
    EXPECT_EQ(sicht.felder.STDatum, L("15.12.2026"));
    EXPECT_EQ(sicht.felder.STMeldung, L("Chorprobe"));
    EXPECT_EQ(sicht.panels[Panel::Position], L(" Termin 1 von 3 "));
    EXPECT_EQ(sicht.panels[Panel::Status], L("Bereit"));
    EXPECT_EQ(sicht.panels[Panel::Unsaved], QString());
    EXPECT_EQ(sicht.panels[Panel::Zeit], L(" 09:30 "));
    EXPECT_EQ(sicht.beschriftung.BezIn, L("in 6 Tagen\r51. Woche"));
    EXPECT_EQ(planer.buch.UndoTermin, planer.buch.ListeTermine[0]);
    EXPECT_EQ(planer.Zeilenwechsel, L("\r\n"));
    EXPECT_EQ(sicht.auswahl[Auswahl::Adress], (QStringList{L("Alle"), Benutzername()}));
    EXPECT_EQ(umgebung.zeiger.z, Zeiger::Standard);
    EXPECT_NE(
        std::find(umgebung.zeiger.verlauf.begin(), umgebung.zeiger.verlauf.end(), Zeiger::Sanduhr),
        umgebung.zeiger.verlauf.end());
}

TEST_F(PlanerTest, ZweiteInstanzEndetVorDenListen) {
    umgebung.instanzen.laufend << InstanzName();
    EXPECT_FALSE(planer.FormLoad());
    EXPECT_EQ(sicht.schritte, QStringList{L("Ende")});
    EXPECT_TRUE(planer.buch.ListeTermine.isEmpty());
    EXPECT_EQ(IniLesen({}, {}, L("DefVonBis"), L("fehlt")), L("fehlt"));
}

TEST_F(PlanerTest, NurLesenSchreibtWederBuchNochFenster) {
    BefehlszeileSetzen({L("readonly")});
    ASSERT_TRUE(planer.FormLoad());
    EXPECT_EQ(sicht.schritte.first(), L("NurLesen"));
    EXPECT_TRUE(modul().NurLesen);
    // Read-only fields pass the focus on, with their prompt all the same
    EXPECT_FALSE(planer.FeldBetreten(Feld::SKVon));
    EXPECT_EQ(sicht.panels[Panel::Status], FeldHinweis(Feld::SKVon));

    sicht.felder.STMeldung = L("geändert");
    planer.Uebernehmen(0);
    planer.FormQueryUnload();
    EXPECT_EQ(sicht.enden, 1);
    EXPECT_FALSE(sicht.schritte.contains(L("EinstellungenSpeichern")));
    EXPECT_EQ(umgebung.lesen(datei()), kBuch);
    // The choice lists and the statistics are written all the same
    EXPECT_FALSE(IniLesen({}, {}, L("DefFilter")).isEmpty());
    EXPECT_EQ(IniLesen({}, {}, L("Stat_Starts")), L("1"));
}

TEST_F(PlanerTest, GeheZuMachtDenPassendenTerminAktuellOhneTipp) {
    BefehlszeileSetzen({L("/GeheZu:zahnarzt")});
    fenster.da << Fenstername::Tips;
    ASSERT_TRUE(planer.FormLoad());
    EXPECT_EQ(planer.GeheZuText, L("zahnarzt"));
    planer.ErsterPaint();
    EXPECT_EQ(planer.buch.TerminIndex, 1);
    EXPECT_EQ(sicht.markiert, 1);
    EXPECT_EQ(planer.SuchText, L("zahnarzt"));
    EXPECT_TRUE(planer.GeheZuText.isEmpty());
    EXPECT_TRUE(fenster.gezeigt.empty());
}

TEST_F(PlanerTest, GeheZuOhneTrefferLaesstDenErstenTermin) {
    BefehlszeileSetzen({L("gehezu:Friseur")});
    ASSERT_TRUE(planer.FormLoad());
    planer.ErsterPaint();
    EXPECT_EQ(planer.buch.TerminIndex, 0);
}

TEST_F(PlanerTest, TippDesTagesNachAutoTip) {
    fenster.da << Fenstername::Tips;
    ASSERT_TRUE(planer.FormLoad());
    planer.ErsterPaint();
    planer.ErsterPaint();  // once per run
    EXPECT_EQ(fenster.gezeigtNamen(), QStringList{L("Tips")});

    for (const char* wert : {"0", "nie", ""}) {
        IniSchreiben({}, {}, L("AutoTip"), L(wert));
        test::SkriptFenster andere;
        andere.da << Fenstername::Tips;
        test::AufnahmeSicht s;
        Planer p{s, andere};
        p.ErsterPaint();
        EXPECT_TRUE(andere.gezeigt.empty()) << wert;
    }
}

TEST_F(PlanerTest, JedesFeldUebernimmtInDenTermin) {
    ASSERT_TRUE(planer.FormLoad());
    auto termin = [&] { return planer.buch.ListeTermine[0]; };

    sicht.felder.SKBis = L("2w");
    planer.Uebernehmen(1);
    EXPECT_EQ(sicht.felder.SKBis, L("2W"));  // mode 1 shows the stored form
    EXPECT_EQ(Mid(termin(), 13, 4), L("2W  "));

    sicht.felder.SKVon = L("3t");
    planer.Uebernehmen(0);
    EXPECT_EQ(sicht.felder.SKVon, L("3t"));  // mode 0 leaves the typed text
    EXPECT_EQ(Mid(termin(), 9, 4), L("3T  "));

    sicht.felder.SKFilter = L("Mo 'nur montags");
    planer.Uebernehmen(1);
    EXPECT_EQ(sicht.felder.SKFilter, L("Mo"));

    sicht.felder.SKZyklus = L("1w");
    planer.Uebernehmen(0);
    EXPECT_EQ(Mid(termin(), 27, 4), L("1W  "));

    sicht.felder.SKAdresse = L("hansjoerg");
    planer.Uebernehmen(1);
    EXPECT_EQ(sicht.felder.SKAdresse, L("Hansjoe"));

    sicht.felder.STMeldung = L("Chorprobe\r\nmit Noten");
    planer.Uebernehmen(0);
    EXPECT_EQ(Mid(termin(), 38), L("Chorprobe°°mit Noten"));
    EXPECT_EQ(sicht.zeilen[0], L("15.12.2026 Di: Chorprobe°°mit Noten"));

    EXPECT_EQ(planer.buch.Ungespeichert, 1);
    EXPECT_EQ(sicht.panels[Panel::Unsaved], L(" * "));
    // The labels follow the commit at once
    EXPECT_EQ(sicht.beschriftung.SBVon, L("12.12.2026"));
    EXPECT_EQ(sicht.beschriftung.SBBis, L("29.12.2026"));
}

TEST_F(PlanerTest, DatumWirdVorJedemBefehlGeprueftUndUebernommen) {
    ASSERT_TRUE(planer.FormLoad());
    // Typed, not yet left: a commit of another field keeps the record's date
    sicht.felder.STDatum = L("morgen");
    planer.DatumGeaendert();
    sicht.felder.SKVon = L("1T");
    planer.Uebernehmen(0);
    EXPECT_TRUE(planer.buch.ListeTermine[0].startsWith(L("20261215")));

    // The save takes the typed date over first: the check reports it
    umgebung.meldungen.antworten({Antwort::OK});
    EXPECT_EQ(planer.PulSpeichern(), Speicherung::Gespeichert);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text,
              L("»morgen« ist kein gültiges Datum. Setze Datum auf heute!"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Kronel"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].tonVorher, QStringList{L("#SystemExclamation")});
    EXPECT_EQ(sicht.felder.STDatum, L("09.12.2026"));

    // A valid date is normalised and reaches the file
    sicht.felder.STDatum = L("12.3.2027");
    planer.DatumGeaendert();
    planer.PulSpeichern();
    EXPECT_EQ(sicht.felder.STDatum, L("12.03.2027"));
    EXPECT_TRUE(AusCp1252(umgebung.lesen(datei())).contains(L("20270312")));
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);
}

TEST_F(PlanerTest, SchliessenSpeichertUndSetztOLneu) {
    ASSERT_TRUE(planer.FormLoad());
    sicht.felder.STMeldung = L("Chorprobe fällt aus");
    planer.Uebernehmen(0);
    planer.FormQueryUnload();
    EXPECT_EQ(sicht.enden, 1);
    EXPECT_TRUE(planer.Beendet());
    EXPECT_TRUE(AusCp1252(umgebung.lesen(datei())).contains(L("Chorprobe fällt aus")));
    EXPECT_EQ(IniLesen({}, {}, L("OLneu")), L("1"));
    EXPECT_TRUE(sicht.schritte.contains(L("EinstellungenSpeichern")));
    // Nothing runs after the end
    planer.FormQueryUnload();
    planer.ZeitTimer();
    EXPECT_EQ(sicht.enden, 1);
}

TEST_F(PlanerTest, BeendenSpeichertNicht) {
    ASSERT_TRUE(planer.FormLoad());
    sicht.felder.STMeldung = L("neu");
    planer.Uebernehmen(0);
    planer.PulBeenden();
    EXPECT_EQ(sicht.enden, 1);
    EXPECT_EQ(umgebung.lesen(datei()), kBuch);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(PlanerTest, MisslungenesSpeichernFragtUndBleibtBeiNeinOffen) {
    ASSERT_TRUE(planer.FormLoad());
    sicht.felder.STMeldung = L("neu");
    planer.Uebernehmen(0);
    modul().DateiTermine = umgebung.daten() + L("/fehlt/Kronel.PlD");
    // Ignore in the error report, then No to ending without saving
    umgebung.meldungen.antworten({Antwort::Ignorieren, Antwort::Nein});
    planer.FormQueryUnload();
    EXPECT_EQ(sicht.enden, 0);
    EXPECT_FALSE(planer.Beendet());
    ASSERT_FALSE(umgebung.meldungen.boxen.empty());
    const test::Box& frage = umgebung.meldungen.boxen.back();
    EXPECT_EQ(frage.stil, Box::JaNein + Box::Frage + Box::Standard2);
    EXPECT_TRUE(frage.text.contains(L("ohne Speichern beendet")));

    // Yes ends without the save
    umgebung.meldungen.antworten({Antwort::Ignorieren, Antwort::Ja});
    planer.PulBeendenUndSpeichern();
    EXPECT_EQ(sicht.enden, 1);
    EXPECT_EQ(umgebung.lesen(datei()), kBuch);
}

TEST_F(PlanerTest, SitzungsendeSpeichertOhneFrage) {
    ASSERT_TRUE(planer.FormLoad());
    sicht.felder.STMeldung = L("Sitzung");
    planer.Uebernehmen(0);
    // Another program saved meanwhile: its version is kept, and the note about
    // it does not hold up the logout.
    umgebung.schreiben(datei(),
                       QByteArray(kBuch) + "20991231-   -   -         -   Alle   fremd\r\n");
    planer.SitzungsEnde();
    EXPECT_TRUE(AusCp1252(umgebung.lesen(datei())).contains(L("Sitzung")));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_EQ(QDir(umgebung.daten()).entryList({L("Kronel.PlD.2*")}, QDir::Files).size(), 1);
}

TEST_F(PlanerTest, SitzungsendeSpeichertNurEinGeladenesBuchUndNieUnterAutoprint) {
    // During the start-up the book is still empty.
    planer.SitzungsEnde();
    EXPECT_EQ(umgebung.lesen(datei()), kBuch);

    // The session may end while the "/autoprint" printout is open: the roll-over
    // it loaded is not saved.
    BefehlszeileSetzen({L("/autoprint")});
    umgebung.schreiben(datei(), QByteArray(kBuch) + "20200101-   -   -         -   Alle   alt\r\n");
    fenster.da << Fenstername::Drucken << Fenstername::DruckenBlatt;
    int sitzungsenden = 0;
    fenster.beimZeigen = [&](Fenstername) {
        ++sitzungsenden;
        planer.SitzungsEnde();
    };
    EXPECT_FALSE(planer.FormLoad());
    EXPECT_EQ(sitzungsenden, 1);
    EXPECT_TRUE(umgebung.lesen(datei()).contains("alt"));
}

TEST_F(PlanerTest, SitzungsendeWaehrendEinerFrageDesLadensSpeichertNichts) {
    // The load asks about data of an old version before it has read a line; a
    // real box lets the end of the session in.
    const QByteArray dos("..Kronelin 3.48\r\n01.01.1990 irgendwas\r\n");
    umgebung.schreiben(datei(), dos);
    int sitzungsenden = 0;
    umgebung.meldungen.beiBox = [&] {
        ++sitzungsenden;
        planer.SitzungsEnde();
    };
    umgebung.meldungen.antworten({Antwort::Nein});
    EXPECT_FALSE(planer.FormLoad());
    EXPECT_EQ(sitzungsenden, 1);
    EXPECT_EQ(umgebung.lesen(datei()), dos);
}

TEST_F(PlanerTest, SignalSpeichertMeldetAbUndEndet) {
    fenster.da << Fenstername::Tips;
    ASSERT_TRUE(planer.FormLoad());
    // The first paint comes in while the save lets events in.
    sicht.beiEreignissen = [&] { planer.ErsterPaint(); };
    const QString netwatch = ProgrammVerzeichnis() + L("/NetWatch.Ini");
    EXPECT_FALSE(IniLesen(netwatch, L("UserJetzt"), L("User")).isEmpty());
    sicht.felder.STMeldung = L("Signal");
    planer.Uebernehmen(0);
    planer.SignalEnde();
    EXPECT_TRUE(AusCp1252(umgebung.lesen(datei())).contains(L("Alle   Signal")));
    EXPECT_EQ(IniLesen(netwatch, L("UserJetzt"), L("User")), QString());
    EXPECT_EQ(sicht.enden, 1);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_TRUE(fenster.gezeigt.empty());
}

// A signal let in by a box of the start-up (here the question about another
// user) ends the planner there: it stores none of the settings, the lists, the
// sign-off or the statistics it had not yet read or made.
TEST_F(PlanerTest, SignalWaehrendDesStartsSchreibtNichtsUngelesenes) {
    const QString netwatch = ProgrammVerzeichnis() + L("/NetWatch.Ini");
    IniSchreiben(netwatch, L("UserJetzt"), L("User"), L("anna"));
    IniSchreiben(netwatch, L("UserJetzt"), L("Seit"), L("09.12.2026 09:00:00"));
    umgebung.meldungen.beiBox = [&] { planer.SignalEnde(); };
    EXPECT_FALSE(planer.FormLoad());
    EXPECT_EQ(sicht.schritte, (QStringList{L("ZeitAus"), L("Ende")}));
    EXPECT_EQ(IniLesen(netwatch, L("UserJetzt"), L("User")), L("anna"));
    EXPECT_EQ(IniLesen({}, {}, L("Ver"), L("fehlt")), L("fehlt"));
}

// A signal ends the planner when nobody can answer (the session or the
// terminal goes away): what the save tells or asks stands in the log, and the
// planner ends without waiting on a box.
TEST_F(PlanerTest, SignalendeWartetAufKeinMeldungsfenster) {
    ASSERT_TRUE(planer.FormLoad());
    sicht.felder.STMeldung = L("Signal");
    planer.Uebernehmen(0);
    // The book is saved, but OLneu cannot be set.
    QFile::setPermissions(umgebung.riviror(), QFile::ReadOwner);
    testing::internal::CaptureStderr();
    planer.SignalEnde();
    const QString protokoll = QString::fromLocal8Bit(testing::internal::GetCapturedStderr());
    QFile::setPermissions(umgebung.riviror(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_TRUE(protokoll.contains(L("Die Termine wurden gespeichert, aber in der "
                                     "Einstellungsdatei »") +
                                   umgebung.riviror()))
        << qPrintable(protokoll);
    EXPECT_TRUE(AusCp1252(umgebung.lesen(datei())).contains(L("Alle   Signal")));
    EXPECT_EQ(sicht.enden, 1);
}

// A save that fails at a signal's end is not retried for nobody: the report
// stands in the log and the planner ends.
TEST_F(PlanerTest, SignalendeBeiFehlgeschlagenemSpeichernEndetOhneFrage) {
    ASSERT_TRUE(planer.FormLoad());
    sicht.felder.STMeldung = L("Signal");
    planer.Uebernehmen(0);
    modul().DateiTermine = umgebung.daten() + L("/fehlt/Kronel.PlD");
    testing::internal::CaptureStderr();
    planer.SignalEnde();
    const QString protokoll = QString::fromLocal8Bit(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_TRUE(protokoll.contains(L("Es ist ein Fehler beim Speichern der Termine aufgetreten.")))
        << qPrintable(protokoll);
    EXPECT_EQ(sicht.enden, 1);
    EXPECT_TRUE(planer.Beendet());
}

TEST_F(PlanerTest, AutoprintEndetNachDemLadenOhneSpeichernUndOhneDruckvermerk) {
    BefehlszeileSetzen({L("/AUTOPRINT")});
    // Expired: the roll-over of the load removes it, but nothing is saved
    umgebung.schreiben(datei(), QByteArray(kBuch) + "20200101-   -   -         -   Alle   alt\r\n");
    EXPECT_FALSE(planer.FormLoad());
    EXPECT_EQ(sicht.enden, 1);
    EXPECT_EQ(planer.buch.ListeTermine.size(), 3);  // loaded before the end
    EXPECT_TRUE(umgebung.lesen(datei()).contains("alt"));
    EXPECT_TRUE(IniLesen({}, {}, L("AutoPrintZuletzt")).isEmpty());
    EXPECT_FALSE(sicht.zeit);
}

// "/autoprint" runs with nobody at the screen: a settings file it cannot write
// on a full disk is named in the log, and no box waits.
TEST_F(PlanerTest, AutoprintNenntDenSchreibfehlerNurImProtokoll) {
    BefehlszeileSetzen({L("/autoprint")});
    umgebung.datentraeger.platz = 0;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(planer.FormLoad());
    const QString protokoll = QString::fromLocal8Bit(testing::internal::GetCapturedStderr());
    EXPECT_EQ(sicht.enden, 1);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_EQ(protokoll.count(L("konnte nicht geschrieben werden: Datenträger voll.")), 1)
        << qPrintable(protokoll);
}

TEST_F(PlanerTest, AutoprintZeigtDenLieblingsausdruck) {
    BefehlszeileSetzen({L("/autoprint")});
    fenster.da << Fenstername::Drucken << Fenstername::DruckenBlatt;
    IniSchreiben({}, {}, L("Lieblingsausdruck"), L("0"));
    EXPECT_FALSE(planer.FormLoad());
    EXPECT_EQ(fenster.gezeigtNamen(), QStringList{L("Drucken")});
    EXPECT_EQ(sicht.enden, 1);
}

TEST_F(PlanerTest, SpeichernUndBeendenLaesstSichNichtVerschachteln) {
    ASSERT_TRUE(planer.FormLoad());
    sicht.felder.STMeldung = L("neu");
    planer.Uebernehmen(0);
    // The save lets pending events run: a second exit arriving then does nothing
    int verschachtelt = 0;
    sicht.beiEreignissen = [&] {
        ++verschachtelt;
        planer.PulBeendenUndSpeichern();
        planer.FormQueryUnload();
        EXPECT_EQ(planer.PulSpeichern(), Speicherung::LaeuftSchon);
    };
    planer.PulBeendenUndSpeichern();
    EXPECT_GE(verschachtelt, 1);
    EXPECT_EQ(sicht.enden, 1);
    EXPECT_TRUE(AusCp1252(umgebung.lesen(datei())).contains(L("Alle   neu")));
}

TEST_F(PlanerTest, KalenderwahlDesDatums) {
    ASSERT_TRUE(planer.FormLoad());
    // Without the calendar window nothing happens
    planer.DatumWaehlen();
    EXPECT_TRUE(fenster.gezeigt.empty());

    fenster.da << Fenstername::Monatsblatt;
    fenster.monatsblattAntwort.Calendar = QDate(2026, 12, 24);
    planer.DatumWaehlen();
    ASSERT_EQ(fenster.monatsblatt.size(), 1u);
    const MonatsblattAnfrage& hin = fenster.monatsblatt[0];
    EXPECT_EQ(hin.Caption, L("Wählen Sie ein Datum für den Termin"));
    EXPECT_EQ(hin.Calendar, QDate(2026, 12, 15));
    EXPECT_EQ(hin.befSwitch1, L("15.12.2026"));
    EXPECT_EQ(sicht.panels[Panel::Status], L("Wählen Sie ein Datum für den Termin"));
    EXPECT_TRUE(planer.buch.ListeTermine[0].startsWith(L("20261224")));
    EXPECT_EQ(sicht.felder.STDatum, L("24.12.2026"));
    EXPECT_EQ(sicht.fokus, Feld::STMeldung);
}

TEST_F(PlanerTest, KalenderwahlDesMeldefensters) {
    fenster.da << Fenstername::Monatsblatt;
    ASSERT_TRUE(planer.FormLoad());
    // 1000 days after the appointment for the end of the window
    fenster.monatsblattAntwort.Calendar = QDate(2029, 9, 10);
    planer.FensterWaehlen(false);
    ASSERT_EQ(fenster.monatsblatt.size(), 1u);
    EXPECT_EQ(fenster.monatsblatt[0].Caption, L("Termin melden bis?"));
    EXPECT_EQ(fenster.monatsblatt[0].Calendar, QDate(2026, 12, 15));
    EXPECT_TRUE(fenster.monatsblatt[0].befSwitch1.isEmpty());
    EXPECT_EQ(sicht.felder.SKBis, L("143W"));
    EXPECT_EQ(Mid(planer.buch.ListeTermine[0], 13, 4), L("143W"));
    EXPECT_EQ(sicht.fokus, Feld::SKBis);

    // The appointment day itself: "0T", stored and shown as "-"
    fenster.monatsblattAntwort.Calendar = QDate(2026, 12, 15);
    planer.FensterWaehlen(false);
    EXPECT_EQ(sicht.felder.SKBis, L("-"));

    // A day after the appointment for the start: refused, nothing changes
    const QString vorher = planer.buch.ListeTermine[0];
    fenster.monatsblattAntwort.Calendar = QDate(2026, 12, 18);
    planer.FensterWaehlen(true);
    EXPECT_EQ(planer.buch.ListeTermine[0], vorher);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text,
              L("Bitte wählen Sie einen Tag, der vor dem Termin liegt."));
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Termin melden ab"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::OK + Box::Information);
    EXPECT_EQ(sicht.fokus, Feld::SKVon);

    // Ten days before
    fenster.monatsblattAntwort.Calendar = QDate(2026, 12, 5);
    planer.FensterWaehlen(true);
    EXPECT_EQ(sicht.felder.SKVon, L("10T"));
}

TEST_F(PlanerTest, NurLesenKeineDatumswahlAberMeldefenster) {
    BefehlszeileSetzen({L("readonly")});
    fenster.da << Fenstername::Monatsblatt;
    ASSERT_TRUE(planer.FormLoad());
    planer.DatumWaehlen();
    EXPECT_TRUE(fenster.gezeigt.empty());
    fenster.monatsblattAntwort.Calendar = QDate(2026, 12, 13);
    planer.FensterWaehlen(true);
    EXPECT_EQ(sicht.felder.SKVon, L("2T"));
}

TEST_F(PlanerTest, FruehesTickenDruecktUnterAutoprintNichtsLeeres) {
    BefehlszeileSetzen({L("/autoprint")});
    fenster.da << Fenstername::DruckenBlatt;
    // A tick before the book is loaded only updates the clock panels
    planer.ZeitTimer();
    EXPECT_EQ(sicht.enden, 0);
    EXPECT_TRUE(fenster.gezeigt.empty());
    EXPECT_EQ(sicht.panels[Panel::Zeit], L(" 09:30 "));
}

// Another program saved while this planner ran. Closing with nothing unsaved
// leaves its file; a signal's save keeps it and says so in the log.
TEST_F(PlanerTest, FremdeSpeicherungBleibtBeimEndeErhalten) {
    const QByteArray fremd = QByteArray(kBuch) + "20261224-   -   -         -   Alle   Bernd\r\n";
    for (const bool signal : {false, true}) {
        test::AufnahmeSicht s;
        Planer p{s, fenster};
        ASSERT_TRUE(p.FormLoad());
        umgebung.schreiben(datei(), fremd);
        testing::internal::CaptureStderr();
        if (signal) {
            s.felder.STMeldung = L("Signal");
            p.Uebernehmen(0);
            p.SignalEnde();
        } else {
            p.FormQueryUnload();
        }
        const QString protokoll = QString::fromLocal8Bit(testing::internal::GetCapturedStderr());
        EXPECT_EQ(s.enden, 1);
        EXPECT_TRUE(umgebung.meldungen.boxen.empty());
        const QString bewahrt = datei() + L(".20261209-093000");
        EXPECT_EQ(QFile::exists(bewahrt), signal);
        EXPECT_EQ(protokoll.contains(L("bleibt als »") + bewahrt + L("« erhalten")), signal)
            << qPrintable(protokoll);
        EXPECT_EQ(AusCp1252(umgebung.lesen(datei())).contains(L("Alle   Signal")), signal);
        EXPECT_EQ(umgebung.lesen(signal ? bewahrt : datei()), fremd);
        umgebung.schreiben(datei(), kBuch);
    }
}
