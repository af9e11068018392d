#include "platform/ui/label.h"

#include "platform/ui/form.h"

namespace ui {
namespace {

// No DT_NOPREFIX: "&" is the accelerator prefix. No DT_WORDBREAK: only CR breaks a line.
constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_EXPANDTABS;

}  // namespace

TLabel::TLabel(TForm& owner, int id) : TControl(owner, "TLabel", id) { SetFont(owner.Font()); }

void TLabel::SetFont(const TFont& font) {
    font_ = font;
    fontHandle_ = CreateFontHandle(font);
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::CaptionChanged() {
    AdjustBounds();
    Invalidate();
}

void TLabel::AdjustBounds() {
    if (!autoSize_) return;
    // An empty text (or a lone prefix) still measures one line high.
    std::string text = Caption();
    if (text.empty() || text == "&") text += ' ';
    WindowDc screen(nullptr);
    SelectedObject font(screen.Get(), fontHandle_.get());
    RECT r{0, 0, 0, 0};
    DrawTextA(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r,
              kTextFormat | DT_CALCRECT);
    if (r.right != Width() || r.bottom != Height()) SetBounds(Left(), Top(), r.right, r.bottom);
}

void TLabel::Paint(HDC dc) const {
    SelectedObject font(dc, fontHandle_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, font_.colour);
    RECT r{0, 0, Width(), Height()};
    DrawTextA(dc, Caption().c_str(), static_cast<int>(Caption().size()), &r, kTextFormat);
}

}  // namespace ui
