#pragma once
// Facts of the running system that the title screen and the about box show or
// act on: how long the system has been up and what kind of drive holds a
// folder. The real ones come from /proc and the mount table; tests install fakes.

#include <QString>

namespace kronel {

enum class Laufwerksart {
    Unbekannt,
    KeinOrdner,
    Wechselplatte,
    Festplatte,
    Netzwerk,
    CdRom,
    RamDisk
};

// The word the about box shows: "Disk", "Festplatten", "Netzwerk", "CD-ROM",
// "RAM-Disk", "?" for a missing folder, empty when unknown.
QString LaufwerksartWort(Laufwerksart art);

// The file system type of a mount ("nfs4", "tmpfs" ...) as a drive kind; a local
// type other than CD and RAM counts as a fixed disk unless the device is removable.
Laufwerksart LaufwerksartVonTyp(const QString& dateisystem, bool wechselbar);

class Systemfakten {
public:
    virtual ~Systemfakten() = default;
    // Seconds since the system started.
    virtual double laufzeitSekunden() const = 0;
    virtual Laufwerksart laufwerksart(const QString& ordner) const = 0;
};

// /proc/uptime and /proc/self/mountinfo; a removable block device from /sys.
class LinuxSystemfakten final : public Systemfakten {
public:
    double laufzeitSekunden() const override;
    Laufwerksart laufwerksart(const QString& ordner) const override;
};

// The facts in force; without installed ones those of this Linux system.
const Systemfakten& systemfakten();
// Installs facts (nullptr: the system's) and returns the ones before.
const Systemfakten* SystemfaktenSetzen(const Systemfakten* s);

}  // namespace kronel
