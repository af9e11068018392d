#include "fake_file_system.h"

namespace install_test {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t separator = path.rfind('\\');
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

bool GlobMatches(const char* pattern, const char* text) {
    if (*pattern == '\0') return *text == '\0';
    if (*pattern == '*') {
        for (const char* rest = text;; ++rest) {
            if (GlobMatches(pattern + 1, rest)) return true;
            if (*rest == '\0' || *rest == '\\') return false;
        }
    }
    if (*text == '\0') return false;
    if (*pattern == '?') return *text != '\\' && GlobMatches(pattern + 1, text + 1);
    return *pattern == *text && GlobMatches(pattern + 1, text + 1);
}

}  // namespace

void FakeFileSystem::AddFile(const std::string& path, const std::string& contents) {
    files_[path] = contents;
    const std::string folder = FolderOf(path);
    if (!folder.empty()) folders_.insert(folder);
}

void FakeFileSystem::RemoveByHand(const std::string& path) {
    journal_.Record("user:remove:" + path);
    files_.erase(path);
}

std::optional<std::string> FakeFileSystem::Contents(const std::string& path) const {
    const auto found = files_.find(path);
    if (found == files_.end()) return std::nullopt;
    return found->second;
}

bool FakeFileSystem::SearchFindsFile(const std::string& path) {
    for (const auto& file : files_) {
        if (GlobMatches(path.c_str(), file.first.c_str())) return true;
    }
    return false;
}

bool FakeFileSystem::RemoveFile(const std::string& path) {
    journal_.Record("delete:" + path);
    if (files_.count(path) == 0) return false;
    auto locked = undeletable_.find(path);
    if (locked != undeletable_.end() && locked->second > 0) {
        --locked->second;
        return false;
    }
    files_.erase(path);
    return true;
}

bool FakeFileSystem::CopyFileNoOverwrite(const std::string& from, const std::string& to) {
    journal_.Record("copy:" + from + " -> " + to);
    const auto source = files_.find(from);
    if (source == files_.end() || files_.count(to) != 0 || !FolderExists(FolderOf(to))) return false;
    files_[to] = source->second;
    return true;
}

bool FakeFileSystem::FolderExists(const std::string& path) const {
    // A bare name lies in the current directory, which exists.
    return path.empty() || folders_.count(path) != 0;
}

}  // namespace install_test
