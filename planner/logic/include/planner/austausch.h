#pragma once
// Exchange files: records one to a line, as the record list holds them.

#include <QByteArray>
#include <QStringList>

namespace kronel {

class Terminbuch;

// The lines of an exchange file, checked as a load checks them.
struct AustauschInhalt {
    QStringList termine;
    qsizetype keineTermine = 0;  // blank or unreadable lines
    bool programme = false;      // a record starts a program
};
AustauschInhalt AustauschLesen(const QByteArray& inhalt);

// Whether a record's message starts a program when it is due.
bool StartetProgramm(const QString& termin);

// Appends the records up to the book's limit, rebuilds the display list once
// and makes the last one current; returns how many did not fit.
qsizetype AustauschAnhaengen(Terminbuch& buch, const QStringList& termine);

}  // namespace kronel
