// Files as the kernel sees them: a directory search for existence, DeleteFileA, CopyFileA.
#pragma once

#include <windows.h>

#include <string>

#include "install/file_system.h"

namespace kernel32 {

class Win32FileSystem : public install::FileSystem {
public:
    bool SearchFindsFile(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool CopyFileNoOverwrite(const std::string& from, const std::string& to) override;
};

}  // namespace kernel32
