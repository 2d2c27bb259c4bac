#pragma once
// Appointments whose message begins with "@" start a program instead of showing
// a message: "@" + command line starts at once, "@" + question + "@" + command
// line asks first, "@@" + command line asks whether that program is to start.

#include <QString>
#include <QStringList>

#include <optional>

#include "platform/fehler.h"

namespace kronel {

struct TerminProgramm {
    QString befehlszeile;
    std::optional<QString> frage;  // asked first when set
};

// The parts of an "@" message; no value for a text that does not begin with "@".
// Line-break markers "°°" at the end of the question are dropped.
std::optional<TerminProgramm> TerminProgrammLesen(const QString& text);

struct Befehl {
    QString programm;
    QStringList argumente;
};

// Splits a command line as Windows does: the program runs to the first blank
// or, when it begins with a double quote, to the next one; the arguments are
// separated by blanks and tabs, double quotes group blanks into an argument,
// "" inside quotes is one quote, and backslashes count only in front of a
// quote (2n of them give n and the quote groups; 2n+1 give n and a quote).
Befehl BefehlszeileZerlegen(const QString& zeile);

struct Programmaufruf {
    QString programm;  // the program file, as a full path
    QStringList argumente;
    QString arbeitsordner;
};

// The start of a command line: the program file is looked up without regard to
// case ("\" taken as "/"; a relative path counts from the program folder; a
// bare name is looked for in the program folder, then on PATH; "x.exe" is also
// found as "x"; it must be executable). It runs in the folder the command names for it, a bare name
// in the program folder; the arguments never decide the folder.
Ergebnis<Programmaufruf> ProgrammaufrufBilden(const QString& befehlszeile);

// Asks the question of the message (if any), then starts its program unless
// Shift is held or Caps Lock is on. The text comes back holding the command
// line. The result is the report line for the output text: empty after a
// start, a refusal or held keys, " !!! Fehler beim Starten von »…«, …." when
// the start failed; a text not beginning with "@" comes back as the result.
QString ProgrammAusTerminStarten(QString& text);

}  // namespace kronel
