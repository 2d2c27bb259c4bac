#pragma once
// The printer as a page-oriented drawing surface: text at a current position,
// text metrics, points and rectangle outlines, measured in the unit chosen by
// ScaleMode (the printouts choose centimetres). Every printout draws on the one
// surface installed for the program; tests install a recording one.

#include <QString>

#include "platform/fehler.h"

namespace kronel {

// The units of ScaleMode with their classic numbers.
namespace Massstab {
inline constexpr int Twips = 1, Punkt = 2, Zoll = 5, Millimeter = 6, Zentimeter = 7;
}
namespace Ausrichtung {
inline constexpr int Hochformat = 1, Querformat = 2;
}

class Drucker {
public:
    virtual ~Drucker() = default;

    // An unknown unit number is refused with error 380 and changes nothing.
    virtual Status setScaleMode(int modus) = 0;
    virtual int ScaleMode() const = 0;
    // The printable area of the page in the current unit; follows Orientation.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    // 1 portrait, 2 landscape; any other value is refused with error 380.
    virtual Status setOrientation(int ausrichtung) = 0;
    virtual int Orientation() const = 0;

    // The top left corner of the next text.
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;

    // Fonts are never an error: a name the system lacks is substituted, a size
    // of 0 or less keeps the size before.
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double punkte) = 0;
    virtual void setFontBold(bool an) = 0;
    virtual void setFontItalic(bool an) = 0;
    virtual QString FontName() const = 0;
    virtual double FontSize() const = 0;
    virtual bool FontBold() const = 0;
    virtual bool FontItalic() const = 0;
    // Colour of the following text, points and lines as 0x00BBGGRR; 0 is black.
    virtual void setForeColor(int farbe) = 0;
    virtual int ForeColor() const = 0;

    // Width of the longest line and height of all lines of the text, in the
    // current font and unit.
    virtual double TextWidth(const QString& text) const = 0;
    virtual double TextHeight(const QString& text) const = 0;

    // Draws the text at the current position; CR LF, LF and CR inside it start a
    // new line at x 0. A line that would run past the bottom of the page goes
    // on at the top of a new page. With zeilenende the line is ended (x 0, y one
    // line further down), otherwise x moves behind the text. An empty text with
    // zeilenende only ends the line.
    virtual Status Print(const QString& text, bool zeilenende = true) = 0;
    virtual Status PSet(double x, double y, int farbe) = 0;
    // The outline of the rectangle at (x, y) with that width and height.
    virtual Status Line(double x, double y, double breite, double hoehe, int farbe) = 0;
    // Hands the document to the printer; without any drawing it does nothing.
    // The next drawing starts a new document.
    virtual Status EndDoc() = 0;
    // Throws the open document away, so that a print run left halfway through
    // leaves no job behind; without an open document it does nothing.
    virtual void KillDoc() = 0;
    // Where the last finished document went, as a German sentence for the
    // status bar ("Der Ausdruck wurde als PDF-Datei »…« gespeichert."); empty
    // when it went to a printer or nothing was printed yet.
    virtual QString Hinweis() const = 0;
};

// The surface in force. Without an installed one every drawing call fails
// with error 482, since no printer is there.
Drucker& drucker();
// Installs a surface (nullptr: none) and returns the one before.
Drucker* DruckerSetzen(Drucker* d);

// The page model shared by the real surface and the test surface: positions,
// font state, line ends and the overflow onto a new page. Positions are kept
// in centimetres; the back end only draws and measures.
class DruckerSeitenmodell : public Drucker {
public:
    Status setScaleMode(int modus) override;
    int ScaleMode() const override { return modus_; }
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    Status setOrientation(int ausrichtung) override;
    int Orientation() const override { return schrift_.ausrichtung; }

    void setCurrentX(double x) override;
    void setCurrentY(double y) override;
    double CurrentX() const override { return inEinheit(x_); }
    double CurrentY() const override { return inEinheit(y_); }

    void setFontName(const QString& name) override;
    void setFontSize(double punkte) override;
    void setFontBold(bool an) override;
    void setFontItalic(bool an) override;
    QString FontName() const override { return schrift_.name; }
    double FontSize() const override { return schrift_.groesse; }
    bool FontBold() const override { return schrift_.fett; }
    bool FontItalic() const override { return schrift_.kursiv; }
    void setForeColor(int farbe) override;
    int ForeColor() const override { return schrift_.farbe; }

    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;

    Status Print(const QString& text, bool zeilenende = true) override;
    Status PSet(double x, double y, int farbe) override;
    Status Line(double x, double y, double breite, double hoehe, int farbe) override;
    Status EndDoc() override;
    void KillDoc() override;
    QString Hinweis() const override { return hinweis_; }

    // The state the back end draws with.
    struct Zustand {
        QString name = QStringLiteral("Arial");
        double groesse = 10.0;
        bool fett = false;
        bool kursiv = false;
        int farbe = 0;
        int ausrichtung = Ausrichtung::Hochformat;
    };

protected:
    // Back end, all lengths in centimetres from the top left of the printable area.
    // Width and height of the printable area for that orientation.
    virtual double seitenBreiteCm(int ausrichtung) const = 0;
    virtual double seitenHoeheCm(int ausrichtung) const = 0;
    virtual double zeilenBreiteCm(const Zustand& s, const QString& zeile) const = 0;
    virtual double zeilenHoeheCm(const Zustand& s) const = 0;
    // Starts the document with its first page, or a further page of it.
    virtual Status dokumentBeginnen(const Zustand& s) = 0;
    virtual Status seiteBeginnen(const Zustand& s) = 0;
    virtual Status zeileZeichnen(const Zustand& s, double x, double y, const QString& zeile) = 0;
    virtual Status punktZeichnen(double x, double y, int farbe) = 0;
    virtual Status rahmenZeichnen(double x, double y, double b, double h, int farbe) = 0;
    // Finishes the document; gives the sentence for Hinweis().
    virtual Ergebnis<QString> dokumentBeenden() = 0;
    virtual void dokumentVerwerfen() = 0;
    // Every call that changes the surface or draws, written with its values
    // in centimetres ("CurrentX 2.5", "Print »Text« ;"); the test surface keeps them.
    virtual void aufgerufen(const QString& aufruf) { (void)aufruf; }

    const Zustand& zustand() const { return schrift_; }
    bool dokumentOffen() const { return offen_; }

private:
    double inEinheit(double cm) const;
    double inCm(double wert) const;
    // Opens the document or a new page as needed before something is drawn.
    Status zeichnenVorbereiten();
    Status zeileAusgeben(const QString& zeile);

    int modus_ = Massstab::Twips;
    Zustand schrift_;
    double x_ = 0.0;
    double y_ = 0.0;
    bool offen_ = false;
    bool seiteHatInhalt_ = false;
    QString hinweis_;
};

// A plain page model for surfaces without a device: an A4 sheet with a
// printable area of 19.0 x 27.7 cm (landscape the other way round); every
// character is FontSize / 40 cm wide and every line FontSize / 20 cm high
// (10 pt: 0.25 cm by 0.5 cm), whatever the font.
class EinfachesSeitenmodell : public DruckerSeitenmodell {
protected:
    double seitenBreiteCm(int ausrichtung) const override;
    double seitenHoeheCm(int ausrichtung) const override;
    double zeilenBreiteCm(const Zustand& s, const QString& zeile) const override;
    double zeilenHoeheCm(const Zustand& s) const override;
};

}  // namespace kronel
