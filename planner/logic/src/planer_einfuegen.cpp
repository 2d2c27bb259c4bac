// The commands of "&Bearbeiten" that work on the message: the preview, the
// fields, a note, special characters and the program start.

#include "planner/planer.h"

#include <algorithm>

#include "common/textfelder.h"
#include "common/ton.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

// The message that starts the file: the output program cuts the program at a
// blank and the question from the command at a second "@", so a blank is
// quoted and an "@" in the path asks its question through "@@".
QString ProgrammMeldung(const QString& pfad) {
    const QString befehl = pfad.contains(u' ') ? QLatin1Char('"') + pfad + QLatin1Char('"') : pfad;
    return (pfad.contains(u'@') ? QStringLiteral("@@") : QStringLiteral("@")) + befehl;
}

// Whether the data file keeps the path as it is: Windows-1252 and no control
// character (a line break would split the message).
bool Speicherbar(const QString& pfad) {
    return NurCp1252(pfad) == pfad && std::none_of(pfad.begin(), pfad.end(), [](QChar c) {
               return c.category() == QChar::Other_Control;
           });
}

}  // namespace

void Planer::MeldungErgaenzen(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    sicht_.MeldungEinfuegen(text);
    Uebernehmen(0);
}

void Planer::Main_mnuTerminVorschauen_Click() {
    if (!BefehlBeginnen()) {
        return;
    }
    const TerminFelder f = sicht_.FelderLesen();
    QString text;
    {
        SanduhrZeiger sanduhr;
        text = TextFelderErsetzen(f.STMeldung, DatumText(uhr().heute()), f.STDatum);
    }
    meldungen().zeigen(text, Box::OK + Box::Information,
                       QStringLiteral("Kronel-Terminvorschau ") + f.STDatum);
}

void Planer::Main_PulFormelDiffEinfg_Click() {
    if (BefehlBeginnen()) {
        MeldungErgaenzen(QStringLiteral("{Diff:} "));
    }
}

void Planer::Main_PulFormelDiffAtEinfg_Click() {
    if (BefehlBeginnen()) {
        MeldungErgaenzen(QStringLiteral("{DiffAt:} "));
    }
}

void Planer::Main_mnuZyklusZaehlerEing_Click() {
    if (BefehlBeginnen()) {
        MeldungErgaenzen(QStringLiteral("{ZyklusZähler:1} "));
    }
}

void Planer::Main_mnuWizardGeb_Click() {
    if (!BefehlBeginnen()) {
        return;
    }
    sicht_.MeldungEinfuegen(QStringLiteral("wird {DiffJa:") + sicht_.FelderLesen().STDatum +
                            QStringLiteral("} alt"));
    TerminFelder f = sicht_.FelderLesen();
    f.SKZyklus = QStringLiteral("1J");
    sicht_.FelderSetzen(f);
    Uebernehmen(0);
}

void Planer::Main_PulNotizEinfg_Click() {
    if (BefehlBeginnen() && fenster_.vorhanden(Fenstername::Notizen)) {
        MeldungErgaenzen(fenster_.Notizen({sicht_.ListenSchrift()}).BezUebergabe);
    }
}

void Planer::Main_PulSonderzeichenEinfg_Click() {
    if (BefehlBeginnen() && fenster_.vorhanden(Fenstername::Sonderzeichen)) {
        MeldungErgaenzen(fenster_.Sonderzeichen({sicht_.ListenSchrift()}).Text);
    }
}

void Planer::Main_PulPrgStartEinfg_Click() {
    if (!BefehlBeginnen() || !fenster_.vorhanden(Fenstername::StdDialog)) {
        return;
    }
    const QString pfad = fenster_.StdDialog().FileName;
    if (pfad.isEmpty()) {
        return;
    }
    // The output program expands a message before it starts it: a brace or
    // bracket in the path would be read as a field or a calculation. A
    // character the data file cannot hold would come back as "?".
    const bool feldzeichen = pfad.contains(u'{') || pfad.contains(u'[');
    if (feldzeichen || !Speicherbar(pfad)) {
        TonAusgeben(QStringLiteral("#SystemExclamation"));
        meldungen().zeigen(
            QStringLiteral("Der Pfad »") + pfad +
                (feldzeichen ? QStringLiteral("« enthält »{« oder »[«. Die Terminausgabe würde "
                                              "ihn als Feld oder Berechnung lesen und das "
                                              "Programm nicht finden.")
                             : QStringLiteral("« enthält Zeichen, die die Termindatei nicht "
                                              "speichern kann. Die Terminausgabe würde das "
                                              "Programm nicht finden.")) +
                QStringLiteral("\r\n\r\nBitte wählen Sie ein Programm, in dessen Pfad diese "
                               "Zeichen nicht vorkommen."),
            Box::OK + Box::Ausrufezeichen, QStringLiteral("Kronelin"));
        return;
    }
    // The program takes the place of the whole message; the caret stands
    // behind it, so nothing typed next goes before the "@".
    sicht_.AllesMarkieren(Feld::STMeldung);
    MeldungErgaenzen(ProgrammMeldung(pfad));
}

}  // namespace kronel
