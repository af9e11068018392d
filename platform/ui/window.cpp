#include "platform/ui/window.h"

#include <exception>

#include "platform/ui/application.h"
#include "platform/ui/gdi.h"

namespace ui {

Window::~Window() {
    if (!handle_) return;
    // Messages sent while the window goes away must not reach a half-destroyed object.
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
}

void Window::CreateHandle(const CreateParams& p) {
    const HWND created = CreateWindowExA(p.exStyle, p.className, p.text.c_str(), p.style, p.x, p.y,
                                         p.width, p.height, p.parent, p.menuOrId,
                                         GetModuleHandleA(nullptr), this);
    Checked(created, p.className);
}

void Window::RegisterWindowClass(const char* className, HICON icon, HICON smallIcon) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExA(instance, className, &known)) return;

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = Dispatch;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    Checked(RegisterClassExA(&wc), "RegisterClassEx");
}

LRESULT Window::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // Destroyed from outside the object (e.g. with its parent): forget the handle.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return self->WndProc(message, wParam, lParam);
    } catch (...) {
        // No C++ error may cross the system's frames: it is reported here, around the handler.
        Application.HandleException(std::current_exception());
        return 0;
    }
}

}  // namespace ui
