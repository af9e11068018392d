// The system message box as the program's modal boxes use it: centred on the screen, above
// the program's stay-on-top forms, with the forms disabled while it is open.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

enum class BoxEnd {
    WaitForOk,
    CloseAtOnce,  // presses OK as soon as the box opens (the end of the program is requested)
};

// A MessageBoxA ("#32770" dialog, its text in a Static, OK = IDOK) owned by `owner`.
// Returns the box's result; throws when the box cannot be shown.
int ShowModalBox(HWND owner, const std::string& text, const std::string& caption, UINT type,
                 BoxEnd end);

}  // namespace ui
