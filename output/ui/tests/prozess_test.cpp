#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QProcess>

#include "common/einstellungen.h"
#include "common/fenster.h"
#include "platform/text.h"
#include "testsupport/pdf.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

}  // namespace

// The built program, offscreen, with the system clock: "/n /p" shows and prints
// the day's message into the PDF the printer surface writes, then ends after
// the output (KronelAutoEnde 0) with a saying of the shipped file before the end
// mark; a second start without "/n" ends at once.
TEST(Ausgabeprozess, ZeigtDrucktUndEndetEinmalAmTag) {
    KRONEL_PDFTOTEXT_NOETIG();
    const QDateTime start = QDateTime::currentDateTime();
    if (start.addSecs(120).date() != start.date()) {
        GTEST_SKIP() << "zu nah an Mitternacht";
    }
    test::TestUmgebung umgebung{L("Kronel")};
    IniSchreiben({}, L("Allgemein"), L("User"), L("Anna"));
    IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());
    IniSchreiben({}, L("Kronel"), L("KronelAutoEnde"), L("0"));
    IniSchreiben({}, L("Kronel"), L("ZufallsTermine"), L("1"));
    ASSERT_TRUE(QFile::copy(L(KRONEL_QUELLORDNER "/data/Kronel.Daz"),
                            umgebung.programm() + L("/Kronel.Daz")));
    umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"),
                       NachCp1252(L("..Kronelin ") + ProgrammVersionText() + L("\r\n") +
                                  start.date().toString(L("yyyyMMdd")) +
                                  L("-   -   -         -   Alle   Prozessprobe für Jürgen\r\n")));
    const QString pdf = umgebung.daten() + L("/ausgabe.pdf");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(L("QT_QPA_PLATFORM"), L("offscreen"));
    env.insert(L("KRONEL_DRUCKER_PDF"), pdf);

    QProcess kronel;
    kronel.setProcessEnvironment(env);
    kronel.start(L(KRONEL_AUSGABE), {L("/n"), L("/p")});
    ASSERT_TRUE(kronel.waitForFinished(30000));
    EXPECT_EQ(kronel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(kronel.exitCode(), 0);
    const QString text = test::PdfText(pdf).value_or(QString());
    EXPECT_TRUE(text.contains(L("Prozessprobe für Jürgen"))) << text.toStdString();
    EXPECT_TRUE(text.contains(L("*** Ende ***")));
    EXPECT_TRUE(text.contains(L("Meldungen für Anna.")));
    const QString zuletzt = IniLesen({}, L("Kronel"), L("ZufallsTermineZuletzt"), {});
    ASSERT_TRUE(zuletzt.startsWith(L(".0000."))) << zuletzt.toStdString();
    QFile daz(umgebung.programm() + L("/Kronel.Daz"));
    ASSERT_TRUE(daz.open(QIODevice::ReadOnly));
    const QStringList sprueche = ZeilenTeilen(AusCp1252(daz.readAll()));
    const QString spruch = sprueche.value(zuletzt.mid(6).toInt() - 1);
    const qsizetype satz = text.indexOf(L("Der Satz des Tages:"));
    EXPECT_GT(satz, text.indexOf(L("Prozessprobe für Jürgen")));
    // The saying's first words, before the wrap and any "~".
    const QString anfang = spruch.section(u' ', 0, 2).section(u'~', 0, 0);
    EXPECT_GT(text.indexOf(anfang, satz), satz) << anfang.toStdString();
    EXPECT_LT(text.indexOf(anfang, satz), text.indexOf(L("*** Ende ***")));
    const QString letzte = IniLesen({}, L("Kronel"), L("letzte_Ausgabe"), {});
    EXPECT_EQ(letzte.left(10), start.date().toString(L("dd.MM.yyyy")));

    QFile::remove(pdf);
    QProcess zweiter;
    zweiter.setProcessEnvironment(env);
    zweiter.start(L(KRONEL_AUSGABE), {L("/p")});
    ASSERT_TRUE(zweiter.waitForFinished(30000));  // a sanitizer build under load starts slowly
    EXPECT_EQ(zweiter.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(IniLesen({}, L("Kronel"), L("letzte_Ausgabe"), {}), letzte);
}
