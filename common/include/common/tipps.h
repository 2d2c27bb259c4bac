#pragma once
// The tip of the day from Tips.Inf in the program folder: a random tip that
// avoids the ones shown most recently, whose history the tip file keeps itself.

#include <QString>

#include <optional>

namespace kronel {

class Zufall;

// The tip file: Tips.Inf in the program folder (any case of the name).
QString TipDatei();

struct Tip {
    QString Frage;   // the heading above the tip
    QString Header;  // the window caption
    QString Text;    // CR LF line breaks
    bool operator==(const Tip&) const = default;
};

// Draws a tip and puts it at the front of the history (a file that cannot be
// written keeps its history). No tip when the file is missing or holds none.
std::optional<Tip> TipZiehen(const QString& datei, Zufall& zufall);

// AutoTip of the section Kronel: the planner shows a tip at its start.
bool AutoTipAn();
void AutoTipSetzen(bool an);

}  // namespace kronel
