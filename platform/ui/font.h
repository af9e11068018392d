// A font description and the GDI font made from it.
#pragma once

#include <windows.h>

#include <string>

#include "platform/ui/gdi.h"

namespace ui {

struct TFont {
    std::string name = "MS Sans Serif";
    int height = -11;  // negative: character height in pixels, as CreateFont takes it
    bool bold = false;
    BYTE charset = DEFAULT_CHARSET;
    COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
};

FontHandle CreateFontHandle(const TFont& font);

}  // namespace ui
