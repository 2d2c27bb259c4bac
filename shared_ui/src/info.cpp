#include "shared_ui/info.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/fenster.h"
#include "common/modul.h"
#include "platform/ordner.h"

namespace kronel {

namespace {
Info*& Vorhanden() {
    static Info* info = nullptr;
    return info;
}
}  // namespace

Info::Info() {
    setObjectName(QStringLiteral("Info"));
    const QString programm = ProgrammDateiname();
    setWindowTitle(QStringLiteral("Info über ") + programm);
    if (modul().VersionText.isEmpty()) {
        VersionErmitteln();
    }
    bezProgramm = new QLabel(programm, this);
    bezProgramm->setObjectName(QStringLiteral("bezProgramm"));
    QFont f = bezProgramm->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.5);
    bezProgramm->setFont(f);
    bezVersion = new QLabel(QStringLiteral("Version ") + modul().VersionText, this);
    bezVersion->setObjectName(QStringLiteral("bezVersion"));
    befAbbrechen = new QPushButton(QStringLiteral("OK"), this);
    befAbbrechen->setObjectName(QStringLiteral("befAbbrechen"));
    befAbbrechen->setDefault(true);
    connect(befAbbrechen, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bezProgramm);
    layout->addWidget(bezVersion);
    layout->addWidget(befAbbrechen, 0, Qt::AlignRight);
}

void Info::keyPressEvent(QKeyEvent* e) {
    // Space hides the box wherever the focus is, as Enter and Esc do.
    if (e->key() == Qt::Key_Space) {
        accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

Info* InfoFenster() {
    return Vorhanden();
}

void InfoZeigen() {
    if (Vorhanden() == nullptr) {
        Vorhanden() = new Info();  // stays loaded for the run
    }
    Vorhanden()->exec();
}

}  // namespace kronel
