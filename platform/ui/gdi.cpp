#include "platform/ui/gdi.h"

#include <stdexcept>
#include <string>

namespace ui {

void ThrowLastError(const char* what) {
    throw std::runtime_error(std::string(what) + " failed (error " +
                             std::to_string(GetLastError()) + ")");
}

MemoryDc::MemoryDc(HDC compatibleWith)
    : dc_(Checked(CreateCompatibleDC(compatibleWith), "CreateCompatibleDC")) {}

MemoryDc::~MemoryDc() { DeleteDC(dc_); }

SelectedObject::SelectedObject(HDC dc, HGDIOBJ object)
    : dc_(dc), previous_(Checked(SelectObject(dc, object), "SelectObject")) {}

SelectedObject::~SelectedObject() { SelectObject(dc_, previous_); }

WindowDc::WindowDc(HWND window) : window_(window), dc_(Checked(GetDC(window), "GetDC")) {}

WindowDc::~WindowDc() { ReleaseDC(window_, dc_); }

PaintDc::PaintDc(HWND window) : window_(window), paint_{} {
    Checked(BeginPaint(window, &paint_), "BeginPaint");
}

PaintDc::~PaintDc() { EndPaint(window_, &paint_); }

}  // namespace ui
