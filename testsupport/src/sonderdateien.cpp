#include "testsupport/sonderdateien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kronel::test {

void FifoAnlegen(const QString& pfad) {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    ::mkfifo(QFile::encodeName(pfad).constData(), 0666);
}

void GrosseDateiAnlegen(const QString& pfad, qint64 groesse, const QByteArray& anfang) {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(anfang);
        f.resize(groesse);
    }
}

void FifoFreigeben(const QString& fifo) {
    // Without a reader waiting the opening fails at once (ENXIO): nothing to do.
    const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
    }
}

}  // namespace kronel::test
