#pragma once

namespace tallyrix {

// The system beep of a window, the only answer to some clicks. Views provide
// it; tests count it.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

}  // namespace tallyrix
