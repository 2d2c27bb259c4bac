#include "common/startwachen.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <QProcessEnvironment>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/dateien.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/modul.h"
#include "common/statistik.h"
#include "common/texte.h"
#include "common/ton.h"
#include "platform/befehlszeile.h"
#include "platform/dateien.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

// The first file "*.dat" of a folder in name order, the extension in any case.
QString ErsteDatDatei(const QString& ordner) {
    QStringList namen = QDir(ordner).entryList(QDir::Files);
    std::sort(namen.begin(), namen.end());
    for (const QString& n : namen) {
        if (GleichOhneFall(Right(n, 4), QStringLiteral(".dat"))) {
            return ordner + QLatin1Char('/') + n;
        }
    }
    return {};
}

QString Markierungsdatei() {
    const QString name = QStringLiteral("READONLY.TXT");
    const QString programm = ProgrammVerzeichnis();
    const QString hier = PfadAufloesen(programm + QLatin1Char('/') + name);
    if (DateiVorhanden(hier)) {
        return hier;
    }
    const QString eltern = QFileInfo(programm).absolutePath();
    const QString darueber = PfadAufloesen(eltern + QLatin1Char('/') + name);
    return DateiVorhanden(darueber) ? darueber : QString();
}

// The marker's lines, each ended by CR; "~" becomes CR LF; CRs at the end go.
QString Markierungstext(const QString& datei) {
    const Ergebnis<QByteArray> inhalt = DateiLesen(datei);
    if (!inhalt) {
        return {};
    }
    QString text;
    for (const QString& zeile : ZeilenTeilen(TextTolerantLesen(*inhalt))) {
        text += zeile + QLatin1Char('\r');
    }
    text = Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n"));
    while (text.endsWith(QLatin1Char('\r'))) {
        text.chop(1);
    }
    return text;
}

QString NetWatch() {
    return PfadAufloesen(ProgrammVerzeichnis() + QStringLiteral("/NetWatch.Ini"));
}

// Reads a switch of [Allgemein] and writes it back, so the file always shows it.
double Schalter(const QString& schluessel) {
    const QString abschnitt = QStringLiteral("Allgemein");
    const QString wert = IniLesen(NetWatch(), abschnitt, schluessel, QStringLiteral("0"));
    IniSchreiben(NetWatch(), abschnitt, schluessel, wert);
    return Val(wert);
}

// The environment variable of that name in any case ("User" finds USER).
QString Umgebungswert(const QString& name) {
    const QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    const QString genau = umgebung.value(name);
    if (!genau.isEmpty()) {
        return genau;
    }
    const QStringList schluessel = umgebung.keys();
    for (const QString& s : schluessel) {
        if (GleichOhneFall(s, name) && !umgebung.value(s).isEmpty()) {
            return umgebung.value(s);
        }
    }
    return {};
}

QString Anmeldename() {
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_name != nullptr) {
        return QString::fromLocal8Bit(pw->pw_name);
    }
    return {};
}

}  // namespace

void LeserechtePruefen() {
    Modul& m = modul();
    m.NurLesen = m.DruckNebenPlaner;
    if (LCase(Befehlszeile()).contains(QStringLiteral("readonly"))) {
        m.NurLesen = true;
    }
    const QString dat = ErsteDatDatei(ProgrammVerzeichnis());
    if (!dat.isEmpty() && DateiVorhanden(dat) && DateiSchreibgeschuetzt(dat)) {
        m.NurLesen = true;
    }
    const QString marke = Markierungsdatei();
    if (marke.isEmpty()) {
        return;
    }
    m.NurLesen = true;
    QString text = Markierungstext(marke);
    if (text.isEmpty()) {
        return;
    }
    TonAusgeben(QStringLiteral("#SystemExclamation"));
    if (text.size() > 600) {
        text = Left(text, 600) + QStringLiteral("...");
    }
    // The lines end in a lone CR; the boxes take CR LF.
    meldungen().zeigen(ZeilenumbruecheVereinheitlichen(text), Box::OK + Box::Information,
                       QStringLiteral("Kronel, nur Leserechte"));
}

void DatenOrdnerPruefen() {
    Modul& m = modul();
    const QString ordner = m.DatenVerzeichnis;
    if (m.NurLesen || ordner.isEmpty() || !QFileInfo(ordner).isDir()) {
        return;
    }
    if (OrdnerBeschreibbar(ordner)) {
        return;
    }
    m.NurLesen = true;
    TonAusgeben(QStringLiteral("#SystemExclamation"));
    meldungen().zeigen(
        QStringLiteral("In den Daten-Ordner »") + ordner +
            QStringLiteral("« kann nicht geschrieben werden.\r\n\r\nDie Termine "
                           "werden nur gelesen; Änderungen werden nicht gespeichert. Für einen "
                           "eigenen Daten-Ordner setzen Sie den Schlüssel »DirData« im Abschnitt "
                           "»Kronel« der Datei »") +
            IniDateiAufloesen({}) + QStringLiteral("«."),
        Box::OK + Box::Information, QStringLiteral("Kronel, nur Leserechte"));
}

}  // namespace kronel

namespace kronel {

QString InstanzName() {
    // A folder not made yet counts from its nearest existing parent, so the
    // name stays the same once it exists.
    QString rest;
    QFileInfo ordner(QDir::cleanPath(QFileInfo(WindowsOrdner()).absoluteFilePath()));
    while (!ordner.exists() && !ordner.isRoot()) {
        rest = QLatin1Char('/') + ordner.fileName() + rest;
        ordner = QFileInfo(ordner.absolutePath());
    }
    const QString kanonisch = ordner.canonicalFilePath() + rest;
    const QByteArray schluessel =
        QCryptographicHash::hash(kanonisch.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return ProgrammDateiname() + QLatin1Char('-') + QString::fromLatin1(schluessel);
}

bool NurEineInstanz() {
    if (Schalter(QStringLiteral("NoInstanceWatch")) == 1) {
        return true;
    }
    const QString name = InstanzName();
    if (instanzen().anmelden(name)) {
        return true;
    }
    if (LCase(Befehlszeile()).contains(QStringLiteral("/autoprint"))) {
        modul().DruckNebenPlaner = true;
        modul().NurLesen = true;
        return true;
    }
    if (instanzen().aktivieren(name)) {
        // Without a word the user would not know why no window of this start came.
        const QString text = QStringLiteral(
                                 "%1: Das Programm läuft schon mit den Einstellungen "
                                 "in %2; sein Fenster wurde nach vorne geholt.\n")
                                 .arg(ProgrammDateiname(), WindowsOrdner());
        std::fputs(text.toUtf8().constData(), stderr);
    }
    return false;
}

bool NetzWache(int modus) {
    Modul& m = modul();
    if (m.NurLesen) {
        return true;
    }
    if (Schalter(QStringLiteral("NoNetWatch")) != 0) {
        return true;
    }
    const QString datei = NetWatch();
    const QString jetztAbschnitt = QStringLiteral("UserJetzt");
    const QString user = QStringLiteral("User");
    const QDateTime jetzt = uhr().jetzt();
    if (modus == 0) {
        IniSchreiben(datei, jetztAbschnitt, user, {});
        IniSchreiben(datei, QStringLiteral("UserLetzt"), user, Benutzername());
        IniSchreiben(datei, QStringLiteral("UserLetzt"), QStringLiteral("Raus"),
                     DatumZeitText(jetzt));
        return true;
    }
    QString anderer = IniLesen(datei, jetztAbschnitt, user, {});
    const std::optional<DatumZeit> seitGelesen =
        DatumZeitLesen(IniLesen(datei, jetztAbschnitt, QStringLiteral("Seit"), {}));
    const QDateTime seit =
        seitGelesen ? QDateTime(seitGelesen->datum, seitGelesen->zeit.value_or(QTime(0, 0)))
                    : QDateTime(QDate(1970, 1, 1), QTime(0, 0));
    const double stunden = std::fabs(static_cast<double>(MinutenWechsel(seit, jetzt))) / 60.0;
    const QString ich = Benutzername();
    if (stunden > 5 || anderer == ich) {
        anderer.clear();
    }
    if (!anderer.isEmpty()) {
        const double sekunden = std::fabs(static_cast<double>(seit.secsTo(jetzt)));
        QString frage = QStringLiteral("Das Programm wird seit ") + DauerText(sekunden) +
                        QStringLiteral(" von ") + anderer +
                        QStringLiteral(
                            " benutzt.~~Wählen Sie, ob Sie~~* Ja, das Programm nur mit "
                            "Leserechten~~* Nein, das Programm mit allen Rechten "
                            "(evtl. Datenverlust)~~* Abbrechen, das Programm nicht"
                            "~~starten wollen. Wenn Sie unschlüssig sind, drücken Sie "
                            "nur Enter.");
        frage = Ersetzen(frage, QStringLiteral("~"), QStringLiteral("\r\n"));
        TonAusgeben(QStringLiteral("#SystemHand"));
        const int antwort = meldungen().zeigen(frage, Box::JaNeinAbbrechen + Box::Stop,
                                               QStringLiteral("Kronel meldet anderen Benutzer."));
        if (antwort == Antwort::Ja) {
            m.NurLesen = true;
            return true;
        }
        if (antwort != Antwort::Nein) {
            return false;
        }
    }
    IniSchreiben(datei, jetztAbschnitt, user, ich);
    IniSchreiben(datei, jetztAbschnitt, QStringLiteral("Seit"), DatumZeitText(jetzt));
    return true;
}

QString BenutzernameEingeben() {
    QString name;
    // An answer is asked for until one comes; a desktop that can give none (no
    // person in front of it) must not keep the start waiting for ever.
    for (int runde = 0; name.isEmpty() && runde < 100; ++runde) {
        TonAusgeben(QStringLiteral("#SystemQuestion"));
        const std::optional<QString> antwort =
            meldungen().eingabe(QStringLiteral("Wählen Sie bitte einen Benutzernamen aus. Dieser "
                                               "darf bis zu 7 Zeichen lang sein."),
                                QStringLiteral("Benutzername"), {});
        name = Left(antwort.value_or(QString()), 7);
    }
    return name.isEmpty() ? QStringLiteral("Station") : name;
}

QString Benutzername() {
    const QString abschnitt = QStringLiteral("Allgemein");
    const QString gespeichert = IniLesen({}, abschnitt, QStringLiteral("User"), {});
    QString name = gespeichert;
    for (const char* variable : {"User", "USERID", "Station", "Username", "LOGNAME"}) {
        if (!name.isEmpty()) {
            break;
        }
        name = Umgebungswert(QLatin1String(variable));
    }
    if (name.isEmpty()) {
        name = Anmeldename();
    }
    if (name.isEmpty()) {
        name = IniLesen(QStringLiteral("Win.Ini"), QStringLiteral("MS User Info"),
                        QStringLiteral("DefName"), {});
    }
    name = Left(Trim(name), 7);
    if (!name.isEmpty()) {
        name = GrossKlein(name);
    }
    if (name.isEmpty()) {
        name = BenutzernameEingeben();
    }
    if (gespeichert.isEmpty()) {
        IniSchreiben({}, abschnitt, QStringLiteral("User"), name);
    }
    return name;
}

}  // namespace kronel
