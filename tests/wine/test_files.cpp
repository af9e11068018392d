#include "test_files.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kernel32_test {
namespace {

std::string LastErrorText(const std::string& what, const std::string& path) {
    const DWORD error = ::GetLastError();
    return what + " " + path + ": error " + std::to_string(error);
}

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    {
        kernel32::AutoFindHandle search(::FindFirstFileA((folder + "*").c_str(), &found));
        for (bool more = bool(search); more; more = ::FindNextFileA(search.Get(), &found)) {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + name;
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else if (!::DeleteFileA(path.c_str())) {
                ADD_FAILURE() << LastErrorText("cannot delete", path);
            }
        }
    }
    if (!::RemoveDirectoryA(folder.c_str())) ADD_FAILURE() << LastErrorText("cannot remove", folder);
}

}  // namespace

TempFolder::TempFolder() {
    char temp[MAX_PATH + 1];
    const DWORD length = ::GetTempPathA(sizeof temp, temp);
    if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
    static unsigned serial = 0;
    path_ = std::string(temp, length) + "k32t-" + std::to_string(::GetCurrentProcessId()) + "-" +
            std::to_string(++serial) + "\\";
    MakeFolder(path_);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void MakeFolder(const std::string& path) {
    if (!::CreateDirectoryA(path.c_str(), nullptr))
        throw std::runtime_error(LastErrorText("cannot create folder", path));
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    kernel32::AutoCloseHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                              nullptr) ||
        written != bytes.size())
        throw std::runtime_error(LastErrorText("cannot write", path));
}

std::string ReadFileBytes(const std::string& path) {
    kernel32::AutoCloseHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                 nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) throw std::runtime_error(LastErrorText("cannot open", path));
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (::ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    return bytes;
}

bool PathExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SetLastWriteTime(const std::string& path, WORD year, WORD month, WORD day) {
    SYSTEMTIME utc{};
    utc.wYear = year;
    utc.wMonth = month;
    utc.wDay = day;
    utc.wHour = 12;  // midday: no time zone moves it into another year
    FILETIME time;
    kernel32::AutoCloseHandle file(::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                                 OPEN_EXISTING, 0, nullptr));
    if (!::SystemTimeToFileTime(&utc, &time) || !file ||
        !::SetFileTime(file.Get(), nullptr, nullptr, &time))
        throw std::runtime_error(LastErrorText("cannot set the time of", path));
}

kernel32::AutoCloseHandle HoldOpenForReadOnly(const std::string& path) {
    kernel32::AutoCloseHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                 nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) throw std::runtime_error(LastErrorText("cannot hold open", path));
    return file;
}

std::string ExecutablePath() {
    char path[MAX_PATH + 1];
    return std::string(path, ::GetModuleFileNameA(nullptr, path, sizeof path));
}

std::string ExecutableFolder() {
    const std::string path = ExecutablePath();
    return path.substr(0, path.find_last_of("\\:") + 1);
}

}  // namespace kernel32_test
