// The commands of Main's menus and toolbar that no other part of the window
// owns: search and its repetition, the print dialogs, the printer setup, the
// settings dialog, the start of the output program and the moon-phase list.

#include "planner/planer.h"

#include <optional>

#include "common/einstellungen.h"
#include "common/modul.h"
#include "common/mondphasen.h"
#include "common/ton.h"
#include "platform/dienste.h"
#include "platform/geschwister.h"
#include "platform/text.h"

namespace kronel {

namespace {

// The index a window hands back as decimal text; none for "-1", for anything
// that is no whole number, and for a line the list does not have.
std::optional<qsizetype> ZeilenIndex(const QString& text, qsizetype anzahl) {
    bool ok = false;
    const qlonglong i = Trim(text).toLongLong(&ok);
    if (!ok || i < 0 || i >= anzahl) {
        return std::nullopt;
    }
    return static_cast<qsizetype>(i);
}

}  // namespace

void Planer::Main_PulSuchen_Click() {
    if (beendet_ || !fenster_.vorhanden(Fenstername::Suchen)) {
        return;
    }
    DatumUebernehmen();
    SuchenAnfrage anfrage;
    if (!SuchText.isEmpty() && SucheWiederholen == 1) {
        anfrage = {SuchText, QStringLiteral("auto")};
    }
    // Every showing uses the request up, so a later plain search never
    // repeats on its own.
    SucheWiederholen = 0;
    const SuchenErgebnis ergebnis = fenster_.Suchen(anfrage);
    SuchText = ergebnis.KomSuche;
    if (const auto i = ZeilenIndex(ergebnis.Rueckgabe, buch.ListeAnzeige.size())) {
        ListeAnzeigeClick(*i);
    }
}

void Planer::Main_PulSuchenWdhg_Click() {
    SucheWiederholen = 1;
    Main_PulSuchen_Click();
}

void Planer::Main_PulDruckenListe_Click() {
    if (beendet_ || !fenster_.vorhanden(Fenstername::Drucken)) {
        return;
    }
    DatumUebernehmen();
    fenster_.Drucken();
    DruckHinweisZeigen();
}

void Planer::Main_mnuDruckenBlatt_Click() {
    if (beendet_ || !fenster_.vorhanden(Fenstername::DruckenBlatt)) {
        return;
    }
    DatumUebernehmen();
    fenster_.DruckenBlatt();
    DruckHinweisZeigen();
}

void Planer::Lieblingsausdruck_Click() {
    if (ListeIstLieblingsausdruck()) {
        Main_PulDruckenListe_Click();
    } else {
        Main_mnuDruckenBlatt_Click();
    }
}

void Planer::Main_mnuDurckerEinrichten_Click() {
    if (beendet_ || !fenster_.vorhanden(Fenstername::Druckereinrichtung)) {
        return;
    }
    // Cancel and a dialog that fails leave the printer as it was.
    fenster_.Druckereinrichtung();
}

void Planer::Main_PulSetup_Click() {
    if (beendet_ || !fenster_.vorhanden(Fenstername::Setup)) {
        return;
    }
    DatumUebernehmen();
    if (const SetupErgebnis ergebnis = fenster_.Setup(); ergebnis.SKAdresse) {
        QStringList stationen = *ergebnis.SKAdresse;
        stationen.removeAll(QString());
        sicht_.AuswahlFuellen(Auswahl::Adress, stationen);
    }
    if (!modul().NurLesen) {
        sicht_.EinstellungenSpeichern();
    }
    sicht_.EinstellungenAnwenden();
    sicht_.FormResize();
}

void Planer::Main_PulGoKronel_Click() {
    if (beendet_) {
        return;
    }
    // The output program reads the data file once, so it gets the list as it
    // stands now (read-only: the save writes nothing).
    (void)PulSpeichern();
    Status gestartet;
    {
        SanduhrZeiger sanduhr;
        gestartet = GeschwisterprogrammStarten(QStringLiteral("Kronel"), {QStringLiteral("/n")});
    }
    if (!gestartet) {
        TonAusgeben(QStringLiteral("#SystemHand"));
        meldungen().zeigen(QString::fromUtf8("»Kronel« konnte nicht gestartet werden."),
                           Box::OK + Box::Stop, QStringLiteral("Kronelin"));
    }
}

void Planer::Main_mnuRuvano_Click() {
    const QString ordner = ProgrammVerzeichnis() + QLatin1Char('/');
    const Ergebnis<int> e = MondphasenUebertragen(ordner + QStringLiteral("y-mondphasen.txt"),
                                                  ordner + QStringLiteral("Astro.ini"));
    if (!e) {
        TonAusgeben(QStringLiteral("#SystemExclamation"));
        meldungen().zeigen(e.fehler().beschreibung, Box::OK + Box::Ausrufezeichen,
                           QStringLiteral("Kronelin"));
        return;
    }
    ton().piepen(0, {});  // the plain short beep: done
}

void Planer::Main_mnuTips_Click() {
    if (beendet_ || !fenster_.vorhanden(Fenstername::Tips)) {
        return;
    }
    fenster_.Tips();
}

}  // namespace kronel
