#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTreeView>

#include "common/modul.h"
#include "planner_dialogs/einfuegefenster.h"
#include "planner_dialogs/fensterverzeichnis.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

const QString kProgramme = QStringLiteral("Programme");
const QString kAlles = QStringLiteral("Alles");

// Under the filter "Programme" only folders and executable files are listed.
class NurProgramme final : public QSortFilterProxyModel {
public:
    bool aktiv = true;

protected:
    // After a failure the row is shown: the filter hides nothing it could not judge.
    bool filterAcceptsRow(int zeile, const QModelIndex& oben) const override {
        return AbgesichertAusfuehren(
            [&] {
                if (!aktiv) {
                    return true;
                }
                const auto* modell = qobject_cast<const QFileSystemModel*>(sourceModel());
                if (modell == nullptr) {
                    return true;
                }
                const QFileInfo info = modell->fileInfo(modell->index(zeile, 0, oben));
                return info.isDir() || info.isExecutable();
            },
            "NurProgramme_filterAcceptsRow", true);
    }
};

StdDialogErgebnis ProgrammWaehlen(QWidget* besitzer) {
    QFileDialog dialog(besitzer, QStringLiteral("Welches Programm soll ausgeführt werden?"));
    dialog.setObjectName(QStringLiteral("StdDialog"));
    // Our own dialog: a platform one would not take the filter of executables.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({kProgramme + QStringLiteral(" (*)"), kAlles + QStringLiteral(" (*)")});
    dialog.resize(780, 460);
    // Size, kind and date whole, the name taking the rest.
    if (auto* ansicht = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        ansicht->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        ansicht->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    auto* filter = new NurProgramme;
    dialog.setProxyModel(filter);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     Abgesichert(
                         [filter](const QString& name) {
                             filter->aktiv = name.startsWith(kProgramme);
                             filter->invalidate();
                         },
                         "StdDialog_Filter_Click"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return {dialog.selectedFiles().constFirst()};
}

}  // namespace

void EinfuegefensterEintragen(FensterVerzeichnis& fenster) {
    fenster.anzeigen.Notizen = [](QWidget* besitzer, const NotizenAnfrage& anfrage) {
        Notizen w(besitzer, anfrage.Schrift, modul().DateiNotizen, modul().NurLesen);
        w.exec();
        return NotizenErgebnis{w.BezUebergabe->text()};
    };
    fenster.anzeigen.Sonderzeichen = [](QWidget* besitzer, const SonderzeichenAnfrage& anfrage) {
        Sonderzeichen w(besitzer, anfrage.Schrift);
        w.exec();
        return SonderzeichenErgebnis{w.Text->text()};
    };
    fenster.anzeigen.StdDialog = ProgrammWaehlen;
}

}  // namespace kronel
