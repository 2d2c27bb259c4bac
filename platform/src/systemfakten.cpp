#include "platform/systemfakten.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kronel {

namespace {

const Systemfakten*& Installiert() {
    static const Systemfakten* s = nullptr;
    return s;
}

// Octal escapes of mountinfo ("\040" for a blank in a mount point).
QString MountPfad(const QByteArray& roh) {
    QByteArray p;
    for (qsizetype i = 0; i < roh.size(); ++i) {
        if (roh[i] == '\\' && i + 3 < roh.size()) {
            bool ok = false;
            const int c = roh.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                p += static_cast<char>(c);
                i += 3;
                continue;
            }
        }
        p += roh[i];
    }
    return QString::fromUtf8(p);
}

bool WechselbaresGeraet(const QString& quelle) {
    if (!quelle.startsWith(QStringLiteral("/dev/"))) {
        return false;
    }
    // A partition's own folder has no "removable"; its disk above it has.
    const QString name = QFileInfo(quelle).canonicalFilePath().section(QLatin1Char('/'), -1);
    const QString block = QStringLiteral("/sys/class/block/") + name;
    for (const QString& datei :
         {block + QStringLiteral("/removable"), block + QStringLiteral("/../removable")}) {
        QFile f(datei);
        if (f.open(QIODevice::ReadOnly)) {
            return f.readAll().trimmed() == "1";
        }
    }
    return false;
}

}  // namespace

QString LaufwerksartWort(Laufwerksart art) {
    switch (art) {
        case Laufwerksart::Unbekannt:
            return {};
        case Laufwerksart::KeinOrdner:
            return QStringLiteral("?");
        case Laufwerksart::Wechselplatte:
            return QStringLiteral("Disk");
        case Laufwerksart::Festplatte:
            return QStringLiteral("Festplatten");
        case Laufwerksart::Netzwerk:
            return QStringLiteral("Netzwerk");
        case Laufwerksart::CdRom:
            return QStringLiteral("CD-ROM");
        case Laufwerksart::RamDisk:
            return QStringLiteral("RAM-Disk");
    }
    return {};
}

Laufwerksart LaufwerksartVonTyp(const QString& dateisystem, bool wechselbar) {
    static const QStringList netz = {QStringLiteral("nfs"),        QStringLiteral("nfs4"),
                                     QStringLiteral("cifs"),       QStringLiteral("smb3"),
                                     QStringLiteral("smbfs"),      QStringLiteral("sshfs"),
                                     QStringLiteral("fuse.sshfs"), QStringLiteral("9p")};
    if (netz.contains(dateisystem)) {
        return Laufwerksart::Netzwerk;
    }
    if (dateisystem == QStringLiteral("iso9660") || dateisystem == QStringLiteral("udf")) {
        return Laufwerksart::CdRom;
    }
    if (dateisystem == QStringLiteral("tmpfs") || dateisystem == QStringLiteral("ramfs")) {
        return Laufwerksart::RamDisk;
    }
    if (dateisystem.isEmpty()) {
        return Laufwerksart::Unbekannt;
    }
    return wechselbar ? Laufwerksart::Wechselplatte : Laufwerksart::Festplatte;
}

double LinuxSystemfakten::laufzeitSekunden() const {
    QFile f(QStringLiteral("/proc/uptime"));
    if (!f.open(QIODevice::ReadOnly)) {
        return 0;
    }
    return f.readLine().split(' ').value(0).toDouble();
}

Laufwerksart LinuxSystemfakten::laufwerksart(const QString& ordner) const {
    const QString pfad = QFileInfo(ordner).canonicalFilePath();
    if (ordner.isEmpty() || pfad.isEmpty() || !QFileInfo(pfad).isDir()) {
        return Laufwerksart::KeinOrdner;
    }
    QFile f(QStringLiteral("/proc/self/mountinfo"));
    if (!f.open(QIODevice::ReadOnly)) {
        return Laufwerksart::Unbekannt;
    }
    // The mount with the longest mount point above the folder holds it; a later
    // line of the same point is mounted over the earlier one.
    qsizetype laengste = -1;
    QString typ;
    QString quelle;
    for (const QByteArray& zeile : f.readAll().split('\n')) {
        const QList<QByteArray> teile = zeile.split(' ');
        const qsizetype trenner = teile.indexOf("-");
        if (teile.size() < 5 || trenner < 0 || trenner + 2 >= teile.size()) {
            continue;
        }
        const QString punkt = MountPfad(teile[4]);
        const bool darueber = pfad == punkt || punkt == QStringLiteral("/") ||
                              pfad.startsWith(punkt + QLatin1Char('/'));
        if (darueber && punkt.size() >= laengste) {
            laengste = punkt.size();
            typ = QString::fromUtf8(teile[trenner + 1]);
            quelle = MountPfad(teile[trenner + 2]);
        }
    }
    return LaufwerksartVonTyp(typ, WechselbaresGeraet(quelle));
}

const Systemfakten& systemfakten() {
    static const LinuxSystemfakten linux;
    return Installiert() != nullptr ? *Installiert() : linux;
}

const Systemfakten* SystemfaktenSetzen(const Systemfakten* s) {
    const Systemfakten* vorher = Installiert();
    Installiert() = s;
    return vorher;
}

}  // namespace kronel
