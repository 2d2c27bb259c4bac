#include "common/startwachen.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "common/dateien.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/modul.h"
#include "common/ton.h"
#include "platform/befehlszeile.h"
#include "platform/dateien.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/text.h"

namespace kronel {

namespace {

// The first file "*.dat" of a folder in name order, the extension in any case.
QString ErsteDatDatei(const QString& ordner) {
    QStringList namen = QDir(ordner).entryList(QDir::Files);
    std::sort(namen.begin(), namen.end());
    for (const QString& n : namen) {
        if (GleichOhneFall(Right(n, 4), QStringLiteral(".dat"))) {
            return ordner + QLatin1Char('/') + n;
        }
    }
    return {};
}

QString Markierungsdatei() {
    const QString name = QStringLiteral("READONLY.TXT");
    const QString programm = ProgrammVerzeichnis();
    const QString hier = PfadAufloesen(programm + QLatin1Char('/') + name);
    if (DateiVorhanden(hier)) {
        return hier;
    }
    const QString eltern = QFileInfo(programm).absolutePath();
    const QString darueber = PfadAufloesen(eltern + QLatin1Char('/') + name);
    return DateiVorhanden(darueber) ? darueber : QString();
}

// The marker's lines, each ended by CR; "~" becomes CR LF; CRs at the end go.
QString Markierungstext(const QString& datei) {
    const Ergebnis<QByteArray> inhalt = DateiLesen(datei);
    if (!inhalt) {
        return {};
    }
    QString text;
    for (const QString& zeile : ZeilenTeilen(TextTolerantLesen(*inhalt))) {
        text += zeile + QLatin1Char('\r');
    }
    text = Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n"));
    while (text.endsWith(QLatin1Char('\r'))) {
        text.chop(1);
    }
    return text;
}

}  // namespace

void LeserechtePruefen() {
    Modul& m = modul();
    m.NurLesen = false;
    if (LCase(Befehlszeile()).contains(QStringLiteral("readonly"))) {
        m.NurLesen = true;
    }
    const QString dat = ErsteDatDatei(ProgrammVerzeichnis());
    if (!dat.isEmpty() && DateiVorhanden(dat) && DateiSchreibgeschuetzt(dat)) {
        m.NurLesen = true;
    }
    const QString marke = Markierungsdatei();
    if (marke.isEmpty()) {
        return;
    }
    m.NurLesen = true;
    QString text = Markierungstext(marke);
    if (text.isEmpty()) {
        return;
    }
    TonAusgeben(QStringLiteral("#SystemExclamation"));
    if (text.size() > 600) {
        text = Left(text, 600) + QStringLiteral("...");
    }
    // The lines end in a lone CR; the boxes take CR LF.
    meldungen().zeigen(ZeilenumbruecheVereinheitlichen(text), Box::OK + Box::Information,
                       QStringLiteral("Kronel, nur Leserechte"));
}

}  // namespace kronel
