#pragma once
// Failures carry the classic run-time error numbers, because the error tips and
// several callers key on them (53 file not found, 70 permission denied, ...).

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace kronel {

namespace FehlerNr {
inline constexpr int UngueltigesArgument = 5;
inline constexpr int Ueberlauf = 6;
inline constexpr int KeinSpeicher = 7;
inline constexpr int DivisionDurchNull = 11;
inline constexpr int Typfehler = 13;
inline constexpr int DateinameFalsch = 52;
inline constexpr int DateiNichtGefunden = 53;
inline constexpr int GeraetEinAusgabe = 57;
inline constexpr int DateiExistiert = 58;
inline constexpr int DatentraegerVoll = 61;
inline constexpr int HinterDateiende = 62;
inline constexpr int DateinameUngueltig = 64;
inline constexpr int GeraetNichtVerfuegbar = 68;
inline constexpr int ZugriffVerweigert = 70;
inline constexpr int NichtBereit = 71;
inline constexpr int PfadDateiZugriff = 75;
inline constexpr int PfadNichtGefunden = 76;
inline constexpr int Eigenschaftswert = 380;
inline constexpr int Druckerfehler = 482;
}  // namespace FehlerNr

struct Fehler {
    int nummer = 0;
    QString beschreibung;  // German text; the standard one of the number when empty
    int pos = 0;           // number of the failing step, 0 when unknown

    Fehler() = default;
    Fehler(int n, QString text = {}, int p = 0);
};

// The German standard description of a classic error number.
QString FehlerBeschreibung(int nummer);
// Maps an errno value to the classic number, with a German description.
Fehler FehlerAusErrno(int err, const QString& zusatz = {});

// Result of a step that can fail: a value or a Fehler.
template <typename T>
class [[nodiscard]] Ergebnis {
public:
    Ergebnis(T wert) : daten_(std::move(wert)) {}
    Ergebnis(Fehler f) : daten_(std::move(f)) {}

    bool ok() const { return daten_.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& wert() const { return std::get<0>(daten_); }
    T& wert() { return std::get<0>(daten_); }
    const T& operator*() const { return wert(); }
    const T* operator->() const { return &wert(); }
    T wertOder(T ersatz) const { return ok() ? wert() : std::move(ersatz); }
    const Fehler& fehler() const { return std::get<1>(daten_); }

private:
    std::variant<T, Fehler> daten_;
};

// A step without a value: empty on success.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Fehler f) : fehler_(std::move(f)) {}
    static Status Erfolg() { return {}; }

    bool ok() const { return !fehler_.has_value(); }
    explicit operator bool() const { return ok(); }
    const Fehler& fehler() const { return *fehler_; }

private:
    std::optional<Fehler> fehler_;
};

}  // namespace kronel
