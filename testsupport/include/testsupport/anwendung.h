#pragma once
// The one QApplication of a window test program. Header only: the test support
// library itself stays without widgets; only window tests include this.

#include <QApplication>

namespace kronel::test {

inline void AnwendungSicherstellen() {
    static int argc = 1;
    static char name[] = "kronel_fenstertests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        new QApplication(argc, argv);  // lives for the whole test program
    }
}

}  // namespace kronel::test
