#include <gtest/gtest.h>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "platform/text.h"
#include "reminder/erinnerungsprogramm.h"
#include "termine.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

// Writes down what the shell asks of the window, in order.
class FakeOberflaeche final : public ErinnerungsOberflaeche {
public:
    void StatusZeigen(const QString& text) override { schritte.append(L("Status ") + text); }
    void ProgrammEnde() override { schritte.append(L("Ende")); }
    void ErinnerungZeigen(const QString& titel, const QString&, const QString&, const QString&,
                          const QStringList& eintraege) override {
        schritte.append(L("Zeigen ") + titel);
        liste = eintraege;
    }
    void AlarmSetzen(bool an) override { schritte.append(an ? L("Alarm an") : L("Alarm aus")); }
    void TaktSetzen(bool an) override { schritte.append(an ? L("Takt an") : L("Takt aus")); }
    void WarnZeigen(int index, int minuten, const QString& text) override {
        schritte.append(QStringLiteral("Warn%1 %2:").arg(index).arg(minuten) + text);
    }
    void NoBereichZeigen(bool an) override {
        schritte.append(an ? L("NoBereich an") : L("NoBereich aus"));
    }
    void NachVorne() override { schritte.append(L("Vorne")); }
    FensterSteuerelement& Fenster() override { return fenster; }

    QStringList schritte;
    QStringList liste;
    test::FakeFenster fenster;
};

class Programm : public ::testing::Test {
protected:
    Programm() {
        IniSchreiben({}, L("Kronel"), L("DirData"), umgebung.daten());
        Datei("..Kronelin 8.010090");
        umgebung.uhr.setzen(QDateTime(QDate(1999, 3, 12), QTime(8, 25)));
        oberflaeche.fenster.m = {100, 200, 4000, 3000};
    }
    void Datei(const char* kopf) {
        umgebung.schreiben(
            umgebung.daten() + L("/Kronel.PlD"),
            NachCp1252(L(kopf) + L("\r\n") + test::Termin("19990312", "-", "-", "08:30 Zahnarzt") +
                       L("\r\n")));
    }
    QString ini(const char* schluessel) { return IniLesen({}, L("Kronel"), L(schluessel), {}); }

    test::TestUmgebung umgebung{L("Kronelol")};
    FakeOberflaeche oberflaeche;
    Erinnerungsprogramm programm{oberflaeche};
};

}  // namespace

TEST_F(Programm, StartZeigtDieEinstellungenUndTicktDannZumErstenMal) {
    IniSchreiben({}, L("Kronel"), L("OL0"), L("12"));
    IniSchreiben({}, L("Kronel"), L("OLnoBereich"), L("0"));
    IniSchreiben({}, L("Kronel"), L("OLleft"), L("300"));
    ASSERT_TRUE(programm.Form_Load());
    EXPECT_EQ(
        oberflaeche.schritte,
        (QStringList{L("Warn0 12:  12 Min früher"), L("Warn1 2:  2 Min später"), L("NoBereich aus"),
                     L("Takt aus"), L("Status Lese Termine..."),
                     L("Zeigen Kronel Online 08:25, 1 Meldung"), L("Alarm an"), L("Takt an")}));
    EXPECT_EQ(oberflaeche.liste, QStringList{L("12.03.1999 (Fr)* 08:30 Zahnarzt")});
    EXPECT_EQ(oberflaeche.fenster.m.links, 300);
    EXPECT_EQ(oberflaeche.fenster.m.oben, 200);
}

TEST_F(Programm, AlteDatenBeendenDenStartOhneWeiterenTakt) {
    Datei("..Kronelin 3.490000");
    EXPECT_FALSE(programm.Form_Load());
    EXPECT_EQ(oberflaeche.schritte.count(L("Ende")), 1);
    EXPECT_FALSE(oberflaeche.schritte.contains(L("Takt an")));
    EXPECT_EQ(oberflaeche.schritte.last(), L("Alarm aus"));
}

TEST_F(Programm, EndeSpeichertEinstellungenUndLageUndEndetZuletzt) {
    ASSERT_TRUE(programm.Form_Load());
    programm.laufWarn_Change(1, 7);
    EXPECT_EQ(oberflaeche.schritte.last(), L("Warn1 7:  7 Min später"));
    oberflaeche.fenster.m.links = 450;
    programm.mnuEnde_Click();
    EXPECT_EQ(ini("OL1"), L("7"));
    EXPECT_EQ(ini("OLleft"), L("450"));
    EXPECT_EQ(ini("OLTop"), L("200"));
    EXPECT_EQ(umgebung.hilfe.aufrufe, QStringList{L("schliessen")});
    EXPECT_EQ(oberflaeche.schritte.last(), L("Ende"));
}

// The reminder runs unattended: settings it cannot write on a full disk are
// noted in the log once, and no box waits for anybody.
TEST_F(Programm, SchreibfehlerStehtNurImProtokoll) {
    IniSchreiben({}, L("Kronel"), L("OLneu"), L("1"));  // the first tick sets it back
    umgebung.datentraeger.platz = 0;
    testing::internal::CaptureStderr();
    ASSERT_TRUE(programm.Form_Load());
    programm.mnuEnde_Click();
    const QString protokoll = QString::fromLocal8Bit(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    EXPECT_EQ(protokoll.count(L("[Kronelol] Die Einstellungsdatei »") + umgebung.riviror() +
                              L("« konnte nicht geschrieben werden: Datenträger voll.")),
              1)
        << qPrintable(protokoll);
}
