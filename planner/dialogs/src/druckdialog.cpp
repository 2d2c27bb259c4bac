#include "planner_dialogs/druckdialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>

#include "planner/hauptlogik.h"
#include "platform/befehlszeile.h"
#include "shared_ui/programm.h"

namespace kronel {

DruckDialog::DruckDialog(QWidget* besitzer) : QDialog(besitzer) {
    if (besitzer != nullptr) {
        setWindowIcon(besitzer->windowIcon());
    }
}

void DruckDialog::reject() {
    AbgesichertAusfuehren([&] { BefAbbruch_Click(); }, "DruckDialog_reject");
}

void DruckDialog::showEvent(QShowEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QDialog::showEvent(e);
            // Once per opening, after the window is up.
            if (!autoprintGeprueft_) {
                autoprintGeprueft_ = true;
                if (IstAutoprint(Befehlszeile())) {
                    QTimer::singleShot(0, this,
                                       Abgesichert([this] { befOk_Click(); }, "Form_Paint"));
                }
            }
        },
        "DruckDialog_showEvent");
}

void DruckDialog::closeEvent(QCloseEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            e->ignore();
            BefAbbruch_Click();
        },
        "DruckDialog_closeEvent");
}

bool DruckDialog::druckBeginnen() {
    if (druckt_) {
        return false;
    }
    druckt_ = true;
    return true;
}

void DruckDialog::druckBeenden(bool fertig) {
    druckt_ = false;
    if (fertig || IstAutoprint(Befehlszeile())) {
        BefAbbruch_Click();
    }
}

void DruckDialog::EreignisseZulassen() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kronel
