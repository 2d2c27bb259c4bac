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

// Each unguarded handler of the source as "datei:zeile: what it is: its first words".
QStringList UngesicherteHandler(const QString& quelle, const QString& datei) {
    const QString t = NurCode(quelle);
    QStringList funde;
    // NurCode keeps every position, so the excerpt comes from the source itself.
    auto melden = [&](qsizetype pos, qsizetype ende, const QString& was) {
        QString auszug = quelle.mid(pos, ende - pos).simplified();
        if (auszug.size() > 90) {
            auszug = auszug.left(87) + QStringLiteral("...");
        }
        funde << datei + u':' + QString::number(t.left(pos).count(u'\n') + 1) +
                     QStringLiteral(": ") + was + QStringLiteral(" ohne Wache: ") + auszug;
    };
    // connect(sender, signal, [context,] handler [, type]), the timers'
    // single shots and callOnTimeout: the handler is the last argument but a
    // connection or timer type; with fewer arguments the call is something
    // else. invokeMethod(context, functor [, type] [, result]), or by a
    // method's name, which no reading of the source can follow.
    static const QRegularExpression aufruf(
        QStringLiteral(R"(\b(connect|singleShot|callOnTimeout|invokeMethod)\s*\()"));
    for (auto m = aufruf.globalMatch(t); m.hasNext();) {
        const auto treffer = m.next();
        const QString name = treffer.captured(1);
        const qsizetype auf = treffer.capturedEnd() - 1;
        QStringList a = Argumente(t, auf);
        const qsizetype ende = HinterDemSchluss(t, auf);
        if (name == QLatin1String("invokeMethod")) {
            if (a.size() >= 2 && a[1].startsWith(u'"')) {
                melden(treffer.capturedStart(), ende, QStringLiteral("invokeMethod nach Namen"));
            } else if (a.size() >= 2 && !Gesichert(a[1])) {
                melden(treffer.capturedStart(), ende, name);
            }
            continue;
        }
        if (!a.isEmpty() && a.last().startsWith(QStringLiteral("Qt::"))) {
            a.removeLast();
        }
        const int mindestens = name == QLatin1String("connect")      ? 3
                               : name == QLatin1String("singleShot") ? 2
                                                                     : 1;
        if (a.size() >= mindestens && !Gesichert(a.last())) {
            melden(treffer.capturedStart(), ende, name);
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
        const QString rumpf = t.mid(auf, HinterDemSchluss(t, auf) - auf);
        const auto w = wache.match(rumpf);
        const QString rest =
            w.hasMatch() ? rumpf.mid(HinterDemSchluss(rumpf, w.capturedEnd() - 1)) : QString();
        if (!w.hasMatch() || rest.simplified() != QStringLiteral("; }")) {
            melden(treffer.capturedStart(), auf + 1, treffer.captured(1));
        }
    }
    return funde;
}

// "datei:zeile: was" of each find, without the excerpt.
QStringList Orte(QStringList funde) {
    for (QString& f : funde) {
        f = f.section(QStringLiteral(": "), 0, 1);
    }
    return funde;
}

// Every C++ source of the repository below wurzel: the tests and their helpers
// (folders named tests or testsupport) and the build trees left out.
QStringList Quellen(const QString& wurzel) {
    static const QRegularExpression cpp(QStringLiteral(R"(\.(cpp|cc|h|hpp)$)"));
    static const QRegularExpression ohne(QStringLiteral(R"((^|/)(tests|testsupport)/)"));
    QStringList dateien;
    const QDir oben(wurzel);
    for (const QString& o : oben.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDirIterator it(oben.filePath(o), QDir::Files, QDirIterator::Subdirectories);
        while (!o.startsWith(QStringLiteral("build")) && it.hasNext()) {
            const QString relativ = oben.relativeFilePath(it.next());
            if (cpp.match(relativ).hasMatch() && !ohne.match(relativ).hasMatch()) {
                dateien << relativ;
            }
        }
    }
    dateien.sort();
    return dateien;
}

QStringList UngesicherteHandlerIn(const QString& wurzel, const QStringList& dateien) {
    QStringList funde;
    for (const QString& datei : dateien) {
        QFile f(QDir(wurzel).filePath(datei));
        funde << (f.open(QIODevice::ReadOnly)
                      ? UngesicherteHandler(QString::fromUtf8(f.readAll()), datei)
                      : QStringList{datei + QStringLiteral(": nicht lesbar")});
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
    for (const char* datei :
         {"platform/qt/src/pflanze.cpp", "common/include/common/pflanze.h",
          "output/tests/pflanze_test.cpp", "testsupport/src/pflanze.cpp",
          "planner/testsupport/include/pflanze.h", "build-x/pflanze.cpp", "data/pflanze.txt"}) {
        const QString pfad = wurzel.filePath(L(datei));
        QDir().mkpath(QFileInfo(pfad).absolutePath());
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(
            "void A::B() {\n    connect(&p, &QSerialPort::readyRead, [this] { Lesen(); });\n}\n");
    }
    const QStringList dateien = Quellen(wurzel.path());
    EXPECT_EQ(dateien, (QStringList{L("common/include/common/pflanze.h"),
                                    L("platform/qt/src/pflanze.cpp")}));
    EXPECT_EQ(UngesicherteHandlerIn(wurzel.path(), dateien).value(1),
              L("platform/qt/src/pflanze.cpp:2: connect ohne Wache: "
                "connect(&p, &QSerialPort::readyRead, [this] { Lesen(); })"));
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
    const QStringList funde = UngesicherteHandlerIn(wurzel, dateien);
    EXPECT_TRUE(funde.isEmpty())
        << "Jeder Handler läuft unter der Wache (platform/wache.h): Abgesichert(handler, "
           "\"Name\") für connect, Zeitgeber und invokeMethod, AbgesichertAusfuehren(...) als "
           "ganzer Rumpf einer überschriebenen Ereignisfunktion.\n"
        << funde.join(u'\n').toStdString();
}
