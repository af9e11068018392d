// A scripted process list; each snapshot is a copy of the list at the time it is taken.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "install/process_list.h"

namespace install_test {

class FakeProcessList : public install::ProcessList {
public:
    // The entry text is copied into the 260-byte field, cut there if longer (then without NUL).
    void Add(std::uint32_t processId, const std::string& exeFile);
    void Exit(std::uint32_t processId);
    // The snapshot cannot be read (or could not be taken): First fails.
    void FailFirst() { failFirst_ = true; }

    std::unique_ptr<install::ProcessSnapshot> TakeSnapshot() override;

    int SnapshotsTaken() const { return taken_; }
    int SnapshotsReleased() const { return released_; }

private:
    class Snapshot;

    std::vector<install::ProcessEntry> entries_;
    bool failFirst_ = false;
    int taken_ = 0;
    int released_ = 0;
};

}  // namespace install_test
