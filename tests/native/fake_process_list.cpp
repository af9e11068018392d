#include "fake_process_list.h"

#include <algorithm>
#include <cstring>

namespace install_test {

class FakeProcessList::Snapshot : public install::ProcessSnapshot {
public:
    Snapshot(std::vector<install::ProcessEntry> entries, bool failFirst, int& released)
        : entries_(std::move(entries)), failFirst_(failFirst), released_(released) {}
    ~Snapshot() override { ++released_; }

    bool First(install::ProcessEntry& entry) override {
        next_ = 0;
        if (failFirst_) return false;
        return Next(entry);
    }

    bool Next(install::ProcessEntry& entry) override {
        if (next_ >= entries_.size()) return false;
        entry = entries_[next_++];
        return true;
    }

private:
    std::vector<install::ProcessEntry> entries_;
    bool failFirst_;
    int& released_;
    std::size_t next_ = 0;
};

void FakeProcessList::Add(std::uint32_t processId, const std::string& exeFile) {
    install::ProcessEntry entry;
    entry.processId = processId;
    std::memcpy(entry.exeFile, exeFile.data(), std::min(exeFile.size(), install::kExeFileSize));
    entries_.push_back(entry);
}

void FakeProcessList::Exit(std::uint32_t processId) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const install::ProcessEntry& e) {
                                      return e.processId == processId;
                                  }),
                   entries_.end());
}

std::unique_ptr<install::ProcessSnapshot> FakeProcessList::TakeSnapshot() {
    ++taken_;
    return std::make_unique<Snapshot>(entries_, failFirst_, released_);
}

}  // namespace install_test
