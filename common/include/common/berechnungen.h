#pragma once

#include <QString>

namespace kronel {

// Replaces every calculation "[formula]" or "[formula;format]" of text by its
// value, formatted with the format ("0.00" without one). The content between
// the brackets is taken in lower case. A malformed formula shows 0. A run-time
// fault is reported through FehlerMeldung: Retry evaluates the calculation
// again, Ignore leaves it as written and goes on behind it, Abort ends with the
// text as far as it is expanded. Updates text after each calculation and
// returns it.
QString BerechnungenErsetzen(QString& text);

}  // namespace kronel
