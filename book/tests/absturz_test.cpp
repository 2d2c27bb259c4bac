#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

#include <signal.h>

#include <chrono>
#include <thread>

#include "absturz_buecher.h"
#include "book/buch.h"
#include "book/termindatei.h"
#include "common/modul.h"
#include "testsupport/testsupport.h"

using namespace kronel;

// A save killed at any moment leaves the old or the new book, never a torn one,
// and a complete backup.
TEST(Absturz, SpeichernUeberstehtKill) {
    test::TestUmgebung umgebung;
    const QByteArray a = TermindateiText(AbsturzBuch('A'), QStringLiteral("8.010090"));
    const QByteArray b = TermindateiText(AbsturzBuch('B'), QStringLiteral("8.010090"));
    const QString plD = umgebung.daten() + QStringLiteral("/Kronel.PlD");
    const QString bak = umgebung.daten() + QStringLiteral("/Kronel.BAK");
    umgebung.schreiben(plD, a);
    umgebung.schreiben(bak, a);
    // How long one save takes here: the kills are spread over three of them.
    std::chrono::microseconds dauer{0};
    {
        QProcess kind;
        kind.start(QStringLiteral(KRONEL_BUCH_SPEICHERER), {umgebung.daten()});
        ASSERT_TRUE(kind.waitForStarted());
        int zeilen = 0;
        std::chrono::steady_clock::time_point erste;
        while (zeilen < 4 && kind.waitForReadyRead(20000)) {
            while (kind.canReadLine()) {
                kind.readLine();
                if (++zeilen == 2) {
                    erste = std::chrono::steady_clock::now();
                }
            }
        }
        ASSERT_GE(zeilen, 4);
        dauer = std::chrono::duration_cast<std::chrono::microseconds>(
                    std::chrono::steady_clock::now() - erste) /
                2;
        ::kill(static_cast<pid_t>(kind.processId()), SIGKILL);
        kind.waitForFinished(20000);
    }
    QRandomGenerator zufall(99);
    int neueBuecher = 0;
    QByteArray vorher = a;
    // Under the sanitizers every start of the saver costs a second; fewer kills
    // there still land in every stage of a save.
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kRunden = 60;
#else
    constexpr int kRunden = 200;
#endif
    for (int runde = 0; runde < kRunden; ++runde) {
        QProcess kind;
        kind.start(QStringLiteral(KRONEL_BUCH_SPEICHERER),
                   {umgebung.daten(), QString::number(zufall.bounded(2))});
        ASSERT_TRUE(kind.waitForStarted());
        ASSERT_TRUE(kind.waitForReadyRead(20000));
        std::this_thread::sleep_for(
            std::chrono::microseconds(zufall.bounded(static_cast<int>(3 * dauer.count() + 1))));
        ::kill(static_cast<pid_t>(kind.processId()), SIGKILL);
        ASSERT_TRUE(kind.waitForFinished(20000));
        const QByteArray jetzt = umgebung.lesen(plD);
        ASSERT_TRUE(jetzt == a || jetzt == b)
            << "Runde " << runde << ", " << jetzt.size() << " Bytes";
        const QByteArray sicherung = umgebung.lesen(bak);
        ASSERT_TRUE(sicherung == a || sicherung == b)
            << "Runde " << runde << ", Sicherung " << sicherung.size() << " Bytes";
        neueBuecher += jetzt != vorher;
        vorher = jetzt;
    }
    // The kills did land while saves were under way.
    EXPECT_GT(neueBuecher, 10);

    // The next save whole removes what the killed ones left of their backups
    // and settings writes: the data folder holds only the programs' own files.
    modul().VersionText = QStringLiteral("8.010090");
    modul().DateiTermine = plD;
    modul().DateiAltes = umgebung.daten() + QStringLiteral("/Kronel.Old");
    Terminbuch buch;
    buch.ListeTermine = AbsturzBuch('A');
    buch.ListeAnzeige = buch.ListeTermine;
    buch.TerminIndex = 0;
    ASSERT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    EXPECT_EQ(QDir(umgebung.daten()).entryList(QDir::Files),
              (QStringList{QStringLiteral("Kronel.BAK"), QStringLiteral("Kronel.PlD"),
                           QStringLiteral("Kronel.PlD.lock")}));
    EXPECT_EQ(QDir(umgebung.windows()).entryList({QStringLiteral("*.tmp-*")}, QDir::Files),
              QStringList{});
}
