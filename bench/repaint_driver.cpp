// repaint_driver: exposes parts of the launcher's window in three ways, so that a trace of the
// launcher's GDI calls and window messages shows what each repaint draws:
//   cover       a window of ours over the area, then hidden again. Wine keeps a backing surface
//               for every window and puts the area back from it, so no repaint is expected.
//   invalidate  the same area invalidated, with the window and its children: what a desktop
//               without backing surfaces does when a window over the area goes away.
//   offscreen   the window moved so that its left part leaves the desktop, then moved back.
//
//   repaint_driver --launcher PATH
//
// Between the steps it writes "bench-phase: NAME" lines to standard error, where Wine also
// writes the launcher's trace (the launcher inherits this program's standard error), so the
// trace splits into phases. Each phase line is written once the launcher has nothing left to
// paint. Standard output gets the launcher's process id and windows, and each phase's area.

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bench_support_win32.h"

namespace {

constexpr DWORD kIdleTimeoutMs = 10000;
constexpr DWORD kWindowTimeoutMs = 5000;
constexpr DWORD kCloseTimeoutMs = 10000;
constexpr double kStepMs = 300;  // every step waits this long before checking the launcher is painted
constexpr double kPaintedTimeoutMs = 3000;
constexpr wchar_t kCoverClassName[] = L"VaskoranBenchCover";
constexpr int kFirstTileWidth = 640;  // the title picture's width: the client's second tile starts here

struct Area {
    const char* name;
    RECT client;  // in the launcher's client coordinates (656 x 463)
};

// The hot-spot label sits at (16, 392, 216, 448), the start button at (456, 384, 632, 448).
constexpr std::array kAreas = {
    Area{"first tile only", {100, 100, 300, 250}},
    Area{"strip right of x 640", {640, 100, 720, 250}},
    Area{"both tiles", {560, 100, 720, 250}},
    Area{"label", {8, 384, 232, 456}},
    Area{"button", {448, 376, 636, 456}},
    Area{"whole window", {-40, -60, 700, 500}},
};

void Phase(const std::string& name) {
    const std::string line = "bench-phase: " + name + "\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

BOOL CALLBACK AddChild(HWND child, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(child);
    return TRUE;
}

std::vector<HWND> WindowAndChildren(HWND window) {
    std::vector<HWND> windows{window};
    ::EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool NothingToPaint(HWND window) {
    for (HWND w : WindowAndChildren(window)) {
        if (::GetUpdateRect(w, nullptr, FALSE)) return false;
    }
    return true;
}

// Lets the launcher paint what it was asked to (and this program's cover window paint itself),
// then marks the trace.
void SettleThenPhase(HWND launcher, const std::string& name) {
    bench::PumpMessagesFor(kStepMs);
    const double deadline = bench::NowMs() + kPaintedTimeoutMs;
    while (!NothingToPaint(launcher) && bench::NowMs() < deadline) bench::PumpMessagesFor(20);
    Phase(name);
}

void ReportArea(const std::string& phase, const RECT& client) {
    bench::JsonLine()
        .Text("phase", phase)
        .Integer("left", client.left)
        .Integer("top", client.top)
        .Integer("right", client.right)
        .Integer("bottom", client.bottom);
}

bench::UniqueWindow CreateCoverWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH));
    windowClass.lpszClassName = kCoverClassName;
    if (::RegisterClassExW(&windowClass) == 0) return nullptr;
    // Never activated, so the launcher stays the active window throughout.
    return bench::UniqueWindow(::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kCoverClassName,
                                                 L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                                 windowClass.hInstance, nullptr));
}

RECT OnScreen(HWND window, RECT client) {
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    ::OffsetRect(&client, origin.x, origin.y);
    return client;
}

void Cover(HWND launcher, HWND cover, const Area& area) {
    const RECT screen = OnScreen(launcher, area.client);
    ReportArea(std::string("uncovered: ") + area.name, area.client);
    ::SetWindowPos(cover, HWND_TOPMOST, screen.left, screen.top, screen.right - screen.left,
                   screen.bottom - screen.top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ::UpdateWindow(cover);
    SettleThenPhase(launcher, std::string("covered: ") + area.name);
    ::ShowWindow(cover, SW_HIDE);
    SettleThenPhase(launcher, std::string("uncovered: ") + area.name);
}

void Invalidate(HWND launcher, const Area& area) {
    ReportArea(std::string("invalidated: ") + area.name, area.client);
    ::RedrawWindow(launcher, &area.client, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    SettleThenPhase(launcher, std::string("invalidated: ") + area.name);
}

// Moves the window left until the client's first `columns` columns are off the desktop, waits,
// and moves it back.
void MoveLeftOffScreen(HWND launcher, int columns) {
    RECT frame{};
    ::GetWindowRect(launcher, &frame);
    RECT client{};
    ::GetClientRect(launcher, &client);
    const int dx = -(OnScreen(launcher, client).left + columns);
    const std::string name = "client columns before x " + std::to_string(columns);
    ReportArea("moved back: " + name, {0, 0, columns, client.bottom});

    constexpr UINT kMoveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    ::SetWindowPos(launcher, nullptr, frame.left + dx, frame.top, 0, 0, kMoveOnly);
    SettleThenPhase(launcher, "moved out: " + name);
    ::SetWindowPos(launcher, nullptr, frame.left, frame.top, 0, 0, kMoveOnly);
    SettleThenPhase(launcher, "moved back: " + name);
}

void ReportWindows(HWND launcher) {
    for (HWND window : WindowAndChildren(launcher)) {
        wchar_t className[128] = {};
        ::GetClassNameW(window, className, static_cast<int>(std::size(className)));
        bench::JsonLine()
            .Text("window", className)
            .Integer("hwnd", static_cast<long long>(reinterpret_cast<std::uintptr_t>(window)))
            .Flag("top_level", window == launcher);
    }
}

}  // namespace

int wmain() {
    // Joins the desktop now, so that no timed step pays for bringing Wine's desktop up.
    ::GetDesktopWindow();
    const std::vector<std::wstring> args = bench::Arguments();
    const auto launcherPath = bench::OptionValue(args, L"--launcher");
    if (!launcherPath) {
        bench::JsonLine().Text("error", "usage: repaint_driver --launcher PATH");
        return 2;
    }
    const bench::UniqueWindow cover = CreateCoverWindow();
    if (!cover) return bench::Fail("could not create the cover window");

    const auto launcher = bench::StartProcess(*launcherPath);
    if (!launcher) return bench::Fail("CreateProcessW failed");
    ::WaitForInputIdle(launcher->process.get(), kIdleTimeoutMs);
    HWND window = bench::FindMainWindow(launcher->id, kWindowTimeoutMs);
    if (window == nullptr) {
        bench::CloseAndWait(nullptr, launcher->process.get(), 0);
        return bench::Fail("no launcher window");
    }
    bench::JsonLine().Text("event", "started").Integer("pid", launcher->id);
    ReportWindows(window);
    SettleThenPhase(window, "start-up");

    for (const Area& area : kAreas) Cover(window, cover.get(), area);
    for (const Area& area : kAreas) Invalidate(window, area);
    // Moving the 16 columns from x = 640 off the right edge instead shows nothing under Wine:
    // its backing surface seems to reach a little past the desktop's edge.
    MoveLeftOffScreen(window, kFirstTileWidth);

    Phase("closing");
    const bool closed = bench::CloseAndWait(window, launcher->process.get(), kCloseTimeoutMs);
    bench::JsonLine().Text("event", "ended").Flag("closed", closed);
    return closed ? 0 : 1;
}
