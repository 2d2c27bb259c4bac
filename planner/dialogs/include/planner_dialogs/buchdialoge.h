#pragma once
// The side windows over the book: the archive viewer Altes, the free-time
// overview Freizeit and the birthday import ImpGeb. Each is shown modally for
// one question and hands back its line; the logic is in the planner library.

#include <QDialog>
#include <QStringList>

#include <QDate>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kronel {

class FensterVerzeichnis;

class Altes final : public QDialog {
public:
    // schrift: the font text of Main's list, whose name the printout takes.
    Altes(QWidget* besitzer, const QString& schrift);

    QComboBox* txtFilter;
    QListWidget* Liste;
    QPushButton* befListeLesen;
    QPushButton* befListeDrucken;
    QPushButton* BefLoeschen;
    QPushButton* BefEinfuegen;
    QPushButton* BefZurueck;
    QLabel* Status;
    QLabel* Position;
    // The hand-over: empty, or the chosen line.
    QString BezUebergabe;
    void befListeLesen_Click();
    void Liste_Click();

private:
    void befListeDrucken_Click();
    void BefLoeschen_Click();
    void befEinfuegen_Click();

    QString schriftName_;
};

class Freizeit final : public QDialog {
public:
    // The date picker: its caption and the day it opens on; the day chosen.
    using Kalender = std::function<QDate(const QString& caption, const QDate& tag)>;
    // schrift: the font text of Main's list; without kalender the "Kalender"
    // button is off.
    Freizeit(QWidget* besitzer, const QString& schrift, QStringList termine,
             Kalender kalender = {});

    QLineEdit* txtDatum;
    QLabel* bezInfoDate;
    QPushButton* befDatum[6];
    QPushButton* befSuchen;
    QPushButton* befTerminNeu;
    QPushButton* befAbbrechen;
    QListWidget* Liste;
    QLabel* Status;
    QString BezUebergabe;

    void befSuchen_Click();
    void befDatum_Click(int index);

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    void txtDatum_Change();
    void befTerminNeu_Click();

    QStringList termine_;
    Kalender kalender_;
};

class ImpGeb final : public QDialog {
public:
    explicit ImpGeb(QWidget* besitzer);

    QListWidget* ListeAdr;
    QListWidget* Liste;
    QPushButton* befMark[2];
    QPushButton* befOk;
    QPushButton* befAbbrechen;
    // Where the folder of the books is set, when none was found.
    QLabel* bezHinweis;

    // The selected lines in list order; none after a cancel.
    QStringList Auswahl() const;
    void GeburtstageLaden();

private:
    QStringList buecher_;  // the paths of the books in ListeAdr's order
};

// A button of these windows: Enter in their fields presses none of them.
QPushButton* DialogKnopf(QWidget* fenster, const QString& name, const QString& text);

// Registers the three windows.
void BuchDialogeEintragen(FensterVerzeichnis& fenster);

}  // namespace kronel
