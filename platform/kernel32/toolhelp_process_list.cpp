#include "platform/kernel32/toolhelp_process_list.h"

#include <cstring>

#include "platform/kernel32/win_handle.h"

namespace kernel32 {
namespace {

static_assert(sizeof(PROCESSENTRY32::szExeFile) == install::kExeFileSize, "");

class ToolhelpSnapshot : public install::ProcessSnapshot {
public:
    ToolhelpSnapshot(const ToolhelpFunctions& functions, DWORD flags)
        : functions_(functions), handle_(functions.createSnapshot(flags, 0)) {
        record_.dwSize = sizeof record_;
    }

    bool First(install::ProcessEntry& entry) override { return Fetch(functions_.first, entry); }
    bool Next(install::ProcessEntry& entry) override { return Fetch(functions_.next, entry); }

private:
    bool Fetch(ToolhelpFunctions::WalkFunction walk, install::ProcessEntry& entry) {
        if (!handle_ || !walk(handle_.Get(), &record_)) return false;
        entry.processId = record_.th32ProcessID;
        std::memcpy(entry.exeFile, record_.szExeFile, install::kExeFileSize);
        return true;
    }

    const ToolhelpFunctions functions_;
    AutoCloseHandle handle_;
    PROCESSENTRY32 record_{};
};

}  // namespace

ToolhelpProcessList::ToolhelpProcessList(DWORD snapshotFlags, const ToolhelpFunctions& functions)
    : snapshotFlags_(snapshotFlags), functions_(functions) {}

std::unique_ptr<install::ProcessSnapshot> ToolhelpProcessList::TakeSnapshot() {
    return std::make_unique<ToolhelpSnapshot>(functions_, snapshotFlags_);
}

}  // namespace kernel32
