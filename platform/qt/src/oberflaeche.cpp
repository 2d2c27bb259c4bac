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
#include <QValidator>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/text.h"
#include "platform/wache.h"
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
    EinzeiligEinpassen(kombi.lineEdit());
}

namespace {

// The line edit asks it after every edit, before its signals.
class EinzeiligPruefer final : public QValidator {
public:
    EinzeiligPruefer(int hoechstens, QObject* eltern)
        : QValidator(eltern), hoechstens_(hoechstens) {}
    // After a failure the edit is refused: the field keeps what it had.
    State validate(QString& text, int& position) const override {
        return AbgesichertAusfuehren(
            [&] {
                QString passend = EingabeBereinigen(text, u" ");
                qsizetype pos = passend == text
                                    ? position
                                    : EingabeBereinigen(text.left(position), u" ").size();
                if (hoechstens_ > 0 && passend.size() > hoechstens_) {
                    // As a field's own limit does: of what the edit brought in
                    // (before the caret) the end stays out.
                    const qsizetype weg = std::min<qsizetype>(passend.size() - hoechstens_, pos);
                    passend.remove(pos - weg, weg);
                    pos -= weg;
                    passend.truncate(hoechstens_);
                }
                if (passend != text) {
                    text = passend;
                    position = static_cast<int>(pos);
                }
                return Acceptable;
            },
            "EinzeiligPruefer_validate", Invalid);
    }

private:
    int hoechstens_;
};

}  // namespace

void EinzeiligEinpassen(QLineEdit* feld, int hoechstens) {
    const QValidator* vorher = feld->validator();
    feld->setValidator(new EinzeiligPruefer(hoechstens, feld));
    if (vorher != nullptr && vorher->parent() == feld) {
        delete vorher;
    }
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
    const auto verbinden = [this, s] {
        while (QLocalSocket* verbindung = s->nextPendingConnection()) {
            QObject::connect(verbindung, &QLocalSocket::disconnected, verbindung,
                             &QObject::deleteLater);
            const auto lesen = [this, verbindung] {
                while (verbindung->canReadLine()) {
                    if (verbindung->readLine() == kAktivieren && handler_) {
                        handler_();
                    }
                }
            };
            QObject::connect(verbindung, &QLocalSocket::readyRead, verbindung,
                             Abgesichert(lesen, "Instanzen_readyRead"));
        }
    };
    QObject::connect(s, &QLocalServer::newConnection, s,
                     Abgesichert(verbinden, "Instanzen_newConnection"));
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

namespace {

int Px(double twips) {
    return static_cast<int>(std::lround(twips / TwipsProPixel));
}

// The client area of a window whose outer edges are m, inside the frame r.
QRect Innen(const FensterMasse& m, const QMargins& r) {
    return {Px(m.links) + r.left(), Px(m.oben) + r.top(),
            std::max(1, Px(m.weite) - r.left() - r.right()),
            std::max(1, Px(m.hoehe) - r.top() - r.bottom())};
}

// A window manager frames a window only after it is shown; before, Qt knows
// no frame, and the client area would take the whole outer size. What the
// window was given before is given again once the frame is known, so that a
// restored window keeps its stored size instead of growing by the frame.
class RahmenNachtrag final : public QObject {
public:
    static RahmenNachtrag* Von(QWidget* w) {
        return dynamic_cast<RahmenNachtrag*>(
            w->findChild<QObject*>(Name(), Qt::FindDirectChildrenOnly));
    }
    static RahmenNachtrag& Fuer(QWidget* w, const QtFenster::RahmenAbfrage& rahmen) {
        RahmenNachtrag* n = Von(w);
        return n != nullptr ? *n : *new RahmenNachtrag(w, rahmen);
    }
    // The outer edges; with groesse false only the position, the size stays.
    void Merken(const FensterMasse& ziel, bool groesse) {
        ziel_ = ziel;
        groesse_ = groesse_ || groesse;
        gegeben_ = fenster_->size();
    }
    // Outer edges with a size were given to the window, and it holds them
    // as its inside until the frame is known.
    bool GroesseGegeben() const { return groesse_ && !fertig_; }
    // What the window is given now, the frame known, holds.
    void Aufgeben() {
        fertig_ = true;
        deleteLater();
    }

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override {
        return AbgesichertAusfuehren([&] { return Filtern(ziel, e); }, "RahmenNachtrag_eventFilter",
                                     false);
    }

private:
    bool Filtern(QObject* ziel, QEvent* e) {
        switch (e->type()) {
            case QEvent::Show:
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowStateChange:
                break;
            default:
                return QObject::eventFilter(ziel, e);
        }
        if (fertig_ || !fenster_->isVisible() ||
            (fenster_->windowState() &
             (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
            return QObject::eventFilter(ziel, e);
        }
        const QMargins r = rahmen_(*fenster_);
        if (!r.isNull()) {
            Aufgeben();
            fenster_->setGeometry(groesse_ ? Innen(ziel_, r) : AufDemSchirm(r));
        } else if (e->type() == QEvent::Resize && fenster_->size() != gegeben_) {
            Aufgeben();  // sized by the user in a session without a window manager
        }
        return QObject::eventFilter(ziel, e);
    }

private:
    // Placed without its frame, the window stood inside the screen's right
    // and bottom edges where it was placed so; the frame does not push it
    // beyond them.
    QRect AufDemSchirm(const QMargins& r) const {
        QRect innen(Innen(ziel_, r).topLeft(), fenster_->size());
        const QScreen* s = fenster_->screen();
        if (s == nullptr) {
            return innen;
        }
        const QRect schirm = s->availableGeometry();
        const QRect vorher(Px(ziel_.links), Px(ziel_.oben), gegeben_.width(), gegeben_.height());
        const QRect aussen = innen.marginsAdded(r);
        const int rechts = vorher.right() <= schirm.right() ? aussen.right() - schirm.right() : 0;
        const int unten =
            vorher.bottom() <= schirm.bottom() ? aussen.bottom() - schirm.bottom() : 0;
        innen.translate(-std::clamp(rechts, 0, std::max(0, aussen.left() - schirm.left())),
                        -std::clamp(unten, 0, std::max(0, aussen.top() - schirm.top())));
        return innen;
    }

    RahmenNachtrag(QWidget* w, QtFenster::RahmenAbfrage rahmen)
        : QObject(w), fenster_(w), rahmen_(std::move(rahmen)) {
        setObjectName(Name());
        w->installEventFilter(this);
    }
    static QString Name() { return QStringLiteral("RahmenNachtrag"); }

    QWidget* fenster_;
    QtFenster::RahmenAbfrage rahmen_;
    FensterMasse ziel_;
    bool groesse_ = false;
    QSize gegeben_;
    bool fertig_ = false;
};

void Nachgetragen(QWidget* w) {
    if (RahmenNachtrag* n = RahmenNachtrag::Von(w)) {
        n->Aufgeben();
    }
}

// Never shown, the window has no frame yet; Qt puts the one that comes at
// the window's position, around the size its design gave it.
bool EigeneGroesseUngezeigt(QWidget* w) {
    const RahmenNachtrag* n = RahmenNachtrag::Von(w);
    return !w->isVisible() && !w->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
           (n == nullptr || !n->GroesseGegeben());
}

}  // namespace

QtFenster::QtFenster(QWidget* w, RahmenAbfrage rahmen, RahmenAbfrage kommt)
    : w_(w), rahmen_(std::move(rahmen)), kommt_(std::move(kommt)) {
    if (!kommt_) {
        kommt_ = [](const QWidget&) { return FenstermanagerRahmen(); };
    }
    if (!rahmen_) {
        rahmen_ = [](const QWidget& fenster) {
            const QRect aussen = fenster.frameGeometry();
            const QRect innen = fenster.geometry();
            return QMargins(innen.left() - aussen.left(), innen.top() - aussen.top(),
                            aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
        };
    }
}

QMargins QtFenster::Rahmen() const {
    return rahmen_(*w_);
}

FensterMasse QtFenster::masse() const {
    if (w_ == nullptr) {
        return {};
    }
    QRect r = w_->geometry();
    const QMargins rahmen = Rahmen();
    if (!rahmen.isNull()) {
        r = r.marginsAdded(rahmen);
    } else if (EigeneGroesseUngezeigt(w_)) {
        r.setSize(r.size().grownBy(kommt_(*w_)));
    }
    return {r.x() * TwipsProPixel, r.y() * TwipsProPixel, r.width() * TwipsProPixel,
            r.height() * TwipsProPixel};
}

void QtFenster::masseSetzen(const FensterMasse& m) {
    if (w_ == nullptr) {
        return;
    }
    const QMargins r = Rahmen();
    if (!r.isNull()) {
        Nachgetragen(w_);
        w_->setGeometry(Innen(m, r));
        return;
    }
    // Qt puts a frame that comes later at this position.
    w_->move(Px(m.links), Px(m.oben));
    w_->resize(Innen(m, r).size());
    RahmenNachtrag::Fuer(w_, rahmen_).Merken(m, true);
}

void QtFenster::verschieben(double links, double oben) {
    if (w_ == nullptr) {
        return;
    }
    FensterMasse m = masse();
    m.links = links;
    m.oben = oben;
    const QMargins r = Rahmen();
    if (!r.isNull()) {
        Nachgetragen(w_);
        w_->setGeometry(QRect(Innen(m, r).topLeft(), w_->size()));
        return;
    }
    w_->move(Px(links), Px(oben));
    RahmenNachtrag::Fuer(w_, rahmen_).Merken(m, false);
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
