#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include <signal.h>
#include <unistd.h>

#include "common/einstellungen.h"
#include "common/startwachen.h"
#include "platform_qt/oberflaeche_qt.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

const QByteArray kMorgen("20991231-   -   -         -   Alle   Silvester 2099");
const QByteArray kUebermorgen("20991230-   -   -         -   Alle   Tag davor");

// The built planner on a data folder with a fault: started offscreen, every box
// written to a protocol and answered with its default button, ended by SIGTERM
// as a session ends it (it saves on the way out, and what it tells then stands
// on standard error).
class DatenordnerProzess : public ::testing::Test {
protected:
    DatenordnerProzess() {
        QDir().mkpath(tempOrdner());
        IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());
        IniSchreiben({}, L("Kronel"), L("AutoTip"), L("0"));
    }
    QString tempOrdner() const { return umgebung.programm() + L("/tmp"); }
    QString protokoll() const { return umgebung.programm() + L("/meldungen.txt"); }
    QString plD() const { return umgebung.daten() + L("/Kronel.PlD"); }

    // Start, wait until the planner runs, end it: the boxes it showed and what
    // it logged.
    QString Laufen() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(L("TMPDIR"), tempOrdner());
        env.insert(L("QT_QPA_PLATFORM"), L("offscreen"));
        env.insert(L("USER"), L("tester"));
        env.insert(L("KRONEL_MELDUNGEN_PROTOKOLL"), protokoll());
        QProcess planer;
        planer.setProcessEnvironment(env);
        planer.start(L(KRONEL_PLANER), {});
        EXPECT_TRUE(planer.waitForStarted(5000));
        // Generous: a loaded machine starts a debug build slowly.
        QDeadlineTimer frist(120000);
        bool laeuft = false;
        while (!laeuft && !frist.hasExpired() && planer.state() == QProcess::Running) {
            QLocalSocket s;
            s.connectToServer(tempOrdner() + QLatin1Char('/') +
                              QtInstanzen::KanalName(InstanzName()));
            laeuft = s.waitForConnected(200);
            s.abort();
            QThread::msleep(100);
        }
        EXPECT_TRUE(laeuft);
        ::kill(static_cast<pid_t>(planer.processId()), SIGTERM);
        if (!planer.waitForFinished(60000)) {
            planer.kill();
            planer.waitForFinished(5000);
            ADD_FAILURE() << "Der Planer endete nicht auf SIGTERM; Meldungen: "
                          << umgebung.lesen(protokoll()).constData();
        }
        EXPECT_EQ(planer.exitStatus(), QProcess::NormalExit);
        QString boxen = QString::fromUtf8(umgebung.lesen(protokoll()));
        // A logged box is one line "[title] text"; the rest is Qt's.
        for (const QString& zeile :
             QString::fromLocal8Bit(planer.readAllStandardError()).split(QLatin1Char('\n'))) {
            if (zeile.startsWith(QLatin1Char('['))) {
                boxen += zeile + QLatin1Char('\n');
            }
        }
        return boxen;
    }
    // The originals the first save kept beside the data file.
    QStringList Bewahrt() const {
        QStringList r;
        for (const QString& n :
             QDir(umgebung.daten()).entryList({L("Kronel.PlD.2*")}, QDir::Files, QDir::Name)) {
            r.append(umgebung.daten() + QLatin1Char('/') + n);
        }
        return r;
    }

    test::TestUmgebung umgebung;
};

}  // namespace

// One lost line break after the header: the record is loaded, saved on its own
// line, the original kept, and the user told.
TEST_F(DatenordnerProzess, TerminAmKopfGeklebt) {
    const QByteArray original = "..Kronelin 8.010090" + kMorgen + "\r\n" + kUebermorgen + "\r\n";
    umgebung.schreiben(plD(), original);
    const QString boxen = Laufen();
    const QByteArray gespeichert = umgebung.lesen(plD());
    EXPECT_TRUE(gespeichert.contains("\r\n" + kMorgen + "\r\n")) << gespeichert.constData();
    EXPECT_TRUE(gespeichert.contains("\r\n" + kUebermorgen + "\r\n"));
    ASSERT_EQ(Bewahrt().size(), 1);
    EXPECT_EQ(umgebung.lesen(Bewahrt()[0]), original);
    EXPECT_TRUE(boxen.contains(L("hinter dem Kopf ein Termin"))) << qPrintable(boxen);
    EXPECT_TRUE(boxen.contains(L("bleibt als »") + Bewahrt()[0]));

    // Every line break lost: nothing of it is in the book, all of it kept.
    QFile::remove(Bewahrt()[0]);
    QFile::remove(protokoll());
    const QByteArray eineZeile = "..Kronelin 8.010090" + kMorgen + kUebermorgen + kMorgen;
    umgebung.schreiben(plD(), eineZeile);
    const QString boxen2 = Laufen();
    ASSERT_EQ(Bewahrt().size(), 1);
    EXPECT_EQ(umgebung.lesen(Bewahrt()[0]), eineZeile);
    EXPECT_TRUE(boxen2.contains(L("nicht als ein Termin lesen"))) << qPrintable(boxen2);
}

// A line of a UTF-8 editor: the saved book holds "?" where the file cannot
// store a character, the original keeps every one, and the count is told.
TEST_F(DatenordnerProzess, ZeichenAusserhalbDerCodeseite) {
    const QByteArray original =
        "..Kronelin 8.010090\r\n" +
        L("20991231-   -   -         -   Alle   Treffen mit Łukasz in Łódź ✓\r\n").toUtf8();
    umgebung.schreiben(plD(), original);
    const QString boxen = Laufen();
    EXPECT_TRUE(
        umgebung.lesen(plD()).contains("Treffen mit ?ukasz in ?\xF3"
                                       "d? ?\r\n"));
    ASSERT_EQ(Bewahrt().size(), 1);
    EXPECT_EQ(umgebung.lesen(Bewahrt()[0]), original);
    EXPECT_TRUE(boxen.contains(L("Ein Termin enthält Zeichen"))) << qPrintable(boxen);
}

// The data file and the settings file are links into a shared folder: the
// saves write the targets, and the links stay links.
TEST_F(DatenordnerProzess, VerknuepfteDateienBleibenVerknuepft) {
    const QString geteilt = umgebung.programm() + L("/geteilt");
    QDir().mkpath(geteilt);
    QFile::rename(umgebung.riviror(), geteilt + L("/RIVIROR.INI"));
    ASSERT_EQ(::symlink(QFile::encodeName(geteilt + L("/RIVIROR.INI")).constData(),
                        QFile::encodeName(umgebung.riviror()).constData()),
              0);
    // Out of date order: the save sorts, so the target shows that it was written.
    umgebung.schreiben(geteilt + L("/Kronel.PlD"),
                       "..Kronelin 8.010090\r\n" + kMorgen + "\r\n" + kUebermorgen + "\r\n");
    const QString relativ = QDir(umgebung.daten()).relativeFilePath(geteilt + L("/Kronel.PlD"));
    ASSERT_EQ(
        ::symlink(QFile::encodeName(relativ).constData(), QFile::encodeName(plD()).constData()), 0);
    Laufen();
    EXPECT_TRUE(QFileInfo(plD()).isSymLink());
    EXPECT_TRUE(QFileInfo(umgebung.riviror()).isSymLink());
    const QByteArray ziel = umgebung.lesen(geteilt + L("/Kronel.PlD"));
    EXPECT_TRUE(ziel.indexOf(kUebermorgen) < ziel.indexOf(kMorgen)) << ziel.constData();
    EXPECT_TRUE(umgebung.lesen(geteilt + L("/RIVIROR.INI")).contains("OLneu=1"));
    EXPECT_TRUE(Bewahrt().isEmpty());
}

// An archive whose last line lost its end (a torn append): the expired record
// goes onto a line of its own.
TEST_F(DatenordnerProzess, ArchivzeileNieAngeklebt) {
    umgebung.schreiben(umgebung.daten() + L("/Kronel.Old"),
                       "01.01.2020 vorher\r\n02.01.2020 abgeri");
    umgebung.schreiben(
        plD(), "..Kronelin 8.010090\r\n20200103-   -   -         -   Alle   vorbei\r\n" + kMorgen +
                   "\r\n");
    Laufen();
    EXPECT_EQ(umgebung.lesen(umgebung.daten() + L("/Kronel.Old")),
              QByteArray("01.01.2020 vorher\r\n02.01.2020 abgeri\r\n03.01.2020 vorbei\r\n"));
    EXPECT_TRUE(umgebung.lesen(plD()).contains(kMorgen));
}

// A data folder the user cannot write: the planner runs read-only with the
// read-only notice, shows no error at load or end, and changes no file.
TEST_F(DatenordnerProzess, SchreibgeschuetzterOrdnerIstNurLesen) {
    const QByteArray original =
        "..Kronelin 8.010090\r\n20200103-   -   -         -   Alle   vorbei\r\n" + kMorgen + "\r\n";
    umgebung.schreiben(plD(), original);
    QFile::setPermissions(umgebung.daten(),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    const QString boxen = Laufen();
    QFile::setPermissions(umgebung.daten(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(boxen.count(QLatin1Char('\n')), 1) << qPrintable(boxen);
    EXPECT_TRUE(
        boxen.startsWith(L("Kronel, nur Leserechte: In den Daten-Ordner »") + umgebung.daten()))
        << qPrintable(boxen);
    EXPECT_EQ(umgebung.lesen(plD()), original);
    EXPECT_EQ(QDir(umgebung.daten()).entryList(QDir::Files), QStringList{L("Kronel.PlD")});
}
