#include "platform/ui/image.h"

#include "platform/ui/gdi.h"

namespace ui {

TImage::TImage(TForm& owner, int id) : TControl(owner, "TImage", id) {}

void TImage::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TImage::Paint(HDC dc) const {
    if (picture_.Empty()) return;
    if (transparent_) {
        picture_.DrawTransparent(dc, 0, 0);
    } else {
        picture_.Draw(dc, 0, 0);
    }
}

}  // namespace ui
