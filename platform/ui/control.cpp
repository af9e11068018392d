#include "platform/ui/control.h"

#include "platform/ui/form.h"
#include "platform/ui/gdi.h"

namespace ui {

TControl::TControl(TForm& owner, const char* className, int id) : owner_(owner) {
    RegisterWindowClass(className);
    CreateParams p;
    p.className = className;
    p.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    p.parent = owner.Handle();
    p.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    CreateHandle(p);
    owner_.AddControl(*this);
}

TControl::~TControl() { owner_.RemoveControl(*this); }

void TControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    owner_.Realign();
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

void TControl::SetCaption(const std::string& caption) {
    caption_ = caption;
    SetWindowTextA(Handle(), caption.c_str());
    CaptionChanged();
}

void TControl::BringToFront() {
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::Invalidate() { InvalidateRect(Handle(), nullptr, FALSE); }

LRESULT TControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;  // the buffered paint covers everything
        case WM_PAINT: PaintBuffered(); return 0;
        default: return Window::WndProc(message, wParam, lParam);
    }
}

void TControl::PaintBuffered() {
    PaintDc paint(Handle());
    if (width_ <= 0 || height_ <= 0) return;
    MemoryDc buffer(paint.Get());
    BitmapHandle bits(Checked(CreateCompatibleBitmap(paint.Get(), width_, height_),
                              "CreateCompatibleBitmap"));
    SelectedObject selected(buffer.Get(), bits.get());
    owner_.PaintUnder(*this, buffer.Get());
    Paint(buffer.Get());
    BitBlt(paint.Get(), 0, 0, width_, height_, buffer.Get(), 0, 0, SRCCOPY);
}

}  // namespace ui
