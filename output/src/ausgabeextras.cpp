// The extras of the output window: the moon and the sun, the saying of the
// day, the automatic printout and the number for the dialling window.

#include <QDate>

#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/standort.h"
#include "output/ausgabeprogramm.h"
#include "output/autoprint.h"
#include "output/modemwahl.h"
#include "output/mondsonne.h"
#include "output/planerstart.h"
#include "output/zufallstermine.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

QString Einstellung(const QString& schluessel, const QString& vorgabe) {
    return IniLesen({}, {}, schluessel, vorgabe);
}

}  // namespace

void Ausgabeprogramm::MondphaseBerechnen() {
    if (MondZeichnen == 0) {
        return;
    }
    MondZeichnen = 0;
    if (Einstellung(QStringLiteral("Mondphase"), QStringLiteral("1")) == QLatin1String("0")) {
        return;
    }
    const Mondstand mond = MondBerechnen(uhr().jetzt());
    MondTag = mond.text;
    oberflaeche_.MondZeigen(mond.p, mond.text);
}

void Ausgabeprogramm::SonnenzeitBerechnen() {
    if (Val(Einstellung(QStringLiteral("Sonnenzeit"), QStringLiteral("1"))) == 0) {
        return;
    }
    oberflaeche_.SonneSetzen(SonnenText(
        uhr().jetzt(),
        Einstellung(QStringLiteral("NordBreite"), QString::fromLatin1(StandardNordBreite)),
        Einstellung(QStringLiteral("OstLänge"), QString::fromLatin1(StandardOstLaenge)),
        Val(Einstellung(QStringLiteral("MESZ"), QStringLiteral("1"))) != 0));
}

void Ausgabeprogramm::BildMond_Click() {
    MondZeichnen = 0;
    meldungen().zeigen(
        Ersetzen(MondTag, QStringLiteral("~"), QStringLiteral("\r\n")), Box::OK,
        QStringLiteral("Mondinfos zum ") + uhr().heute().toString(QStringLiteral("d.M.yyyy")));
}

QString Ausgabeprogramm::TelefonNummer() const {
    return TelefonZiffern(oberflaeche_.Auswahl());
}

void Ausgabeprogramm::ZufallsTermineAusgeben() {
    const QString spruch = kronel::ZufallsTermineAusgeben(*zufall_);
    if (!spruch.isEmpty()) {
        oberflaeche_.AusgabeSetzen(oberflaeche_.AusgabeText() + spruch);
    }
}

void Ausgabeprogramm::AutoPrintPruefen() {
    SanduhrZeiger sanduhr;
    const QDate heute = uhr().heute();
    if (!AutoPrintFaellig(heute)) {
        return;
    }
    oberflaeche_.StatusSetzen(QStringLiteral("Auto-Print läuft..."));
    // Written first: a planner that fails to start is not tried again that day.
    IniSchreiben({}, {}, QStringLiteral("AutoPrintZuletzt"), DatumText(heute));
    oberflaeche_.Warten(0);
    if (!PlanerStarten({QStringLiteral("/autoprint")})) {
        // The run may be unattended: no box, the note stays in the status bar.
        const QString text = QStringLiteral("»Kronelin« konnte nicht gestartet werden.");
        oberflaeche_.StatusSetzen(text);
        hinweisBis_ = uhr().jetzt().addSecs(15);
        MeldungProtokollieren(text, ProgrammDateiname());
    }
}

}  // namespace kronel
