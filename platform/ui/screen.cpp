#include "platform/ui/screen.h"

#include <algorithm>

namespace ui {

HCURSOR CursorHandle(TCursor cursor) {
    return LoadCursor(nullptr, cursor == crHourGlass ? IDC_WAIT : IDC_ARROW);
}

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    if (cursor == crDefault) {
        // Let the window under the pointer, if it is one of this thread's, set its own cursor.
        POINT at{};
        GetCursorPos(&at);
        const HWND under = WindowFromPoint(at);
        if (under && GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId()) {
            const LRESULT hit = SendMessageA(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
            SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                         MAKELPARAM(hit, WM_MOUSEMOVE));
            return;
        }
    }
    ::SetCursor(CursorHandle(cursor));
}

void TScreen::AddForm(TForm& form) { forms_.push_back(&form); }

void TScreen::RemoveForm(TForm& form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
}

}  // namespace ui
