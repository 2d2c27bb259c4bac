#pragma once
// The one way a program ends, for all four programs.

namespace kronel {

// Leaves the event loop with that code, also a modal one that is open; before
// the loop runs it keeps it from running (the start asks ProgrammBeendet).
void ProgrammBeenden(int code = 0);
bool ProgrammBeendet();
int ProgrammEndeCode();
// A new run in the same process (tests) starts unended.
void ProgrammEndeZuruecksetzen();

}  // namespace kronel
