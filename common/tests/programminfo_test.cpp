#include <gtest/gtest.h>

#include <QFile>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "common/programminfo.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

TEST(ProgrammInfo, TitelMitDemDatumDerProgrammdatei) {
    test::TestUmgebung umgebung;
    const QString datei = umgebung.programm() + L("/Kronelin");
    EXPECT_EQ(InfoTitel(datei, L("8.010090")), L("Kronel, Version 32-Bit 8.01.0090"));
    umgebung.schreiben(datei, "#!");
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(1998, 3, 12), QTime(10, 0)),
                              QFileDevice::FileModificationTime));
    EXPECT_EQ(InfoTitel(datei, L("8.010090")),
              L("Kronel, Version 32-Bit 8.01.0090 vom 12.03.1998"));
}

TEST(ProgrammInfo, SystemblockMitLaufwerksartenDerOrdner) {
    test::TestUmgebung umgebung;
    modul().DatenVerzeichnis = umgebung.daten();
    umgebung.systemfakten.arten[umgebung.programm()] = Laufwerksart::Netzwerk;
    umgebung.systemfakten.arten[umgebung.daten()] = Laufwerksart::Unbekannt;
    const QString p = umgebung.programm();
    EXPECT_EQ(InfoSystemText(L("Hans"), L("8.010090")),
              L("Benutzername oder Rechnerstation: Hans\r\n") + L("Aktueller Netzwerk-Ordner: ") +
                  p + L("\r\nDaten -Ordner: ") + umgebung.daten() +
                  L("\r\nProgramm Netzwerk-Ordner: ") + p +
                  L("\r\n\r\nVersion 32-Bit\r\nModul-Paket ?\r\n8.01.0090\r\n"));

    // Without user and data folder their lines are left out.
    modul().DatenVerzeichnis.clear();
    umgebung.systemfakten.arten[umgebung.programm()] = Laufwerksart::RamDisk;
    IniSchreiben({}, L("Allgemein"), L("ModulPaket32"), L("Komplett"));
    EXPECT_EQ(InfoSystemText({}, L("8.010090")),
              L("Aktueller RAM-Disk-Ordner: ") + p + L("\r\nProgramm RAM-Disk-Ordner: ") + p +
                  L("\r\n\r\nVersion 32-Bit\r\nModul-Paket Komplett\r\n8.01.0090\r\n"));
}

TEST(ProgrammInfo, LaufwerksartenNachDateisystem) {
    const std::pair<const char*, const char*> faelle[] = {
        {"nfs4", "Netzwerk"},       {"cifs", "Netzwerk"},
        {"fuse.sshfs", "Netzwerk"}, {"9p", "Netzwerk"},
        {"iso9660", "CD-ROM"},      {"udf", "CD-ROM"},
        {"tmpfs", "RAM-Disk"},      {"ramfs", "RAM-Disk"},
        {"ext4", "Festplatten"},    {"", ""}};
    for (const auto& [typ, wort] : faelle) {
        EXPECT_EQ(LaufwerksartWort(LaufwerksartVonTyp(L(typ), false)), L(wort)) << typ;
    }
    EXPECT_EQ(LaufwerksartWort(LaufwerksartVonTyp(L("vfat"), true)), L("Disk"));
    EXPECT_EQ(LaufwerksartWort(Laufwerksart::KeinOrdner), L("?"));
    // The real table: a missing folder, and /proc, which is always mounted.
    LinuxSystemfakten linux;
    EXPECT_EQ(linux.laufwerksart(L("/gibt/es/nicht")), Laufwerksart::KeinOrdner);
    EXPECT_EQ(linux.laufwerksart(L("/dev/shm")), Laufwerksart::RamDisk);
    EXPECT_GT(linux.laufzeitSekunden(), 0);
}

}  // namespace
