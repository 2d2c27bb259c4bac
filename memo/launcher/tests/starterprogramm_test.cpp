#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "launcher/starterprogramm.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

// Writes down what the shell asks of the window, in order.
class FakeOberflaeche final : public StarterOberflaeche {
public:
    void EinstellungenZeigen(bool alsSymbol, const QString& uhrzeit,
                             const QString& stunden) override {
        schritte.append(
            QStringLiteral("Einstellungen %1 %2 %3").arg(alsSymbol).arg(uhrzeit, stunden));
    }
    void Anzeigen(const QString& titel, const QString& letzteAusgabe) override {
        schritte.append(titel + L(" / ") + letzteAusgabe);
    }
    void TaktStarten() override { schritte.append(L("Takt")); }
    FensterSteuerelement& Fenster() override { return fenster; }
    void ProgrammEnde() override { schritte.append(L("Ende")); }

    QStringList schritte;
    test::FakeFenster fenster;
};

class Programm : public ::testing::Test {
protected:
    Programm() { umgebung.uhr.setzen(QDateTime(QDate(2026, 12, 9), QTime(9, 5))); }
    QString ini(const char* schluessel) { return IniLesen({}, L("Kronel"), L(schluessel), {}); }

    test::TestUmgebung umgebung{L("KronMemo")};
    FakeOberflaeche oberflaeche;
    Starterprogramm programm{oberflaeche};
};

}  // namespace

TEST_F(Programm, StartZeigtDieEinstellungenVorDemTakt) {
    IniSchreiben({}, L("Kronel"), L("MemoStartAsSym"), L("0"));
    IniSchreiben({}, L("Kronel"), L("MemoNextRel"), L("6"));
    IniSchreiben({}, L("Kronel"), L("letzte_Ausgabe"), L("09.12.2026 08:35:00"));
    programm.Form_Load();
    programm.Zeit_Timer();
    EXPECT_EQ(oberflaeche.schritte, (QStringList{L("Einstellungen 0 01:00:00 6"), L("Takt"),
                                                 L("Kronel Memo, 9:05 / vor 30,0 Minuten.")}));
}

TEST_F(Programm, JederWegHinausSpeichertEinmal) {
    programm.Form_Load();
    programm.Logik().txtOutAbs = L("07:45");
    programm.Form_QueryUnload();
    EXPECT_EQ(ini("MemoNextAbs"), L("07:45"));
    EXPECT_EQ(oberflaeche.schritte.last(), L("Ende"));

    programm.Logik().txtOutAbs = L("08:00");
    programm.Form_QueryUnload();
    EXPECT_EQ(ini("MemoNextAbs"), L("07:45"));
    EXPECT_EQ(oberflaeche.schritte.count(L("Ende")), 2);
}
