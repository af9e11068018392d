// Files and folders in memory. Paths are compared exactly (tests spell them consistently).
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "install/file_system.h"
#include "journal.h"

namespace install_test {

class FakeFileSystem : public install::FileSystem {
public:
    explicit FakeFileSystem(Journal& journal) : journal_(journal) {}

    // Adds (or replaces) a file and the folder it lies in.
    void AddFile(const std::string& path, const std::string& contents);
    // A folder path without its trailing "\".
    void AddFolder(const std::string& path) { folders_.insert(path); }
    // Someone else removes the file (the user, by hand).
    void RemoveByHand(const std::string& path);
    // RemoveFile fails on `path` for the next `attempts` calls (a locked or read-only file).
    void MakeUndeletable(const std::string& path, int attempts) { undeletable_[path] = attempts; }

    std::optional<std::string> Contents(const std::string& path) const;
    const std::map<std::string, std::string>& Files() const { return files_; }

    // Like the real search: "*" and "?" match within one path component.
    bool SearchFindsFile(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool CopyFileNoOverwrite(const std::string& from, const std::string& to) override;

private:
    bool FolderExists(const std::string& path) const;

    Journal& journal_;
    std::map<std::string, std::string> files_;
    std::set<std::string> folders_;
    std::map<std::string, int> undeletable_;
};

}  // namespace install_test
