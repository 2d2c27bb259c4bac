#include "common/hilfe.h"

#include "common/dateien.h"
#include "common/statistik.h"
#include "common/ton.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/text.h"

namespace kronel {

QString WebAdresse() {
    return QStringLiteral("https://example.org/kronel");
}

QString HilfeSeite(const QString& hilfedatei) {
    if (GleichOhneFall(Right(hilfedatei, 4), QStringLiteral(".hlp"))) {
        return Left(hilfedatei, hilfedatei.size() - 4) + QStringLiteral(".html");
    }
    return hilfedatei;
}

QString HilfeAnker(int kontext) {
    return kontext == 0 ? QString() : QStringLiteral("kontext") + QString::number(kontext);
}

bool HilfeZeigen(const QString& hilfedatei, int kontext) {
    const QString seite = HilfeSeite(hilfedatei);
    const QString pfad = DateiSuchen(seite);
    if (pfad.isEmpty() || !hilfe().zeigen(pfad, HilfeAnker(kontext))) {
        TonAusgeben(QStringLiteral("#SystemExclamation"));
        meldungen().zeigen(
            QStringLiteral("Die Hilfe »") + seite + QStringLiteral("« ist nicht zu finden."),
            Box::OK + Box::Ausrufezeichen, QStringLiteral("Hilfe"));
        return false;
    }
    return true;
}

void HilfeBeenden() {
    hilfe().schliessen();
}

void WerbungZeigen() {
    const QString pfad = DateiSuchen(QStringLiteral("werbung.html"));
    if (!pfad.isEmpty() && hilfe().zeigen(pfad, {})) {
        return;
    }
    TonAusgeben(QStringLiteral("#SystemExclamation"));
    meldungen().zeigen(QStringLiteral("Kann leider keine Werbung finden!"),
                       Box::OK + Box::Ausrufezeichen, ProgrammDateiname());
}

QString InternetSeite(const QString& schluesselwort) {
    const QString k = LCase(schluesselwort);
    QString seite = QStringLiteral("/index.htm");
    if (k == u"kronel32info") {
        seite = QStringLiteral("/kronel32.htm");
    }
    return WebAdresse() + seite;
}

void InternetSeiteAufrufen(const QString& schluesselwort) {
    const QString adresse = InternetSeite(schluesselwort);
    if (FaelligFragen(QStringLiteral("Browser1stHTML2nd"), 60)) {
        const QString text =
            QStringLiteral("Es wird jetzt versucht die Seite »") + adresse +
            QStringLiteral(
                "« im Internet aufzurufen.\r\n\r\nFalls Ihr System die Verbindung zum "
                "Internet nicht automatisch herstellt, so sollten Sie dies zuvor "
                "manuell erledigen.\r\n\r\nMöchten Sie fortfahren?");
        if (meldungen().zeigen(text, Box::OKAbbrechen, QStringLiteral("Internet-Seite aufrufen")) !=
            Antwort::OK) {
            return;
        }
    }
    const SanduhrZeiger sanduhr;
    web().oeffnen(adresse);  // a browser that cannot be started shows nothing
}

}  // namespace kronel
