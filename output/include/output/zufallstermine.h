#pragma once
// The saying of the day under the due messages: one line of the sayings file,
// drawn at random, not one of the last ten shown, wrapped and set under a heading.

#include <QString>

#include "platform/zufall.h"

namespace kronel {

// Every blank from column 66 on becomes "~" (a line break) and starts the count
// again; a CR starts it again too.
QString SpruchUmbrechen(const QString& spruch);

// The text to append to the output (CR LF, heading, CR LF, the saying with its
// breaks, CR LF), or the empty text when the saying is off or the file fails
// (reported in a box). Records the drawn line in ZufallsTermineZuletzt.
QString ZufallsTermineAusgeben(Zufall& zufall);

}  // namespace kronel
