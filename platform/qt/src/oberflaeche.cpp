#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>
#include <QUrl>

#include <unistd.h>

#include <cmath>

#include "platform_qt/oberflaeche_qt.h"

namespace kronel {

namespace {

QScreen* Hauptbildschirm() {
    return QGuiApplication::instance() != nullptr ? QGuiApplication::primaryScreen() : nullptr;
}

constexpr char kAktivieren[] = "aktivieren\n";

QPalette::ColorRole SystemRolle(int index) {
    switch (index) {
        case 5:  // window background
            return QPalette::Base;
        case 13:  // highlight
            return QPalette::Highlight;
        case 14:  // highlighted text
            return QPalette::HighlightedText;
        case 15:  // button face
            return QPalette::Button;
        case 18:  // button text
            return QPalette::ButtonText;
        case 17:  // grey text
            return QPalette::PlaceholderText;
        default:  // 8 window text and the rest
            return QPalette::WindowText;
    }
}

}  // namespace

QColor FarbeAusWert(qint32 wert) {
    const quint32 u = static_cast<quint32>(wert);
    if ((u & 0x80000000u) != 0) {
        return QApplication::palette().color(SystemRolle(static_cast<int>(u & 0xFFu)));
    }
    return QColor(static_cast<int>(u & 0xFFu), static_cast<int>((u >> 8) & 0xFFu),
                  static_cast<int>((u >> 16) & 0xFFu));
}

qint32 WertAusFarbe(const QColor& farbe) {
    return static_cast<qint32>(static_cast<quint32>(farbe.red()) |
                               (static_cast<quint32>(farbe.green()) << 8) |
                               (static_cast<quint32>(farbe.blue()) << 16));
}

QStringList KombiEintraege(const QComboBox& kombi) {
    QStringList eintraege;
    for (int i = 0; i < kombi.count(); ++i) {
        eintraege << kombi.itemText(i);
    }
    return eintraege;
}

void KombiFreitext(QComboBox& kombi) {
    kombi.setEditable(true);
    kombi.setInsertPolicy(QComboBox::NoInsert);
    // An editable box completes inline from its list, case-insensitively: one
    // typed letter would stand for an item the user never meant. Without a
    // completer Enter also looks for the item with the exact case.
    kombi.setCompleter(nullptr);
    // Leaving the box would take the item that equals its text as a choice
    // from the list (activated), though the user only passed through it: a
    // window that commits or reads again on a choice would do so unasked.
    QObject::disconnect(kombi.lineEdit(), &QLineEdit::editingFinished, &kombi, nullptr);
}

double QtBildschirm::weite() const {
    QScreen* s = Hauptbildschirm();
    return (s != nullptr ? s->availableGeometry().width() : 1024) * TwipsProPixel;
}

double QtBildschirm::hoehe() const {
    QScreen* s = Hauptbildschirm();
    return (s != nullptr ? s->availableGeometry().height() : 768) * TwipsProPixel;
}

int QtBildschirm::bitsProPixel() const {
    QScreen* s = Hauptbildschirm();
    return s != nullptr ? s->depth() : 24;
}

bool QtWeb::oeffnen(const QString& adresse) {
    return QDesktopServices::openUrl(QUrl(adresse));
}

QtInstanzen::QtInstanzen() = default;
QtInstanzen::~QtInstanzen() = default;

QString QtInstanzen::KanalName(const QString& name) {
    return QStringLiteral("kronel-%1-%2").arg(name).arg(::getuid());
}

bool QtInstanzen::anmelden(const QString& name) {
    const QString kanal = KanalName(name);
    {
        QLocalSocket probe;
        probe.connectToServer(kanal);
        if (probe.waitForConnected(1000)) {
            probe.disconnectFromServer();
            return false;
        }
    }
    QLocalServer::removeServer(kanal);  // the socket of a copy that crashed
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(kanal)) {
        return server->serverError() != QAbstractSocket::AddressInUseError;
    }
    QLocalServer* s = server.get();
    QObject::connect(s, &QLocalServer::newConnection, s, [this, s] {
        while (QLocalSocket* verbindung = s->nextPendingConnection()) {
            QObject::connect(verbindung, &QLocalSocket::disconnected, verbindung,
                             &QObject::deleteLater);
            QObject::connect(verbindung, &QLocalSocket::readyRead, verbindung, [this, verbindung] {
                while (verbindung->canReadLine()) {
                    if (verbindung->readLine() == kAktivieren && handler_) {
                        handler_();
                    }
                }
            });
        }
    });
    server_ = std::move(server);
    return true;
}

bool QtInstanzen::aktivieren(const QString& name) {
    QLocalSocket s;
    s.connectToServer(KanalName(name));
    if (!s.waitForConnected(1000)) {
        return false;
    }
    s.write(kAktivieren);
    const bool ok = s.waitForBytesWritten(1000);
    s.disconnectFromServer();
    if (s.state() != QLocalSocket::UnconnectedState) {
        s.waitForDisconnected(500);
    }
    return ok;
}

void QtInstanzen::beiAktivierung(std::function<void()> handler) {
    handler_ = std::move(handler);
}

SchriftWerte QtSchriftTraeger::schrift() const {
    if (w_ == nullptr) {
        return {};
    }
    const QFont f = w_->font();
    return {f.family(), f.pointSizeF(), f.bold(), f.italic(), f.underline(), f.strikeOut()};
}

void QtSchriftTraeger::schriftSetzen(const SchriftWerte& s) {
    if (w_ == nullptr) {
        return;
    }
    QFont f = w_->font();
    f.setFamily(s.name);
    if (s.groesse > 0) {
        f.setPointSizeF(s.groesse);
    }
    f.setBold(s.fett);
    f.setItalic(s.kursiv);
    f.setUnderline(s.unterstrichen);
    f.setStrikeOut(s.durchgestrichen);
    w_->setFont(f);
}

std::optional<qint32> QtSchriftTraeger::farbe() const {
    if (w_ == nullptr) {
        return std::nullopt;
    }
    return WertAusFarbe(w_->palette().color(w_->foregroundRole()));
}

bool QtSchriftTraeger::farbeSetzen(qint32 farbe) {
    if (w_ == nullptr) {
        return false;
    }
    QPalette p = w_->palette();
    const QColor c = FarbeAusWert(farbe);
    p.setColor(w_->foregroundRole(), c);
    p.setColor(QPalette::Text, c);
    w_->setPalette(p);
    return true;
}

QString QtTextfeld::text() const {
    if (auto* l = qobject_cast<QLineEdit*>(w_)) {
        return l->text();
    }
    if (auto* p = qobject_cast<QPlainTextEdit*>(w_)) {
        return p->toPlainText();
    }
    if (auto* t = qobject_cast<QTextEdit*>(w_)) {
        return t->toPlainText();
    }
    return {};
}

void QtTextfeld::textSetzen(const QString& text) {
    if (auto* l = qobject_cast<QLineEdit*>(w_)) {
        l->setText(text);
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(w_)) {
        p->setPlainText(text);
    } else if (auto* t = qobject_cast<QTextEdit*>(w_)) {
        t->setPlainText(text);
    }
}

namespace {
QTextCursor Cursor(QWidget* w) {
    if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
        return p->textCursor();
    }
    if (auto* t = qobject_cast<QTextEdit*>(w)) {
        return t->textCursor();
    }
    return {};
}
}  // namespace

int QtTextfeld::auswahlStart() const {
    if (auto* l = qobject_cast<QLineEdit*>(w_)) {
        return l->hasSelectedText() ? l->selectionStart() : l->cursorPosition();
    }
    return Cursor(w_).selectionStart();
}

int QtTextfeld::auswahlLaenge() const {
    if (auto* l = qobject_cast<QLineEdit*>(w_)) {
        return l->hasSelectedText() ? l->selectionLength() : 0;
    }
    const QTextCursor c = Cursor(w_);
    return c.selectionEnd() - c.selectionStart();
}

void QtTextfeld::auswahlSetzen(int start, int laenge) {
    if (auto* l = qobject_cast<QLineEdit*>(w_)) {
        if (laenge > 0) {
            l->setSelection(start, laenge);
        } else {
            l->setCursorPosition(start);
        }
        return;
    }
    QTextCursor c = Cursor(w_);
    if (c.isNull()) {
        return;
    }
    c.setPosition(start);
    c.setPosition(start + laenge, QTextCursor::KeepAnchor);
    if (auto* p = qobject_cast<QPlainTextEdit*>(w_)) {
        p->setTextCursor(c);
    } else if (auto* t = qobject_cast<QTextEdit*>(w_)) {
        t->setTextCursor(c);
    }
}

bool QtTextfeld::fokusSetzen() {
    if (w_ == nullptr || !w_->isEnabled() || !w_->isVisible()) {
        return false;
    }
    w_->setFocus(Qt::OtherFocusReason);
    return true;
}

FensterMasse QtFenster::masse() const {
    if (w_ == nullptr) {
        return {};
    }
    const QRect r = w_->frameGeometry();
    return {r.x() * TwipsProPixel, r.y() * TwipsProPixel, r.width() * TwipsProPixel,
            r.height() * TwipsProPixel};
}

void QtFenster::masseSetzen(const FensterMasse& m) {
    if (w_ == nullptr) {
        return;
    }
    auto px = [](double twips) { return static_cast<int>(std::lround(twips / TwipsProPixel)); };
    // The frame is part of the stored size; the client area is what Qt sizes.
    const QRect rahmen = w_->frameGeometry();
    const QRect innen = w_->geometry();
    const int dw = rahmen.width() - innen.width();
    const int dh = rahmen.height() - innen.height();
    w_->move(px(m.links), px(m.oben));
    w_->resize(std::max(1, px(m.weite) - dw), std::max(1, px(m.hoehe) - dh));
}

FensterZustand QtFenster::zustand() const {
    if (w_ == nullptr) {
        return FensterZustand::Normal;
    }
    if (w_->isMinimized()) {
        return FensterZustand::Minimiert;
    }
    return w_->isMaximized() ? FensterZustand::Maximiert : FensterZustand::Normal;
}

void QtFenster::zustandSetzen(FensterZustand z) {
    if (w_ == nullptr) {
        return;
    }
    switch (z) {
        case FensterZustand::Normal:
            w_->setWindowState(w_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
            break;
        case FensterZustand::Minimiert:
            w_->setWindowState((w_->windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
            break;
        case FensterZustand::Maximiert:
            w_->setWindowState((w_->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
            break;
    }
}

}  // namespace kronel
