// Exchange files and the birthday import: appointments from outside appended
// to the list, or one appended to a file; the next save sorts them in.

#include <QFileInfo>

#include "book/termindatei.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/ton.h"
#include "planner/austausch.h"
#include "planner/geburtstage.h"
#include "planner/planer.h"
#include "platform/dateien.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/schritte.h"
#include "platform/text.h"
#include "platform/uhr.h"
#include "platform/zeilen.h"

namespace kronel {

namespace {

const QString kTitel = QStringLiteral("Fehler beim Terminaustausch");

QString AustauschDatei() {
    return IniLesen({}, {}, QStringLiteral("ExchangeFile"), QStringLiteral("Kronel.pe$"));
}

// The report names the file under the general sentence: the standard
// description alone ("Datenträger voll") does not say which file. Why it failed
// follows where it says more than that: a FIFO, a device or a file too large is
// named as such.
SchrittLaeufer AustauschSchritte(const QString& was, const QString& datei) {
    return SchrittLaeufer(
        [was, datei](const Fehler& f) {
            const QString text = QStringLiteral("Es ist ein Fehler aufgetreten.~") + was;
            const bool nurDieDatei = f.beschreibung == FehlerBeschreibung(f.nummer) +
                                                           QStringLiteral(": »") + datei +
                                                           QStringLiteral("«");
            return nurDieDatei ? FehlerMeldung(f, text) : FehlerMeldungMitBeschreibung(f, text);
        },
        QStringLiteral("Terminaustausch"));
}

// After a completed exchange only: the path as chosen, and the success sound.
void AustauschErledigt(const QString& datei) {
    IniSchreiben({}, {}, QStringLiteral("ExchangeFile"), datei);
    TonAusgeben(QStringLiteral("#SystemExclamation"));
}

QString ZeilenText(qsizetype n, const char* eine, const char* mehrere) {
    return n == 1 ? QString::fromUtf8(eine) : QString::number(n) + QString::fromUtf8(mehrere);
}

}  // namespace

bool StartetProgramm(const QString& termin) {
    return LTrim(MeldungVon(termin).toString()).startsWith(QLatin1Char('@'));
}

AustauschInhalt AustauschLesen(const QByteArray& inhalt) {
    AustauschInhalt a;
    ZeilenDurchgehen(QByteArrayView(inhalt), LetztesZeilenende::SchliesstZeile,
                     [&](QByteArrayView roh, QByteArrayView) {
                         const QString termin = ZeilePruefen(ZeileTolerantLesen(roh.toByteArray()));
                         if (termin.isEmpty()) {
                             ++a.keineTermine;
                             return;
                         }
                         a.programme = a.programme || StartetProgramm(termin);
                         a.termine.append(termin);
                     });
    return a;
}

qsizetype AustauschAnhaengen(Terminbuch& buch, const QStringList& termine) {
    qsizetype voll = 0;
    for (const QString& termin : termine) {
        if (buch.Voll()) {
            ++voll;
            continue;
        }
        buch.ListeTermine.append(termin);
        buch.ListeAnzeige.append(Anzeigezeile(termin));
    }
    if (termine.size() > voll) {
        buch.Ungespeichert = 1;
        buch.TerminIndex = buch.ListeTermine.size() - 1;
        buch.AnzeigeAufbauen();
    }
    return voll;
}

std::optional<QString> Planer::AustauschDateiWaehlen(bool speichern) {
    if (!fenster_.vorhanden(Fenstername::Dateiwahl)) {
        return std::nullopt;
    }
    DateiwahlAnfrage d;
    d.Caption = speichern ? QStringLiteral("Termin speichern unter")
                          : QString::fromUtf8("Wähle gespeicherte Termine");
    d.pfad = PfadAbsolut(PfadAusWindows(AustauschDatei()));
    d.Filter = QStringLiteral("Terminsaustausch (*.pe$);;Alles (*)");
    d.speichern = speichern;
    return fenster_.Dateiwahl(d);
}

void Planer::Main_mnuTaustauschSave_Click() {
    if (!BefehlBeginnen()) {
        return;
    }
    const std::optional<QString> datei = AustauschDateiWaehlen(true);
    if (!datei || buch.TerminIndex < 0 || buch.TerminIndex >= buch.ListeTermine.size()) {
        return;
    }
    const QByteArray zeile =
        NachCp1252(buch.ListeTermine[buch.TerminIndex] + QStringLiteral("\r\n"));
    bool geschrieben = false;
    AustauschSchritte(QStringLiteral("Der Termin konnte nicht an »") + *datei +
                          QStringLiteral("« angehängt werden."),
                      *datei)([&]() -> Status {
        Status s = DateiAnhaengen(*datei, zeile);
        geschrieben = s.ok();
        return s;
    });
    if (geschrieben) {
        AustauschErledigt(*datei);
    }
}

void Planer::Main_mnuTaustauschLoad_Click() {
    if (!BefehlBeginnen()) {
        return;
    }
    const std::optional<QString> datei = AustauschDateiWaehlen(false);
    if (!datei) {
        return;
    }
    // Only a file that is not there is not found: a FIFO, device or folder there
    // is named by the reading.
    if (!QFileInfo::exists(*datei)) {
        TonAusgeben(QStringLiteral("#SystemHand"));
        meldungen().zeigen(
            QString::fromUtf8("Kann die Datei »") + *datei + QString::fromUtf8("« nicht finden!"),
            Box::OK + Box::Ausrufezeichen, kTitel);
        return;
    }
    std::optional<QByteArray> inhalt;
    AustauschSchritte(
        QStringLiteral("Die Datei »") + *datei + QStringLiteral("« konnte nicht gelesen werden."),
        *datei)([&]() -> Status {
        Ergebnis<QByteArray> gelesen = DateiLesen(*datei);
        if (!gelesen) {
            return gelesen.fehler();
        }
        inhalt = std::move(gelesen.wert());
        return {};
    });
    if (!inhalt) {
        return;  // nothing was read: no records, and the path stays as it was
    }

    AustauschInhalt gelesen = AustauschLesen(*inhalt);
    // A file from elsewhere must not start programs unasked when they are due.
    if (gelesen.programme &&
        meldungen().zeigen(QString::fromUtf8("Die Datei »") + *datei +
                               QString::fromUtf8("« enthält Termine, die ein Programm starten. "
                                                 "Sollen sie auch geladen werden?"),
                           Box::JaNein + Box::Frage,
                           QStringLiteral("Terminaustausch")) != Antwort::Ja) {
        gelesen.termine.removeIf(StartetProgramm);
    }
    const qsizetype keineTermine = gelesen.keineTermine;
    const qsizetype voll = AustauschAnhaengen(buch, gelesen.termine);

    if (keineTermine > 0 || voll > 0) {
        QStringList text;
        if (keineTermine > 0) {
            text << QString::fromUtf8("»") + *datei + QString::fromUtf8("«: ") +
                        ZeilenText(keineTermine, "1 Zeile ist kein Termin und wurde",
                                   " Zeilen sind keine Termine und wurden") +
                        QStringLiteral(" nicht geladen.");
        }
        if (voll > 0) {
            text << ZeilenText(voll, "1 Termin wurde", " Termine wurden") +
                        QString::fromUtf8(" nicht geladen, weil die Terminliste voll ist.");
        }
        TonAusgeben(QStringLiteral("#SystemExclamation"));
        meldungen().zeigen(text.join(QStringLiteral("\r\n")), Box::OK + Box::Ausrufezeichen,
                           kTitel);
    }
    AustauschErledigt(*datei);
}

void Planer::Main_mnuImpGeb_Click() {
    if (!BefehlBeginnen() || !fenster_.vorhanden(Fenstername::ImpGeb)) {
        return;
    }
    const QStringList liste = fenster_.ImpGeb().Liste;
    sicht_.EreignisseZulassen();
    qsizetype anzahl = 0;
    {
        const SanduhrZeiger sanduhr;
        for (const QString& zeile : liste) {
            const GeburtstagsTermin t = GeburtstagAusZeile(zeile, uhr().heute().year());
            anzahl += buch.TerminAnlegen(t.datum, {}, {}, {}, {}, QStringLiteral("1J"), t.meldung);
        }
    }
    if (anzahl == 0) {
        return;
    }
    const bool eins = anzahl == 1;
    meldungen().zeigen(QStringLiteral("Es wurde") + (eins ? QString() : QStringLiteral("n")) +
                           QLatin1Char(' ') + QString::number(anzahl) +
                           QStringLiteral(" Geburtstag") +
                           (eins ? QString() : QStringLiteral("e")) +
                           QString::fromUtf8(" am Ende der Termin-Liste eingefügt.\rWenn Sie Ihre "
                                             "Daten speichern, werden die neuen Termine "
                                             "automatisch einsortiert."),
                       Box::OK + Box::Information, QStringLiteral("Termine importieren"));
}

}  // namespace kronel
