#pragma once
// What the two print windows share: the unattended printout under "/autoprint"
// on their first showing, the close box and Escape as their cancel button, and
// a window that waits while its printout runs.

#include <QDialog>

namespace kronel {

class DruckDialog : public QDialog {
public:
    virtual void befOk_Click() = 0;
    virtual void BefAbbruch_Click() = 0;
    // True while a printout runs: the options, buttons and close box then wait.
    bool druckt() const { return druckt_; }
    void reject() override;

protected:
    explicit DruckDialog(QWidget* besitzer);
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Starts a printout; false when one runs already (a click seen while the
    // printout let pending events through).
    bool druckBeginnen();
    // After a printout: the window closes when it is done, and under
    // "/autoprint" also after an Abort; otherwise it stays for another try.
    void druckBeenden(bool fertig);
    // Lets the window repaint while the printout runs.
    static void EreignisseZulassen();

private:
    bool druckt_ = false;
    bool autoprintGeprueft_ = false;
};

// The control name as objectName, so tests find the widget.
template <typename T>
T* Benannt(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace kronel
