// The manifest as an INI file: the operations the update run uses on it.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace install {

// Raised by the writing operations when the file cannot be written.
class EIniFileException : public std::runtime_error {
public:
    explicit EIniFileException(const std::string& path);
};

// The text of that error: "Impossible d'écrire dans " + path.
std::string CannotWriteText(const std::string& path);

// One INI file, bound to its path for the object's life. Section and key names match in any
// letter case. Releasing the object flushes any cached copy of the file and reports nothing.
class IniFile {
public:
    virtual ~IniFile() = default;

    // At most 2047 characters come back; a missing key yields `def`.
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& def) = 0;
    // Both throw EIniFileException when the file cannot be written.
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    virtual void EraseSection(const std::string& section) = 0;

    // `def` when the key is missing or its text is not an integer (see ParseIniInteger).
    std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t def);
    // Writes the value as decimal text.
    void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
};

// Opens the INI file at a path; opening itself never fails (reads of a missing file yield defaults).
class IniFileFactory {
public:
    virtual ~IniFileFactory() = default;
    virtual std::unique_ptr<IniFile> Open(const std::string& path) = 0;
};

}  // namespace install
