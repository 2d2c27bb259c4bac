#pragma once
// Windows and controls as the common routines see them: plain values behind
// small interfaces, so the logic stays free of widgets. Lengths are twips
// (1440 per logical inch, 15 per pixel at 96 dpi); colours are the signed 32-bit
// 0x00BBGGRR numbers of the settings (system colours 0x800000nn are negative).

#include <QString>

#include <optional>

namespace kronel {

inline constexpr double TwipsProPixel = 15.0;

struct SchriftWerte {
    QString name;
    double groesse = 0;  // points
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    // Only the settings dialog sets it; the font texts do not carry it.
    bool durchgestrichen = false;
    bool operator==(const SchriftWerte&) const = default;
};

// A control (or the printer) with a font and a text colour.
class SchriftTraeger {
public:
    virtual ~SchriftTraeger() = default;
    virtual SchriftWerte schrift() const = 0;
    virtual void schriftSetzen(const SchriftWerte& s) = 0;
    // No value for a control without a text colour.
    virtual std::optional<qint32> farbe() const = 0;
    // False when the control refuses the colour.
    virtual bool farbeSetzen(qint32 farbe) = 0;
};

// A text field with caret and selection (positions count characters from 0).
class TextSteuerelement {
public:
    virtual ~TextSteuerelement() = default;
    virtual QString text() const = 0;
    virtual void textSetzen(const QString& text) = 0;
    virtual int auswahlStart() const = 0;
    virtual int auswahlLaenge() const = 0;
    virtual void auswahlSetzen(int start, int laenge) = 0;
    // False when the field cannot take the focus (hidden, disabled).
    virtual bool fokusSetzen() = 0;
};

struct FensterMasse {
    double links = 0;
    double oben = 0;
    double weite = 0;
    double hoehe = 0;
};

enum class FensterZustand { Normal, Minimiert, Maximiert };

// A top-level window: size and position in twips, its state.
class FensterSteuerelement {
public:
    virtual ~FensterSteuerelement() = default;
    virtual FensterMasse masse() const = 0;
    // Moves and sizes in one step.
    virtual void masseSetzen(const FensterMasse& m) = 0;
    // Moves and keeps the size.
    virtual void verschieben(double links, double oben) = 0;
    virtual FensterZustand zustand() const = 0;
    virtual void zustandSetzen(FensterZustand z) = 0;
};

// A list box or combo box through the members the list tools use; items count
// from 0. Text is the edit field of a combo box (a list box: its selected item).
class ListenSteuerelement {
public:
    virtual ~ListenSteuerelement() = default;
    virtual int ListCount() const = 0;
    virtual QString List(int index) const = 0;
    virtual void AddItem(const QString& eintrag) = 0;
    virtual void RemoveItem(int index) = 0;
    virtual void Clear() = 0;
    virtual QString Text() const = 0;
    virtual void setText(const QString& text) = 0;
};

}  // namespace kronel
