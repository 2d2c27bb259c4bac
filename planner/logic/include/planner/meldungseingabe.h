#pragma once
// What an edit of the message field may bring into the record: only the text
// the edit inserted is looked at, so a record loaded from a file stays as it is.

#include <QString>

namespace kronel {

struct MeldungsEingabe {
    QString text;           // the field's text (line breaks as "\n")
    int cursor = 0;         // behind the inserted text
    bool gekuerzt = false;  // something typed or pasted did not fit
};

// The field went from alt to neu. The inserted part loses tabs and other
// control characters (a line break stays one), characters Windows-1252 cannot
// hold become "?", and of it goes in what fits into grenze record characters
// (a line break counts two, CR LF), as an edit box with a length limit does.
MeldungsEingabe MeldungEinpassen(const QString& alt, const QString& neu, qsizetype grenze);

}  // namespace kronel
