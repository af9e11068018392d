// Real files for the tests: a fresh temporary folder per test and small file helpers.
#pragma once

#include <windows.h>

#include <string>

#include "platform/kernel32/win_handle.h"

namespace kernel32_test {

// A new empty folder under the temporary folder, removed with all its contents at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Ends with "\".
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

void MakeFolder(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
bool PathExists(const std::string& path);
void SetLastWriteTime(const std::string& path, WORD year, WORD month, WORD day);

// Another open handle on the file that lets others read it but not write it: the profile
// functions then cannot write the file, even as root (unlike the read-only attribute).
kernel32::AutoCloseHandle HoldOpenForReadOnly(const std::string& path);

// The running test executable, and its folder ending with "\".
std::string ExecutablePath();
std::string ExecutableFolder();

}  // namespace kernel32_test
