#pragma once
// Random numbers for tests: the given numbers in order, then 0.

#include <deque>
#include <initializer_list>

#include "platform/zufall.h"

namespace kronel::test {

class FolgeZufall final : public Zufall {
public:
    FolgeZufall(std::initializer_list<double> zahlen = {}) : zahlen_(zahlen) {}
    double zahl() override {
        ++gezogen;
        if (zahlen_.empty()) {
            return 0.0;
        }
        const double r = zahlen_.front();
        zahlen_.pop_front();
        return r;
    }
    int gezogen = 0;

private:
    std::deque<double> zahlen_;
};

}  // namespace kronel::test
