#pragma once
// The services through which the logic reaches the desktop: message boxes,
// sounds, the mouse pointer and the clock. A program installs the real ones at
// start, a test installs fakes; nothing else reaches the desktop.

#include <QString>

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

struct Dienste {
    MeldungsDienst* meldungen = nullptr;
    TonDienst* ton = nullptr;
    ZeigerDienst* zeiger = nullptr;
    const Uhr* uhr = nullptr;
};

// The services in force. Without installed services, boxes answer Cancel (or
// OK for a box with one button), sounds and pointers are silent, the clock is the system's.
Dienste& dienste();
void DiensteSetzen(const Dienste& d);

MeldungsDienst& meldungen();
TonDienst& ton();
ZeigerDienst& zeiger();
const Uhr& uhr();

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
