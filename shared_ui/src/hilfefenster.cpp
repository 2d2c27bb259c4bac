#include "shared_ui/hilfefenster.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform_qt/dienste_qt.h"
#include "shared_ui/programm.h"

namespace kronel {

HilfeFenster::HilfeFenster() {
    setObjectName(QStringLiteral("Hilfe"));
    setWindowTitle(QStringLiteral("Hilfe"));
    Seite = new QTextBrowser(this);
    Seite->setObjectName(QStringLiteral("Seite"));
    Seite->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Seite);
    resize(640, 560);
}

void HilfeFenster::keyPressEvent(QKeyEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
                close();
                return;
            }
            QWidget::keyPressEvent(e);
        },
        "HilfeFenster_keyPressEvent");
}

Status QtHilfe::zeigen(const QString& datei, const QString& anker) {
    if (!QFileInfo(datei).isFile()) {
        return Fehler(
            FehlerNr::DateiNichtGefunden,
            FehlerBeschreibung(FehlerNr::DateiNichtGefunden) + QStringLiteral(": ") + datei);
    }
    if (fenster_ == nullptr) {
        fenster_ = new HilfeFenster();
        fenster_->setAttribute(Qt::WA_QuitOnClose, false);  // never keeps a program alive
    }
    QUrl url = QUrl::fromLocalFile(QFileInfo(datei).absoluteFilePath());
    if (!anker.isEmpty()) {
        url.setFragment(anker);
    }
    if (fenster_->Seite->source().adjusted(QUrl::RemoveFragment) ==
        url.adjusted(QUrl::RemoveFragment)) {
        fenster_->Seite->reload();
    }
    fenster_->Seite->setSource(url);
    if (!anker.isEmpty()) {
        fenster_->Seite->scrollToAnchor(anker);
    }
    fenster_->setWindowTitle(fenster_->Seite->documentTitle().isEmpty()
                                 ? QStringLiteral("Hilfe")
                                 : fenster_->Seite->documentTitle());
    fenster_->show();
    fenster_->raise();
    fenster_->activateWindow();
    return {};
}

void QtHilfe::schliessen() {
    if (fenster_ != nullptr) {
        fenster_->close();
    }
}

}  // namespace kronel
