// The Toolhelp process walk, looked up by name in kernel32.dll at first use.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

namespace kernel32 {

// The record the walk fills, in its ANSI form.
#ifndef _WIN64
static_assert(sizeof(PROCESSENTRY32) == 296, "the 32-bit process record is 296 bytes");
#endif

struct ToolhelpFunctions {
    using CreateSnapshotFunction = HANDLE(WINAPI*)(DWORD flags, DWORD processId);
    using WalkFunction = BOOL(WINAPI*)(HANDLE snapshot, PROCESSENTRY32* entry);

    CreateSnapshotFunction createSnapshot;  // CreateToolhelp32Snapshot
    WalkFunction first;                     // Process32First
    WalkFunction next;                      // Process32Next
};

// The three functions of `module`, resolved together. When one of them is missing, all three
// are stand-ins that report failure: no snapshot (handle 0) and no entry (result 0).
ToolhelpFunctions ResolveToolhelp(HMODULE module);

// Those of kernel32.dll, resolved once, at the first call.
const ToolhelpFunctions& KernelToolhelp();

}  // namespace kernel32
