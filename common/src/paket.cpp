#include "common/paket.h"

#include "common/dateien.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/schritte.h"
#include "platform/text.h"

namespace kronel {

QString PaketZeile(int n) {
    return n == 0 ? QStringLiteral("kronel;kronelin.exe") : QString();
}

QString ProgrammPfad(int n) {
    const QString zeile = PaketZeile(n);
    const qsizetype trenner = zeile.indexOf(QLatin1Char(';'));
    if (trenner < 0) {
        return {};
    }
    const QString abschnitt = zeile.left(trenner);
    QString datei = zeile.mid(trenner + 1);
    const QString gelesen = IniLesen({}, abschnitt, QStringLiteral("dir"), {});
    if (gelesen.isEmpty() || GleichOhneFall(Left(gelesen, 2), QStringLiteral("a:"))) {
        return {};
    }
    QString ordner = PfadAusWindows(gelesen);  // a drive path names nothing here
    if (ordner.isEmpty()) {
        return {};
    }
    while (ordner.size() > 1 && ordner.endsWith(QLatin1Char('/'))) {
        ordner.chop(1);
    }
    // The programs carry no ".exe" on Linux.
    if (GleichOhneFall(Right(datei, 4), QStringLiteral(".exe"))) {
        datei.chop(4);
    }
    const QString pfad = DateiImOrdnerFinden(ordner, datei);
    return !pfad.isEmpty() && DateiVorhanden(pfad) ? pfad : QString();
}

void ProgrammeSuchen(PaketMenue& menue) {
    const SanduhrZeiger sanduhr;
    menue.statusSetzen(QStringLiteral("Suche Programme..."));
    const QString ich = LCase(ProgrammDateiname());
    for (int i = 0; i < PaketZeilen; ++i) {
        menue.eintragFreigeben(i, false);
        const QString pfad = ProgrammPfad(i);
        if (!pfad.isEmpty()) {
            menue.eintragFreigeben(i, true);
        }
        if (LCase(pfad + QLatin1Char(' ')).contains(ich)) {
            menue.eintragVerbergen(i);
        }
    }
    menue.statusSetzen(QStringLiteral("Bereit"));
}

void ProgrammStarten(int n) {
    const SanduhrZeiger sanduhr;
    SchrittLaeufer schritt(
        [](const Fehler& f) {
            return FehlerMeldung(
                f, QStringLiteral("Es ist ein Fehler beim Starten des Programms aufgetreten."));
        },
        QStringLiteral("ProgrammStarten"));
    QString pfad;
    schritt([&]() -> Status {
        pfad = ProgrammPfad(n);
        if (pfad.isEmpty()) {
            return Fehler(FehlerNr::DateiNichtGefunden);
        }
        return {};
    });
    // The program runs in its own folder; ours stays as it is.
    schritt([&] { return prozesse().starten(pfad, {}, DateiTeil(pfad, -1)); });
}

}  // namespace kronel
