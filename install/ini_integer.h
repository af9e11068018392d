// The integer syntax of the manifest's count, as the profile reader accepts it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace install {

// Leading spaces, an optional "+" or "-", then decimal digits (within the int32 range) or a
// hex prefix ("$", "x", "X", "0x", "0X") and up to FFFFFFFF taken as two's complement.
// Nothing may follow. Any other text has no value.
std::optional<std::int32_t> ParseIniInteger(const std::string& text);

}  // namespace install
