#include "common/listen.h"

#include <algorithm>

#include "common/drucktext.h"
#include "common/fehlermeldung.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/drucker.h"
#include "platform/oberflaeche.h"
#include "platform/schritte.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

namespace {
QString TrennerOderStandard(const QString& trenner) {
    return trenner.isEmpty() ? QStringLiteral(";") : trenner;
}
}  // namespace

QString ListeAlsText(const ListenSteuerelement& liste, const QString& trenner) {
    const QString t = TrennerOderStandard(trenner);
    QString text;
    const int n = liste.ListCount();
    for (int i = 0; i < n; ++i) {
        text += liste.List(i) + t;
    }
    return text;
}

int TextInListe(ListenSteuerelement& liste, const QString& text, const QString& trenner) {
    const QString t = TrennerOderStandard(trenner);
    liste.Clear();
    for (const QString& eintrag : text.split(t)) {
        if (!eintrag.isEmpty()) {
            liste.AddItem(eintrag);
        }
    }
    return liste.ListCount();
}

void ListeDoppelteEntfernen(ListenSteuerelement& liste) {
    SanduhrZeiger sanduhr;
    for (int i = 0; i < liste.ListCount(); ++i) {
        const QString eintrag = liste.List(i);
        for (int j = liste.ListCount() - 1; j > i; --j) {
            if (liste.List(j) == eintrag) {
                liste.RemoveItem(j);
            }
        }
    }
}

int ListeAktuellOben(ListenSteuerelement& kombi, int maximum) {
    const QString aktuell = kombi.Text();
    const QString klein = LCase(aktuell);
    QStringList plaetze{aktuell};
    const int n = std::min(maximum, kombi.ListCount());
    for (int i = 0; i < n; ++i) {
        const QString eintrag = kombi.List(i);
        plaetze.append(LCase(eintrag) == klein ? QString() : eintrag);
    }
    kombi.Clear();
    for (const QString& p : plaetze) {
        if (!p.isEmpty()) {
            kombi.AddItem(p);
        }
    }
    kombi.setText(aktuell);
    return kombi.ListCount();
}

void ListeDrucken(const ListenSteuerelement& liste, const QString& kopf, const QString& schrift,
                  double groesse, double links) {
    SanduhrZeiger sanduhr;
    Drucker& d = drucker();
    // One box for the first failure; after Ignore the printout goes on quietly.
    bool still = false;
    SchrittLaeufer lauf(
        [&still](const Fehler& f) {
            if (still) {
                return Antwort::Ignorieren;
            }
            const int antwort =
                FehlerMeldung(f, QStringLiteral("Es ist ein Fehler beim Drucken aufgetreten."));
            still = antwort == Antwort::Ignorieren;
            return antwort;
        },
        QStringLiteral("ListeDrucken"));
    const QDateTime jetzt = uhr().jetzt();
    int seite = 0;
    const auto seiteBeginnen = [&] {
        ++seite;
        d.setFontName(schrift.isEmpty() ? QStringLiteral("Arial") : schrift);
        d.setFontSize(groesse > 4 ? groesse : 10);
        d.setFontBold(false);
        d.setFontItalic(false);
        lauf([&] { return d.setScaleMode(Massstab::Zentimeter); });
        QString zeile = Ersetzen(kopf, QStringLiteral("&[Seite]"), QString::number(seite));
        zeile = Ersetzen(zeile, QStringLiteral("&[Datum]"), DatumText(jetzt.date()));
        zeile = Ersetzen(zeile, QStringLiteral("&[Zeit]"),
                         jetzt.time().toString(QStringLiteral("hh:mm")));
        d.setCurrentX(links);
        lauf([&] { return d.Print(zeile); });
        lauf([&] { return d.Print(QString()); });
    };
    const int n = liste.ListCount();
    for (int i = 0; i < n && !lauf.abgebrochen(); ++i) {
        // An item wider than the printable width goes on at the left margin in
        // the following lines, each of them tested against the page's bottom.
        QStringList zeilen;
        for (qsizetype z = 0; !lauf.abgebrochen(); ++z) {
            const double h = d.TextHeight(QStringLiteral("Ay"));
            if (i == 0 && z == 0) {
                seiteBeginnen();
            } else if (d.ScaleHeight() < d.CurrentY() + h) {
                lauf([&] { return d.EndDoc(); });  // every page its own print job
                seiteBeginnen();
            }
            if (z == 0) {
                const double breite = d.ScaleWidth() - links;
                zeilen = DruckZeilenUmbrechen(liste.List(i), breite, breite);
            }
            d.setCurrentX(links);
            lauf([&] { return d.Print(zeilen.at(z)); });
            if (z + 1 >= zeilen.size()) {
                break;
            }
        }
    }
    if (lauf.abgebrochen()) {
        d.KillDoc();
        return;
    }
    lauf([&] { return d.EndDoc(); });
}

}  // namespace kronel
