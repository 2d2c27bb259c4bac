#include "book/buch.h"

#include <QFileInfo>

#include "book/abgelaufene.h"
#include "book/sortieren.h"
#include "book/termindatei.h"
#include "common/dateien.h"
#include "common/datenpfade.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/modul.h"
#include "common/protokoll.h"
#include "common/ton.h"
#include "platform/dateien.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/schritte.h"
#include "platform/text.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

// The lines of a load that ended without a save come again at the next start:
// only those not already at the end of the rest file are appended, so repeated
// starts (and every "/autoprint" day) do not pile up copies.
QByteArray RestNochNichtAmEnde(const QString& rest, const QList<QByteArray>& zeilen) {
    const Ergebnis<QByteArray> vorhanden = DateiLesen(rest);
    const QByteArray ende = vorhanden ? *vorhanden : QByteArray();
    qsizetype schon = zeilen.size();
    for (; schon > 0; --schon) {
        QByteArray block;
        for (qsizetype i = 0; i < schon; ++i) {
            block += zeilen[i] + QByteArrayLiteral("\r\n");
        }
        const qsizetype vor = ende.size() - block.size() - 1;
        if (ende.endsWith(block) && (vor < 0 || ende[vor] == '\n')) {
            break;
        }
    }
    QByteArray neu;
    for (qsizetype i = schon; i < zeilen.size(); ++i) {
        neu += zeilen[i] + QByteArrayLiteral("\r\n");
    }
    return neu;
}

BuchFenster& OhneFenster() {
    static BuchFenster f;
    return f;
}

const QString kBereit = QStringLiteral("Bereit");

SchrittLaeufer::Melder Melder(const QString& text) {
    return [text](const Fehler& f) { return FehlerMeldungMitBeschreibung(f, text); };
}

QString Nachbar(const QString& pfad, const QString& name) {
    return PfadAufloesen(QFileInfo(pfad).absolutePath() + QLatin1Char('/') + name);
}

QString SicherungVon(const QString& pfad) {
    return PfadAufloesen(DateiTeil(pfad, 0) + DateiTeil(pfad, 1) + QStringLiteral(".BAK"));
}

bool Vorhanden(const QString& pfad) {
    const QFileInfo i(pfad);
    return i.exists() && !i.isDir();
}

void Hinweis(const QString& text, int symbol) {
    TonAusgeben(symbol == Box::Information ? QStringLiteral("#SystemAsterisk")
                                           : QStringLiteral("#SystemExclamation"));
    meldungen().zeigen(text, Box::OK + symbol, QStringLiteral("Kronelin"));
}

}  // namespace

Terminbuch::Terminbuch(BuchFenster* fenster) : fenster_(fenster ? fenster : &OhneFenster()) {}

void Terminbuch::TerminAusFeldern(const TerminFelder& felder) {
    if (TerminIndex < 0 || TerminIndex > ListeTermine.size() - 1) {
        return;
    }
    const QString& alt = ListeTermine[TerminIndex];
    // An unreadable date text keeps the date the record has.
    const QString ersatz =
        SchluesselLesen(alt) ? alt.left(Breite::Datum) : SchluesselAusDatum(uhr().heute());
    const QString termin = TerminZusammensetzen(felder, ersatz);
    if (termin == alt) {
        return;
    }
    ListeTermine[TerminIndex] = termin;
    Ungespeichert = 1;
    const QString zeile = Anzeigezeile(termin);
    if (TerminIndex < ListeAnzeige.size() && ListeAnzeige[TerminIndex] != zeile) {
        ListeAnzeige[TerminIndex] = zeile;
    }
}

TerminFelder Terminbuch::FelderAnzeigen() {
    // After a reported mismatch of the two lists the index may lie beyond the
    // records: nothing to show then.
    if (!ListenPruefen() || TerminIndex < 0 || TerminIndex >= ListeTermine.size()) {
        return {};
    }
    const TerminFelder felder = TerminZerlegen(ListeTermine[TerminIndex]);
    fenster_->FelderSetzen(felder);
    fenster_->UhrTick();
    return felder;
}

void Terminbuch::EingabeUebernehmen(const TerminFelder& felder, int modus) {
    TerminAusFeldern(felder);
    TerminIndex = ListIndex;
    if (modus == 1) {
        FelderAnzeigen();
    }
    fenster_->UhrTick();
}

void Terminbuch::AnzeigeAufbauen() {
    // A line that already is the display line of its record is kept as it is.
    QStringList zeilen;
    zeilen.reserve(ListeTermine.size());
    const bool imTakt = ListeAnzeige.size() == ListeTermine.size();
    for (qsizetype i = 0; i < ListeTermine.size(); ++i) {
        const QString& t = ListeTermine[i];
        if (imTakt && IstAnzeigezeile(ListeAnzeige[i], t)) {
            zeilen.append(std::move(ListeAnzeige[i]));
        } else {
            zeilen.append(Anzeigezeile(t));
        }
    }
    ListeAnzeige = std::move(zeilen);
    ListIndex = -1;
    if (TerminIndex < 0 || ListeTermine.isEmpty()) {
        return;
    }
    ZeileWaehlen(TerminIndex <= ListeTermine.size() - 1 ? TerminIndex : 0);
}

bool Terminbuch::ListenPruefen() {
    if (ListeTermine.isEmpty()) {
        ListeTermine.append(Standardtermin());
        ListeAnzeige.append(StandardAnzeigezeile());
    }
    if (TerminIndex < 0) {
        TerminIndex = 0;
    }
    if (TerminIndex > ListeAnzeige.size() - 1) {
        TerminIndex = ListeAnzeige.size() - 1;
    }
    if (ListeAnzeige.size() != ListeTermine.size()) {
        const int antwort =
            meldungen().zeigen(QStringLiteral("Schweres Verwaltungsproblem aufgetreten - %1 : %2")
                                   .arg(ListeAnzeige.size())
                                   .arg(ListeTermine.size()),
                               Box::OKAbbrechen + Box::Stop, QStringLiteral("Kronelin TerminTest"));
        if (antwort == Antwort::Abbrechen) {
            BeendenVerlangt = true;
            return false;
        }
    }
    return true;
}

void Terminbuch::ZeileWaehlen(qsizetype index) {
    if (index < 0 || index > ListeAnzeige.size() - 1) {
        ListIndex = -1;
        return;
    }
    ListIndex = index;
    TerminIndex = index;
    UndoAnzeige = ListeAnzeige[index];
    UndoTermin = index < ListeTermine.size() ? ListeTermine[index] : QString();
    FelderAnzeigen();
    fenster_->ZeileGewaehlt(TerminIndex);
}

int Terminbuch::TerminAnlegen(const QString& datum, const QString& von, const QString& bis,
                              const QString& adresse, const QString& filter, const QString& zyklus,
                              const QString& meldung) {
    if (ListeTermine.size() > TermineHoechstzahl) {
        return 0;
    }
    TerminFelder f;
    const auto d = DatumLesen(datum);
    f.STDatum = DatumText(d ? *d : uhr().heute());
    f.SKVon =
        von.isEmpty() ? IniLesen({}, {}, QStringLiteral("Tagefrüher"), QStringLiteral("1T")) : von;
    f.SKBis =
        bis.isEmpty() ? IniLesen({}, {}, QStringLiteral("Tagespäter"), QStringLiteral("-")) : bis;
    f.SKAdresse = adresse.isEmpty() ? QStringLiteral("Alle") : adresse;
    f.SKFilter = filter.isEmpty() ? QStringLiteral("-") : filter;
    f.SKZyklus = zyklus.isEmpty() ? QStringLiteral("-") : zyklus;
    f.STMeldung = meldung.isEmpty() ? QStringLiteral("?") : meldung;
    ListeTermine.append(QStringLiteral(" "));
    ListeAnzeige.append(QStringLiteral(" "));
    TerminIndex = ListeTermine.size() - 1;
    TerminAusFeldern(f);
    ZeileWaehlen(TerminIndex);
    return 1;
}

void Terminbuch::Umordnen(const QString& status,
                          const std::function<std::vector<qsizetype>(const QStringList&)>& ordnung,
                          const std::function<QStringView(const QString&)>& marke) {
    SanduhrZeiger sanduhr;
    fenster_->StatusZeigen(status);
    const bool aktuell = TerminIndex >= 0 && TerminIndex < ListeTermine.size();
    const QString merken = aktuell ? marke(ListeTermine[TerminIndex]).toString() : QString();
    const auto reihe = ordnung(ListeTermine);
    const bool imTakt = ListeAnzeige.size() == ListeTermine.size();
    QStringList neu;
    QStringList zeilen;
    neu.reserve(ListeTermine.size());
    zeilen.reserve(imTakt ? ListeTermine.size() : 0);
    for (const qsizetype i : reihe) {
        neu.append(std::move(ListeTermine[i]));
        if (imTakt) {
            zeilen.append(std::move(ListeAnzeige[i]));
        }
    }
    ListeTermine = std::move(neu);
    // The lines move along so that the rebuild finds most of them made.
    ListeAnzeige = std::move(zeilen);
    AnzeigeAufbauen();
    // The last record that matches becomes current, else the first.
    TerminIndex = 0;
    if (aktuell) {
        for (qsizetype i = 0; i < ListeTermine.size(); ++i) {
            if (marke(ListeTermine[i]) == merken) {
                TerminIndex = i;
            }
        }
    }
    ZeileWaehlen(TerminIndex);
    fenster_->StatusZeigen(kBereit);
}

void Terminbuch::OrdneDatum() {
    // Every field after the date, the message up to 256 characters: the date may
    // just have been edited, the record stays current all the same.
    Umordnen(QStringLiteral("Termine nach Datum ordnen"), DatumsReihenfolge,
             [](const QString& t) { return QStringView(t).mid(8, 285); });
}

void Terminbuch::OrdneMeldung() {
    Umordnen(QStringLiteral("Termine nach Meldung ordnen"), MeldungsReihenfolge,
             [](const QString& t) { return QStringView(t); });
}

Status Terminbuch::AbgelaufeneVerarbeiten() {
    SanduhrZeiger sanduhr;
    AbgelaufenRegeln regeln;
    regeln.archivieren = !modul().NurLesen;
    regeln.archiv = PfadAufloesen(modul().DateiAltes);
    const AbgelaufenErgebnis e = AbgelaufeneFortschreiben(ListeTermine, uhr().heute(), regeln);
    // The lines of the records that stayed as they were go along with them.
    if (ListeAnzeige.size() == static_cast<qsizetype>(e.herkunft.size()) + e.entfernt) {
        QStringList zeilen;
        zeilen.reserve(ListeTermine.size());
        for (const qsizetype i : e.herkunft) {
            zeilen.append(i >= 0 ? std::move(ListeAnzeige[i]) : QString());
        }
        ListeAnzeige = std::move(zeilen);
    }
    // The rest is sorted and checked even when a record failed.
    OrdneDatum();
    ListenPruefen();
    if (!e.defekte.empty()) {
        return DefekteFehler(e);
    }
    return {};
}

namespace {

// What the load took differently from the file, before the first save keeps
// its original.
void BesondereZeilenMelden(const Dateiinhalt& d, const QString& pfad) {
    QStringList gruende;
    if (d.kopfZuLang) {
        gruende.append(
            d.kopfTermin
                ? QStringLiteral("In der ersten Zeile steht hinter dem Kopf ein Termin (ein "
                                 "Zeilenumbruch fehlt); er wurde als erster Termin übernommen.")
                : QStringLiteral("In der ersten Zeile steht hinter dem Kopf Text, der sich nicht "
                                 "als ein Termin lesen lässt (Zeilenumbrüche fehlen)."));
    }
    if (d.art == Dateiart::KeineDaten && d.unvollstaendig) {
        gruende.append(QStringLiteral("Die Version im Kopf (") + VersionsTitel(d.versionsZehntel) +
                       QStringLiteral(") enthält keine Termine; die Zeilen darunter werden nicht "
                                      "gelesen."));
    }
    if (d.nichtSpeicherbar > 0) {
        gruende.append(
            (d.nichtSpeicherbar == 1
                 ? QStringLiteral("Ein Termin enthält Zeichen")
                 : QStringLiteral("%1 Termine enthalten Zeichen").arg(d.nichtSpeicherbar)) +
            QStringLiteral(", die die Terminliste nicht speichern kann; sie werden beim "
                           "Speichern zu »?«."));
    }
    if (gruende.isEmpty()) {
        return;
    }
    QString text = QStringLiteral("Die Terminliste »") + pfad + QStringLiteral("«:\r\n\r\n") +
                   gruende.join(QStringLiteral("\r\n"));
    text += modul().NurLesen ? QStringLiteral("\r\n\r\nDie Datei wird nicht verändert.")
                             : QStringLiteral(
                                   "\r\n\r\nDie ursprüngliche Datei wird vor dem ersten "
                                   "Speichern aufbewahrt.");
    Hinweis(text, Box::Ausrufezeichen);
}

}  // namespace

LadeErgebnis Terminbuch::TermineLaden() {
    LadeErgebnis ergebnis;
    SanduhrZeiger sanduhr;
    fenster_->StatusZeigen(QStringLiteral("Termine laden..."));
    SchrittLaeufer lauf(
        Melder(QStringLiteral("Es ist ein Fehler beim Laden der Termine aufgetreten.")),
        QStringLiteral("TermineLaden"));
    ListeTermine.clear();
    ListeAnzeige.clear();
    ListIndex = -1;
    TerminIndex = -1;
    Unvollstaendig = false;
    BewahrtesOriginal.clear();
    bewahrenQuelle_.clear();
    verweigert_.reset();
    stand_.Vergessen();
    const QString pfad = PfadAufloesen(modul().DateiTermine);
    auto unvollstaendig = [&](const QString& quelle) {
        Unvollstaendig = true;
        if (bewahrenQuelle_.isEmpty()) {
            bewahrenQuelle_ = quelle;
        }
    };

    // Read the file.
    bool vorhanden = Vorhanden(pfad);
    bool gelesen = false;
    QByteArray inhalt;
    lauf([&]() -> Status {
        // A folder in its place is reported by the read, not taken as no file.
        vorhanden = Vorhanden(pfad) || QFileInfo(pfad).isDir();
        if (!vorhanden) {
            return {};
        }
        auto e = DateiLesen(pfad);
        verweigert_.reset();
        if (!e) {
            // Refused for its kind or size: the file stays as it is for the run.
            if (const Status art = LesbarkeitPruefen(pfad); !art) {
                verweigert_ = art.fehler();
                Fehler f = art.fehler();
                f.beschreibung += QStringLiteral("; sie wird nicht verändert");
                return f;
            }
            return e.fehler();
        }
        inhalt = std::move(e.wert());
        gelesen = true;
        return {};
    });
    if (vorhanden && !gelesen) {
        unvollstaendig(pfad);
    }
    if (gelesen) {
        stand_.Merken(inhalt);
    } else if (!vorhanden) {
        stand_.Fehlt();
    }
    if (lauf.abgebrochen()) {
        ergebnis.abgebrochen = true;
        return ergebnis;
    }
    if (!vorhanden) {
        // Without a data file the book starts with the default record; a backup
        // beside it means this is no first start.
        const QString sicherung = SicherungVon(pfad);
        if (Vorhanden(sicherung)) {
            unvollstaendig(sicherung);
            Hinweis(QStringLiteral("Die Terminliste »") + pfad +
                        QStringLiteral("« fehlt, ihre Sicherung »") + sicherung +
                        QStringLiteral("« ist aber vorhanden.\r\n\r\nDie Sicherung wird vor dem "
                                       "ersten Speichern aufbewahrt."),
                    Box::Ausrufezeichen);
        }
    }

    if (gelesen) {
        Dateiinhalt d = TermindateiLesen(inhalt);
        inhalt.clear();
        if (d.art == Dateiart::Dos) {
            zeiger().setzen(Zeiger::Standard);
            TonAusgeben(QStringLiteral("#SystemExclamation"));
            const int antwort = meldungen().zeigen(
                QStringLiteral("Oh, die Termine stammen aus einer ziemlich alten DOS-Version. "
                               "Wenden Sie sich bitte an den Programmautor, wenn die alten "
                               "Termine konvertiert werden sollen. Soll eine neue (leere) "
                               "Terminliste erstellt werden?"),
                Box::JaNein + Box::Ausrufezeichen, VersionsTitel(d.versionsZehntel));
            if (antwort != Antwort::Ja) {
                BeendenVerlangt = true;
                ergebnis.beenden = true;
                return ergebnis;
            }
            // The backup alone would hold the old data only until the second save.
            unvollstaendig(pfad);
        }
        for (const QString& text : d.ungueltigeAlte) {
            TonAusgeben(QStringLiteral("#SystemExclamation"));
            meldungen().zeigen(text, Box::OK + Box::Ausrufezeichen,
                               VersionsTitel(d.versionsZehntel));
        }
        if (d.unvollstaendig) {
            unvollstaendig(pfad);
        }
        if (!d.rest.isEmpty()) {
            const QString rest = Nachbar(pfad, QStringLiteral("Kronel.Rest"));
            const bool eine = d.rest.size() == 1;
            QString text =
                eine ? QStringLiteral("Eine Zeile der Terminliste »%1« ist kein Termin").arg(pfad)
                     : QStringLiteral("%1 Zeilen der Terminliste »%2« sind keine Termine")
                           .arg(d.rest.size())
                           .arg(pfad);
            if (modul().NurLesen) {
                text += QStringLiteral(". Sie bleiben in der Datei, die nicht verändert wird.");
            } else {
                // Lines already at the end of the file count as appended.
                const QByteArray zeilen = RestNochNichtAmEnde(rest, d.rest);
                // Ignore goes on, but the lines are not in the file all the same.
                Status angehaengt;
                if (!zeilen.isEmpty()) {
                    lauf([&] { return angehaengt = DateiAnhaengen(rest, zeilen); });
                }
                if (lauf.abgebrochen()) {
                    ergebnis.abgebrochen = true;
                    return ergebnis;
                }
                if (angehaengt) {
                    text += (eine ? QStringLiteral(" und wurde unverändert an »%1« angehängt.")
                                  : QStringLiteral(" und wurden unverändert an »%1« angehängt."))
                                .arg(rest);
                } else {
                    text += (eine ? QStringLiteral(" und wurde nicht an »%1« angehängt.")
                                  : QStringLiteral(" und wurden nicht an »%1« angehängt."))
                                .arg(rest) +
                            QStringLiteral(
                                " Die ursprüngliche Datei wird vor dem ersten "
                                "Speichern aufbewahrt.");
                }
            }
            Hinweis(text, Box::Ausrufezeichen);
        }
        BesondereZeilenMelden(d, pfad);
        ListeTermine = std::move(d.termine);
    }

    TerminIndex = -1;
    AnzeigeAufbauen();
    if (!ListenPruefen()) {
        ergebnis.beenden = true;
        return ergebnis;
    }
    if (!lauf([&] { return AbgelaufeneVerarbeiten(); })) {
        ergebnis.abgebrochen = true;
        return ergebnis;
    }
    if (BeendenVerlangt) {
        ergebnis.beenden = true;
        return ergebnis;
    }
    TerminIndex = 0;
    FelderAnzeigen();
    ZeileWaehlen(0);
    Ungespeichert = 0;
    fenster_->StatusZeigen(kBereit);
    return ergebnis;
}

Status Terminbuch::OriginalBewahren(const QString& pfad) {
    if (!Unvollstaendig || !BewahrtesOriginal.isEmpty() || bewahrenQuelle_.isEmpty()) {
        return {};
    }
    if (!Vorhanden(bewahrenQuelle_)) {
        bewahrenQuelle_.clear();
        return {};
    }
    // Another program saved over the original since the load: what is there
    // now is kept as its version, under the lock.
    if (bewahrenQuelle_ == pfad) {
        const auto fremd = stand_.FremdeFassung(pfad);
        if (fremd && fremd.wert()) {
            bewahrenQuelle_.clear();
            return {};
        }
    }
    auto inhalt = DateiLesen(bewahrenQuelle_);
    if (!inhalt) {
        return inhalt.fehler();
    }
    const Ergebnis<QString> ziel = FassungBewahren(pfad, inhalt.wert());
    if (!ziel) {
        return ziel.fehler();
    }
    BewahrtesOriginal = *ziel;
    Hinweis(QStringLiteral("Die Terminliste wurde beim Laden nicht vollständig übernommen. Die "
                           "ursprüngliche Datei bleibt als »") +
                *ziel + QStringLiteral("« erhalten."),
            Box::Information);
    return {};
}

Speicherung Terminbuch::TermineSpeichern(Speicheranlass anlass) {
    if (modul().NurLesen) {
        return Speicherung::NurLesen;
    }
    if (speichert_) {
        return Speicherung::LaeuftSchon;
    }
    if (verweigert_) {
        Hinweis(QStringLiteral("Die Termine werden nicht gespeichert:\r\n\r\n") +
                    verweigert_->beschreibung +
                    QStringLiteral(".\r\n\r\nDie Datei wurde beim Laden nicht gelesen und wird "
                                   "bis zum Ende des Programms nicht überschrieben."),
                Box::Ausrufezeichen);
        return Speicherung::Fehlgeschlagen;
    }
    const QString pfad = PfadAufloesen(modul().DateiTermine);
    if (anlass == Speicheranlass::Ende && Ungespeichert == 0) {
        // Nothing here that the file lacks: another program's save stays, and
        // the roll-over comes again at the next load.
        const auto fremd = stand_.FremdeFassung(pfad);
        if (fremd && fremd.wert()) {
            return Speicherung::Belassen;
        }
    }
    speichert_ = true;
    struct Ende {
        bool& b;
        ~Ende() { b = false; }
    } ende{speichert_};
    SanduhrZeiger sanduhr;
    SchrittLaeufer lauf(
        Melder(QStringLiteral("Es ist ein Fehler beim Speichern der Termine aufgetreten.")),
        QStringLiteral("TermineSpeichern"));
    auto fehlgeschlagen = [&] {
        fenster_->StatusZeigen(kBereit);
        return Speicherung::Fehlgeschlagen;
    };

    if (!ListenPruefen()) {
        return Speicherung::Beenden;
    }
    if (!lauf([&] { return AbgelaufeneVerarbeiten(); })) {
        return fehlgeschlagen();
    }
    if (BeendenVerlangt) {
        return Speicherung::Beenden;
    }
    fenster_->StatusZeigen(QStringLiteral("Termine speichern..."));
    if (!lauf([&] { return OriginalBewahren(pfad); })) {
        return fehlgeschlagen();
    }
    fenster_->EreignisseZulassen();

    // Under the lock no box: it would hold another planner's save. The notes
    // come once the lock is free, the report of a failed step too.
    bool geschrieben = false;
    QStringList bewahrt;
    const QByteArray text = TermindateiText(ListeTermine, modul().VersionText);
    lauf([&]() -> Status {
        // A backup that cannot be made lets the save go on without a fresh one.
        Status s = GemeinsamSchreiben(pfad, text, stand_, bewahrt, pfad + QStringLiteral(".neu"),
                                      [&] { (void)SicherungAnlegen(pfad, 1); });
        geschrieben = s.ok();
        return s;
    });
    // At a signal's end the notes go to the log.
    for (const QString& ziel : bewahrt) {
        Hinweis(FremdeFassungText(pfad, ziel, geschrieben), Box::Information);
    }
    if (!geschrieben) {
        return fehlgeschlagen();
    }
    Ungespeichert = 0;
    // The book is saved: a settings file that cannot take the mark is told
    // apart, not as a failed save, and only here, not by the settings too.
    const auto ok = [] {
        const EinstellungsfehlerStill still;
        return IniSchreiben({}, {}, Protokoll::OLneu, QStringLiteral("1")).ok;
    };
    if (!ok()) {
        Hinweis(QStringLiteral("Die Termine wurden gespeichert, aber in der Einstellungsdatei »") +
                    IniDateiAufloesen({}) + QStringLiteral("« konnte »") + Protokoll::OLneu +
                    QStringLiteral("« nicht gesetzt werden.\r\n\r\nDie Erinnerung bemerkt die "
                                   "Änderung daher erst bei ihrem nächsten Start."),
                Box::Ausrufezeichen);
    }
    fenster_->StatusZeigen(kBereit);
    return Speicherung::Gespeichert;
}

}  // namespace kronel
