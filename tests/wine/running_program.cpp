#include "running_program.h"

#include <stdexcept>

#include "test_files.h"

namespace kernel32_test {
namespace {

// Long enough for a slow emulator; only there so that a broken start fails instead of hanging.
constexpr DWORD kStartGuardMilliseconds = 60000;

std::runtime_error Failure(const std::string& what, const std::string& path) {
    const DWORD error = ::GetLastError();
    return std::runtime_error(what + " " + path + ": error " + std::to_string(error));
}

}  // namespace

std::string IdleProgramPath() { return ExecutableFolder() + "idle_program.exe"; }

RunningProgram::RunningProgram(const std::string& exePath) {
    if (::GetFileAttributesA(exePath.c_str()) == INVALID_FILE_ATTRIBUTES &&
        !::CopyFileA(IdleProgramPath().c_str(), exePath.c_str(), TRUE))
        throw Failure("cannot copy the idle program to", exePath);

    static unsigned serial = 0;
    const std::string eventName = "k32idle-" + std::to_string(::GetCurrentProcessId()) + "-" +
                                  std::to_string(++serial);
    kernel32::AutoCloseHandle started(::CreateEventA(nullptr, TRUE, FALSE, eventName.c_str()));
    if (!started) throw Failure("cannot create the event", eventName);

    std::string commandLine = "\"" + exePath + "\" " + eventName;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Started in our own current folder: a folder that is some process's current one cannot be
    // removed.
    if (!::CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                          0, nullptr, nullptr, &startup, &info))
        throw Failure("cannot start", exePath);
    kernel32::AutoCloseHandle thread(info.hThread);
    process_ = kernel32::AutoCloseHandle(info.hProcess);
    id_ = info.dwProcessId;

    const HANDLE either[] = {started.Get(), process_.Get()};
    if (::WaitForMultipleObjects(2, either, FALSE, kStartGuardMilliseconds) != WAIT_OBJECT_0) {
        Stop();
        throw Failure("did not start:", exePath);
    }
}

RunningProgram::~RunningProgram() { Stop(); }

void RunningProgram::Stop() {
    if (!process_) return;
    ::TerminateProcess(process_.Get(), 0);
    ::WaitForSingleObject(process_.Get(), INFINITE);
    process_.Reset();
}

}  // namespace kernel32_test
