#pragma once
// Fakes of the platform services and a scratch environment for tests.

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "common/modul.h"
#include "platform/dateien.h"
#include "platform/dienste.h"
#include "platform/uhr.h"
#include "platform/wache.h"
#include "testsupport/drucken.h"
#include "testsupport/drucker.h"
#include "testsupport/oberflaeche_fakes.h"
#include "testsupport/systemfakten.h"
#include "testsupport/tastatur.h"
#include "testsupport/umgebungsvariablen.h"

namespace kronel::test {

class FakeUhr final : public Uhr {
public:
    explicit FakeUhr(QDateTime t = QDateTime(QDate(2026, 12, 9), QTime(9, 30, 0)))
        : jetzt_(std::move(t)) {}
    QDateTime jetzt() const override { return jetzt_; }
    void setzen(const QDateTime& t) { jetzt_ = t; }
    void weiter(qint64 sekunden) { jetzt_ = jetzt_.addSecs(sekunden); }

private:
    QDateTime jetzt_;
};

// Records every call: "piep 16 #SystemHand", "spiel /pfad", "stopp".
class AufnahmeTon final : public TonDienst {
public:
    void piepen(int typ, const QString& name) override;
    Status spielen(const QString& pfad) override;
    void stoppen() override;

    QStringList aufrufe;
    // Sounds since the last box (the fake message service takes them).
    QStringList seitLetzterBox;
    // A failure the next spielen() returns.
    std::optional<Fehler> naechsterFehler;
};

struct Box {
    QString titel;
    QString text;
    int stil = 0;
    QStringList tonVorher;
};

struct Eingabe {
    QString frage;
    QString titel;
    QString vorgabe;
};

// Replays scripted answers; with none left a box answers as a person who
// pressed Escape would, and the test can see that in `boxen`.
class SkriptMeldungen final : public MeldungsDienst {
public:
    explicit SkriptMeldungen(AufnahmeTon* ton = nullptr) : ton_(ton) {}
    int zeigen(const QString& text, int stil, const QString& titel) override;
    std::optional<QString> eingabe(const QString& frage, const QString& titel,
                                   const QString& vorgabe) override;

    void antworten(std::initializer_list<int> a) { antworten_.insert(antworten_.end(), a); }
    void eingaben(std::initializer_list<std::optional<QString>> e) {
        eingaben_.insert(eingaben_.end(), e);
    }
    size_t offeneAntworten() const { return antworten_.size(); }

    std::vector<Box> boxen;
    std::vector<Eingabe> eingabeBoxen;
    // Runs while a box is up, as the events a real box lets in.
    std::function<void()> beiBox;

private:
    AufnahmeTon* ton_;
    std::deque<int> antworten_;
    std::deque<std::optional<QString>> eingaben_;
};

class FakeZeiger final : public ZeigerDienst {
public:
    Zeiger aktuell() const override { return z; }
    void setzen(Zeiger neu) override {
        z = neu;
        verlauf.push_back(neu);
    }
    Zeiger z = Zeiger::Standard;
    std::vector<Zeiger> verlauf;
};

// A disk that fails on purpose, for the error paths of a save; without a failure
// set it passes everything on to the system.
class AusfallDatentraeger final : public Datentraeger {
public:
    qint64 schreiben(int fd, const char* daten, qint64 laenge) override;
    int sichern(int fd) override;
    int umbenennen(const char* alt, const char* neu) override;
    int sperren(int fd, int wartezeitMs) override;

    // Bytes the disk still takes; then every write fails with ENOSPC (a full disk).
    std::optional<qint64> platz;
    // The flush fails with EIO, the rename with EACCES.
    bool sichernScheitert = false;
    bool umbenennenScheitert = false;
    // How long each lock was waited for at most.
    std::vector<int> sperrWartezeiten;
    // A lock another holder keeps is given up at once, as after the whole wait.
    bool sperrenOhneWarten = false;
    // Another program holds every lock for a hundred waits; meanwhile it
    // replaces this file (taking turns at it) at each of the first ersetzend
    // waits, and only touches it at the others.
    QString fremdGesperrt;
    int ersetzend = 0;
};

// The one runtime context of a test: a fresh QTemporaryDir holding the Windows,
// system, program and data folders and $XDG_DATA_HOME; the fakes installed as services (the printer
// surface, the keyboard and the system facts too); the program named "Kronelin"; the module
// variables and the command line empty. Everything is put back when the object goes.
class TestUmgebung {
public:
    explicit TestUmgebung(const QString& programm = QStringLiteral("Kronelin"));
    ~TestUmgebung();
    TestUmgebung(const TestUmgebung&) = delete;
    TestUmgebung& operator=(const TestUmgebung&) = delete;

    QString windows() const { return wurzel_.path() + QStringLiteral("/windows"); }
    QString system() const { return wurzel_.path() + QStringLiteral("/windows/system"); }
    QString programm() const { return wurzel_.path() + QStringLiteral("/programm"); }
    QString daten() const { return wurzel_.path() + QStringLiteral("/daten"); }
    QString riviror() const { return windows() + QStringLiteral("/RIVIROR.INI"); }
    // $XDG_DATA_HOME: a user's own data folder is made below it, never in the real home.
    QString xdgDaten() const { return wurzel_.path() + QStringLiteral("/xdg-daten"); }

    // Writes bytes to a file below the root (folders are created).
    void schreiben(const QString& pfad, const QByteArray& inhalt) const;
    QByteArray lesen(const QString& pfad) const;

    FakeUhr uhr;
    AufnahmeTon ton;
    SkriptMeldungen meldungen{&ton};
    FakeZeiger zeiger;
    AufnahmeDrucker drucker;
    FakeBildschirm bildschirm;
    AufnahmeHilfe hilfe;
    AufnahmeWeb web;
    AufnahmeProzesse prozesse;
    FakeInstanzen instanzen;
    FakeTastatur tastatur;
    FakeSystemfakten systemfakten;
    AusfallDatentraeger datentraeger;
    // The folders' variables; a test sets more here, all go back at the end.
    Umgebungsvariablen variablen;

private:
    QTemporaryDir wurzel_;
    Dienste vorher_;
    Drucker* druckerVorher_ = nullptr;
    const Tastatur* tastaturVorher_ = nullptr;
    const Systemfakten* systemfaktenVorher_ = nullptr;
    Datentraeger* datentraegerVorher_ = nullptr;
    Wachbericht wachberichtVorher_ = nullptr;
    Modul modulVorher_;
    QString befehlszeileVorher_;
    QString programmnameVorher_;
};

}  // namespace kronel::test
