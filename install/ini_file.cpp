#include "install/ini_file.h"

#include "install/ini_integer.h"

namespace install {

std::string CannotWriteText(const std::string& path) {
    return "Impossible d'écrire dans " + path;
}

EIniFileException::EIniFileException(const std::string& path)
    : std::runtime_error(CannotWriteText(path)) {}

std::int32_t IniFile::ReadInteger(const std::string& section, const std::string& key,
                                  std::int32_t def) {
    return ParseIniInteger(ReadString(section, key, "")).value_or(def);
}

void IniFile::WriteInteger(const std::string& section, const std::string& key,
                           std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

}  // namespace install
