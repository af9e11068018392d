#include "platform/kernel32/tinifile.h"

#include <windows.h>

#include <utility>

namespace kernel32 {

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {}

TIniFile::~TIniFile() {
    // All three texts absent: write the cached copy out. A destructor has nobody to tell of a
    // failure, and every write before it was already checked.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) {
    char buffer[kValueBufferSize];
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(),
                                                    buffer, sizeof buffer, path_.c_str());
    return std::string(buffer, length);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    if (!::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()))
        throw install::EIniFileException(path_);
}

void TIniFile::EraseSection(const std::string& section) {
    // No key: the whole section goes, with all its keys.
    if (!::WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, path_.c_str()))
        throw install::EIniFileException(path_);
}

std::unique_ptr<install::IniFile> TIniFileFactory::Open(const std::string& path) {
    return std::make_unique<TIniFile>(path);
}

}  // namespace kernel32
