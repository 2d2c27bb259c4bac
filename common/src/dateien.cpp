#include "common/dateien.h"

#include <QCryptographicHash>
#include <QDateTime>

#include "platform/dateien.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/uhr.h"

namespace kronel {

bool DateiVorhanden(const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'))) {
        return false;
    }
    const QString pfad = PfadAusWindows(name);
    if (pfad.isEmpty()) {
        return false;
    }
    // Opened as every reading opens: a FIFO in the place of the file must not
    // hold the program.
    return DateiAnfangLesen(PfadAufloesen(PfadAbsolut(pfad)), 0).ok();
}

}  // namespace kronel

namespace kronel {

QString DateiTeil(const QString& pfad, int code) {
    QString p = pfad.trimmed();
    const qsizetype schalter = p.indexOf(QStringLiteral(" /"));
    if (schalter >= 0) {
        p.truncate(schalter + 1);
    }
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype laufwerk = p.indexOf(QStringLiteral(":/"));
    if (laufwerk > 0) {
        p.remove(0, laufwerk - 1);
    }
    const qsizetype schnitt = p.lastIndexOf(QLatin1Char('/'));
    const QString ordner = p.left(schnitt + 1);
    const QString name = p.mid(schnitt + 1);
    const qsizetype punkt = name.indexOf(QLatin1Char('.'));
    switch (code) {
        case -1:
            return ordner.isEmpty() ? QString() : ordner.left(ordner.size() - 1);
        case 0:
            return ordner;
        case 1:
            return punkt < 0 ? name : name.left(punkt);
        case 2:
            return punkt < 0 ? QString() : name.mid(punkt + 1);
        case 3:
            return name;
        default:
            return {};
    }
}

QString DateiSuchen(const QString& dateiname) {
    const SanduhrZeiger sanduhr;
    const QString windows = WindowsOrdner();
    const QString ordner[] = {ProgrammOrdner(), windows, SystemOrdner(),
                              windows + QStringLiteral("/tools")};
    for (const QString& o : ordner) {
        const QString pfad = PfadAufloesen(o + QLatin1Char('/') + dateiname);
        if (DateiVorhanden(pfad)) {
            return pfad;
        }
    }
    return {};
}

Status SicherungAnlegen(const QString& pfad, int modus) {
    const SanduhrZeiger sanduhr;
    const QString quelle = PfadAufloesen(PfadAbsolut(PfadAusWindows(pfad)));
    const QString sicherung =
        PfadAufloesen(DateiTeil(quelle, 0) + DateiTeil(quelle, 1) + QStringLiteral(".BAK"));
    if (modus != 1) {
        return DateiVorhanden(sicherung) ? DateiLoeschen(sicherung) : Status();
    }
    if (!DateiVorhanden(quelle)) {
        return Fehler(
            FehlerNr::DateiNichtGefunden,
            FehlerBeschreibung(FehlerNr::DateiNichtGefunden) + QStringLiteral(": ") + quelle);
    }
    const Ergebnis<QByteArray> inhalt = DateiLesen(quelle);
    if (!inhalt) {
        return inhalt.fehler();
    }
    return DateiAtomarSchreiben(sicherung, *inhalt);
}

namespace {

QByteArray Pruefsumme(const QByteArray& inhalt) {
    return QCryptographicHash::hash(inhalt, QCryptographicHash::Sha256);
}

}  // namespace

void Dateistand::Merken(const QByteArray& inhalt) {
    art_ = Art::Inhalt;
    pruefsumme_ = Pruefsumme(inhalt);
}

void Dateistand::Fehlt() {
    art_ = Art::Fehlt;
    pruefsumme_.clear();
}

void Dateistand::Vergessen() {
    art_ = Art::Unbekannt;
    pruefsumme_.clear();
}

Ergebnis<std::optional<QByteArray>> Dateistand::FremdeFassung(const QString& pfad) const {
    if (art_ == Art::Unbekannt) {
        return std::optional<QByteArray>();
    }
    Ergebnis<QByteArray> jetzt = DateiLesen(pfad);
    if (!jetzt) {
        const int nr = jetzt.fehler().nummer;
        if (nr == FehlerNr::DateiNichtGefunden || nr == FehlerNr::PfadNichtGefunden) {
            return std::optional<QByteArray>();  // gone: nothing to keep
        }
        return jetzt.fehler();
    }
    if (art_ == Art::Inhalt && Pruefsumme(jetzt.wert()) == pruefsumme_) {
        return std::optional<QByteArray>();
    }
    return std::optional<QByteArray>(std::move(jetzt.wert()));
}

Ergebnis<QString> FassungBewahren(const QString& pfad, const QByteArray& inhalt) {
    const QString basis =
        pfad + QLatin1Char('.') + uhr().jetzt().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString ziel = basis;
    for (int n = 2;; ++n) {
        // A name taken, also by another program keeping a file in the same
        // second, is never written over: the next number is tried.
        const Status s = DateiNeuSchreiben(ziel, inhalt);
        if (s) {
            return ziel;
        }
        if (s.fehler().nummer != FehlerNr::DateiExistiert || n > 1000) {
            return s.fehler();
        }
        ziel = basis + QLatin1Char('-') + QString::number(n);
    }
}

Status GemeinsamSchreiben(const QString& pfad, const QByteArray& inhalt, Dateistand& stand,
                          QStringList& bewahrt, const QString& tempPfad,
                          const std::function<void()>& davor) {
    // Long enough for another planner's save of a large book to end.
    constexpr int kWartenMs = 5000;
    const DateiSperre sperre(pfad, kWartenMs);
    if (!sperre.gesperrt()) {
        return sperre.grund();
    }
    const auto fremd = stand.FremdeFassung(pfad);
    if (!fremd) {
        return fremd.fehler();
    }
    if (fremd.wert()) {
        const Ergebnis<QString> ziel = FassungBewahren(pfad, *fremd.wert());
        if (!ziel) {
            return ziel.fehler();
        }
        bewahrt.append(*ziel);
        // Seen now: a write that fails after this does not keep it a second time.
        stand.Merken(*fremd.wert());
    }
    if (davor) {
        davor();
    }
    if (Status s = DateiAtomarSchreiben(pfad, inhalt, tempPfad); !s) {
        return s;
    }
    stand.Merken(inhalt);
    return {};
}

QString FremdeFassungText(const QString& pfad, const QString& ziel, bool geschrieben) {
    QString text = QStringLiteral("Ein anderes Programm hat »") + pfad +
                   QStringLiteral(
                       "« gespeichert, nachdem dieses Programm die Datei gelesen oder "
                       "zuletzt gespeichert hatte. Was das andere Programm gespeichert hat, "
                       "bleibt als »") +
                   ziel + QStringLiteral("« erhalten");
    if (!geschrieben) {
        return text + QLatin1Char('.');
    }
    return text + QStringLiteral("; »") + pfad +
           QStringLiteral(
               "« enthält jetzt, was dieses Programm gespeichert hat.\r\n\r\nDie "
               "beiden Fassungen werden nicht zusammengeführt.");
}

}  // namespace kronel
