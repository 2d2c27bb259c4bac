#include "planner/hauptlogik.h"

#include <cmath>
#include <cstdlib>

#include "common/befehl.h"
#include "common/datenpfade.h"
#include "common/deutschetexte.h"
#include "common/einstellungen.h"
#include "common/kalender.h"
#include "common/modul.h"
#include "common/startwachen.h"
#include "common/tagetext.h"
#include "common/texte.h"
#include "platform/datum.h"
#include "platform/text.h"

namespace kronel {

namespace {

QString Lesen(const char* schluessel, const QString& vorgabe) {
    return IniLesen({}, {}, QString::fromUtf8(schluessel), vorgabe);
}

void Schreiben(const char* schluessel, const QString& wert) {
    (void)IniSchreiben({}, {}, QString::fromUtf8(schluessel), wert);
}

QString Wahrheitstext(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

}  // namespace

QString GeheZuTextAus(const QString& befehlszeile) {
    const qsizetype pos = InStr(LCase(befehlszeile), QStringLiteral("gehezu:"));
    if (pos == 0) {
        return {};
    }
    return Trim(Mid(befehlszeile, pos + 7, 15));
}

bool IstAutoprint(const QString& befehlszeile) {
    return InStr(LCase(befehlszeile), QStringLiteral("/autoprint")) > 0;
}

QString AuswahlSchluessel(Auswahl a) {
    switch (a) {
        case Auswahl::VonBis:
            return QStringLiteral("DefVonBis");
        case Auswahl::Zyklen:
            return QStringLiteral("DefZyklen");
        case Auswahl::Filter:
            return QStringLiteral("DefFilter");
        case Auswahl::Adress:
            return QStringLiteral("DefAdress");
    }
    return {};
}

QString AuswahlVorgabe(Auswahl a) {
    switch (a) {
        case Auswahl::VonBis:
            return QStringLiteral("-|1T|2T|3T|4T|5T|6T|1W|2W|3W|1M|2M|3M|6M|1J|2J");
        case Auswahl::Zyklen:
            return QStringLiteral("-|1T|2T|3T|1W|2W|3W|4W|1M|1J");
        case Auswahl::Filter:
            return QString::fromUtf8(
                "-|Mo|Di|Mi|Do|Fr|Sa,So|!Sa;!So|10%|50%|Dyn%|KW|Jan|Feb|Mär|Apr|Mai|Jun|Jul|"
                "Aug|Sep|Okt|Nov|Dez|1-7");
        case Auswahl::Adress:
            return QStringLiteral("Alle|") + Benutzername();
    }
    return {};
}

QStringList AuswahlLesen(Auswahl a) {
    const QString schluessel = AuswahlSchluessel(a);
    QString wert = IniLesen({}, {}, schluessel, AuswahlVorgabe(a));
    const IniErgebnis geschrieben = IniSchreiben({}, {}, schluessel, wert);
    if (geschrieben.ok) {
        wert = geschrieben.text;
    }
    QString trenner = QStringLiteral("|");
    const int n = BefehlZerlegen(wert, trenner);
    const QStringList& worte = modul().BefehlWorte;
    QStringList ergebnis;
    for (int i = 1; i <= n && i <= 50 && i < worte.size(); ++i) {
        ergebnis.append(worte[i]);
    }
    return ergebnis;
}

QString PositionText(qsizetype index, qsizetype anzahl) {
    return QStringLiteral(" Termin %1 von %2 ").arg(index + 1).arg(anzahl);
}

QString FeldHinweis(Feld f) {
    switch (f) {
        case Feld::STDatum:
            return QStringLiteral("Wann ist der Termin? Doppelklick aktiviert das Kalenderblatt.");
        case Feld::SKVon:
            return QString::fromUtf8("Wie früh soll die Meldung ausgegeben werden?");
        case Feld::SKBis:
            return QStringLiteral("Wie lange soll die Meldung ausgegeben werden?");
        case Feld::SKFilter:
            return QStringLiteral("Legen Sie einen Termin-Ausgabe-Filter fest.");
        case Feld::SKZyklus:
            return QStringLiteral("Soll der Termin nach Ablauf zyklisch wiederholt werden?");
        case Feld::SKAdresse:
            return QStringLiteral("Auf welchen Stationen soll der Termin ausgegeben werden?");
        case Feld::STMeldung:
            return QStringLiteral("Wie lautet die Meldung?");
    }
    return {};
}

QStringList FeldHinweise() {
    QStringList hinweise;
    for (const Feld f : {Feld::STDatum, Feld::SKVon, Feld::SKBis, Feld::SKFilter, Feld::SKZyklus,
                         Feld::SKAdresse, Feld::STMeldung}) {
        hinweise << FeldHinweis(f);
    }
    return hinweise;
}

TerminBeschriftung BeschriftungBerechnen(const QString& datum, const QString& von,
                                         const QString& bis, const QDate& heute,
                                         const TerminBeschriftung& vorher) {
    TerminBeschriftung b = vorher;
    const std::optional<QDate> tag = DatumLesen(datum);
    if (tag) {
        b.bezeichnung0 =
            QStringLiteral("Am ") + TagMonatName(Wochentag(*tag), QStringLiteral("wt"));
        // "-" before the code counts back; "--" has no unit and gives the day itself.
        const QString ab = DatumVerschieben(QStringLiteral("-") + von, datum);
        if (!ab.isEmpty()) {
            b.SBVon = ab;
            b.bezeichnung1 = QStringLiteral("melden ab ") +
                             TagMonatName(Wochentag(*DatumLesen(ab)), QStringLiteral("wt2"));
        }
        const QString bis_ = DatumVerschieben(bis, datum);
        if (!bis_.isEmpty()) {
            b.SBBis = bis_;
            b.bezeichnung2 = QStringLiteral("melden bis ") +
                             TagMonatName(Wochentag(*DatumLesen(bis_)), QStringLiteral("wt2"));
        }
    }
    const long long d = tag ? tag->daysTo(heute) : 0;
    QString erste;
    if (d == 0) {
        erste = QStringLiteral("heute");
    } else {
        erste = (d < 0 ? QStringLiteral("in ") : QStringLiteral("vor ")) + TageText(std::llabs(d));
    }
    b.BezIn = erste + QLatin1Char('\r') + QString::number(KalenderWocheOhneMeldung(datum)) +
              QStringLiteral(". Woche");
    return b;
}

DatumPruefung DatumPruefen(const QString& text, const QDate& heute) {
    DatumPruefung p;
    if (const auto d = DatumLesen(text)) {
        p.text = DatumText(*d);
        p.gueltig = true;
        return p;
    }
    p.text = DatumText(heute);
    p.meldung = QString::fromUtf8("»") + text +
                QString::fromUtf8("« ist kein gültiges Datum. Setze Datum auf heute!");
    return p;
}

QString PeriodeAusTagen(long long d) {
    const double betrag = static_cast<double>(std::llabs(d));
    long long n = std::llabs(d);
    QChar einheit = QLatin1Char('T');
    const struct {
        double teiler;
        char einheit;
    } stufen[] = {{7.0, 'W'}, {30.4375, 'M'}, {365.25, 'J'}};
    for (const auto& s : stufen) {
        if (n > 999) {
            n = RundenGerade(betrag / s.teiler);
            einheit = QLatin1Char(s.einheit);
        }
    }
    if (n > 999) {
        n = 999;
        einheit = QLatin1Char('J');
    }
    return QString::number(n) + einheit;
}

ListenAussehen ListenAussehenStandard() {
    ListenAussehen a;
    a.schrift = {QStringLiteral("Courier New"), 12, false, false, false};
    a.vordergrund = static_cast<qint32>(0x80000008u);  // window text
    a.hintergrund = static_cast<qint32>(0x80000005u);  // window background
    return a;
}

ListenAussehen ListenAussehenLesen(const ListenAussehen& aktuell) {
    ListenAussehen a = aktuell;
    const QString name = Trim(Lesen("SchriftName", Trim(aktuell.schrift.name)));
    if (!name.isEmpty()) {
        a.schrift.name = name;
    }
    const double groesse =
        Val(Trim(Lesen("SchriftGröße", Trim(QString::number(aktuell.schrift.groesse)))));
    if (groesse < 30) {
        if (groesse > 0) {  // a size the font system refuses leaves the size
            a.schrift.groesse = groesse;
        }
    } else {
        a.schrift.groesse = 12.75;
    }
    a.schrift.fett = Wahrheitswert(Lesen("SchriftFett", Wahrheitstext(aktuell.schrift.fett)));
    a.schrift.kursiv = Wahrheitswert(Lesen("SchriftKursiv", Wahrheitstext(aktuell.schrift.kursiv)));
    auto farbe = [](const char* schluessel, qint32 jetzt) {
        bool ok = false;
        const qint64 wert = Trim(Lesen(schluessel, QString::number(jetzt))).toLongLong(&ok);
        // Unsigned forms of the system colours (2147483656) are taken as well.
        if (!ok || wert < -2147483648LL || wert > 4294967295LL) {
            return jetzt;
        }
        return static_cast<qint32>(static_cast<quint32>(wert));
    };
    a.vordergrund = farbe("SchriftVordergrundFarbe", aktuell.vordergrund);
    a.hintergrund = farbe("SchriftHintergrundFarbe", aktuell.hintergrund);
    return a;
}

void ListenAussehenSchreiben(const ListenAussehen& a) {
    Schreiben("SchriftName", a.schrift.name);
    Schreiben("SchriftGröße", QString::number(a.schrift.groesse));
    Schreiben("SchriftFett", Wahrheitstext(a.schrift.fett));
    Schreiben("SchriftKursiv", Wahrheitstext(a.schrift.kursiv));
    Schreiben("SchriftVordergrundFarbe", QString::number(a.vordergrund));
    Schreiben("SchriftHintergrundFarbe", QString::number(a.hintergrund));
}

bool ListeIstLieblingsausdruck() {
    return Val(Lesen("Lieblingsausdruck", QStringLiteral("1"))) == 0;
}

QString DruckenTooltip() {
    return ListeIstLieblingsausdruck() ? QStringLiteral("Termin-Liste drucken")
                                       : QStringLiteral("Termin-Kalenderblatt drucken");
}

Anordnung DesignAnordnung() {
    Anordnung a;
    a.clientHoehe = 6600;
    a.fenster = {0, 0, 9255, 6600};
    a.liste = {120, 600, 9015, 2220};
    a.rahmen = {120, 3840, 9015, 2415};
    a.meldung = {120, 1320, 8775, 975};
    return a;
}

Anordnung AnordnungBerechnen(const Anordnung& jetzt, double bildschirmWeite, double bildschirmHoehe,
                             bool maximiert) {
    Anordnung a = jetzt;
    if (maximiert) {
        return a;
    }
    if (a.fenster.links < 0) {
        a.fenster.links = 0;
    }
    if (a.fenster.hoehe > bildschirmHoehe) {
        // The client area shrinks with the window.
        a.clientHoehe -= a.fenster.hoehe - bildschirmHoehe;
        a.fenster.hoehe = bildschirmHoehe;
    }
    if (a.fenster.oben < 0) {
        a.fenster.oben = 0;
    }
    if (a.fenster.weite > bildschirmWeite) {
        a.fenster.weite = bildschirmWeite;
    }
    const double w = a.fenster.weite;
    if (w > 8000) {
        a.liste.weite = w - 3 * a.liste.links;
        a.rahmen.weite = w - 3 * a.rahmen.links;
        a.meldung.weite = a.rahmen.weite - 2 * a.meldung.links;
    }
    if (a.fenster.hoehe <= 5500) {
        return a;
    }
    const double h = a.clientHoehe;
    a.rahmen.hoehe = std::min(h / 2.7, 3000.0);
    a.rahmen.oben = h - a.rahmen.hoehe - a.statusleiste;
    a.liste.hoehe = a.rahmen.oben - a.liste.oben - 10;
    a.meldung.hoehe = a.rahmen.hoehe - a.meldung.oben - 120;
    return a;
}

}  // namespace kronel
