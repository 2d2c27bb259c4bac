#pragma once
// The Qt side of the desktop services and of the control interfaces.

#include <QMargins>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

#include "platform/dienste.h"
#include "platform/oberflaeche.h"

class QComboBox;
class QLocalServer;
class QLineEdit;
class QPlainTextEdit;
class QTextEdit;

namespace kronel {

// The primary screen (logical pixels times 15 twips).
class QtBildschirm final : public BildschirmDienst {
public:
    double weite() const override;
    double hoehe() const override;
    int bitsProPixel() const override;
};

class QtWeb final : public WebDienst {
public:
    bool oeffnen(const QString& adresse) override;
};

// One QLocalServer per user and program name. A socket left behind by a crash
// answers no connection and is removed before listening.
class QtInstanzen final : public InstanzDienst {
public:
    QtInstanzen();
    ~QtInstanzen() override;
    bool anmelden(const QString& name) override;
    bool aktivieren(const QString& name) override;
    void beiAktivierung(std::function<void()> handler) override;
    // The socket name of a program for this user.
    static QString KanalName(const QString& name);

private:
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> handler_;
};

// Font and text colour of a widget; the colour is the text role of its palette.
class QtSchriftTraeger final : public SchriftTraeger {
public:
    explicit QtSchriftTraeger(QWidget* w) : w_(w) {}
    SchriftWerte schrift() const override;
    void schriftSetzen(const SchriftWerte& s) override;
    std::optional<qint32> farbe() const override;
    bool farbeSetzen(qint32 farbe) override;

private:
    QPointer<QWidget> w_;
};

// A QLineEdit, QPlainTextEdit or QTextEdit (plain text) as a text field.
class QtTextfeld final : public TextSteuerelement {
public:
    explicit QtTextfeld(QWidget* w) : w_(w) {}
    QString text() const override;
    void textSetzen(const QString& text) override;
    int auswahlStart() const override;
    int auswahlLaenge() const override;
    void auswahlSetzen(int start, int laenge) override;
    bool fokusSetzen() override;

private:
    QPointer<QWidget> w_;
};

// The frame the desktop's window manager will put around a new top-level
// window, asked once a process; none off X11 or where no window manager tells.
QMargins FenstermanagerRahmen();

// A top-level window; the frame counts as the system counts it (outer edges).
class QtFenster final : public FensterSteuerelement {
public:
    // The frame a window manager put around a window; none while it has not.
    using RahmenAbfrage = std::function<QMargins(const QWidget&)>;
    // Without a query the frame is the one Qt knows. A window never shown that
    // keeps the size its design gave it counts the frame it will get (kommt;
    // without it the one FenstermanagerRahmen names) to its outer size.
    explicit QtFenster(QWidget* w, RahmenAbfrage rahmen = {}, RahmenAbfrage kommt = {});
    FensterMasse masse() const override;
    void masseSetzen(const FensterMasse& m) override;
    void verschieben(double links, double oben) override;
    FensterZustand zustand() const override;
    void zustandSetzen(FensterZustand z) override;

private:
    QMargins Rahmen() const;
    QPointer<QWidget> w_;
    RahmenAbfrage rahmen_;
    RahmenAbfrage kommt_;
};

// A QListWidget or QComboBox as a list control. A sorted list widget puts
// every new item in its place.
class QtListe final : public ListenSteuerelement {
public:
    explicit QtListe(QWidget* w) : w_(w) {}
    int ListCount() const override;
    QString List(int index) const override;
    void AddItem(const QString& eintrag) override;
    void RemoveItem(int index) override;
    void Clear() override;
    QString Text() const override;
    void setText(const QString& text) override;

private:
    QPointer<QWidget> w_;
};

// A colour of the settings (0x00BBGGRR; system colours 0x800000nn) as a Qt colour
// and back; system colours take the palette's colour of that role.
QColor FarbeAusWert(qint32 wert);
qint32 WertAusFarbe(const QColor& farbe);

// The items of a combo box, in order.
QStringList KombiEintraege(const QComboBox& kombi);

// Makes kombi a combo box with free text: what the user types is its text; the
// list is a choice. Nothing completes from the list, nothing typed is added to
// it, Enter takes an item only when the text equals it exactly, leaving the box
// takes none, and the text fits one line as EinzeiligEinpassen makes it.
void KombiFreitext(QComboBox& kombi);

// A one-line field takes what is typed, pasted or dropped as the files can hold
// it: a line break becomes a blank, a tab or other control character goes, and
// what Windows-1252 cannot hold becomes "?". The field fits the text itself,
// before it shows it or tells of the edit, so no handler has to write it back.
// hoechstens (0: none) is the field's length limit, taken here instead of by
// the field's own maxLength, which would cut the raw text before a tab or a
// line break is gone; called again, it replaces the earlier fitting.
void EinzeiligEinpassen(QLineEdit* feld, int hoechstens = 0);

// A paste into a one-line field of any window (a line edit, also that of an
// editable combo box or a spin box) that brings no character the field keeps
// (an empty clipboard, one without text, a lone tab) leaves the field's text
// and selection as they are. Once for the application.
void LeeresEinfuegenAbfangen();

}  // namespace kronel
