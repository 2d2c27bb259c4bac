#pragma once
// The appointment book of the planner: the records, the display line of each at
// the same index, the current record and the unsaved mark. The main window, the
// dialogs and the printouts read it; only its operations change it.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

#include "book/termin.h"
#include "common/dateien.h"
#include "platform/fehler.h"

namespace kronel {

// What the book needs of the main window. The defaults do nothing, so the logic
// runs without a window.
class BuchFenster {
public:
    virtual ~BuchFenster() = default;
    // The status panel "Status", redrawn at once.
    virtual void StatusZeigen(const QString& text) { (void)text; }
    // The edit fields are filled from a record (no commit follows).
    virtual void FelderSetzen(const TerminFelder& felder) { (void)felder; }
    // The window's part of the selection of a line (status panels).
    virtual void ZeileGewaehlt(qsizetype index) { (void)index; }
    // One tick of the clock procedure.
    virtual void UhrTick() {}
    // Pending window events run once (the save does this before writing).
    virtual void EreignisseZulassen() {}
};

struct LadeErgebnis {
    bool beenden = false;      // No to the DOS question, Cancel in the check
    bool abgebrochen = false;  // Abort in an error report
};

enum class Speicherung {
    Gespeichert,
    NurLesen,        // read-only: nothing written
    LaeuftSchon,     // a save is under way (an event during its pump)
    Fehlgeschlagen,  // the old file and the unsaved mark are kept
    Beenden,         // Cancel in the check
    Belassen,        // an end with nothing unsaved left another program's file
};

// Why the book is saved: a command, or the end of the program (closing,
// session end, signal), which does not write over another program's save
// when nothing here is unsaved.
enum class Speicheranlass { Befehl, Ende };

class Terminbuch {
public:
    explicit Terminbuch(BuchFenster* fenster = nullptr);

    // The records, saved in this order, and their display lines.
    QStringList ListeTermine;
    QStringList ListeAnzeige;
    // The current record; -1 during a load.
    qsizetype TerminIndex = -1;
    // 1 when records changed since the last save or load.
    int Ungespeichert = 0;
    // The selected line of the display list, -1 for none.
    qsizetype ListIndex = -1;
    // The record and line as they were when the line was last selected.
    QString UndoTermin;
    QString UndoAnzeige;
    // The program is to end (No to the DOS question, Cancel in the check).
    bool BeendenVerlangt = false;
    // The last load did not take every line of the file: its original is kept
    // once before the first save, under BewahrtesOriginal.
    bool Unvollstaendig = false;
    QString BewahrtesOriginal;

    // The edit fields into the record at TerminIndex.
    void TerminAusFeldern(const TerminFelder& felder);
    // The record at TerminIndex for the edit fields (after the check).
    TerminFelder FelderAnzeigen();
    // The commit of an edit; modus 1 shows the fields again.
    void EingabeUebernehmen(const TerminFelder& felder, int modus);
    // Rebuilds the display list and selects the current line.
    void AnzeigeAufbauen();
    // The consistency check; false when the user chose to end the program.
    bool ListenPruefen();
    // Selects a line of the display list, as a click does.
    void ZeileWaehlen(qsizetype index);
    // Adds an appointment from field texts (empty: not given). 1 when added,
    // 0 when the book is full.
    int TerminAnlegen(const QString& datum, const QString& von, const QString& bis,
                      const QString& adresse, const QString& filter, const QString& zyklus,
                      const QString& meldung);

    void OrdneDatum();
    void OrdneMeldung();

    // ---- List operations: copy, delete, undo (liste.cpp) ----
    // No record can be added: the list holds more than TermineHoechstzahl.
    bool Voll() const;
    // Appends a copy of the current record and selects it; false when full or
    // when no record is current.
    bool TerminKopieren();
    // Removes the current record, first appending it to the archive when the
    // setting SpeicherAlleGelöschten asks so; false when Abort in the report of
    // a failed append kept it, or when no record is current. The record that
    // moved into its place is selected.
    bool TerminLoeschen();
    // Swaps the current record with the snapshot of its selection (undo, and
    // redo on the next call).
    void Rueckgaengig();
    // The current record differs from its snapshot.
    bool UndoMoeglich() const;
    // A line handed back by a side window: the date, a blank, the message.
    struct UebergabeTeile {
        QString datum;
        QString meldung;
    };
    static UebergabeTeile UebergabeZerlegen(const QString& zeile);
    // ---- end of the list operations ----

    // Rolls expired appointments over, sorts by date and checks. Broken records
    // stay as they were and are reported in the result.
    Status AbgelaufeneVerarbeiten();

    // Reads DateiTermine into the book, with check, roll-over and date order.
    // A FIFO, device or folder in its place, or a file beyond the reading
    // limit, is refused by name and kept from every save of this run.
    LadeErgebnis TermineLaden();
    // Rolls over, backs up and rewrites DateiTermine; sets OLneu. A data file
    // the load refused is not written: the reason is shown, nothing changes.
    // The check, backup and write run under the book's lock, which other
    // planners' saves take too: a file another program changed since this
    // book read or wrote it is kept whole beside it first, and the user told
    // where once the lock is free; at the end, with nothing unsaved, it is
    // left as it is.
    Speicherung TermineSpeichern(Speicheranlass anlass = Speicheranlass::Befehl);

private:
    Status OriginalBewahren(const QString& pfad);
    void Umordnen(const QString& status,
                  const std::function<std::vector<qsizetype>(const QStringList&)>& ordnung,
                  const std::function<QStringView(const QString&)>& marke);

    BuchFenster* fenster_;
    bool speichert_ = false;
    QString bewahrenQuelle_;  // the file to keep before the first save
    // Why the load refused the data file (its kind or size), or nothing.
    std::optional<Fehler> verweigert_;
    // The data file as this book last read or wrote it.
    Dateistand stand_;
};

}  // namespace kronel
