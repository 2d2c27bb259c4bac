#pragma once
// The search window without its window: its history of search texts in the
// setting "Suche", its "&Suchen" and what a showing does with "auto".

#include <QString>
#include <QStringList>

namespace kronel {

class ListenSteuerelement;

// The history into KomSuche from the setting "Suche" (";" between texts); the
// edit field stays empty.
void SuchVerlaufLaden(ListenSteuerelement& komSuche);

// "&Suchen": the text of KomSuche goes on top of the history (nine texts at
// most, no repeat in any case) and is stored; then the display lines are
// searched from the current one (aufwaerts: towards the start). A find gives
// its index with one leading blank (" 12"); none shows "Suche nach »text« war
// erfolglos." and gives "-1".
QString SucheAusfuehren(ListenSteuerelement& komSuche, bool aufwaerts, const QStringList& zeilen,
                        qsizetype aktuell);

}  // namespace kronel
