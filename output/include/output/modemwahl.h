#pragma once
// The modem exchange of the dialling window: the dial command, the wait for the
// modem's answer, the hint to pick up the handset, the hang-up. It waits on the
// port's arriving bytes and a timer in a local event loop, so the output
// window's timers go on meanwhile.

#include <QByteArray>
#include <QString>

#include "platform/seriell.h"

class QEventLoop;

namespace kronel {

enum class WahlEnde {
    Korrektur,  // a setting or the number is missing: the window stays for a correction
    Gewaehlt,   // the call is on the handset: the window closes
    Beendet,    // failed (after Abort or Ignore) or cancelled: the window stays
};

class Modemwahl {
public:
    // grenzeMs: how long the modem may take to answer the dial command;
    // pauseMs: the waits around the hang-up.
    explicit Modemwahl(SerielleSchnittstelle& port, int grenzeMs = 60000, int pauseMs = 1000);
    ~Modemwahl();
    Modemwahl(const Modemwahl&) = delete;
    Modemwahl& operator=(const Modemwahl&) = delete;

    // Dials the digits of nummer with the dial string (up to its first ";")
    // on the port named anschluss ("COM2", "/dev/ttyUSB0"). A failure is
    // reported; Retry repeats its step, Abort and Ignore end the dial, so the
    // handset prompt comes only after the modem confirmed the dial. On every
    // way out the port is closed, hung up first when the modem had answered.
    WahlEnde Waehlen(const QString& dialString, const QString& anschluss, const QString& nummer);
    // A close of the window during the dialling: the wait ends, the port closes.
    void Abbrechen();
    bool Laeuft() const { return laeuft_; }

private:
    enum class Warteende { Antwort, Zeit, Abbruch };
    // Collects what arrives for up to ms; with aufAntwort it ends at the modem's
    // first answer word.
    Warteende Warten(int ms, bool aufAntwort);
    Status Senden(const QByteArray& daten);
    void Aufraeumen();

    SerielleSchnittstelle& port_;
    int grenzeMs_;
    int pauseMs_;
    QByteArray empfangen_;
    QEventLoop* schleife_ = nullptr;
    bool laeuft_ = false;
    bool abgebrochen_ = false;
    bool beantwortet_ = false;
};

// The digits of a text, in their order ("030 / 12-34" gives "0301234").
QString TelefonZiffern(const QString& text);

// The first answer word of the modem in the received text ("OK", "BUSY" ...), or empty.
QString ModemAntwort(const QByteArray& empfangen);

}  // namespace kronel
