#pragma once
// The roll-over of expired and cyclic appointments, shared by the planner, the
// reminder and the output program: an expired one-time appointment leaves the
// list (and goes to the archive), a cyclic one moves on by its cycle until its
// announce window reaches today.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

#include "common/datenpfade.h"
#include "platform/fehler.h"

namespace kronel {

struct AbgelaufenRegeln {
    // Planner: a cycle is active when its last letter is one of "jqmwt".
    // Reminder and output program: every cycle other than "-".
    bool nurBekannteZyklen = true;
    // The counter field "{ZyklusZähler:n}" rises by one per roll-over.
    bool zaehlerErhoehen = true;
    // Expired one-time appointments are appended to the archive (they leave the
    // list either way).
    bool archivieren = true;
    QString archiv;  // path of Kronel.Old
};

struct AbgelaufenErgebnis {
    qsizetype archiviert = 0;
    qsizetype entfernt = 0;
    qsizetype fortgeschrieben = 0;
    // Records that could not be rolled over; they stay as they were.
    struct Defekt {
        QString termin;
        Fehler fehler;
    };
    std::vector<Defekt> defekte;
    // For each record of the new list its index in the old one; -1 where the
    // record was changed.
    std::vector<qsizetype> herkunft;
};

bool ZyklusAktiv(QStringView zyklusFeld, bool nurBekannteZyklen);

// The first date of the cycle whose announce window (date shifted by bis) reaches
// heute, as the stepwise rule gives it; computed directly rather than step by step.
// None when the cycle does not move the date forward or a date leaves the range.
std::optional<QDate> ZyklusFortschreiben(const QDate& datum, const Periode& zyklus,
                                         const Periode& bis, const QDate& heute);

// One record rolled over as a cyclic one: new date and raised counter.
Ergebnis<QString> TerminFortschreiben(const QString& termin, const QDate& heute, bool zaehler);

// What the roll-over does with one record, the archive aside.
struct AbgelaufenSchritt {
    enum class Art {
        Bleibt,  // not expired, or a cycle that does not move the date forward
        Faellt,  // an expired one-time record: it leaves the list
        Neu,     // rolled on: neu replaces it
        Defekt,  // it cannot be rolled over and stays as it is
    };
    Art art = Art::Bleibt;
    QString neu;
    Fehler fehler;
};

// The decision for one record after another, the period codes read once: for a
// reader that keeps only some of the records.
class AbgelaufenPruefer {
public:
    AbgelaufenPruefer(const QDate& heute, const AbgelaufenRegeln& regeln);
    AbgelaufenSchritt pruefen(const QString& termin);

private:
    QDate heute_;
    bool nurBekannteZyklen_;
    bool zaehlerErhoehen_;
    Periodenspeicher perioden_;
};

// The failure of a roll-over with broken records, naming the first of them
// and how many there are.
Fehler DefekteFehler(const AbgelaufenErgebnis& e);

// Appends the archive line of a record to the archive, under its lock (waited
// for up to wartezeitMs); the failure names the file.
Status InsArchiv(const QString& archiv, const QString& termin, int wartezeitMs = 10000);

// Rolls over the whole list in place; the order of the rest is kept.
AbgelaufenErgebnis AbgelaufeneFortschreiben(QStringList& termine, const QDate& heute,
                                            const AbgelaufenRegeln& regeln);

}  // namespace kronel
