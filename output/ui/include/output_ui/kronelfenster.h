#pragma once
// The one window of the output program Kronel: toolbar, menus, the text box of
// the messages, the status bar and the two timers. Its events go to the shell
// (Ausgabeprogramm); the window only shows what the shell asks of it.

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

#include "output/ausgabeprogramm.h"
#include "platform/seriell.h"
#include "shared_ui/programm.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QToolBar;

namespace kronel {

class MondBild;
class QtFenster;
class QtSchriftTraeger;
class QtDrucker;

class KronelFenster final : public QMainWindow, public AusgabeOberflaeche {
public:
    // drucker: the program's real printer surface for the printer setup; tests pass none.
    explicit KronelFenster(QtDrucker* drucker = nullptr, std::unique_ptr<Zufall> zufall = nullptr);
    ~KronelFenster() override;

    // The start before the window shows; false when the program ends at once.
    bool Form_Load();
    // Shows the window and starts its timers.
    void Starten();

    Ausgabeprogramm& Programm() { return *programm_; }

    QToolBar* Toolbar;
    QPlainTextEdit* Text;
    QLabel* panelStatus;
    QLabel* panelDatum;
    QLabel* panelZeit;
    MondBild* BildMond;
    QLabel* BezSonne;
    QTimer* Zeit;
    QTimer* ZeitUhr;

    QMenu* PulMeldungen;
    QAction* PulSpeichern;
    QAction* PulDrucken;
    QAction* PulDruckerEinrichten;
    QAction* PulEnde;
    QMenu* mnuWeiteres;
    QAction* mnuTeleWählen;
    QAction* mnuPrgKronelin;
    QMenu* mnuProgramme;
    std::array<QAction*, 4> mnuPrg{};
    QMenu* PulHilfe;
    QAction* PulAnleitung;
    QAction* mnuTips;
    QAction* PulInfo;
    QAction* PulWerbung;
    QMenu* mnuHlpWeb;
    QAction* mnuURLHomePage;
    QAction* mnuURLUpdate;

    // The serial port the dialling window uses; tests hand in a fake.
    std::function<std::unique_ptr<SerielleSchnittstelle>()> AnschlussBauen;

    // The toolbar's buttons by their keys "Ende", "Kronel", "Telefon", "Speichern", "Drucken".
    QAction* Knopf(const QString& schluessel) const;

    // AusgabeOberflaeche
    void AusgabeSetzen(const QString& text) override;
    void Warten(double sekunden) override;
    void NachVorne() override;
    void StatusSetzen(const QString& text) override;
    QString StatusText() const override;
    void DatumZeitSetzen(const QString& datum, const QString& zeit) override;
    QString AusgabeText() const override;
    QString Auswahl() const override;
    void NurLesenAnzeigen() override;
    SchriftTraeger& TextSchrift() override;
    void HintergrundSetzen(qint32 farbe) override;
    FensterSteuerelement& Fenster() override;
    void ProgrammEnde() override;
    void MondZeigen(int p, const QString& text) override;
    void SonneSetzen(const QString& text) override;

    void mnuTeleWählen_Click();
    void PulInfo_Click();

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;
    // The filter's own work, which eventFilter runs under the guard.
    bool Filtern(QObject* objekt, QEvent* e);

private:
    void Toolbar_ButtonClick(const QString& schluessel);
    void PulDruckerEinrichten_Click();
    void mnuWeiteres_Click();
    // The status note in the lines the panel's width allows.
    void StatusUmbrechen();

    QtDrucker* drucker_;
    std::unique_ptr<QtFenster> fenster_;
    std::unique_ptr<QtSchriftTraeger> schrift_;
    std::unique_ptr<Ausgabeprogramm> programm_;
    bool ende_ = false;
    QString status_;  // the status note as set, without its line breaks
};

// The window of Kronel after its start-up; nullptr when the output ran today
// already.
std::unique_ptr<QWidget> KronelFensterBauen(ProgrammUmgebung& umgebung);

}  // namespace kronel
