// Scoped GDI resources: objects, memory DCs, selections, window and paint DCs.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace ui {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <class Handle>
using GdiHandle = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using FontHandle = GdiHandle<HFONT>;
using BitmapHandle = GdiHandle<HBITMAP>;
using BrushHandle = GdiHandle<HBRUSH>;

// Throws std::runtime_error naming `what` and GetLastError when `handle` is null.
template <class Handle>
Handle Checked(Handle handle, const char* what);

[[noreturn]] void ThrowLastError(const char* what);

template <class Handle>
Handle Checked(Handle handle, const char* what) {
    if (!handle) ThrowLastError(what);
    return handle;
}

// A memory DC compatible with another DC.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith);
    ~MemoryDc();
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back at the end of the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object);
    ~SelectedObject();
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The client-area DC of a window (GetDC / ReleaseDC); a null window gives the screen's DC.
class WindowDc {
public:
    explicit WindowDc(HWND window);
    ~WindowDc();
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window);
    ~PaintDc();
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const { return paint_.hdc; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
};

}  // namespace ui
