// The pause between two polls, as the kernel's Sleep.
#pragma once

#include "install/clock.h"

namespace kernel32 {

class Win32Clock : public install::Clock {
public:
    void Sleep(unsigned milliseconds) override;
};

}  // namespace kernel32
