#pragma once
// The start-up check of the system clock, shared by the output program and the reminder.

namespace kronel {

// Reads the current date and time from the clock service (uhr()) and checks that
// they read back as a valid date ("dd.mm.yyyy hh:nn:ss", years 100 to 9999).
// When they do not, plays "#SystemExclamation" and shows one exclamation box titled
// "Aktuelles Datum / Uhrzeit ist ungültig" through the message service; the
// caller goes on either way. Call it once at start. Returns true for a valid clock.
bool SystemDatumPruefen();

}  // namespace kronel
