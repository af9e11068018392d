#include "platform/ui/modal_box.h"

#include <cstring>
#include <memory>
#include <type_traits>

#include "platform/ui/application.h"
#include "platform/ui/gdi.h"

namespace ui {
namespace {

struct HookDeleter {
    void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
using HookHandle = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookDeleter>;

// The box being opened on this thread; the hook procedure has no other way to reach it.
struct OpeningBox {
    BoxEnd end;
    bool placed = false;
};
OpeningBox* openingBox = nullptr;

bool IsDialog(HWND window) {
    char className[16] = {};
    return GetClassNameA(window, className, sizeof className) &&
           std::strcmp(className, "#32770") == 0;
}

// Centred, and in the always-on-top band for as long as it is open: under Wine a layered form
// that the box overlaps can otherwise move back above it, while no longer topmost itself.
void PlaceOnScreen(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    SetWindowPos(window, HWND_TOPMOST, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

// The box is laid out by the time it is first activated.
LRESULT CALLBACK OnActivation(int code, WPARAM wParam, LPARAM lParam) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && openingBox && !openingBox->placed && IsDialog(window)) {
        openingBox->placed = true;
        PlaceOnScreen(window);
        if (openingBox->end == BoxEnd::CloseAtOnce) {
            PostMessageA(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class ModalSection {
public:
    explicit ModalSection(BoxEnd end) : box_{end}, outer_(openingBox) {
        Application.BeginModal();
        openingBox = &box_;
    }
    ~ModalSection() {
        openingBox = outer_;
        Application.EndModal();
    }
    ModalSection(const ModalSection&) = delete;
    ModalSection& operator=(const ModalSection&) = delete;

private:
    OpeningBox box_;
    OpeningBox* outer_;
};

}  // namespace

int ShowModalBox(HWND owner, const std::string& text, const std::string& caption, UINT type,
                 BoxEnd end) {
    HookHandle hook(Checked(SetWindowsHookExA(WH_CBT, OnActivation, nullptr, GetCurrentThreadId()),
                            "SetWindowsHookEx"));
    ModalSection section(end);
    const int result = MessageBoxA(owner, text.c_str(), caption.c_str(), type);
    if (result == 0) ThrowLastError("MessageBox");
    return result;
}

}  // namespace ui
