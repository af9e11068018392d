#include "install/process_list.h"

#include <cstring>

#include "install/paths.h"

namespace install {

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

namespace {

// The entry's text up to its first NUL, all 260 bytes when there is none.
std::string ExeFileText(const ProcessEntry& entry) {
    const void* nul = std::memchr(entry.exeFile, '\0', kExeFileSize);
    const std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - entry.exeFile) : kExeFileSize;
    return std::string(entry.exeFile, length);
}

}  // namespace

std::uint32_t FindRunningProcess(ProcessList& processes, const std::string& name,
                                 std::uint32_t skipProcessId) {
    const std::string wanted = UpperAscii(name);
    const std::unique_ptr<ProcessSnapshot> snapshot = processes.TakeSnapshot();
    ProcessEntry entry;
    for (bool more = snapshot->First(entry); more; more = snapshot->Next(entry)) {
        // An ID of 0 cannot be told apart from "none found", so such an entry never matches.
        if (entry.processId == 0 || entry.processId == skipProcessId) continue;
        if (UpperAscii(FileNamePart(ExeFileText(entry))) == wanted) return entry.processId;
    }
    return 0;
}

}  // namespace install
