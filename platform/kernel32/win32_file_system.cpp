#include "platform/kernel32/win32_file_system.h"

#include "platform/kernel32/win_handle.h"

namespace kernel32 {

bool Win32FileSystem::SearchFindsFile(const std::string& path) {
    WIN32_FIND_DATAA found;
    {
        AutoFindHandle search(::FindFirstFileA(path.c_str(), &found));
        if (!search) return false;
    }  // only the first entry is judged: the search is closed at once
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    // A last-write time outside 1980-2107 has no MS-DOS form, and such a file does not count.
    FILETIME local;
    WORD dosDate = 0;
    WORD dosTime = 0;
    return ::FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) &&
           ::FileTimeToDosDateTime(&local, &dosDate, &dosTime);
}

bool Win32FileSystem::RemoveFile(const std::string& path) {
    return ::DeleteFileA(path.c_str()) != FALSE;
}

bool Win32FileSystem::CopyFileNoOverwrite(const std::string& from, const std::string& to) {
    return ::CopyFileA(from.c_str(), to.c_str(), TRUE) != FALSE;
}

}  // namespace kernel32
