// The system's processes through Toolhelp snapshots.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <memory>

#include "install/process_list.h"
#include "platform/kernel32/toolhelp.h"

namespace kernel32 {

// Heap lists, processes, threads and modules together: what the installer asks for. Only the
// process list is walked.
inline constexpr DWORD kInstallerSnapshotFlags =
    TH32CS_SNAPHEAPLIST | TH32CS_SNAPPROCESS | TH32CS_SNAPTHREAD | TH32CS_SNAPMODULE;
static_assert(kInstallerSnapshotFlags == 15, "");

class ToolhelpProcessList : public install::ProcessList {
public:
    explicit ToolhelpProcessList(DWORD snapshotFlags = kInstallerSnapshotFlags,
                                 const ToolhelpFunctions& functions = KernelToolhelp());

    // A snapshot of all processes (process ID 0); it is closed when released.
    std::unique_ptr<install::ProcessSnapshot> TakeSnapshot() override;

private:
    const DWORD snapshotFlags_;
    const ToolhelpFunctions functions_;
};

}  // namespace kernel32
