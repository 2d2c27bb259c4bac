// Every handler the event loop calls runs under the top-level guard, so that a
// failure in it is reported instead of ending the program. This check reads
// every source of the repository but the tests, the platform layer included,
// and names each connection, timer, queued call, menu or shortcut functor,
// event override and virtual that Qt's event handling calls that does not,
// also those that come later. What it knows as a handler follows the kind
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
// blanked, so that they neither hide nor fake code; line breaks stay. A "'"
// separates digits only inside a number; elsewhere it opens a character
// (u'"' too). A raw string R"x(...)x" ends only at its own delimiter.
QString NurCode(QString t) {
    auto leeren = [&](qsizetype von, qsizetype bis) {
        for (qsizetype i = von; i < std::min(bis, t.size()); ++i) {
            if (t[i] != u'\n') {
                t[i] = u' ';
            }
        }
    };
    static const QRegularExpression zahl(QStringLiteral(R"(\G([eEpP][+-]|\w|'\w|\.)*)"));
    auto davor = [&](qsizetype i) {  // the word that ends at i
        qsizetype anfang = i;
        while (anfang > 0 && (t[anfang - 1].isLetterOrNumber() || t[anfang - 1] == u'_')) {
            --anfang;
        }
        return t.mid(anfang, i - anfang);
    };
    static const QStringList roh{QStringLiteral("R"), QStringLiteral("u8R"), QStringLiteral("uR"),
                                 QStringLiteral("UR"), QStringLiteral("LR")};
    for (qsizetype i = 0; i < t.size();) {
        const QChar c = t[i];
        const QChar n = i + 1 < t.size() ? t[i + 1] : QChar();
        qsizetype ende = i + 1;
        if (c == u'/' && n == u'/') {
            ende = t.indexOf(u'\n', i);
            leeren(i, ende < 0 ? t.size() : ende);
        } else if (c == u'/' && n == u'*') {
            ende = t.indexOf(QStringLiteral("*/"), i + 2);
            ende = ende < 0 ? t.size() : ende + 2;
            leeren(i, ende);
        } else if (c.isDigit() && davor(i).isEmpty()) {
            ende = zahl.match(t, i).capturedEnd();
        } else if (c == u'"' && roh.contains(davor(i))) {
            const qsizetype auf = t.indexOf(u'(', i);
            const QString schluss = u')' + t.mid(i + 1, auf - i - 1) + u'"';
            const qsizetype zu = auf < 0 ? -1 : t.indexOf(schluss, auf);
            ende = zu < 0 ? t.size() : zu + schluss.size();
            leeren(i + 1, ende - 1);
        } else if (c == u'"' || c == u'\'') {
            while (ende < t.size() && t[ende] != c && t[ende] != u'\n') {
                ende += t[ende] == u'\\' && ende + 1 < t.size() && t[ende + 1] != u'\n' ? 2 : 1;
            }
            leeren(i + 1, ende);
            ++ende;
        }
        i = std::max(ende, i + 1);
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
    // A menu's or tool bar's addAction(text, [context,] functor [, key]) and a
    // QShortcut(key, parent, [context,] functor [, ...]): each argument
    // written as a handler (a lambda, a member function, a bound call) is
    // one; a slot by its name cannot be followed. A functor kept in a
    // variable cannot be told from a text or an object by reading: it is
    // written in place.
    static const QRegularExpression mitFunktor(
        QStringLiteral(R"(\b(addAction|QShortcut(\s*>|\s+\w+)?)\s*\()"));
    static const QRegularExpression handlerArtig(
        QStringLiteral(R"(^(\[|&[\w:]+::\w+$|std::bind\b|Abgesichert\b))"));
    for (auto m = mitFunktor.globalMatch(t); m.hasNext();) {
        const auto treffer = m.next();
        const QString name = treffer.captured(1).startsWith(u'Q') ? QStringLiteral("QShortcut")
                                                                  : QStringLiteral("addAction");
        const qsizetype auf = treffer.capturedEnd() - 1;
        const qsizetype ende = HinterDemSchluss(t, auf);
        for (const QString& a : Argumente(t, auf)) {
            if (a.startsWith(QStringLiteral("SLOT"))) {
                melden(treffer.capturedStart(), ende, name + QStringLiteral(" nach Namen"));
            } else if (handlerArtig.match(a).hasMatch() && !Gesichert(a)) {
                melden(treffer.capturedStart(), ende, name);
            }
        }
    }
    // The definition of an event handler of any name (...Event, event, an
    // event filter), of a dialog's closing slot, or of a virtual that Qt's
    // event handling calls (a key asks the field's validator, a paint or a
    // layout the delegate, the model and its filter, a paste or a drop the
    // text field), whatever the keywords in front or behind: its body is one
    // call of the guard, not a function-try-block. The names a model or a
    // delegate shares with ordinary functions count with a model index or a
    // painter among the parameters.
    static const QRegularExpression ueberschrieben(QStringLiteral(
        R"(\b(event|eventFilter|[a-z]\w*Event(Filter)?|accept|reject|done|validate|fixup|)"
        R"(filterAccepts(Row|Column)|lessThan|(minimumS|s)izeHint|heightForWidth|)"
        R"(focusNextPrevChild|inputMethodQuery|(canI|i)nsertFromMimeData|)"
        R"(createMimeDataFromSelection|createEditor|set(Editor|Model)?Data|updateEditorGeometry|)"
        R"(displayText|headerData|(row|column)Count|mimeData|(canDrop|drop)MimeData|)"
        R"(data|flags|index|parent|paint)\s*\()"));
    static const QRegularExpression mehrdeutig(
        QStringLiteral(R"(^(data|flags|index|parent|paint)$)"));
    static const QRegularExpression qtTyp(QStringLiteral(R"(\b(QModelIndex|QPainter)\b)"));
    static const QRegularExpression nachDerListe(
        QStringLiteral(R"(^\s*((const|override|final|noexcept|Q_DECL_OVERRIDE|try)\s*)*\{)"));
    static const QRegularExpression wache(
        QStringLiteral(R"(^\{\s*(return\s+)?(Absichern|AbgesichertAusfuehren)\s*\()"));
    for (auto m = ueberschrieben.globalMatch(t); m.hasNext();) {
        const auto treffer = m.next();
        const qsizetype hinter = HinterDemSchluss(t, treffer.capturedEnd() - 1);
        const auto kopf = nachDerListe.match(t.mid(hinter, 120));
        const QString parameter = t.mid(treffer.capturedEnd(), hinter - treffer.capturedEnd());
        if (hinter < 0 || !kopf.hasMatch() ||
            (mehrdeutig.match(treffer.captured(1)).hasMatch() &&
             !qtTyp.match(parameter).hasMatch())) {
            continue;  // a call, a declaration or an ordinary function
        }
        const qsizetype auf = hinter + kopf.capturedEnd() - 1;
        const QString rumpf = t.mid(auf, HinterDemSchluss(t, auf) - auf);
        const auto w = wache.match(rumpf);
        const QString rest =
            w.hasMatch() ? rumpf.mid(HinterDemSchluss(rumpf, w.capturedEnd() - 1)) : QString();
        if (!w.hasMatch() || rest.simplified() != QStringLiteral("; }") ||
            kopf.captured(0).contains(QStringLiteral("try"))) {
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
void Fenster::Menue() {
    if (c == u'"') connect(j, &QPushButton::clicked, this, [this] { Weiter(); });
    Setzen(R"(a"b)", 1'000); connect(k, &QPushButton::clicked, this, [] {});
    Setzen(u8R"-(a)"b)-"); connect(l, &QPushButton::clicked, this, [] {});
    menue->addAction(L("&Ende"), this, [this] { close(); });
    menue->addAction(L("&Neu"), Abgesichert([this] { Neu(); }, "mnuNeu"), QKeySequence::New);
    leiste->addAction(symbol, L("Drucken"), this, &Fenster::Drucken);
    menue->addAction(L("&Info"));
    new QShortcut(QKeySequence::Save, this, [this] { Speichern(); });
    auto kurz = std::make_unique<QShortcut>(Qt::Key_F1, this, Abgesichert([] {}, "F1"));
    QShortcut taste(Qt::Key_F2, this, SLOT(Umbenennen()));
}
bool Fenster::filterAcceptsRow(int z, const QModelIndex& o) const { return z > 0; }
void Fenster::keyReleaseEvent(QKeyEvent* e) try {
    AbgesichertAusfuehren([&] { Weiter(); }, "Fenster_KeyUp");
} catch (...) {}
class Pruefer final : public QValidator {
    State validate(QString& s, int& p) const override { return Acceptable; }
    void fixup(QString& s) const override { AbgesichertAusfuehren([&] { s.clear(); }, "f"); }
};
QSize Zeile::sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const { return {}; }
bool Feld::canInsertFromMimeData(const QMimeData* q) const { return true; }
QVariant Modell::data(const QModelIndex& i, int r) const { return {}; }
Modell::Modell(QObject* parent) : data(parent) {}
QByteArray Puffer::data() const { return daten; }
)q");
    EXPECT_EQ(Orte(UngesicherteHandler(quelle, L("f.cpp"))),
              (QStringList{L("f.cpp:3: connect ohne Wache"),
                           L("f.cpp:6: connect ohne Wache"),
                           L("f.cpp:7: connect ohne Wache"),
                           L("f.cpp:8: singleShot ohne Wache"),
                           L("f.cpp:10: connect ohne Wache"),
                           L("f.cpp:14: invokeMethod ohne Wache"),
                           L("f.cpp:16: invokeMethod nach Namen ohne Wache"),
                           L("f.cpp:17: callOnTimeout ohne Wache"),
                           L("f.cpp:45: connect ohne Wache"),
                           L("f.cpp:46: connect ohne Wache"),
                           L("f.cpp:47: connect ohne Wache"),
                           L("f.cpp:48: addAction ohne Wache"),
                           L("f.cpp:50: addAction ohne Wache"),
                           L("f.cpp:52: QShortcut ohne Wache"),
                           L("f.cpp:54: QShortcut nach Namen ohne Wache"),
                           L("f.cpp:19: eventFilter ohne Wache"),
                           L("f.cpp:26: closeEvent ohne Wache"),
                           L("f.cpp:34: reject ohne Wache"),
                           L("f.cpp:37: wheelEvent ohne Wache"),
                           L("f.cpp:38: sceneEventFilter ohne Wache"),
                           L("f.cpp:39: nativeEvent ohne Wache"),
                           L("f.cpp:56: filterAcceptsRow ohne Wache"),
                           L("f.cpp:57: keyReleaseEvent ohne Wache"),
                           L("f.cpp:61: validate ohne Wache"),
                           L("f.cpp:64: sizeHint ohne Wache"),
                           L("f.cpp:65: canInsertFromMimeData ohne Wache"),
                           L("f.cpp:66: data ohne Wache")}));
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
           "\"Name\") für connect, Zeitgeber, invokeMethod, addAction und QShortcut, "
           "AbgesichertAusfuehren(...) als ganzer Rumpf einer überschriebenen Ereignisfunktion "
           "oder einer Funktion, die Qt aus seiner Ereignisbehandlung aufruft.\n"
        << funde.join(u'\n').toStdString();
}
