#include "planner/meldungseingabe.h"
#include "planner/planer.h"

namespace kronel {

void Planer::Main_bezZoomMeldung_Click() {
    if (beendet_ || !fenster_.vorhanden(Fenstername::ZoomText)) {
        return;
    }
    DatumUebernehmen();
    const TerminFelder f = sicht_.FelderLesen();
    const auto [start, laenge] = sicht_.MeldungAuswahl();
    ZoomTextAnfrage anfrage;
    anfrage.Caption =
        QString::fromUtf8("Zoom (Kronel-Meldung für den ") + f.STDatum + QLatin1Char(')');
    anfrage.Text = f.STMeldung;
    anfrage.MaxLength = MeldungHoechstlaenge;
    anfrage.SelStart = start;
    anfrage.SelLength = laenge;
    anfrage.Schrift = sicht_.MeldungSchrift();
    const ZoomTextErgebnis ergebnis = fenster_.ZoomText(anfrage);
    if (ergebnis.Abbruch != 0) {
        return;
    }
    // The editor's text enters the record as typing into the message field
    // does: no tab or other control character, "?" for what Windows-1252
    // cannot hold, and no more than fits.
    const auto feld = [](QString t) {
        return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    };
    const QString text =
        MeldungEinpassen(feld(f.STMeldung), feld(ergebnis.Text), MeldungHoechstlaenge)
            .text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (text != f.STMeldung) {
        // The edited text takes the place of the whole message, the caret
        // behind it, as an insertion leaves it. Not fitted again: a message
        // read from the file may be longer than typing could make it.
        sicht_.MeldungErsetzen(text);
    }
    Uebernehmen(0);
}

}  // namespace kronel
