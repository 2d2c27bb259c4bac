#pragma once
// What an edit of the message field may bring into the record: only the text
// the edit inserts is looked at, so a record loaded from a file stays as it is.

#include <QString>

#include <optional>

namespace kronel {

// The message field holds at most this many record characters.
inline constexpr int MeldungHoechstlaenge = 1024;

// What of a typed, pasted or dropped text goes into the field: no tab or other
// control character (a line break of any kind stays one "\n"), "?" for what
// Windows-1252 cannot hold, and of that what fits into frei record characters
// (a line break counts two, CR LF; none left when frei is 0 or less, no limit
// without frei), as an edit box with a length limit does.
struct Einfuegung {
    QString text;
    bool gekuerzt = false;  // something did not fit
};
Einfuegung EinfuegungEinpassen(const QString& eingefuegt, std::optional<qsizetype> frei);

struct MeldungsEingabe {
    QString text;           // the field's text (line breaks as "\n")
    int cursor = 0;         // behind the inserted text
    bool gekuerzt = false;  // something typed or pasted did not fit
};

// The field went from alt to neu: the part neu inserted, fitted as above into
// grenze record characters.
MeldungsEingabe MeldungEinpassen(const QString& alt, const QString& neu, qsizetype grenze);

}  // namespace kronel
