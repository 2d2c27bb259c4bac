#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "output/programmstart.h"
#include "testsupport/testsupport.h"

using namespace kronel;

namespace {

QStringList Liste(std::initializer_list<const char*> teile) {
    QStringList l;
    for (const char* t : teile) {
        l.append(QString::fromUtf8(t));
    }
    return l;
}

void ArgumenteSindWie(const char* zeile, std::initializer_list<const char*> erwartet) {
    const Befehl b = BefehlszeileZerlegen(QString::fromUtf8(zeile));
    EXPECT_EQ(b.programm, QStringLiteral("prog")) << zeile;
    EXPECT_EQ(b.argumente, Liste(erwartet)) << zeile;
}

class ProgrammStart : public ::testing::Test {
protected:
    // An executable file in the test's program folder (or below it).
    QString Programm(const QString& relativ) {
        const QString pfad = umgebung.programm() + QLatin1Char('/') + relativ;
        umgebung.schreiben(pfad, "#!/bin/sh\n");
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return pfad;
    }
    test::TestUmgebung umgebung{QStringLiteral("Kronel")};
};

}  // namespace

TEST(Befehlszeile, SplitsAsWindowsCommandLines) {
    // The rules' own examples of the Windows runtime.
    ArgumenteSindWie(R"(prog "a b c" d e)", {"a b c", "d", "e"});
    ArgumenteSindWie(R"(prog "ab\"c" "\\" d)", {"ab\"c", "\\", "d"});
    ArgumenteSindWie(R"(prog a\\\b d"e f"g h)", {"a\\\\\\b", "de fg", "h"});
    ArgumenteSindWie(R"(prog a\\\"b c d)", {"a\\\"b", "c", "d"});
    ArgumenteSindWie(R"(prog a\\\\"b c" d e)", {"a\\\\b c", "d", "e"});
    ArgumenteSindWie(R"(prog a"b"" c d)", {"ab\" c d"});
    // Empty quotes are an empty argument; tabs and runs of blanks separate.
    ArgumenteSindWie("  prog \"\" x\t\ty  ", {"", "x", "y"});
    ArgumenteSindWie("prog", {});
}

TEST(Befehlszeile, TheProgramRunsToTheNextQuoteOrBlank) {
    Befehl b =
        BefehlszeileZerlegen(QStringLiteral(R"("C:\Programme\Mein Werkzeug\w.exe" -a "x y")"));
    EXPECT_EQ(b.programm, QStringLiteral(R"(C:\Programme\Mein Werkzeug\w.exe)"));
    EXPECT_EQ(b.argumente, Liste({"-a", "x y"}));
    // No escapes in the program name: the backslash before the quote stays.
    b = BefehlszeileZerlegen(QStringLiteral(R"("c:\ordner\" weiter)"));
    EXPECT_EQ(b.programm, QStringLiteral(R"(c:\ordner\)"));
    EXPECT_EQ(b.argumente, Liste({"weiter"}));
    b = BefehlszeileZerlegen(QStringLiteral(R"(c:\werkzeuge\w.exe c:\daten\brief.txt)"));
    EXPECT_EQ(b.programm, QStringLiteral(R"(c:\werkzeuge\w.exe)"));
    EXPECT_EQ(b.argumente, Liste({R"(c:\daten\brief.txt)"}));
}

TEST(TerminProgramm, TheThreeForms) {
    EXPECT_FALSE(TerminProgrammLesen(QStringLiteral("Zahnarzt @ 10 Uhr")));

    auto p = TerminProgrammLesen(QStringLiteral("@werkzeug -a"));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->befehlszeile, QStringLiteral("werkzeug -a"));
    EXPECT_FALSE(p->frage);

    p = TerminProgrammLesen(QStringLiteral("@Sicherung machen?°°°°@sichern /alles"));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->frage, QStringLiteral("Sicherung machen?"));
    EXPECT_EQ(p->befehlszeile, QStringLiteral("sichern /alles"));

    p = TerminProgrammLesen(QStringLiteral("@@/usr/bin/werkzeug"));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->frage, QStringLiteral("Soll das Programm »/usr/bin/werkzeug« gestartet werden?"));
    EXPECT_EQ(p->befehlszeile, QStringLiteral("/usr/bin/werkzeug"));
}

TEST_F(ProgrammStart, ATextWithoutTheMarkIsTheResultItself) {
    QString text = QStringLiteral("Zahnarzt");
    EXPECT_EQ(ProgrammAusTerminStarten(text), QStringLiteral("Zahnarzt"));
    EXPECT_TRUE(umgebung.prozesse.starts.empty());
}

TEST_F(ProgrammStart, ABareNameStartsAtOnceInTheProgramFolder) {
    const QString pfad = Programm(QStringLiteral("werkzeug"));
    QString text = QStringLiteral("@Werkzeug.exe");
    EXPECT_EQ(ProgrammAusTerminStarten(text), QString());
    EXPECT_EQ(text, QStringLiteral("Werkzeug.exe"));
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].programm, pfad);
    EXPECT_TRUE(umgebung.prozesse.starts[0].argumente.isEmpty());
    EXPECT_EQ(umgebung.prozesse.starts[0].arbeitsordner, umgebung.programm());
}

TEST_F(ProgrammStart, AQuestionIsAskedFirstAndOnlyYesStarts) {
    Programm(QStringLiteral("sichern"));
    umgebung.meldungen.antworten({Antwort::Ja, Antwort::Nein});
    for (int i = 0; i < 2; ++i) {
        QString text = QStringLiteral("@Sicherung machen?°°@sichern -z \"Eigene Dateien\"");
        EXPECT_EQ(ProgrammAusTerminStarten(text), QString());
    }
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    const auto& box = umgebung.meldungen.boxen[0];
    EXPECT_EQ(box.text, QStringLiteral("Sicherung machen?"));
    EXPECT_EQ(box.titel, QStringLiteral("Kronel Programmstart"));
    EXPECT_EQ(box.stil, Box::JaNein | Box::Frage);
    EXPECT_EQ(box.tonVorher, QStringList{QStringLiteral("#SystemQuestion")});
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].argumente, Liste({"-z", "Eigene Dateien"}));
}

TEST_F(ProgrammStart, AFullPathRunsInItsOwnFolderWhateverTheArgumentsName) {
    const QString pfad = Programm(QStringLiteral("werkzeuge/bild"));
    umgebung.meldungen.antworten({Antwort::Ja});
    QString text = QStringLiteral("@@") + pfad + QStringLiteral(" /tmp/anderswo/datei.txt");
    EXPECT_EQ(ProgrammAusTerminStarten(text), QString());
    EXPECT_EQ(umgebung.meldungen.boxen.at(0).text,
              QStringLiteral("Soll das Programm »") + text + QStringLiteral("« gestartet werden?"));
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].programm, pfad);
    EXPECT_EQ(umgebung.prozesse.starts[0].arbeitsordner,
              umgebung.programm() + QStringLiteral("/werkzeuge"));
    EXPECT_EQ(umgebung.prozesse.starts[0].argumente, Liste({"/tmp/anderswo/datei.txt"}));
    // The output program's own working folder stays where it was.
    EXPECT_NE(QDir::currentPath(), umgebung.programm() + QStringLiteral("/werkzeuge"));
}

TEST_F(ProgrammStart, AWindowsPathCountsFromTheProgramFolderWithoutRegardToCase) {
    const QString pfad = Programm(QStringLiteral("Werkzeuge/Bild"));
    QString text = QStringLiteral(R"(@werkzeuge\bild.exe x)");
    EXPECT_EQ(ProgrammAusTerminStarten(text), QString());
    ASSERT_EQ(umgebung.prozesse.starts.size(), 1u);
    EXPECT_EQ(umgebung.prozesse.starts[0].programm, pfad);
    EXPECT_EQ(umgebung.prozesse.starts[0].arbeitsordner,
              umgebung.programm() + QStringLiteral("/Werkzeuge"));
}

TEST_F(ProgrammStart, AFailedStartGivesAReportLine) {
    QString text = QStringLiteral("@fehlt.exe -x");
    EXPECT_EQ(ProgrammAusTerminStarten(text),
              QStringLiteral(" !!! Fehler beim Starten von »fehlt.exe -x«, Datei nicht gefunden."));
    text = QStringLiteral(R"(@C:\Programme\w.exe)");
    EXPECT_EQ(ProgrammAusTerminStarten(text),
              QStringLiteral(
                  " !!! Fehler beim Starten von »C:\\Programme\\w.exe«, Pfad nicht gefunden."));
    text = QStringLiteral("@");
    EXPECT_TRUE(ProgrammAusTerminStarten(text).startsWith(
        QStringLiteral(" !!! Fehler beim Starten von »«")));

    Programm(QStringLiteral("werkzeug"));
    umgebung.prozesse.naechsterFehler = Fehler(FehlerNr::ZugriffVerweigert);
    text = QStringLiteral("@werkzeug");
    EXPECT_EQ(ProgrammAusTerminStarten(text),
              QStringLiteral(" !!! Fehler beim Starten von »werkzeug«, Zugriff verweigert."));
    EXPECT_TRUE(umgebung.prozesse.starts.empty());
    // A file that may not be run is not handed to the start at all.
    umgebung.schreiben(umgebung.programm() + QStringLiteral("/notizen.txt"), "x");
    text = QStringLiteral("@notizen.txt");
    EXPECT_EQ(ProgrammAusTerminStarten(text),
              QStringLiteral(" !!! Fehler beim Starten von »notizen.txt«, Zugriff verweigert."));
    EXPECT_TRUE(umgebung.prozesse.starts.empty());
}

TEST_F(ProgrammStart, ShiftOrCapsLockHoldTheStartBack) {
    Programm(QStringLiteral("werkzeug"));
    umgebung.tastatur.feststell = true;
    QString text = QStringLiteral("@werkzeug");
    EXPECT_EQ(ProgrammAusTerminStarten(text), QString());
    umgebung.tastatur.feststell = false;
    umgebung.tastatur.umschalt = true;
    // Not even a missing program is reported while the keys hold the start back.
    text = QStringLiteral("@fehlt");
    EXPECT_EQ(ProgrammAusTerminStarten(text), QString());
    EXPECT_TRUE(umgebung.prozesse.starts.empty());
}
