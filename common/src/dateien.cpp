#include "common/dateien.h"

#include "platform/dateien.h"
#include "platform/dienste.h"
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

}  // namespace kronel
