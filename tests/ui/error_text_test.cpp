#include <gtest/gtest.h>

#include "platform/ui/error_text.h"

namespace {

TEST(ErrorBoxText, AppendsAPeriodOnlyAfterALastByteAbovePeriod) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"", ""},
        {"Impossible d'\xE9" "crire dans C:\\Apps\\Maj.ini", "Impossible d'\xE9" "crire dans C:\\Apps\\Maj.ini."},
        {"Fin.", "Fin."},          // "." itself is not above "."
        {"Fin-", "Fin-"},          // 0x2D
        {"Fin!", "Fin!"},          // 0x21
        {"Fin/", "Fin/."},         // 0x2F, just above
        {"Fin 0", "Fin 0."},
        {"Termin\xE9", "Termin\xE9."},  // a byte above 0x7F counts as unsigned
        {"Fin\r", "Fin\r"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.shown, ui::ErrorBoxText(c.message)) << "for \"" << c.message << "\"";
    }
}

}  // namespace
