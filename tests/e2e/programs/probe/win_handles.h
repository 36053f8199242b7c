#pragma once
// Move-only owners for the kernel and GDI handles the probe opens.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace probe {

struct KernelHandleCloser {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelHandleCloser>;

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

struct IconDestroyer {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

// BeginPaint/EndPaint as a scope.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~ScopedPaint() { EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;

    HDC Dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A registered window class, unregistered when the owner goes away.
class WindowClassRegistration {
public:
    explicit WindowClassRegistration(const WNDCLASSEXW& windowClass)
        : instance_(windowClass.hInstance), atom_(RegisterClassExW(&windowClass)) {}
    ~WindowClassRegistration() {
        if (atom_ != 0) UnregisterClassW(MAKEINTATOM(atom_), instance_);
    }
    WindowClassRegistration(const WindowClassRegistration&) = delete;
    WindowClassRegistration& operator=(const WindowClassRegistration&) = delete;

    bool Ok() const { return atom_ != 0; }

private:
    HINSTANCE instance_;
    ATOM atom_;
};

}  // namespace probe
