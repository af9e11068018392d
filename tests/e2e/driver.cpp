#include "driver.h"

#include "platform/ui/gdi.h"

#include <cstdio>

namespace e2e {

namespace {

constexpr int kStatusLineId = 102;
constexpr int kCloseButtonId = 103;

std::string ErrorText(const std::string& what) {
    return what + " (error " + std::to_string(GetLastError()) + ")";
}

std::string Describe(HWND window) {
    char text[64];
    std::snprintf(text, sizeof text, "window %p", static_cast<void*>(window));
    return text + (" of class \"" + ClassName(window) + "\"");
}

struct TopLevelSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<TopLevelSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId) search.found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::string MessageText(HWND dialog) {
    for (HWND child : ChildWindows(dialog)) {
        if (ClassName(child) != "Static") continue;
        std::string text = ControlText(child);
        if (!text.empty()) return text;
    }
    return {};
}

bool Exited(const Process& process, DWORD* exitCode) {
    if (process.Running()) return false;
    *exitCode = process.WaitForExit(0);
    return true;
}

LRESULT CALLBACK BackdropProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_ERASEBKGND) {
        RECT all;
        GetClientRect(window, &all);
        FillRect(reinterpret_cast<HDC>(w), &all,
                 reinterpret_cast<HBRUSH>(GetWindowLongPtrA(window, GWLP_USERDATA)));
        return 1;
    }
    return DefWindowProcA(window, message, w, l);
}

}  // namespace

std::string Printable(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

void Pause(DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
    }
}

void WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, const std::string& what) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= timeoutMs)
            throw DriverError(what + ": not seen within " + std::to_string(timeoutMs) + " ms");
        Pause(20);
    }
}

Process Process::Start(const std::string& exePath, const std::string& arguments,
                       const std::string& folder) {
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // No inherited handles: the test's own pipes and its hold on files stay its own.
    if (!CreateProcessA(exePath.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info))
        throw DriverError(ErrorText("cannot start " + exePath));
    Handle thread(info.hThread);
    return Process(Handle(info.hProcess), info.dwProcessId);
}

Process::~Process() {
    if (!handle_ || !Running()) return;
    try {
        Kill();
    } catch (const DriverError& e) {
        std::fprintf(stderr, "left running: %s\n", e.what());
    }
}

bool Process::Running() const {
    return WaitForSingleObject(handle_.Get(), 0) == WAIT_TIMEOUT;
}

DWORD Process::WaitForExit(DWORD timeoutMs) const {
    WaitUntil([this] { return !Running(); }, timeoutMs,
              "end of process " + std::to_string(id_));
    DWORD code = 0;
    if (!GetExitCodeProcess(handle_.Get(), &code))
        throw DriverError(ErrorText("no exit code for process " + std::to_string(id_)));
    return code;
}

void Process::Kill() {
    if (!TerminateProcess(handle_.Get(), 1) && Running())
        throw DriverError(ErrorText("cannot end process " + std::to_string(id_)));
    if (WaitForSingleObject(handle_.Get(), kExitTimeoutMs) != WAIT_OBJECT_0)
        throw DriverError("process " + std::to_string(id_) + " does not end when killed");
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
    TopLevelSearch search{processId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string ClassName(HWND window) {
    char name[256];
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

std::string TopLevelText(HWND window) {
    std::vector<char> text(GetWindowTextLengthA(window) + 1);
    const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), length > 0 ? length : 0);
}

std::string ControlText(HWND window) {
    const auto fail = [window](const char* message) {
        if (!IsWindow(window)) throw WindowGone("the window went while being read");
        throw DriverError(ErrorText(std::string("no answer to ") + message + " from " +
                                    Describe(window)));
    };
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                             &length))
        fail("WM_GETTEXTLENGTH");
    // The text may grow between the two messages: a filled buffer is read again, larger.
    for (std::size_t size = length + 64;; size *= 2) {
        std::vector<char> text(size);
        DWORD_PTR copied = 0;
        if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(),
                                 reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                                 kReplyTimeoutMs, &copied))
            fail("WM_GETTEXT");
        if (copied + 1 < text.size()) return std::string(text.data(), copied);
    }
}

HWND FindTopLevel(DWORD processId, const std::string& className) {
    for (HWND window : TopLevelWindows(processId))
        if (ClassName(window) == className) return window;
    return nullptr;
}

HWND WaitForTopLevel(const Process& process, const std::string& className, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            if (!process.Running())
                throw DriverError("the process ended before showing a " + className +
                                  " window");
            found = FindTopLevel(process.Id(), className);
            return found != nullptr && IsWindowVisible(found);
        },
        timeoutMs, "a visible " + className + " window");
    return found;
}

HWND ChildById(HWND parent, int id) {
    HWND child = GetDlgItem(parent, id);
    if (!child) throw DriverError("no child window with id " + std::to_string(id));
    return child;
}

LONG_PTR Style(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }
LONG_PTR ExStyle(HWND window) { return GetWindowLongPtrA(window, GWL_EXSTYLE); }

RECT WindowRect(HWND window) {
    RECT r{};
    if (!GetWindowRect(window, &r)) throw DriverError(ErrorText("GetWindowRect failed"));
    return r;
}

RECT ClientRect(HWND window) {
    RECT r{};
    if (!GetClientRect(window, &r)) throw DriverError(ErrorText("GetClientRect failed"));
    return r;
}

void Click(HWND control) {
    const RECT r = ClientRect(control);
    const LPARAM centre = MAKELPARAM(r.right / 2, r.bottom / 2);
    if (!PostMessageA(control, WM_MOUSEMOVE, 0, centre) ||
        !PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, centre) ||
        !PostMessageA(control, WM_LBUTTONUP, 0, centre))
        throw DriverError(ErrorText("cannot post a click"));
}

void PostButtonClick(HWND button) {
    if (!PostMessageA(button, BM_CLICK, 0, 0)) throw DriverError(ErrorText("cannot post BM_CLICK"));
}

void PostSystemClose(HWND window) {
    if (!PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0))
        throw DriverError(ErrorText("cannot post SC_CLOSE"));
}

std::vector<Dialog> OpenDialogs(DWORD processId) {
    std::vector<Dialog> dialogs;
    for (HWND window : TopLevelWindows(processId)) {
        if (ClassName(window) != "#32770" || !IsWindowVisible(window)) continue;
        std::string text;
        try {
            text = MessageText(window);
        } catch (const WindowGone&) {
            continue;  // closing: no longer a dialog to answer
        }
        dialogs.push_back({window, TopLevelText(window), text});
    }
    return dialogs;
}

Dialog WaitForDialog(const Process& process, DWORD timeoutMs) {
    Dialog found;
    WaitUntil(
        [&] {
            DWORD code = 0;
            if (Exited(process, &code))
                throw DriverError("the installer ended (exit code " + std::to_string(code) +
                                  ") without showing the expected dialog");
            for (Dialog& dialog : OpenDialogs(process.Id())) {
                if (dialog.text.empty()) continue;  // still being filled in
                found = dialog;
                return true;
            }
            return false;
        },
        timeoutMs, "a message dialog");
    return found;
}

void PressOk(const Dialog& dialog) {
    PostButtonClick(ChildById(dialog.window, IDOK));
    WaitUntil([&] { return !IsOpen(dialog); }, kDialogTimeoutMs,
              "the dialog \"" + Printable(dialog.caption) + "\" closing after OK");
}

bool IsOpen(const Dialog& dialog) {
    return IsWindow(dialog.window) && IsWindowVisible(dialog.window);
}

DWORD WaitForExitWithoutDialog(const Process& process, DWORD timeoutMs) {
    DWORD code = 0;
    WaitUntil(
        [&] {
            if (Exited(process, &code)) return true;
            for (const Dialog& dialog : OpenDialogs(process.Id()))
                throw DriverError("unexpected dialog \"" + Printable(dialog.caption) +
                                  "\": " + Printable(dialog.text));
            return false;
        },
        timeoutMs, "end of the installer");
    return code;
}

HWND InstallerWindows::StatusLine() const { return ChildById(status, kStatusLineId); }
HWND InstallerWindows::CloseButton() const { return ChildById(status, kCloseButtonId); }
std::string InstallerWindows::StatusText() const { return ControlText(StatusLine()); }

InstallerWindows WaitForInstallerWindows(const Process& process) {
    InstallerWindows windows;
    windows.status = WaitForTopLevel(process, "TFMain", kWindowTimeoutMs);
    windows.application = FindTopLevel(process.Id(), "TApplication");
    if (!windows.application) throw DriverError("no TApplication window beside the TFMain one");
    return windows;
}

void WaitForStatusText(const InstallerWindows& windows, const std::string& text,
                       DWORD timeoutMs) {
    std::string last;
    try {
        WaitUntil(
            [&] {
                last = windows.StatusText();
                return last == text;
            },
            timeoutMs, "status text");
    } catch (const DriverError& e) {
        throw DriverError(std::string(e.what()) + ": wanted \"" + Printable(text) +
                          "\", last seen \"" + Printable(last) + "\"");
    }
}

COLORREF ScreenPixel(POINT at) {
    const ui::WindowDc screen(nullptr);
    const COLORREF colour = GetPixel(screen.Get(), at.x, at.y);
    if (colour == CLR_INVALID) throw DriverError("cannot read the screen pixel");
    return colour;
}

Backdrop::Backdrop(COLORREF colour) : brush_(CreateSolidBrush(colour)), window_(nullptr) {
    if (!brush_) throw DriverError(ErrorText("cannot create the backdrop's brush"));
    static const char* const kClass = "E2EBackdrop";
    WNDCLASSA cls{};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), kClass, &cls)) {
        cls.lpfnWndProc = BackdropProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = kClass;
        if (!RegisterClassA(&cls)) throw DriverError(ErrorText("cannot register the backdrop"));
    }
    window_ = CreateWindowExA(0, kClass, "backdrop", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                              GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (!window_) {
        DeleteObject(brush_);
        throw DriverError(ErrorText("cannot create the backdrop"));
    }
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(brush_));
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    Pause(100);
}

Backdrop::~Backdrop() {
    DestroyWindow(window_);
    DeleteObject(brush_);
}

}  // namespace e2e
