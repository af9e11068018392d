// A picture: a bitmap drawn at its own size from the top-left corner, never stretched or
// centred, optionally without the pixels of its transparent colour.
#pragma once

#include "platform/ui/bitmap.h"
#include "platform/ui/control.h"

namespace ui {

class TImage : public TControl {
public:
    TImage(TForm& owner, int id);

    TBitmap& Picture() { return picture_; }
    void SetTransparent(bool transparent);

    void Paint(HDC dc) const override;

private:
    TBitmap picture_;
    bool transparent_ = false;
};

}  // namespace ui
