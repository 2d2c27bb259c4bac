#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>

#include "book/buch.h"
#include "common/einstellungen.h"
#include "common/modul.h"
#include "platform/dienste.h"
#include "platform/text.h"
#include "testsupport/sonderdateien.h"
#include "testsupport/testsupport.h"

using namespace kronel;

namespace {

QByteArray Golden(const QString& name) {
    QFile f(QStringLiteral(KRONEL_TESTDATEN "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class AufnahmeFenster final : public BuchFenster {
public:
    void StatusZeigen(const QString& text) override { status.append(text); }
    void FelderSetzen(const TerminFelder& f) override { felder = f; }
    void EreignisseZulassen() override {
        if (beimPumpen) {
            beimPumpen();
        }
    }
    QStringList status;
    TerminFelder felder;
    std::function<void()> beimPumpen;
};

class Buch : public ::testing::Test {
protected:
    void SetUp() override {
        modul().VersionText = QStringLiteral("8.010090");
        modul().DatenVerzeichnis = umgebung.daten();
        modul().DateiTermine = plD;
        modul().DateiAltes = umgebung.daten() + QStringLiteral("/Kronel.Old");
        modul().DateiNotizen = umgebung.daten() + QStringLiteral("/Kronel.Txt");
    }
    QByteArray Datei(const QString& name) const {
        return umgebung.lesen(umgebung.daten() + QLatin1Char('/') + name);
    }
    QStringList Boxtexte() const {
        QStringList r;
        for (const auto& b : umgebung.meldungen.boxen) {
            r.append(b.text);
        }
        return r;
    }
    QStringList Gesichert() const {
        return QDir(umgebung.daten())
            .entryList({QStringLiteral("Kronel.PlD.2*")}, QDir::Files, QDir::Name);
    }
    // The book and every version kept beside it.
    QByteArray Alles() const {
        QByteArray alles = Datei(QStringLiteral("Kronel.PlD"));
        for (const QString& g : Gesichert()) {
            alles += Datei(g);
        }
        return alles;
    }
    static Speicherung Anlegen(Terminbuch& b, const QString& text) {
        b.TerminAnlegen(QStringLiteral("24.12.2026"), {}, {}, {}, {}, {}, text);
        return b.TermineSpeichern();
    }

    test::TestUmgebung umgebung;
    QString plD = umgebung.daten() + QStringLiteral("/Kronel.PlD");
    AufnahmeFenster fenster;
    Terminbuch buch{&fenster};
};

}  // namespace

TEST_F(Buch, LadenPrueftRolltUndOrdnet) {
    umgebung.schreiben(plD, Golden(QStringLiteral("aktuell.PlD")));
    const LadeErgebnis e = buch.TermineLaden();
    EXPECT_FALSE(e.beenden || e.abgebrochen);
    ASSERT_EQ(buch.ListeTermine.size(), 6);
    EXPECT_EQ(buch.ListeAnzeige.size(), 6);
    EXPECT_EQ(buch.ListeAnzeige[0], QStringLiteral("09.12.2026 Mi: heute"));
    EXPECT_EQ(buch.ListeAnzeige[1], QStringLiteral("14.12.2026 Mo: Chor {ZyklusZähler:8}"));
    EXPECT_EQ(buch.TerminIndex, 0);
    EXPECT_EQ(buch.ListIndex, 0);
    EXPECT_EQ(buch.Ungespeichert, 0);
    EXPECT_EQ(fenster.felder.STMeldung, QStringLiteral("heute"));
    EXPECT_EQ(fenster.status.front(), QStringLiteral("Termine laden..."));
    EXPECT_EQ(fenster.status.back(), QStringLiteral("Bereit"));
    EXPECT_EQ(Datei(QStringLiteral("Kronel.Old")), QByteArray("08.12.2026 Gestern vorbei\r\n"));
    // The unreadable line is kept, not lost, and the user is told.
    EXPECT_EQ(Datei(QStringLiteral("Kronel.Rest")), QByteArray("kaputt ohne Datum\r\n"));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(Boxtexte()[0].contains(QStringLiteral("Eine Zeile der Terminliste")));
    EXPECT_TRUE(Boxtexte()[0].contains(QStringLiteral("Kronel.Rest")));
    EXPECT_TRUE(buch.Unvollstaendig);
}

TEST_F(Buch, SpeichernSchreibtKopfUndDatumsordnung) {
    const QByteArray original = Golden(QStringLiteral("aktuell.PlD"));
    umgebung.schreiben(plD, original);
    umgebung.schreiben(plD + QStringLiteral(".neu"), "halb geschrieben");
    buch.TermineLaden();
    buch.Ungespeichert = 1;
    EXPECT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    EXPECT_EQ(umgebung.lesen(plD), Golden(QStringLiteral("aktuell_gespeichert.PlD")));
    EXPECT_EQ(Datei(QStringLiteral("Kronel.BAK")), original);
    EXPECT_EQ(IniLesen({}, {}, QStringLiteral("OLneu")), QStringLiteral("1"));
    EXPECT_EQ(buch.Ungespeichert, 0);
    EXPECT_FALSE(QFile::exists(plD + QStringLiteral(".neu")));
    // The incomplete book kept its original once, and said where.
    ASSERT_EQ(Gesichert(), QStringList{QStringLiteral("Kronel.PlD.20261209-093000")});
    EXPECT_EQ(Datei(Gesichert()[0]), original);
    EXPECT_TRUE(Boxtexte().last().contains(QStringLiteral("Kronel.PlD.20261209-093000")));
    // The second save keeps nothing more: the first one wrote every record.
    umgebung.uhr.weiter(60);
    EXPECT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    EXPECT_EQ(Gesichert().size(), 1);
    EXPECT_EQ(Datei(QStringLiteral("Kronel.BAK")),
              Golden(QStringLiteral("aktuell_gespeichert.PlD")));
}

TEST_F(Buch, ErsterStartOhneDatei) {
    const LadeErgebnis e = buch.TermineLaden();
    EXPECT_FALSE(e.beenden || e.abgebrochen);
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    // The default record lies in the past: archived, then added again by the check.
    EXPECT_EQ(buch.ListeTermine, QStringList{Standardtermin()});
    EXPECT_EQ(buch.ListeAnzeige, QStringList{QStringLiteral("31.12.1999 Silvester")});
    EXPECT_EQ(Datei(QStringLiteral("Kronel.Old")), QByteArray("31.12.1999 Silvester\r\n"));
    EXPECT_FALSE(buch.Unvollstaendig);
    EXPECT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    EXPECT_EQ(umgebung.lesen(plD),
              QByteArray("..Kronelin 8.010090\r\n" + NachCp1252(Standardtermin()) + "\r\n"));
    EXPECT_EQ(Datei(QStringLiteral("Kronel.Old")),
              QByteArray("31.12.1999 Silvester\r\n31.12.1999 Silvester\r\n"));
    EXPECT_TRUE(Gesichert().isEmpty());
}

TEST_F(Buch, NurSicherungVorhanden) {
    const QByteArray sicherung = Golden(QStringLiteral("aktuell_gespeichert.PlD"));
    umgebung.schreiben(umgebung.daten() + QStringLiteral("/Kronel.BAK"), sicherung);
    buch.TermineLaden();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(Boxtexte()[0].contains(QStringLiteral("Kronel.BAK")));
    EXPECT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    buch.TermineSpeichern();
    ASSERT_EQ(Gesichert().size(), 1);
    EXPECT_EQ(Datei(Gesichert()[0]), sicherung);
}

TEST_F(Buch, NurLesenAendertKeineDatei) {
    umgebung.schreiben(plD, Golden(QStringLiteral("aktuell.PlD")));
    const QStringList namen{QStringLiteral("Kronel.PlD"), QStringLiteral("Kronel.BAK"),
                            QStringLiteral("Kronel.Old"), QStringLiteral("Kronel.Txt")};
    for (const QString& n : namen.mid(1)) {
        umgebung.schreiben(umgebung.daten() + QLatin1Char('/') + n, n.toLatin1() + "\r\n");
    }
    QList<QByteArray> vorher;
    for (const QString& n : namen) {
        vorher.append(Datei(n));
    }
    modul().NurLesen = true;
    buch.TermineLaden();
    // Expired appointments leave the book in memory all the same.
    EXPECT_EQ(buch.ListeTermine.size(), 6);
    buch.Ungespeichert = 1;
    EXPECT_EQ(buch.TermineSpeichern(), Speicherung::NurLesen);
    EXPECT_EQ(buch.Ungespeichert, 1);
    for (qsizetype i = 0; i < namen.size(); ++i) {
        EXPECT_EQ(Datei(namen[i]), vorher[i]) << qPrintable(namen[i]);
    }
    EXPECT_FALSE(QFile::exists(umgebung.daten() + QStringLiteral("/Kronel.Rest")));
    EXPECT_EQ(IniLesen({}, {}, QStringLiteral("OLneu"), QStringLiteral("leer")),
              QStringLiteral("leer"));
}

TEST_F(Buch, MisslungenesSpeichernBehaeltDieAlteDatei) {
    const QByteArray alt = Golden(QStringLiteral("aktuell_gespeichert.PlD"));
    umgebung.schreiben(plD, alt);
    buch.TermineLaden();
    buch.TerminAnlegen(QStringLiteral("01.03.2027"), {}, {}, {}, {}, {}, QStringLiteral("neu"));
    ASSERT_EQ(buch.Ungespeichert, 1);
    // A read-only file, a full disk, a device lost at the flush, a refused rename.
    test::AusfallDatentraeger& d = umgebung.datentraeger;
    const struct {
        std::function<void()> ausfall;
        QString grund;
    } faelle[] = {
        {[&] { QFile::setPermissions(plD, QFile::ReadOwner | QFile::ReadGroup); },
         QStringLiteral("Zugriff verweigert (70).")},
        {[&] { d.platz = 0; }, QStringLiteral("Datenträger voll (61).")},
        {[&] { d.sichernScheitert = true; }, QStringLiteral("Datenträger nicht bereit (71).")},
        {[&] { d.umbenennenScheitert = true; }, QStringLiteral("Zugriff verweigert (70).")},
    };
    for (const auto& fall : faelle) {
        fall.ausfall();
        // Whatever the user answers, the save counts as failed.
        umgebung.meldungen.antworten({Antwort::Ignorieren});
        EXPECT_EQ(buch.TermineSpeichern(), Speicherung::Fehlgeschlagen) << qPrintable(fall.grund);
        EXPECT_EQ(buch.Ungespeichert, 1);
        EXPECT_EQ(umgebung.lesen(plD), alt);
        EXPECT_FALSE(QFile::exists(plD + QStringLiteral(".neu")));
        EXPECT_TRUE(Boxtexte().last().startsWith(
            QStringLiteral("Es ist ein Fehler beim Speichern der Termine aufgetreten.")));
        EXPECT_TRUE(Boxtexte().last().contains(fall.grund)) << qPrintable(Boxtexte().last());
        EXPECT_NE(IniLesen({}, {}, QStringLiteral("OLneu")), QStringLiteral("1"));
        QFile::setPermissions(plD, QFile::ReadOwner | QFile::WriteOwner);
        d.platz.reset();
        d.sichernScheitert = d.umbenennenScheitert = false;
    }
    EXPECT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    EXPECT_EQ(buch.Ungespeichert, 0);
}

TEST_F(Buch, SpeichernWirdNichtWiederBetreten) {
    buch.TermineLaden();
    Speicherung innen = Speicherung::Gespeichert;
    fenster.beimPumpen = [&] { innen = buch.TermineSpeichern(); };
    EXPECT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    EXPECT_EQ(innen, Speicherung::LaeuftSchon);
}

TEST_F(Buch, AlteDosDaten) {
    const QByteArray dos("..Kronelin 3.48\r\n01.01.1990 irgendwas\r\n");
    umgebung.schreiben(plD, dos);
    umgebung.meldungen.antworten({Antwort::Nein});
    EXPECT_TRUE(buch.TermineLaden().beenden);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, QStringLiteral("Kronel 3,48"));
    EXPECT_EQ(umgebung.meldungen.boxen[0].tonVorher,
              QStringList{QStringLiteral("#SystemExclamation")});
    EXPECT_TRUE(Boxtexte()[0].startsWith(QStringLiteral("Oh, die Termine stammen")));

    // Yes: an empty book; the old file is kept once before it is overwritten.
    Terminbuch zweites(&fenster);
    umgebung.meldungen.antworten({Antwort::Ja});
    EXPECT_FALSE(zweites.TermineLaden().beenden);
    EXPECT_EQ(zweites.ListeTermine, QStringList{Standardtermin()});
    zweites.TermineSpeichern();
    zweites.TermineSpeichern();
    ASSERT_EQ(Gesichert().size(), 1);
    EXPECT_EQ(Datei(Gesichert()[0]), dos);
}

TEST_F(Buch, AltesLayoutWirdUmgesetzt) {
    umgebung.schreiben(plD, Golden(QStringLiteral("alt.PlD")));
    buch.TermineLaden();
    EXPECT_EQ(buch.Ungespeichert, 0);
    // Two lines without a valid date: the bad one and the empty one.
    ASSERT_GE(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_EQ(umgebung.meldungen.boxen[0].titel, QStringLiteral("Kronel 3,49"));
    EXPECT_EQ(Boxtexte()[0], QStringLiteral("Der Termin »32.13.2027 Kaputt") + QString(54, u' ') +
                                 QStringLiteral("« enthält ein ungültiges Datum und wird nicht "
                                                "übernommen!"));
    EXPECT_EQ(Boxtexte()[1], QStringLiteral("Der Termin » « enthält ein ungültiges Datum und "
                                            "wird nicht übernommen!"));
    buch.TermineSpeichern();
    EXPECT_EQ(umgebung.lesen(plD), Golden(QStringLiteral("alt_gespeichert.PlD")));
    EXPECT_TRUE(Datei(QStringLiteral("Kronel.Rest")).startsWith("32.13.2027"));
}

TEST_F(Buch, KopfzeilenUndVersionen) {
    struct Fall {
        QByteArray kopf;
        qsizetype termine;  // records read from the one line below
        bool frage;         // the DOS question
    };
    const QByteArray zeile("20271231-   -   -         -   Alle   Silvester 2027\r\n");
    const Fall faelle[] = {
        {"..Kronelin 8.010090", 1, false}, {"..Kronelin ", 1, false},
        {"..Kronelin 4.00", 1, false},     {"..Kronelin 0.50", 0, false},
        {"..Kronelin 3.48", 0, true},      {"..Kronelin 1.00", 0, true},
        {"..Kronelin -1.0", 1, false},     {"..Kronelin  .50", 0, false},
    };
    for (const Fall& f : faelle) {
        umgebung.meldungen.boxen.clear();
        umgebung.meldungen.antworten({Antwort::Ja});
        umgebung.schreiben(plD, f.kopf + "\r\n" + zeile);
        Terminbuch b;
        b.TermineLaden();
        const bool mitTermin = b.ListeTermine.contains(QString::fromLatin1(zeile.chopped(2)));
        EXPECT_EQ(mitTermin, f.termine == 1) << f.kopf.constData();
        EXPECT_EQ(!umgebung.meldungen.boxen.empty() &&
                      umgebung.meldungen.boxen[0].text.startsWith(QStringLiteral("Oh")),
                  f.frage)
            << f.kopf.constData();
        if (!f.frage) {
            umgebung.meldungen.antworten({});
        }
        while (umgebung.meldungen.offeneAntworten() > 0) {
            umgebung.meldungen.zeigen({}, 0, {});
        }
    }
}

TEST_F(Buch, ErsteZeileIstImmerKopf) {
    const QByteArray termin("20271231-   -   -         -   Alle   erste\r\n");
    umgebung.schreiben(plD, termin + "20271230-   -   -         -   Alle   zweite\r\n");
    buch.TermineLaden();
    ASSERT_EQ(buch.ListeTermine.size(), 1);
    EXPECT_TRUE(buch.ListeTermine[0].endsWith(QStringLiteral("zweite")));
    // Not a record, but not lost either.
    EXPECT_EQ(Datei(QStringLiteral("Kronel.Rest")), termin);
}

TEST_F(Buch, RestZeilenWiederholterStartsHaeufenSichNicht) {
    umgebung.schreiben(plD,
                       "20271231-   -   -         -   Alle   Kopf\r\nkaputt eins\r\n"
                       "20271230-   -   -         -   Alle   gut\r\nkaputt zwei\r\n");
    // An older, different line stays; a line merely ending like ours is no copy.
    umgebung.schreiben(umgebung.daten() + QStringLiteral("/Kronel.Rest"),
                       "alt\r\nx20271231-   -   -         -   Alle   Kopf\r\n");
    const QByteArray erwartet =
        "alt\r\nx20271231-   -   -         -   Alle   Kopf\r\n20271231-   -   -         -   Alle   "
        "Kopf\r\n"
        "kaputt eins\r\nkaputt zwei\r\n";
    for (int start = 0; start < 3; ++start) {
        Terminbuch neu(&fenster);
        neu.TermineLaden();  // each start ends without a save
        EXPECT_EQ(Datei(QStringLiteral("Kronel.Rest")), erwartet) << start;
    }
    // Only the part not yet at the end goes on.
    umgebung.schreiben(umgebung.daten() + QStringLiteral("/Kronel.Rest"),
                       "20271231-   -   -         -   Alle   Kopf\r\nkaputt eins\r\n");
    buch.TermineLaden();
    EXPECT_EQ(Datei(QStringLiteral("Kronel.Rest")),
              "20271231-   -   -         -   Alle   Kopf\r\nkaputt eins\r\nkaputt zwei\r\n");
}

TEST_F(Buch, TerminAnlegen) {
    IniSchreiben({}, {}, QStringLiteral("Tagefrüher"), QStringLiteral("3T"));
    buch.TermineLaden();
    EXPECT_EQ(buch.TerminAnlegen(QStringLiteral("kein Datum"), {}, {}, {}, {}, {}, {}), 1);
    EXPECT_EQ(buch.ListeTermine.last(), QStringLiteral("202612093T  -   -         -   Alle   ?"));
    EXPECT_EQ(buch.TerminIndex, buch.ListeTermine.size() - 1);
    EXPECT_EQ(buch.ListIndex, buch.TerminIndex);
    EXPECT_EQ(buch.Ungespeichert, 1);
    EXPECT_EQ(buch.ListeAnzeige.last(), QStringLiteral("09.12.2026 Mi: ?"));

    while (buch.ListeTermine.size() <= TermineHoechstzahl) {
        buch.ListeTermine.append(buch.ListeTermine.last());
        buch.ListeAnzeige.append(buch.ListeAnzeige.last());
    }
    ASSERT_EQ(buch.ListeTermine.size(), TermineHoechstzahl + 1);
    EXPECT_EQ(buch.TerminAnlegen(QStringLiteral("01.01.2027"), {}, {}, {}, {}, {}, {}), 0);
    EXPECT_EQ(buch.ListeTermine.size(), TermineHoechstzahl + 1);
}

TEST_F(Buch, MehrAlsDreissigtausendWerdenGeladen) {
    QByteArray inhalt("..Kronelin 8.010090\r\n");
    for (int i = 0; i < 30500; ++i) {
        inhalt += "20271231-   -   -         -   Alle   Termin\r\n";
    }
    umgebung.schreiben(plD, inhalt);
    buch.TermineLaden();
    EXPECT_EQ(buch.ListeTermine.size(), 30500);
    buch.TermineSpeichern();
    EXPECT_EQ(umgebung.lesen(plD), inhalt);
}

TEST_F(Buch, EingabeOhneAenderung) {
    buch.TermineLaden();
    buch.TerminAnlegen(QStringLiteral("01.01.2027"), {}, {}, {}, {}, {}, QStringLiteral("a"));
    buch.Ungespeichert = 0;
    const TerminFelder f = TerminZerlegen(buch.ListeTermine[buch.TerminIndex]);
    buch.EingabeUebernehmen(f, 0);
    EXPECT_EQ(buch.Ungespeichert, 0);
    TerminFelder g = f;
    g.STMeldung = QStringLiteral("b\r\nc");
    buch.EingabeUebernehmen(g, 1);
    EXPECT_EQ(buch.Ungespeichert, 1);
    EXPECT_EQ(buch.ListeAnzeige[buch.TerminIndex], QStringLiteral("01.01.2027 Fr: b°°c"));
    EXPECT_EQ(fenster.felder.STMeldung, QStringLiteral("b\r\nc"));
}

TEST_F(Buch, AnzeigeAufbauenJenseitsDesEndes) {
    buch.ListeTermine = {QStringLiteral("20270101-   -   -         -   Alle   a"),
                         QStringLiteral("20270102-   -   -         -   Alle   b")};
    buch.TerminIndex = 5;
    buch.AnzeigeAufbauen();
    EXPECT_EQ(buch.ListIndex, 0);
    EXPECT_EQ(buch.TerminIndex, 0);
    buch.TerminIndex = -1;
    buch.AnzeigeAufbauen();
    EXPECT_EQ(buch.ListIndex, -1);
}

TEST_F(Buch, VerwaltungsproblemUndAbbruch) {
    buch.ListeTermine = {QStringLiteral("20270101-   -   -         -   Alle   a")};
    buch.ListeAnzeige.clear();
    buch.TerminIndex = 0;
    umgebung.meldungen.antworten({Antwort::OK});
    EXPECT_TRUE(buch.ListenPruefen());
    EXPECT_EQ(Boxtexte().last(), QStringLiteral("Schweres Verwaltungsproblem aufgetreten - 0 : 1"));
    EXPECT_EQ(umgebung.meldungen.boxen.back().titel, QStringLiteral("Kronelin TerminTest"));
    umgebung.meldungen.antworten({Antwort::Abbrechen});
    EXPECT_FALSE(buch.ListenPruefen());
    EXPECT_TRUE(buch.BeendenVerlangt);
}

TEST_F(Buch, DefekterTerminWirdEinmalGemeldet) {
    const QString defekt =
        QStringLiteral("20261201-   -   -         1W  Alle   Chor {ZyklusZähler:3 ohne Ende");
    umgebung.schreiben(
        plD, "..Kronelin 8.010090\r\n" +
                 NachCp1252(QStringLiteral("20270105-   -   -         -   Alle   b\r\n") + defekt +
                            QStringLiteral("\r\n20261201-   -   -         1W  Alle   a\r\n")));
    umgebung.meldungen.antworten({Antwort::Ignorieren});
    const LadeErgebnis e = buch.TermineLaden();
    EXPECT_FALSE(e.abgebrochen);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(Boxtexte()[0].startsWith(
        QStringLiteral("Es ist ein Fehler beim Laden der Termine aufgetreten.")));
    EXPECT_TRUE(Boxtexte()[0].contains(defekt));
    // The broken record stays as it was; the others are rolled over and sorted.
    EXPECT_EQ(buch.ListeTermine,
              (QStringList{defekt, QStringLiteral("20261215-   -   -         1W  Alle   a"),
                           QStringLiteral("20270105-   -   -         -   Alle   b")}));
    EXPECT_EQ(buch.ListeAnzeige.size(), 3);
    EXPECT_EQ(buch.Ungespeichert, 0);
}

// A record glued to the header, a record with characters the file cannot
// store: both are in the book, the user is told at the load, and the first save
// keeps the original once.
TEST_F(Buch, UnvollstaendigGeleseneZeilenBehaltenDasOriginal) {
    const QByteArray geklebt =
        "..Kronelin 8.01009020271231-   -   -         -   Alle   Silvester\r\n";
    const QByteArray polnisch =
        QStringLiteral("20271230-   -   -         -   Alle   Treffen mit Łukasz in Łódź ✓\r\n")
            .toUtf8();
    for (const QByteArray& inhalt : {geklebt, "..Kronelin 8.010090\r\n" + polnisch}) {
        for (const QString& f : Gesichert()) {
            QFile::remove(umgebung.daten() + QLatin1Char('/') + f);
        }
        umgebung.meldungen.boxen.clear();
        umgebung.schreiben(plD, inhalt);
        buch.TermineLaden();
        ASSERT_EQ(buch.ListeTermine.size(), 1);
        ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
        EXPECT_TRUE(Boxtexte()[0].contains(plD));
        EXPECT_TRUE(Boxtexte()[0].contains(QStringLiteral("vor dem ersten Speichern aufbewahrt")));
        ASSERT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
        ASSERT_EQ(Gesichert().size(), 1);
        EXPECT_EQ(Datei(Gesichert()[0]), inhalt);
    }
    EXPECT_TRUE(Boxtexte()[0].contains(QStringLiteral("Ein Termin enthält Zeichen")));
    EXPECT_TRUE(Datei(QStringLiteral("Kronel.PlD"))
                    .contains("?ukasz in ?\xF3"
                              "d? ?"));
}

// A book written well but a settings file that does not take OLneu: the save
// succeeded and says so; the message names the settings file and what follows.
TEST_F(Buch, OlneuMisslingtGetrenntVomSpeichern) {
    buch.TermineLaden();
    IniSchreiben({}, {}, QStringLiteral("OLneu"), QStringLiteral("0"));
    QFile::setPermissions(umgebung.riviror(), QFile::ReadOwner);
    EXPECT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    QFile::setPermissions(umgebung.riviror(), QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_FALSE(Boxtexte()[0].contains(QStringLiteral("Fehler beim Speichern")));
    EXPECT_TRUE(Boxtexte()[0].startsWith(QStringLiteral("Die Termine wurden gespeichert")));
    EXPECT_TRUE(Boxtexte()[0].contains(umgebung.riviror()));
    EXPECT_TRUE(Boxtexte()[0].contains(QStringLiteral("Erinnerung")));
}

// The same on a full disk: the one box is the save's, not a second one about
// the settings file as well.
TEST_F(Buch, OlneuAufVollemDatentraegerEineMeldung) {
    buch.TermineLaden();
    // What a save writes once the book and its backup exist, the mark in the
    // settings file last; the same save again with one byte too few.
    ASSERT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    constexpr qint64 kViel = 1 << 20;
    umgebung.datentraeger.platz = kViel;
    ASSERT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    const qint64 geschrieben = kViel - *umgebung.datentraeger.platz;
    umgebung.datentraeger.platz.reset();
    IniSchreiben({}, {}, QStringLiteral("OLneu"), QStringLiteral("0"));
    umgebung.datentraeger.platz = geschrieben - 1;
    EXPECT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    umgebung.datentraeger.platz.reset();
    ASSERT_EQ(Boxtexte().size(), 1) << Boxtexte().join(u'|').toStdString();
    EXPECT_TRUE(Boxtexte()[0].startsWith(QStringLiteral("Die Termine wurden gespeichert")));
}

// Kronel.Rest cannot take the lines and the user answers Ignore: the box says
// they were not appended, and the original is kept at the next save.
TEST_F(Buch, NichtAngehaengterRestWirdNichtAlsAngehaengtGemeldet) {
    QDir().mkpath(umgebung.daten() + QStringLiteral("/Kronel.Rest"));
    const QByteArray inhalt =
        "..Kronelin 8.010090\r\nkaputt\r\n"
        "20271231-   -   -         -   Alle   Silvester\r\n";
    umgebung.schreiben(plD, inhalt);
    umgebung.meldungen.antworten({Antwort::Ignorieren});
    buch.TermineLaden();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    EXPECT_FALSE(Boxtexte()[1].contains(QStringLiteral("unverändert")));
    EXPECT_TRUE(Boxtexte()[1].contains(QStringLiteral("wurde nicht an »")));
    ASSERT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    ASSERT_EQ(Gesichert().size(), 1);
    EXPECT_EQ(Datei(Gesichert()[0]), inhalt);
}

// An expired record whose archive cannot be written (the data folder is gone):
// the report names the file, not a lock.
TEST_F(Buch, ArchivFehlerNenntDieDatei) {
    modul().DateiAltes = umgebung.daten() + QStringLiteral("/fehlt/Kronel.Old");
    umgebung.schreiben(plD, "..Kronelin 8.010090\r\n20000101-   -   -         -   Alle   alt\r\n");
    umgebung.meldungen.antworten({Antwort::Ignorieren});
    buch.TermineLaden();
    ASSERT_FALSE(umgebung.meldungen.boxen.empty());
    EXPECT_FALSE(Boxtexte().join(QString()).contains(QStringLiteral("gesperrt")));
    EXPECT_TRUE(Boxtexte().join(QString()).contains(modul().DateiAltes));
    EXPECT_EQ(buch.ListeTermine.size(), 1);
}

// A folder in place of the data file, a header of a version that holds no
// records: the user is told which file and what is wrong, not shown an empty
// book without a word.
TEST_F(Buch, OrdnerUndLeereVersionWerdenGemeldet) {
    QDir().mkpath(plD);
    umgebung.meldungen.antworten({Antwort::Ignorieren});
    buch.TermineLaden();
    ASSERT_FALSE(umgebung.meldungen.boxen.empty());
    EXPECT_TRUE(
        Boxtexte()[0].contains(QStringLiteral("»") + plD + QStringLiteral("« ist ein Ordner")))
        << qPrintable(Boxtexte()[0]);
    QDir().rmdir(plD);

    umgebung.meldungen.boxen.clear();
    umgebung.schreiben(plD,
                       "..Kronelin 0.50\r\n20991231-   -   -         -   Alle   Silvester\r\n");
    buch.TermineLaden();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(Boxtexte()[0].contains(QStringLiteral("(Kronel 0,50) enthält keine Termine")));
    EXPECT_TRUE(Boxtexte()[0].contains(plD));
}

// A FIFO or a file beyond the reading limit in the place of the data file, a
// FIFO as the archive: the load names them without waiting for a writer, and no
// save or roll-over of the run writes over them.
TEST_F(Buch, VerweigerteDateienWerdenNieUeberschrieben) {
    auto fifo = [](const QString& p) {
        struct stat st {};
        return ::lstat(QFile::encodeName(p).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    };
    test::FifoAnlegen(plD);
    test::FifoAnlegen(modul().DateiAltes);
    umgebung.meldungen.antworten({Antwort::Ignorieren, Antwort::Ignorieren, Antwort::Ignorieren});
    bool blockiert = false;
    test::OhneBlockieren(
        plD, [&] { return buch.TermineLaden(); }, blockiert);
    EXPECT_FALSE(blockiert);
    const QString texte = Boxtexte().join(QString());
    EXPECT_TRUE(texte.contains(QStringLiteral("»") + plD +
                               QStringLiteral("« ist keine gewöhnliche Datei, sondern eine "
                                              "benannte Pipe (FIFO); sie wird nicht verändert")));
    EXPECT_TRUE(texte.contains(QStringLiteral("»") + modul().DateiAltes));  // Silvester expired
    EXPECT_EQ(buch.TermineSpeichern(), Speicherung::Fehlgeschlagen);
    EXPECT_TRUE(Boxtexte().constLast().startsWith(QStringLiteral("Die Termine werden nicht")));
    EXPECT_TRUE(fifo(plD) && fifo(modul().DateiAltes));

    QFile::remove(plD);
    test::GrosseDateiAnlegen(plD, kLeseGrenze + 1, "..Kronelin 8.010090\r\n");
    umgebung.meldungen.antworten({Antwort::Ignorieren, Antwort::Ignorieren, Antwort::Ignorieren});
    buch.TermineLaden();
    EXPECT_TRUE(Boxtexte().join(QString()).contains(QStringLiteral("« ist größer als 256 MB")));
    EXPECT_EQ(buch.TermineSpeichern(), Speicherung::Fehlgeschlagen);
    EXPECT_EQ(QFileInfo(plD).size(), kLeseGrenze + 1);
}

// Two planners on one data folder, the file not there at first: a save that
// finds the file changed by the other (also within the same second) keeps that
// version and names it; every appointment is in the file or a kept one.
TEST_F(Buch, ZweiPlanerVerlierenKeinenTermin) {
    Terminbuch bernd;
    buch.TermineLaden();
    bernd.TermineLaden();
    ASSERT_EQ(Anlegen(buch, QStringLiteral("Anna eins")), Speicherung::Gespeichert);
    EXPECT_TRUE(Gesichert().isEmpty());  // nobody else wrote: nothing kept, nothing said
    EXPECT_TRUE(umgebung.meldungen.boxen.empty());
    ASSERT_EQ(Anlegen(bernd, QStringLiteral("Bernd eins")), Speicherung::Gespeichert);
    ASSERT_EQ(Anlegen(buch, QStringLiteral("Anna zwei")), Speicherung::Gespeichert);
    ASSERT_EQ(Gesichert(), QStringList({QStringLiteral("Kronel.PlD.20261209-093000"),
                                        QStringLiteral("Kronel.PlD.20261209-093000-2")}));
    EXPECT_TRUE(Datei(Gesichert()[0]).contains("Anna eins"));
    EXPECT_TRUE(Datei(Gesichert()[1]).contains("Bernd eins"));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(umgebung.meldungen.boxen[i].stil, Box::OK + Box::Information);
        EXPECT_TRUE(Boxtexte()[i].contains(umgebung.daten() + QLatin1Char('/') + Gesichert()[i]));
    }
    // Both end. Anna's end finds her own file; Bernd, with nothing unsaved,
    // leaves it as it is.
    const QByteArray annas = Datei(QStringLiteral("Kronel.PlD"));
    EXPECT_EQ(buch.TermineSpeichern(Speicheranlass::Ende), Speicherung::Gespeichert);
    EXPECT_EQ(bernd.TermineSpeichern(Speicheranlass::Ende), Speicherung::Belassen);
    EXPECT_EQ(Datei(QStringLiteral("Kronel.PlD")), annas);
    EXPECT_TRUE(annas.contains("Anna eins") && annas.contains("Anna zwei"));
    EXPECT_EQ(Gesichert().size(), 2);
    EXPECT_EQ(umgebung.meldungen.boxen.size(), 2u);
}

// The note of Bernd's save comes once his version is written and the book's
// lock is free again: Anna, saving while it is up, keeps his version in turn.
TEST_F(Buch, FremdeFassungWirdNachDemSchreibenGemeldet) {
    Terminbuch bernd;
    buch.TermineLaden();
    bernd.TermineLaden();
    ASSERT_EQ(Anlegen(buch, QStringLiteral("Anna eins")), Speicherung::Gespeichert);
    QByteArray beiDerBox;
    umgebung.meldungen.beiBox = [&] {
        if (beiDerBox.isEmpty()) {
            beiDerBox = Datei(QStringLiteral("Kronel.PlD"));
            EXPECT_TRUE(DateiSperre(plD, 0).gesperrt());
            EXPECT_EQ(Anlegen(buch, QStringLiteral("Anna zwei")), Speicherung::Gespeichert);
        }
    };
    ASSERT_EQ(Anlegen(bernd, QStringLiteral("Bernd eins")), Speicherung::Gespeichert);
    EXPECT_TRUE(beiDerBox.contains("Bernd eins"));
    for (const char* t : {"Anna eins", "Anna zwei", "Bernd eins"}) {
        EXPECT_TRUE(Alles().contains(t)) << t;
    }
}

// Another program saves during this save's event pump, and the write then
// fails: the other version is kept all the same, and the note, after the
// save's report, names it without saying the book holds this save.
TEST_F(Buch, FremdeFassungBeiMisslungenemSchreiben) {
    buch.TermineLaden();
    const QByteArray bernd =
        "..Kronelin 8.010090\r\n20261224-   -   -         -   Alle   Bernd\r\n";
    fenster.beimPumpen = [&] { umgebung.schreiben(plD, bernd); };
    umgebung.datentraeger.umbenennenScheitert = true;
    umgebung.meldungen.antworten({Antwort::Abbruch});
    EXPECT_EQ(Anlegen(buch, QStringLiteral("Anna")), Speicherung::Fehlgeschlagen);
    ASSERT_EQ(Gesichert().size(), 1);
    EXPECT_EQ(Datei(Gesichert()[0]), bernd);
    ASSERT_EQ(Boxtexte().size(), 2);
    EXPECT_TRUE(Boxtexte()[0].startsWith(QStringLiteral("Es ist ein Fehler beim Speichern")));
    EXPECT_TRUE(Boxtexte()[1].endsWith(Gesichert()[0] + QStringLiteral("« erhalten.")));
}

// Another planner holds the book's lock: the save waits a while, then reports
// it as any failed step; Retry once it is free saves.
TEST_F(Buch, GesperrtesBuchWirdGemeldet) {
    buch.TermineLaden();
    std::optional<DateiSperre> andere(std::in_place, plD);
    umgebung.datentraeger.sperrWartezeiten.clear();
    umgebung.datentraeger.sperrenOhneWarten = true;
    umgebung.meldungen.beiBox = [&] { andere.reset(); };
    umgebung.meldungen.antworten({Antwort::Wiederholen});
    EXPECT_EQ(buch.TermineSpeichern(), Speicherung::Gespeichert);
    ASSERT_EQ(Boxtexte().size(), 1);
    EXPECT_TRUE(Boxtexte()[0].contains(QStringLiteral("gesperrt (»") + plD + ".lock«)"));
    EXPECT_GT(umgebung.datentraeger.sperrWartezeiten.at(0), 0);
}

// Two planners in two processes save again and again at once, with the one
// temporary file name: no save fails, every version is whole, and the last of
// each is in the book or kept beside it.
TEST_F(Buch, ZweiProzesseSpeichernZugleich) {
    buch.TermineLaden();  // before either saves: each process gets a copy
    pid_t kinder[2];
    for (const char wer : {'A', 'B'}) {
        kinder[wer - 'A'] = ::fork();
        if (kinder[wer - 'A'] == 0) {
            int fehler = 0;
            for (int i = 0; i < 40; ++i) {
                fehler += Anlegen(buch, QLatin1Char(wer) + QString::number(i)) !=
                          Speicherung::Gespeichert;
            }
            ::_exit(fehler);
        }
    }
    for (const pid_t pid : kinder) {
        int status = -1;
        EXPECT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_EQ(status, 0);
    }
    const QStringList dateien = Gesichert() << QStringLiteral("Kronel.PlD");
    for (const QString& name : dateien) {
        const QByteArray d = Datei(name);
        const char wer = d.contains("A0\r\n") ? 'A' : 'B';
        EXPECT_TRUE(d.startsWith("..Kronelin") && d.endsWith("\r\n")) << qPrintable(name);
        for (qsizetype i = 0; i < d.count('\n') - 1; ++i) {
            EXPECT_TRUE(d.contains(wer + QByteArray::number(i) + "\r\n")) << qPrintable(name);
        }
    }
    EXPECT_TRUE(Alles().contains("A39\r\n") && Alles().contains("B39\r\n"));
}
