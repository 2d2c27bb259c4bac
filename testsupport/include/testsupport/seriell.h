#pragma once
// A serial port for tests: records what is sent and answers each sent command
// with the next scripted reply, delivered through the event loop as a modem's
// bytes would arrive.

#include <QObject>
#include <QTimer>

#include <deque>
#include <optional>
#include <vector>

#include "platform/seriell.h"

namespace kronel::test {

class FakeSerielleSchnittstelle final : public SerielleSchnittstelle {
public:
    Status oeffnen(const QString& g, int b) override {
        geraet = g;
        baud = b;
        if (oeffnenFehler) {
            return *oeffnenFehler;
        }
        offen_ = true;
        ++geoeffnet;
        return {};
    }
    bool offen() const override { return offen_; }
    qint64 wartend() const override { return eingang_.size(); }
    QByteArray lesen() override { return std::exchange(eingang_, {}); }
    Status schreiben(const QByteArray& daten) override {
        gesendet += daten;
        if (!antworten.empty()) {
            const QByteArray antwort = antworten.front();
            antworten.pop_front();
            if (!antwort.isEmpty()) {
                QTimer::singleShot(0, &kontext_, [this, antwort] { ankommen(antwort); });
            }
        }
        return {};
    }
    void eingangVerwerfen() override { eingang_.clear(); }
    void dtrSetzen(bool an) override { dtr.push_back(an); }
    void schliessen() override {
        if (offen_) {
            ++geschlossen;
        }
        offen_ = false;
    }
    void beiDaten(std::function<void()> handler) override { handler_ = std::move(handler); }

    // Bytes arrive from the modem.
    void ankommen(const QByteArray& daten) {
        eingang_ += daten;
        if (handler_) {
            handler_();
        }
    }

    QString geraet;
    int baud = 0;
    QByteArray gesendet;
    // One reply per sent text, in order; an empty one is silence.
    std::deque<QByteArray> antworten;
    std::vector<bool> dtr;
    std::optional<Fehler> oeffnenFehler;
    int geoeffnet = 0;
    int geschlossen = 0;

private:
    bool offen_ = false;
    QByteArray eingang_;
    std::function<void()> handler_;
    QObject kontext_;
};

}  // namespace kronel::test
