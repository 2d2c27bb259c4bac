#include <gtest/gtest.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <functional>

#include "common/einstellungen.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

bool WartenBis(const std::function<bool()>& bedingung, int ms) {
    QDeadlineTimer frist(ms);
    while (!bedingung() && !frist.hasExpired()) {
        QThread::msleep(200);
    }
    return bedingung();
}

void Beenden(QProcess& p) {
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished(5000);
    }
}

}  // namespace

// The built reminder on a virtual X display, with the system clock: an
// appointment three minutes ahead is listed at once and rings within 50 seconds.
TEST(Erinnerungsprozess, ListetDenTerminUndKlingelt) {
    const QString xvfb = QStandardPaths::findExecutable(L("Xvfb"));
    const QString xwininfo = QStandardPaths::findExecutable(L("xwininfo"));
    if (xvfb.isEmpty() || xwininfo.isEmpty()) {
        GTEST_SKIP() << "Xvfb und xwininfo fehlen";
    }
    const QDateTime start = QDateTime::currentDateTime();
    const QDateTime termin = start.addSecs(180);
    if (termin.date() != start.date() || start.addSecs(15 * 60).date() != start.date()) {
        GTEST_SKIP() << "zu nah an Mitternacht";
    }

    test::TestUmgebung umgebung{L("Kronelol")};
    IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());
    const QString meldung = termin.time().toString(L("hh:mm")) + L(" Prozesstest");
    umgebung.schreiben(
        umgebung.daten() + L("/Kronel.PlD"),
        NachCp1252(L("..Kronelin 8.010090\r\n") + start.date().toString(L("yyyyMMdd")) +
                   L("-   -   -         -   Alle   ") + meldung + L("\r\n")));
    QFile::copy(L(KRONEL_PROGRAMMORDNER_BAU "/Kronelol.wav"),
                umgebung.programm() + L("/Kronelol.wav"));
    const QString protokoll = umgebung.programm() + L("/ton.log");

    QProcess anzeige;
    anzeige.start(xvfb, {L("-displayfd"), L("1"), L("-nolisten"), L("tcp"), L("-screen"), L("0"),
                         L("1024x768x24")});
    ASSERT_TRUE(anzeige.waitForStarted(5000));
    QString nummer;
    ASSERT_TRUE(WartenBis(
        [&] {
            anzeige.waitForReadyRead(100);
            nummer += QString::fromLatin1(anzeige.readAllStandardOutput());
            return nummer.contains(QLatin1Char('\n'));
        },
        10000));
    const QString display = QLatin1Char(':') + nummer.trimmed();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(L("DISPLAY"), display);
    env.insert(L("QT_QPA_PLATFORM"), L("xcb"));
    env.insert(L("KRONEL_TON_PROTOKOLL"), protokoll);
    env.insert(L("TMPDIR"), umgebung.programm());
    QProcess erinnerung;
    erinnerung.setProcessEnvironment(env);
    // What the reminder says shows in the test's log.
    erinnerung.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    erinnerung.start(L(KRONEL_ERINNERUNG), {});
    ASSERT_TRUE(erinnerung.waitForStarted(5000));

    auto fensterTitel = [&] {
        QProcess x;
        x.start(xwininfo, {L("-display"), display, L("-root"), L("-tree")});
        x.waitForFinished(5000);
        return QString::fromUtf8(x.readAllStandardOutput());
    };
    const QDateTime gestartet = QDateTime::currentDateTime();
    // Generous: a sanitizer build beside a full test run can start slowly.
    ASSERT_TRUE(WartenBis([&] { return fensterTitel().contains(L(", 1 Meldung\"")); }, 30000))
        << fensterTitel().toStdString();
    const qint64 gelistet = gestartet.msecsTo(QDateTime::currentDateTime());
    // The alarm rings 45 seconds after the entry came due. The wait counts from
    // the moment the entry is seen, so a slow start on a loaded machine does not.
    const bool geklingelt = WartenBis(
        [&] { return AusCp1252(umgebung.lesen(protokoll)).contains(L("Kronelol.wav")); }, 50000);
    EXPECT_TRUE(geklingelt) << "gelistet nach " << gelistet << " ms, Ton nach "
                            << gestartet.msecsTo(QDateTime::currentDateTime()) << " ms";
    EXPECT_EQ(erinnerung.state(), QProcess::Running);
    Beenden(erinnerung);
    Beenden(anzeige);
}
