#include "platform/ui/form.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/control.h"

namespace ui {
namespace {

constexpr DWORD kFormStyle = WS_POPUP | WS_CLIPCHILDREN;

void ApplyColourKey(HWND window, COLORREF key) {
    if (SetLayeredWindowAttributes(window, key, 0, LWA_COLORKEY)) return;
    // No layered windows here: a layered window without attributes would not show at all,
    // so the form becomes an opaque rectangle.
    SetWindowLongPtrA(window, GWL_EXSTYLE,
                      GetWindowLongPtrA(window, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
}

}  // namespace

TForm::TForm(const TFormDesign& design)
    : design_(design),
      background_(Checked(CreateSolidBrush(design.colour), "CreateSolidBrush")) {
    RegisterWindowClass(design.className);
    DWORD exStyle = 0;
    if (design.stayOnTop) exStyle |= WS_EX_TOPMOST;
    if (design.transparentColor) exStyle |= WS_EX_LAYERED;
    RECT outer{0, 0, design.clientWidth, design.clientHeight};
    AdjustWindowRectEx(&outer, kFormStyle, FALSE, exStyle);

    CreateParams p;
    p.exStyle = exStyle;
    p.className = design.className;
    p.text = design.caption;
    p.style = kFormStyle;
    p.x = design.left;
    p.y = design.top;
    p.width = outer.right - outer.left;
    p.height = outer.bottom - outer.top;
    p.parent = Application.Handle();  // owned: no taskbar button of its own
    CreateHandle(p);
    if (design.transparentColor) ApplyColourKey(Handle(), design.transparentColorValue);
    Screen.AddForm(*this);
}

TForm::~TForm() { Screen.RemoveForm(*this); }

int TForm::ClientWidth() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.right;
}

int TForm::ClientHeight() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.bottom;
}

void TForm::Show() {
    if (!shownBefore_) PlaceForFirstShow();
    shownBefore_ = true;
    ShowWindow(Handle(), SW_SHOW);
}

void TForm::Hide() { ShowWindow(Handle(), SW_HIDE); }

void TForm::Maximize() {
    shownBefore_ = true;
    ShowWindow(Handle(), SW_SHOWMAXIMIZED);
}

bool TForm::Visible() const { return IsWindowVisible(Handle()) != FALSE; }

void TForm::Close() {
    if (Application.MainForm() == this) {
        Application.Terminate();  // the window stays until the message loop has ended
    } else {
        Hide();
    }
}

void TForm::DoCreate() {
    if (onCreate_) onCreate_();
}

void TForm::PlaceForFirstShow() {
    if (design_.position != poScreenCenter) return;
    RECT r{};
    GetWindowRect(Handle(), &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    SetWindowPos(Handle(), nullptr, (Screen.Width() - width) / 2, (Screen.Height() - height) / 2,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::PaintUnder(const TControl& control, HDC dc) const {
    RECT all{0, 0, control.Width(), control.Height()};
    FillRect(dc, &all, background_.get());
    // The siblings below the component, from the bottom up; each draws in its own place.
    const HWND self = control.Handle();
    for (HWND w = GetWindow(self, GW_HWNDLAST); w && w != self; w = GetWindow(w, GW_HWNDPREV)) {
        const auto found = std::find_if(controls_.begin(), controls_.end(),
                                        [w](const TControl* c) { return c->Handle() == w; });
        if (found == controls_.end() || !(*found)->Visible()) continue;
        const TControl& below = **found;
        const int saved = SaveDC(dc);
        SetViewportOrgEx(dc, below.Left() - control.Left(), below.Top() - control.Top(), nullptr);
        IntersectClipRect(dc, 0, 0, below.Width(), below.Height());
        below.Paint(dc);
        RestoreDC(dc, saved);
    }
}

void TForm::AddControl(TControl& control) { controls_.push_back(&control); }

void TForm::RemoveControl(TControl& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
}

void TForm::Realign() {
    for (TControl* c : controls_) {
        if (c->Align() == alClient) c->SetBounds(0, 0, ClientWidth(), ClientHeight());
    }
}

bool TForm::SetCursorForForm() {
    const TCursor cursor = Screen.Cursor() != crDefault ? Screen.Cursor() : design_.cursor;
    if (cursor == crDefault) return false;
    SetCursor(CursorHandle(cursor));
    return true;
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT r{};
            GetClientRect(Handle(), &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, background_.get());
            return 1;
        }
        case WM_SETCURSOR:
            // Components ask their form first (DefWindowProc), so this covers all of it.
            if (SetCursorForForm()) return TRUE;
            break;
        case WM_SIZE: Realign(); return 0;
        case WM_CLOSE: Close(); return 0;
        default: break;
    }
    return Window::WndProc(message, wParam, lParam);
}

}  // namespace ui
