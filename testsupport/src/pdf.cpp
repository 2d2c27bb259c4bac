#include "testsupport/pdf.h"

#include <QProcess>
#include <QStandardPaths>

namespace kronel::test {

namespace {
QString Programm() {
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}
}  // namespace

bool PdfTextLesbar() {
    return !Programm().isEmpty();
}

std::optional<QString> PdfText(const QString& pfad) {
    const QString programm = Programm();
    if (programm.isEmpty()) {
        return std::nullopt;
    }
    QProcess p;
    p.start(programm, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pfad, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) {
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace kronel::test
