#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "platform/dateien.h"
#include "platform/ordner.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;
}  // namespace

class Einstellungen : public ::testing::Test {
protected:
    test::TestUmgebung umgebung;
};

TEST_F(Einstellungen, LeereDateiUndAbschnittMeinenRivirorUndProgrammabschnitt) {
    umgebung.schreiben(umgebung.riviror(), "[Kronel]\r\nFarbe=rot\r\n[KronMemo]\r\nFarbe=blau\r\n");
    EXPECT_EQ(IniLesen({}, {}, L("Farbe"), {}), L("rot"));
    ProgrammDateinameSetzen(L("KronMemo"));
    EXPECT_EQ(IniLesen({}, {}, L("Farbe"), {}), L("blau"));
    ProgrammDateinameSetzen(L("Kronel"));  // the output program: its own name is the section
    EXPECT_EQ(IniLesen({}, {}, L("Farbe"), {}), L("rot"));
    ProgrammDateinameSetzen(L("Kronelol"));
    EXPECT_EQ(IniLesen({}, {}, L("Farbe"), {}), L("rot"));
}

TEST_F(Einstellungen, DateinamenFuehrenZurSelbenDatei) {
    umgebung.schreiben(umgebung.riviror(), "[Kronel]\r\nA=1\r\n");
    for (const char* name : {"", "riviror", "Riviror.Ini", "  RIVIROR.INI  "}) {
        EXPECT_EQ(IniLesen(L(name), L("Kronel"), L("A"), L("x")), L("1")) << name;
    }
    umgebung.schreiben(umgebung.windows() + L("/win.ini"), "[Sounds]\r\nX=y\r\n");
    EXPECT_EQ(IniLesen(L("win"), L("sounds"), L("x"), {}), L("y"));
    // a full path is used as it stands
    const QString eigene = umgebung.programm() + L("/NetWatch.Ini");
    umgebung.schreiben(eigene, "[Liste]\r\nOtto=1\r\n");
    EXPECT_EQ(IniLesen(eigene, L("Liste"), L("otto"), {}), L("1"));
    EXPECT_EQ(IniDateiAufloesen(L("Tips.Inf")), umgebung.windows() + L("/Tips.Inf"));
}

TEST_F(Einstellungen, GrossKleinUndUmlauteInNamen) {
    IniSchreiben({}, L("Kronel"), L("Tagefrüher"), L("2T"));
    EXPECT_EQ(IniLesen({}, L("KRONEL"), L("TAGEFRÜHER"), {}), L("2T"));
    IniSchreiben({}, L("USERJETZT"), L("Otto"), L("1"));
    const QString datei = AusCp1252(umgebung.lesen(umgebung.riviror()));
    EXPECT_TRUE(datei.contains(L("[Userjetzt]\r\n"))) << datei.toStdString();
    EXPECT_EQ(IniLesen({}, L("userjetzt"), L("otto"), {}), L("1"));
    // on disk the umlaut is one byte
    EXPECT_TRUE(umgebung.lesen(umgebung.riviror()).contains("Tagefr\xFCher=2T"));
}

TEST_F(Einstellungen, ErsetzenAnOrtUndStelleUndAnhaengen) {
    umgebung.schreiben(umgebung.riviror(),
                       "; Kommentar\r\n[Kronel]\r\nA=1\r\nunbekannte Zeile\r\nB = 2 \r\n\r\n"
                       "[Anderes]\r\nA=x\r\n");
    IniSchreiben({}, L("Kronel"), L("b"), L("3"));
    IniSchreiben({}, L("Kronel"), L("C"), L("4"));
    IniSchreiben({}, L("Neu"), L("D"), L("5"));
    EXPECT_EQ(umgebung.lesen(umgebung.riviror()),
              QByteArray("; Kommentar\r\n[Kronel]\r\nA=1\r\nunbekannte Zeile\r\nB=3\r\nC=4\r\n\r\n"
                         "[Anderes]\r\nA=x\r\n[Neu]\r\nD=5\r\n"));
    EXPECT_EQ(IniLesen({}, L("Anderes"), L("A"), {}), L("x"));
}

TEST_F(Einstellungen, LangeWerteBleibenGanz) {
    // Values are never cut: the write-back of choice lists at start would lose the rest.
    const QString lang(300, QLatin1Char('x'));
    IniSchreiben({}, {}, L("Lang"), lang);
    EXPECT_EQ(IniLesen({}, {}, L("Lang"), {}), lang);
}

TEST_F(Einstellungen, ZeilenumbruecheAlsSterne) {
    const auto e = IniSchreiben({}, {}, L("Zwei"), L("eins\r\nzwei"));
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(e.text, L("eins**zwei"));
    EXPECT_TRUE(umgebung.lesen(umgebung.riviror()).contains("Zwei=eins**zwei\r\n"));
    EXPECT_EQ(IniLesen({}, {}, L("Zwei"), {}), L("eins\r\nzwei"));
    // a lone LF or CR can never split the line either
    EXPECT_EQ(IniSchreiben({}, {}, L("Lf"), L("a\nb\rc")).text, L("a**b**c"));
    EXPECT_EQ(IniLesen({}, {}, L("Lf"), {}), L("a\r\nb\r\nc"));
    // a first line ending in "*" gives "***", read back with the "*" behind the break
    EXPECT_EQ(IniSchreiben({}, {}, L("Stern"), L("a*\r\nb")).text, L("a***b"));
    EXPECT_EQ(IniLesen({}, {}, L("Stern"), {}), L("a\r\n*b"));
    umgebung.schreiben(umgebung.riviror(), "[Kronel]\r\nS=x**y\r\n");
    EXPECT_EQ(IniLesen({}, {}, L("S"), {}), L("x\r\ny"));
    // a default of two lines comes back unchanged
    EXPECT_EQ(IniLesen({}, {}, L("Fehlt"), L("d1\r\nd2")), L("d1\r\nd2"));
}

TEST_F(Einstellungen, BlanksUndLeereWerte) {
    EXPECT_EQ(IniSchreiben({}, {}, L("T"), L("  wert   ")).text, L("  wert"));
    EXPECT_EQ(IniLesen({}, {}, L("T"), {}), L("wert"));  // reading drops surrounding blanks
    IniSchreiben({}, {}, L("Leer"), {});
    EXPECT_TRUE(umgebung.lesen(umgebung.riviror()).contains("\r\nLeer=\r\n"));
    EXPECT_EQ(IniLesen({}, {}, L("Leer"), L("vorgabe")), QString());
    EXPECT_EQ(IniLesen({}, {}, L("Fehlt"), L("vorgabe   ")), L("vorgabe"));
    EXPECT_EQ(IniLesen({}, {}, L("  T  "), {}), L("wert"));  // keys are trimmed
}

TEST_F(Einstellungen, LeererSchluesselZeigtDieBoxUndAendertNichts) {
    umgebung.schreiben(umgebung.riviror(), "[Kronel]\r\nA=1\r\n");
    const QByteArray vorher = umgebung.lesen(umgebung.riviror());
    const auto e = IniSchreiben(L("datei"), L("Abschnitt"), L("   "), L("Wert"));
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.text, QString());
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const auto& box = umgebung.meldungen.boxen[0];
    EXPECT_EQ(box.text,
              L("Kein Schlüssel definiert beim Schreiben der Inidatei\r|datei|Abschnitt|   |Wert"));
    EXPECT_EQ(box.stil, 0);
    EXPECT_EQ(box.titel, L("Kronelin"));
    EXPECT_EQ(umgebung.lesen(umgebung.riviror()), vorher);
}

TEST_F(Einstellungen, FehlendeDateiUndFehlgeschlageneSchreibvorgaenge) {
    EXPECT_EQ(IniLesen({}, {}, L("A"), L("vorgabe")), L("vorgabe"));
    // the Windows folder is made on first write
    QDir(umgebung.windows()).removeRecursively();
    EXPECT_TRUE(IniSchreiben({}, {}, L("A"), L("1")).ok);
    EXPECT_EQ(IniLesen({}, {}, L("A"), {}), L("1"));
    // a file in a folder that does not exist: not written, the caller learns it
    const auto e = IniSchreiben(umgebung.daten() + L("/fehlt/x.ini"), L("S"), L("K"), L("v"));
    EXPECT_FALSE(e.ok);
    // a drive path names nothing here
    EXPECT_EQ(IniLesen(L("C:\\WINDOWS\\X.INI"), L("S"), L("K"), L("v")), L("v"));
    // a file without write bits stays as it was
    QFile::setPermissions(umgebung.riviror(), QFile::ReadOwner);
    EXPECT_FALSE(IniSchreiben({}, {}, L("A"), L("2")).ok);
    EXPECT_EQ(IniLesen({}, {}, L("A"), {}), L("1"));
    // declined on purpose, so no word about it
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

// A full disk: the writes change nothing, and the user hears once in the run
// which file could not be written, whichever file fails after it.
TEST_F(Einstellungen, VollerDatentraegerWirdEinmalImLaufGenannt) {
    IniSchreiben({}, {}, L("A"), L("1"));
    const QByteArray vorher = umgebung.lesen(umgebung.riviror());
    umgebung.datentraeger.platz = 0;
    EXPECT_FALSE(IniSchreiben({}, {}, L("A"), L("2")).ok);
    EXPECT_FALSE(IniSchreiben({}, {}, L("B"), L("3")).ok);
    EXPECT_FALSE(IniSchreiben(umgebung.windows() + L("/Andere.ini"), L("S"), L("K"), L("v")).ok);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text,
              L("Die Einstellungsdatei »") + umgebung.riviror() +
                  L("« konnte nicht geschrieben werden: Datenträger voll.\r\n\r\nEinstellungen, "
                    "die dieses Programm jetzt schreibt, gehen verloren."));
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Kronelin"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].stil, Box::OK + Box::Ausrufezeichen);
    EXPECT_EQ(umgebung.lesen(umgebung.riviror()), vorher);
}

// In a run nobody watches the same note goes to the log, once, and no box waits.
TEST_F(Einstellungen, UnbeaufsichtigtStehtDerSchreibfehlerNurImProtokoll) {
    modul().Unbeaufsichtigt = true;
    umgebung.datentraeger.platz = 0;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(IniSchreiben({}, {}, L("A"), L("1")).ok);
    EXPECT_FALSE(IniSchreiben({}, {}, L("B"), L("2")).ok);
    const QString protokoll = QString::fromLocal8Bit(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_EQ(protokoll, L("[Kronelin] Die Einstellungsdatei »") + umgebung.riviror() +
                             L("« konnte nicht geschrieben werden: Datenträger voll. "
                               "Einstellungen, die dieses Programm jetzt schreibt, gehen "
                               "verloren.\n"));
}

TEST_F(Einstellungen, KaputteDateienWerdenGelesenUndNichtBeschaedigt) {
    QByteArray muell;
    for (int i = 0; i < 4096; ++i) {
        muell.append(static_cast<char>((i * 7919 + 13) % 256));
    }
    const QByteArray ohneZeilenende = "[Kronel]A=1 ohne Zeilenende";
    const QByteArray langeZeile = "[Kronel]\r\nLang=" + QByteArray(100000, 'z') + "\r\n";
    // Bytes that are no settings file at all are left alone: nothing is written into them.
    for (const QByteArray& inhalt : {muell, QByteArray("\0\0[Kronel]\0\r\n", 14),
                                     QByteArray("Das ist eine Notiz.\r\nA=1\r\n")}) {
        umgebung.schreiben(umgebung.riviror(), inhalt);
        EXPECT_EQ(IniDateiArt({}), IniArt::Fremd);
        EXPECT_EQ(IniLesen({}, {}, L("Fehlt"), L("d")), L("d"));
        EXPECT_FALSE(IniSchreiben({}, L("Neu"), L("K"), L("v")).ok);
        EXPECT_EQ(umgebung.lesen(umgebung.riviror()), inhalt);
    }
    // Blank lines and comments alone are an empty settings file.
    for (const QByteArray& inhalt : {QByteArray(), QByteArray("\n"), QByteArray("\r\n; leer\r\n"),
                                     ohneZeilenende, langeZeile}) {
        umgebung.schreiben(umgebung.riviror(), inhalt);
        EXPECT_EQ(IniLesen({}, {}, L("Fehlt"), L("d")), L("d"));
        ASSERT_TRUE(IniSchreiben({}, L("Neu"), L("K"), L("v")).ok);
        const QByteArray danach = umgebung.lesen(umgebung.riviror());
        // everything that stood there before is still there, byte for byte
        EXPECT_TRUE(danach.startsWith(inhalt));
        EXPECT_TRUE(danach.endsWith("[Neu]\r\nK=v\r\n"));
        EXPECT_EQ(IniLesen({}, L("Neu"), L("K"), {}), L("v"));
    }
    umgebung.schreiben(umgebung.riviror(), langeZeile);
    EXPECT_EQ(IniLesen({}, {}, L("Lang"), {}).size(), 100000);
}

TEST_F(Einstellungen, AndereProgrammeSehenJedesSchreibenSofort) {
    IniSchreiben({}, {}, L("A"), L("1"));
    EXPECT_EQ(IniLesen({}, {}, L("A"), {}), L("1"));
    // another program rewrites the file behind our back (same size)
    umgebung.schreiben(umgebung.riviror(), "[Kronel]\r\nA=2\r\n");
    EXPECT_EQ(IniLesen({}, {}, L("A"), {}), L("2"));
}

TEST_F(Einstellungen, VierProgrammeSchreibenGleichzeitig) {
    constexpr int proProzess = 500;
    std::vector<std::unique_ptr<QProcess>> prozesse;
    for (int p = 0; p < 4; ++p) {
        auto proc = std::make_unique<QProcess>();
        proc->start(QString::fromLocal8Bit(KRONEL_INI_SCHREIBER),
                    {umgebung.riviror(), L("P%1_").arg(p), QString::number(proProzess)});
        prozesse.push_back(std::move(proc));
    }
    for (auto& proc : prozesse) {
        ASSERT_TRUE(proc->waitForFinished(120000));
        EXPECT_EQ(proc->exitCode(), 0) << proc->readAllStandardError().toStdString();
    }
    const QStringList zeilen = ZeilenTeilen(AusCp1252(umgebung.lesen(umgebung.riviror())));
    ASSERT_EQ(zeilen.size(), 1 + 4 * proProzess);
    EXPECT_EQ(zeilen[0], L("[Kronel]"));
    for (int p = 0; p < 4; ++p) {
        for (int i = 0; i < proProzess; ++i) {
            ASSERT_EQ(IniLesen({}, {}, L("P%1_%2").arg(p).arg(i), L("fehlt")),
                      L("Wert %1 von P%2_").arg(i).arg(p));
        }
    }
    // nothing left over from the atomic replaces
    EXPECT_EQ(QDir(umgebung.windows()).entryList({L("*.tmp-*")}, QDir::Files).size(), 0);
}

// Programs counting at once lose no step: read, add and write under one lock.
TEST_F(Einstellungen, ZaehlerGleichzeitigOhneVerlust) {
    std::vector<std::unique_ptr<QProcess>> prozesse;
    for (int p = 0; p < 4; ++p) {
        auto proc = std::make_unique<QProcess>();
        proc->start(QString::fromLocal8Bit(KRONEL_INI_SCHREIBER),
                    {umgebung.riviror(), L("Stat_Starts"), L("50"), L("zaehlen")});
        prozesse.push_back(std::move(proc));
    }
    for (auto& proc : prozesse) {
        ASSERT_TRUE(proc->waitForFinished(120000));
        EXPECT_EQ(proc->exitCode(), 0);
    }
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("Stat_Starts"), {}), L("200"));
}

// Another process holds the lock: the first write waits half a second at most
// and fails, the user hears once which file is locked, and later writes of
// the run fail at once.
TEST_F(Einstellungen, FremdeSperreMeldetSichEinmal) {
    IniSchreiben({}, {}, L("A"), L("1"));
    QProcess halter;
    // -o: the lock goes with flock itself, not with the sleep it starts.
    halter.start(L("flock"), {L("-o"), umgebung.riviror() + L(".lock"), L("sleep"), L("30")});
    ASSERT_TRUE(halter.waitForStarted());
    const QDeadlineTimer gesperrt(5000);
    while (!gesperrt.hasExpired() && DateiSperre(umgebung.riviror(), 0).gesperrt()) {
        QThread::msleep(20);
    }
    umgebung.datentraeger.sperrWartezeiten.clear();
    EXPECT_FALSE(IniSchreiben({}, {}, L("A"), L("2")).ok);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(
        L("ist von einem anderen Programm gesperrt (»") + umgebung.riviror() + L(".lock«)")));
    EXPECT_FALSE(IniSchreiben({}, {}, L("B"), L("3")).ok);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);
    ASSERT_EQ(umgebung.datentraeger.sperrWartezeiten.size(), 2u);
    EXPECT_GT(umgebung.datentraeger.sperrWartezeiten[0], 0);
    EXPECT_LE(umgebung.datentraeger.sperrWartezeiten[0], 500);
    EXPECT_EQ(umgebung.datentraeger.sperrWartezeiten[1], 0);
    halter.kill();
    halter.waitForFinished();
    EXPECT_TRUE(IniSchreiben({}, {}, L("B"), L("3")).ok);
    EXPECT_EQ(IniLesen({}, {}, L("A"), {}), L("1"));
}

// A holder that never lets go while the file keeps being replaced holds up
// the first write a second in all, the later ones not at all.
TEST_F(Einstellungen, FremdeSperreHaeltHoechstensEineSekundeAuf) {
    IniSchreiben({}, {}, L("A"), L("1"));
    umgebung.datentraeger.fremdGesperrt = umgebung.riviror();
    umgebung.datentraeger.ersetzend = 1000;
    umgebung.datentraeger.sperrWartezeiten.clear();
    EXPECT_FALSE(IniSchreiben({}, {}, L("A"), L("2")).ok);
    EXPECT_FALSE(IniSchreiben({}, {}, L("B"), L("3")).ok);
    EXPECT_EQ(umgebung.datentraeger.sperrWartezeiten, (std::vector{500, 500, 0}));
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 1u);
}

// A folder where the lock file belongs is named as such.
TEST_F(Einstellungen, SperreAlsOrdnerWirdGenannt) {
    QDir().mkpath(umgebung.riviror() + L(".lock"));
    EXPECT_FALSE(IniSchreiben({}, {}, L("A"), L("1")).ok);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(
        L("Die Einstellungsdatei »") + umgebung.riviror() +
        L("« konnte nicht geschrieben werden: ihre Sperre »") + umgebung.riviror() +
        L(".lock« ist ein Ordner, keine Datei.")));
}
