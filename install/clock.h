#pragma once

namespace install {

// The pause between two polls of a wait.
class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(unsigned milliseconds) = 0;
};

}  // namespace install
