#include <QApplication>
#include <QFile>
#include <QSoundEffect>
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
        delete effekt_;
    }
}

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
    if (!QFile::exists(pfad)) {
        return {};  // a missing sound is silence; the backend is not even asked
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
