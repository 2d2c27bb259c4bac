#pragma once
// Settings access in INI files with the profile rules of the system: an empty
// file means RIVIROR.INI in the Windows folder, an empty section the program's
// own; names are matched without regard to case; a line break inside a value is
// stored as "**". Reading never throws; a write that cannot be done changes nothing.

#include <QString>
#include <QStringList>

#include <functional>

namespace kronel {

struct IniErgebnis {
    QString text;     // the text stored (trailing blanks cut, line breaks as "**")
    bool ok = false;  // false: nothing was written
};

QString IniLesen(const QString& datei, const QString& abschnitt, const QString& schluessel,
                 const QString& vorgabe = {});
// The values of every key of the section (the first section of that name), in
// the order of the file; empty when the file or the section is missing.
QStringList IniWerte(const QString& datei, const QString& abschnitt);
IniErgebnis IniSchreiben(const QString& datei, const QString& abschnitt, const QString& schluessel,
                         const QString& wert);
// Reads a key, makes its new value from the old one and writes it, all under
// the one lock: two programs counting at once lose no step.
IniErgebnis IniAendern(const QString& datei, const QString& abschnitt, const QString& schluessel,
                       const std::function<QString(const QString& alt)>& neu,
                       const QString& vorgabe = {});

// A settings write the disk refuses (full, failing) is told once per run,
// naming the file; a run nobody watches (modul().Unbeaufsichtigt) only logs it.
// While an object of this class lives, such failures are not told: the error
// report's own record is lost silently.
class EinstellungsfehlerStill {
public:
    EinstellungsfehlerStill();
    ~EinstellungsfehlerStill();
    EinstellungsfehlerStill(const EinstellungsfehlerStill&) = delete;
    EinstellungsfehlerStill& operator=(const EinstellungsfehlerStill&) = delete;
};

// What stands where a settings file belongs.
enum class IniArt {
    Fehlt,
    Einstellungen,
    Ordner,  // a folder in its place
    Fremd,   // bytes that are no settings file (NUL bytes, no section at all)
    Unlesbar,
};
IniArt IniDateiArt(const QString& datei);
// The key stands only in a later section of that name, which no read sees.
bool IniSchluesselNurSpaeter(const QString& datei, const QString& abschnitt,
                             const QString& schluessel);

// The folders as the settings code names them: without a trailing "/". The case
// of a path is never changed.
QString WindowsVerzeichnis();
QString SystemVerzeichnis();
QString ProgrammVerzeichnis();

// The file a call means, and the section it means (first letter upper case).
QString IniDateiAufloesen(const QString& datei, bool nurRechtsTrimmen = false);
QString IniAbschnittAufloesen(const QString& abschnitt);
// The default section of a program file name ("Kronelin" -> "Kronel").
QString StandardAbschnitt(const QString& programmDateiname);

}  // namespace kronel
