#pragma once
// Test texts are written in UTF-8 source; L turns them into QString.

#include <QString>

namespace kronel::test {

inline QString L(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace kronel::test
