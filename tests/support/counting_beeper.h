#pragma once

#include "entry/beeper.h"

namespace tallyrix::test {

// A beep the tests can count.
class CountingBeeper : public Beeper {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

}  // namespace tallyrix::test
