#pragma once
// The windows that fill the message of an appointment: the special characters
// and the notes with the address books. Each is built for one choice, shown
// modally and read after it was hidden.

#include <QDialog>
#include <QSet>

#include "planner/notizen.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace kronel {

class Sonderzeichen final : public QDialog {
public:
    // schrift: the font text of the appointment list, for the character list.
    Sonderzeichen(QWidget* besitzer, const QString& schrift);

    QComboBox* ComboSatz;
    QListWidget* Liste;
    QLineEdit* Text;
    QPushButton* befKopieren;
    QPushButton* befOk;
    QPushButton* BefLoeschen;
    QPushButton* BefAbbruch;

    void ComboSatz_Click();
    void befKopieren_Click();
    void BefAbbruch_Click();
    // Esc and the close box leave as "&Abbrechen".
    void reject() override;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;
};

class Notizen final : public QDialog {
public:
    Notizen(QWidget* besitzer, const QString& schrift, const QString& dateiNotizen, bool nurLesen);

    QListWidget* Liste;
    QLineEdit* Text;
    QPushButton* BefAufnehmen;
    QPushButton* BefLoeschen;
    QPushButton* BefEinfuegen;
    QPushButton* BefAbbruch;
    QLabel* BezPosi;
    QListWidget* ListeAdr;
    QLabel* bezListeAdr;
    QLineEdit* TxtSuche;
    QTimer* Zeit;
    QLabel* BezUebergabe;
    // Where the folder of the address books is set, when none was found.
    QLabel* bezHinweis;

    void BefAufnehmen_Click();
    void BefLoeschen_Click();
    void BefEinfuegen_Click();
    void BefAbbruch_Click();
    // The selected book turns the list into its telephone lines.
    void ListeAdr_DblClick();
    void reject() override;
    // The buttons offered for the state of the list and the text.
    void Zeit_Timer();
    const NotizenListe& Inhalt() const { return liste_; }

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;
    // The filter's own work, which eventFilter runs under the guard.
    bool Filtern(QObject* ziel, QEvent* e);

private:
    void ListeFuellen();
    void AuswahlZeigen();
    // A notes file that could not be read is named with its reason at once.
    void LesefehlerMelden();
    // The notes file written; a failure is reported and loses nothing more.
    void NotizenSpeichern();
    void Verlassen(const QString& uebergabe);
    bool SuchtBeimLoslassen(const QKeyEvent& e);

    NotizenListe liste_;
    QSet<int> mitBefehlstaste_;
    QString dateiNotizen_;
    bool nurLesen_;
};

}  // namespace kronel
