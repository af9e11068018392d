#include "install/manifest.h"

namespace install {

std::string EntrySection(std::int32_t n) {
    return "File_" + std::to_string(n);
}

std::int32_t ReadPendingCount(IniFile& manifest) {
    return manifest.ReadInteger(kMainSection, kCountKey, 0);
}

ManifestEntry ReadEntry(IniFile& manifest, std::int32_t n) {
    const std::string section = EntrySection(n);
    return {manifest.ReadString(section, kNameKey, ""),
            manifest.ReadString(section, kDestinationKey, "")};
}

void RetireEntry(IniFile& manifest, std::int32_t n) {
    // Count first: should the erase fail, the stale section lies beyond the count and is never read.
    manifest.WriteInteger(kMainSection, kCountKey, n - 1);
    manifest.EraseSection(EntrySection(n));
}

}  // namespace install
