#pragma once
// A window of records for the main window's logic, and scripted side windows.

#include <QMap>
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
    void AllesMarkieren(Feld f) override { ganzMarkiert = f; }
    void EreignisseZulassen() override {
        if (beiEreignissen) {
            beiEreignissen();
        }
    }
    void ProgrammEnde() override {
        ++enden;
        schritte << QStringLiteral("Ende");
    }

    QStringList schritte;
    std::map<Auswahl, QStringList> auswahl;
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
};

// Windows listed in `vorhanden` exist; each showing is recorded and answered
// with the scripted members.
class SkriptFenster final : public NebenFenster {
public:
    bool vorhanden(const QString& fenster) const override { return da.contains(fenster); }
    Uebergabe zeigen(const QString& fenster, const Uebergabe& hin) override {
        gezeigt.push_back({fenster, hin});
        Uebergabe r = hin;
        for (auto it = antwort[fenster].cbegin(); it != antwort[fenster].cend(); ++it) {
            r[it.key()] = it.value();
        }
        return r;
    }
    QStringList da;
    QMap<QString, Uebergabe> antwort;
    std::vector<std::pair<QString, Uebergabe>> gezeigt;
};

}  // namespace kronel::test
