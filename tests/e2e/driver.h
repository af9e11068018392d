// Drives a running installer from outside, through its windows, as a user would.
// Every wait is bounded and ends in a DriverError that says what was not seen.
#pragma once

#include <windows.h>

#include "platform/kernel32/win_handle.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {

using Handle = kernel32::AutoCloseHandle;

struct DriverError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A window destroyed while it was being read: its dialog is closing or its program ending.
struct WindowGone : DriverError {
    using DriverError::DriverError;
};

// Bounds for the waits; generous, since Wine on a loaded machine can be slow.
constexpr DWORD kWindowTimeoutMs = 15000;  // start-up until the status window shows
constexpr DWORD kDialogTimeoutMs = 10000;  // until an expected dialog opens
constexpr DWORD kExitTimeoutMs = 10000;    // until the process ends
constexpr DWORD kReplyTimeoutMs = 3000;    // one cross-process message

// The text with control characters and bytes above 127 as escapes, for failure messages.
std::string Printable(const std::string& text);

// Sleeps while dispatching this thread's own window messages (the tests' backdrop window).
void Pause(DWORD ms);

// Polls every 20 ms until done() holds; throws DriverError naming `what` after timeoutMs.
void WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, const std::string& what);

// A started program. Ending the object ends the program if it is still running, so that
// no test leaves a process behind.
class Process {
public:
    static Process Start(const std::string& exePath, const std::string& arguments,
                         const std::string& folder);
    Process(Process&&) = default;
    Process& operator=(Process&&) = default;
    ~Process();

    DWORD Id() const { return id_; }
    bool Running() const;
    // Waits for the end and returns the exit code; throws after timeoutMs.
    DWORD WaitForExit(DWORD timeoutMs) const;
    // Ends it and waits until it has gone.
    void Kill();

private:
    Process(Handle handle, DWORD id) : handle_(std::move(handle)), id_(id) {}
    Handle handle_;
    DWORD id_ = 0;
};

// Windows of another process.
std::vector<HWND> TopLevelWindows(DWORD processId);
std::vector<HWND> ChildWindows(HWND parent);
std::string ClassName(HWND window);
std::string TopLevelText(HWND window);  // GetWindowTextA: no message sent
std::string ControlText(HWND window);   // WM_GETTEXT, answered by the owning thread;
                                        // throws WindowGone if it is destroyed meanwhile
HWND FindTopLevel(DWORD processId, const std::string& className);  // nullptr if none
HWND WaitForTopLevel(const Process& process, const std::string& className, DWORD timeoutMs);
HWND ChildById(HWND parent, int id);  // throws when there is none
LONG_PTR Style(HWND window);
LONG_PTR ExStyle(HWND window);
RECT WindowRect(HWND window);
RECT ClientRect(HWND window);

// A left click at the centre of a control: mouse move, button down, button up (posted).
void Click(HWND control);
// BM_CLICK, the other form of click the program's buttons accept.
void PostButtonClick(HWND button);
// The Close command of a window's system menu (the taskbar button's menu).
void PostSystemClose(HWND window);

// A message dialog ("#32770") of the installer: caption, and the text of its Static child.
struct Dialog {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};
std::vector<Dialog> OpenDialogs(DWORD processId);
// Throws when no dialog opens in time or the process ends first.
Dialog WaitForDialog(const Process& process, DWORD timeoutMs);
// Clicks its OK button (control id 1) and waits until the dialog has gone.
void PressOk(const Dialog& dialog);
bool IsOpen(const Dialog& dialog);
// Waits for the end of the process; an open dialog meanwhile is a failure, reported with
// its caption and text.
DWORD WaitForExitWithoutDialog(const Process& process, DWORD timeoutMs);

// The installer's own windows, as the program/test contract names them.
struct InstallerWindows {
    HWND application = nullptr;  // "TApplication": the taskbar button's window
    HWND status = nullptr;       // "TFMain": the banner
    HWND StatusLine() const;     // lProgramme
    HWND CloseButton() const;    // SpeedButton1
    std::string StatusText() const;
};
InstallerWindows WaitForInstallerWindows(const Process& process);
// Waits until the status line shows exactly `text`.
void WaitForStatusText(const InstallerWindows& windows, const std::string& text, DWORD timeoutMs);

// Colour of the screen at a point, read back from what is really shown.
COLORREF ScreenPixel(POINT at);

// A full-screen window of one colour in this process, put behind the installer so that
// see-through parts of its window show that colour.
class Backdrop {
public:
    explicit Backdrop(COLORREF colour);
    ~Backdrop();
    Backdrop(const Backdrop&) = delete;
    Backdrop& operator=(const Backdrop&) = delete;

private:
    HBRUSH brush_;
    HWND window_;
};

}  // namespace e2e
