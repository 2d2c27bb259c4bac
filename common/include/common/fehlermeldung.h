#pragma once
// The central error report and the error mode of the whole system.

#include <QString>

#include "platform/fehler.h"
#include "platform/wache.h"

namespace kronel {

// True only in the development mode (KRONEL_ENTWICKLUNG=1): failures stop the program there.
bool LaeuftInIDE();

// Shows the Abort/Retry/Ignore box for a failure and records it in [Fehler] of
// RIVIROR.INI. Returns 3 (Abort), 4 (Retry) or 5 (Ignore); 0 for error number 0.
int FehlerMeldung(const Fehler& fehler, const QString& text);
// The same, with the failure's own description (which file, which record)
// below the text, where it has one.
int FehlerMeldungMitBeschreibung(const Fehler& fehler, const QString& text);

// Replaces every occurrence of such, found without regard to case; an empty
// search text leaves the text as it is.
QString Ersetzen(const QString& text, const QString& such, const QString& ersatz);

// The guard of the handlers (Absichern, platform/wache.h) reports through
// FehlerMeldung once this is put in: every program at start, the tests'
// environment too. Returns the report in force before.
Wachbericht WacheMitFehlerMeldung();

}  // namespace kronel
