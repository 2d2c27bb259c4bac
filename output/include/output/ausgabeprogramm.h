#pragma once
// The shell of the output program Kronel without its widgets: the start-up with
// the once-a-day rule, the two timers, saving and printing of the shown
// messages, the start of the planner and the one stop sequence. The window
// forwards its events here and shows what this asks of it.

#include <QDateTime>
#include <QString>

#include <memory>

#include "output/ausgabelauf.h"
#include "platform/dienste.h"
#include "platform/zufall.h"

namespace kronel {

class FensterSteuerelement;
class SchriftTraeger;

// What the shell needs of the output window.
class AusgabeOberflaeche : public AusgabeAnzeige {
public:
    // The status panel "Status", repainted at once.
    virtual void StatusSetzen(const QString& text) = 0;
    virtual QString StatusText() const = 0;
    // The panels "Datum" and "Zeit".
    virtual void DatumZeitSetzen(const QString& datum, const QString& zeit) = 0;
    // The whole text of the text box and its selection, line breaks as CR LF.
    virtual QString AusgabeText() const = 0;
    virtual QString Auswahl() const = 0;
    // Read-only mode: saving and the planner's menu item and toolbar buttons off.
    virtual void NurLesenAnzeigen() = 0;
    // Font, colours and frame of the text box and the window.
    virtual SchriftTraeger& TextSchrift() = 0;
    virtual void HintergrundSetzen(qint32 farbe) = 0;
    virtual FensterSteuerelement& Fenster() = 0;
    // Leaves the event loop (also a modal one that is open).
    virtual void ProgrammEnde() = 0;
    // The moon picture shows the phase p (0 to 100) and keeps the text as its tag.
    virtual void MondZeigen(int p, const QString& text) = 0;
    // The sun label; its lines are separated by CR.
    virtual void SonneSetzen(const QString& text) = 0;
};

class Ausgabeprogramm {
public:
    // The generator of the filters' chance terms is seeded from the clock in Form_Load;
    // a test passes its own.
    explicit Ausgabeprogramm(AusgabeOberflaeche& oberflaeche,
                             std::unique_ptr<Zufall> zufall = nullptr);
    ~Ausgabeprogramm();
    Ausgabeprogramm(const Ausgabeprogramm&) = delete;
    Ausgabeprogramm& operator=(const Ausgabeprogramm&) = delete;

    // The start before the window shows. False when the program is to end at
    // once (the output ran today already): nothing more is written then.
    bool Form_Load();
    // Every second: the first tick runs the output; later ticks end the program
    // when its running time is over.
    void Zeit_Timer();
    // Every 20 seconds and once at start: the date and time panels.
    void ZeitUhr_Timer();

    void PulSpeichern_Click();
    void PulDrucken_Click();
    // Also the double click in the text and the toolbar button "Kronel".
    void mnuPrgKronelin_Click();
    // The box with the moon's age and phase.
    void BildMond_Click();
    // The digits of the selected text, for the dialling window.
    QString TelefonNummer() const;
    // The one stop sequence of every way out; runs once.
    void PulEnde_Click();

    bool AusgabeNurEinmalPruefen();
    // Draws the moon once after each paint (MondZeichnen 1).
    void MondphaseBerechnen();
    void SonnenzeitBerechnen();
    void ZufallsTermineAusgeben();
    void AutoPrintPruefen();
    void SchriftUndFensterLaden();
    void FensterPositionSpeichern();

    // The command line, trimmed and in lower case.
    QString Befehlszeile;
    // The name proposed when saving; the last name saved under.
    QString SpeicherName;
    QDateTime AutoEndeZeit;
    int AusgabeGelaufen = 0;
    // 1 after every paint of the window: the next tick draws the moon again.
    int MondZeichnen = 0;
    // The moon's information text ("~" breaks lines), as last drawn.
    QString MondTag;

    // The stop sequence has run (or the run ended the program at once).
    bool Beendet() const { return beendet_; }
    Terminausgabe& Lauf() { return *lauf_; }

private:
    // Watches the message boxes: while one is open a due end does not wait for
    // the run, and once the program has ended every box answers at once.
    class BoxWaechter final : public MeldungsDienst {
    public:
        int zeigen(const QString& text, int stil, const QString& titel) override;
        std::optional<QString> eingabe(const QString& frage, const QString& titel,
                                       const QString& vorgabe) override;
        MeldungsDienst* innen = nullptr;
        int offen = 0;
        bool beendet = false;
    };

    bool EndeFaellig() const;
    void SofortBeenden();
    // The full path a save name means: relative names count from the data folder.
    QString SpeicherPfad(const QString& name) const;

    AusgabeOberflaeche& oberflaeche_;
    std::unique_ptr<Zufall> zufall_;
    std::unique_ptr<Terminausgabe> lauf_;
    BoxWaechter waechter_;
    MeldungsDienst* meldungenVorher_ = nullptr;
    bool ausgabeBegonnen_ = false;
    bool laeuft_ = false;
    bool beendet_ = false;
    QDateTime hinweisBis_;
};

}  // namespace kronel
