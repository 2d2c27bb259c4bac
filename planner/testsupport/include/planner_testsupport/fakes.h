#pragma once
// A window of records for the main window's logic, and scripted side windows.

#include <gtest/gtest.h>

#include <QList>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "planner/nebenfenster.h"
#include "planner/planer.h"

namespace kronel::test {

class AufnahmeSicht final : public MainSicht {
public:
    void NurLesenAnpassen() override { schritte << QStringLiteral("NurLesen"); }
    void EinstellungenAnwenden() override { schritte << QStringLiteral("EinstellungenAnwenden"); }
    void EinstellungenSpeichern() override { schritte << QStringLiteral("EinstellungenSpeichern"); }
    void AuswahlFuellen(Auswahl liste, const QStringList& worte) override {
        schritte << AuswahlSchluessel(liste);
        auswahl[liste] = worte;
    }
    QStringList AuswahlEintraege(Auswahl liste) const override {
        const auto i = auswahl.find(liste);
        return i == auswahl.end() ? QStringList() : i->second;
    }
    ListenAussehen Aussehen() const override { return aussehen; }
    void AussehenSetzen(const ListenAussehen& a) override {
        schritte << QStringLiteral("AussehenSetzen");
        aussehen = a;
    }
    TerminFelder FelderLesen() const override { return felder; }
    void FelderSetzen(const TerminFelder& f) override { felder = f; }
    void DatumSetzen(const QString& text) override { felder.STDatum = text; }
    void PanelSetzen(Panel p, const QString& text) override { panels[p] = text; }
    TerminBeschriftung Beschriftung() const override { return beschriftung; }
    void BeschriftungSetzen(const TerminBeschriftung& b) override { beschriftung = b; }
    void ListeAbgleichen(const QStringList& z, qsizetype index) override {
        zeilen = z;
        markiert = index;
    }
    void ZeitSchalten(bool an) override {
        zeit = an;
        schritte << (an ? QStringLiteral("ZeitAn") : QStringLiteral("ZeitAus"));
    }
    void FokusSetzen(Feld f) override { fokus = f; }
    void FormResize() override { schritte << QStringLiteral("FormResize"); }
    void UndoSchalten(bool an) override { undo = an; }
    void AllesMarkieren(Feld f) override {
        ganzMarkiert = f;
        if (f == Feld::STMeldung) {
            meldungStart = 0;
            meldungLaenge = static_cast<int>(felder.STMeldung.size());
        }
    }
    std::pair<int, int> MeldungAuswahl() const override { return meldungAuswahl; }
    SchriftWerte MeldungSchrift() const override { return meldungSchrift; }
    void EreignisseZulassen() override {
        if (beiEreignissen) {
            beiEreignissen();
        }
    }
    void MeldungEinfuegen(const QString& text) override {
        felder.STMeldung.replace(meldungStart, meldungLaenge, text);
        meldungStart += static_cast<int>(text.size());
        meldungLaenge = 0;
        fokus = Feld::STMeldung;
    }
    void MeldungErsetzen(const QString& text) override {
        felder.STMeldung = text;
        meldungStart = static_cast<int>(text.size());
        meldungLaenge = 0;
        fokus = Feld::STMeldung;
    }
    QString ListenSchrift() const override { return listenSchrift; }
    void ProgrammEnde() override {
        ++enden;
        schritte << QStringLiteral("Ende");
    }

    QStringList schritte;
    std::map<Auswahl, QStringList> auswahl;
    ListenAussehen aussehen;
    TerminFelder felder;
    std::map<Panel, QString> panels;
    TerminBeschriftung beschriftung;
    QStringList zeilen;
    qsizetype markiert = -1;
    bool zeit = false;
    int enden = 0;
    std::optional<Feld> fokus;
    std::optional<bool> undo;
    std::optional<Feld> ganzMarkiert;
    std::function<void()> beiEreignissen;
    // The caret and selection of STMeldung, and the font text of the list.
    int meldungStart = 0;
    int meldungLaenge = 0;
    QString listenSchrift;
    std::pair<int, int> meldungAuswahl{0, 0};
    SchriftWerte meldungSchrift;
};

// Windows listed in `da` exist; each showing is recorded, with what it was
// given, and answered as scripted. Showing a window that does not exist fails
// the test.
class SkriptFenster final : public NebenFenster {
public:
    bool vorhanden(Fenstername f) const override { return da.contains(f); }
    SuchenErgebnis Suchen(const SuchenAnfrage& anfrage) override {
        return aufnehmen(Fenstername::Suchen, suchen, anfrage, suchenAntwort);
    }
    SetupErgebnis Setup(const SetupAnfrage& anfrage) override {
        return aufnehmen(Fenstername::Setup, setup, anfrage, setupAntwort);
    }
    FreizeitErgebnis Freizeit(const FreizeitAnfrage& anfrage) override {
        return aufnehmen(Fenstername::Freizeit, freizeit, anfrage, freizeitAntwort);
    }
    AltesErgebnis Altes(const AltesAnfrage& anfrage) override {
        return aufnehmen(Fenstername::Altes, altes, anfrage, altesAntwort);
    }
    MonatsblattErgebnis Monatsblatt(const MonatsblattAnfrage& anfrage) override {
        return aufnehmen(Fenstername::Monatsblatt, monatsblatt, anfrage, monatsblattAntwort);
    }
    void Tips() override { zeigen(Fenstername::Tips); }
    void Drucken() override { zeigen(Fenstername::Drucken); }
    void DruckenBlatt() override { zeigen(Fenstername::DruckenBlatt); }
    void Druckereinrichtung() override { zeigen(Fenstername::Druckereinrichtung); }
    ImpGebErgebnis ImpGeb() override {
        zeigen(Fenstername::ImpGeb);
        return impGebAntwort;
    }
    std::optional<QString> Dateiwahl(const DateiwahlAnfrage& anfrage) override {
        return aufnehmen(Fenstername::Dateiwahl, dateiwahl, anfrage, dateiwahlAntwort);
    }
    NotizenErgebnis Notizen(const NotizenAnfrage& anfrage) override {
        return aufnehmen(Fenstername::Notizen, notizen, anfrage, notizenAntwort);
    }
    SonderzeichenErgebnis Sonderzeichen(const SonderzeichenAnfrage& anfrage) override {
        return aufnehmen(Fenstername::Sonderzeichen, sonderzeichen, anfrage, sonderzeichenAntwort);
    }
    StdDialogErgebnis StdDialog() override {
        zeigen(Fenstername::StdDialog);
        return stdDialogAntwort;
    }
    ZoomTextErgebnis ZoomText(const ZoomTextAnfrage& anfrage) override {
        return aufnehmen(Fenstername::ZoomText, zoomText, anfrage, zoomTextAntwort);
    }

    // The form names of the windows shown, in their order.
    QStringList gezeigtNamen() const {
        QStringList namen;
        for (const Fenstername f : gezeigt) {
            namen << FensterSchluessel(f);
        }
        return namen;
    }

    QList<Fenstername> da;
    std::vector<Fenstername> gezeigt;
    std::vector<SuchenAnfrage> suchen;
    std::vector<MonatsblattAnfrage> monatsblatt;
    std::vector<SetupAnfrage> setup;
    std::vector<ZoomTextAnfrage> zoomText;
    std::vector<FreizeitAnfrage> freizeit;
    std::vector<AltesAnfrage> altes;
    std::vector<DateiwahlAnfrage> dateiwahl;
    SuchenErgebnis suchenAntwort;
    SetupErgebnis setupAntwort;
    FreizeitErgebnis freizeitAntwort;
    AltesErgebnis altesAntwort;
    MonatsblattErgebnis monatsblattAntwort;
    ImpGebErgebnis impGebAntwort;
    std::optional<QString> dateiwahlAntwort;
    std::vector<NotizenAnfrage> notizen;
    std::vector<SonderzeichenAnfrage> sonderzeichen;
    NotizenErgebnis notizenAntwort;
    SonderzeichenErgebnis sonderzeichenAntwort;
    StdDialogErgebnis stdDialogAntwort;
    ZoomTextErgebnis zoomTextAntwort;
    // Runs while a window is shown (its event loop lets anything in).
    std::function<void(Fenstername)> beimZeigen;

private:
    // Records the showing and what the window was given; its scripted answer.
    template <typename Anfrage, typename Antwort>
    Antwort aufnehmen(Fenstername f, std::vector<Anfrage>& anfragen, const Anfrage& anfrage,
                      const Antwort& antwort) {
        zeigen(f);
        anfragen.push_back(anfrage);
        return antwort;
    }
    void zeigen(Fenstername f) {
        if (!da.contains(f)) {
            ADD_FAILURE() << "window not registered shown: " << qPrintable(FensterSchluessel(f));
        }
        gezeigt.push_back(f);
        if (beimZeigen) {
            beimZeigen(f);
        }
    }
};

}  // namespace kronel::test
