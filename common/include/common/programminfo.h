#pragma once
// The texts of the about box and of the planner's title screen: the version as
// the user sees it, the caption with the program file's date and the block of
// system facts that helps when a user reports a problem.

#include <QString>

namespace kronel {

// "8.010090" -> "Version 32-Bit 8.01.0090".
QString VersionAnzeige(const QString& versionText);

// "Kronel, Version 32-Bit 8.01.0090 vom 12.03.1998": the date of the program
// file, left out when the file does not exist.
QString InfoTitel(const QString& programmdatei, const QString& versionText);

// The lines of the system facts, each ending in CR LF: user (left out when
// empty), the current, data (left out when not set) and program folders with
// their drive kinds, an empty line, the version and the installed package.
QString InfoSystemText(const QString& benutzer, const QString& versionText);

}  // namespace kronel
