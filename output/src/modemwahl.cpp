#include "output/modemwahl.h"

#include <QEventLoop>
#include <QTimer>

#include "common/fehlermeldung.h"
#include "common/texte.h"
#include "common/ton.h"
#include "platform/dienste.h"
#include "platform/schritte.h"
#include "platform/text.h"

namespace kronel {

namespace {

const QString kTitel = QStringLiteral("Telewahl");
constexpr int kBaud = 300;

// The modem's result words; what each means stands in the report of a refusal.
struct Ergebniswort {
    const char* wort;
    const char* bedeutung;
};
constexpr Ergebniswort kAntworten[] = {
    {"OK", ""},
    {"ERROR", "es hat den Wählbefehl nicht verstanden"},
    {"NO DIALTONE", "kein Freizeichen in der Leitung"},
    {"BUSY", "besetzt"},
    {"NO CARRIER", "keine Verbindung zustande gekommen"},
    {"NO ANSWER", "niemand hat abgenommen"},
};

// A refusal is no fault of the computer: the report shows the modem's answer
// alone, without a standard description and so without a tip.
constexpr int kOhneNummer = -1;

QString Bedeutung(const QString& wort) {
    for (const Ergebniswort& a : kAntworten) {
        if (wort == QLatin1String(a.wort)) {
            return QString::fromUtf8(a.bedeutung);
        }
    }
    return {};
}

// A port that cannot be opened is no missing file and no write-protected disk:
// the report says which port and why, with a number that carries no tip.
Fehler OeffnenFehler(const QString& geraet, const Fehler& f) {
    QString text;
    switch (f.nummer) {
        case FehlerNr::DateiNichtGefunden:
        case FehlerNr::PfadNichtGefunden:
            text = QStringLiteral("Die Schnittstelle »") + geraet +
                   QStringLiteral("« gibt es auf diesem Rechner nicht.");
            break;
        case FehlerNr::ZugriffVerweigert:
            text = QStringLiteral("Die Schnittstelle »") + geraet +
                   QStringLiteral(
                       "« darf nicht geöffnet werden: Wer wählen will, muss Mitglied "
                       "der Gruppe »dialout« sein.");
            break;
        default:
            text = f.beschreibung;
            break;
    }
    return Fehler(FehlerNr::GeraetNichtVerfuegbar, text);
}

}  // namespace

QString TelefonZiffern(const QString& text) {
    QString ziffern;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            ziffern += c;
        }
    }
    return ziffern;
}

QString ModemAntwort(const QByteArray& empfangen) {
    qsizetype erste = -1;
    QString wort;
    for (const Ergebniswort& a : kAntworten) {
        const qsizetype i = empfangen.indexOf(a.wort);
        if (i >= 0 && (erste < 0 || i < erste)) {
            erste = i;
            wort = QString::fromLatin1(a.wort);
        }
    }
    return wort;
}

Modemwahl::Modemwahl(SerielleSchnittstelle& port, int grenzeMs, int pauseMs)
    : port_(port), grenzeMs_(grenzeMs), pauseMs_(pauseMs) {}

Modemwahl::~Modemwahl() {
    Aufraeumen();
}

void Modemwahl::Abbrechen() {
    abgebrochen_ = true;
    if (schleife_ != nullptr) {
        schleife_->quit();
    }
}

Modemwahl::Warteende Modemwahl::Warten(int ms, bool aufAntwort) {
    auto beantwortet = [&] { return aufAntwort && !ModemAntwort(empfangen_).isEmpty(); };
    if (port_.wartend() > 0) {
        empfangen_ += port_.lesen();
    }
    if (beantwortet()) {
        return Warteende::Antwort;
    }
    QEventLoop schleife;
    QTimer zeit;  // a monotonic clock: midnight or a clock change does not stretch the wait
    zeit.setSingleShot(true);
    QObject::connect(&zeit, &QTimer::timeout, &schleife, &QEventLoop::quit);
    port_.beiDaten([&] {
        empfangen_ += port_.lesen();
        if (beantwortet()) {
            schleife.quit();
        }
    });
    schleife_ = &schleife;
    zeit.start(ms);
    if (!abgebrochen_) {
        schleife.exec();
    }
    schleife_ = nullptr;
    port_.beiDaten({});
    if (abgebrochen_) {
        return Warteende::Abbruch;
    }
    return beantwortet() ? Warteende::Antwort : Warteende::Zeit;
}

Status Modemwahl::Senden(const QByteArray& daten) {
    if (!port_.offen()) {
        return Fehler(FehlerNr::GeraetEinAusgabe,
                      QStringLiteral("Die Schnittstelle zum Modem ist nicht geöffnet."));
    }
    // A write that fails is a fault of the device, not of a file name.
    if (const Status s = port_.schreiben(daten); !s) {
        return Fehler(FehlerNr::GeraetEinAusgabe, s.fehler().beschreibung);
    }
    return {};
}

void Modemwahl::Aufraeumen() {
    if (!port_.offen()) {
        return;
    }
    if (beantwortet_) {
        (void)port_.schreiben(QByteArrayLiteral("ATH0\r"));
    }
    port_.dtrSetzen(false);
    port_.schliessen();
    beantwortet_ = false;
}

WahlEnde Modemwahl::Waehlen(const QString& dialString, const QString& anschluss,
                            const QString& nummer) {
    QString befehl = dialString;
    if (const qsizetype semikolon = befehl.indexOf(QLatin1Char(';')); semikolon >= 0) {
        befehl = befehl.left(semikolon);
    }
    befehl = Trim(befehl);
    const QString ziffern = TelefonZiffern(nummer);
    QString fehlt;
    if (befehl.isEmpty()) {
        fehlt = QStringLiteral("Bitte legen Sie einen Wählstring fest");
    } else if (Trim(anschluss).isEmpty()) {
        fehlt = QStringLiteral("Bitte legen Sie einen Modem-Anschluss fest");
    } else if (ziffern.isEmpty()) {
        fehlt = QStringLiteral("Bitte geben Sie eine Telefonnummer ein");
    }
    if (!fehlt.isEmpty()) {
        meldungen().zeigen(fehlt, Box::OK | Box::Ausrufezeichen, kTitel);
        return WahlEnde::Korrektur;
    }

    laeuft_ = true;
    abgebrochen_ = false;
    beantwortet_ = false;
    struct Ende {
        Modemwahl& w;
        ~Ende() {
            w.Aufraeumen();
            w.laeuft_ = false;
        }
    } ende{*this};

    // The ";" brings the modem back to command mode once it has dialled.
    const QByteArray kommando = NachCp1252(befehl + ziffern + QStringLiteral(";\r"));
    const QString geraet = SeriellesGeraet(Trim(anschluss));
    SchrittLaeufer lauf(
        [](const Fehler& f) {
            // The general sentence, then what happened; a refusal (the modem
            // answered, but not with OK) is no matter of the settings.
            QString text = QStringLiteral("Es ist ein Fehler beim Wählen aufgetreten.");
            if (f.nummer != kOhneNummer) {
                text += QStringLiteral(" Überprüfen Sie bitte die Einstellungen.");
            }
            if (!f.beschreibung.isEmpty()) {
                text += QLatin1Char('~') + f.beschreibung;
            }
            // Retry runs the step again; Abort and Ignore both end the dial,
            // since nothing after a failed step makes sense (no handset prompt
            // after a dial that did not happen).
            const int antwort = FehlerMeldung(f, text);
            return antwort == Antwort::Ignorieren ? Antwort::Abbruch : antwort;
        },
        QStringLiteral("befWählen_Click"));
    auto schritt = [&](const std::function<Status()>& s) { return lauf(s) && !abgebrochen_; };

    if (!schritt([&]() -> Status {
            if (geraet.isEmpty()) {
                return Fehler(FehlerNr::GeraetNichtVerfuegbar,
                              QStringLiteral("»") + Trim(anschluss) +
                                  QStringLiteral("« ist keine serielle Schnittstelle (COM1 bis "
                                                 "COM8 oder ein Gerät wie /dev/ttyUSB0)."));
            }
            if (const Status s = port_.oeffnen(geraet, kBaud); !s) {
                return OeffnenFehler(geraet, s.fehler());
            }
            port_.eingangVerwerfen();
            return {};
        })) {
        return WahlEnde::Beendet;
    }
    // Retry sends the command again.
    if (!schritt([&]() -> Status {
            empfangen_.clear();
            if (const Status s = Senden(kommando); !s) {
                return s;
            }
            const Warteende w = Warten(grenzeMs_, true);
            if (w == Warteende::Abbruch) {
                return {};
            }
            if (w == Warteende::Zeit) {
                return Fehler(
                    FehlerNr::GeraetNichtVerfuegbar,
                    QStringLiteral("Das Modem an »") + geraet +
                        QStringLiteral("« antwortet nicht (keine Antwort innerhalb von ") +
                        DauerText((grenzeMs_ + 999) / 1000) + QStringLiteral(")."));
            }
            beantwortet_ = true;
            if (const QString wort = ModemAntwort(empfangen_); wort != QLatin1String("OK")) {
                return Fehler(kOhneNummer, QStringLiteral("Das Modem an »") + geraet +
                                               QStringLiteral("« meldet »") + wort +
                                               QStringLiteral("«: ") + Bedeutung(wort) +
                                               QLatin1Char('.'));
            }
            return {};
        })) {
        return WahlEnde::Beendet;
    }
    empfangen_.clear();
    TonAusgeben(QStringLiteral("Telefon.Wav"));
    meldungen().zeigen(QStringLiteral("Bitte jetzt den Telefonhörer abnehmen und ENTER drücken."),
                       Box::OK | Box::Information, kTitel);
    if (abgebrochen_) {
        return WahlEnde::Beendet;
    }
    // The modem hangs up; the call goes on over the handset.
    if (!schritt([&] { return Senden(QByteArrayLiteral("ATH0\r")); })) {
        return WahlEnde::Beendet;
    }
    beantwortet_ = false;
    Warten(pauseMs_, false);
    port_.dtrSetzen(false);
    Warten(pauseMs_, false);
    port_.dtrSetzen(true);
    port_.schliessen();
    return abgebrochen_ ? WahlEnde::Beendet : WahlEnde::Gewaehlt;
}

}  // namespace kronel
