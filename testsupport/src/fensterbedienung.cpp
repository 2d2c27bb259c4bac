#include "testsupport/fensterbedienung.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace kronel::test {

namespace {

std::vector<QPointer<QTimer>>& Wartende() {
    static std::vector<QPointer<QTimer>> wartende;
    return wartende;
}

// A driver still waiting when its test ends is stopped: what it would do
// belongs to that test, whose objects are gone.
class AmTestende final : public ::testing::EmptyTestEventListener {
public:
    void OnTestEnd(const ::testing::TestInfo&) override {
        for (const QPointer<QTimer>& uhr : Wartende()) {
            if (uhr != nullptr) {
                uhr->stop();
                uhr->deleteLater();
            }
        }
        Wartende().clear();
    }
};

void AmTestendeAnmelden() {
    static const bool angemeldet = [] {
        ::testing::UnitTest::GetInstance()->listeners().Append(new AmTestende);
        return true;
    }();
    (void)angemeldet;
}

// Opens w's context menu as a right-click or the Menu key does and clicks
// its paste item (which does nothing where it is greyed). The click comes
// from the event loop: a spin box runs its menu in a loop of its own.
void AusDemMenueEinfuegen(QWidget* w, QContextMenuEvent::Reason wie) {
    QTimer::singleShot(0, w, [] {
        if (auto* offen = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : offen->actions()) {
                if (a->text().startsWith(QLineEdit::tr("&Paste"))) {
                    a->trigger();
                }
            }
            offen->close();
        }
    });
    const QPoint wo(2, 2);
    QContextMenuEvent menue(wie, wo, w->mapToGlobal(wo));
    QApplication::sendEvent(w, &menue);
    QCoreApplication::processEvents();
}

}  // namespace

void ModalBedienen(std::function<bool(QWidget*)> passt, std::function<void(QWidget*)> was) {
    constexpr int kAbstandMs = 5;
    constexpr int kVersuche = 10000 / kAbstandMs;
    auto* uhr = new QTimer(QCoreApplication::instance());
    uhr->setInterval(kAbstandMs);
    QObject::connect(uhr, &QTimer::timeout, uhr,
                     [uhr, passt = std::move(passt), was = std::move(was), n = 0]() mutable {
                         QWidget* w = QApplication::activeModalWidget();
                         const bool gefunden = w != nullptr && passt(w);
                         if (gefunden || ++n >= kVersuche) {
                             // Stopped first: was may open a window of its own.
                             uhr->stop();
                             uhr->deleteLater();
                         }
                         if (gefunden) {
                             was(w);
                         }
                     });
    AmTestendeAnmelden();
    Wartende().push_back(uhr);
    uhr->start();
}

void Taste(QWidget* w, int taste, const QString& text, Qt::KeyboardModifiers mod) {
    QKeyEvent druck(QEvent::KeyPress, taste, mod, text);
    QApplication::sendEvent(w, &druck);
    QKeyEvent los(QEvent::KeyRelease, taste, mod, text);
    QApplication::sendEvent(w, &los);
}

void Tippen(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        Taste(w, Qt::Key_A, QString(c));
    }
}

QStringList KombisBetippen(QWidget* fenster) {
    // Enter that the box leaves to its window stops there.
    struct EnterHalt final : QObject {
        bool eventFilter(QObject*, QEvent* e) override {
            const auto* k = e->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(e) : nullptr;
            return k != nullptr && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter);
        }
    } halt;
    fenster->installEventFilter(&halt);
    // Typing goes to the box that has the focus, in the active window.
    fenster->show();
    fenster->activateWindow();
    for (int i = 0; i < 200 && !fenster->isActiveWindow(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QStringList texte;
    for (QComboBox* k : fenster->findChildren<QComboBox*>()) {
        if (!k->isEditable()) {
            continue;
        }
        k->insertItem(0, QStringLiteral("Ab"));
        k->setFocus(Qt::OtherFocusReason);
        k->clearEditText();
        Tippen(k, QStringLiteral("a"));
        Taste(k, Qt::Key_Return);
        texte << k->objectName() + QLatin1Char('=') + k->currentText();
    }
    fenster->removeEventFilter(&halt);
    texte.sort();
    return texte;
}

QStringList LeerEinfuegen(QWidget* fenster) {
    // In an inactive window a closing menu can take a field's selection.
    fenster->show();
    QApplication::setActiveWindow(fenster);
    QStringList felder;
    for (QLineEdit* feld : fenster->findChildren<QLineEdit*>()) {
        // A combo box or a spin box takes the keys of its line edit.
        QWidget* ziel = feld->focusProxy() != nullptr ? feld->focusProxy() : feld;
        ziel->setFocus(Qt::OtherFocusReason);
        const QString text = feld->text().size() < 2 ? QStringLiteral("12") : feld->text();
        feld->setText(text);
        feld->setSelection(1, static_cast<int>(text.size()));
        // No owner, an image, a lone tab (which a field without a validator keeps).
        for (const char* art : {"", "image/png", "text/plain"}) {
            if (*art == 't' && feld->validator() == nullptr) {
                break;
            }
            QMimeData* inhalt = *art != 0 ? new QMimeData : nullptr;
            if (inhalt != nullptr) {
                inhalt->setData(QString::fromLatin1(art), "\t");
                Fallenlassen(feld, *inhalt);
            }
            QApplication::clipboard()->setMimeData(inhalt);
            Taste(ziel, Qt::Key_V, {}, Qt::ControlModifier);
            Taste(ziel, Qt::Key_Insert, {}, Qt::ShiftModifier);
            // A right-click reaches the field, the Menu key the widget with the focus.
            AusDemMenueEinfuegen(feld, QContextMenuEvent::Mouse);
            AusDemMenueEinfuegen(ziel, QContextMenuEvent::Keyboard);
            QCoreApplication::processEvents();
        }
        const bool gleich = feld->text() == text && feld->selectionStart() == 1 &&
                            feld->selectedText() == text.mid(1);
        felder << ziel->objectName() + (gleich ? QString() : QStringLiteral(": ") + feld->text());
    }
    felder.sort();
    return felder;
}

void Fallenlassen(QWidget* w, const QMimeData& daten, QPoint wo) {
    QDragEnterEvent hinein(wo, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &hinein);
    QDragMoveEvent ziehen(wo, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    if (hinein.isAccepted()) {  // each step only after the one before was taken
        QApplication::sendEvent(w, &ziehen);
    }
    QDropEvent fallen(wo, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    if (hinein.isAccepted() && ziehen.isAccepted()) {
        QApplication::sendEvent(w, &fallen);
    }
}

}  // namespace kronel::test
