// Scoped kernel handles: each closes what it owns exactly once, on every path. Move-only.
#pragma once

#include <windows.h>

#include <utility>

namespace kernel32 {

// `Traits` gives the empty value, whether a raw value is empty, and how to close a handle.
template <typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(Traits::IsEmpty(handle) ? Traits::Empty() : handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = other.Release();
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return !Traits::IsEmpty(handle_); }

    HANDLE Release() { return std::exchange(handle_, Traits::Empty()); }

    // Closing can only fail for a handle that is not ours; nothing is left to undo then.
    void Reset() {
        if (!Traits::IsEmpty(handle_)) Traits::Close(handle_);
        handle_ = Traits::Empty();
    }

private:
    HANDLE handle_ = Traits::Empty();
};

// CloseHandle. Kernel functions report failure as NULL or as INVALID_HANDLE_VALUE, depending
// on the function; neither is ever closed.
struct KernelHandleTraits {
    static HANDLE Empty() { return nullptr; }
    static bool IsEmpty(HANDLE handle) { return handle == nullptr || handle == INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { ::CloseHandle(handle); }
};

// FindClose, for the handle of FindFirstFileA (INVALID_HANDLE_VALUE on failure).
struct FindHandleTraits {
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsEmpty(HANDLE handle) { return handle == INVALID_HANDLE_VALUE || handle == nullptr; }
    static void Close(HANDLE handle) { ::FindClose(handle); }
};

using AutoCloseHandle = UniqueHandle<KernelHandleTraits>;
using AutoFindHandle = UniqueHandle<FindHandleTraits>;

}  // namespace kernel32
