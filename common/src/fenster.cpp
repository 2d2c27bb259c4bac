#include "common/fenster.h"

#include <QCoreApplication>

#include <cmath>
#include <utility>

#include "common/deutschetexte.h"
#include "common/einstellungen.h"
#include "common/kalender.h"
#include "common/modul.h"
#include "common/version.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/drucker.h"
#include "platform/oberflaeche.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

QString DatumPanelText(const QDate& heute) {
    return DatumText(QStringLiteral(" dddd, d. mmmm yyyy"), heute) + QStringLiteral(", ") +
           QString::number(KalenderWoche(heute)) + QStringLiteral(". Woche ");
}

QString ZeitPanelText(const QTime& jetzt) {
    return QLatin1Char(' ') + jetzt.toString(QStringLiteral("HH:mm")) + QLatin1Char(' ');
}

void FensterPositionLesen(FensterSteuerelement& main, const QString& praefix) {
    const FensterMasse jetzt = main.masse();
    auto lesen = [&](const char* name, double vorgabe) {
        return Val(IniLesen({}, {}, praefix + QString::fromUtf8(name), ZahlText(vorgabe)));
    };
    // A missing key gives each default back.
    auto gespeichert = [&](const char* name) {
        const QString schluessel = praefix + QString::fromUtf8(name);
        return IniLesen({}, {}, schluessel, QStringLiteral("0")) ==
               IniLesen({}, {}, schluessel, QStringLiteral("1"));
    };
    double h = lesen("Form_Höhe", jetzt.hoehe);
    double w = lesen("Form_Weite", jetzt.weite);
    double l = lesen("Form_Links", -1);
    double t = lesen("Form_Oben", -1);
    const double bh = bildschirm().hoehe();
    const double bw = bildschirm().weite();
    if (h < 2000 || h > bh) {
        h = bh;
    }
    if (w < 2000 || w > bw) {
        w = bw;
    }
    if (l < 0 || l + w > bw) {
        l = (bw - w) / 2;
    }
    if (t < 0 || t + h > bh) {
        t = (bh - h) / 2;
    }
    if (h == bh && w == bw) {
        main.zustandSetzen(FensterZustand::Maximiert);
    }
    if (main.zustand() == FensterZustand::Normal) {
        // Without stored sizes the window keeps its own: before a window manager
        // has framed it, its present size is only the inside.
        if (!gespeichert("Form_Höhe") && !gespeichert("Form_Weite") && h == jetzt.hoehe &&
            w == jetzt.weite) {
            main.verschieben(l, t);
        } else {
            main.masseSetzen({l, t, w, h});
        }
    }
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents();
    }
}

void FensterPositionSpeichern(const FensterSteuerelement& main, const QString& praefix,
                              PositionsText form) {
    if (modul().NurLesen || main.zustand() == FensterZustand::Minimiert) {
        return;
    }
    const FensterMasse m = main.masse();
    const std::pair<const char*, double> werte[] = {{"Form_Höhe", m.hoehe},
                                                    {"Form_Weite", m.weite},
                                                    {"Form_Links", m.links},
                                                    {"Form_Oben", m.oben}};
    for (const auto& [name, wert] : werte) {
        const QString text =
            form == PositionsText::Ganzzahl ? QString::number(std::lround(wert)) : ZahlText(wert);
        (void)IniSchreiben({}, {}, praefix + QString::fromUtf8(name), text);
    }
}

QString VersionTextBilden(int haupt, int neben, int revision) {
    return QString::number(haupt) + QLatin1Char('.') +
           QStringLiteral("%1").arg(neben, 2, 10, QLatin1Char('0')) +
           QStringLiteral("%1").arg(revision, 4, 10, QLatin1Char('0'));
}

QString ProgrammVersionText() {
    return VersionTextBilden(VersionHaupt, VersionNeben, VersionRevision);
}

QString VersionErmitteln() {
    modul().VersionText = ProgrammVersionText();
    return modul().VersionText;
}

void DruckFusszeile(double links) {
    Drucker& d = drucker();
    d.setFontName(QStringLiteral("Arial"));
    d.setFontSize(6);
    d.setFontBold(false);
    d.setFontItalic(true);
    const QString zeile = QStringLiteral("Kronel ") + Left(modul().VersionText, 4) +
                          QStringLiteral(" · Ausdruck vom ") + DatumText(uhr().heute());
    d.setCurrentY(d.ScaleHeight() - 2.5 * d.TextHeight(zeile));
    d.setCurrentX(links);
    (void)d.Print(zeile, false);  // the calendar sheets go on in this line
    d.setFontItalic(false);
}

}  // namespace kronel
