// The manifest's INI file through the kernel's profile functions, which match section and key
// names in any letter case and keep everything else in the file as it is.
#pragma once

#include <memory>
#include <string>

#include "install/ini_file.h"

namespace kernel32 {

class TIniFile : public install::IniFile {
public:
    // Values come back through a buffer of this size: at most 2047 characters.
    static constexpr unsigned kValueBufferSize = 2048;

    explicit TIniFile(std::string path);
    // Flushes the kernel's cached copy of the file; reports nothing.
    ~TIniFile() override;
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    void EraseSection(const std::string& section) override;

private:
    const std::string path_;
};

class TIniFileFactory : public install::IniFileFactory {
public:
    std::unique_ptr<install::IniFile> Open(const std::string& path) override;
};

}  // namespace kernel32
