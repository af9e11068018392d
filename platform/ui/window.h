// A window object bound to its Win32 window: one window procedure for every class, which
// routes each message to the object and reports any error escaping a handler through the
// application's error handler.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // Destroys the window (and so its child windows) if it still exists.
    virtual ~Window();

    HWND Handle() const { return handle_; }

protected:
    Window() = default;

    struct CreateParams {
        DWORD exStyle = 0;
        const char* className = nullptr;
        std::string text;
        DWORD style = 0;
        int x = 0, y = 0, width = 0, height = 0;
        HWND parent = nullptr;  // the owner, for a top-level window
        HMENU menuOrId = nullptr;
    };
    // The class must be registered with RegisterWindowClass. Throws when creation fails.
    void CreateHandle(const CreateParams& params);

    // Registers the class once per process with this module's window procedure.
    static void RegisterWindowClass(const char* className, HICON icon = nullptr,
                                    HICON smallIcon = nullptr);

    // One message; the default passes it to DefWindowProc.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
};

}  // namespace ui
