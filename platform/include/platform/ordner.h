#pragma once
// The folders of the system on Linux, and paths written the Windows way.

#include <QString>

#include <optional>

namespace kronel {

// $KRONEL_WINDIR, else $XDG_CONFIG_HOME/kronel, else ~/.config/kronel. No trailing "/".
QString WindowsOrdner();
// The user's own data folder: $XDG_DATA_HOME/kronel (a full path), else
// ~/.local/share/kronel.
QString EigenerDatenOrdner();
// $KRONEL_SYSDIR, else the subfolder "system" of the Windows folder.
QString SystemOrdner();
// $KRONEL_PROGDIR, else the folder of the running executable.
QString ProgrammOrdner();
// Turns a relative $KRONEL_WINDIR, $KRONEL_SYSDIR or $KRONEL_PROGDIR into a
// full path of the folder the program was started in. The programs start each
// other in their own folder, where the relative path would name other folders.
void OrdnerUmgebungFestmachen();
// The file name of the running program without folder and extension ("Kronelin").
QString ProgrammDateiname();
// Tests name the program whose rules they check (empty: the executable's name
// again); returns the name set before.
QString ProgrammDateinameSetzen(const QString& name);

// A path read from a setting or a file: "\" becomes "/". A path with a drive
// letter names nothing on Linux and gives an empty text.
QString PfadAusWindows(const QString& pfad);

// A relative path counts from the program folder ("the current folder").
QString PfadAbsolut(const QString& pfad);

// Finds name in folder: the exact spelling first, then without regard to case.
// Empty when there is none.
QString DateiImOrdnerFinden(const QString& ordner, const QString& name);
// A full path whose last part is matched without regard to case; the path as
// given when nothing matches (so a new file gets the given spelling).
QString PfadAufloesen(const QString& pfad);

}  // namespace kronel
