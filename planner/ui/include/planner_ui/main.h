#pragma once
// The planner's main window Main: the appointment list, the editor fields under
// it, menus, toolbar, status bar and the clock timer. Every widget carries its
// control name as objectName. The decisions are Planer's; this class only
// gathers what the user did and shows the results.

#include <QMainWindow>
#include <QMap>

#include <array>
#include <initializer_list>
#include <memory>
#include <variant>

#include "planner/druckquelle.h"
#include "planner/planer.h"
#include "planner_dialogs/meldungsfeld.h"
#include "shared_ui/programm.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPrinter;
class QTimer;
class QToolBar;

namespace kronel {

class StatusZeilen;

class Main final : public QMainWindow, public MainSicht, public DruckQuelle {
public:
    explicit Main(NebenFenster& fenster);
    ~Main() override;

    // The start-up; false when the program ended in it.
    bool Starten();
    Planer& planer() { return *planer_; }

    // A menu item or toolbar key by its control name or key.
    QAction* Aktion(const QString& name) const;
    // The toolbar dispatch by the key of the button.
    void Main_Toolbar_ButtonClick(const QString& schluessel);
    // The resize rule applied to the window and its controls.
    void Main_Form_Resize();

    QListWidget* ListeAnzeige;
    QFrame* Rahmen;
    QLineEdit* STDatum;
    QComboBox* SKVon;
    QComboBox* SKBis;
    QComboBox* SKFilter;
    QComboBox* SKZyklus;
    QComboBox* SKAdresse;
    MeldungsFeld* STMeldung;
    QLabel* SBVon;
    QLabel* SBBis;
    QLabel* BezIn;
    // "zoom" beside the message: the enlarged editor.
    QLabel* bezZoomMeldung;
    std::array<QLabel*, 6> Bezeichnung{};
    QToolBar* Toolbar;
    QTimer* Zeit;
    QMenu* PulTermin;

    // MainSicht
    void NurLesenAnpassen() override;
    void EinstellungenAnwenden() override;
    void EinstellungenSpeichern() override;
    void AuswahlFuellen(Auswahl liste, const QStringList& worte) override;
    QStringList AuswahlEintraege(Auswahl liste) const override;
    ListenAussehen Aussehen() const override { return aussehen_; }
    void AussehenSetzen(const ListenAussehen& a) override;
    TerminFelder FelderLesen() const override;
    void FelderSetzen(const TerminFelder& felder) override;
    void DatumSetzen(const QString& text) override;
    void PanelSetzen(Panel p, const QString& text) override;
    TerminBeschriftung Beschriftung() const override;
    void BeschriftungSetzen(const TerminBeschriftung& b) override;
    void ListeAbgleichen(const QStringList& zeilen, qsizetype index) override;
    void ZeitSchalten(bool an) override;
    void EreignisseZulassen() override;
    void ProgrammEnde() override;
    void FokusSetzen(Feld f) override;
    void FormResize() override { Main_Form_Resize(); }
    // List commands
    void UndoSchalten(bool an) override;
    void AllesMarkieren(Feld f) override;
    // Insertions into the message
    void MeldungEinfuegen(const QString& text) override;
    void MeldungErsetzen(const QString& text) override;
    QString ListenSchrift() const override;
    // DruckQuelle
    QStringList ListeTermine() const override;
    SchriftWerte ListeAnzeigeSchrift() const override;
    QStringList Stationen() const override;
    // The enlarged editor
    std::pair<int, int> MeldungAuswahl() const override;
    SchriftWerte MeldungSchrift() const override;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;
    // The filter's own work, which eventFilter runs under the guard.
    bool Filtern(QObject* ziel, QEvent* e);
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void MenuesAnlegen();
    void ToolbarAnlegen();
    // A planner command behind a menu entry and when it is offered at the start:
    // always (true), not yet or never (false), or once the window it shows exists.
    struct Befehl {
        const char* name;
        void (Planer::*ausfuehren)();
        std::variant<bool, Fenstername> frei = true;
    };
    // Connects each entry under the guard and offers it as it says.
    void BefehleVerbinden(std::initializer_list<Befehl> befehle);
    // The menu and toolbar commands of planer_befehle.cpp, and the toolbar
    // buttons following their commands.
    void BefehleAnlegen();
    void DruckenFreigeben();
    // The list commands: new, copy, delete, undo, hand-overs, sorting.
    void ListenbefehleVerbinden();
    // The preview and the insertions into the message.
    void EinfuegebefehleVerbinden();
    void StatusleisteAnlegen();
    void MindestgroesseSetzen();
    void FelderAnlegen();
    // The editor row placed by the widths its texts need in the fonts in force.
    void FelderAnordnen();
    QComboBox* Kombi(const char* name, int laenge);
    QAction* Eintrag(QMenu* menue, const char* name, const char* text, const QKeySequence& taste);
    // A command of the presenter (nullptr: save); connected under the guard.
    void Ausfuehren(void (Planer::*befehl)());
    Anordnung AnordnungJetzt() const;
    void AnordnungSetzen(const Anordnung& a);
    void ListenAussehenZeigen();
    void ZoomBeschriftungSetzen();
    // An edit of the message field: committed when it brought a change.
    void MeldungGeaendert();
    // What came into the message field past its own fitting, taken back to what
    // the record can hold; run after the field's own edit has ended.
    void MeldungNachbessern();
    // A combo box committed with mode 1 shows the stored form once its own
    // edit has ended: at the key's release, or on the next turn of the loop.
    void GespeichertZeigenLassen();
    void GespeichertZeigen();

    std::unique_ptr<Planer> planer_;
    NebenFenster& fenster_;
    QMap<QString, QAction*> aktionen_;
    QMap<Panel, QLabel*> panels_;
    StatusZeilen* statusZeilen_ = nullptr;
    ListenAussehen aussehen_;
    QString meldungVorher_;
    bool meldungNachbessern_ = false;
    bool gespeichertZeigen_ = false;
    int editorBreite_ = 0;  // the right end of the editor's row in its frame
    bool erstGezeigt_ = false;
    bool prueftDatum_ = false;
    bool ordnet_ = false;
};

// The planner's window with its side windows, after its start-up; nullptr when
// the program ended in it.
std::unique_ptr<QWidget> PlanerFensterBauen(ProgrammUmgebung& umgebung);

}  // namespace kronel
