#include "planner/setupwerte.h"

#include "common/einstellungen.h"
#include "common/standort.h"
#include "common/startwachen.h"
#include "platform/dienste.h"
#include "platform/text.h"

namespace kronel {

namespace {

bool Pruefen(const char* schluessel, const char* vorgabe) {
    return Val(IniLesen({}, {}, QString::fromUtf8(schluessel), QString::fromUtf8(vorgabe))) != 0;
}

QString Text(const char* schluessel, const QString& vorgabe = {}) {
    return IniLesen({}, {}, QString::fromUtf8(schluessel), vorgabe);
}

void Schreiben(const char* schluessel, const QString& wert) {
    (void)IniSchreiben({}, {}, QString::fromUtf8(schluessel), wert);
}

void Schreiben(const char* schluessel, bool an) {
    Schreiben(schluessel, an ? QStringLiteral("1") : QStringLiteral("0"));
}

struct Stadt {
    const char* name;
    const char* breite;
    const char* laenge;
};

constexpr Stadt Staedte[] = {
    {"Berlin", "52.32", "13.25"},     {"Hamburg", "53.33", "10.00"},
    {"München", "48.08", "11.35"},    {"Köln", "50.56", "6.57"},
    {"Essen", "51.26", "6.59"},       {"Frankfurt", "50.06", "8.41"},
    {"Dortmund", "51.32", "7.27"},    {"Stuttgart", "48.47", "9.12"},
    {"Düsseldorf", "51.13", "6.47"},  {"Leipzig", "51.20", "12.25"},
    {"Bremen", "53.05", "8.48"},      {"Dresden", "51.03", "13.45"},
    {"Duisburg", "51.25", "6.46"},    {"Hannover", "52.24", "9.44"},
    {"Nürnberg", "49.27", "11.04"},   {"Zürich", "47.23", "8.33"},
    {"Basel", "47.33", "7.36"},       {"Genf", "46.13", "6.09"},
    {"Bern", "46.57", "7.26"},        {"Lausanne", "46.32", "6.39"},
    {"Winterthur", "47.30", "8.45"},  {"St. Gallen", "47.25", "9.23"},
    {"Luzern", "47.02", "8.18"},      {"Biel", "47.10", "7.16"},
    {"Thun", "46.46", "7.38"},        {"Wien", "48.13", "16.22"},
    {"Graz", "47.05", "15.22"},       {"Linz", "48.19", "14.18"},
    {"Salzburg", "47.48", "13.03"},   {"Innsbruck", "47.17", "11.25"},
    {"Klagenfurt", "46.38", "14.20"}, {"Villach", "46.37", "13.51"},
    {"Wels", "48.10", "14.02"},       {"Steyr", "48.04", "14.25"},
    {"Bregenz", "47.30", "9.46"},     {"Eisenstadt", "47.50", "16.32"},
};

}  // namespace

SetupWerte SetupLesen() {
    SetupWerte w;
    w.AusgabeNurEinmal = Pruefen("AusgabeNurEinmal", "1");
    w.SpeicherAlleGeloeschten = Pruefen("SpeicherAlleGelöschten", "0");
    w.BestaetigeLoeschen = Pruefen("BestätigeLöschen", "1");
    w.Tagefrueher = Text("Tagefrüher", QStringLiteral("1T"));
    w.Tagespaeter = Text("Tagespäter", QStringLiteral("-"));
    w.Ostlaenge = Text("Ostlänge", QString::fromLatin1(StandardOstLaenge));
    w.NordBreite = Text("NordBreite", QString::fromLatin1(StandardNordBreite));
    w.Mondphase = Pruefen("Mondphase", "1");
    w.Sonnenzeit = Pruefen("Sonnenzeit", "1");
    w.MESZ = Pruefen("MESZ", "1");
    w.Neu2MonBlatt = Pruefen("Neu2MonBlatt", "1");
    w.KronelAusBeiNix = Pruefen("KronelAusBeiNix", "0");
    w.TerminAutoPrint2 = Text("TerminAutoPrint2", QStringLiteral("-"));
    w.Lieblingsausdruck = Pruefen("Lieblingsausdruck", "1") ? 1 : 0;
    w.Sound = Pruefen("Sound", "1");
    w.SoundFile = Text("SoundFile");
    w.ZufallsTermine = Pruefen("ZufallsTermine", "0");
    w.ZufallsTermineFile = Text("ZufallsTermineFile", QStringLiteral("Kronel.Daz"));
    return w;
}

void SetupSchreiben(const SetupWerte& w) {
    Schreiben("AusgabeNurEinmal", w.AusgabeNurEinmal);
    Schreiben("Tagefrüher", w.Tagefrueher);
    Schreiben("Tagespäter", w.Tagespaeter);
    Schreiben("Sound", w.Sound);
    Schreiben("SoundFile", Trim(w.SoundFile));
    Schreiben("ZufallsTermine", w.ZufallsTermine);
    Schreiben("ZufallsTermineFile", Trim(w.ZufallsTermineFile));
    Schreiben("TerminAutoPrint2", Trim(w.TerminAutoPrint2));
    Schreiben("Lieblingsausdruck", QString::number(w.Lieblingsausdruck));
    Schreiben("KronelAusBeiNix", w.KronelAusBeiNix);
    Schreiben("Ostlänge", w.Ostlaenge);
    Schreiben("SpeicherAlleGelöschten", w.SpeicherAlleGeloeschten);
    Schreiben("BestätigeLöschen", w.BestaetigeLoeschen);
    Schreiben("NordBreite", w.NordBreite);
    Schreiben("Mondphase", w.Mondphase);
    Schreiben("InfoAstro", w.Mondphase);
    Schreiben("Sonnenzeit", w.Sonnenzeit);
    Schreiben("MESZ", w.MESZ);
    Schreiben("Neu2MonBlatt", w.Neu2MonBlatt);
    if (!Text("Zeitzone").isEmpty()) {
        Schreiben("Zeitzone", QStringLiteral("Eintrag kann gelöscht werden!"));
    }
}

QStringList AutoPrintVorgaben() {
    return {QStringLiteral("-"),
            QStringLiteral("1, 7, 14, 21, 28"),
            QStringLiteral("Montag"),
            QStringLiteral("Montag, Donnerstag"),
            QStringLiteral("Samstag"),
            QStringLiteral("1"),
            QStringLiteral("1, 15, 30, Montag")};
}

QStringList LieblingsausdruckListe() {
    return {QStringLiteral("Liste"), QStringLiteral("Monatsblatt")};
}

QString StationsName(const QString& text) {
    QString name = Trim(LCase(Left(text, 7)));
    name.remove(QLatin1Char('|'));
    if (!name.isEmpty()) {
        name = UCase(name.left(1)) + name.mid(1);
    }
    return name;
}

bool StationHinzufuegen(QStringList& stationen, const QString& text) {
    const QString name = StationsName(text);
    if (name.isEmpty()) {
        return false;
    }
    for (const QString& s : stationen) {
        if (LCase(s) == LCase(name)) {
            return false;
        }
    }
    stationen << name;
    return true;
}

bool StationEntfernen(QStringList& stationen, const QString& text) {
    const QString name = LCase(StationsName(text));
    for (qsizetype i = stationen.size() - 1; i >= 0; --i) {
        if (LCase(stationen[i]) == name) {
            stationen.removeAt(i);
            return true;
        }
    }
    return false;
}

void BenutzernameAendern() {
    const std::optional<QString> antwort = meldungen().eingabe(
        QStringLiteral("Wählen Sie bitte einen Benutzernamen aus. Dieser darf bis zu 7 Zeichen "
                       "lang sein."),
        QStringLiteral("Benutzername"), Left(Benutzername(), 7));
    const QString name = Left(antwort.value_or(QString()), 7);
    if (!name.isEmpty()) {
        (void)IniSchreiben({}, QStringLiteral("Allgemein"), QStringLiteral("User"), name);
    }
}

QStringList StadtListe() {
    QStringList liste;
    for (const Stadt& s : Staedte) {
        liste << QString::fromUtf8(s.name) + QString(50, QLatin1Char(' ')) +
                     QString::fromLatin1(s.breite) + QLatin1Char(' ') +
                     QStringLiteral("%1").arg(QString::fromLatin1(s.laenge), 5);
    }
    return liste;
}

std::pair<QString, QString> StadtPosition(const QString& eintrag) {
    // The longitude takes the last five characters: characters 6 to 10 of the
    // last eleven would cut the last digit.
    const QString ort = Right(eintrag, 11);
    return {Trim(ort.left(5)), Trim(Right(ort, 5))};
}

int SetupHilfeId(int tab) {
    static constexpr int ids[] = {291, 292, 295, 294, 293};
    return tab >= 0 && tab < 5 ? ids[tab] : 0;
}

}  // namespace kronel
