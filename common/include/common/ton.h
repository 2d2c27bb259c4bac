#pragma once

#include <QString>

namespace kronel {

// Plays a system sound ("#SystemHand" ...), a sound named in WIN.INI [Sounds]
// ("#name"), or a wave file without waiting; an empty name stops a sound.
void TonAusgeben(const QString& name);

}  // namespace kronel
