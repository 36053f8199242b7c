#pragma once
// One window procedure per class finds its object from lpCreateParams at WM_NCCREATE and hands
// every message to T::HandleMessage. The object outlives its window; after WM_NCDESTROY it is
// detached and the window handle is cleared.

#include <windows.h>

namespace launcher {

template <typename T>
class WindowBase {
public:
    HWND Hwnd() const { return hwnd_; }

protected:
    WindowBase() = default;
    ~WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        T* self = nullptr;
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            self = static_cast<T*>(create->lpCreateParams);
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<T*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);

        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            self->OnWindowGone();
        }
        return result;
    }

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }

    // Called after the window is gone; the object may still be alive.
    void OnWindowGone() {}

private:
    HWND hwnd_ = nullptr;
};

}  // namespace launcher
