#pragma once
// Small text tools that the windows and modules of all programs share.

#include <QString>

#include <memory>

namespace kronel {

class Drucker;
class SchriftTraeger;
class TextSteuerelement;

// The font text of a control: name, size (point as decimal separator), bold,
// italic, underline ("-1"/"0") and text colour, each followed by ";"
// ("Arial;8.25;-1;0;0;0;"). Without a text colour the text ends after the fifth field.
QString SchriftAlsText(const SchriftTraeger& steuerelement);
// Applies a font text. The kind (lowered, by containment) chooses the parts:
// empty or "alle" both, "schr" and "print" the font, "farb" the colour. An empty
// or missing field leaves its property as it is.
void SchriftSetzen(SchriftTraeger& steuerelement, const QString& schrifttext, const QString& art);

// The printer surface as a font carrier, for SchriftSetzen with the kind "print"
// (the surface has no underline; that flag is ignored).
std::unique_ptr<SchriftTraeger> DruckerSchrift(Drucker& drucker);

// Inserts text at the caret, replacing the selection; the caret ends behind the
// inserted text and the field gets the focus.
void TextEinfuegen(TextSteuerelement& feld, const QString& text);

// Returns after that many seconds, delivering events meanwhile (a nested event
// loop with a timer, so the processor is not kept busy); 0 or less delivers the
// pending events once.
void Warten(double sekunden);

// German number texts (decimal comma, no grouping) with a trailing blank or a
// thousand-step prefix: 999 -> "999 ", 1000 -> "1,0 k", 0.05 -> "0,050 ".
QString ZahlMitVorsatz(double zahl);
// A duration in the largest fitting unit: "1 Sekunde", "60 Sekunden",
// "1,0 Minuten", "35,0 Stunden", "1,5 Tage", "2,0 Jahre".
QString DauerText(double sekunden);
// The first letter of each word in upper case, the others in lower case; a
// three-letter extension stays small ("notiz.txt" -> "Notiz.txt").
QString GrossKlein(const QString& text);
// The number of colours of the display: 2 to the power of its bits per pixel.
long long FarbAnzahl();

// Repairs the umlauts of text written in the DOS code page. The text arrives
// decoded as Windows-1252, so the DOS bytes 132, 148, 129, 225, 142, 153, 154
// stand there as U+201E, U+201D, U+0081, U+00E1, U+017D, U+2122, U+0161; they
// become ä, ö, ü, ß, Ä, Ö, Ü. Changes text in place and also returns it.
QString OemNachAnsi(QString& text);

// The truth value of a setting: a number rounds to a whole number (halves to
// even), 0 is false, 1 and -1 are true, any other number false; the words
// "richtig"/"true" are true and "falsch"/"false" false, in any case; anything
// else is false.
bool Wahrheitswert(const QString& wert);
bool Wahrheitswert(double wert);

}  // namespace kronel
