// startup_timer: how long GUI programs take from CreateProcessW to the end of their first
// complete paint, without looking inside them. The end is the moment WaitForInputIdle returns:
// the program's GUI thread then waits for input with nothing pending, and Windows hands out
// WM_PAINT only when nothing else is pending, so the paints that showing the window queued
// have been handled.
//
//   startup_timer run [--rounds N] [--warmup N] PROGRAM...
//       Starts the programs in turn, the order reversed every other round, and prints one line
//       per start: its pid, idle_ms (creation to input idle), window_ms (to its window being
//       found) and close_ms (WM_CLOSE to the process's end). Warm-up rounds are marked and not for figures.
//   startup_timer check --out FOLDER PROGRAM...
//       Checks the end point itself: from the moment WaitForInputIdle returns, captures the
//       program's client area from the screen again and again, then once more after it has
//       settled, and reports how far the first captures were from the settled picture. The
//       first and settled captures are saved as FOLDER\<program>-at-idle.bmp / -settled.bmp.

#include <windows.h>

#include <cmath>
#include <string>
#include <vector>

#include "bench_support_win32.h"
#include "screen_capture_win32.h"

namespace {

constexpr DWORD kIdleTimeoutMs = 10000;
constexpr DWORD kWindowTimeoutMs = 5000;
constexpr DWORD kCloseTimeoutMs = 10000;
constexpr double kWatchMs = 300;  // captures keep being taken this long once the window is found
constexpr std::size_t kMaxCaptures = 100;
constexpr DWORD kSettleMs = 1000;  // after this the picture is taken as final
constexpr DWORD kBetweenStartsMs = 150;  // lets the desktop finish with the previous window

std::wstring FileNameOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

RECT ClientOnScreen(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    ::OffsetRect(&client, origin.x, origin.y);
    return client;
}

void TimeOneStart(const std::wstring& program, int round, bool warmup) {
    bench::JsonLine line;
    line.Text("program", FileNameOf(program)).Integer("round", round).Flag("warmup", warmup);
    const double start = bench::NowMs();
    const auto started = bench::StartProcess(program);
    if (!started) {
        line.Text("error", "CreateProcessW failed").Integer("win32_error", ::GetLastError());
        return;
    }
    line.Integer("pid", started->id);
    const DWORD idle = ::WaitForInputIdle(started->process.get(), kIdleTimeoutMs);
    const double idleAt = bench::NowMs();
    HWND window = bench::FindMainWindow(started->id, kWindowTimeoutMs);
    const double windowAt = bench::NowMs();
    const bool closed = bench::CloseAndWait(window, started->process.get(), kCloseTimeoutMs);
    const double endAt = bench::NowMs();
    line.Number("idle_ms", idleAt - start).Number("window_ms", windowAt - start).Number("close_ms", endAt - windowAt);
    if (idle != 0) line.Text("error", "WaitForInputIdle did not see the program go idle");
    else if (window == nullptr) line.Text("error", "no window");
    else if (!closed) line.Text("error", "did not end after WM_CLOSE");
}

int Run(const std::vector<std::wstring>& args) {
    const int rounds = bench::IntOption(args, L"--rounds", 10);
    const int warmup = bench::IntOption(args, L"--warmup", 1);
    std::vector<std::wstring> programs = bench::Positionals(args);
    if (programs.empty() || rounds < 1 || warmup < 0) return 2;
    for (int round = -warmup; round < rounds; ++round) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            // Alternate who goes first, so neither always follows the other.
            const std::size_t index = round % 2 == 0 ? i : programs.size() - 1 - i;
            TimeOneStart(programs[index], round, round < 0);
            ::Sleep(kBetweenStartsMs);
        }
    }
    return 0;
}

struct TimedCapture {
    double afterIdleMs;
    bench::ScreenPixels image;
};

void CheckOneStart(const std::wstring& program, const std::wstring& outFolder) {
    bench::JsonLine line;
    const std::wstring name = FileNameOf(program);
    line.Text("program", name).Text("check", "paint at input idle");
    const double start = bench::NowMs();
    const auto started = bench::StartProcess(program);
    if (!started) {
        line.Text("error", "CreateProcessW failed").Integer("win32_error", ::GetLastError());
        return;
    }
    const DWORD idle = ::WaitForInputIdle(started->process.get(), kIdleTimeoutMs);
    const double idleAt = bench::NowMs();
    HWND window = bench::FindMainWindow(started->id, kWindowTimeoutMs);
    if (idle != 0 || window == nullptr) {
        line.Text("error", idle != 0 ? "no input idle" : "no window");
        bench::CloseAndWait(window, started->process.get(), kCloseTimeoutMs);
        return;
    }
    const double windowAt = bench::NowMs();
    const RECT client = ClientOnScreen(window);
    std::vector<TimedCapture> captures;
    do {
        bench::ScreenPixels image = bench::CaptureScreen(client);
        captures.push_back({bench::NowMs() - idleAt, std::move(image)});
    } while (captures.size() < kMaxCaptures && bench::NowMs() - windowAt < kWatchMs);
    ::Sleep(kSettleMs);
    const bench::ScreenPixels settled = bench::CaptureScreen(client);
    bench::CloseAndWait(window, started->process.get(), kCloseTimeoutMs);

    // The first capture that already shows the settled picture, and every one before it.
    std::size_t firstSettled = captures.size();
    for (std::size_t i = 0; i < captures.size(); ++i) {
        if (captures[i].image == settled) {
            firstSettled = i;
            break;
        }
    }
    const TimedCapture& first = captures.front();
    line.Number("idle_ms", idleAt - start)
        .Number("window_after_idle_ms", windowAt - idleAt)
        .Integer("client_width", settled.width)
        .Integer("client_height", settled.height)
        .Integer("captures", static_cast<long long>(captures.size()))
        .Number("first_capture_after_idle_ms", first.afterIdleMs)
        .Integer("first_capture_differing_pixels", static_cast<long long>(bench::DifferingPixels(first.image, settled)))
        .Number("settled_seen_after_idle_ms",
                firstSettled < captures.size() ? captures[firstSettled].afterIdleMs : NAN);
    const std::wstring stem = outFolder + L"\\" + name.substr(0, name.rfind(L'.'));
    line.Flag("saved", bench::WriteBmp(stem + L"-at-idle.bmp", first.image) &&
                           bench::WriteBmp(stem + L"-settled.bmp", settled));
}

int Check(const std::vector<std::wstring>& args) {
    const auto outFolder = bench::OptionValue(args, L"--out");
    const std::vector<std::wstring> programs = bench::Positionals(args);
    if (!outFolder || programs.empty()) return 2;
    for (const std::wstring& program : programs) {
        CheckOneStart(program, *outFolder);
        ::Sleep(kBetweenStartsMs);
    }
    return 0;
}

}  // namespace

int wmain() {
    // Joins the desktop now, so that no timed start pays for bringing Wine's desktop up.
    ::GetDesktopWindow();
    const std::vector<std::wstring> args = bench::Arguments();
    if (!args.empty() && args.front() == L"run") return Run({args.begin() + 1, args.end()});
    if (!args.empty() && args.front() == L"check") return Check({args.begin() + 1, args.end()});
    bench::JsonLine().Text("error", "usage: startup_timer run|check ...");
    return 2;
}
