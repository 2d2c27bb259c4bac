#pragma once
// The search window "Terminsuche": a search text with its history, the
// direction, a date search through the month sheet. It finds the next display
// line holding the text and hands its index back; it stays loaded for the run.

#include <QDialog>

#include <array>

#include "planner_dialogs/fensterverzeichnis.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace kronel {

class Suchen final : public QDialog {
public:
    Suchen(BuchLesen buch, QWidget* besitzer = nullptr);

    // One showing: the caller's text and "auto", or nothing.
    void Vorbereiten(const SuchenAnfrage& anfrage);
    SuchenErgebnis Ergebnis() const;

    QComboBox* KomSuche;
    std::array<QRadioButton*, 2> OptRichtung{};
    QPushButton* BefSuche;
    QPushButton* BefSucheDatum;
    QPushButton* BefAbbruch;
    QLabel* Rueckgabe;
    QTimer* Zeit;
    QGroupBox* Rahmen1;
    QGroupBox* Rahmen2;

    void BefSuche_Click();
    void BefSucheDatum_Click();
    void BefAbbruch_Click();
    void Zeit_Timer();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    void showEvent(QShowEvent* e) override;

private:
    // Once after each showing: "auto" searches.
    void Gezeigt();

    BuchLesen buch_;
};

// Registers the search window, created on first use and kept for the run.
void SuchenEintragen(FensterVerzeichnis& fenster, BuchLesen buch);

}  // namespace kronel
