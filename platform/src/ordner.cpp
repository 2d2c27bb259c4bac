#include "platform/ordner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <array>
#include <utility>

#include "platform/text.h"

namespace kronel {

namespace {

QString OhneSchraegstrich(QString s) {
    while (s.size() > 1 && s.endsWith(QLatin1Char('/'))) {
        s.chop(1);
    }
    return s;
}

QString Umgebung(const char* name) {
    return qEnvironmentVariable(name);
}

QString AusfuehrbareDatei() {
    std::array<char, 4096> puffer{};
    const ssize_t n = ::readlink("/proc/self/exe", puffer.data(), puffer.size() - 1);
    if (n <= 0) {
        return {};
    }
    return QString::fromLocal8Bit(puffer.data(), n);
}

QString& ProgrammnameUeberschrieben() {
    static QString name;
    return name;
}

}  // namespace

QString WindowsOrdner() {
    const QString w = Umgebung("KRONEL_WINDIR");
    if (!w.isEmpty()) {
        return OhneSchraegstrich(w);
    }
    const QString x = Umgebung("XDG_CONFIG_HOME");
    if (!x.isEmpty()) {
        return OhneSchraegstrich(x) + QStringLiteral("/kronel");
    }
    return QDir::homePath() + QStringLiteral("/.config/kronel");
}

QString EigenerDatenOrdner() {
    // A relative value is no valid one and is passed over.
    const QString x = Umgebung("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(x)) {
        return OhneSchraegstrich(x) + QStringLiteral("/kronel");
    }
    return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.local/share/kronel"));
}

QString SystemOrdner() {
    const QString s = Umgebung("KRONEL_SYSDIR");
    if (!s.isEmpty()) {
        return OhneSchraegstrich(s);
    }
    return WindowsOrdner() + QStringLiteral("/system");
}

QString ProgrammOrdner() {
    const QString p = Umgebung("KRONEL_PROGDIR");
    if (!p.isEmpty()) {
        return OhneSchraegstrich(p);
    }
    return QFileInfo(AusfuehrbareDatei()).absolutePath();
}

void OrdnerUmgebungFestmachen() {
    for (const char* name : {"KRONEL_WINDIR", "KRONEL_SYSDIR", "KRONEL_PROGDIR"}) {
        const QString w = Umgebung(name);
        if (!w.isEmpty() && QDir::isRelativePath(w)) {
            qputenv(name, QFile::encodeName(QDir::current().absoluteFilePath(w)));
        }
    }
}

QString ProgrammDateiname() {
    if (!ProgrammnameUeberschrieben().isEmpty()) {
        return ProgrammnameUeberschrieben();
    }
    static const QString name = QFileInfo(AusfuehrbareDatei()).completeBaseName();
    return name;
}

QString ProgrammDateinameSetzen(const QString& name) {
    return std::exchange(ProgrammnameUeberschrieben(), name);
}

QString PfadAusWindows(const QString& pfad) {
    QString p = pfad;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.size() >= 2 && p[1] == u':' && p[0].unicode() < 0x80 && p[0].isLetter()) {
        return {};
    }
    return p;
}

QString DateiImOrdnerFinden(const QString& ordner, const QString& name) {
    if (name.isEmpty()) {
        return {};
    }
    const QDir dir(ordner.isEmpty() ? QStringLiteral(".") : ordner);
    if (QFileInfo::exists(dir.filePath(name))) {
        return dir.filePath(name);
    }
    const QStringList eintraege = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& e : eintraege) {
        if (GleichOhneFall(e, name)) {
            return dir.filePath(e);
        }
    }
    return {};
}

QString PfadAbsolut(const QString& pfad) {
    if (pfad.isEmpty() || pfad.startsWith(QLatin1Char('/'))) {
        return pfad;
    }
    return ProgrammOrdner() + QLatin1Char('/') + pfad;
}

QString PfadAufloesen(const QString& pfad) {
    if (pfad.isEmpty() || QFileInfo::exists(pfad)) {
        return pfad;
    }
    const qsizetype schnitt = pfad.lastIndexOf(QLatin1Char('/'));
    const QString ordner = schnitt < 0 ? QString() : pfad.left(schnitt == 0 ? 1 : schnitt);
    const QString name = schnitt < 0 ? pfad : pfad.mid(schnitt + 1);
    const QString gefunden = DateiImOrdnerFinden(ordner, name);
    if (gefunden.isEmpty()) {
        return pfad;
    }
    return schnitt < 0 ? QFileInfo(gefunden).fileName() : gefunden;
}

}  // namespace kronel
