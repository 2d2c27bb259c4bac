#include "book/buch.h"

#include "book/abgelaufene.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/modul.h"
#include "platform/dateien.h"
#include "platform/ordner.h"
#include "platform/schritte.h"
#include "platform/text.h"

namespace kronel {

namespace {

bool Gueltig(const Terminbuch& b, qsizetype i) {
    return i >= 0 && i < b.ListeTermine.size() && i < b.ListeAnzeige.size();
}

}  // namespace

bool Terminbuch::Voll() const {
    return ListeTermine.size() > TermineHoechstzahl;
}

bool Terminbuch::TerminKopieren() {
    // Lists out of step may leave the index beyond the records even after the check.
    if (Voll() || !ListenPruefen() || !Gueltig(*this, TerminIndex)) {
        return false;
    }
    const QString kopie = ListeTermine[TerminIndex];
    ListeTermine.append(kopie);
    // The line of the copy goes along, so the rebuild keeps every line it has.
    ListeAnzeige.append(Anzeigezeile(kopie));
    // The book has changed: a copy is saved as much as an edit.
    Ungespeichert = 1;
    TerminIndex = ListeTermine.size() - 1;
    AnzeigeAufbauen();
    return true;
}

bool Terminbuch::TerminLoeschen() {
    if (!ListenPruefen() || !Gueltig(*this, TerminIndex)) {
        return false;
    }
    const QString termin = ListeTermine[TerminIndex];
    const QString speichern =
        IniLesen({}, {}, QString::fromUtf8("SpeicherAlleGelöschten"), QStringLiteral("0"));
    if (speichern != QStringLiteral("0") && !modul().NurLesen) {
        const QString archiv = PfadAufloesen(modul().DateiAltes);
        // Abort keeps the record, Retry tries again, Ignore deletes it unarchived.
        SchrittLaeufer lauf(
            [&archiv](const Fehler& f) {
                QString text = QStringLiteral("Der gelöschte Termin konnte nicht an »") + archiv +
                               QStringLiteral("« angehängt werden.");
                if (!f.beschreibung.isEmpty()) {
                    text += QStringLiteral("~~") + f.beschreibung;
                }
                return FehlerMeldung(f, text);
            },
            QStringLiteral("TerminLoeschen"));
        if (!lauf([&] { return InsArchiv(archiv, termin); })) {
            return false;
        }
    }
    ListeTermine.removeAt(TerminIndex);
    ListeAnzeige.removeAt(TerminIndex);
    Ungespeichert = 1;
    // The index stays: it now names the record that followed the deleted one.
    if (!ListenPruefen()) {
        return true;
    }
    FelderAnzeigen();
    ZeileWaehlen(TerminIndex);
    return true;
}

void Terminbuch::Rueckgaengig() {
    if (!Gueltig(*this, TerminIndex) || UndoTermin.isEmpty()) {
        return;
    }
    std::swap(ListeAnzeige[TerminIndex], UndoAnzeige);
    std::swap(ListeTermine[TerminIndex], UndoTermin);
    FelderAnzeigen();
}

bool Terminbuch::UndoMoeglich() const {
    return Gueltig(*this, TerminIndex) && !UndoTermin.isEmpty() &&
           ListeTermine[TerminIndex] != UndoTermin;
}

Terminbuch::UebergabeTeile Terminbuch::UebergabeZerlegen(const QString& zeile) {
    // The date ends at the first blank; a date written short ("1.2.2027") keeps
    // its message whole.
    const qsizetype blank = zeile.indexOf(QLatin1Char(' '));
    if (blank < 0) {
        return {zeile, {}};
    }
    return {zeile.left(blank), zeile.mid(blank + 1)};
}

}  // namespace kronel
