#include "install/ini_integer.h"

namespace install {
namespace {

constexpr std::uint64_t kHexLimit = 0xFFFFFFFFu;
constexpr std::uint64_t kNegativeDecimalLimit = 2147483648u;  // magnitude of INT32_MIN
constexpr std::uint64_t kPositiveDecimalLimit = 2147483647u;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool StartsWith(const std::string& text, std::size_t pos, const char* prefix) {
    return text.compare(pos, std::char_traits<char>::length(prefix), prefix) == 0;
}

}  // namespace

std::optional<std::int32_t> ParseIniInteger(const std::string& text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string::npos) return std::nullopt;

    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        ++pos;
    }

    std::size_t prefix = 0;
    if (StartsWith(text, pos, "0x") || StartsWith(text, pos, "0X")) {
        prefix = 2;
    } else if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        prefix = 1;
    }
    const bool hex = prefix != 0;
    pos += prefix;
    if (pos == text.size()) return std::nullopt;  // a sign or prefix needs at least one digit

    const unsigned base = hex ? 16 : 10;
    const std::uint64_t limit = hex ? kHexLimit
                                    : (negative ? kNegativeDecimalLimit : kPositiveDecimalLimit);
    // Leading zeros count for nothing: the limit is on the value, not the number of digits.
    std::uint64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = hex ? HexDigit(text[pos])
                              : (text[pos] >= '0' && text[pos] <= '9' ? text[pos] - '0' : -1);
        if (digit < 0) return std::nullopt;  // anything after the digits, a space included
        magnitude = magnitude * base + static_cast<unsigned>(digit);
        if (magnitude > limit) return std::nullopt;
    }

    // Hex digits are a 32-bit pattern; a sign negates that pattern modulo 2^32, so -0x2 is -2
    // and -0xFFFFFFFF is 1. Decimal values are range-checked above and fit exactly.
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
}

}  // namespace install
