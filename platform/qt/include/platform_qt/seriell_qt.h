#pragma once
// The serial port on QSerialPort.

#include <QSerialPort>
#include <QStringList>

#include "platform/seriell.h"

namespace kronel {

class QtSerielleSchnittstelle final : public SerielleSchnittstelle {
public:
    QtSerielleSchnittstelle();
    Status oeffnen(const QString& geraet, int baud) override;
    bool offen() const override;
    qint64 wartend() const override;
    QByteArray lesen() override;
    Status schreiben(const QByteArray& daten) override;
    void eingangVerwerfen() override;
    void dtrSetzen(bool an) override;
    void schliessen() override;
    void beiDaten(std::function<void()> handler) override;

private:
    QSerialPort port_;
    std::function<void()> beiDaten_;
};

// The serial devices present (/dev/ttyUSB0, /dev/ttyACM0 ...), by their paths.
QStringList SerielleGeraete();

}  // namespace kronel
