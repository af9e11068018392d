// The update run: checks its preconditions, then installs the manifest's entries from last to first.
#pragma once

#include <cstdint>
#include <string>

#include "clock.h"
#include "file_system.h"
#include "ini_file.h"
#include "process_list.h"
#include "run_window.h"

namespace install {

struct UpdateRunPorts {
    RunWindow& window;
    FileSystem& files;
    Clock& clock;
    ProcessList& processes;
    IniFileFactory& manifests;
};

// The running installer: its full executable path and its own process, which never counts
// as a running program of an entry.
struct InstallerIdentity {
    std::string executablePath;
    std::uint32_t processId = 0;
};

inline constexpr unsigned kPollMilliseconds = 200;

// Runs once. Once the manifest is open the run always ends by releasing it and then closing the
// window; a failed manifest write stops it and escapes (EIniFileException) after that end.
void RunUpdate(const UpdateRunPorts& ports, const InstallerIdentity& installer);

}  // namespace install
