// A bitmap from the program's resources, drawn at its own size with the colour of its
// bottom-left pixel left out.
#pragma once

#include <windows.h>

#include "platform/ui/gdi.h"

namespace ui {

class TBitmap {
public:
    // Throws when the module has no such BITMAP resource.
    void LoadFromResourceName(const char* name);

    bool Empty() const { return !handle_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF TransparentColor() const { return transparentColor_; }

    // Top-left corner at (x, y), every pixel.
    void Draw(HDC dc, int x, int y) const;
    // Top-left corner at (x, y); the pixels of the transparent colour are not drawn.
    void DrawTransparent(HDC dc, int x, int y) const;

private:
    BitmapHandle handle_;
    int width_ = 0;
    int height_ = 0;
    COLORREF transparentColor_ = 0;
};

}  // namespace ui
