#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "platform/dateien.h"
#include "platform/ordner.h"
#include "testsupport/drucken.h"
#include "testsupport/sonderdateien.h"
#include "testsupport/testsupport.h"

using namespace kronel;

namespace {
QByteArray Inhalt(const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

// The id of a process that has ended (a child that was waited for).
qint64 VerstorbenerProzess() {
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::_exit(0);
    }
    ::waitpid(kind, nullptr, 0);
    return kind;
}
}  // namespace

TEST(Dateien, AtomarSchreibenErsetztGanzOderGarNicht) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(DateiAtomarSchreiben(p, "eins"));
    ASSERT_TRUE(DateiAtomarSchreiben(p, "zwei"));
    EXPECT_EQ(Inhalt(p), QByteArray("zwei"));
    // no temporary file is left behind
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    // a file without write bits is refused, by its name, and stays as it was
    ::chmod(QFile::encodeName(p).constData(), 0444);
    const Status s = DateiAtomarSchreiben(p, "drei");
    ASSERT_FALSE(s);
    EXPECT_EQ(s.fehler().nummer, 70);
    EXPECT_TRUE(s.fehler().beschreibung.endsWith(p + QStringLiteral("«")))
        << qPrintable(s.fehler().beschreibung);
    EXPECT_EQ(Inhalt(p), QByteArray("zwei"));
    EXPECT_TRUE(DateiSchreibgeschuetzt(p));

    // a missing folder: 53/76 family, nothing written
    const Status f = DateiAtomarSchreiben(dir.filePath(QStringLiteral("fehlt/x.txt")), "x");
    ASSERT_FALSE(f);
    EXPECT_EQ(f.fehler().nummer, 53);
}

// A new file is made where nothing is; what is there stays, and no temporary
// file is left either way.
TEST(Dateien, NeuSchreibenNieUeberEtwasVorhandenes) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("neu.txt"));
    ASSERT_TRUE(DateiNeuSchreiben(p, "eins"));
    const Status s = DateiNeuSchreiben(p, "zwei");
    ASSERT_FALSE(s);
    EXPECT_EQ(s.fehler().nummer, 58);
    EXPECT_EQ(Inhalt(p), QByteArray("eins"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    // A link takes its name too, also one to nothing: the file is never made
    // where another user's link points.
    const QString verweis = dir.filePath(QStringLiteral("verweis.txt"));
    const QString ziel = dir.filePath(QStringLiteral("ziel.txt"));
    ASSERT_TRUE(QFile::link(ziel, verweis));
    const Status v = DateiNeuSchreiben(verweis, "drei");
    ASSERT_FALSE(v);
    EXPECT_EQ(v.fehler().nummer, 58);
    EXPECT_FALSE(QFileInfo::exists(ziel));
    EXPECT_TRUE(QFileInfo(verweis).isSymLink());
}

// A full disk (after part of the file), a device lost at the flush, a refused
// rename: the old file stays byte for byte, no temporary file is left, and the
// caller is told in German what went wrong and where.
TEST(Dateien, AtomarSchreibenUeberstehtDenAusfallDesDatentraegers) {
    test::TestUmgebung umgebung;
    const QString p = umgebung.daten() + QStringLiteral("/a.txt");
    ASSERT_TRUE(DateiAtomarSchreiben(p, "alt"));
    test::AusfallDatentraeger& d = umgebung.datentraeger;
    const struct {
        std::function<void()> ausfall;
        QString text;
    } faelle[] = {
        {[&] { d.platz = 10; }, QStringLiteral("Datenträger voll")},
        {[&] { d.sichernScheitert = true; }, QStringLiteral("Datenträger nicht bereit")},
        {[&] { d.umbenennenScheitert = true; }, QStringLiteral("Zugriff verweigert")},
    };
    for (const auto& fall : faelle) {
        fall.ausfall();
        const Status s = DateiAtomarSchreiben(p, QByteArray(100000, 'n'));
        ASSERT_FALSE(s) << qPrintable(fall.text);
        EXPECT_EQ(s.fehler().beschreibung,
                  fall.text + QStringLiteral(": »") + p + QStringLiteral("«"));
        EXPECT_EQ(Inhalt(p), QByteArray("alt"));
        EXPECT_EQ(QDir(umgebung.daten()).entryList(QDir::Files),
                  QStringList{QStringLiteral("a.txt")});
        d.platz.reset();
        d.sichernScheitert = d.umbenennenScheitert = false;
    }
    ASSERT_TRUE(DateiAtomarSchreiben(p, "neu"));
    EXPECT_EQ(Inhalt(p), QByteArray("neu"));
}

TEST(Dateien, AnhaengenUndLesen) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("b.txt"));
    ASSERT_TRUE(DateiAnhaengen(p, "a\r\n"));
    ASSERT_TRUE(DateiAnhaengen(p, "b\r\n"));
    const auto gelesen = DateiLesen(p);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(*gelesen, QByteArray("a\r\nb\r\n"));
    const auto fehlt = DateiLesen(dir.filePath(QStringLiteral("nichts")));
    ASSERT_FALSE(fehlt);
    EXPECT_EQ(fehlt.fehler().nummer, 53);
    EXPECT_FALSE(DateiLesen(dir.path()));  // a folder is no file
}

// Files larger than one piece, and empty ones, read whole and in pieces alike.
TEST(Dateien, GrosseDateiGanzUndStueckweise) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("gross.txt"));
    QByteArray inhalt;
    for (int i = 0; inhalt.size() < 200000; ++i) {
        inhalt += "Zeile " + QByteArray::number(i) + "\r\n";
    }
    for (const QByteArray& soll : {inhalt, QByteArray()}) {
        ASSERT_TRUE(DateiAtomarSchreiben(p, soll));
        const auto ganz = DateiLesen(p);
        ASSERT_TRUE(ganz);
        EXPECT_EQ(*ganz, soll);
        QByteArray stuecke;
        int anzahl = 0;
        ASSERT_TRUE(DateiStueckweiseLesen(p, [&](QByteArrayView s) {
            stuecke += s;
            ++anzahl;
        }));
        EXPECT_EQ(stuecke, soll);
        EXPECT_EQ(anzahl > 1, !soll.isEmpty());
    }
    const Status fehlt =
        DateiStueckweiseLesen(dir.filePath(QStringLiteral("nichts")), [](QByteArrayView) {});
    ASSERT_FALSE(fehlt);
    EXPECT_EQ(fehlt.fehler().nummer, 53);
    EXPECT_FALSE(DateiStueckweiseLesen(dir.path(), [](QByteArrayView) {}));
}

TEST(Dateien, SperreSchliesstAus) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("c.ini"));
    {
        DateiSperre eins(p);
        ASSERT_TRUE(eins.gesperrt());
        DateiSperre zwei(p, 50);  // a second holder waits and gives up
        EXPECT_FALSE(zwei.gesperrt());
    }
    DateiSperre drei(p, 50);
    EXPECT_TRUE(drei.gesperrt());
}

// Programs taking turns replace the file while a third waits: its wait goes
// on, but for the bound in all, though the lock never comes free. A holder
// that only touches the file is given up after one wait.
TEST(Dateien, SperreWartetWeiterSolangeAndereErsetzen) {
    test::TestUmgebung umgebung;
    test::AusfallDatentraeger& d = umgebung.datentraeger;
    d.fremdGesperrt = umgebung.daten() + QStringLiteral("/RIVIROR.INI");
    ASSERT_TRUE(DateiAtomarSchreiben(d.fremdGesperrt, "[Kronel]\r\n"));
    for (const auto& [ersetzend, wartezeiten] :
         {std::pair{2, std::vector{50, 50, 50}}, {0, {50}}, {1000, {50, 50, 50, 30}}}) {
        d.ersetzend = ersetzend;
        d.sperrWartezeiten.clear();
        EXPECT_FALSE(DateiSperre(d.fremdGesperrt, 50, 180).gesperrt());
        EXPECT_EQ(d.sperrWartezeiten, wartezeiten) << ersetzend;
    }
}

TEST(Ordner, NamenOhneRuecksichtAufGrossKlein) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("kronel.pld")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(DateiImOrdnerFinden(dir.path(), QStringLiteral("Kronel.PlD")),
              dir.filePath(QStringLiteral("kronel.pld")));
    EXPECT_EQ(PfadAufloesen(dir.filePath(QStringLiteral("KRONEL.PLD"))),
              dir.filePath(QStringLiteral("kronel.pld")));
    // a file that does not exist keeps the given spelling
    EXPECT_EQ(PfadAufloesen(dir.filePath(QStringLiteral("Kronel.Old"))),
              dir.filePath(QStringLiteral("Kronel.Old")));
    EXPECT_EQ(PfadAusWindows(QStringLiteral("daten\\Kronel.PlD")),
              QStringLiteral("daten/Kronel.PlD"));
    EXPECT_EQ(PfadAusWindows(QStringLiteral("C:\\DATEN\\Kronel.PlD")), QString());
}

TEST(Ordner, UmgebungBestimmtDieOrdner) {
    test::Umgebungsvariablen u;
    u.setzen("KRONEL_WINDIR", "/tmp/w/");
    u.loeschen("KRONEL_SYSDIR");
    EXPECT_EQ(WindowsOrdner(), QStringLiteral("/tmp/w"));
    EXPECT_EQ(SystemOrdner(), QStringLiteral("/tmp/w/system"));
    u.setzen("KRONEL_SYSDIR", "/tmp/s");
    EXPECT_EQ(SystemOrdner(), QStringLiteral("/tmp/s"));
    u.loeschen("KRONEL_WINDIR");
    u.setzen("XDG_CONFIG_HOME", "/tmp/x");
    EXPECT_EQ(WindowsOrdner(), QStringLiteral("/tmp/x/kronel"));
    u.setzen("XDG_DATA_HOME", "/tmp/d/");
    EXPECT_EQ(EigenerDatenOrdner(), QStringLiteral("/tmp/d/kronel"));
    u.setzen("XDG_DATA_HOME", "relativ");
    u.setzen("HOME", "/tmp/h");
    EXPECT_EQ(EigenerDatenOrdner(), QStringLiteral("/tmp/h/.local/share/kronel"));
    u.loeschen("KRONEL_SYSDIR");
    u.loeschen("XDG_CONFIG_HOME");
    u.loeschen("KRONEL_PROGDIR");
    EXPECT_FALSE(ProgrammOrdner().isEmpty());
    EXPECT_FALSE(ProgrammOrdner().endsWith(QLatin1Char('/')));
}

// A program started by another runs in its own folder: a relative folder of
// the environment is made full once, where the first program was started.
TEST(Ordner, RelativeOrdnerDerUmgebungWerdenVollstaendig) {
    test::Umgebungsvariablen u;
    u.setzen("KRONEL_WINDIR", "lauf/windows");
    u.setzen("KRONEL_SYSDIR", "/tmp/s");
    u.loeschen("KRONEL_PROGDIR");
    OrdnerUmgebungFestmachen();
    EXPECT_EQ(WindowsOrdner(), QDir::currentPath() + QStringLiteral("/lauf/windows"));
    EXPECT_EQ(SystemOrdner(), QStringLiteral("/tmp/s"));
    EXPECT_TRUE(qEnvironmentVariableIsEmpty("KRONEL_PROGDIR"));
}

// A linked file (a shared folder): the save writes the target, in the target's
// folder, and the link stays a link; a relative link and one to a file not
// there yet count alike.
TEST(Dateien, AtomarSchreibenDurchEineVerknuepfung) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("geteilt"));
    const QString ziel = dir.filePath(QStringLiteral("geteilt/Kronel.PlD"));
    const QString link = dir.filePath(QStringLiteral("Kronel.PlD"));
    ASSERT_TRUE(DateiAtomarSchreiben(ziel, "alt"));
    ASSERT_EQ(::symlink("geteilt/Kronel.PlD", QFile::encodeName(link).constData()), 0);
    ASSERT_TRUE(DateiAtomarSchreiben(link, "neu", link + QStringLiteral(".neu")));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Inhalt(ziel), QByteArray("neu"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System), QStringList{"Kronel.PlD"});
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("geteilt"))).entryList(QDir::Files),
              QStringList{"Kronel.PlD"});

    const QString ini = dir.filePath(QStringLiteral("RIVIROR.INI"));
    const QString iniZiel = dir.filePath(QStringLiteral("geteilt/noch-nicht-da.ini"));
    ASSERT_EQ(::symlink(QFile::encodeName(iniZiel).constData(), QFile::encodeName(ini).constData()),
              0);
    ASSERT_TRUE(DateiAtomarSchreiben(ini, "[Kronel]\r\n"));
    EXPECT_TRUE(QFileInfo(ini).isSymLink());
    EXPECT_EQ(Inhalt(iniZiel), QByteArray("[Kronel]\r\n"));
    EXPECT_EQ(VerknuepfungsZiel(ini), iniZiel);
}

// An append is whole or nothing; a file whose last line lost its end (a torn
// append, an editor) gets one, so no line ever holds two entries.
TEST(Dateien, AnhaengenGanzOderGarNicht) {
    test::TestUmgebung umgebung;
    const QString p = umgebung.daten() + QStringLiteral("/Kronel.Old");
    ASSERT_TRUE(DateiAnhaengen(p, "01.01.2026 eins\r\n"));
    umgebung.datentraeger.platz = 5;
    const Status voll = DateiAnhaengen(p, "02.01.2026 zwei\r\n");
    ASSERT_FALSE(voll);
    EXPECT_EQ(voll.fehler().nummer, 61);
    EXPECT_EQ(Inhalt(p), QByteArray("01.01.2026 eins\r\n"));
    umgebung.datentraeger.platz.reset();

    umgebung.schreiben(p, "01.01.2026 eins\r\n02.01.2026 zw");
    ASSERT_TRUE(DateiAnhaengen(p, "03.01.2026 drei\r\n"));
    EXPECT_EQ(Inhalt(p), QByteArray("01.01.2026 eins\r\n02.01.2026 zw\r\n03.01.2026 drei\r\n"));
    umgebung.schreiben(p, "a\r");
    ASSERT_TRUE(DateiAnhaengen(p, "b\r\n"));
    EXPECT_EQ(Inhalt(p), QByteArray("a\r\nb\r\n"));
    umgebung.schreiben(p, "a\n");
    ASSERT_TRUE(DateiAnhaengen(p, "b\r\n"));
    EXPECT_EQ(Inhalt(p), QByteArray("a\nb\r\n"));
}

// The temporary files of a killed save are removed before the next write of
// the same file, those of a running process (perhaps saving now) stay.
TEST(Dateien, ResteGetoeteterSpeicherungenVerschwinden) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("Kronel.BAK"));
    const QString tot = p + QStringLiteral(".tmp-%1-0").arg(VerstorbenerProzess());
    const QString lebt = p + QStringLiteral(".tmp-%1-4").arg(::getppid());
    const QString fremd =
        dir.filePath(QStringLiteral("Kronel.PlD.tmp-%1-0").arg(VerstorbenerProzess()));
    for (const QString& f : {tot, lebt, fremd}) {
        ASSERT_TRUE(DateiAtomarSchreiben(f, "rest"));
    }
    ASSERT_TRUE(DateiAtomarSchreiben(p, "neu"));
    EXPECT_FALSE(QFile::exists(tot));
    EXPECT_TRUE(QFile::exists(lebt));
    EXPECT_TRUE(QFile::exists(fremd));
}

// A lock that cannot be had names its file: a folder that does not let it be
// made, or another holder.
TEST(Dateien, SperreNenntDenGrund) {
    QTemporaryDir dir;
    const QString fehlt = dir.filePath(QStringLiteral("fehlt/Kronel.Old"));
    const DateiSperre ohneOrdner(fehlt, 0);
    ASSERT_FALSE(ohneOrdner.gesperrt());
    EXPECT_EQ(ohneOrdner.grund().nummer, 53);
    EXPECT_TRUE(ohneOrdner.grund().beschreibung.endsWith(fehlt + QStringLiteral(".lock«")));
    const QString p = dir.filePath(QStringLiteral("Kronel.Old"));
    const DateiSperre eins(p);
    const DateiSperre zwei(p, 0);
    ASSERT_FALSE(zwei.gesperrt());
    EXPECT_EQ(zwei.grund().beschreibung,
              QStringLiteral("Die Datei »") + p +
                  QStringLiteral("« ist von einem anderen Programm gesperrt (»") + p +
                  QStringLiteral(".lock«)"));
}

// One shared file reached through two links (two users' settings folders): the
// lock lies beside the target, so the two exclude each other.
TEST(Dateien, SperreEinerVerknuepfungGiltFuerDasZiel) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("a"));
    QDir(dir.path()).mkpath(QStringLiteral("b"));
    const QString ziel = dir.filePath(QStringLiteral("RIVIROR.INI"));
    ASSERT_TRUE(DateiAtomarSchreiben(ziel, "[Kronel]\r\n"));
    for (const char* link : {"a/RIVIROR.INI", "b/RIVIROR.INI"}) {
        ASSERT_EQ(::symlink("../RIVIROR.INI", QFile::encodeName(dir.filePath(link)).constData()),
                  0);
    }
    const DateiSperre a(dir.filePath(QStringLiteral("a/RIVIROR.INI")));
    ASSERT_TRUE(a.gesperrt());
    EXPECT_EQ(a.datei(), ziel + QStringLiteral(".lock"));
    EXPECT_FALSE(DateiSperre(dir.filePath(QStringLiteral("b/RIVIROR.INI")), 0).gesperrt());
    EXPECT_FALSE(DateiSperre(ziel, 0).gesperrt());
}

// A real full disk: a small tmpfs of the test's own, mounted in a user and
// mount namespace where the machine allows one. A failed append leaves the file
// as it was, a failed save the old file and no temporary one; with room again
// every line stands whole on its own.
TEST(Dateien, VollerDatentraeger) {
    const QString tmpfs = qEnvironmentVariable("KRONEL_TMPFS");
    if (tmpfs.isEmpty()) {
        const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        QTemporaryDir dir;
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        if (!unshare.isEmpty()) {
            p.start(unshare,
                    {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                     QStringLiteral("mount -t tmpfs -o size=64k kronel \"$1\" || exit 0; echo "
                                    "EINGEHAENGT; KRONEL_TMPFS=\"$1\" exec \"$2\" "
                                    "--gtest_filter=Dateien.VollerDatentraeger"),
                     QStringLiteral("sh"), dir.path(),
                     QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()});
            p.waitForFinished(60000);
        }
        const QByteArray ausgabe = p.readAll();
        if (!ausgabe.contains("EINGEHAENGT")) {
            GTEST_SKIP() << "Hier darf kein tmpfs eingehängt werden (unshare -rm, mount)";
        }
        EXPECT_EQ(p.exitCode(), 0) << ausgabe.constData();
        return;
    }
    const QString archiv = tmpfs + QStringLiteral("/Kronel.Old");
    const QString buch = tmpfs + QStringLiteral("/Kronel.PlD");
    ASSERT_TRUE(DateiAnhaengen(archiv, "01.01.2026 eins\r\n"));
    ASSERT_TRUE(DateiAtomarSchreiben(buch, "..Kronelin 8.010090\r\n"));
    {
        QFile fuell(tmpfs + QStringLiteral("/fuell"));
        ASSERT_TRUE(fuell.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray seite(4096, 'f');
        while (fuell.write(seite) == seite.size()) {
        }
    }
    const Status anhaengen =
        DateiAnhaengen(archiv, "02.01.2026 " + QByteArray(20000, 'z') + "\r\n");
    ASSERT_FALSE(anhaengen);
    EXPECT_EQ(anhaengen.fehler().nummer, 61);
    EXPECT_EQ(Inhalt(archiv), QByteArray("01.01.2026 eins\r\n"));
    const Status speichern = DateiAtomarSchreiben(buch, QByteArray(20000, 'n'));
    ASSERT_FALSE(speichern);
    EXPECT_EQ(speichern.fehler().nummer, 61);
    EXPECT_EQ(Inhalt(buch), QByteArray("..Kronelin 8.010090\r\n"));
    EXPECT_EQ(QDir(tmpfs).entryList({QStringLiteral("*.tmp-*")}, QDir::Files), QStringList{});

    QFile::remove(tmpfs + QStringLiteral("/fuell"));
    ASSERT_TRUE(DateiAnhaengen(archiv, "03.01.2026 drei\r\n"));
    EXPECT_EQ(Inhalt(archiv), QByteArray("01.01.2026 eins\r\n03.01.2026 drei\r\n"));
}

// A FIFO or a device in the place of a file is neither read (without waiting
// for a writer) nor written; a file beyond the reading limit is not read. Each
// refusal names the file and why.
TEST(Dateien, KeineGewoehnlicheOderZuGrosseDateiWirdAbgelehnt) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("Kronel.PlD"));
    const QString geraet = dir.filePath(QStringLiteral("Kronel.Old"));
    const QString gross = dir.filePath(QStringLiteral("gross"));
    test::FifoAnlegen(fifo);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), geraet));
    test::GrosseDateiAnlegen(gross, kLeseGrenze + 1, "RIFF");
    const QString kein = QStringLiteral("« ist keine gewöhnliche Datei, sondern ");
    const std::pair<QString, QString> faelle[] = {
        {fifo, kein + QStringLiteral("eine benannte Pipe (FIFO)")},
        {geraet, kein + QStringLiteral("ein Gerät (»/dev/null«)")},
        {gross, QStringLiteral("« ist größer als 256 MB")}};
    for (const auto& [p, grund] : faelle) {
        auto genannt = [&](const Status& s) {
            return !s && s.fehler().beschreibung.contains(QStringLiteral("»") + p + grund);
        };
        bool blockiert = false;
        EXPECT_TRUE(genannt(test::OhneBlockieren(
            fifo,
            [&] {
                const auto e = DateiLesen(p);
                return e ? Status() : Status(e.fehler());
            },
            blockiert)));
        EXPECT_TRUE(genannt(test::OhneBlockieren(
            fifo, [&] { return DateiStueckweiseLesen(p, [](QByteArrayView) {}); }, blockiert)));
        EXPECT_FALSE(blockiert);
        EXPECT_TRUE(genannt(LesbarkeitPruefen(p)));
        EXPECT_EQ(genannt(DateiAnhaengen(p, "x\r\n")), p != gross);
    }
    // never replaced (no write through the device link: a fault would hit /dev)
    EXPECT_FALSE(DateiAtomarSchreiben(fifo, "x"));
    struct stat st {};
    EXPECT_TRUE(::lstat(QFile::encodeName(fifo).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_EQ(DateiAnfangLesen(gross, 4).wertOder({}), QByteArray("RIFF"));
    test::GrosseDateiAnlegen(gross, kLeseGrenze);  // the limit itself is read
    EXPECT_TRUE(LesbarkeitPruefen(gross));
    // a link that leads back to itself is named as such, not as a bare access fault
    const QString kreis = dir.filePath(QStringLiteral("Kreis"));
    ASSERT_TRUE(QFile::link(kreis, kreis));
    const auto e = DateiLesen(kreis);
    EXPECT_TRUE(!e && e.fehler().beschreibung.contains(
                          QStringLiteral("»") + kreis +
                          QStringLiteral("« ist ein Verweis, der im Kreis auf sich selbst führt")));
}
