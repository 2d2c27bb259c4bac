#pragma once
// Readable Qt values in test failures.

#include <QByteArray>
#include <QDate>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << '"' << b.toStdString() << '"';
}
inline void PrintTo(const QDate& d, std::ostream* os) {
    *os << d.toString(QStringLiteral("dd.MM.yyyy")).toStdString();
}
