#include <QApplication>
#include <QDeadlineTimer>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include "platform/dateien.h"
#include "platform/text.h"
#include "platform_qt/dienste_qt.h"

namespace kronel {

QtTon::QtTon() = default;
QtTon::~QtTon() {
    // The effect belongs to the application; one of a shorter-lived service
    // must not go on decoding after its owner is gone.
    if (effekt_) {
        effekt_->stop();
        // The backend loads a sound in a thread of its own that outlives the
        // effect; ending the program under a load corrupts its memory. A load
        // takes milliseconds, so the wait is short and bounded.
        const QDeadlineTimer frist(2000);
        while (effekt_->status() == QSoundEffect::Loading && !frist.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            QThread::msleep(5);
        }
        delete effekt_;
    }
}

namespace {

// Only a RIFF/WAVE file is handed to the backend: anything else would be
// silence after a load in the backend's thread.
bool IstWave(const QString& pfad) {
    const Ergebnis<QByteArray> kopf = DateiAnfangLesen(pfad, 12);
    return kopf && kopf->size() == 12 && kopf->startsWith("RIFF") && kopf->mid(8, 4) == "WAVE";
}

}  // namespace

void QtTon::protokollieren(const QString& name) {
    // With KRONEL_TON_PROTOKOLL set, tests of the real programs can see every sound.
    const QString datei = qEnvironmentVariable("KRONEL_TON_PROTOKOLL");
    if (!datei.isEmpty()) {
        (void)DateiAnhaengen(datei, name.toUtf8() + '\n');
    }
}

void QtTon::piepen(int typ, const QString& name) {
    (void)typ;  // the desktop has one beep
    protokollieren(name);
    QApplication::beep();
}

Status QtTon::spielen(const QString& pfad) {
    protokollieren(pfad);
    if (!IstWave(pfad)) {
        return {};  // a missing or broken sound is silence; the backend is not even asked
    }
    if (!effekt_) {
        effekt_ = new QSoundEffect(QCoreApplication::instance());
    }
    effekt_->stop();
    effekt_->setSource(QUrl::fromLocalFile(pfad));
    // A missing sound device leaves the effect in its error state: silence.
    effekt_->play();
    return {};
}

void QtTon::stoppen() {
    if (effekt_) {
        effekt_->stop();
    }
}

}  // namespace kronel
