#include "install/ini_integer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using install::ParseIniInteger;

struct Valid {
    const char* text;
    std::int32_t value;
};

std::ostream& operator<<(std::ostream& out, const Valid& v) { return out << '"' << v.text << '"'; }

class IniIntegerValid : public ::testing::TestWithParam<Valid> {};

TEST_P(IniIntegerValid, ReadsTheValue) {
    const std::optional<std::int32_t> parsed = ParseIniInteger(GetParam().text);
    ASSERT_TRUE(parsed.has_value()) << '"' << GetParam().text << '"';
    EXPECT_EQ(*parsed, GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniIntegerValid,
    ::testing::Values(
        // decimal
        Valid{"0", 0}, Valid{"2", 2}, Valid{"+2", 2}, Valid{"-2", -2}, Valid{"-0", 0},
        Valid{"   2", 2}, Valid{" -2", -2}, Valid{"0002", 2},
        Valid{"2147483647", 2147483647}, Valid{"+2147483647", 2147483647},
        Valid{"-2147483648", INT32_MIN}, Valid{"000000000002147483647", 2147483647},
        // every hex prefix
        Valid{"0x2", 2}, Valid{"0X2", 2}, Valid{"$2", 2}, Valid{"x2", 2}, Valid{"X2", 2},
        Valid{"0xff", 255}, Valid{"$aBcD", 0xABCD}, Valid{"  0x10", 16}, Valid{"+0x2", 2},
        // two's complement, then the sign negates that 32-bit pattern
        Valid{"-0x2", -2}, Valid{"-$2", -2}, Valid{"-x2", -2},
        Valid{"0xFFFFFFFF", -1}, Valid{"0x80000000", INT32_MIN}, Valid{"0x7FFFFFFF", INT32_MAX},
        Valid{"-0xFFFFFFFF", 1}, Valid{"-0x80000000", INT32_MIN},
        // leading zeros do not count against FFFFFFFF
        Valid{"0x00000000FF", 255}, Valid{"$0000000000FFFFFFFF", -1}, Valid{"0x0", 0}));

class IniIntegerInvalid : public ::testing::TestWithParam<const char*> {};

TEST_P(IniIntegerInvalid, HasNoValue) {
    EXPECT_FALSE(ParseIniInteger(GetParam()).has_value()) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniIntegerInvalid,
    ::testing::Values(
        "", " ", "two", "2x", "0x", "$", "x", "X", "+", "-", "-0x", "+$",
        " 2 ", "2 ", "0x2 ", "2\t", "\t2", "- 2", "+-2", "--2", "2-", "1.0", "1e3",
        "2147483648", "+2147483648", "-2147483649", "99999999999999999999",
        "0x100000000", "$1FFFFFFFF", "0x00000000100000000", "0xG", "0x2G", "$-2", "0x+2",
        "00x2", "0$2", "x0x2", "2\n"));

TEST(IniInteger, TextAfterAnEmbeddedNulIsStillText) {
    EXPECT_FALSE(ParseIniInteger(std::string("2\0", 2)).has_value());
}

}  // namespace
