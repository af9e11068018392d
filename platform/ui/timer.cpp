#include "platform/ui/timer.h"

#include "platform/ui/gdi.h"

namespace ui {
namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer() {
    RegisterWindowClass("TTimerWindow");
    CreateParams p;
    p.className = "TTimerWindow";
    p.parent = HWND_MESSAGE;
    CreateHandle(p);
}

TTimer::~TTimer() { KillTimer(Handle(), kTimerId); }

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned milliseconds) {
    interval_ = milliseconds;
    UpdateTimer();
}

void TTimer::SetOnTimer(std::function<void()> handler) {
    onTimer_ = std::move(handler);
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    KillTimer(Handle(), kTimerId);
    if (enabled_ && interval_ != 0 && onTimer_) {
        if (!SetTimer(Handle(), kTimerId, interval_, nullptr)) ThrowLastError("SetTimer");
    }
}

LRESULT TTimer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        if (onTimer_) onTimer_();
        return 0;
    }
    return Window::WndProc(message, wParam, lParam);
}

}  // namespace ui
