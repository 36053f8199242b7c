// quick_game: a game that is ready at once, for the click-to-exit benchmark (installed beside
// the launcher as Game.exe). It shows a small window, pumps messages straight away and ends by
// itself after kLifetimeMs, so the next run starts without it.

#include <windows.h>

#include "bench_support_win32.h"
#include "game_times_win32.h"

namespace {

constexpr wchar_t kClassName[] = L"VaskoranBenchQuickGame";
constexpr UINT kLifetimeMs = 600;
constexpr UINT_PTR kEndTimer = 1;
// Top left, clear of the launcher's centred window on the benchmark's 1024 x 768 desktop.
constexpr RECT kFrame = {10, 10, 170, 110};

// The shared record of this run's moments, when the timer made one.
class SharedGameTimes {
public:
    SharedGameTimes()
        : mapping_(::OpenFileMappingW(FILE_MAP_WRITE, FALSE, bench::kGameTimesName)),
          times_(mapping_ ? static_cast<bench::GameTimes*>(
                                ::MapViewOfFile(mapping_.get(), FILE_MAP_WRITE, 0, 0, sizeof(bench::GameTimes)))
                          : nullptr) {}
    ~SharedGameTimes() {
        if (times_ != nullptr) ::UnmapViewOfFile(times_);
    }
    SharedGameTimes(const SharedGameTimes&) = delete;
    SharedGameTimes& operator=(const SharedGameTimes&) = delete;

    void Entered(double now) {
        if (times_ != nullptr) times_->entered = now;
    }
    void Looping(double now) {
        if (times_ != nullptr) times_->looping = now;
    }

private:
    bench::UniqueHandle mapping_;
    bench::GameTimes* times_;
};

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kEndTimer) ::DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    SharedGameTimes times;
    times.Entered(bench::NowMs());

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = ::GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = kClassName;
    if (::RegisterClassExW(&windowClass) == 0) return 1;
    HWND window = ::CreateWindowExW(0, kClassName, L"Vaskoran quick game", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                    kFrame.left, kFrame.top, kFrame.right - kFrame.left, kFrame.bottom - kFrame.top,
                                    nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    ::SetTimer(window, kEndTimer, kLifetimeMs, nullptr);
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::UpdateWindow(window);

    times.Looping(bench::NowMs());
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
