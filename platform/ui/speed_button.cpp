#include "platform/ui/speed_button.h"

#include <windowsx.h>

namespace ui {

TSpeedButton::TSpeedButton(TForm& owner, int id) : TControl(owner, "TSpeedButton", id) {}

void TSpeedButton::SetHint(const std::string& hint) {
    hint_ = hint;
    UpdateHint();
}

void TSpeedButton::SetShowHint(bool showHint) {
    showHint_ = showHint;
    UpdateHint();
}

void TSpeedButton::UpdateHint() {
    hintWindow_.reset();
    if (showHint_ && !hint_.empty()) hintWindow_ = std::make_unique<Hint>(Handle(), hint_);
}

void TSpeedButton::Click() {
    if (onClick_) onClick_();
}

void TSpeedButton::Paint(HDC dc) const {
    RECT r{0, 0, Width(), Height()};
    if (pressed_) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    } else if (hovering_) {
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    const int shift = pressed_ ? 1 : 0;
    glyph_.DrawTransparent(dc, (Width() - glyph_.Width() + 1) / 2 + shift,
                           (Height() - glyph_.Height() + 1) / 2 + shift);
}

bool TSpeedButton::AcceptsInput() const {
    return IsWindowEnabled(Handle()) && IsWindowEnabled(GetAncestor(Handle(), GA_ROOT));
}

bool TSpeedButton::Contains(LPARAM point) const {
    const int x = GET_X_LPARAM(point);
    const int y = GET_Y_LPARAM(point);
    return x >= 0 && y >= 0 && x < Width() && y < Height();
}

void TSpeedButton::SetState(bool hovering, bool pressed) {
    if (hovering == hovering_ && pressed == pressed_) return;
    hovering_ = hovering;
    pressed_ = pressed;
    Invalidate();
}

void TSpeedButton::OnMouseMove(LPARAM point) {
    if (!hovering_) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&leave);
    }
    SetState(Contains(point) || !tracking_, tracking_ && Contains(point));
}

void TSpeedButton::OnButtonDown() {
    if (!AcceptsInput()) return;
    SetCapture(Handle());
    tracking_ = true;
    SetState(true, true);
}

void TSpeedButton::OnButtonUp(LPARAM point) {
    if (!tracking_) return;
    const bool inside = Contains(point);
    tracking_ = false;
    ReleaseCapture();
    SetState(inside, false);
    if (inside && AcceptsInput()) Click();
}

LRESULT TSpeedButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE: OnMouseMove(lParam); return 0;
        case WM_MOUSELEAVE: SetState(false, pressed_ && tracking_); return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: OnButtonDown(); return 0;
        case WM_LBUTTONUP: OnButtonUp(lParam); return 0;
        case WM_CAPTURECHANGED:
            if (tracking_) {
                tracking_ = false;
                SetState(false, false);
            }
            return 0;
        case BM_CLICK:
            if (AcceptsInput()) Click();
            return 0;
        default: return TControl::WndProc(message, wParam, lParam);
    }
}

}  // namespace ui
