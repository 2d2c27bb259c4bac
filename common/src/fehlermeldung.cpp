#include "common/fehlermeldung.h"

#include <exception>

#include "common/einstellungen.h"
#include "common/ton.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/schritte.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

bool LaeuftInIDE() {
    return Entwicklungsmodus();
}

namespace {

QString Tip(int nummer) {
    switch (nummer) {
        case FehlerNr::Druckerfehler:
            return QStringLiteral("Tip: Ist der Drucker angeschaltet?");
        case FehlerNr::DateinameFalsch:
        case FehlerNr::DateiNichtGefunden:
        case FehlerNr::DateinameUngueltig:
        case FehlerNr::PfadDateiZugriff:
        case FehlerNr::PfadNichtGefunden:
            return QStringLiteral("Tip: Ist der Dateiname in Ordnung?");
        case FehlerNr::ZugriffVerweigert:
            return QStringLiteral("Tip: Ist der Schreibschutz entfernt?");
        case FehlerNr::NichtBereit:
            return QStringLiteral("Tip: Ist eine Diskette eingelegt?");
        case FehlerNr::Eigenschaftswert:
            return QStringLiteral("Tip: Evtl. andere Schriftart wählen.");
        default:
            return {};
    }
}

}  // namespace

int FehlerMeldung(const Fehler& fehler, const QString& text) {
    const int nummer = fehler.nummer;
    if (nummer == 0) {
        return 0;
    }
    zeiger().setzen(Zeiger::Standard);
    const QString beschreibung = FehlerBeschreibung(nummer);
    const QString zeile = nummer > 0 ? beschreibung + QStringLiteral(" (") +
                                           QString::number(nummer) + QStringLiteral(").")
                                     : QString();
    TonAusgeben(QStringLiteral("#SystemHand"));

    const QString programm = ProgrammDateiname();
    const QString abschnitt = QStringLiteral("Fehler");
    // A record that cannot be written is lost without a word: the report itself
    // is what the user must see.
    const EinstellungsfehlerStill still;
    IniSchreiben({}, abschnitt, QStringLiteral("Programm"), programm);
    IniSchreiben({}, abschnitt, QStringLiteral("Wann"), DatumZeitText(uhr().jetzt()));
    IniSchreiben({}, abschnitt, QStringLiteral("Nummer"),
                 QString::number(nummer) + QStringLiteral(", ") + beschreibung);
    IniSchreiben({}, abschnitt, QStringLiteral("Pos"), QString::number(fehler.pos));
    IniSchreiben({}, abschnitt, QStringLiteral("Txt1"), text);
    IniSchreiben({}, abschnitt, QStringLiteral("Txt2"), zeile);

    const QString tip = Tip(nummer);
    QString box;
    if (!text.isEmpty()) {
        box = text + QStringLiteral("~~");
    }
    box += zeile;
    if (!tip.isEmpty()) {
        box += QStringLiteral("~~") + tip;
    }
    box = Ersetzen(box, QStringLiteral("~"), QStringLiteral("\r\n"));

    const int antwort =
        meldungen().zeigen(box,
                           Box::AbbrechenWiederholenIgnorieren + Box::Ausrufezeichen +
                               Box::Standard3 + Box::Systemmodal,
                           QStringLiteral("Fehler in ") + programm);
    if (antwort == Antwort::Wiederholen || antwort == Antwort::Ignorieren) {
        return antwort;
    }
    return Antwort::Abbruch;
}

QString Ersetzen(const QString& text, const QString& such, const QString& ersatz) {
    if (text.isEmpty() || such.isEmpty()) {
        return text;
    }
    const QString suchKlein = LCase(such);
    QString ergebnis = text;
    QString klein = LCase(text);
    qsizetype p = klein.indexOf(suchKlein);
    while (p >= 0) {
        ergebnis.replace(p, such.size(), ersatz);
        klein.replace(p, such.size(), LCase(ersatz));
        // The replacement itself is never searched again.
        p = klein.indexOf(suchKlein, p + ersatz.size());
    }
    return ergebnis;
}

}  // namespace kronel

namespace kronel {

Wachbericht WacheMitFehlerMeldung() {
    return WachberichtSetzen(&FehlerMeldung);
}

int FehlerMeldungMitBeschreibung(const Fehler& fehler, const QString& text) {
    QString t = text;
    if (!fehler.beschreibung.isEmpty()) {
        t += QStringLiteral("~~") + fehler.beschreibung;
    }
    return FehlerMeldung(fehler, t);
}

}  // namespace kronel
