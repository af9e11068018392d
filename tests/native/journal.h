// One ordered record of everything the doubles see, so a run is compared as a whole sequence.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace install_test {

class Journal {
public:
    // Appends the event, then runs what was scheduled for this occurrence of it.
    void Record(const std::string& event) {
        events_.push_back(event);
        const int occurrence = ++seen_[event];
        const auto found = actions_.find({event, occurrence});
        if (found == actions_.end()) return;
        const std::function<void()> action = std::move(found->second);
        actions_.erase(found);
        action();
    }

    // Runs `action` right after the `occurrence`-th recording of `event` (1 = the first).
    void On(const std::string& event, std::function<void()> action, int occurrence = 1) {
        actions_[{event, occurrence}] = std::move(action);
    }

    const std::vector<std::string>& Events() const { return events_; }

    // The events that start with `prefix`, in order.
    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& e : events_) {
            if (e.compare(0, prefix.size(), prefix) == 0) out.push_back(e);
        }
        return out;
    }

private:
    std::vector<std::string> events_;
    std::map<std::string, int> seen_;
    std::map<std::pair<std::string, int>, std::function<void()>> actions_;
};

}  // namespace install_test
