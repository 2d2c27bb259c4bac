#include "shared_ui/programm.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>

#include "platform/befehlszeile.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/programmende.h"
#include "platform/tastatur.h"
#include "platform/uhr.h"
#include "platform_qt/dienste_qt.h"
#include "platform_qt/oberflaeche_qt.h"
#include "platform_qt/tastatur_qt.h"
#include "printing/qtdrucker.h"
#include "shared_ui/hilfefenster.h"

namespace kronel {

QtDrucker& ProgrammUmgebung::drucker() {
    return DruckerInstallieren();
}

void DiensteInstallieren() {
    static QtMeldungen meldungenQt;
    static QtTon tonQt;
    static QtZeiger zeigerQt;
    static SystemUhr uhrSystem;
    static QtBildschirm bildschirmQt;
    static QtWeb webQt;
    static QtInstanzen instanzenQt;
    static SystemProzesse prozesseSystem;
    static QtHilfe hilfeQt;
    Dienste d = dienste();
    d.meldungen = &meldungenQt;
    d.ton = &tonQt;
    d.zeiger = &zeigerQt;
    d.uhr = &uhrSystem;
    d.bildschirm = &bildschirmQt;
    d.web = &webQt;
    d.instanzen = &instanzenQt;
    d.prozesse = &prozesseSystem;
    d.hilfe = &hilfeQt;
    DiensteSetzen(d);
    static QtTastatur tastaturQt;
    TastaturSetzen(&tastaturQt);
    WacheMitFehlerMeldung();
    LeeresEinfuegenAbfangen();
}

namespace {

// The line edit that takes a widget's keys: its own, or that of an editable
// combo box or a spin box.
QLineEdit* Zeile(QObject* ziel) {
    if (auto* feld = qobject_cast<QLineEdit*>(ziel)) {
        return feld;
    }
    for (QLineEdit* feld : ziel->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        if (feld->focusProxy() == ziel) {
            return feld;
        }
    }
    return nullptr;
}

// Whether a paste or a drop could change feld at all.
bool NimmtText(const QLineEdit* feld) {
    return feld != nullptr && feld->isEnabled() && !feld->isReadOnly();
}

// Qt's line edit removes the selection before it pastes, also when what it
// pastes is nothing the field keeps, and the field's fitting comes after: such
// a paste is stopped before it starts, from a key or from the context menu. A
// drag of such text is refused, so that it does not move the caret either.
// The clipboard is asked only for a field that takes the paste: an owner that
// does not answer holds up every question for seconds.
class LeeresEinfuegen final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override {
        return AbgesichertAusfuehren([&] { return Abfangen(ziel, e); },
                                     "LeeresEinfuegen_eventFilter", false);
    }

private:
    static bool Abfangen(QObject* ziel, QEvent* e) {
        switch (e->type()) {
            case QEvent::KeyPress:
                return TasteAbfangen(ziel, *static_cast<QKeyEvent*>(e));
            case QEvent::Show:
                MenueAnpassen(ziel);
                return false;
            case QEvent::DragEnter:
                return ZiehenAbweisen(ziel, *static_cast<QDropEvent*>(e));
            default:
                return false;
        }
    }

    static bool TasteAbfangen(QObject* ziel, QKeyEvent& k) {
        if (!k.matches(QKeySequence::Paste)) {
            return false;
        }
        QLineEdit* feld = Zeile(ziel);
        if (!NimmtText(feld)) {
            return false;
        }
        QClipboard* ablage = QGuiApplication::clipboard();
        // Ctrl+Shift+Insert pastes the X11 selection, as in Qt's line edit.
        const bool auswahl = k.key() == Qt::Key_Insert &&
                             k.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                             ablage->supportsSelection();
        if (!EinfuegenBringtNichts(
                *feld, ablage->text(auswahl ? QClipboard::Selection : QClipboard::Clipboard))) {
            return false;
        }
        k.accept();  // taken here: no parent sees it
        return true;
    }

    // Greys the paste of a field's standard context menu as it opens, whoever
    // opens it: the field, an editable combo box (which hands the field its
    // event past every filter) or a spin box with a menu of its own. Qt
    // enables paste only where it found text, so the clipboard is asked again
    // only when its owner has just answered.
    static void MenueAnpassen(QObject* ziel) {
        auto* menue = qobject_cast<QMenu*>(ziel);
        auto* feld = menue != nullptr ? qobject_cast<QLineEdit*>(menue->parentWidget()) : nullptr;
        if (!NimmtText(feld)) {
            return;
        }
        for (QAction* a : menue->actions()) {
            if (a->isEnabled() && a->text().startsWith(QLineEdit::tr("&Paste")) &&
                EinfuegenBringtNichts(*feld, QGuiApplication::clipboard()->text())) {
                a->setEnabled(false);
            }
        }
    }

    // Such a drag is refused as it enters a field: Qt sends its moves and its
    // drop only where an entry was taken, so the caret stays where it is and
    // the dragged text is not asked for again at each move.
    static bool ZiehenAbweisen(QObject* ziel, QDropEvent& e) {
        auto* feld = qobject_cast<QLineEdit*>(ziel);
        if (!NimmtText(feld) || !EinfuegenBringtNichts(*feld, e.mimeData()->text())) {
            return false;
        }
        e.ignore();
        return true;
    }
};

}  // namespace

void LeeresEinfuegenAbfangen() {
    static QPointer<QObject> filter;  // goes with the application object
    if (filter == nullptr) {
        filter = new LeeresEinfuegen(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
    }
}

int ProgrammAusfuehren(int argc, char** argv, const FensterBauen& bauen) {
    QApplication app(argc, argv);
    DeutscheUebersetzungenLaden(app);
    DiensteInstallieren();
    OrdnerUmgebungFestmachen();
    QStringList argumente = QCoreApplication::arguments();
    if (!argumente.isEmpty()) {
        argumente.removeFirst();
    }
    BefehlszeileSetzen(argumente);

    ProgrammUmgebung umgebung;
    // The window goes before the application object does.
    const std::unique_ptr<QWidget> fenster = bauen(umgebung);
    if (fenster == nullptr || ProgrammBeendet()) {
        return ProgrammEndeCode();
    }
    return QApplication::exec();
}

std::vector<QLabel*> StatusleisteAnlegen(QMainWindow& fenster,
                                         const std::vector<PanelVorgabe>& panels, bool versenkt) {
    return StatusleisteAnlegen(fenster.statusBar(), panels, versenkt);
}

std::vector<QLabel*> StatusleisteAnlegen(QStatusBar* leiste,
                                         const std::vector<PanelVorgabe>& panels, bool versenkt) {
    leiste->setObjectName(QStringLiteral("StatusBar"));
    if (versenkt) {
        leiste->setSizeGripEnabled(false);
    }
    std::vector<QLabel*> labels;
    for (const PanelVorgabe& p : panels) {
        auto* l = new QLabel(p.text, leiste);
        l->setObjectName(p.name);
        l->setToolTip(p.tip);
        if (versenkt) {
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        }
        if (p.dehnen) {
            // A long note takes the room that is left; it never pushes the
            // panels after it off the window's end.
            l->setMinimumWidth(1);
        }
        leiste->addPermanentWidget(l, p.dehnen ? 1 : 0);
        labels.push_back(l);
    }
    return labels;
}

StatusPanels StatusPanelsAnlegen(QMainWindow& fenster) {
    const std::vector<QLabel*> l = StatusleisteAnlegen(
        fenster, {{QStringLiteral("Status"), {}, QStringLiteral("Allgemeiner Hinweis"), true},
                  {QStringLiteral("Datum"), {}, QStringLiteral("Aktuelles Datum")},
                  {QStringLiteral("Zeit"), {}, QStringLiteral("Aktuelle Uhrzeit")}});
    return {l[0], l[1], l[2]};
}

void NachVorneBeiAktivierung(QWidget* fenster) {
    QPointer<QWidget> ziel(fenster);
    instanzen().beiAktivierung(Abgesichert(
        [ziel] {
            if (ziel == nullptr) {
                return;
            }
            ziel->show();
            ziel->setWindowState(ziel->windowState() & ~Qt::WindowMinimized);
            ziel->raise();
            ziel->activateWindow();
        },
        "Form_Activate"));
}

}  // namespace kronel
