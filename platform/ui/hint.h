// The hint of a component: a tooltip shown while the pointer rests over its window.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class Hint {
public:
    // Throws when the tooltip window cannot be made.
    Hint(HWND tool, const std::string& text);
    ~Hint();
    Hint(const Hint&) = delete;
    Hint& operator=(const Hint&) = delete;

private:
    HWND tooltip_;
};

}  // namespace ui
