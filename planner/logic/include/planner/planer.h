#pragma once
// The planner's main window without its widgets: the start-up in its order,
// the first paint, the selection, the commits of the editor fields, the date
// check, the clock procedure and the ways out. The window (MainSicht) shows what
// this decides; tests drive it through a fake window.

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

#include "book/buch.h"
#include "planner/hauptlogik.h"
#include "planner/nebenfenster.h"

namespace kronel {

// The five panels of the status bar, in their order.
enum class Panel { Status, Position, Unsaved, Datum, Zeit };
QString PanelSchluessel(Panel p);

// What the logic needs of the window.
class MainSicht {
public:
    virtual ~MainSicht() = default;
    // The read-only adjustments of caption, menus and toolbar.
    virtual void NurLesenAnpassen() = 0;
    virtual void EinstellungenAnwenden() = 0;
    // Writes the window's own settings (the logic calls it only when writable).
    virtual void EinstellungenSpeichern() = 0;
    virtual void AuswahlFuellen(Auswahl liste, const QStringList& worte) = 0;
    virtual QStringList AuswahlEintraege(Auswahl liste) const = 0;
    // The font and colours of ListeAnzeige, and showing new ones.
    virtual ListenAussehen Aussehen() const = 0;
    virtual void AussehenSetzen(const ListenAussehen& a) = 0;
    // The editor fields as they stand (line breaks as CR LF), and filling them.
    virtual TerminFelder FelderLesen() const = 0;
    virtual void FelderSetzen(const TerminFelder& felder) = 0;
    // Only the date field (after its check).
    virtual void DatumSetzen(const QString& text) = 0;
    virtual void PanelSetzen(Panel p, const QString& text) = 0;
    virtual TerminBeschriftung Beschriftung() const = 0;
    virtual void BeschriftungSetzen(const TerminBeschriftung& b) = 0;
    // The display list follows the book's lines; the line index is selected.
    virtual void ListeAbgleichen(const QStringList& zeilen, qsizetype index) = 0;
    // The timer Zeit runs from now on, or stops.
    virtual void ZeitSchalten(bool an) = 0;
    // Pending window events run once.
    virtual void EreignisseZulassen() = 0;

    // ---- Menu and toolbar commands (planer_befehle.cpp) ----
    // The layout is fitted to the window again (Main_Form_Resize).
    virtual void FormResize() = 0;
    // ---- end of the menu and toolbar commands ----
    // The keyboard focus to an editor field.
    virtual void FokusSetzen(Feld f) = 0;
    // The program ends (also before the event loop runs).
    virtual void ProgrammEnde() = 0;

    // ---- List commands (planer_liste.cpp) ----
    // "&Rückgängig" enabled or disabled.
    virtual void UndoSchalten(bool an) = 0;
    // The whole text of an editor field selected.
    virtual void AllesMarkieren(Feld f) = 0;
    // ---- end of the list commands ----

    // ---- Insertions into the message (planer_einfuegen.cpp) ----
    // Inserts at the caret of STMeldung in place of its selection; the caret
    // ends behind the text and the field gets the focus.
    virtual void MeldungEinfuegen(const QString& text) = 0;
    // The font text of ListeAnzeige (SchriftAlsText).
    virtual QString ListenSchrift() const = 0;
    // ---- end of the insertions ----
    // ---- The enlarged editor (planer_zoom.cpp) ----
    // The selection of STMeldung (a line break counting two) and its font.
    virtual std::pair<int, int> MeldungAuswahl() const = 0;
    virtual SchriftWerte MeldungSchrift() const = 0;
    // The whole message becomes the text as it stands (the caller fitted what
    // was edited), the caret behind it and the focus in the field.
    virtual void MeldungErsetzen(const QString& text) = 0;
    // ---- end of the enlarged editor ----
};

class Planer final : public BuchFenster {
public:
    Planer(MainSicht& sicht, NebenFenster& fenster);

    Terminbuch buch;
    QString GeheZuText;
    QString SuchText;
    int SucheWiederholen = 0;
    QString Zeilenwechsel;
    int ErstesPaintErledigt = 0;

    // The start-up; false when the program ended in it (a guard, a question of
    // the load, the automatic printout, or a signal let in by one of its boxes).
    bool FormLoad();
    // Once, after the window was first shown.
    void ErsterPaint();
    // Every paint: the clock procedure.
    void FormPaint();

    // The clock procedure: panels, labels, and the automatic printout.
    void ZeitTimer();

    // ---- Menu and toolbar commands (planer_befehle.cpp) ----
    // The search window stays loaded between searches; a repetition has it
    // search the last text at once.
    void Main_PulSuchen_Click();
    // The next search repeats the last one.
    void Main_PulSuchenWdhg_Click();
    // The print dialogs "Drucken" (list) and "DruckenBlatt" (calendar sheet).
    void Main_PulDruckenListe_Click();
    void Main_mnuDruckenBlatt_Click();
    // The favourite printout by Lieblingsausdruck (toolbar key "Drucken").
    void Lieblingsausdruck_Click();
    // The printer setup "Druckereinrichtung"; its answer is not looked at.
    void Main_mnuDurckerEinrichten_Click();
    // The settings dialog on the period choices, the stations and the list's
    // look; a station list it hands back fills SKAdresse (empty items left
    // out), the look it hands back is shown before the window stores it.
    void Main_PulSetup_Click();
    // Saves, then starts the output program Kronel with "/n".
    void Main_PulGoKronel_Click();
    // The moon-phase list "y-mondphasen.txt" of the program folder into the
    // day notes "Astro.ini" beside it (the calendar reads them there).
    void Main_mnuRuvano_Click();
    void Main_mnuTips_Click();
    // ---- end of the menu and toolbar commands ----

    // A line of the display list selected (by the user or by the program).
    void ListeAnzeigeClick(qsizetype index);

    // A field got the focus: its prompt. False when the field is to pass the
    // focus on to the list (read-only mode).
    bool FeldBetreten(Feld f);
    void FeldVerlassen();
    // The commit of the fields into the current record.
    void Uebernehmen(int modus);
    // The stored form of the current record in every field again: what a
    // commit with mode 1 shows, once the field typed in is done with its edit.
    void GespeichertZeigen();
    // STDatum was typed in (or pasted into); taken over before any command.
    void DatumGeaendert() { datumOffen_ = true; }
    // STDatum left: the date check and the commit.
    void DatumVerlassen();
    // A typed date still waiting is checked and committed.
    void DatumUebernehmen();

    // The month-calendar picks: the date (double click on STDatum) and the
    // ends of the announce window (click on SBVon or SBBis).
    void DatumWaehlen();
    void FensterWaehlen(bool von);

    // The commands of the ways out. A save at the end with nothing unsaved
    // leaves a file another program changed as it is.
    Speicherung PulSpeichern(Speicheranlass anlass = Speicheranlass::Befehl);
    void PulBeenden();
    void PulBeendenUndSpeichern();
    void FormQueryUnload();
    // The desktop session ends: a loaded book is saved without a question
    // (never under "/autoprint" or read-only).
    void SitzungsEnde();
    // Ended by a signal: as at the end of the session, then signed off and ended;
    // no box waits, what it would say stands in the log.
    void SignalEnde();
    bool Beendet() const { return beendet_; }

    // ---- List commands: new, copy, delete, undo, hand-over, sort (planer_liste.cpp) ----
    // A line handed back by Freizeit or Altes ("dd.mm.yyyy text"), made into a
    // new record by the next Main_PulEingeben_Click.
    QString UebergabeZeile;
    void Main_PulEingeben_Click();
    void Main_PulKopieren_Click();
    void Main_PulAusschneiden_Click();
    void Main_mnuUndo_Click();
    // The menu "&Bearbeiten" opens.
    void Main_PulTermin_Click();
    void Main_mnuFreizeit_Click();
    void Main_PulAbgelaufeneZeigen_Click();
    void Main_PulOrdneDatum_Click();
    void Main_PulOrdneMeldung_Click();
    // ---- end of the list commands ----

    // ---- Exchange files and birthday import (planer_austausch.cpp) ----
    // Appends the current record to an exchange file.
    void Main_mnuTaustauschSave_Click();
    // Appends the records of an exchange file to the list.
    void Main_mnuTaustauschLoad_Click();
    // A yearly appointment of every birthday chosen in ImpGeb.
    void Main_mnuImpGeb_Click();
    // ---- end of the exchange files ----
    // ---- Insertions into the message (planer_einfuegen.cpp) ----
    // The message expanded for now, in a box; nothing is stored.
    void Main_mnuTerminVorschauen_Click();
    void Main_PulFormelDiffEinfg_Click();
    void Main_PulFormelDiffAtEinfg_Click();
    void Main_mnuZyklusZaehlerEing_Click();
    // The age in years from the appointment's date, coming back every year.
    void Main_mnuWizardGeb_Click();
    void Main_PulNotizEinfg_Click();
    void Main_PulSonderzeichenEinfg_Click();
    // The message becomes "@" and a chosen program, which the output program
    // starts.
    void Main_PulPrgStartEinfg_Click();
    // ---- end of the insertions ----
    // The enlarged editor on the message (label "zoom" or Ctrl+F2); not
    // guarded by the read-only mode, as the record is never saved there.
    void Main_bezZoomMeldung_Click();

    // BuchFenster
    void StatusZeigen(const QString& text) override;
    void FelderSetzen(const TerminFelder& felder) override;
    void ZeileGewaehlt(qsizetype index) override;
    void UhrTick() override;
    void EreignisseZulassen() override;

private:
    // The status panel tells where a printout went when it became a new PDF.
    void DruckHinweisZeigen(const QString& vorher);
    // ---- List commands ----
    // False after the end; else a typed date still waiting is committed.
    bool BefehlBeginnen();
    bool ListeVoll();
    void UndoAnpassen();
    // Freizeit or Altes.
    void UebergabeHolen(Fenstername fenster);
    void NeuesDatumWaehlen();
    // ---- end of the list commands ----
    // The focus to a text field with its whole text selected, as the moves
    // into the date or the message that the user did not make by key do.
    void FeldGanzMarkieren(Feld f);
    std::optional<QString> AustauschDateiWaehlen(bool speichern);
    // Inserts at the caret of the message and commits; an empty text does nothing.
    void MeldungErgaenzen(const QString& text);
    void AutomatischDrucken();
    void Ende();
    // The start-up stops and the program ends, unless an end (a signal let in
    // by a box of the start-up) has already run; false.
    bool StartEnde();

    MainSicht& sicht_;
    NebenFenster& fenster_;
    // How far the start-up came: signed on, start counted, window settings and
    // choice lists read.
    enum class Startstufe { Anfang, Angemeldet, Gezaehlt, Eingerichtet };
    Startstufe stufe_ = Startstufe::Anfang;
    bool geladen_ = false;
    bool datumOffen_ = false;
    bool beendet_ = false;
    bool verlaesst_ = false;  // an exit is under way
    bool druckt_ = false;
};

}  // namespace kronel
