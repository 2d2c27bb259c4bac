#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <functional>

#include "platform/dateien.h"
#include "platform/ordner.h"
#include "testsupport/drucken.h"
#include "testsupport/testsupport.h"

using namespace kronel;

namespace {
QByteArray Inhalt(const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}
}  // namespace

TEST(Dateien, AtomarSchreibenErsetztGanzOderGarNicht) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(DateiAtomarSchreiben(p, "eins"));
    ASSERT_TRUE(DateiAtomarSchreiben(p, "zwei"));
    EXPECT_EQ(Inhalt(p), QByteArray("zwei"));
    // no temporary file is left behind
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    // a file without write bits is refused and stays as it was
    ::chmod(QFile::encodeName(p).constData(), 0444);
    const Status s = DateiAtomarSchreiben(p, "drei");
    ASSERT_FALSE(s);
    EXPECT_EQ(s.fehler().nummer, 70);
    EXPECT_EQ(Inhalt(p), QByteArray("zwei"));
    EXPECT_TRUE(DateiSchreibgeschuetzt(p));

    // a missing folder: 53/76 family, nothing written
    const Status f = DateiAtomarSchreiben(dir.filePath(QStringLiteral("fehlt/x.txt")), "x");
    ASSERT_FALSE(f);
    EXPECT_EQ(f.fehler().nummer, 53);
}

// A full disk (after part of the file), a device lost at the flush, a refused
// rename: the old file stays byte for byte, no temporary file is left, and the
// caller is told in German what went wrong and where.
TEST(Dateien, AtomarSchreibenUeberstehtDenAusfallDesDatentraegers) {
    test::TestUmgebung umgebung;
    const QString p = umgebung.daten() + QStringLiteral("/a.txt");
    ASSERT_TRUE(DateiAtomarSchreiben(p, "alt"));
    test::AusfallDatentraeger& d = umgebung.datentraeger;
    const struct {
        std::function<void()> ausfall;
        QString text;
    } faelle[] = {
        {[&] { d.platz = 10; }, QStringLiteral("Datenträger voll")},
        {[&] { d.sichernScheitert = true; }, QStringLiteral("Datenträger nicht bereit")},
        {[&] { d.umbenennenScheitert = true; }, QStringLiteral("Zugriff verweigert")},
    };
    for (const auto& fall : faelle) {
        fall.ausfall();
        const Status s = DateiAtomarSchreiben(p, QByteArray(100000, 'n'));
        ASSERT_FALSE(s) << qPrintable(fall.text);
        EXPECT_EQ(s.fehler().beschreibung, fall.text + QStringLiteral(": ") + p);
        EXPECT_EQ(Inhalt(p), QByteArray("alt"));
        EXPECT_EQ(QDir(umgebung.daten()).entryList(QDir::Files),
                  QStringList{QStringLiteral("a.txt")});
        d.platz.reset();
        d.sichernScheitert = d.umbenennenScheitert = false;
    }
    ASSERT_TRUE(DateiAtomarSchreiben(p, "neu"));
    EXPECT_EQ(Inhalt(p), QByteArray("neu"));
}

TEST(Dateien, AnhaengenUndLesen) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("b.txt"));
    ASSERT_TRUE(DateiAnhaengen(p, "a\r\n"));
    ASSERT_TRUE(DateiAnhaengen(p, "b\r\n"));
    const auto gelesen = DateiLesen(p);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(*gelesen, QByteArray("a\r\nb\r\n"));
    const auto fehlt = DateiLesen(dir.filePath(QStringLiteral("nichts")));
    ASSERT_FALSE(fehlt);
    EXPECT_EQ(fehlt.fehler().nummer, 53);
    EXPECT_FALSE(DateiLesen(dir.path()));  // a folder is no file
}

// Files larger than one piece, and empty ones, read whole and in pieces alike.
TEST(Dateien, GrosseDateiGanzUndStueckweise) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("gross.txt"));
    QByteArray inhalt;
    for (int i = 0; inhalt.size() < 200000; ++i) {
        inhalt += "Zeile " + QByteArray::number(i) + "\r\n";
    }
    for (const QByteArray& soll : {inhalt, QByteArray()}) {
        ASSERT_TRUE(DateiAtomarSchreiben(p, soll));
        const auto ganz = DateiLesen(p);
        ASSERT_TRUE(ganz);
        EXPECT_EQ(*ganz, soll);
        QByteArray stuecke;
        int anzahl = 0;
        ASSERT_TRUE(DateiStueckweiseLesen(p, [&](QByteArrayView s) {
            stuecke += s;
            ++anzahl;
        }));
        EXPECT_EQ(stuecke, soll);
        EXPECT_EQ(anzahl > 1, !soll.isEmpty());
    }
    const Status fehlt =
        DateiStueckweiseLesen(dir.filePath(QStringLiteral("nichts")), [](QByteArrayView) {});
    ASSERT_FALSE(fehlt);
    EXPECT_EQ(fehlt.fehler().nummer, 53);
    EXPECT_FALSE(DateiStueckweiseLesen(dir.path(), [](QByteArrayView) {}));
}

TEST(Dateien, SperreSchliesstAus) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("c.ini"));
    {
        DateiSperre eins(p);
        ASSERT_TRUE(eins.gesperrt());
        DateiSperre zwei(p, 50);  // a second holder waits and gives up
        EXPECT_FALSE(zwei.gesperrt());
    }
    DateiSperre drei(p, 50);
    EXPECT_TRUE(drei.gesperrt());
}

TEST(Ordner, NamenOhneRuecksichtAufGrossKlein) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("kronel.pld")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(DateiImOrdnerFinden(dir.path(), QStringLiteral("Kronel.PlD")),
              dir.filePath(QStringLiteral("kronel.pld")));
    EXPECT_EQ(PfadAufloesen(dir.filePath(QStringLiteral("KRONEL.PLD"))),
              dir.filePath(QStringLiteral("kronel.pld")));
    // a file that does not exist keeps the given spelling
    EXPECT_EQ(PfadAufloesen(dir.filePath(QStringLiteral("Kronel.Old"))),
              dir.filePath(QStringLiteral("Kronel.Old")));
    EXPECT_EQ(PfadAusWindows(QStringLiteral("daten\\Kronel.PlD")),
              QStringLiteral("daten/Kronel.PlD"));
    EXPECT_EQ(PfadAusWindows(QStringLiteral("C:\\DATEN\\Kronel.PlD")), QString());
}

TEST(Ordner, UmgebungBestimmtDieOrdner) {
    test::Umgebungsvariablen u;
    u.setzen("KRONEL_WINDIR", "/tmp/w/");
    u.loeschen("KRONEL_SYSDIR");
    EXPECT_EQ(WindowsOrdner(), QStringLiteral("/tmp/w"));
    EXPECT_EQ(SystemOrdner(), QStringLiteral("/tmp/w/system"));
    u.setzen("KRONEL_SYSDIR", "/tmp/s");
    EXPECT_EQ(SystemOrdner(), QStringLiteral("/tmp/s"));
    u.loeschen("KRONEL_WINDIR");
    u.setzen("XDG_CONFIG_HOME", "/tmp/x");
    EXPECT_EQ(WindowsOrdner(), QStringLiteral("/tmp/x/kronel"));
    u.loeschen("KRONEL_SYSDIR");
    u.loeschen("XDG_CONFIG_HOME");
    u.loeschen("KRONEL_PROGDIR");
    EXPECT_FALSE(ProgrammOrdner().isEmpty());
    EXPECT_FALSE(ProgrammOrdner().endsWith(QLatin1Char('/')));
}
