#pragma once
// How Main reaches the windows of the other parts of the planner: each window
// has its own call, shown modally, with what it takes and what it hands back
// named after its controls. The window then is unloaded unless it is one that
// stays loaded for the run (search, settings).

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

#include "planner/hauptlogik.h"
#include "platform/oberflaeche.h"

namespace kronel {

enum class Fenstername {
    Suchen,
    Setup,
    Freizeit,
    Altes,
    Monatsblatt,
    Tips,
    Drucken,
    DruckenBlatt,
    Druckereinrichtung,
    ImpGeb,
    Dateiwahl,
    Notizen,
    Sonderzeichen,
    StdDialog,
    ZoomText,
};
// The form name of the window, for diagnostics.
QString FensterSchluessel(Fenstername f);

// The search window: the search text and "auto" to search at once, or nothing
// for a plain showing. It hands back its text and the index of the line found
// as decimal text ("-1" for none).
struct SuchenAnfrage {
    QString KomSuche;
    QString Rueckgabe;
    bool operator==(const SuchenAnfrage&) const = default;
};
struct SuchenErgebnis {
    QString KomSuche;
    QString Rueckgabe = QStringLiteral("-1");
    bool operator==(const SuchenErgebnis&) const = default;
};

// The settings dialog: the period choices, the stations and the look of the
// list; the stations and the look come back as the user left them.
struct SetupAnfrage {
    QStringList SKVon;
    QStringList SKAdresse;
    ListenAussehen ListeAnzeige;
    bool operator==(const SetupAnfrage&) const = default;
};
struct SetupErgebnis {
    std::optional<QStringList> SKAdresse;
    std::optional<ListenAussehen> ListeAnzeige;
    bool operator==(const SetupErgebnis&) const = default;
};

// The free-time overview reads the records; it and the archive viewer show
// their list in the font text of the appointment list and hand back a line
// "dd.mm.yyyy text" for a new appointment, empty when left without one.
struct FreizeitAnfrage {
    QStringList ListeTermine;
    QString Schrift;
    bool operator==(const FreizeitAnfrage&) const = default;
};
struct FreizeitErgebnis {
    QString BezUebergabe;
    bool operator==(const FreizeitErgebnis&) const = default;
};
struct AltesAnfrage {
    QString Schrift;
    bool operator==(const AltesAnfrage&) const = default;
};
struct AltesErgebnis {
    QString BezUebergabe;
    bool operator==(const AltesErgebnis&) const = default;
};

// The month calendar: its caption and the day it opens on; the caption of
// befSwitch(1) is a date text the calendar offers to go back to (empty: the
// switch stays hidden). It hands back the day it shows when closed.
struct MonatsblattAnfrage {
    QString Caption;
    QDate Calendar;
    QString befSwitch1;
    bool operator==(const MonatsblattAnfrage&) const = default;
};
struct MonatsblattErgebnis {
    QDate Calendar;
    bool operator==(const MonatsblattErgebnis&) const = default;
};

// The open or save dialog of a file, starting at pfad (folder and name); it
// hands back the chosen path as it is, or no value when cancelled.
struct DateiwahlAnfrage {
    QString Caption;
    QString pfad;
    QString Filter;  // "Name (*.x);;Alles (*)"
    bool speichern = false;
    bool operator==(const DateiwahlAnfrage&) const = default;
};

// The birthday import: the birthday lines the user selected, in list order.
struct ImpGebErgebnis {
    QStringList Liste;
    bool operator==(const ImpGebErgebnis&) const = default;
};

// The notes window and the special characters show their list in the font
// text of the appointment list; each hands back the text to insert, empty
// when left without one.
struct NotizenAnfrage {
    QString Schrift;
    bool operator==(const NotizenAnfrage&) const = default;
};
struct NotizenErgebnis {
    QString BezUebergabe;
    bool operator==(const NotizenErgebnis&) const = default;
};
struct SonderzeichenAnfrage {
    QString Schrift;
    bool operator==(const SonderzeichenAnfrage&) const = default;
};
struct SonderzeichenErgebnis {
    QString Text;
    bool operator==(const SonderzeichenErgebnis&) const = default;
};
// The file dialog of the program start: the full path of the chosen file,
// empty when cancelled.
struct StdDialogErgebnis {
    QString FileName;
    bool operator==(const StdDialogErgebnis&) const = default;
};
// The enlarged editor: the message (CR LF), its maximum length (0: none), the
// selection (positions count a line break as two characters, as the record
// does) and the font of the message field. It hands back Abbruch 1 when
// cancelled, else 0 and the edited text.
struct ZoomTextAnfrage {
    QString Caption;
    QString Text;
    int MaxLength = 0;
    int SelStart = 0;
    int SelLength = 0;
    SchriftWerte Schrift;
};
struct ZoomTextErgebnis {
    int Abbruch = 1;
    QString Text;
    bool operator==(const ZoomTextErgebnis&) const = default;
};

class NebenFenster {
public:
    virtual ~NebenFenster() = default;
    // Whether the window exists in this build; Main disables what reaches it
    // and shows only windows that exist.
    virtual bool vorhanden(Fenstername f) const = 0;

    virtual SuchenErgebnis Suchen(const SuchenAnfrage& anfrage) = 0;
    virtual SetupErgebnis Setup(const SetupAnfrage& anfrage) = 0;
    virtual FreizeitErgebnis Freizeit(const FreizeitAnfrage& anfrage) = 0;
    virtual AltesErgebnis Altes(const AltesAnfrage& anfrage) = 0;
    virtual MonatsblattErgebnis Monatsblatt(const MonatsblattAnfrage& anfrage) = 0;
    virtual void Tips() = 0;
    virtual void Drucken() = 0;
    virtual void DruckenBlatt() = 0;
    // Its answer is not looked at: cancel leaves the printer as it was.
    virtual void Druckereinrichtung() = 0;
    virtual ImpGebErgebnis ImpGeb() = 0;
    virtual std::optional<QString> Dateiwahl(const DateiwahlAnfrage& anfrage) = 0;
    virtual NotizenErgebnis Notizen(const NotizenAnfrage& anfrage) = 0;
    virtual SonderzeichenErgebnis Sonderzeichen(const SonderzeichenAnfrage& anfrage) = 0;
    virtual StdDialogErgebnis StdDialog() = 0;
    virtual ZoomTextErgebnis ZoomText(const ZoomTextAnfrage& anfrage) = 0;
};

}  // namespace kronel
