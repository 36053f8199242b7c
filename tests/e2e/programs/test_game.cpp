// test_game: stands in for Game.exe when the end-to-end tests start the game from the launcher.
//
// Everything is keyed to the program's own path without ".exe", so the same binary can sit in a
// folder as Game.exe and elsewhere as a decoy (C:\My.exe) without the two mixing up:
//   <stem>-mode.txt   how to behave (absent: "ready"):
//                       ready            create a window and pump messages at once
//                       ready-after N    sleep N ms, then do as "ready"
//                       no-queue         never touch the window system; just wait
//   <stem>-report.jsonl  one JSON line appended per event: "start" (command line, working folder,
//                        own path), "ready" (entering the message loop) and "end" (why)
//   <stem>-end           once this file exists, the program ends (else after kLifetimeMs)
// Times are microseconds since 1970 from the system clock, which under Wine is the Linux clock,
// so the tests compare them with their own.

#include "probe/json_writer.h"
#include "probe/win_handles.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using probe::JsonObject;
using probe::UniqueHandle;

constexpr DWORD kLifetimeMs = 20000;
constexpr DWORD kPollMs = 50;
constexpr UINT_PTR kPollTimerId = 1;
constexpr wchar_t kWindowClass[] = L"VaskoranTestGame";
constexpr wchar_t kWindowTitle[] = L"Vaskoran test game";
// Away from where the launcher's window sits on the tests' 1024 x 768 desktop.
constexpr RECT kWindowFrame = {860, 620, 1010, 740};

enum class Mode { Ready, ReadyAfter, NoQueue };

struct Behaviour {
    Mode mode = Mode::Ready;
    DWORD delayMs = 0;
    std::wstring text = L"ready";
};

std::wstring ModulePath() {
    std::wstring path(32768, L'\0');  // the longest path Windows allows
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return path;
}

std::wstring CurrentDirectory() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring path(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, path.data());
    path.resize(length < needed ? length : 0);
    return path;
}

std::int64_t UnixMicroseconds() {
    constexpr std::int64_t kFileTimeAt1970 = 116444736000000000;  // in 100 ns steps since 1601
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const std::int64_t ticks = (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return (ticks - kFileTimeAt1970) / 10;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::optional<std::string> ReadSmallFile(const std::wstring& path) {
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes(256, '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return std::nullopt;
    bytes.resize(read);
    return bytes;
}

// "ready", "ready-after N" or "no-queue", surrounding white space ignored; nothing if malformed.
std::optional<Behaviour> ParseBehaviour(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    const auto last = text.find_last_not_of(" \t\r\n");
    text = first == std::string_view::npos ? std::string_view{} : text.substr(first, last - first + 1);
    Behaviour behaviour;
    behaviour.text.assign(text.begin(), text.end());
    if (text == "ready") return behaviour;
    if (text == "no-queue") {
        behaviour.mode = Mode::NoQueue;
        return behaviour;
    }
    constexpr std::string_view kReadyAfter = "ready-after ";
    if (!text.starts_with(kReadyAfter)) return std::nullopt;
    const std::string_view digits = text.substr(kReadyAfter.size());
    if (digits.empty() || digits.size() > 6) return std::nullopt;
    DWORD delay = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        delay = delay * 10 + static_cast<DWORD>(c - '0');
    }
    behaviour.mode = Mode::ReadyAfter;
    behaviour.delayMs = delay;
    return behaviour;
}

class Game {
public:
    explicit Game(std::wstring modulePath) : modulePath_(std::move(modulePath)), stem_(Stem(modulePath_)) {}

    int Run() {
        const std::optional<std::string> modeFile = ReadSmallFile(stem_ + L"-mode.txt");
        const std::optional<Behaviour> behaviour = modeFile ? ParseBehaviour(*modeFile) : Behaviour{};
        JsonObject start;
        start.Text("event", "start")
            .Unsigned("pid", GetCurrentProcessId())
            .Number("time_us", UnixMicroseconds())
            .Text("command_line", std::wstring_view(GetCommandLineW()))
            .Text("cwd", CurrentDirectory())
            .Text("module", modulePath_)
            .Text("mode", behaviour ? behaviour->text : L"unreadable");
        Record(start);
        if (!behaviour) return EndWith("bad mode");

        switch (behaviour->mode) {
        case Mode::NoQueue: return WaitWithoutQueue();
        case Mode::ReadyAfter: Sleep(behaviour->delayMs); [[fallthrough]];
        case Mode::Ready: return RunWindow();
        }
        return EndWith("bad mode");
    }

private:
    static std::wstring Stem(const std::wstring& path) {
        constexpr std::wstring_view kExtension = L".exe";
        const bool hasExtension = path.size() >= kExtension.size() &&
                                  CompareStringOrdinal(path.c_str() + path.size() - kExtension.size(),
                                                       static_cast<int>(kExtension.size()), kExtension.data(),
                                                       static_cast<int>(kExtension.size()), TRUE) == CSTR_EQUAL;
        return hasExtension ? path.substr(0, path.size() - kExtension.size()) : path;
    }

    // One write per line through an append-only handle, so lines of two copies never interleave.
    void Record(const JsonObject& line) const {
        const std::string bytes = line.Serialised() + "\n";
        const UniqueHandle file(CreateFileW((stem_ + L"-report.jsonl").c_str(), FILE_APPEND_DATA,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.get() == INVALID_HANDLE_VALUE) return;
        DWORD written = 0;
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }

    void RecordEvent(const char* event) const {
        Record(JsonObject().Text("event", event).Unsigned("pid", GetCurrentProcessId()).Number("time_us", UnixMicroseconds()));
    }

    int EndWith(const char* reason) const {
        Record(JsonObject()
                   .Text("event", "end")
                   .Unsigned("pid", GetCurrentProcessId())
                   .Number("time_us", UnixMicroseconds())
                   .Text("reason", reason));
        return 0;
    }

    // Why the game should stop now, or nothing while it should go on.
    const char* StopReason() const {
        if (FileExists(stem_ + L"-end")) return "told";
        if (GetTickCount64() - started_ >= kLifetimeMs) return "timeout";
        return nullptr;
    }

    int WaitWithoutQueue() const {
        for (;;) {
            if (const char* reason = StopReason()) return EndWith(reason);
            Sleep(kPollMs);
        }
    }

    int RunWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &Game::WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        windowClass.lpszClassName = kWindowClass;
        if (RegisterClassW(&windowClass) == 0) return EndWith("no window class");
        const HWND window = CreateWindowExW(0, kWindowClass, kWindowTitle, WS_OVERLAPPEDWINDOW, kWindowFrame.left,
                                            kWindowFrame.top, kWindowFrame.right - kWindowFrame.left,
                                            kWindowFrame.bottom - kWindowFrame.top, nullptr, nullptr,
                                            windowClass.hInstance, this);
        if (window == nullptr) return EndWith("no window");
        ShowWindow(window, SW_SHOWDEFAULT);  // as the starting program asked
        UpdateWindow(window);
        SetTimer(window, kPollTimerId, kPollMs, nullptr);
        RecordEvent("ready");

        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return EndWith(stopReason_ != nullptr ? stopReason_ : "window closed");
    }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* game = reinterpret_cast<Game*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        switch (message) {
        case WM_TIMER:
            if (game == nullptr || wParam != kPollTimerId) return 0;
            game->stopReason_ = game->StopReason();
            if (game->stopReason_ != nullptr) DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
        }
    }

    const std::wstring modulePath_;
    const std::wstring stem_;
    const ULONGLONG started_ = GetTickCount64();
    const char* stopReason_ = nullptr;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return Game(ModulePath()).Run(); }
