// Random keys, clipboards and drops against the main window, whose editor
// fields are the real ones; the side windows answer as scripted and message
// boxes as Escape would. Each seed runs in a process of its own (this test
// program again), so a crash fails the test with its seed and its last events;
// at the end the saved book must load whole.

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "book/buch.h"
#include "common/einstellungen.h"
#include "common/modul.h"
#include "planner_testsupport/fakes.h"
#include "planner_ui/main.h"
#include "platform/text.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

constexpr char kSaat[] = "KRONEL_ZUFALL_SAAT";
constexpr char kProtokoll[] = "KRONEL_ZUFALL_PROTOKOLL";
// Three seeds of this many events: well under a minute under the sanitizers.
constexpr int kEreignisse = 1700;
const unsigned kSaaten[] = {101, 253, 2026};

// What the clipboard holds: nothing (no owner), an owner with no format, only
// formats that are no text, and texts a field must fit.
QMimeData* Zwischenablage(unsigned art) {
    auto* m = new QMimeData;
    switch (art) {
        case 0:
            delete m;
            return nullptr;
        case 1:
            break;
        case 2:
            m->setData(L("image/png"), QByteArray("\x89PNG\r\n\x1a\n", 8));
            break;
        case 3:
            m->setHtml(L("<b>fett</b>"));
            break;
        case 4:
            m->setText(L("a\tb\t\tc"));
            break;
        case 5:
            m->setText(L("eins\r\nzwei\ndrei\rvier\u2028fünf\r\n"));
            break;
        case 6:
            m->setText(QString(2000, QLatin1Char('x')));
            break;
        case 7:
            m->setText(L("\u03a9 \u4e2d \U0001F600 \u20ac \u0001\u001b"));
            break;
        default:
            m->setText(L("24.12.2026"));
            break;
    }
    return m;
}
constexpr unsigned kZwischenablagen = 9;

struct Taste {
    int taste;
    Qt::KeyboardModifiers mod;
    QString text;
};

// Typed characters, Ctrl with a letter (editing keys and the commands and side
// windows behind them), and editing, list and function keys. None of them ends
// the program (F12 does).
Taste ZufallsTaste(std::mt19937& zufall) {
    // No "€" after "ß" or "Ä": such a pair is UTF-8 as well and is read back as
    // that (a limit of the tolerant reading, not of the fields).
    const QStringList zeichen = L("a|Z|2|w| |.|'|ä|ß|Ω|中|😀").split(QLatin1Char('|'));
    const QByteArray strg = "VVCXAZTNKYSPIF";
    const Qt::KeyboardModifiers umschalt = Qt::ShiftModifier;
    const Qt::KeyboardModifiers strgAlt = Qt::ControlModifier | Qt::AltModifier;
    const Taste tasten[] = {
        {Qt::Key_Backspace, {}, {}},
        {Qt::Key_Delete, {}, {}},
        {Qt::Key_Left, {}, {}},
        {Qt::Key_Right, umschalt, {}},
        {Qt::Key_Up, {}, {}},
        {Qt::Key_Down, {}, {}},
        {Qt::Key_Home, {}, {}},
        {Qt::Key_End, umschalt, {}},
        {Qt::Key_PageUp, {}, {}},
        {Qt::Key_PageDown, {}, {}},
        {Qt::Key_Return, {}, L("\r")},
        {Qt::Key_Enter, Qt::KeypadModifier, L("\r")},
        {Qt::Key_Return, umschalt, L("\r")},
        {Qt::Key_Tab, {}, L("\t")},
        {Qt::Key_Tab, {}, L("\t")},
        {Qt::Key_Backtab, umschalt, {}},
        {Qt::Key_Escape, {}, L("\x1b")},
        {Qt::Key_Insert, umschalt, {}},
        {Qt::Key_Tab, Qt::ControlModifier, L("\t")},
        {Qt::Key_A, strgAlt, L("Ω")},
        {Qt::Key_F2, Qt::ControlModifier, {}},
        {Qt::Key_F2, umschalt, {}},
        {Qt::Key_F3, {}, {}},
        {Qt::Key_F3, Qt::ControlModifier, {}},
        {Qt::Key_F4, {}, {}},
        {Qt::Key_F4, Qt::ControlModifier, {}},
    };
    switch (zufall() % 3) {
        case 0:
            return {Qt::Key_A, {}, zeichen[static_cast<qsizetype>(zufall() % zeichen.size())]};
        case 1: {
            const char c = strg[static_cast<qsizetype>(zufall() % strg.size())];
            return {Qt::Key_A + (c - 'A'), Qt::ControlModifier, QString(QChar(c - 'A' + 1))};
        }
        default:
            return tasten[zufall() % std::size(tasten)];
    }
}

// A text handed back by a side window, as nasty as a clipboard.
QString Uebergabe(std::mt19937& zufall) {
    switch (zufall() % 4) {
        case 0:
            return L("x\ty\r\nz \u4e2d");
        case 1:
            return QString(2000, QLatin1Char('n'));
        case 2:
            return L("24.12.2026 Feier\t\u03a9\r\nab");
        default:
            return {};
    }
}

// The run of one seed; protokollDatei (if named) gets one line per event,
// before it runs.
void Lauf(unsigned saat, const QString& protokollDatei) {
    QFile protokoll(protokollDatei);
    ASSERT_TRUE(protokollDatei.isEmpty() ||
                protokoll.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered));
    const auto notieren = [&](int i, const QString& was) {
        if (protokoll.isOpen()) {
            protokoll.write(QStringLiteral("%1 %2\n").arg(i).arg(was).toUtf8());
        }
    };

    test::TestUmgebung umgebung;
    IniSchreiben({}, {}, L("DirData"), umgebung.daten());
    IniSchreiben({}, L("Allgemein"), L("User"), L("tester"));
    QFile beispiel(QStringLiteral(KRONEL_QUELLORDNER "/data/beispiel/Kronel.PlD"));
    ASSERT_TRUE(beispiel.open(QIODevice::ReadOnly));
    umgebung.schreiben(umgebung.daten() + L("/Kronel.PlD"), beispiel.readAll());

    std::mt19937 zufall(saat);
    test::SkriptFenster nebenfenster;
    for (int f = 0; f <= static_cast<int>(Fenstername::ZoomText); ++f) {
        nebenfenster.da << static_cast<Fenstername>(f);
    }
    nebenfenster.monatsblattAntwort.Calendar = QDate(2026, 12, 24);
    nebenfenster.beimZeigen = [&](Fenstername) {
        const QString text = Uebergabe(zufall);
        nebenfenster.zoomTextAntwort = {static_cast<int>(zufall() % 2), text};
        nebenfenster.notizenAntwort.BezUebergabe = text;
        nebenfenster.sonderzeichenAntwort.Text = text.left(3);
        nebenfenster.altesAntwort.BezUebergabe = text;
        nebenfenster.freizeitAntwort.BezUebergabe = text;
        const char* funde[] = {"-1", " 0", " 3", " 11"};
        nebenfenster.suchenAntwort.Rueckgabe = L(funde[zufall() % 4]);
    };

    Main fenster(nebenfenster);
    ASSERT_TRUE(fenster.Starten());
    fenster.show();
    QApplication::setActiveWindow(&fenster);
    QApplication::processEvents();
    QList<QWidget*> felder{fenster.ListeAnzeige, fenster.STDatum, fenster.STMeldung};
    for (QComboBox* k :
         {fenster.SKVon, fenster.SKBis, fenster.SKAdresse, fenster.SKZyklus, fenster.SKFilter}) {
        felder << k;
    }

    unsigned ablage = 0;
    for (int i = 0; i < kEreignisse && !fenster.planer().Beendet(); ++i) {
        QWidget* ziel = QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                               : static_cast<QWidget*>(&fenster);
        const unsigned wurf = zufall() % 100;
        if (wurf < 8) {
            ablage = zufall() % kZwischenablagen;
            notieren(i, QStringLiteral("Zwischenablage %1").arg(ablage));
            QApplication::clipboard()->setMimeData(Zwischenablage(ablage));
        } else if (wurf < 11) {
            std::unique_ptr<QMimeData> gezogen(
                Zwischenablage(1 + zufall() % (kZwischenablagen - 1)));
            auto* flaeche = qobject_cast<QAbstractScrollArea*>(ziel);
            notieren(i, QStringLiteral("Fallenlassen auf %1").arg(ziel->objectName()));
            test::Fallenlassen(flaeche != nullptr ? flaeche->viewport() : ziel, *gezogen);
        } else if (wurf < 14) {
            QWidget* feld = felder[static_cast<qsizetype>(zufall() % felder.size())];
            notieren(i, QStringLiteral("Klick in %1").arg(feld->objectName()));
            feld->setFocus(Qt::MouseFocusReason);
        } else if (wurf < 18) {
            notieren(i, QStringLiteral("Ereignisschleife"));
            QApplication::processEvents();
        } else {
            const Taste t = ZufallsTaste(zufall);
            notieren(i, QStringLiteral("Taste %1 %2 in %3 (Zwischenablage %4)")
                            .arg(QKeySequence(t.taste | t.mod).toString())
                            .arg(t.text.toUtf8().toHex())
                            .arg(ziel->objectName())
                            .arg(ablage));
            test::Taste(ziel, t.taste, t.text, t.mod);
        }
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr)
            << "ein Fenster wartet, Ereignis " << i;
    }
    QApplication::processEvents();
    ASSERT_FALSE(fenster.planer().Beendet());

    // What the fields show, the record holds: nothing a line cannot keep.
    for (const QString& satz : fenster.planer().buch.ListeTermine) {
        EXPECT_EQ(NurCp1252(satz), satz);
        EXPECT_FALSE(satz.contains(QLatin1Char('\r')) || satz.contains(QLatin1Char('\n')))
            << qPrintable(satz);
    }
    for (QComboBox* k :
         {fenster.SKVon, fenster.SKBis, fenster.SKAdresse, fenster.SKZyklus, fenster.SKFilter}) {
        EXPECT_EQ(EingabeBereinigen(k->currentText(), u" "), k->currentText());
    }
    // A tab may come with a record (a line handed back), never from a key.
    EXPECT_EQ(EingabeBereinigen(fenster.STMeldung->toPlainText(), u"\n"),
              fenster.STMeldung->toPlainText().remove(QLatin1Char('\t')));

    fenster.Aktion(L("PulSpeichern"))->trigger();
    Terminbuch gelesen;
    gelesen.TermineLaden();
    EXPECT_FALSE(gelesen.Unvollstaendig);
    EXPECT_EQ(gelesen.ListeTermine, fenster.planer().buch.ListeTermine);
    EXPECT_FALSE(QFile::exists(umgebung.daten() + L("/Kronel.Rest")));
    fenster.Aktion(L("PulBeenden"))->trigger();
}

// The end of what a run printed, without the platform's notes.
QByteArray Ausgabe(const QByteArray& alles) {
    QByteArrayList zeilen;
    for (const QByteArray& z : alles.split('\n')) {
        if (!z.contains("propagateSizeHints")) {
            zeilen << z;
        }
    }
    return zeilen.join('\n').right(6000);
}

}  // namespace

TEST(Zufallseingaben, JedeSaatUebersteht1700TastenOhneAbsturzUndSpeichertEinGanzesBuch) {
    test::AnwendungSicherstellen();
    QTemporaryDir ordner;
    const auto datei = [&](unsigned saat, const char* art) {
        return ordner.filePath(QStringLiteral("saat-%1.%2").arg(saat).arg(L(art)));
    };
    const auto lesen = [](const QString& pfad) {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    // The seeds run side by side, each writing what it prints to a file.
    std::vector<std::unique_ptr<QProcess>> laeufe;
    for (const unsigned saat : kSaaten) {
        auto lauf = std::make_unique<QProcess>();
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(L(kSaat), QString::number(saat));
        umgebung.insert(L(kProtokoll), datei(saat, "txt"));
        lauf->setProcessEnvironment(umgebung);
        lauf->setProcessChannelMode(QProcess::MergedChannels);
        lauf->setStandardOutputFile(datei(saat, "aus"));
        lauf->start(QCoreApplication::applicationFilePath(),
                    {L("--gtest_filter=ZufallsLauf.EineSaat")});
        laeufe.push_back(std::move(lauf));
    }
    for (size_t n = 0; n < laeufe.size(); ++n) {
        QProcess& lauf = *laeufe[n];
        const unsigned saat = kSaaten[n];
        const bool fertig = lauf.waitForFinished(150000);
        if (!fertig) {
            lauf.kill();
            lauf.waitForFinished();
        }
        if (fertig && lauf.exitStatus() == QProcess::NormalExit && lauf.exitCode() == 0) {
            continue;
        }
        const QByteArrayList zeilen = lesen(datei(saat, "txt")).split('\n');
        ADD_FAILURE()
            << "Saat " << saat << ": "
            << (!fertig                                    ? "hing"
                : lauf.exitStatus() == QProcess::CrashExit ? "abgestürzt"
                                                           : "Fehler")
            << " (nachzuspielen mit " << kSaat << "=" << saat
            << " und --gtest_filter=ZufallsLauf.EineSaat); letzte Ereignisse:\n"
            << zeilen.mid(std::max<qsizetype>(0, zeilen.size() - 6)).join('\n').toStdString()
            << "\nAusgabe:\n"
            << Ausgabe(lesen(datei(saat, "aus"))).toStdString();
    }
}

// The run of one seed; only as a process of the test above.
TEST(ZufallsLauf, EineSaat) {
    if (!qEnvironmentVariableIsSet(kSaat)) {
        GTEST_SKIP() << "läuft als Prozess von Zufallseingaben";
    }
    test::AnwendungSicherstellen();
    Lauf(qEnvironmentVariable(kSaat).toUInt(), qEnvironmentVariable(kProtokoll));
}
