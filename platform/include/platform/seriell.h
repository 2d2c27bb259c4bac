#pragma once
// The serial port behind a seam: the modem dialling talks to this, the program
// hands it the QSerialPort adapter and a test a fake.

#include <QByteArray>
#include <QString>

#include <functional>

#include "platform/fehler.h"

namespace kronel {

class SerielleSchnittstelle {
public:
    virtual ~SerielleSchnittstelle() = default;
    // Opens the device at the speed, 8 data bits, no parity, 1 stop bit. A
    // failure names the device and the cause.
    virtual Status oeffnen(const QString& geraet, int baud) = 0;
    virtual bool offen() const = 0;
    // Received bytes waiting to be read.
    virtual qint64 wartend() const = 0;
    virtual QByteArray lesen() = 0;
    virtual Status schreiben(const QByteArray& daten) = 0;
    virtual void eingangVerwerfen() = 0;
    // A device without modem-control lines (a pseudo-terminal) refuses DTR; that
    // is no failure for the caller, so nothing is reported.
    virtual void dtrSetzen(bool an) = 0;
    virtual void schliessen() = 0;
    // Runs in the event loop whenever new bytes have arrived.
    virtual void beiDaten(std::function<void()> handler) = 0;
};

// The device a port name means: "COMn" is /dev/ttyS(n-1), n the name's last
// character, 1 to 8; a name starting with "/" is the device itself. Empty for
// any other name.
QString SeriellesGeraet(const QString& name);

}  // namespace kronel
