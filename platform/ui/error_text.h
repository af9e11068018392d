// The text of the application-level error box, kept apart from the window code so it can be
// checked on its own.
#pragma once

#include <string>

namespace ui {

// The error's own text with "." appended when its last byte, unsigned, is greater than ".";
// an empty text stays empty.
std::string ErrorBoxText(const std::string& message);

}  // namespace ui
