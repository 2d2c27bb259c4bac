#pragma once
// The enlarged message editor: the message in a large text box, Ctrl+D and
// Ctrl+U for date and time, three keys for the display font size, and a status
// bar with the caret position and how much of the length is used.

#include <QDialog>

#include <array>

#include "planner/nebenfenster.h"
#include "planner_dialogs/meldungsfeld.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;

namespace kronel {

class FensterVerzeichnis;

// The message's text box with the date and time keys, which stop at the
// maximum length as typing does.
class ZoomTextFeld final : public MeldungsFeld {
public:
    explicit ZoomTextFeld(QWidget* eltern) : MeldungsFeld(eltern) {}

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class ZoomText final : public QDialog {
public:
    explicit ZoomText(QWidget* besitzer = nullptr);

    // Text, length, selection and font of the caller's message field.
    void Vorbereiten(const ZoomTextAnfrage& anfrage);
    ZoomTextErgebnis Ergebnis() const;

    ZoomTextFeld* Text;
    QCheckBox* Abbruch;
    QPushButton* befOk;
    QPushButton* befAbbrechen;
    std::array<QPushButton*, 3> befFontSize{};
    QStatusBar* StatusBar;
    QTimer* ZeitInfo;

    void befOk_Click();
    void befAbbrechen_Click();
    void befFontSize_Click(int index);
    void ZeitInfo_Timer();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    void resizeEvent(QResizeEvent* e) override;
    // Its own work, which resizeEvent runs under the guard.
    void GroesseAendern(QResizeEvent* e);

private:
    QLabel* panel(const char* schluessel) const;
};

// Registers the editor: 0.9 of the owner's size, over it, unloaded after use.
void ZoomTextEintragen(FensterVerzeichnis& fenster);

}  // namespace kronel
