#include "platform/ui/font.h"

namespace ui {

FontHandle CreateFontHandle(const TFont& font) {
    return FontHandle(Checked(
        CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                    font.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, font.name.c_str()),
        "CreateFont"));
}

}  // namespace ui
