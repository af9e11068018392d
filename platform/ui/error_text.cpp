#include "platform/ui/error_text.h"

namespace ui {

std::string ErrorBoxText(const std::string& message) {
    // Unsigned: the accented letters of the ANSI code page (0xE9 etc.) count as above ".".
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

}  // namespace ui
