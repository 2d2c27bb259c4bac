#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include "common/einstellungen.h"
#include "common/startwachen.h"
#include "platform_qt/oberflaeche_qt.h"
#include "testsupport/testsupport.h"
#include "testsupport/umgebungsvariablen.h"

using namespace kronel;

namespace {

// The planner's socket lies in the temporary folder the test gives it; its
// name follows the settings folder in force.
bool PlanerHoert(const QString& tempOrdner) {
    QLocalSocket s;
    s.connectToServer(tempOrdner + QLatin1Char('/') + QtInstanzen::KanalName(InstanzName()));
    const bool verbunden = s.waitForConnected(200);
    s.abort();
    return verbunden;
}

// A sanitizer build beside a full test run can take long to start.
constexpr int kStartFrist = 30000;

bool WartenBis(const std::function<bool()>& bedingung, int ms) {
    QDeadlineTimer frist(ms);
    while (!bedingung() && !frist.hasExpired()) {
        QThread::msleep(50);
    }
    return bedingung();
}

class Planerstart : public ::testing::Test {
protected:
    Planerstart() {
        umgebung.schreiben(umgebung.programm() + QStringLiteral("/Kronel.PlD"), "");
        umgebung.schreiben(umgebung.programm() + QStringLiteral("/tmp/.leer"), "");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), tempOrdner());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("USER"), QStringLiteral("tester"));
        umgebungProzess = env;
    }
    ~Planerstart() override {
        for (QProcess* p : {&erster, &zweiter}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }
    QString tempOrdner() const { return umgebung.programm() + QStringLiteral("/tmp"); }
    void starten(QProcess& p) {
        p.setProcessEnvironment(umgebungProzess);
        p.setProgram(QStringLiteral(KRONEL_PLANER));
        p.start();
        ASSERT_TRUE(p.waitForStarted(5000));
    }
    test::TestUmgebung umgebung;
    QProcessEnvironment umgebungProzess;
    QProcess erster;
    QProcess zweiter;
};

}  // namespace

TEST_F(Planerstart, ZweiterPlanerGibtAbUndEndet) {
    starten(erster);
    ASSERT_TRUE(WartenBis([&] { return PlanerHoert(tempOrdner()); }, kStartFrist));

    starten(zweiter);
    // Generous: the title comes first, and a sanitizer build on a loaded machine is slow.
    ASSERT_TRUE(zweiter.waitForFinished(30000));
    EXPECT_EQ(zweiter.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(zweiter.exitCode(), 0);
    EXPECT_EQ(erster.state(), QProcess::Running);
    EXPECT_TRUE(PlanerHoert(tempOrdner()));
    EXPECT_TRUE(zweiter.readAllStandardError().contains("nach vorne geholt"));
}

TEST_F(Planerstart, MitAnderenEinstellungenLaeuftEinZweiterPlanerDaneben) {
    starten(erster);
    ASSERT_TRUE(WartenBis([&] { return PlanerHoert(tempOrdner()); }, kStartFrist));

    // As scripts/starten.sh does for the sample data: own settings, own data.
    const QString andere = umgebung.programm() + QStringLiteral("/andere");
    const QString daten = umgebung.programm() + QStringLiteral("/andere/daten");
    umgebung.schreiben(daten + QStringLiteral("/Kronel.PlD"), "");
    test::Umgebungsvariablen variablen;
    variablen.setzen("KRONEL_WINDIR", andere);
    IniSchreiben({}, {}, QStringLiteral("DirData"), daten);
    umgebungProzess.insert(QStringLiteral("KRONEL_WINDIR"), andere);
    starten(zweiter);
    EXPECT_TRUE(WartenBis([&] { return PlanerHoert(tempOrdner()); }, kStartFrist));
    EXPECT_EQ(zweiter.state(), QProcess::Running);
    EXPECT_EQ(erster.state(), QProcess::Running);
}

TEST_F(Planerstart, EinSignalMeldetDenBenutzerAbUndBeendet) {
    starten(erster);
    ASSERT_TRUE(WartenBis([&] { return PlanerHoert(tempOrdner()); }, kStartFrist));
    const QString netwatch = umgebung.programm() + QStringLiteral("/NetWatch.Ini");
    auto angemeldet = [&] {
        return !IniLesen(netwatch, QStringLiteral("UserJetzt"), QStringLiteral("User")).isEmpty();
    };
    ASSERT_TRUE(WartenBis(angemeldet, kStartFrist));
    erster.terminate();  // SIGTERM
    ASSERT_TRUE(erster.waitForFinished(30000));
    EXPECT_EQ(erster.exitStatus(), QProcess::NormalExit);
    EXPECT_FALSE(angemeldet());
}

TEST_F(Planerstart, NachAbsturzStartetDerNaechsteAlsErster) {
    starten(erster);
    ASSERT_TRUE(WartenBis([&] { return PlanerHoert(tempOrdner()); }, kStartFrist));
    erster.kill();  // leaves its socket behind
    ASSERT_TRUE(erster.waitForFinished(5000));
    EXPECT_FALSE(PlanerHoert(tempOrdner()));

    starten(zweiter);
    EXPECT_TRUE(WartenBis([&] { return PlanerHoert(tempOrdner()); }, kStartFrist));
    EXPECT_EQ(zweiter.state(), QProcess::Running);
}
