// A running process of a chosen executable file name: a copy of the idle helper program.
#pragma once

#include <windows.h>

#include <string>

#include "platform/kernel32/win_handle.h"

namespace kernel32_test {

// idle_program.exe, beside the running executable.
std::string IdleProgramPath();

class RunningProgram {
public:
    // Copies the idle program to `exePath` unless a file is there already, starts it and
    // returns once it runs.
    explicit RunningProgram(const std::string& exePath);
    // Kills it if it still runs.
    ~RunningProgram();
    RunningProgram(RunningProgram&&) = default;
    RunningProgram& operator=(RunningProgram&&) = delete;

    DWORD Id() const { return id_; }
    // Kills it and returns once it has exited and its handle is closed.
    void Stop();

private:
    kernel32::AutoCloseHandle process_;
    DWORD id_ = 0;
};

}  // namespace kernel32_test
