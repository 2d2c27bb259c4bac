#include "output/ausgabeprogramm.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

#include "common/datenpfade.h"
#include "common/deutschetexte.h"
#include "common/drucktext.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/fenster.h"
#include "common/hilfe.h"
#include "common/kalender.h"
#include "common/modul.h"
#include "common/protokoll.h"
#include "common/startwachen.h"
#include "common/statistik.h"
#include "common/systemdatum.h"
#include "common/texte.h"
#include "common/ton.h"
#include "output/planerstart.h"
#include "platform/befehlszeile.h"
#include "platform/dateien.h"
#include "platform/datum.h"
#include "platform/drucker.h"
#include "platform/oberflaeche.h"
#include "platform/ordner.h"
#include "platform/schritte.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

const QString kZeilenende = QStringLiteral("\r\n");
const QString kTitelSpeichern = QStringLiteral("Meldungen speichern");

// A hundred years: a longer running time would leave the calendar.
constexpr double kLaengsteLaufzeitStunden = 876000.0;

QString Lesen(const char* schluessel, const char* vorgabe) {
    return IniLesen({}, {}, QString::fromUtf8(schluessel), QString::fromUtf8(vorgabe));
}

// Files of the system that saved messages must never replace.
bool SystemDatei(const QString& pfad) {
    const QFileInfo ziel(pfad);
    const QString zielPfad = ziel.exists() ? ziel.canonicalFilePath() : ziel.absoluteFilePath();
    const Modul& m = modul();
    const QString daten = m.DatenVerzeichnis + QLatin1Char('/');
    const QString geschuetzt[] = {
        m.DateiTermine,
        m.DateiAltes,
        m.DateiNotizen,
        PfadAufloesen(daten + QStringLiteral("Kronel.BAK")),
        PfadAufloesen(daten + QStringLiteral("Kronel.PlD.neu")),
        PfadAufloesen(daten + QStringLiteral("Kronel.Rest")),
        IniDateiAufloesen({}),
        IniDateiAufloesen(QStringLiteral("Win.Ini")),
        PfadAufloesen(ProgrammVerzeichnis() + QStringLiteral("/NetWatch.Ini")),
    };
    for (const QString& g : geschuetzt) {
        if (g.isEmpty()) {
            continue;
        }
        const QFileInfo info(g);
        const QString gPfad = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
        // Names of the system are matched without regard to case, as they are looked up.
        if (QString::compare(gPfad, zielPfad, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

int Ausgabeprogramm::BoxWaechter::zeigen(const QString& text, int stil, const QString& titel) {
    if (beendet) {
        return EscapeAntwort(stil);
    }
    ++offen;
    const int antwort = innen->zeigen(text, stil, titel);
    --offen;
    // A box left because the program ended is no answer of the user.
    return beendet ? EscapeAntwort(stil) : antwort;
}

std::optional<QString> Ausgabeprogramm::BoxWaechter::eingabe(const QString& frage,
                                                             const QString& titel,
                                                             const QString& vorgabe) {
    if (beendet) {
        return std::nullopt;
    }
    ++offen;
    std::optional<QString> antwort = innen->eingabe(frage, titel, vorgabe);
    --offen;
    return beendet ? std::nullopt : antwort;
}

Ausgabeprogramm::Ausgabeprogramm(AusgabeOberflaeche& oberflaeche, std::unique_ptr<Zufall> zufall)
    : oberflaeche_(oberflaeche), zufall_(std::move(zufall)) {
    Dienste d = dienste();
    meldungenVorher_ = d.meldungen;
    waechter_.innen = &meldungen();
    d.meldungen = &waechter_;
    DiensteSetzen(d);
}

Ausgabeprogramm::~Ausgabeprogramm() {
    Dienste d = dienste();
    if (d.meldungen == &waechter_) {
        d.meldungen = meldungenVorher_;
        DiensteSetzen(d);
    }
}

bool Ausgabeprogramm::Form_Load() {
    oberflaeche_.StatusSetzen(QStringLiteral("Bitte einen Moment Geduld"));
    SystemDatumPruefen();
    DatenPfadeSetzen();
    Befehlszeile = LCase(Trim(kronel::Befehlszeile()));
    LeserechtePruefen();
    StatistikStart();
    if (modul().NurLesen) {
        oberflaeche_.NurLesenAnzeigen();
    }
    if (!AusgabeNurEinmalPruefen()) {
        beendet_ = true;
        waechter_.beendet = true;
        return false;
    }
    const QDateTime jetzt = uhr().jetzt();
    IniSchreiben({}, {}, Protokoll::LetzteAusgabe, DatumZeitText(jetzt));

    // A missing key means one hour; an empty or non-numeric value reads as 0.
    const double stunden = std::clamp(Val(Lesen("KronelAutoEnde", "1")), -kLaengsteLaufzeitStunden,
                                      kLaengsteLaufzeitStunden);
    AutoEndeZeit = jetzt.addMSecs(static_cast<qint64>(std::llround(stunden * 3600.0 * 1000.0)));

    if (!zufall_) {
        zufall_ = std::make_unique<SaatZufall>(
            static_cast<quint32>(jetzt.time().msecsSinceStartOfDay() / 1000));
    }
    lauf_ = std::make_unique<Terminausgabe>(oberflaeche_, *zufall_);
    SpeicherName =
        QStringLiteral("KR") + jetzt.toString(QStringLiteral("yyMMdd")) + QStringLiteral(".Txt");
    SchriftUndFensterLaden();
    ZeitUhr_Timer();
    zeiger().setzen(Zeiger::Standard);
    return true;
}

bool Ausgabeprogramm::AusgabeNurEinmalPruefen() {
    if (Lesen("AusgabeNurEinmal", "1") == QLatin1String("0")) {
        return true;
    }
    if (!Befehlszeile.contains(QLatin1String("/n"))) {
        const QString letzte = IniLesen({}, {}, Protokoll::LetzteAusgabe, QStringLiteral("xxx"));
        return Left(letzte, 10) != DatumText(uhr().heute());
    }
    IniSchreiben({}, {}, Protokoll::LetzteAusgabe, DatumZeitText(uhr().jetzt()));
    return true;
}

void Ausgabeprogramm::SchriftUndFensterLaden() {
    FensterPositionLesen(oberflaeche_.Fenster(), QStringLiteral("Kronel"));
    SchriftTraeger& text = oberflaeche_.TextSchrift();
    SchriftWerte s = text.schrift();
    if (const QString name = Lesen("SchriftName", ""); !name.isEmpty()) {
        s.name = name;
    }
    if (const QString groesse = Lesen("SchriftGröße", ""); !groesse.isEmpty()) {
        const double g = Val(groesse);
        s.groesse = g < 30 ? g : 12.75;
    }
    if (const QString fett = Lesen("SchriftFett", ""); !fett.isEmpty()) {
        s.fett = Wahrheitswert(fett);
    }
    if (const QString kursiv = Lesen("SchriftKursiv", ""); !kursiv.isEmpty()) {
        s.kursiv = Wahrheitswert(kursiv);
    }
    text.schriftSetzen(s);
    if (const QString farbe = Lesen("SchriftVordergrundFarbe", ""); !farbe.isEmpty()) {
        text.farbeSetzen(static_cast<qint32>(static_cast<qint64>(Val(farbe))));
    }
    if (const QString farbe = Lesen("SchriftHintergrundFarbe", ""); !farbe.isEmpty()) {
        oberflaeche_.HintergrundSetzen(static_cast<qint32>(static_cast<qint64>(Val(farbe))));
    }
}

bool Ausgabeprogramm::EndeFaellig() const {
    return uhr().jetzt().secsTo(AutoEndeZeit) < 0;
}

void Ausgabeprogramm::Zeit_Timer() {
    if (beendet_ || !lauf_) {
        return;
    }
    MondphaseBerechnen();
    if (laeuft_) {
        // A tick inside the run (its wait, a box): no second run. The end waits
        // for the run to return, unless the run waits for an answer, which an
        // unattended program would never get.
        if (waechter_.offen > 0 && EndeFaellig()) {
            PulEnde_Click();
        }
        return;
    }
    if (!ausgabeBegonnen_) {
        ausgabeBegonnen_ = true;
        laeuft_ = true;
        oberflaeche_.StatusSetzen(QStringLiteral("Terminausgabe läuft..."));
        MondphaseBerechnen();
        SonnenzeitBerechnen();
        const AusgabeEnde ende = lauf_->TermineAusgeben();
        if (ende == AusgabeEnde::Beenden) {
            SofortBeenden();
            return;
        }
        if (beendet_) {
            return;
        }
        ZufallsTermineAusgeben();
        if (beendet_) {
            return;
        }
        oberflaeche_.AusgabeSetzen(oberflaeche_.AusgabeText() + kZeilenende +
                                   QStringLiteral("*** Ende ***") + kZeilenende);
        AusgabeGelaufen = 1;
        AutoPrintPruefen();
        if (beendet_) {
            return;
        }
        if (Befehlszeile.contains(QLatin1String("/p"))) {
            PulDrucken_Click();
        }
        laeuft_ = false;
        if (beendet_) {
            return;
        }
    }
    if (EndeFaellig()) {
        PulEnde_Click();
        return;
    }
    if (hinweisBis_.isValid() && uhr().jetzt() < hinweisBis_) {
        return;  // the printer's note stays readable for a while
    }
    if (oberflaeche_.StatusText() != QLatin1String("Bereit")) {
        oberflaeche_.StatusSetzen(QStringLiteral("Bereit"));
    }
}

void Ausgabeprogramm::ZeitUhr_Timer() {
    const QDateTime jetzt = uhr().jetzt();
    oberflaeche_.DatumZeitSetzen(DatumPanelText(jetzt.date()), ZeitPanelText(jetzt.time()));
}

QString Ausgabeprogramm::SpeicherPfad(const QString& name) const {
    const QString pfad = PfadAusWindows(name);
    if (pfad.isEmpty()) {
        return {};
    }
    if (QFileInfo(pfad).isAbsolute()) {
        return PfadAufloesen(pfad);
    }
    return PfadAufloesen(modul().DatenVerzeichnis + QLatin1Char('/') + pfad);
}

void Ausgabeprogramm::PulSpeichern_Click() {
    const QString vorschlag = SpeicherPfad(SpeicherName);
    const std::optional<QString> antwort = meldungen().eingabe(
        QStringLiteral("Unter welchem Namen sollen die Meldungen gespeichert werden?"),
        kTitelSpeichern, vorschlag.isEmpty() ? SpeicherName : vorschlag);
    if (!antwort || Trim(*antwort).isEmpty()) {
        return;
    }
    SpeicherName = Trim(*antwort);
    const QString pfad = SpeicherPfad(SpeicherName);
    if (!pfad.isEmpty() && SystemDatei(pfad)) {
        TonAusgeben(QStringLiteral("#SystemHand"));
        meldungen().zeigen(QStringLiteral("Die Datei »") + pfad +
                               QStringLiteral("« gehört zu den Daten oder Einstellungen von "
                                              "Kronel und wird nicht überschrieben.\r\nBitte "
                                              "wählen Sie einen anderen Namen."),
                           Box::OK | Box::Stop, kTitelSpeichern);
        return;
    }
    if (!pfad.isEmpty() && QFileInfo(pfad).exists()) {
        TonAusgeben(QStringLiteral("#SystemQuestion"));
        if (meldungen().zeigen(QStringLiteral("Die Datei »") + pfad +
                                   QStringLiteral("« gibt es schon.\r\nSoll sie überschrieben "
                                                  "werden?"),
                               Box::JaNein | Box::Frage | Box::Standard2,
                               kTitelSpeichern) != Antwort::Ja) {
            return;
        }
    }
    const QByteArray inhalt = NachCp1252(oberflaeche_.AusgabeText() + kZeilenende);
    SchrittLaeufer schritt(
        [this](const Fehler& f) {
            return FehlerMeldung(f, QStringLiteral("Datei »") + SpeicherName +
                                        QStringLiteral("« konnte leider nicht angelegt werden."));
        },
        QStringLiteral("PulSpeichern_Click"));
    schritt([&]() -> Status {
        if (pfad.isEmpty()) {
            return Fehler(FehlerNr::PfadNichtGefunden);
        }
        return DateiAtomarSchreiben(pfad, inhalt);
    });
}

void Ausgabeprogramm::PulDrucken_Click() {
    SanduhrZeiger sanduhr;
    Drucker& d = drucker();
    // Abort leaves no half-printed job behind.
    struct Auftrag {
        Drucker& d;
        bool fertig = false;
        ~Auftrag() {
            if (!fertig) {
                d.KillDoc();
            }
        }
    } auftrag{d};
    SchrittLaeufer schritt(
        [](const Fehler& f) {
            return FehlerMeldung(f, QStringLiteral("Es ist ein Fehler aufgetreten."));
        },
        QStringLiteral("PulDrucken_Click"));
    const SchriftWerte s = oberflaeche_.TextSchrift().schrift();
    QString text = oberflaeche_.AusgabeText();
    if (!schritt([&] { return d.setScaleMode(Massstab::Zentimeter); })) {
        return;
    }
    d.setFontName(s.name);
    d.setFontSize(s.groesse);
    d.setFontBold(s.fett);
    d.setFontItalic(s.kursiv);
    // The rule under the heading ends inside the printable width; the page
    // would clip it at the paper's edge.
    const QString regel(80, QLatin1Char('_'));
    const double strich = d.TextWidth(QStringLiteral("_"));
    if (strich > 0 && d.TextWidth(regel) > d.ScaleWidth()) {
        text.replace(regel,
                     QString(static_cast<qsizetype>(d.ScaleWidth() / strich), QLatin1Char('_')));
    }
    // A line wider than the paper goes on in the following lines, so nothing is
    // cut off at its edge; the surface carries the rows on to a new page.
    QStringList reihen;
    for (const QString& zeile : ZeilenTeilen(text, LetztesZeilenende::BeginntZeile)) {
        reihen += DruckZeilenUmbrechen(zeile, d.ScaleWidth(), d.ScaleWidth());
    }
    text = reihen.join(kZeilenende);
    if (!schritt([&] { return d.Print(text, true); })) {
        return;
    }
    DruckFusszeile(0);
    if (!schritt([&] { return d.EndDoc(); })) {
        return;
    }
    auftrag.fertig = true;
    if (const QString hinweis = d.Hinweis(); !hinweis.isEmpty()) {
        oberflaeche_.StatusSetzen(hinweis);
        hinweisBis_ = uhr().jetzt().addSecs(15);
    }
}

void Ausgabeprogramm::mnuPrgKronelin_Click() {
    Status gestartet;
    {
        SanduhrZeiger sanduhr;
        gestartet = PlanerStarten(GeheZuArgumente(oberflaeche_.Auswahl()));
    }
    if (!gestartet) {
        TonAusgeben(QStringLiteral("#SystemHand"));
        meldungen().zeigen(QStringLiteral("»Kronelin« konnte nicht gestartet werden."),
                           Box::OK | Box::Stop, QStringLiteral("Kronel"));
        return;
    }
    PulEnde_Click();
}

void Ausgabeprogramm::FensterPositionSpeichern() {
    kronel::FensterPositionSpeichern(oberflaeche_.Fenster(), QStringLiteral("Kronel"),
                                     PositionsText::Zahltext);
}

void Ausgabeprogramm::PulEnde_Click() {
    if (beendet_) {
        return;
    }
    beendet_ = true;
    FensterPositionSpeichern();
    if (Val(Lesen("Sound", "1")) != 0) {
        TonAusgeben({});
    }
    HilfeBeenden();
    StatistikEnde();
    SofortBeenden();
}

void Ausgabeprogramm::SofortBeenden() {
    beendet_ = true;
    waechter_.beendet = true;
    oberflaeche_.ProgrammEnde();
}

}  // namespace kronel
