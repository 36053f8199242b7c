// click_timer: from the start button's release to the launcher's end, for a game that is ready
// at once, against a baseline program that only starts the same game and waits for it to be
// ready for input. Everything is timed here, on one clock: this program presses and releases
// the button itself with SendInput and waits on the launcher's process handle.
//
//   click_timer run [--rounds N] [--warmup N] --launcher PATH --starter PATH --game PATH
//
// PATH of the launcher is a copy in a folder that also holds the game as Game.exe; --game is
// that Game.exe, which the baseline starter starts. One line per run: release_to_end_ms (for
// the baseline: from its start signal to its end), and when the game entered wWinMain and
// its message loop, counted from the same moment.

#include <windows.h>

#include <cmath>
#include <string>

#include "bench_support_win32.h"
#include "game_times_win32.h"

namespace {

constexpr DWORD kIdleTimeoutMs = 10000;
constexpr DWORD kWindowTimeoutMs = 5000;
constexpr DWORD kEndTimeoutMs = 5000;
constexpr DWORD kSettleMs = 300;      // both programs rest this long before their start signal
constexpr DWORD kInputStepMs = 100;   // between the pointer's move, press and release
constexpr DWORD kGameGoneTimeoutMs = 5000;
constexpr wchar_t kGameWindowClass[] = L"VaskoranBenchQuickGame";
// The start button's centre in the launcher's client area: (456, 384), 176 x 64.
constexpr POINT kButtonCentre = {456 + 88, 384 + 32};

// The shared record quick_game writes its moments into, zeroed for each run.
class GameTimesRecord {
public:
    GameTimesRecord()
        : mapping_(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(bench::GameTimes),
                                        bench::kGameTimesName)),
          times_(mapping_ ? static_cast<bench::GameTimes*>(
                                ::MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(bench::GameTimes)))
                          : nullptr) {
        if (times_ != nullptr) *times_ = {};
    }
    ~GameTimesRecord() {
        if (times_ != nullptr) ::UnmapViewOfFile(times_);
    }
    GameTimesRecord(const GameTimesRecord&) = delete;
    GameTimesRecord& operator=(const GameTimesRecord&) = delete;

    // Each moment relative to `origin`, or NaN when the game did not write it.
    void Report(bench::JsonLine& line, double origin) const {
        const bench::GameTimes seen = times_ != nullptr ? *times_ : bench::GameTimes{};
        line.Number("game_entered_ms", seen.entered != 0 ? seen.entered - origin : NAN)
            .Number("game_looping_ms", seen.looping != 0 ? seen.looping - origin : NAN);
    }

private:
    bench::UniqueHandle mapping_;
    bench::GameTimes* times_;
};

void SendMouse(DWORD flags, POINT screen = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        // Absolute positions are in 1/65536ths of the primary screen.
        input.mi.dx = ::MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = ::MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

bool GameWindowShown() { return ::FindWindowW(kGameWindowClass, nullptr) != nullptr; }

// The game ends by itself; the next run must not meet it.
void WaitForGameGone() {
    const double deadline = bench::NowMs() + kGameGoneTimeoutMs;
    while (GameWindowShown() && bench::NowMs() < deadline) ::Sleep(10);
    ::Sleep(100);
}

void EndOf(bench::JsonLine& line, HANDLE process, double origin) {
    const DWORD waited = ::WaitForSingleObject(process, kEndTimeoutMs);
    const double endAt = bench::NowMs();
    DWORD exitCode = 0;
    ::GetExitCodeProcess(process, &exitCode);
    const bool gameShown = GameWindowShown();
    line.Number("release_to_end_ms", endAt - origin).Integer("exit_code", exitCode).Flag("game_shown", gameShown);
    if (waited != WAIT_OBJECT_0) {
        ::TerminateProcess(process, 1);
        line.Text("error", "did not end");
    } else if (!gameShown) {
        line.Text("error", "the game was not started");
    }
}

void TimeLauncherClick(const std::wstring& launcher, int round, bool warmup) {
    bench::JsonLine line;
    line.Text("program", "launcher").Integer("round", round).Flag("warmup", warmup);
    const GameTimesRecord times;
    const auto started = bench::StartProcess(launcher);
    if (!started) {
        line.Text("error", "CreateProcessW failed").Integer("win32_error", ::GetLastError());
        return;
    }
    ::WaitForInputIdle(started->process.get(), kIdleTimeoutMs);
    HWND window = bench::FindMainWindow(started->id, kWindowTimeoutMs);
    if (window == nullptr) {
        line.Text("error", "no launcher window");
        bench::CloseAndWait(nullptr, started->process.get(), 0);
        return;
    }
    ::Sleep(kSettleMs);
    POINT button = kButtonCentre;
    ::ClientToScreen(window, &button);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, button);
    ::Sleep(kInputStepMs);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    ::Sleep(kInputStepMs);
    const double releasedAt = bench::NowMs();
    SendMouse(MOUSEEVENTF_LEFTUP);
    EndOf(line, started->process.get(), releasedAt);
    times.Report(line, releasedAt);
    WaitForGameGone();
    // Leave the pointer off the launcher's next window.
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, {1, 1});
}

void TimeBaselineStart(const std::wstring& starter, const std::wstring& game, int round, bool warmup) {
    bench::JsonLine line;
    line.Text("program", "baseline_starter").Integer("round", round).Flag("warmup", warmup);
    const std::wstring suffix = std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(round);
    const std::wstring readyName = L"Local\\VaskoranBenchReady-" + suffix;
    const std::wstring goName = L"Local\\VaskoranBenchGo-" + suffix;
    const bench::UniqueHandle ready(::CreateEventW(nullptr, TRUE, FALSE, readyName.c_str()));
    const bench::UniqueHandle go(::CreateEventW(nullptr, TRUE, FALSE, goName.c_str()));
    if (!ready || !go) {
        line.Text("error", "CreateEventW failed").Integer("win32_error", ::GetLastError());
        return;
    }
    const GameTimesRecord times;
    const auto started = bench::StartProcess(starter, L"--ready " + readyName + L" --go " + goName + L" \"" + game + L"\"");
    if (!started) {
        line.Text("error", "CreateProcessW failed").Integer("win32_error", ::GetLastError());
        return;
    }
    if (::WaitForSingleObject(ready.get(), kIdleTimeoutMs) != WAIT_OBJECT_0) {
        line.Text("error", "the starter never got ready");
        bench::CloseAndWait(nullptr, started->process.get(), 0);
        return;
    }
    ::Sleep(kSettleMs);
    const double goAt = bench::NowMs();
    ::SetEvent(go.get());
    EndOf(line, started->process.get(), goAt);
    times.Report(line, goAt);
    WaitForGameGone();
}

}  // namespace

int wmain() {
    // Joins the desktop now, so that no timed step pays for bringing Wine's desktop up.
    ::GetDesktopWindow();
    const std::vector<std::wstring> args = bench::Arguments();
    const auto launcher = bench::OptionValue(args, L"--launcher");
    const auto starter = bench::OptionValue(args, L"--starter");
    const auto game = bench::OptionValue(args, L"--game");
    const int rounds = bench::IntOption(args, L"--rounds", 10);
    const int warmup = bench::IntOption(args, L"--warmup", 1);
    if (args.empty() || args.front() != L"run" || !launcher || !starter || !game || rounds < 1 || warmup < 0) {
        bench::JsonLine().Text("error", "usage: click_timer run [--rounds N] [--warmup N] --launcher P --starter P --game P");
        return 2;
    }
    for (int round = -warmup; round < rounds; ++round) {
        // Alternate who goes first, so neither always follows the other.
        if (round % 2 == 0) {
            TimeLauncherClick(*launcher, round, round < 0);
            TimeBaselineStart(*starter, *game, round, round < 0);
        } else {
            TimeBaselineStart(*starter, *game, round, round < 0);
            TimeLauncherClick(*launcher, round, round < 0);
        }
    }
    return 0;
}
