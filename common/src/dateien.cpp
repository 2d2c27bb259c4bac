#include "common/dateien.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ordner.h"

namespace kronel {

bool DateiVorhanden(const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'))) {
        return false;
    }
    const QString pfad = PfadAusWindows(name);
    if (pfad.isEmpty()) {
        return false;
    }
    const QByteArray lokal = QFile::encodeName(PfadAufloesen(PfadAbsolut(pfad)));
    const int fd = ::open(lokal.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    const bool datei = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    return datei;
}

}  // namespace kronel
