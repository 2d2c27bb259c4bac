#pragma once
// The two orders of the appointment list, both by the one German comparator
// (case-insensitive, ties by character code, stable).

#include <QStringList>

#include <vector>

namespace kronel {

// Date order: the whole record is the key; as it begins with "yyyymmdd" this
// orders by date, then by the other fields. Result: the indexes in the new order.
std::vector<qsizetype> DatumsReihenfolge(const QStringList& termine);
// Message order: the message (from column 38) followed by the first 37 columns.
std::vector<qsizetype> MeldungsReihenfolge(const QStringList& termine);

}  // namespace kronel
