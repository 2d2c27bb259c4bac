#include <QSerialPortInfo>

#include "platform/wache.h"
#include "platform_qt/seriell_qt.h"

namespace kronel {

namespace {

int FehlerNummer(QSerialPort::SerialPortError e) {
    switch (e) {
        case QSerialPort::DeviceNotFoundError:
            return FehlerNr::DateiNichtGefunden;
        case QSerialPort::PermissionError:
        case QSerialPort::OpenError:
            return FehlerNr::ZugriffVerweigert;
        default:
            return FehlerNr::PfadDateiZugriff;
    }
}

}  // namespace

QtSerielleSchnittstelle::QtSerielleSchnittstelle() {
    // The modem's answer arrives inside the dial's own event loop: a failure
    // cannot pass through Qt's loop to the guard of the dial key.
    QObject::connect(&port_, &QSerialPort::readyRead,
                     Abgesichert(
                         [this] {
                             if (beiDaten_) {
                                 beiDaten_();
                             }
                         },
                         "Comm1_OnComm"));
}

Status QtSerielleSchnittstelle::oeffnen(const QString& geraet, int baud) {
    port_.setPortName(geraet);
    const bool ok =
        port_.open(QIODevice::ReadWrite) && port_.setBaudRate(baud) &&
        port_.setDataBits(QSerialPort::Data8) && port_.setParity(QSerialPort::NoParity) &&
        port_.setStopBits(QSerialPort::OneStop) && port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        const Fehler f(FehlerNummer(port_.error()), QStringLiteral("Die Schnittstelle »") + geraet +
                                                        QStringLiteral("« lässt sich nicht "
                                                                       "öffnen: ") +
                                                        port_.errorString());
        port_.close();
        return f;
    }
    return {};
}

bool QtSerielleSchnittstelle::offen() const {
    return port_.isOpen();
}

qint64 QtSerielleSchnittstelle::wartend() const {
    return port_.bytesAvailable();
}

QByteArray QtSerielleSchnittstelle::lesen() {
    return port_.readAll();
}

Status QtSerielleSchnittstelle::schreiben(const QByteArray& daten) {
    if (port_.write(daten) != daten.size()) {
        return Fehler(FehlerNr::PfadDateiZugriff, QStringLiteral("Senden an »") + port_.portName() +
                                                      QStringLiteral("« fehlgeschlagen: ") +
                                                      port_.errorString());
    }
    port_.flush();
    return {};
}

void QtSerielleSchnittstelle::eingangVerwerfen() {
    port_.clear(QSerialPort::Input);
    port_.readAll();
}

void QtSerielleSchnittstelle::dtrSetzen(bool an) {
    port_.setDataTerminalReady(an);
    port_.clearError();
}

void QtSerielleSchnittstelle::schliessen() {
    if (port_.isOpen()) {
        port_.close();
    }
}

void QtSerielleSchnittstelle::beiDaten(std::function<void()> handler) {
    beiDaten_ = std::move(handler);
}

QStringList SerielleGeraete() {
    QStringList geraete;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        geraete.append(info.systemLocation());
    }
    return geraete;
}

}  // namespace kronel
