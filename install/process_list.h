// Which programs are running, by executable file name.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace install {

inline constexpr std::size_t kExeFileSize = 260;

// The two fields of a process entry that are read.
struct ProcessEntry {
    std::uint32_t processId = 0;
    // The executable's file text; not necessarily NUL-terminated within its 260 bytes.
    char exeFile[kExeFileSize] = {};
};

// One snapshot of the system's processes; releasing it closes it.
class ProcessSnapshot {
public:
    virtual ~ProcessSnapshot() = default;
    virtual bool First(ProcessEntry& entry) = 0;
    virtual bool Next(ProcessEntry& entry) = 0;
};

class ProcessList {
public:
    virtual ~ProcessList() = default;
    // Never null: a snapshot that could not be taken fails its First.
    virtual std::unique_ptr<ProcessSnapshot> TakeSnapshot() = 0;
};

// Folds only the ASCII letters a-z to upper case.
std::string UpperAscii(std::string text);

// The ID of the first process, other than `skipProcessId`, whose executable file name equals
// `name` after ASCII upper-case folding; 0 when there is none. A fresh snapshot every call.
std::uint32_t FindRunningProcess(ProcessList& processes, const std::string& name,
                                 std::uint32_t skipProcessId);

}  // namespace install
