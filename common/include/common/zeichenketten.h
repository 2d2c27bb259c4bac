#pragma once
// The small string and number functions the formula evaluator and a few windows
// build on. Positions count from 1, as in the classic string runtime.

#include <QString>

#include <cstdint>

namespace kronel {

// The text without its blanks.
QString Compact(const QString& s);
// How often c occurs in s.
std::int32_t InCount(const QString& s, QChar c);
// The day number of a date given as "mm-dd-yyyy": days since 30.12.1899
// (1.1.1900 is 2). A text that is no such date gives 0.
std::int32_t Date2Num(const QString& mmTtJjjj);
// The character code of the first character; 0 for an empty text.
int ASCII(const QString& s);
// s starts with "(": the position of the ")" that closes it, that "(" counting
// as 1. 0 when s does not start with "(" or the parenthesis has no partner.
int PMatch(const QString& s);
// n! for 0 <= n <= 170; 0 for any other n.
double Factorial(std::int16_t n);
std::int16_t MinInt(std::int16_t a, std::int16_t b);
std::int16_t MaxInt(std::int16_t a, std::int16_t b);
// The position of the last c in s at or before start; 0 when there is none.
int QInstrB(int start, const QString& s, QChar c);

}  // namespace kronel
