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

namespace {

// The program of a row of the table: the file name after the ";" without its
// ".exe" (the programs carry none on Linux); empty for an empty row.
QString ZeilenProgramm(const QString& zeile) {
    const qsizetype trenner = zeile.indexOf(QLatin1Char(';'));
    if (trenner < 0) {
        return {};
    }
    QString datei = zeile.mid(trenner + 1);
    if (GleichOhneFall(Right(datei, 4), QStringLiteral(".exe"))) {
        datei.chop(4);
    }
    return datei;
}

}  // namespace

QString ProgrammPfad(int n) {
    const QString zeile = PaketZeile(n);
    const QString datei = ZeilenProgramm(zeile);
    if (datei.isEmpty()) {
        return {};
    }
    const QString abschnitt = zeile.left(zeile.indexOf(QLatin1Char(';')));
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
        // The running program never offers itself, also before any program
        // recorded its folder: the item could only stay grey.
        if (LCase(pfad + QLatin1Char(' ')).contains(ich) ||
            GleichOhneFall(ZeilenProgramm(PaketZeile(i)), ProgrammDateiname())) {
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
