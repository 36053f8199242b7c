#pragma once
// Move-only owners for the Win32 handles and GDI objects the launcher creates, and scoped guards
// for device contexts and selections. Every guard keeps what it needs to undo itself.

#include <windows.h>

#include <utility>

namespace launcher {

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : h_(h) {}
    UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Handle{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.h_, Handle{}));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return h_; }
    explicit operator bool() const { return h_ != Handle{}; }
    void Reset(Handle h = Handle{}) {
        if (h_ != Handle{}) Traits::Close(h_);
        h_ = h;
    }
    Handle Release() { return std::exchange(h_, Handle{}); }

private:
    Handle h_{};
};

struct GdiObjectTraits {
    static void Close(HGDIOBJ h) { ::DeleteObject(h); }
};
struct IconTraits {
    static void Close(HICON h) { ::DestroyIcon(h); }
};
struct MemoryDcTraits {
    static void Close(HDC h) { ::DeleteDC(h); }
};
struct KernelHandleTraits {
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct WindowTraits {
    static void Close(HWND h) { ::DestroyWindow(h); }
};

using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;

// Selects an object into a DC and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~ScopedSelect() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint/EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = ::BeginPaint(hwnd, &ps_); }
    ~PaintScope() { ::EndPaint(hwnd_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const { return dc_; }
    const RECT& Box() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

// Saves a DC's state and restores it.
class SavedDcState {
public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
    ~SavedDcState() {
        if (saved_ != 0) ::RestoreDC(dc_, saved_);
    }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace launcher
