#pragma once
// Tools for any list box or combo box: a list as one settings value and back,
// repeats removed, a short history with the latest entry on top, and the list
// on the printer page by page.

#include <QString>

namespace kronel {

class ListenSteuerelement;

// Every item followed by the separator (empty: ";"); an empty list gives "".
QString ListeAlsText(const ListenSteuerelement& liste, const QString& trenner = {});
// Clears the list and fills it with the non-empty items of text; gives the item count.
int TextInListe(ListenSteuerelement& liste, const QString& text, const QString& trenner = {});
// Keeps the first of equal items (capitals count) in its place.
void ListeDoppelteEntfernen(ListenSteuerelement& liste);
// The current text on top, then up to maximum earlier items without a repeat of
// it (compared in small letters); the text stays in the field. Gives the item count.
int ListeAktuellOben(ListenSteuerelement& kombi, int maximum);
// Prints the items from the left margin (cm), each page its own print job headed
// by the template with "&[Seite]", "&[Datum]" and "&[Zeit]" filled in, then an
// empty line. An empty font name prints in Arial, a size of 4 points or less in 10.
// A printer failure is reported once: Retry repeats the step, Abort ends the
// printout and throws the open page away, Ignore goes on without further boxes.
void ListeDrucken(const ListenSteuerelement& liste, const QString& kopf, const QString& schrift,
                  double groesse, double links);

}  // namespace kronel
