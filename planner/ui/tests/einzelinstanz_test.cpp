#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include "platform_qt/oberflaeche_qt.h"
#include "testsupport/testsupport.h"

using namespace kronel;

namespace {

// The planner's socket lies in the temporary folder the test gives it.
bool PlanerHoert(const QString& tempOrdner) {
    QLocalSocket s;
    s.connectToServer(tempOrdner + QLatin1Char('/') +
                      QtInstanzen::KanalName(QStringLiteral("Kronelin")));
    const bool verbunden = s.waitForConnected(200);
    s.abort();
    return verbunden;
}

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

TEST_F(Planerstart, ZweiterPlanerGibtAbUndEndetBinnenZweiSekunden) {
    starten(erster);
    ASSERT_TRUE(WartenBis([&] { return PlanerHoert(tempOrdner()); }, 10000));

    starten(zweiter);
    ASSERT_TRUE(zweiter.waitForFinished(2000));
    EXPECT_EQ(zweiter.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(zweiter.exitCode(), 0);
    EXPECT_EQ(erster.state(), QProcess::Running);
    EXPECT_TRUE(PlanerHoert(tempOrdner()));
}

TEST_F(Planerstart, NachAbsturzStartetDerNaechsteAlsErster) {
    starten(erster);
    ASSERT_TRUE(WartenBis([&] { return PlanerHoert(tempOrdner()); }, 10000));
    erster.kill();  // leaves its socket behind
    ASSERT_TRUE(erster.waitForFinished(5000));
    EXPECT_FALSE(PlanerHoert(tempOrdner()));

    starten(zweiter);
    EXPECT_TRUE(WartenBis([&] { return PlanerHoert(tempOrdner()); }, 10000));
    EXPECT_EQ(zweiter.state(), QProcess::Running);
}
