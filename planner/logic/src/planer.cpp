#include "planner/planer.h"

#include <cstdio>

#include "common/datenpfade.h"
#include "common/einstellungen.h"
#include "common/fenster.h"
#include "common/hilfe.h"
#include "common/modul.h"
#include "common/startwachen.h"
#include "common/statistik.h"
#include "common/texte.h"
#include "common/ton.h"
#include "planner/suchmuster.h"
#include "platform/befehlszeile.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

const QString kBereit = QStringLiteral("Bereit");

}  // namespace

QString PanelSchluessel(Panel p) {
    switch (p) {
        case Panel::Status:
            return QStringLiteral("Status");
        case Panel::Position:
            return QStringLiteral("Position");
        case Panel::Unsaved:
            return QStringLiteral("Unsaved");
        case Panel::Datum:
            return QStringLiteral("Datum");
        case Panel::Zeit:
            return QStringLiteral("Zeit");
    }
    return {};
}

Planer::Planer(MainSicht& sicht, NebenFenster& fenster)
    : buch(this), sicht_(sicht), fenster_(fenster) {}

bool Planer::FormLoad() {
    // The printout of "/autoprint" runs with nobody at the screen.
    modul().Unbeaufsichtigt = IstAutoprint(Befehlszeile());
    if (!NurEineInstanz()) {
        // The running planner comes to the front; this copy ends here.
        return StartEnde();
    }
    SanduhrZeiger sanduhr;
    DatenPfadeSetzen();
    LeserechtePruefen();
    DatenOrdnerPruefen();
    // A box of the start-up lets a signal in, which ends the program there:
    // the start-up goes no further than the step it was in.
    if (beendet_ || !NetzWache(1)) {
        return StartEnde();
    }
    stufe_ = Startstufe::Angemeldet;
    StatistikStart();
    stufe_ = Startstufe::Gezaehlt;
    if (modul().NurLesen) {
        sicht_.NurLesenAnpassen();
    }
    GeheZuText = GeheZuTextAus(Befehlszeile());
    Zeilenwechsel = QStringLiteral("\r\n");
    sicht_.EinstellungenAnwenden();
    for (const Auswahl a : {Auswahl::VonBis, Auswahl::Zyklen, Auswahl::Filter, Auswahl::Adress}) {
        sicht_.AuswahlFuellen(a, AuswahlLesen(a));
    }
    if (beendet_) {
        return false;
    }
    stufe_ = Startstufe::Eingerichtet;
    buch.TerminIndex = -1;
    const LadeErgebnis e = buch.TermineLaden();
    if (beendet_) {
        return false;
    }
    if (e.beenden || buch.BeendenVerlangt) {
        // No to the question about old data, or Cancel in the check: end without saving.
        (void)NetzWache(0);
        return StartEnde();
    }
    geladen_ = true;
    if (IstAutoprint(Befehlszeile())) {
        // The printout comes from the freshly loaded book, and the program ends.
        ZeitTimer();
        if (beendet_) {
            return false;
        }
    }
    buch.ListenPruefen();
    ListeAnzeigeClick(buch.ListIndex >= 0 ? buch.ListIndex : buch.TerminIndex);
    sicht_.ZeitSchalten(true);
    return !beendet_;
}

bool Planer::StartEnde() {
    if (!beendet_) {
        beendet_ = true;
        sicht_.ProgrammEnde();
    }
    return false;
}

void Planer::FormPaint() {
    ZeitTimer();
}

void Planer::ErsterPaint() {
    // An exit's save lets events in: a first paint queued behind it must not
    // open the tip of the day, whose modal loop would hold the exit.
    if (verlaesst_ || beendet_) {
        return;
    }
    FormPaint();
    if (!GeheZuText.isEmpty()) {
        ErstesPaintErledigt = 1;
    }
    if (ErstesPaintErledigt == 0) {
        ErstesPaintErledigt = 1;
        const QString autoTip = IniLesen({}, {}, QStringLiteral("AutoTip"), QStringLiteral("1"));
        if (Val(autoTip) != 0 && fenster_.vorhanden(Fenstername::Tips)) {
            fenster_.Tips();
        }
    }
    if (!GeheZuText.isEmpty()) {
        SuchText = GeheZuText;
        GeheZuText.clear();
        DatumUebernehmen();
        if (fenster_.vorhanden(Fenstername::Suchen)) {
            Main_PulSuchenWdhg_Click();
        } else {
            // The search window's order and pattern, without its window.
            const qsizetype i = ZeileSuchen(buch.ListeAnzeige, buch.ListIndex, SuchText, 1);
            if (i >= 0) {
                ListeAnzeigeClick(i);
            }
        }
    }
}

void Planer::ZeitTimer() {
    if (beendet_) {
        return;
    }
    const QDateTime jetzt = uhr().jetzt();
    sicht_.PanelSetzen(Panel::Datum, DatumPanelText(jetzt.date()));
    sicht_.PanelSetzen(Panel::Zeit, ZeitPanelText(jetzt.time()));
    if (geladen_ && IstAutoprint(Befehlszeile())) {
        AutomatischDrucken();
        return;
    }
    const TerminFelder f = sicht_.FelderLesen();
    const TerminBeschriftung neu =
        BeschriftungBerechnen(f.STDatum, f.SKVon, f.SKBis, jetzt.date(), sicht_.Beschriftung());
    sicht_.BeschriftungSetzen(neu);
    sicht_.PanelSetzen(Panel::Unsaved, buch.Ungespeichert != 0 ? QStringLiteral(" * ") : QString());
}

void Planer::AutomatischDrucken() {
    if (druckt_) {
        return;
    }
    druckt_ = true;
    sicht_.ZeitSchalten(false);
    Warten(1);
    // The window prints on its first showing and closes itself.
    if (ListeIstLieblingsausdruck()) {
        Main_PulDruckenListe_Click();
    } else {
        Main_mnuDruckenBlatt_Click();
    }
    PulBeenden();
}

void Planer::ListeAnzeigeClick(qsizetype index) {
    if (beendet_) {
        return;
    }
    DatumUebernehmen();
    buch.ZeileWaehlen(index);
}

bool Planer::FeldBetreten(Feld f) {
    sicht_.PanelSetzen(Panel::Status, FeldHinweis(f));
    return !modul().NurLesen;
}

void Planer::FeldVerlassen() {
    sicht_.PanelSetzen(Panel::Status, kBereit);
}

void Planer::Uebernehmen(int modus) {
    if (beendet_) {
        return;
    }
    buch.EingabeUebernehmen(sicht_.FelderLesen(), modus);
    sicht_.ListeAbgleichen(buch.ListeAnzeige, buch.ListIndex);
    UndoAnpassen();
}

void Planer::GespeichertZeigen() {
    if (beendet_) {
        return;
    }
    buch.FelderAnzeigen();
}

void Planer::DatumVerlassen() {
    if (beendet_) {
        return;
    }
    datumOffen_ = false;
    sicht_.PanelSetzen(Panel::Status, kBereit);
    const DatumPruefung p = DatumPruefen(sicht_.FelderLesen().STDatum, uhr().heute());
    if (!p.gueltig) {
        TonAusgeben(QStringLiteral("#SystemExclamation"));
        meldungen().zeigen(p.meldung, Box::OK + Box::Ausrufezeichen, QStringLiteral("Kronel"));
    }
    sicht_.DatumSetzen(p.text);
    Uebernehmen(0);
}

void Planer::DatumUebernehmen() {
    if (datumOffen_) {
        DatumVerlassen();
    }
}

void Planer::DatumWaehlen() {
    if (modul().NurLesen || beendet_ || !fenster_.vorhanden(Fenstername::Monatsblatt)) {
        return;
    }
    DatumUebernehmen();
    const QString datum = sicht_.FelderLesen().STDatum;
    const auto start = DatumLesen(datum);
    if (!start) {
        return;  // the check has put a date there; a record without one offers none
    }
    sicht_.PanelSetzen(Panel::Status, QString::fromUtf8("Wählen Sie ein Datum für den Termin"));
    const MonatsblattAnfrage anfrage{QString::fromUtf8("Wählen Sie ein Datum für den Termin"),
                                     *start, datum};
    const QDate gewaehlt = fenster_.Monatsblatt(anfrage).Calendar;
    if (gewaehlt.isValid()) {
        sicht_.DatumSetzen(DatumText(gewaehlt));
    }
    Uebernehmen(1);
    FeldGanzMarkieren(Feld::STMeldung);
}

void Planer::FeldGanzMarkieren(Feld f) {
    sicht_.FokusSetzen(f);
    sicht_.AllesMarkieren(f);
}

void Planer::FensterWaehlen(bool von) {
    if (beendet_ || !fenster_.vorhanden(Fenstername::Monatsblatt)) {
        return;
    }
    DatumUebernehmen();
    TerminFelder f = sicht_.FelderLesen();
    const TerminBeschriftung b = sicht_.Beschriftung();
    const auto termin = DatumLesen(f.STDatum);
    const auto start = DatumLesen(von ? b.SBVon : b.SBBis);
    if (!termin || !start) {
        return;  // without a date there is nothing to measure from
    }
    const MonatsblattAnfrage anfrage{
        von ? QStringLiteral("Termin melden ab?") : QStringLiteral("Termin melden bis?"),
        *start,
        {}};
    const QDate gewaehlt = fenster_.Monatsblatt(anfrage).Calendar;
    if (!gewaehlt.isValid()) {
        return;
    }
    const long long d = termin->daysTo(gewaehlt);
    const Feld feld = von ? Feld::SKVon : Feld::SKBis;
    if (von ? d > 0 : d < 0) {
        TonAusgeben(QStringLiteral("#SystemExclamation"));
        meldungen().zeigen(
            von ? QStringLiteral("Bitte wählen Sie einen Tag, der vor dem Termin liegt.")
                : QStringLiteral("Bitte wählen Sie einen Tag, der nach dem Termin liegt."),
            Box::OK + Box::Information,
            von ? QStringLiteral("Termin melden ab") : QStringLiteral("Termin melden bis"));
        sicht_.FokusSetzen(feld);
        return;
    }
    (von ? f.SKVon : f.SKBis) = PeriodeAusTagen(d);
    sicht_.FelderSetzen(f);
    Uebernehmen(1);
    sicht_.FokusSetzen(feld);
}

Speicherung Planer::PulSpeichern(Speicheranlass anlass) {
    DatumUebernehmen();
    const Speicherung s = buch.TermineSpeichern(anlass);
    sicht_.PanelSetzen(Panel::Unsaved, buch.Ungespeichert != 0 ? QStringLiteral(" * ") : QString());
    return s;
}

void Planer::Ende() {
    if (beendet_) {
        return;
    }
    beendet_ = true;
    sicht_.ZeitSchalten(false);
    // An end during the start-up writes back only what the start-up had read:
    // the window and the lists would store their empty design state over the
    // user's settings, a sign-off would drop another user's sign-on, and the
    // statistics would count the time since the last run's start.
    if (!modul().NurLesen && stufe_ == Startstufe::Eingerichtet) {
        sicht_.EinstellungenSpeichern();
    }
    HilfeBeenden();
    if (stufe_ >= Startstufe::Angemeldet) {
        (void)NetzWache(0);
    }
    if (stufe_ >= Startstufe::Gezaehlt) {
        StatistikEnde();
    }
    sicht_.ProgrammEnde();
}

void Planer::PulBeenden() {
    Ende();
}

void Planer::PulBeendenUndSpeichern() {
    if (verlaesst_ || beendet_) {
        return;  // an exit is already saving (its event pump let this one in)
    }
    verlaesst_ = true;
    const Speicherung s = PulSpeichern(Speicheranlass::Ende);
    if (s == Speicherung::LaeuftSchon) {
        verlaesst_ = false;
        return;
    }
    if (s == Speicherung::Fehlgeschlagen) {
        TonAusgeben(QStringLiteral("#SystemQuestion"));
        const int antwort = meldungen().zeigen(
            QStringLiteral("Die Termine konnten nicht gespeichert werden.\r\n\r\nSoll das "
                           "Programm trotzdem ohne Speichern beendet werden?"),
            Box::JaNein + Box::Frage + Box::Standard2, QStringLiteral("Kronelin"));
        if (antwort != Antwort::Ja) {
            verlaesst_ = false;
            return;
        }
    }
    PulBeenden();
}

void Planer::FormQueryUnload() {
    if (modul().NurLesen) {
        PulBeenden();
    } else {
        PulBeendenUndSpeichern();
    }
}

void Planer::SitzungsEnde() {
    // A book not yet loaded would be saved empty; "/autoprint" only reads.
    if (beendet_ || !geladen_ || modul().NurLesen || IstAutoprint(Befehlszeile())) {
        return;
    }
    // The session is going away: no box of the save holds up the logout, what
    // it tells goes to the log.
    const MeldungenInsProtokoll protokoll;
    DatumUebernehmen();
    (void)buch.TermineSpeichern(Speicheranlass::Ende);
}

void Planer::SignalEnde() {
    verlaesst_ = true;
    // Nobody answers a box now: the session or the terminal is going away,
    // and the same signal again ends the program in the middle of the save.
    // What the save and the end would tell or ask goes to the log.
    const MeldungenInsProtokoll protokoll;
    SitzungsEnde();
    PulBeenden();
}

void Planer::StatusZeigen(const QString& text) {
    sicht_.PanelSetzen(Panel::Status, text);
}

void Planer::FelderSetzen(const TerminFelder& felder) {
    datumOffen_ = false;
    sicht_.FelderSetzen(felder);
}

void Planer::ZeileGewaehlt(qsizetype index) {
    sicht_.ListeAbgleichen(buch.ListeAnzeige, index);
    sicht_.PanelSetzen(Panel::Position, PositionText(index, buch.ListeTermine.size()));
    sicht_.PanelSetzen(Panel::Unsaved, buch.Ungespeichert != 0 ? QStringLiteral("*") : QString());
    sicht_.PanelSetzen(Panel::Status, kBereit);
    UndoAnpassen();
}

void Planer::UhrTick() {
    ZeitTimer();
}

void Planer::EreignisseZulassen() {
    sicht_.EreignisseZulassen();
}

}  // namespace kronel
