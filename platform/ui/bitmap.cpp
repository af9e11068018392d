#include "platform/ui/bitmap.h"

#include <string>

namespace ui {

void TBitmap::LoadFromResourceName(const char* name) {
    const std::string what = std::string("LoadImage ") + name;
    BitmapHandle loaded(static_cast<HBITMAP>(Checked(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION),
        what.c_str())));
    BITMAP info{};
    if (!GetObjectA(loaded.get(), sizeof info, &info)) ThrowLastError("GetObject");

    WindowDc screen(nullptr);
    MemoryDc memory(screen.Get());
    {
        SelectedObject selected(memory.Get(), loaded.get());
        transparentColor_ = GetPixel(memory.Get(), 0, info.bmHeight - 1);
    }
    handle_ = std::move(loaded);
    width_ = info.bmWidth;
    height_ = info.bmHeight;
}

void TBitmap::Draw(HDC dc, int x, int y) const {
    if (Empty()) return;
    MemoryDc memory(dc);
    SelectedObject selected(memory.Get(), handle_.get());
    if (!BitBlt(dc, x, y, width_, height_, memory.Get(), 0, 0, SRCCOPY)) ThrowLastError("BitBlt");
}

void TBitmap::DrawTransparent(HDC dc, int x, int y) const {
    if (Empty()) return;
    MemoryDc memory(dc);
    SelectedObject selected(memory.Get(), handle_.get());
    if (!TransparentBlt(dc, x, y, width_, height_, memory.Get(), 0, 0, width_, height_,
                        transparentColor_)) {
        ThrowLastError("TransparentBlt");
    }
}

}  // namespace ui
