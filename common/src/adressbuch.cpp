#include "common/adressbuch.h"

#include <QDir>
#include <QFileInfo>

#include "common/einstellungen.h"
#include "platform/dateien.h"
#include "platform/ordner.h"
#include "platform/text.h"

namespace kronel {

namespace {

const QString kEndung = QStringLiteral(".dat");

// The folder of the books as the settings name it.
QString DirEinstellung() {
    return IniLesen(QStringLiteral("RIVIROR.INI"), QStringLiteral("Solmika"),
                    QStringLiteral("Dir"));
}

}  // namespace

QString AdressbuchOrdner() {
    const QString dir = PfadAusWindows(DirEinstellung());
    return dir.isEmpty() ? QString() : PfadAbsolut(dir);
}

std::vector<Adressbuch> AdressbuecherSuchen() {
    return AdressbuecherIn(AdressbuchOrdner());
}

std::vector<Adressbuch> AdressbuecherIn(const QString& ordner) {
    if (ordner.isEmpty()) {
        return {};
    }
    const QDir dir(ordner);
    QStringList namen;
    std::vector<Adressbuch> gefunden;
    // The name is all before ".dat", so "Verein.2024.dat" stays apart from
    // "Verein.dat".
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Readable)) {
        const QString datei = info.fileName();
        if (datei.size() > kEndung.size() && datei.endsWith(kEndung, Qt::CaseInsensitive)) {
            namen << datei.chopped(kEndung.size());
            gefunden.push_back({namen.back(), info.filePath()});
        }
    }
    std::vector<Adressbuch> buecher;
    buecher.reserve(gefunden.size());
    for (const qsizetype i : DeutscheReihenfolge(namen)) {
        buecher.push_back(std::move(gefunden[static_cast<size_t>(i)]));
    }
    return buecher;
}

QString AdressbuecherFehlenHinweis(const std::vector<Adressbuch>& gefunden) {
    if (!gefunden.empty()) {
        return {};
    }
    QString ordner = AdressbuchOrdner();
    if (ordner.isEmpty()) {
        // A folder with a drive letter names nothing here, yet it is set: it
        // is named as it stands.
        ordner = DirEinstellung();
    }
    const QString was =
        ordner.isEmpty()
            ? QStringLiteral("Kein Ordner für Adressbücher eingestellt")
            : QStringLiteral("Kein Adressbuch im Ordner »") + ordner + QStringLiteral("«");
    return was +
           QStringLiteral(
               ". Den Ordner der Adressbücher (Dateien *.dat) nennt der "
               "Schlüssel »Dir« im Abschnitt »Solmika« der Datei »") +
           IniDateiAufloesen(QStringLiteral("RIVIROR.INI")) + QStringLiteral("«.");
}

AdressFelder::AdressFelder(QStringView zeile, int anzahl) {
    felder_.reserve(anzahl);
    qsizetype start = 0;
    while (felder_.size() < anzahl && start <= zeile.size()) {
        qsizetype ende = zeile.indexOf(u'\t', start);
        if (ende < 0) {
            ende = zeile.size();
        }
        felder_ << Trim(zeile.sliced(start, ende - start).toString());
        start = ende + 1;
    }
}

QString AdressFelder::feld(int i) const {
    return felder_.value(i);
}

bool AdressbuchLesen(const QString& pfad, int anzahl,
                     const std::function<void(const AdressFelder&)>& je) {
    const Ergebnis<QByteArray> inhalt = DateiLesen(pfad);
    if (!inhalt) {
        return false;
    }
    ZeilenDurchgehen(QByteArrayView(*inhalt), LetztesZeilenende::SchliesstZeile,
                     [&](QByteArrayView zeile, QByteArrayView) {
                         je(AdressFelder(ZeileTolerantLesen(zeile.toByteArray()), anzahl));
                     });
    return true;
}

QString TelefonZeile(const AdressFelder& adresse) {
    const QString tel1 = adresse.feld(7);
    const QString tel2 = adresse.feld(12);
    QString telefon;
    if (!tel1.isEmpty() && !tel2.isEmpty()) {
        telefon = tel1 + QStringLiteral(" oder ") + tel2;
    } else {
        telefon = tel1.isEmpty() ? tel2 : tel1;
    }
    if (telefon.isEmpty()) {
        return {};
    }
    QString zeile = adresse.feld(1);
    if (const QString vorname = adresse.feld(2); !vorname.isEmpty()) {
        zeile += QStringLiteral(", ") + vorname;
    }
    return zeile + QStringLiteral(" - ") + telefon;
}

QStringList TelefonZeilen(const QString& pfad) {
    QStringList zeilen;
    // fields after 14 are never looked at
    AdressbuchLesen(pfad, 15, [&](const AdressFelder& adresse) {
        if (QString z = TelefonZeile(adresse); !z.isEmpty()) {
            zeilen << std::move(z);
        }
    });
    DeutschSortieren(zeilen);
    return zeilen;
}

}  // namespace kronel
