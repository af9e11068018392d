// The manifest's sections and keys, and how entries are read and retired.
#pragma once

#include <cstdint>
#include <string>

#include "ini_file.h"

namespace install {

inline constexpr const char* kMainSection = "Main";
inline constexpr const char* kCountKey = "NbFilesToInstal";
inline constexpr const char* kNameKey = "Name";
inline constexpr const char* kDestinationKey = "Destination";

struct ManifestEntry {
    std::string name;
    std::string destination;
};

// "File_" + n, decimal, no leading zeros.
std::string EntrySection(std::int32_t n);

// NbFilesToInstal of Main, 0 when missing or not an integer.
std::int32_t ReadPendingCount(IniFile& manifest);

// Name and Destination of File_n, empty when missing.
ManifestEntry ReadEntry(IniFile& manifest, std::int32_t n);

// Writes the count n - 1, then erases File_n. Throws EIniFileException on a failed write.
void RetireEntry(IniFile& manifest, std::int32_t n);

}  // namespace install
