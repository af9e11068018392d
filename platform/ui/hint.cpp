#include "platform/ui/hint.h"

#include <commctrl.h>

#include <stdexcept>

#include "platform/ui/gdi.h"

namespace ui {
namespace {

void LoadTooltipClass() {
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    if (!loaded) ThrowLastError("InitCommonControlsEx");
}

}  // namespace

Hint::Hint(HWND tool, const std::string& text) {
    LoadTooltipClass();
    // Topmost, so it shows above a stay-on-top form, and shown even when the form is not the
    // active window. Unowned: under Wine a topmost window owned by the form keeps the form from
    // getting its topmost place back after a modal box.
    tooltip_ = Checked(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr),
                       "CreateWindowEx tooltip");
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every comctl32 version
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = tool;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<char*>(text.c_str());  // copied by the tooltip
    if (!SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info))) {
        DestroyWindow(tooltip_);
        throw std::runtime_error("TTM_ADDTOOL failed");
    }
}

Hint::~Hint() { DestroyWindow(tooltip_); }

}  // namespace ui
