// Every handler the event loop calls runs under the top-level guard, so that a
// failure in it is reported instead of ending the program. This check reads
// every source of the repository but the tests, the platform layer included,
// and names each connection, timer, queued call and event override that does
// not, also those that come later. What it knows as a handler follows the kind
// of code, not the folder it stands in.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "testsupport/utf8.h"

using kronel::test::L;

namespace {

// The text with comments and the insides of string and character literals
// blanked, so that they neither hide nor fake code; line breaks stay.
QString NurCode(QString t) {
    enum class Art { Code, Zeile, Block, Text, Zeichen } art = Art::Code;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        const QChar n = i + 1 < t.size() ? t[i + 1] : QChar();
        switch (art) {
            case Art::Code:
                if (c == u'/' && n == u'/') {
                    art = Art::Zeile;
                } else if (c == u'/' && n == u'*') {
                    art = Art::Block;
                } else if (c == u'"') {
                    art = Art::Text;
                    continue;
                } else if (c == u'\'' && (i == 0 || !t[i - 1].isLetterOrNumber())) {
                    art = Art::Zeichen;  // not a digit separator
                    continue;
                } else {
                    continue;
                }
                break;
            case Art::Zeile:
                if (c == u'\n') {
                    art = Art::Code;
                    continue;
                }
                break;
            case Art::Block:
                if (c == u'*' && n == u'/') {
                    t[i + 1] = u' ';
                    art = Art::Code;
                }
                break;
            case Art::Text:
            case Art::Zeichen:
                if (c == u'\\') {
                    t[i] = u' ';
                    if (i + 1 < t.size() && n != u'\n') {
                        t[++i] = u' ';
                    }
                    continue;
                }
                if (c == (art == Art::Text ? u'"' : u'\'')) {
                    art = Art::Code;
                    continue;
                }
                break;
        }
        if (c != u'\n') {
            t[i] = u' ';
        }
    }
    return t;
}

// Just past the bracket that closes the one at auf; -1 when none does.
qsizetype HinterDemSchluss(const QString& t, qsizetype auf) {
    int tiefe = 0;
    for (qsizetype i = auf; i < t.size(); ++i) {
        if (t[i] == u'(' || t[i] == u'[' || t[i] == u'{') {
            ++tiefe;
        } else if ((t[i] == u')' || t[i] == u']' || t[i] == u'}') && --tiefe == 0) {
            return i + 1;
        }
    }
    return -1;
}

// The arguments of the call whose "(" stands at auf, trimmed.
QStringList Argumente(const QString& t, qsizetype auf) {
    QStringList argumente;
    const qsizetype ende = HinterDemSchluss(t, auf);
    qsizetype anfang = auf + 1;
    for (qsizetype i = anfang; ende > 0 && i < ende; ++i) {
        if (t[i] == u'(' || t[i] == u'[' || t[i] == u'{') {
            i = HinterDemSchluss(t, i) - 1;
        } else if (t[i] == u',' || i == ende - 1) {
            argumente << t.mid(anfang, i - anfang).simplified();
            anfang = i + 1;
        }
    }
    return argumente;
}

// A handler passed to connect(), a timer or a queued call: under the guard,
// or a slot of Qt's own classes (ours called Qt... excepted), which does not
// reach our code but through an override that is guarded itself.
bool VonQt(const QString& klasse) {
    static const QRegularExpression qt(QStringLiteral(R"(^Q(?!t[A-Z])[A-Z])"));
    return qt.match(klasse).hasMatch();
}
bool Gesichert(const QString& handler) {
    static const QRegularExpression slot(QStringLiteral(R"(^&\w+::\w+$)"));
    return handler.startsWith(QStringLiteral("Abgesichert(")) ||
           (slot.match(handler).hasMatch() && VonQt(handler.mid(1)));
}

// An unguarded handler: where it stands, what it is and its first words.
struct Fund {
    QString ort;  // "datei:zeile"
    QString was;
    QString auszug;
};

// The calls that hand the event loop a handler, with the number of arguments
// below which a call is something else (a declaration, a disconnect).
struct Uebergabe {
    const char* name;
    int mindestens;
};
constexpr Uebergabe kUebergaben[] = {{"connect", 3}, {"singleShot", 2}, {"callOnTimeout", 1}};

std::vector<Fund> UngesicherteHandler(const QString& quelle, const QString& datei) {
    const QString t = NurCode(quelle);
    std::vector<Fund> funde;
    // NurCode keeps every position, so the excerpt comes from the source itself.
    auto melden = [&](qsizetype pos, qsizetype ende, const QString& was) {
        QString auszug = quelle.mid(pos, ende - pos).simplified();
        if (auszug.size() > 90) {
            auszug = auszug.left(87) + QStringLiteral("...");
        }
        funde.push_back({datei + u':' + QString::number(t.left(pos).count(u'\n') + 1),
                         was + QStringLiteral(" ohne Wache"), auszug});
    };
    // connect(sender, signal, [context,] handler [, type]), the timers'
    // single shots and callOnTimeout: the handler is the last argument but a
    // connection or timer type.
    static const QRegularExpression aufruf(
        QStringLiteral(R"(\b(connect|singleShot|callOnTimeout|invokeMethod)\s*\()"));
    for (auto m = aufruf.globalMatch(t); m.hasNext();) {
        const auto treffer = m.next();
        const qsizetype auf = treffer.capturedEnd() - 1;
        QStringList a = Argumente(t, auf);
        const qsizetype ende = HinterDemSchluss(t, auf);
        if (treffer.captured(1) == QLatin1String("invokeMethod")) {
            // invokeMethod(context, functor [, type] [, result]) or by a
            // method's name, which no reading of the source can follow.
            if (a.size() >= 2 && a[1].startsWith(u'"')) {
                melden(treffer.capturedStart(), ende, QStringLiteral("invokeMethod nach Namen"));
            } else if (a.size() >= 2 && !Gesichert(a[1])) {
                melden(treffer.capturedStart(), ende, QStringLiteral("invokeMethod"));
            }
            continue;
        }
        if (!a.isEmpty() && a.last().startsWith(QStringLiteral("Qt::"))) {
            a.removeLast();
        }
        for (const Uebergabe& u : kUebergaben) {
            if (treffer.captured(1) == QLatin1String(u.name) && a.size() >= u.mindestens &&
                !Gesichert(a.last())) {
                melden(treffer.capturedStart(), ende, treffer.captured(1));
            }
        }
    }
    // The definition of an event handler of any name (...Event, event, an
    // event filter) or of a dialog's closing slot, whatever the keywords in
    // front or behind: its body is one call of the guard.
    static const QRegularExpression ueberschrieben(QStringLiteral(
        R"(\b(event|eventFilter|[a-z]\w*Event(Filter)?|accept|reject|done|insertFromMimeData)\s*\()"));
    static const QRegularExpression nachDerListe(
        QStringLiteral(R"(^\s*((const|override|final|noexcept|Q_DECL_OVERRIDE)\s*)*\{)"));
    static const QRegularExpression wache(
        QStringLiteral(R"(^\{\s*(return\s+)?(Absichern|AbgesichertAusfuehren)\s*\()"));
    for (auto m = ueberschrieben.globalMatch(t); m.hasNext();) {
        const auto treffer = m.next();
        const qsizetype hinter = HinterDemSchluss(t, treffer.capturedEnd() - 1);
        const auto kopf = nachDerListe.match(t.mid(hinter, 120));
        if (hinter < 0 || !kopf.hasMatch()) {
            continue;  // a call or a declaration
        }
        const qsizetype auf = hinter + kopf.capturedEnd() - 1;
        const qsizetype ende = HinterDemSchluss(t, auf);
        const QString rumpf = t.mid(auf, ende - auf);
        const auto w = wache.match(rumpf);
        const QString rest =
            w.hasMatch() ? rumpf.mid(HinterDemSchluss(rumpf, w.capturedEnd() - 1)) : QString();
        if (!w.hasMatch() || rest.simplified() != QStringLiteral("; }")) {
            melden(treffer.capturedStart(), auf + 1, treffer.captured(1));
        }
    }
    std::sort(funde.begin(), funde.end(), [&](const Fund& x, const Fund& y) {
        return x.ort.mid(datei.size() + 1).toInt() < y.ort.mid(datei.size() + 1).toInt();
    });
    return funde;
}

// "datei:zeile: was" of each find, for comparing.
QStringList Orte(const std::vector<Fund>& funde) {
    QStringList orte;
    for (const Fund& f : funde) {
        orte << f.ort + QStringLiteral(": ") + f.was;
    }
    return orte;
}

// Every C++ source of the repository below wurzel: the tests and their helpers
// (folders named tests or testsupport) and the build trees left out.
QStringList Quellen(const QString& wurzel) {
    static const QRegularExpression cpp(QStringLiteral(R"(\.(cpp|cc|h|hpp)$)"));
    static const QRegularExpression ohne(QStringLiteral(R"((^|/)(tests|testsupport)/)"));
    QStringList dateien;
    const QDir oben(wurzel);
    QStringList ordner = oben.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ordner.removeIf([](const QString& o) { return o.startsWith(QStringLiteral("build")); });
    for (const QString& o : ordner) {
        QDirIterator it(oben.filePath(o), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relativ = oben.relativeFilePath(it.next());
            if (cpp.match(relativ).hasMatch() && !ohne.match(relativ).hasMatch()) {
                dateien << relativ;
            }
        }
    }
    for (const QString& d : oben.entryList(QDir::Files)) {
        if (cpp.match(d).hasMatch()) {
            dateien << d;
        }
    }
    dateien.sort();
    return dateien;
}

std::vector<Fund> UngesicherteHandlerIn(const QString& wurzel, const QStringList& dateien) {
    std::vector<Fund> funde;
    for (const QString& datei : dateien) {
        QFile f(QDir(wurzel).filePath(datei));
        if (!f.open(QIODevice::ReadOnly)) {
            funde.push_back({datei, QStringLiteral("nicht lesbar"), {}});
            continue;
        }
        const std::vector<Fund> hier = UngesicherteHandler(QString::fromUtf8(f.readAll()), datei);
        funde.insert(funde.end(), hier.begin(), hier.end());
    }
    return funde;
}

}  // namespace

TEST(Handlerwache, FindetJedenUngesichertenHandler) {
    const QString quelle = L(R"q(
void Fenster::Bauen() {
    connect(a, &QPushButton::clicked, this, [this] { Weiter(); });
    connect(b, &QPushButton::clicked, this, Abgesichert([this] { Weiter(); }, "b_Click"));
    connect(c, &QPushButton::clicked, this, &QDialog::accept);
    connect(d, &QPushButton::clicked, this, &Fenster::Weiter);
    QObject::connect(e, &QTimer::timeout, f, [] {}, Qt::QueuedConnection);
    QTimer::singleShot(0, this, [this] { Weiter(); });
    QTimer::singleShot(0, this, Abgesichert([this] { Weiter(); }, "Form_Paint"));
    connect(g, &QPushButton::clicked, this, &QtListe::Leeren);
    // connect(h, &QPushButton::clicked, this, [this] { Weiter(); });
    Setzen("connect(i, &X::y, this, [] {})", 'x', 1'000);
    disconnect(this);
    QMetaObject::invokeMethod(this, [this] { Weiter(); }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(this, Abgesichert([this] { Weiter(); }, "Form_Load"));
    QMetaObject::invokeMethod(this, "Weiter", Qt::QueuedConnection);
    zeit.callOnTimeout([this] { Weiter(); });
}
bool Fenster::eventFilter(QObject* o, QEvent* e) {
    if (o == Liste) { Weiter(); }
    return QDialog::eventFilter(o, e);
}
void Fenster::keyPressEvent(QKeyEvent* e) {
    AbgesichertAusfuehren([&] { QDialog::keyPressEvent(e); }, "Fenster_KeyPress");
}
void Fenster::closeEvent(QCloseEvent* e) {
    AbgesichertAusfuehren([&] { Weiter(); }, "Fenster_QueryUnload");
    e->accept();
}
bool Fenster::event(QEvent* e) {
    return AbgesichertAusfuehren([&] { return QDialog::event(e); }, "Fenster_event", false);
}
class Feld final : public QLineEdit {
    void reject() override { Weiter(); }
    void showEvent(QShowEvent* e) override;
    void done(int r) override { Absichern([&] { QDialog::done(r); }, L("Feld_done")); }
    void wheelEvent(QWheelEvent* e) { Weiter(); }
    bool sceneEventFilter(QGraphicsItem* i, QEvent* e) final { return Weiter(); }
    bool nativeEvent(const QByteArray& t, void* m, qintptr* r) override
    {
        return Weiter();
    }
};
)q");
    EXPECT_EQ(Orte(UngesicherteHandler(quelle, L("f.cpp"))),
              (QStringList{
                  L("f.cpp:3: connect ohne Wache"), L("f.cpp:6: connect ohne Wache"),
                  L("f.cpp:7: connect ohne Wache"), L("f.cpp:8: singleShot ohne Wache"),
                  L("f.cpp:10: connect ohne Wache"), L("f.cpp:14: invokeMethod ohne Wache"),
                  L("f.cpp:16: invokeMethod nach Namen ohne Wache"),
                  L("f.cpp:17: callOnTimeout ohne Wache"), L("f.cpp:19: eventFilter ohne Wache"),
                  L("f.cpp:26: closeEvent ohne Wache"), L("f.cpp:34: reject ohne Wache"),
                  L("f.cpp:37: wheelEvent ohne Wache"), L("f.cpp:38: sceneEventFilter ohne Wache"),
                  L("f.cpp:39: nativeEvent ohne Wache")}));
}

// The check reads every folder but the tests, whatever it is called.
TEST(Handlerwache, LiestJedenOrdnerAusserDenTests) {
    QTemporaryDir wurzel;
    ASSERT_TRUE(wurzel.isValid());
    const QByteArray ungesichert =
        "void A::B() {\n    connect(&p, &QSerialPort::readyRead, [this] { Lesen(); });\n}\n";
    for (const char* datei :
         {"platform/qt/src/pflanze.cpp", "common/include/common/pflanze.h", "wurzel.cpp",
          "output/tests/pflanze_test.cpp", "testsupport/src/pflanze.cpp",
          "planner/testsupport/include/pflanze.h", "build-x/pflanze.cpp", "data/pflanze.txt"}) {
        const QString pfad = wurzel.filePath(L(datei));
        QDir().mkpath(QFileInfo(pfad).absolutePath());
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(ungesichert);
    }
    const QStringList dateien = Quellen(wurzel.path());
    EXPECT_EQ(dateien, (QStringList{L("common/include/common/pflanze.h"),
                                    L("platform/qt/src/pflanze.cpp"), L("wurzel.cpp")}));
    const std::vector<Fund> funde = UngesicherteHandlerIn(wurzel.path(), dateien);
    ASSERT_EQ(funde.size(), 3u);
    EXPECT_EQ(funde[1].ort + L(": ") + funde[1].was,
              L("platform/qt/src/pflanze.cpp:2: connect ohne Wache"));
    EXPECT_EQ(funde[1].auszug, L("connect(&p, &QSerialPort::readyRead, [this] { Lesen(); })"));
}

TEST(Handlerwache, JederHandlerLaeuftUnterDerWache) {
    const QString wurzel = QStringLiteral(KRONEL_QUELLORDNER);
    const QStringList dateien = Quellen(wurzel);
    // The windows of all four programs are read, and the layers below them.
    for (const char* muss :
         {"planner/ui/src/main.cpp", "planner/dialogs/src/notizen.cpp", "shared_ui/src/info.cpp",
          "output/ui/src/kronelfenster.cpp", "memo/reminder/ui/src/hauptfenster.cpp",
          "output/src/modemwahl.cpp", "platform/qt/src/seriell.cpp", "platform/src/endesignale.cpp",
          "common/src/texte.cpp"}) {
        EXPECT_TRUE(dateien.contains(L(muss))) << muss;
    }
    QString bericht;
    for (const Fund& f : UngesicherteHandlerIn(wurzel, dateien)) {
        bericht += f.ort + QStringLiteral(": ") + f.was + QStringLiteral(": ") + f.auszug + u'\n';
    }
    EXPECT_TRUE(bericht.isEmpty())
        << "Jeder Handler läuft unter der Wache (platform/wache.h): Abgesichert(handler, "
           "\"Name\") für connect, Zeitgeber und invokeMethod, AbgesichertAusfuehren(...) als "
           "ganzer Rumpf einer überschriebenen Ereignisfunktion.\n"
        << bericht.toStdString();
}
