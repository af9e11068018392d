#include "platform/kernel32/toolhelp.h"

namespace kernel32 {
namespace {

HANDLE WINAPI NoSnapshot(DWORD, DWORD) { return nullptr; }
BOOL WINAPI NoEntry(HANDLE, PROCESSENTRY32*) { return FALSE; }

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
    const FARPROC found = module ? ::GetProcAddress(module, name) : nullptr;
    // Through the generic function type, which any function pointer may be cast to and from.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

ToolhelpFunctions ResolveToolhelp(HMODULE module) {
    const ToolhelpFunctions found{
        Lookup<ToolhelpFunctions::CreateSnapshotFunction>(module, "CreateToolhelp32Snapshot"),
        Lookup<ToolhelpFunctions::WalkFunction>(module, "Process32First"),
        Lookup<ToolhelpFunctions::WalkFunction>(module, "Process32Next"),
    };
    if (found.createSnapshot && found.first && found.next) return found;
    return ToolhelpFunctions{&NoSnapshot, &NoEntry, &NoEntry};
}

const ToolhelpFunctions& KernelToolhelp() {
    static const ToolhelpFunctions functions = ResolveToolhelp(::GetModuleHandleA("kernel32.dll"));
    return functions;
}

}  // namespace kernel32
