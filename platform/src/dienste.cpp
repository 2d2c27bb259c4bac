#include "platform/dienste.h"

#include <QProcess>

#include <cstdio>
#include <cstdlib>
#include <type_traits>

#include "platform/oberflaeche.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

class OhneZeiger final : public ZeigerDienst {
public:
    Zeiger aktuell() const override { return z_; }
    void setzen(Zeiger z) override { z_ = z; }

private:
    Zeiger z_ = Zeiger::Standard;
};

class StandardBildschirm final : public BildschirmDienst {
public:
    double weite() const override { return 1024 * TwipsProPixel; }
    double hoehe() const override { return 768 * TwipsProPixel; }
    int bitsProPixel() const override { return 24; }
};

class OhneHilfe final : public HilfeDienst {
public:
    Status zeigen(const QString& datei, const QString&) override {
        return Fehler(FehlerNr::DateiNichtGefunden, datei);
    }
    void schliessen() override {}
};

class OhneBrowser final : public WebDienst {
public:
    bool oeffnen(const QString&) override { return false; }
};

class OhneInstanzwache final : public InstanzDienst {
public:
    bool anmelden(const QString&) override { return true; }
    bool aktivieren(const QString&) override { return false; }
    void beiAktivierung(std::function<void()>) override {}
};

Dienste& Aktuell() {
    static Dienste d;
    return d;
}

// The service as installed; a debug build stops where none was.
template <typename T>
T& Eingerichtet(T* dienst, [[maybe_unused]] const char* name, std::type_identity_t<T>& ersatz) {
#ifndef NDEBUG
    if (dienst == nullptr) {
        std::fprintf(stderr,
                     "Der Dienst »%s« ist nicht eingerichtet: das Programm, der Test oder das "
                     "Werkzeug muss ihn mit DiensteSetzen einrichten, bevor es ihn braucht.\n",
                     name);
        std::abort();
    }
#endif
    return dienst != nullptr ? *dienst : ersatz;
}

}  // namespace

int EscapeAntwort(int stil) {
    switch (stil & Box::KnopfMaske) {
        case Box::OKAbbrechen:
        case Box::JaNeinAbbrechen:
        case Box::WiederholenAbbrechen:
            return Antwort::Abbrechen;
        case Box::AbbrechenWiederholenIgnorieren:
            return Antwort::Abbruch;
        case Box::JaNein:
            return Antwort::Nein;
        default:  // an unknown set shows OK alone
            return Antwort::OK;
    }
}

Dienste& dienste() {
    return Aktuell();
}
void DiensteSetzen(const Dienste& d) {
    Aktuell() = d;
}

void MeldungProtokollieren(const QString& text, const QString& titel) {
    QString zeilen = text;
    zeilen.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString zeile =
        zeilen.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    std::fprintf(stderr, "[%s] %s\n", qPrintable(titel), qPrintable(zeile));
    std::fflush(stderr);
}

int KonsolenMeldungen::zeigen(const QString& text, int stil, const QString& titel) {
    MeldungProtokollieren(text, titel);
    return EscapeAntwort(stil);
}

std::optional<QString> KonsolenMeldungen::eingabe(const QString&, const QString&, const QString&) {
    return std::nullopt;
}

MeldungenInsProtokoll::MeldungenInsProtokoll() : vorher_(Aktuell().meldungen) {
    static KonsolenMeldungen protokoll;
    Aktuell().meldungen = &protokoll;
}

MeldungenInsProtokoll::~MeldungenInsProtokoll() {
    Aktuell().meldungen = vorher_;
}

Status SystemProzesse::starten(const QString& programm, const QStringList& argumente,
                               const QString& arbeitsordner) {
    if (programm.isEmpty()) {
        return Fehler(FehlerNr::DateiNichtGefunden, {});
    }
    if (!QProcess::startDetached(programm, argumente, arbeitsordner)) {
        return Fehler(
            FehlerNr::DateiNichtGefunden,
            FehlerBeschreibung(FehlerNr::DateiNichtGefunden) + QStringLiteral(": ") + programm);
    }
    return {};
}

Dienste OhneDesktopDienste() {
    static KonsolenMeldungen meldungen;
    static StillerTon ton;
    static SystemProzesse prozesse;
    Dienste d = Aktuell();
    d.meldungen = &meldungen;
    d.ton = &ton;
    d.prozesse = &prozesse;
    return d;
}

MeldungsDienst& meldungen() {
    static KonsolenMeldungen ersatz;
    return Eingerichtet(Aktuell().meldungen, "meldungen", ersatz);
}

TonDienst& ton() {
    static StillerTon ersatz;
    return Eingerichtet(Aktuell().ton, "ton", ersatz);
}

ZeigerDienst& zeiger() {
    static OhneZeiger ersatz;
    return Aktuell().zeiger != nullptr ? *Aktuell().zeiger : ersatz;
}

const Uhr& uhr() {
    static SystemUhr ersatz;
    return Aktuell().uhr != nullptr ? *Aktuell().uhr : ersatz;
}

BildschirmDienst& bildschirm() {
    static StandardBildschirm ersatz;
    return Aktuell().bildschirm != nullptr ? *Aktuell().bildschirm : ersatz;
}

HilfeDienst& hilfe() {
    static OhneHilfe ersatz;
    return Aktuell().hilfe != nullptr ? *Aktuell().hilfe : ersatz;
}

WebDienst& web() {
    static OhneBrowser ersatz;
    return Aktuell().web != nullptr ? *Aktuell().web : ersatz;
}

ProzessDienst& prozesse() {
    static SystemProzesse ersatz;
    return Eingerichtet(Aktuell().prozesse, "prozesse", ersatz);
}

InstanzDienst& instanzen() {
    static OhneInstanzwache ersatz;
    return Aktuell().instanzen != nullptr ? *Aktuell().instanzen : ersatz;
}

SanduhrZeiger::SanduhrZeiger() : vorher_(zeiger().aktuell()) {
    zeiger().setzen(Zeiger::Sanduhr);
}

SanduhrZeiger::~SanduhrZeiger() {
    zeiger().setzen(vorher_);
}

}  // namespace kronel
