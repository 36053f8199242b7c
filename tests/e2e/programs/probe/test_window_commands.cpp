// probe show-window / show-message: windows with known geometry, colours and behaviour, for the
// harness to check its own coordinate mapping, pixel reads and input against.

#include "subcommand.h"
#include "win_handles.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace probe {
namespace {

constexpr OptionSpec kShowWindowOptions[] = {{L"--title", true}, {L"--width", true}, {L"--height", true}};
constexpr OptionSpec kShowMessageOptions[] = {{L"--title", true}, {L"--text", true}};

constexpr wchar_t kTestWindowClass[] = L"ProbeTestWindow";
constexpr COLORREF kBodyColour = RGB(0x20, 0x60, 0xA0);
constexpr COLORREF kMarkerColour = RGB(0xF0, 0x80, 0x10);
constexpr int kMarkerSize = 8;  // a square at the client origin, to check where the client area lands
// A left-button release at client (x, y) ends the program with kClickExitFlag | y << 16 | x.
constexpr std::uint32_t kClickExitFlag = 0x40000000;

void Paint(HWND window) {
    const ScopedPaint paint(window);
    RECT client{};
    GetClientRect(window, &client);
    const UniqueBrush body(CreateSolidBrush(kBodyColour));
    FillRect(paint.Dc(), &client, body.get());
    const RECT marker{0, 0, kMarkerSize, kMarkerSize};
    const UniqueBrush markerBrush(CreateSolidBrush(kMarkerColour));
    FillRect(paint.Dc(), &marker, markerBrush.get());
}

// The exit code travels in GWLP_USERDATA until WM_DESTROY turns it into WM_QUIT.
LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) DestroyWindow(window);
        return 0;
    case WM_LBUTTONUP: {
        const auto x = static_cast<std::uint32_t>(LOWORD(lParam));
        const auto y = static_cast<std::uint32_t>(HIWORD(lParam));
        SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(kClickExitFlag | y << 16 | x));
        DestroyWindow(window);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA)));
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// A plain square icon of the given size, so the window reports icons whose size is known.
UniqueIcon MakeIcon(int size, COLORREF colour) {
    // 32-bit pixels are 0xAARRGGBB, in memory order B, G, R, A.
    const std::uint32_t pixel = 0xFF000000u | std::uint32_t{GetRValue(colour)} << 16 |
                                std::uint32_t{GetGValue(colour)} << 8 | std::uint32_t{GetBValue(colour)};
    const std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), pixel);
    const UniqueBitmap image(CreateBitmap(size, size, 1, 32, pixels.data()));
    // An all-zero AND mask: every pixel opaque. Monochrome rows are padded to 16 bits.
    const std::vector<std::uint8_t> maskBits(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0);
    const UniqueBitmap mask(CreateBitmap(size, size, 1, 1, maskBits.data()));
    if (!image || !mask) return nullptr;
    ICONINFO info{TRUE, 0, 0, mask.get(), image.get()};
    return UniqueIcon(CreateIconIndirect(&info));  // copies both bitmaps
}

int ShowTestWindow(const Options& options) {
    const std::optional<std::wstring> title = options.Value(L"--title");
    bool valid = true;
    const std::uint32_t width = options.Unsigned(L"--width", valid).value_or(400);
    const std::uint32_t height = options.Unsigned(L"--height", valid).value_or(300);
    if (!title || !valid || width > 16384 || height > 16384) {
        return ReportUsageError(L"show-window needs --title, and --width/--height in pixels");
    }
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const UniqueIcon bigIcon = MakeIcon(32, kBodyColour);
    const UniqueIcon smallIcon = MakeIcon(16, kMarkerColour);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = bigIcon.get();
    windowClass.hIconSm = smallIcon.get();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kTestWindowClass;
    const WindowClassRegistration registration(windowClass);
    if (!registration.Ok()) return ReportFailure("RegisterClassExW failed", GetLastError());

    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const HWND window = CreateWindowExW(0, kTestWindowClass, title->c_str(), style, x, y, w, h, nullptr, nullptr,
                                        instance, nullptr);
    if (window == nullptr) return ReportFailure("CreateWindowExW failed", GetLastError());
    // CreateWindowEx clamps the size to the desktop's tracking limits; set it again to get it exact.
    SetWindowPos(window, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.get()));
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int ShowTestMessage(const Options& options) {
    const std::optional<std::wstring> title = options.Value(L"--title");
    const std::optional<std::wstring> text = options.Value(L"--text");
    if (!title || !text) return ReportUsageError(L"show-message needs --title and --text");
    return MessageBoxW(nullptr, text->c_str(), title->c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace

const Subcommand kShowWindowSubcommand = {
    L"show-window",
    L"--title T [--width W] [--height H]   (a centred window of that outer size; Escape or close exits 0, a "
    L"left click at client x,y exits 0x40000000 | y << 16 | x)",
    kShowWindowOptions,
    ShowTestWindow,
};
const Subcommand kShowMessageSubcommand = {
    L"show-message", L"--title T --text X   (an error message box; exits with its result, IDOK = 1)",
    kShowMessageOptions, ShowTestMessage};

}  // namespace probe
