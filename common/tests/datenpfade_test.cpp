#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include "common/datenpfade.h"
#include "common/einstellungen.h"
#include "common/fenster.h"
#include "common/modul.h"
#include "platform/ordner.h"
#include "platform/text.h"
#include "testsupport/sonderdateien.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {
using test::L;
constexpr QFileDevice::Permissions kAlleRechte =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions kAlleLesen =
    QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
}  // namespace

class DatenPfade : public ::testing::Test {
protected:
    test::TestUmgebung umgebung;
};

TEST_F(DatenPfade, OhneDirDataLiegenDieDatenImProgrammordner) {
    umgebung.schreiben(umgebung.programm() + L("/Kronel.PlD"), "x");
    DatenPfadeSetzen();
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("DirData"), L("fehlt")), L("{appdir}"));
    EXPECT_EQ(modul().DatenVerzeichnis, umgebung.programm());
    EXPECT_EQ(modul().DateiTermine, umgebung.programm() + L("/Kronel.PlD"));
    EXPECT_EQ(modul().DateiAltes, umgebung.programm() + L("/Kronel.Old"));
    EXPECT_EQ(modul().DateiNotizen, umgebung.programm() + L("/Kronel.Txt"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(DatenPfade, PlatzhalterInJederSchreibungUndSchlussstrichWeg) {
    IniSchreiben({}, L("Kronel"), L("DirData"), L("{APPDIR}\\Daten\\"));
    umgebung.schreiben(umgebung.programm() + L("/Daten/Kronel.Old"), "x");
    DatenPfadeSetzen();
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("DirData"), {}), L("{APPDIR}\\Daten"));
    EXPECT_EQ(modul().DatenVerzeichnis, umgebung.programm() + L("/Daten"));
    EXPECT_EQ(modul().DateiTermine, umgebung.programm() + L("/Daten/Kronel.PlD"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
}

TEST_F(DatenPfade, LeererOderFehlenderOrdnerMeldetSichUndSetztDiePfadeTrotzdem) {
    IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());  // exists, but empty
    DatenPfadeSetzen();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    const test::Box& b = umgebung.meldungen.boxen[0];
    EXPECT_EQ(b.titel, L("Kein Daten-Ordner"));
    EXPECT_EQ(b.stil, 48);
    EXPECT_EQ(b.text, L("Kann den Daten-Ordner »") + umgebung.daten() +
                          L("« nicht finden.\r\n\r\nSetzen Sie in der Datei »") +
                          umgebung.windows() +
                          L("/RIVIROR.INI« im Abschnitt »Kronel« den Schlüssel »DirData« neu "
                            "oder löschen Sie ihn notfalls."));
    EXPECT_EQ(modul().DateiTermine, umgebung.daten() + L("/Kronel.PlD"));

    IniSchreiben({}, L("Kronel"), L("DirData"), L("C:\\Daten"));
    DatenPfadeSetzen();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_TRUE(umgebung.meldungen.boxen[1].text.contains(L("»C:/Daten«")));
    EXPECT_FALSE(QFile::exists(modul().DateiTermine));
}

// A data file that is no regular file does not make the folder look missing or
// empty; a link to nothing is named with its target.
TEST_F(DatenPfade, DatendateiDieKeineGewoehnlicheIstLaesstDenOrdnerGelten) {
    IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());
    const QString termine = umgebung.daten() + L("/Kronel.PlD");
    test::FifoAnlegen(termine);
    DatenPfadeSetzen();
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    QFile::remove(termine);
    ASSERT_TRUE(QFile::link(umgebung.daten() + L("/weg"), termine));
    DatenPfadeSetzen();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, L("Kronel, Termindatei"));
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(
        L("Die Termindatei »") + termine + L("« ist ein Verweis auf »") + umgebung.daten() +
        L("/weg«, dort liegt aber keine Datei.")));
    // a link to itself has no target to name
    QFile::remove(termine);
    ASSERT_TRUE(QFile::link(termine, termine));
    DatenPfadeSetzen();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_TRUE(umgebung.meldungen.boxen[1].text.startsWith(
        L("Die Termindatei »") + termine +
        L("« ist ein Verweis, der im Kreis auf sich selbst führt; dort liegt keine Datei.")));
}

TEST_F(DatenPfade, AlteNamenWerdenUmbenannt) {
    IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());
    umgebung.schreiben(umgebung.daten() + L("/Kronel.Dat"), "alte Termine");
    umgebung.schreiben(umgebung.daten() + L("/notizen.txt"), "alte Notizen");
    DatenPfadeSetzen();
    EXPECT_EQ(QDir(umgebung.daten()).entryList(QDir::Files),
              QStringList({L("Kronel.PlD"), L("Kronel.Txt")}));
    EXPECT_EQ(umgebung.lesen(modul().DateiTermine), "alte Termine");
    EXPECT_EQ(umgebung.lesen(modul().DateiNotizen), "alte Notizen");
}

TEST_F(DatenPfade, AlterNameNebenNeuemBleibtUnberuehrt) {
    IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());
    umgebung.schreiben(umgebung.daten() + L("/Kronel.Dat"), "alt");
    umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"), "neu");
    DatenPfadeSetzen();
    EXPECT_EQ(umgebung.lesen(umgebung.daten() + L("/Kronel.Dat")), "alt");
    EXPECT_EQ(umgebung.lesen(umgebung.daten() + L("/Kronel.PlD")), "neu");
}

TEST_F(DatenPfade, VorhandeneDateiInAndererSchreibungWirdGenommen) {
    IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());
    umgebung.schreiben(umgebung.daten() + L("/KRONEL.PLD"), "x");
    DatenPfadeSetzen();
    EXPECT_EQ(modul().DateiTermine, umgebung.daten() + L("/KRONEL.PLD"));
}

TEST(DatumsSchluessel, HinUndZurueck) {
    EXPECT_EQ(DatumZuSchluessel(L("31.12.1999")), L("19991231"));
    EXPECT_EQ(DatumZuSchluessel(L("1.2.2024")), L("20240201"));
    EXPECT_EQ(DatumZuSchluessel(L("05.03.0100")), L("01000305"));
    EXPECT_EQ(SchluesselZuDatum(L("19991231")), L("31.12.1999"));
    // a whole record: only the first eight characters count
    EXPECT_EQ(SchluesselZuDatum(L("202402293T  -   -         -   alle   Text")), L("29.02.2024"));
    EXPECT_EQ(SchluesselLesen(L("20240229")), QDate(2024, 2, 29));
    EXPECT_FALSE(SchluesselLesen(L("20230229")));
    EXPECT_FALSE(SchluesselLesen(L("2024-1-1")));
    EXPECT_EQ(SchluesselLesen(L("20000229-   Rest")), QDate(2000, 2, 29));
    EXPECT_EQ(SchluesselLesen(L("01000101")), QDate(100, 1, 1));
    EXPECT_EQ(SchluesselLesen(L("99991231")), QDate(9999, 12, 31));
    for (const char* k : {"21000229", "00991231", "20241301", "20240001", "20240100", "20240431",
                          "2024010", "2024o101",
                          "2024Â²"
                          "101"}) {
        EXPECT_FALSE(SchluesselLesen(L(k))) << k;
    }
    EXPECT_EQ(SchluesselAusDatum(QDate(812, 7, 4)), L("08120704"));
}

TEST(DatumsSchluessel, KeinDatumGibtKeinenSchluessel) {
    for (const char* text : {"", "31.02.2024", "xx.yy.zzzz", "1.1.", "32.01.2024", "01.13.2024",
                             "01.01.12345", "heute"}) {
        EXPECT_EQ(DatumZuSchluessel(L(text)), QString()) << text;
    }
}

TEST(Periodencode, Lesen) {
    EXPECT_EQ(PeriodeLesen(L("3T")).anzahl, 3);
    EXPECT_EQ(PeriodeLesen(L("3T")).einheit, 't');
    EXPECT_EQ(PeriodeLesen(L("-2w  ")).anzahl, -2);
    EXPECT_EQ(PeriodeLesen(L("-2w  ")).einheit, 'w');
    EXPECT_EQ(PeriodeLesen(L("J")).anzahl, 0);  // no number counts 0
    EXPECT_EQ(PeriodeLesen(L("-")).einheit, 0);
    EXPECT_EQ(PeriodeLesen(L("5X")).einheit, 0);
    EXPECT_TRUE(PeriodeAktiv(L("1q")));
    EXPECT_TRUE(PeriodeAktiv(L("12M ")));
    EXPECT_FALSE(PeriodeAktiv(L("-")));
    EXPECT_FALSE(PeriodeAktiv(L("")));
    EXPECT_FALSE(PeriodeAktiv(L("T2")));
}

TEST(Periodencode, DatumVerschieben) {
    const std::tuple<const char*, const char*, const char*> faelle[] = {
        {"3T", "30.12.2024", "02.01.2025"},
        {"-1M", "31.03.2024", "29.02.2024"},
        {"1Q", "30.11.2023", "29.02.2024"},
        {"1J", "29.02.2024", "28.02.2025"},
        {"2w ", "01.03.2024", "15.03.2024"},
        {"-3T", "01.03.2024", "27.02.2024"},
        {"-", "1.3.2024", "01.03.2024"},
        {"", "01.03.2024", "01.03.2024"},
        {"5X", "01.03.2024", "01.03.2024"},
        {"0T", "01.03.2024", "01.03.2024"},
        {"--3T", "01.03.2024", "01.03.2024"},  // "-" before an already negative code
        {"1m", "31.01.2023", "28.02.2023"},
        {"-1j", "29.02.2024", "28.02.2023"},
        {"+4t", "28.02.2023", "04.03.2023"},
        // decimals round to the nearest whole count, halves to even
        {"1.5T", "01.03.2024", "03.03.2024"},
        {"2.5T", "01.03.2024", "03.03.2024"},
        {"0.5T", "01.03.2024", "01.03.2024"},
        {"1.4W", "01.03.2024", "08.03.2024"},
        {"-0.6M", "15.03.2024", "15.02.2024"},
    };
    for (const auto& [code, datum, erwartet] : faelle) {
        EXPECT_EQ(DatumVerschieben(L(code), L(datum)), L(erwartet)) << code << " " << datum;
    }
}

TEST(Periodencode, UnlesbaresDatumUndBereichsgrenzenScheitern) {
    EXPECT_EQ(DatumVerschieben(L("1T"), L("31.02.2024")), QString());
    EXPECT_EQ(DatumVerschieben(L("-"), L("kein Datum")), QString());
    EXPECT_EQ(DatumVerschieben(L("1T"), L("31.12.9999")), QString());
    EXPECT_EQ(DatumVerschieben(L("-1J"), L("01.06.0100")), QString());
    EXPECT_EQ(DatumVerschieben(L("99999999999J"), L("01.06.2000")), QString());
    EXPECT_EQ(DatumVerschieben(L("-99999999999T"), L("01.06.2000")), QString());
    EXPECT_EQ(DatumVerschieben(L("7998J"), L("01.06.2000")), L("01.06.9998"));
    EXPECT_EQ(DatumVerschieben(Periode{1, 't'}, QDate(2024, 2, 28)), QDate(2024, 2, 29));
}

// The store gives what reading each field anew gives, for many codes at once
// (more than it has places) and for fields of every length.
TEST(Periodencode, SpeicherWieNeuGelesen) {
    Periodenspeicher speicher;
    QStringList felder{L("-   "), L("1T  "), L("-"),         L("3T"),   L("12M "),
                       L("1j  "), L("    "), L("x\u4e00  "), L("1T   ")};
    for (int i = 0; i < 300; ++i) {
        felder.append(QString::number(i % 150).leftJustified(3) + QChar(u"TWMQJX"[i % 6]));
    }
    for (int runde = 0; runde < 2; ++runde) {
        for (const QString& f : felder) {
            for (const bool zurueck : {false, true}) {
                const Periode p = speicher.lesen(f, zurueck);
                const Periode soll = PeriodeLesen(zurueck ? L("-") + RTrim(f) : f);
                EXPECT_EQ(p.anzahl, soll.anzahl) << f.toStdString() << zurueck;
                EXPECT_EQ(p.einheit, soll.einheit) << f.toStdString() << zurueck;
            }
        }
    }
}

// A settings file that hides DirData (bytes that are no settings file, the key
// in a second section of the program's name, a folder in its place): the user
// is told which file and which folder is used now, and nothing is written back.
TEST_F(DatenPfade, VerdeckterDatenOrdnerWirdGemeldetUndNichtFestgeschrieben) {
    umgebung.schreiben(umgebung.programm() + L("/Kronel.PlD"), "x");
    const QByteArray zweiterAbschnitt =
        "[Kronel]\r\nOLneu=0\r\n[Fehler]\r\n[Kronel]\r\nDirData=" + umgebung.daten().toUtf8() +
        "\r\n";
    const struct {
        QByteArray inhalt;
        QString grund;
    } faelle[] = {
        {QByteArray("\x7f"
                    "ELF\0\0\x01",
                    7),
         L("ist keine Einstellungsdatei")},
        {zweiterAbschnitt, L("erst in einem zweiten Abschnitt »Kronel«")},
    };
    for (const auto& fall : faelle) {
        umgebung.schreiben(umgebung.riviror(), fall.inhalt);
        umgebung.meldungen.boxen.clear();
        DatenPfadeSetzen();
        ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u) << qPrintable(fall.grund);
        const QString& text = umgebung.meldungen.boxen[0].text;
        EXPECT_TRUE(text.contains(L("»") + umgebung.riviror() + L("«"))) << qPrintable(text);
        EXPECT_TRUE(text.contains(fall.grund)) << qPrintable(text);
        EXPECT_TRUE(text.contains(L("»") + umgebung.programm() + L("« verwendet")));
        EXPECT_EQ(umgebung.lesen(umgebung.riviror()), fall.inhalt);
    }

    // A file the user may not read. root reads every file: it reads as nobody,
    // who may pass the folders.
    const QByteArray lesbar = zweiterAbschnitt.left(zweiterAbschnitt.indexOf("[Fehler]")) +
                              "DirData=" + umgebung.daten().toUtf8() + "\r\n";
    umgebung.schreiben(umgebung.riviror(), lesbar);
    ASSERT_TRUE(QFile::setPermissions(umgebung.riviror(), QFileDevice::WriteOwner));
    const bool root = geteuid() == 0;
    // Only the test's own folders: the one above them is the temporary folder.
    const QString wurzel = QFileInfo(umgebung.windows()).path();
    for (const QString& ordner : {wurzel, umgebung.windows()}) {
        ASSERT_TRUE(!root || QFile::setPermissions(
                                 ordner, QFile::permissions(ordner) | QFileDevice::ExeOther));
    }
    umgebung.meldungen.boxen.clear();
    ASSERT_TRUE(!root || seteuid(65534) == 0);
    DatenPfadeSetzen();
    ASSERT_TRUE(!root || seteuid(0) == 0);
    ASSERT_FALSE(umgebung.meldungen.boxen.empty());  // nobody cannot list the program folder
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(L("kann nicht gelesen werden")));
    ASSERT_TRUE(QFile::setPermissions(umgebung.riviror(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_EQ(umgebung.lesen(umgebung.riviror()), lesbar);

    QFile::remove(umgebung.riviror());
    QDir().mkpath(umgebung.riviror());
    umgebung.meldungen.boxen.clear();
    DatenPfadeSetzen();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.contains(L("ist ein Ordner")));
    EXPECT_TRUE(QFileInfo(umgebung.riviror()).isDir());
}

// A copy installed for everyone (a program folder this user cannot write,
// without a book): whichever program starts first makes the user's own folder
// with a book of only its header, and names it in DirData for the others. A
// writable program folder, one holding a book and a DirData naming another
// folder stay as they are.
TEST_F(DatenPfade, InstallierteKopieNimmtDenEigenenOrdner) {
    const QString eigener = umgebung.xdgDaten() + L("/kronel");
    const QString programm = umgebung.programm();
    DatenPfadeSetzen();
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("DirData"), {}), L("{appdir}"));
    umgebung.schreiben(programm + L("/Kronel.Dat"), "x");
    ASSERT_TRUE(QFile::setPermissions(programm, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    DatenPfadeSetzen();
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("DirData"), {}), L("{appdir}"));

    // the start before renamed the old book to Kronel.PlD
    QFile::setPermissions(programm, kAlleRechte);
    QFile::remove(programm + L("/Kronel.PlD"));
    ASSERT_TRUE(QFile::setPermissions(programm, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    umgebung.meldungen.boxen.clear();
    DatenPfadeSetzen();
    EXPECT_EQ(modul().DateiTermine, eigener + L("/Kronel.PlD"));
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("DirData"), {}), eigener);
    EXPECT_EQ(umgebung.lesen(eigener + L("/Kronel.PlD")),
              "..Kronelin " + ProgrammVersionText().toLatin1() + "\r\n");
    // another program, even one that finds the key lost, takes the same book
    umgebung.schreiben(eigener + L("/Kronel.PlD"), "Termine");
    IniSchreiben({}, L("Kronel"), L("DirData"), L("{appdir}"));
    ProgrammDateinameSetzen(L("Kronelol"));
    DatenPfadeSetzen();
    EXPECT_EQ(modul().DateiTermine, eigener + L("/Kronel.PlD"));
    EXPECT_EQ(umgebung.lesen(eigener + L("/Kronel.PlD")), "Termine");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(eigener).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);  // the appointments are the user's own
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());

    IniSchreiben({}, L("Kronel"), L("DirData"), L("{appdir}/Daten"));
    DatenPfadeSetzen();
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("DirData"), {}), L("{appdir}/Daten"));
    ASSERT_TRUE(QFile::setPermissions(programm, kAlleRechte));
}

// A data folder this user may not read: the box keeps its text and adds why.
TEST_F(DatenPfade, UnlesbarerOrdnerNenntDenGrund) {
    IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());
    umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"), "x");
    // root reads every folder: it reads as nobody (still in root's group), the
    // real user too, as Qt's file checks ask for that one.
    const QString wurzel = QFileInfo(umgebung.daten()).path();
    for (const QString& pfad : {wurzel, umgebung.windows(), umgebung.riviror()}) {
        ASSERT_TRUE(QFile::setPermissions(pfad, QFile::permissions(pfad) | kAlleLesen));
    }
    ASSERT_TRUE(QFile::setPermissions(umgebung.daten(), {}));
    const bool root = geteuid() == 0;
    ASSERT_TRUE(!root || setresuid(65534, 65534, 0) == 0);
    DatenPfadeSetzen();
    ASSERT_TRUE(!root || setresuid(0, 0, 0) == 0);
    ASSERT_TRUE(QFile::setPermissions(umgebung.daten(), kAlleRechte));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].text,
              L("Kann den Daten-Ordner »") + umgebung.daten() +
                  L("« nicht finden.\r\n\r\nSetzen Sie in der Datei »") + umgebung.riviror() +
                  L("« im Abschnitt »Kronel« den Schlüssel »DirData« neu oder löschen Sie ihn "
                    "notfalls.\r\n\r\nGrund: Zugriff verweigert."));
}
