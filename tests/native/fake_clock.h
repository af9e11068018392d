// A clock that never waits: it counts sleeps and lets a test act after a given one.
#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "install/clock.h"
#include "journal.h"

namespace install_test {

class FakeClock : public install::Clock {
public:
    // A wait that outlasts this many polls is taken as one that never ends.
    static constexpr int kRunawaySleeps = 1000;

    explicit FakeClock(Journal& journal) : journal_(journal) {}

    void Sleep(unsigned milliseconds) override {
        ++sleeps_;
        journal_.Record("sleep:" + std::to_string(milliseconds));
        if (sleeps_ >= kRunawaySleeps) throw std::runtime_error("the run never stops waiting");
        const auto found = after_.find(sleeps_);
        if (found == after_.end()) return;
        const std::function<void()> action = std::move(found->second);
        after_.erase(found);
        action();
    }

    // Runs `action` at the end of the k-th sleep (1 = the first).
    void AfterSleep(int k, std::function<void()> action) { after_[k] = std::move(action); }

    int Sleeps() const { return sleeps_; }

private:
    Journal& journal_;
    int sleeps_ = 0;
    std::map<int, std::function<void()>> after_;
};

}  // namespace install_test
