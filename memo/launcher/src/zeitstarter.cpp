#include "launcher/zeitstarter.h"

#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/modul.h"
#include "common/protokoll.h"
#include "common/texte.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/oberflaeche.h"
#include "platform/ordner.h"
#include "platform/schritte.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

const QString kAbschnitt = QStringLiteral("Kronel");

// Five pixels from the screen's edges.
constexpr double kRand = 5 * TwipsProPixel;

}  // namespace

std::optional<qint64> SekundenSeit(const QString& letzteAusgabe, const QDateTime& jetzt) {
    const auto dz = DatumZeitLesen(Trim(letzteAusgabe));
    if (!dz) {
        return std::nullopt;
    }
    return QDateTime(dz->datum, dz->zeit.value_or(QTime(0, 0))).secsTo(jetzt);
}

bool StartFaellig(const QString& uhrzeit, const QString& stunden, qint64 sekunden,
                  const QDateTime& jetzt, const std::optional<QDateTime>& eigenerStart) {
    const bool uhrzeitTrifft = Left(uhrzeit, 5) == jetzt.toString(QStringLiteral("hh:mm"));
    const double abstand = Val(stunden) * 60 * 60;
    bool start = uhrzeitTrifft || static_cast<double>(sekunden) > abstand;
    // No hours, or a negative number of them, switch the automatic start off.
    if (abstand <= 0 || sekunden < 60) {
        start = false;
    }
    // An output program that is slow, blocked or failing never records its run:
    // our own last start holds off the next one.
    if (start && eigenerStart && *eigenerStart <= jetzt) {
        const qint64 seitEigenem = eigenerStart->secsTo(jetzt);
        if (seitEigenem < 60 || (!uhrzeitTrifft && static_cast<double>(seitEigenem) < abstand)) {
            start = false;
        }
    }
    return start;
}

QString StarterTitel(const QDateTime& jetzt) {
    return QStringLiteral("Kronel Memo, ") + jetzt.toString(QStringLiteral("h:mm"));
}

QString LetzteAusgabeText(const std::optional<qint64>& sekunden) {
    if (!sekunden) {
        return QStringLiteral("?");
    }
    return QStringLiteral("vor ") + DauerText(static_cast<double>(*sekunden)) + QLatin1Char('.');
}

bool SymbolGesetzt(const QString& wert) {
    const QString w = Trim(wert);
    return Val(w) != 0 || GleichOhneFall(w, QStringLiteral("True")) ||
           GleichOhneFall(w, QStringLiteral("Wahr"));
}

void GeschwisterStarten(const QString& name, const QStringList& argumente) {
    SchrittLaeufer schritt(
        [](const Fehler& f) {
            return FehlerMeldung(f, QStringLiteral("Es ist ein Fehler aufgetreten."));
        },
        QStringLiteral("GeschwisterStarten"));
    QString ordner;
    QString programm;
    const bool weiter = schritt([&]() -> Status {
        const QString dir = Trim(IniLesen({}, kAbschnitt, QStringLiteral("Dir"), {}));
        ordner = dir.isEmpty() ? ProgrammVerzeichnis() : PfadAusWindows(dir);
        if (ordner.isEmpty()) {
            return Fehler(FehlerNr::PfadNichtGefunden, dir);  // a drive path names nothing here
        }
        while (ordner.size() > 1 && ordner.endsWith(QLatin1Char('/'))) {
            ordner.chop(1);
        }
        return {};
    });
    if (!weiter) {
        return;
    }
    if (!schritt([&]() -> Status {
            programm = DateiImOrdnerFinden(ordner, name);
            if (programm.isEmpty()) {
                return Fehler(FehlerNr::DateiNichtGefunden, ordner + QLatin1Char('/') + name);
            }
            return {};
        })) {
        return;
    }
    schritt([&] { return prozesse().starten(programm, argumente, ordner); });
}

void Zeitstarter::EckeEinnehmen(FensterSteuerelement& fenster) const {
    FensterMasse m = fenster.masse();
    m.links = bildschirm().weite() - m.weite - kRand;
    m.oben = bildschirm().hoehe() - m.hoehe - kRand;
    fenster.verschieben(m.links, m.oben);
}

void Zeitstarter::EinstellungenLesen(FensterSteuerelement& fenster) {
    EckeEinnehmen(fenster);
    mnuStartAsSym = SymbolGesetzt(
        IniLesen({}, kAbschnitt, QStringLiteral("MemoStartAsSym"), QStringLiteral("1")));
    fenster.zustandSetzen(mnuStartAsSym ? FensterZustand::Minimiert : FensterZustand::Normal);
    txtOutAbs = IniLesen({}, kAbschnitt, QStringLiteral("MemoNextAbs"), QStringLiteral("01:00:00"));
    txtOutRel = IniLesen({}, kAbschnitt, QStringLiteral("MemoNextRel"), QStringLiteral("12"));
}

void Zeitstarter::EinstellungenSpeichern() const {
    if (modul().NurLesen) {
        return;
    }
    IniSchreiben({}, kAbschnitt, QStringLiteral("MemoStartAsSym"),
                 mnuStartAsSym ? QStringLiteral("1") : QStringLiteral("0"));
    IniSchreiben({}, kAbschnitt, QStringLiteral("MemoNextAbs"), txtOutAbs);
    IniSchreiben({}, kAbschnitt, QStringLiteral("MemoNextRel"), txtOutRel);
}

void Zeitstarter::Zeit_Timer() {
    const QDateTime jetzt = uhr().jetzt();
    Titel = StarterTitel(jetzt);
    const auto sekunden = SekundenSeit(
        IniLesen({}, kAbschnitt, Protokoll::LetzteAusgabe, QStringLiteral("???")), jetzt);
    bezLastTime = LetzteAusgabeText(sekunden);
    if (startLaeuft_) {
        return;
    }
    if (LetzterAutomatischerStart && *LetzterAutomatischerStart > jetzt) {
        LetzterAutomatischerStart.reset();  // the clock was set back
    }
    if (!StartFaellig(txtOutAbs, txtOutRel, sekunden.value_or(0), jetzt,
                      LetzterAutomatischerStart)) {
        return;
    }
    startLaeuft_ = true;
    LetzterAutomatischerStart = jetzt;
    mnuKronel_Click();
    startLaeuft_ = false;
}

void Zeitstarter::mnuKronel_Click() {
    GeschwisterStarten(QStringLiteral("Kronel"), {QStringLiteral("/n")});
}

void Zeitstarter::mnuKronelin_Click() {
    GeschwisterStarten(QStringLiteral("Kronelin"), {});
}

}  // namespace kronel
