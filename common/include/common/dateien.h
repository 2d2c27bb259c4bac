#pragma once

#include <QString>

namespace kronel {

// True when the named file exists and can be opened for reading; false for an
// empty name, a name with "*" or "?", a folder, and a Windows drive path.
// A relative name counts from the program folder; the last part of the name is
// found without regard to case.
bool DateiVorhanden(const QString& name);

}  // namespace kronel
