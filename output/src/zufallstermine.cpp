#include "output/zufallstermine.h"

#include "common/dateien.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/ton.h"
#include "platform/dateien.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/text.h"

namespace kronel {

namespace {

const QString kTitel = QStringLiteral("Kronel, Zufallstermine ausgeben");
const QString kZuletzt = QStringLiteral("ZufallsTermineZuletzt");
constexpr qsizetype kSpalten = 66;
// Ten entries of ".nnnn".
constexpr qsizetype kVerlaufLaenge = 50;
// A generator that keeps hitting barred lines cannot hold up the first tick.
constexpr int kHoechstensZuege = 10000;

QString Eintrag(int zeile) {
    return QLatin1Char('.') + QString::number(zeile).rightJustified(4, u'0');
}

void Melden(const QString& text) {
    TonAusgeben(QStringLiteral("#SystemExclamation"));
    meldungen().zeigen(text, Box::OK | Box::Ausrufezeichen, kTitel);
}

// Line k from 2 to n, not among the last ten shown; line n comes up about half
// as often as the others. With every line barred the history is ignored.
int Ziehen(Zufall& zufall, int n, const QString& verlauf) {
    bool freieZeile = false;
    for (int k = 2; k <= n && !freieZeile; ++k) {
        freieZeile = !verlauf.contains(Eintrag(k));
    }
    for (int zug = 0; zug < kHoechstensZuege; ++zug) {
        const int k = static_cast<int>(Int(zufall.zahl() * (n - 2 + 0.5))) + 2;
        if (!freieZeile || !verlauf.contains(Eintrag(k))) {
            return k;
        }
    }
    for (int k = 2; k <= n; ++k) {
        if (!verlauf.contains(Eintrag(k))) {
            return k;
        }
    }
    return 2;
}

}  // namespace

QString SpruchUmbrechen(const QString& spruch) {
    QString text = spruch;
    qsizetype spalte = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        ++spalte;
        if (spalte >= kSpalten && text[i] == u' ') {
            text[i] = u'~';
            spalte = 0;
        }
        if (text[i] == u'\r') {
            spalte = 0;
        }
    }
    return text;
}

QString ZufallsTermineAusgeben(Zufall& zufall) {
    if (Val(IniLesen({}, {}, QStringLiteral("ZufallsTermine"), QStringLiteral("0"))) == 0) {
        return {};
    }
    // The name keeps its case (a Linux path would be lost in lower case); the
    // file is found without regard to it, a bare name in the program folder.
    const QString datei =
        IniLesen({}, {}, QStringLiteral("ZufallsTermineFile"), QStringLiteral("Kronel.Daz"));
    const QString pfad = PfadAufloesen(PfadAbsolut(PfadAusWindows(datei)));
    // Only a file that is not there is not found: a FIFO, device or folder there,
    // or a file too large, is named with why it is not read.
    const Status art = LesbarkeitPruefen(pfad);
    if (art && !DateiVorhanden(datei)) {
        Melden(QStringLiteral("Kann die Zufalls-Termin-Datei »") + datei +
               QStringLiteral("« nicht finden."));
        return {};
    }
    const Ergebnis<QByteArray> inhalt = art ? DateiLesen(pfad) : Ergebnis<QByteArray>(art.fehler());
    if (!inhalt) {
        Melden(QStringLiteral("Die Zufalls-Termin-Datei kann nicht gelesen werden:\r\n\r\n") +
               inhalt.fehler().beschreibung);
        return {};
    }
    const QStringList zeilen = ZeilenTeilen(TextTolerantLesen(*inhalt));
    const int n = static_cast<int>(zeilen.size());
    if (n < 12) {
        Melden(QStringLiteral(
            "In der Zufalls-Termin-Datei sind leider nicht genügend viele Zeilen vorhanden."));
        return {};
    }
    QString ueberschrift = QStringLiteral("Der Satz des Tages:");
    if (zeilen[0].startsWith(QLatin1String(".."))) {
        ueberschrift = zeilen[0].mid(2);
    }
    // Only the last ten entries count, also when the settings file was edited by hand.
    QString verlauf = Right(IniLesen({}, {}, kZuletzt, QStringLiteral(".0000")), kVerlaufLaenge);
    if (verlauf.size() < 5) {
        verlauf = QStringLiteral(".0000");
    }
    const int k = Ziehen(zufall, n, verlauf);
    QString text = QLatin1Char('~') + Trim(ueberschrift) + QLatin1Char('~') +
                   SpruchUmbrechen(Trim(zeilen[k - 1]));
    text = Ersetzen(text, QStringLiteral("°°"), QStringLiteral("\r\n"));
    text = Ersetzen(text, QStringLiteral("~ "), QStringLiteral("\r\n"));
    text = Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n"));
    IniSchreiben({}, {}, kZuletzt, Right(verlauf + Eintrag(k), kVerlaufLaenge));
    return text + QStringLiteral("\r\n");
}

}  // namespace kronel
