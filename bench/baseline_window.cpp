// baseline_window: the least a program can do to show what the launcher shows at start: a
// 640 x 480 picture already in memory (a gradient built at start, nothing decoded) in a centred
// window of the launcher's outer size and frame. The start-up benchmark compares the launcher
// with it.

#include <windows.h>

#include <cstdint>

#include "bench_support_win32.h"

namespace {

constexpr wchar_t kClassName[] = L"VaskoranBenchBaselineWindow";
constexpr wchar_t kCaption[] = L"Vaskoran baseline";
constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 480;
constexpr int kWindowWidth = 662;
constexpr int kWindowHeight = 488;
constexpr DWORD kStyle = WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

bench::UniqueBitmap MakeGradient() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kPictureWidth;
    info.bmiHeader.biHeight = -kPictureHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bench::UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return bitmap;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const auto red = static_cast<std::uint32_t>(x * 255 / (kPictureWidth - 1));
            const auto blue = static_cast<std::uint32_t>(y * 255 / (kPictureHeight - 1));
            pixels[y * kPictureWidth + x] = red << 16 | 0x40u << 8 | blue;
        }
    }
    ::GdiFlush();
    return bitmap;
}

struct WindowState {
    HBITMAP picture;
};

void Paint(HWND window, HBITMAP picture) {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(window, &paint);
    RECT client{};
    ::GetClientRect(window, &client);
    {
        bench::UniqueMemoryDc source(::CreateCompatibleDC(dc));
        bench::ScopedSelect select(source.get(), picture);
        ::BitBlt(dc, 0, 0, kPictureWidth, kPictureHeight, source.get(), 0, 0, SRCCOPY);
    }
    // The client area is wider than the picture: fill the strip to its right.
    const RECT rest{kPictureWidth, 0, client.right, client.bottom};
    ::FillRect(dc, &rest, ::GetSysColorBrush(COLOR_BTNFACE));
    ::EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(window, reinterpret_cast<WindowState*>(::GetWindowLongPtrW(window, GWLP_USERDATA))->picture);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const bench::UniqueBitmap picture = MakeGradient();
    if (!picture) return 1;
    WindowState state{picture.get()};

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (::RegisterClassExW(&windowClass) == 0) return 1;

    const int x = (::GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    HWND window = ::CreateWindowExW(0, kClassName, kCaption, kStyle, x, y, kWindowWidth, kWindowHeight, nullptr,
                                    nullptr, instance, &state);
    if (window == nullptr) return 1;
    ::ShowWindow(window, SW_SHOWNORMAL);

    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
