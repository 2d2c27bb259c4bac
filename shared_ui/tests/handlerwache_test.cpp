// Every handler of a window runs under the top-level guard, so that a failure
// in it is reported instead of ending the program. This check reads the window
// sources and names each connection, timer slot and event override that does
// not, also those that come later.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

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

// A handler passed to connect() or a timer: under the guard, or a slot of Qt's
// own classes (ours called Qt... excepted), which does not reach our code but
// through an override that is guarded itself.
bool VonQt(const QString& klasse) {
    static const QRegularExpression qt(QStringLiteral(R"(^Q(?!t[A-Z])[A-Z])"));
    return qt.match(klasse).hasMatch();
}
bool Gesichert(const QString& handler) {
    static const QRegularExpression slot(QStringLiteral(R"(^&\w+::\w+$)"));
    return handler.startsWith(QStringLiteral("Abgesichert(")) ||
           (slot.match(handler).hasMatch() && VonQt(handler.mid(1)));
}

// Each unguarded handler of the source as "datei:zeile: what it is".
QStringList UngesicherteHandler(const QString& quelle, const QString& datei) {
    const QString t = NurCode(quelle);
    QStringList funde;
    auto melden = [&](qsizetype pos, const QString& was) {
        funde << datei + u':' + QString::number(t.left(pos).count(u'\n') + 1) +
                     QStringLiteral(": ") + was;
    };
    // connect(sender, signal, [context,] handler [, type]) and the timers'
    // single shots: the handler is the last argument but a connection type.
    static const QRegularExpression aufruf(
        QStringLiteral(R"(\b(connect|QTimer::singleShot|callOnTimeout)\s*\()"));
    for (auto m = aufruf.globalMatch(t); m.hasNext();) {
        const auto treffer = m.next();
        QStringList a = Argumente(t, treffer.capturedEnd() - 1);
        if (!a.isEmpty() && a.last().startsWith(QStringLiteral("Qt::"))) {
            a.removeLast();
        }
        if (a.size() >= 2 && !Gesichert(a.last())) {
            melden(treffer.capturedStart(), treffer.captured(1) + QStringLiteral(" ohne Wache"));
        }
    }
    // An override of an event handler, an event filter or a dialog's closing
    // slot: its body is one call of the guard.
    static const QRegularExpression ueberschrieben(QStringLiteral(
        R"(\b(\w+::)?(event|eventFilter|[a-z]\w*Event|accept|reject|done|insertFromMimeData)\s*\()"));
    static const QRegularExpression nachDerListe(
        QStringLiteral(R"(^\s*((const|override|final|noexcept)\s*)*\{)"));
    static const QRegularExpression wache(
        QStringLiteral(R"(^\{\s*(return\s+)?(Absichern|AbgesichertAusfuehren)\s*\()"));
    for (auto m = ueberschrieben.globalMatch(t); m.hasNext();) {
        const auto treffer = m.next();
        const qsizetype hinter = HinterDemSchluss(t, treffer.capturedEnd() - 1);
        const auto kopf = nachDerListe.match(t.mid(hinter, 80));
        const bool eigenerKlasse = !treffer.captured(1).isEmpty() && !VonQt(treffer.captured(1));
        if (hinter < 0 || !kopf.hasMatch() ||
            !(eigenerKlasse || kopf.captured(0).contains(QStringLiteral("override")))) {
            continue;  // a call or a declaration
        }
        const qsizetype auf = hinter + kopf.capturedEnd() - 1;
        const QString rumpf = t.mid(auf, HinterDemSchluss(t, auf) - auf);
        const auto w = wache.match(rumpf);
        const QString rest =
            w.hasMatch() ? rumpf.mid(HinterDemSchluss(rumpf, w.capturedEnd() - 1)) : QString();
        if (!w.hasMatch() || rest.simplified() != QStringLiteral("; }")) {
            melden(treffer.capturedStart(), treffer.captured(2) + QStringLiteral(" ohne Wache"));
        }
    }
    return funde;
}

// The window libraries: each folder ui, dialogs or shared_ui with its sources
// and headers, the tests left out.
QStringList Fensterquellen(const QString& wurzel) {
    static const QRegularExpression fenster(
        QStringLiteral(R"((^|/)(ui|dialogs|shared_ui)/(src|include)/.*\.(cpp|h)$)"));
    QStringList dateien;
    const QDir oben(wurzel);
    for (const QString& ordner : oben.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (ordner.startsWith(QStringLiteral("build"))) {
            continue;
        }
        QDirIterator it(oben.filePath(ordner), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relativ = oben.relativeFilePath(it.next());
            if (fenster.match(relativ).hasMatch() && !relativ.contains(QStringLiteral("/tests/"))) {
                dateien << relativ;
            }
        }
    }
    dateien.sort();
    return dateien;
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
};
)q");
    EXPECT_EQ(
        UngesicherteHandler(quelle, L("f.cpp")),
        (QStringList{L("f.cpp:3: connect ohne Wache"), L("f.cpp:6: connect ohne Wache"),
                     L("f.cpp:7: connect ohne Wache"), L("f.cpp:8: QTimer::singleShot ohne Wache"),
                     L("f.cpp:10: connect ohne Wache"), L("f.cpp:15: eventFilter ohne Wache"),
                     L("f.cpp:22: closeEvent ohne Wache"), L("f.cpp:30: reject ohne Wache")}));
}

TEST(Handlerwache, JederHandlerDerFensterLaeuftUnterDerWache) {
    const QString wurzel = QStringLiteral(KRONEL_QUELLORDNER);
    const QStringList dateien = Fensterquellen(wurzel);
    // The planner's windows, the shared ones and the other programs' are all read.
    for (const char* muss :
         {"planner/ui/src/main.cpp", "planner/dialogs/src/notizen.cpp", "shared_ui/src/info.cpp",
          "output/ui/src/kronelfenster.cpp", "memo/reminder/ui/src/hauptfenster.cpp"}) {
        EXPECT_TRUE(dateien.contains(L(muss))) << muss;
    }
    QStringList funde;
    for (const QString& datei : dateien) {
        QFile f(QDir(wurzel).filePath(datei));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << datei.toStdString();
        funde << UngesicherteHandler(QString::fromUtf8(f.readAll()), datei);
    }
    EXPECT_TRUE(funde.isEmpty()) << funde.join(u'\n').toStdString();
}
