// The list commands of the main window: new, copy, delete, undo, the new
// appointment handed back by the free-time overview or the archive viewer, and
// the two sort orders. The book does the work; this decides the questions,
// messages and focus around it.

#include "planner/planer.h"

#include "common/einstellungen.h"
#include "common/modul.h"
#include "common/textfelder.h"
#include "common/ton.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

bool Planer::BefehlBeginnen() {
    if (beendet_) {
        return false;
    }
    // A typed date still waiting counts before the command.
    DatumUebernehmen();
    return true;
}

bool Planer::ListeVoll() {
    if (!buch.Voll()) {
        return false;
    }
    TonAusgeben(QStringLiteral("#SystemExclamation"));
    meldungen().zeigen(QString::fromUtf8("Die maximale Anzahl der möglichen Termine ist leider "
                                         "erreicht. Versuchen Sie nicht mehr benötigte Termine "
                                         "zu löschen."),
                       Box::OK + Box::Ausrufezeichen, QStringLiteral("Kronelin"));
    return true;
}

void Planer::UndoAnpassen() {
    sicht_.UndoSchalten(!modul().NurLesen && buch.UndoMoeglich());
}

void Planer::NeuesDatumWaehlen() {
    if (IniLesen({}, {}, QStringLiteral("Neu2MonBlatt"), QStringLiteral("1")) ==
        QStringLiteral("1")) {
        DatumWaehlen();
    }
}

void Planer::Main_PulEingeben_Click() {
    if (!BefehlBeginnen()) {
        return;
    }
    // A hand-over is used once: also a refused one must not come back with the
    // next plain new record.
    const QString uebergabe = UebergabeZeile;
    UebergabeZeile.clear();
    if (ListeVoll()) {
        return;
    }
    // The date of a hand-over is checked like a typed one (today when it is
    // none); without one the record is dated today.
    const Terminbuch::UebergabeTeile teile = Terminbuch::UebergabeZerlegen(uebergabe);
    if (buch.TerminAnlegen(teile.datum, {}, {}, {}, {}, {}, teile.meldung) == 0) {
        return;
    }
    FeldGanzMarkieren(Feld::STDatum);
    if (uebergabe.isEmpty()) {
        NeuesDatumWaehlen();
    } else {
        FeldGanzMarkieren(Feld::STMeldung);
    }
}

void Planer::Main_PulKopieren_Click() {
    if (!BefehlBeginnen()) {
        return;
    }
    if (ListeVoll() || !buch.TerminKopieren()) {
        return;
    }
    FeldGanzMarkieren(Feld::STDatum);
    NeuesDatumWaehlen();
}

void Planer::Main_PulAusschneiden_Click() {
    if (!BefehlBeginnen()) {
        return;
    }
    if (Val(IniLesen({}, {}, QString::fromUtf8("BestätigeLöschen"), QStringLiteral("1"))) != 0) {
        TonAusgeben(QStringLiteral("#SystemQuestion"));
        const TerminFelder f = sicht_.FelderLesen();
        const QString text = TextFelderErsetzen(f.STMeldung, DatumText(uhr().heute()), f.STDatum);
        const int antwort =
            meldungen().zeigen(QStringLiteral("Sind Sie sicher, dass der Termin\r\n\r\n»") + text +
                                   QString::fromUtf8("«\r\n\r\ngelöscht werden soll?"),
                               Box::JaNein + Box::Frage, QString::fromUtf8("Termin löschen?"));
        if (antwort != Antwort::Ja) {
            return;
        }
    }
    buch.TerminLoeschen();
}

void Planer::Main_mnuUndo_Click() {
    if (!BefehlBeginnen()) {
        return;
    }
    buch.Rueckgaengig();
    sicht_.ListeAbgleichen(buch.ListeAnzeige, buch.ListIndex);
    UndoAnpassen();
}

void Planer::Main_PulTermin_Click() {
    UndoAnpassen();
}

void Planer::UebergabeHolen(Fenstername name) {
    if (!BefehlBeginnen() || !fenster_.vorhanden(name)) {
        return;
    }
    const QString zeile =
        name == Fenstername::Freizeit
            ? fenster_.Freizeit({buch.ListeTermine, sicht_.ListenSchrift()}).BezUebergabe
            : fenster_.Altes({sicht_.ListenSchrift()}).BezUebergabe;
    if (zeile.isEmpty()) {
        return;  // left without asking for an appointment
    }
    UebergabeZeile = zeile;
    Main_PulEingeben_Click();
}

void Planer::Main_mnuFreizeit_Click() {
    UebergabeHolen(Fenstername::Freizeit);
}

void Planer::Main_PulAbgelaufeneZeigen_Click() {
    UebergabeHolen(Fenstername::Altes);
}

void Planer::Main_PulOrdneDatum_Click() {
    if (BefehlBeginnen()) {
        buch.OrdneDatum();
    }
}

void Planer::Main_PulOrdneMeldung_Click() {
    if (BefehlBeginnen()) {
        buch.OrdneMeldung();
    }
}

}  // namespace kronel
