// The demo's companion: finds the running installer, prints every status text and message
// it shows (bytes of code page 1252, one event a line), and with --press clicks OK on each
// message after a short look. Prints "Banner at X Y W H" once while the banner waits for a
// program with no message over it, which is when the demo takes its screenshot.
// Ends when the installer ends; every wait is bounded.
#include "driver.h"

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

namespace {

using namespace e2e;

constexpr DWORD kFindTimeoutMs = 30000;
constexpr DWORD kRunTimeoutMs = 180000;
constexpr DWORD kLookMs = 1500;  // how long a pressed message stays on screen

struct Search {
    HWND found = nullptr;
};

BOOL CALLBACK FindStatusWindow(HWND window, LPARAM param) {
    if (ClassName(window) != "TFMain") return TRUE;
    reinterpret_cast<Search*>(param)->found = window;
    return FALSE;
}

std::string OneLine(std::string text) {
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += " / ";
        else
            out += c;
    }
    return out;
}

// The status line's text; empty while it is hidden or once the window has gone.
std::string StatusText(HWND status) {
    const HWND line = GetDlgItem(status, 102);
    if (!line || !IsWindowVisible(line)) return {};
    try {
        return ControlText(line);
    } catch (const WindowGone&) {
        return {};  // the program is ending
    }
}

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

int Run(bool press) {
    Search search;
    WaitUntil(
        [&] {
            EnumWindows(FindStatusWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        kFindTimeoutMs, "the installer's status window");
    const HWND status = search.found;
    DWORD processId = 0;
    GetWindowThreadProcessId(status, &processId);
    Handle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (!process) throw DriverError("cannot open the installer's process");
    Say("Installer window \"" + TopLevelText(status) + "\"");

    std::string lastStatus;
    std::set<HWND> seen;
    bool bannerReported = false;
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT) {
        if (GetTickCount() - start > kRunTimeoutMs) throw DriverError("the installer did not end");
        std::vector<Dialog> dialogs = OpenDialogs(processId);
        if (IsWindow(status)) {
            const std::string text = StatusText(status);
            if (text != lastStatus && !text.empty()) Say("Status: " + OneLine(text));
            lastStatus = text;
            if (!bannerReported && dialogs.empty() &&
                text.rfind("Attente de la fermeture", 0) == 0) {
                Pause(300);  // let it paint
                const RECT r = WindowRect(status);
                char where[96];
                std::snprintf(where, sizeof where, "Banner at %ld %ld %ld %ld", r.left, r.top,
                              r.right - r.left, r.bottom - r.top);
                Say(where);
                bannerReported = true;
            }
        }
        for (const Dialog& dialog : dialogs) {
            if (dialog.text.empty() || !seen.insert(dialog.window).second) continue;
            Say("Message \"" + dialog.caption + "\": " + OneLine(dialog.text));
            if (press) {
                Pause(kLookMs);
                PressOk(dialog);
                Say("  (OK pressed)");
            }
        }
        for (auto it = seen.begin(); it != seen.end();)
            it = IsWindow(*it) ? std::next(it) : seen.erase(it);
        Pause(50);
    }
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    Say("Installer ended, exit code " + std::to_string(code));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool press = argc > 1 && std::strcmp(argv[1], "--press") == 0;
    try {
        return Run(press);
    } catch (const DriverError& e) {
        std::printf("dialog_presser: %s\n", e.what());
        return 1;
    }
}
