// The files the update run looks at, deletes and copies.
#pragma once

#include <string>

namespace install {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // A directory search for `path` finds an entry that is not a directory and whose
    // last-write time, in local time, is an MS-DOS date (1980 to 2107). Wildcards are the
    // search's own; use IsExistingFile, which refuses them.
    virtual bool SearchFindsFile(const std::string& path) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    // Fails when `to` already exists.
    virtual bool CopyFileNoOverwrite(const std::string& from, const std::string& to) = 0;
};

// No Windows file name holds "*" or "?", so such a path is never an existing file.
bool IsExistingFile(FileSystem& files, const std::string& path);

}  // namespace install
