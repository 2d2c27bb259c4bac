#include "book/termin.h"

#include "common/datenpfade.h"
#include "platform/datum.h"
#include "platform/text.h"

namespace kronel {

namespace {

const QString kMarke = QStringLiteral("°°");
const QString kZeilenwechsel = QStringLiteral("\r\n");

// Left-justified, padded with blanks and cut to the width of the field.
QString Feld(const QString& text, qsizetype breite) {
    QString f = text.left(breite);
    if (f.size() < breite) {
        f.append(QString(breite - f.size(), QLatin1Char(' ')));
    }
    return f;
}

}  // namespace

QString Standardtermin() {
    return QStringLiteral("19991231-   -   -         -   Alle   Silvester");
}

QString StandardAnzeigezeile() {
    return QStringLiteral("31.12.1999 Silvester");
}

bool operator==(const TerminFelder& a, const TerminFelder& b) {
    return a.STDatum == b.STDatum && a.SKVon == b.SKVon && a.SKBis == b.SKBis &&
           a.SKFilter == b.SKFilter && a.SKZyklus == b.SKZyklus && a.SKAdresse == b.SKAdresse &&
           a.STMeldung == b.STMeldung;
}

QString PeriodeAusEingabe(const QString& text) {
    QString p = UCase(Trim(text));
    if (p.isEmpty() || p == QLatin1String("0T")) {
        p = QStringLiteral("-");
    }
    return Feld(p, Breite::Von);
}

QString FilterAusEingabe(const QString& text) {
    QString f = text;
    const qsizetype apostroph = f.indexOf(QLatin1Char('\''));
    if (apostroph >= 0) {
        f = f.left(apostroph);
    }
    f = Trim(f);
    if (f.isEmpty()) {
        f = QStringLiteral("-");
    }
    return Feld(f, Breite::Filter);
}

QString AdresseAusEingabe(const QString& text) {
    QString a = Trim(LCase(text));
    if (a.isEmpty()) {
        a = QStringLiteral("Alle");
    }
    a[0] = GrossBuchstabe(a[0]);
    return Feld(a, Breite::Adresse);
}

QString MeldungAusEingabe(const QString& text) {
    // Every kind of line break counts as one, so no message can split a record.
    QString m = ZeilenumbruecheVereinheitlichen(text);
    m.replace(kZeilenwechsel, kMarke);
    while (m.endsWith(kMarke)) {
        m.chop(kMarke.size());
    }
    m = RTrim(m);
    if (m.isEmpty()) {
        m = QStringLiteral("?");
    }
    return m;
}

QString TerminZusammensetzen(const TerminFelder& felder, const QString& datumErsatz) {
    QString schluessel = DatumZuSchluessel(Trim(felder.STDatum));
    if (schluessel.isEmpty()) {
        schluessel = Feld(datumErsatz, Breite::Datum);
    }
    QString t;
    t.reserve(FesteFelderLaenge + felder.STMeldung.size());
    t += schluessel;
    t += PeriodeAusEingabe(NurCp1252(felder.SKVon));
    t += PeriodeAusEingabe(NurCp1252(felder.SKBis));
    t += FilterAusEingabe(NurCp1252(felder.SKFilter));
    t += PeriodeAusEingabe(NurCp1252(felder.SKZyklus));
    t += AdresseAusEingabe(NurCp1252(felder.SKAdresse));
    t += MeldungAusEingabe(NurCp1252(felder.STMeldung));
    return t;
}

TerminFelder TerminZerlegen(const QString& termin) {
    // "°°" and CR LF are both two characters: the columns stay where they are.
    QString t = termin;
    t.replace(kMarke, kZeilenwechsel);
    TerminFelder f;
    f.STDatum = SchluesselZuDatum(t);
    f.SKVon = FeldText(t, Festfeld::Von);
    f.SKBis = FeldText(t, Festfeld::Bis);
    f.SKFilter = FeldText(t, Festfeld::Filter);
    f.SKZyklus = FeldText(t, Festfeld::Zyklus);
    f.SKAdresse = FeldText(t, Festfeld::Adresse);
    f.STMeldung = RTrim(Mid(t, Spalte::Meldung));
    return f;
}

QString FeldText(QStringView termin, Festfeld feld) {
    return RTrim(FeldVon(termin, feld).toString());
}

QStringView MeldungVon(const QString& termin) {
    if (termin.size() < Spalte::Meldung) {
        return {};
    }
    return QStringView(termin).mid(Spalte::Meldung - 1);
}

namespace {

const char16_t* const kTage[] = {u"So", u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa"};

// The weekday of the key, worked out from its digits: the load does this for
// every record, and a QDate would go through the Julian day twice.
QStringView TagVon(QStringView termin) {
    if (termin.size() < 8) {
        return u"??";
    }
    int z[8];
    for (int i = 0; i < 8; ++i) {
        const char16_t c = termin[i].unicode();
        if (c < u'0' || c > u'9') {
            return u"??";
        }
        z[i] = c - u'0';
    }
    int j = z[0] * 1000 + z[1] * 100 + z[2] * 10 + z[3];
    const int m = z[4] * 10 + z[5];
    const int t = z[6] * 10 + z[7];
    static const int kLaenge[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schalt = (j % 4 == 0 && j % 100 != 0) || j % 400 == 0;
    if (j < 100 || m < 1 || m > 12 || t < 1 || t > kLaenge[m - 1] + (m == 2 && schalt ? 1 : 0)) {
        return u"??";
    }
    // Sakamoto's rule, Sunday = 0.
    static const int kVersatz[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) {
        --j;
    }
    return kTage[(j + j / 4 - j / 100 + j / 400 + kVersatz[m - 1] + t) % 7];
}

// The positions of the key that make "dd.mm.yyyy"; -1 for the points.
constexpr int kDatumsStellen[] = {6, 7, -1, 4, 5, -1, 0, 1, 2, 3};

QChar DatumsZeichen(QStringView termin, int i) {
    const int stelle = kDatumsStellen[i];
    if (stelle < 0) {
        return QLatin1Char('.');
    }
    return stelle < termin.size() ? termin[stelle] : QChar(u' ');
}

}  // namespace

QString Anzeigezeile(const QString& termin) {
    // Built in place: the load makes one for every record.
    const QStringView meldung = MeldungVon(termin);
    QString z;
    z.reserve(15 + meldung.size());
    for (int i = 0; i < 10; ++i) {
        z += DatumsZeichen(termin, i);
    }
    z += QLatin1Char(' ');
    z += TagVon(termin);
    z += QLatin1String(": ");
    z += meldung;
    return z;
}

bool IstAnzeigezeile(QStringView zeile, const QString& termin) {
    const QStringView meldung = MeldungVon(termin);
    if (zeile.size() != 15 + meldung.size()) {
        return false;
    }
    for (int i = 0; i < 10; ++i) {
        if (zeile[i] != DatumsZeichen(termin, i)) {
            return false;
        }
    }
    return zeile[10] == u' ' && zeile.mid(11, 2) == TagVon(termin) && zeile[13] == u':' &&
           zeile[14] == u' ' && zeile.mid(15) == meldung;
}

QString Archivzeile(const QString& termin) {
    const QStringView meldung = MeldungVon(termin);
    QString z;
    z.reserve(11 + meldung.size());
    z += SchluesselZuDatum(termin);
    z += QLatin1Char(' ');
    z += meldung;
    return z;
}

}  // namespace kronel
