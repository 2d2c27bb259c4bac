#pragma once
// The services through which the logic reaches the desktop: message boxes,
// sounds, the mouse pointer and the clock. A program installs the real ones at
// start, a test installs fakes; nothing else reaches the desktop.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "platform/fehler.h"

namespace kronel {

class Uhr;

// Message-box styles and answers with the classic numbers.
namespace Box {
inline constexpr int OK = 0, OKAbbrechen = 1, AbbrechenWiederholenIgnorieren = 2,
                     JaNeinAbbrechen = 3, JaNein = 4, WiederholenAbbrechen = 5;
inline constexpr int Stop = 16, Frage = 32, Ausrufezeichen = 48, Information = 64;
inline constexpr int Standard2 = 256, Standard3 = 512, Standard4 = 768;
inline constexpr int Systemmodal = 4096;
inline constexpr int KnopfMaske = 7, SymbolMaske = 112, StandardMaske = 768;
}  // namespace Box
namespace Antwort {
inline constexpr int OK = 1, Abbrechen = 2, Abbruch = 3, Wiederholen = 4, Ignorieren = 5, Ja = 6,
                     Nein = 7;
}

// The answer of a person who closes a box of that style or presses Escape: Cancel
// where there is such a button, Abort for Abort/Retry/Ignore, No for Yes/No, else
// OK, the only button. The real boxes and the fakes of the tests answer by it.
int EscapeAntwort(int stil);

class MeldungsDienst {
public:
    virtual ~MeldungsDienst() = default;
    // Text with CR LF line breaks; returns the classic answer code.
    virtual int zeigen(const QString& text, int stil, const QString& titel) = 0;
    // An input box; no value when cancelled.
    virtual std::optional<QString> eingabe(const QString& frage, const QString& titel,
                                           const QString& vorgabe) = 0;
};

// Beep types of the window system.
namespace Piep {
inline constexpr int Hand = 16, Frage = 32, Ausrufezeichen = 48, Stern = 64;
}

class TonDienst {
public:
    virtual ~TonDienst() = default;
    // name is the sound name that asked for the beep ("#SystemHand").
    virtual void piepen(int typ, const QString& name) = 0;
    // Plays a wave file without waiting; replaces a sound of this program still
    // playing. A missing sound device is silence, not a failure.
    virtual Status spielen(const QString& pfad) = 0;
    virtual void stoppen() = 0;
};

enum class Zeiger { Standard, Sanduhr };

class ZeigerDienst {
public:
    virtual ~ZeigerDienst() = default;
    virtual Zeiger aktuell() const = 0;
    virtual void setzen(Zeiger z) = 0;
};

// The screen: its size in twips and its colour depth.
class BildschirmDienst {
public:
    virtual ~BildschirmDienst() = default;
    virtual double weite() const = 0;
    virtual double hoehe() const = 0;
    virtual int bitsProPixel() const = 0;
};

// Our help window over the HTML help pages.
class HilfeDienst {
public:
    virtual ~HilfeDienst() = default;
    // Shows the page at the anchor (empty: the top of the page, its contents).
    virtual Status zeigen(const QString& datei, const QString& anker) = 0;
    // Closes the help window when it is open.
    virtual void schliessen() = 0;
};

// The desktop's browser.
class WebDienst {
public:
    virtual ~WebDienst() = default;
    // False when the desktop could not hand the address on.
    virtual bool oeffnen(const QString& adresse) = 0;
};

// Starts a program without waiting and never through a shell.
class ProzessDienst {
public:
    virtual ~ProzessDienst() = default;
    virtual Status starten(const QString& programm, const QStringList& argumente,
                           const QString& arbeitsordner) = 0;
};

// One running copy per user and program name.
class InstanzDienst {
public:
    virtual ~InstanzDienst() = default;
    // Becomes the running copy of name; false when another copy of name runs.
    virtual bool anmelden(const QString& name) = 0;
    // Asks the running copy of name to come to the front; false when none answered.
    virtual bool aktivieren(const QString& name) = 0;
    // Runs in the event loop when a later copy asks this one to come to the front.
    virtual void beiAktivierung(std::function<void()> handler) = 0;
};

struct Dienste {
    MeldungsDienst* meldungen = nullptr;
    TonDienst* ton = nullptr;
    ZeigerDienst* zeiger = nullptr;
    const Uhr* uhr = nullptr;
    BildschirmDienst* bildschirm = nullptr;
    HilfeDienst* hilfe = nullptr;
    WebDienst* web = nullptr;
    ProzessDienst* prozesse = nullptr;
    InstanzDienst* instanzen = nullptr;
};

// The services in force. The message, sound and process services are installed
// by every program, test, tool and benchmark that uses them: in a debug build one
// that was never installed stops the program with a diagnosis naming it, since
// a silent stand-in would hide a forgotten installation; a release build falls back
// to the console services below. Without installed ones the pointer is silent
// and the clock is the system's.
Dienste& dienste();
void DiensteSetzen(const Dienste& d);

MeldungsDienst& meldungen();
TonDienst& ton();
ZeigerDienst& zeiger();
const Uhr& uhr();
// Without installed ones: a 1024 x 768 screen of 24 bits, no help window, no
// browser, and no guard (every copy is the first).
BildschirmDienst& bildschirm();
HilfeDienst& hilfe();
WebDienst& web();
ProzessDienst& prozesse();
InstanzDienst& instanzen();

// The log of a run nobody watches: a note on standard error (which the desktop
// session keeps), "[title] text" on one line.
void MeldungProtokollieren(const QString& text, const QString& titel);

// A box written to standard error and answered as Escape would (see
// EscapeAntwort), so nothing ever waits for a person; an input box is cancelled.
class KonsolenMeldungen final : public MeldungsDienst {
public:
    int zeigen(const QString& text, int stil, const QString& titel) override;
    std::optional<QString> eingabe(const QString& frage, const QString& titel,
                                   const QString& vorgabe) override;
};

// While an object lives every box goes to the log and is answered as Escape
// would (KonsolenMeldungen): for work that runs when nobody can answer, such as
// a program's end by a signal. The boxes before and after are the installed ones.
class MeldungenInsProtokoll {
public:
    MeldungenInsProtokoll();
    ~MeldungenInsProtokoll();
    MeldungenInsProtokoll(const MeldungenInsProtokoll&) = delete;
    MeldungenInsProtokoll& operator=(const MeldungenInsProtokoll&) = delete;

private:
    MeldungsDienst* vorher_;
};

class StillerTon final : public TonDienst {
public:
    void piepen(int, const QString&) override {}
    Status spielen(const QString&) override { return {}; }
    void stoppen() override {}
};

// QProcess::startDetached: the real start of the programs, desktop or not.
class SystemProzesse final : public ProzessDienst {
public:
    Status starten(const QString& programm, const QStringList& argumente,
                   const QString& arbeitsordner) override;
};

// The services in force with console boxes, silence and the real process start
// for a run without a desktop (tools, benchmarks, fuzz targets); the other
// fields stay as they are.
Dienste OhneDesktopDienste();

// The hourglass while an object lives; the previous pointer on every way out.
class SanduhrZeiger {
public:
    SanduhrZeiger();
    ~SanduhrZeiger();
    SanduhrZeiger(const SanduhrZeiger&) = delete;
    SanduhrZeiger& operator=(const SanduhrZeiger&) = delete;

private:
    Zeiger vorher_;
};

}  // namespace kronel
