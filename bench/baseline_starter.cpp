// baseline_starter: the least a program can do to start a game the way the launcher's start
// button does: CreateProcessW, WaitForInputIdle for up to a second, end.
//
//   baseline_starter [--ready EVENT --go EVENT] GAME
//
// With the two named events it sets READY once it is running and starts the game only when GO
// is set, so a timer can measure from its start signal to this program's end, as it measures
// the launcher from the button's release to its end.

#include <windows.h>

#include "bench_support_win32.h"

namespace {

constexpr DWORD kGameReadyTimeoutMs = 1000;  // as the launcher waits
constexpr DWORD kSignalTimeoutMs = 30000;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::vector<std::wstring> args = bench::Arguments();
    const std::vector<std::wstring> games = bench::Positionals(args);
    if (games.size() != 1) return 2;
    const auto readyName = bench::OptionValue(args, L"--ready");
    const auto goName = bench::OptionValue(args, L"--go");
    if (readyName.has_value() != goName.has_value()) return 2;

    if (readyName) {
        const bench::UniqueHandle ready(::OpenEventW(EVENT_MODIFY_STATE, FALSE, readyName->c_str()));
        const bench::UniqueHandle go(::OpenEventW(SYNCHRONIZE, FALSE, goName->c_str()));
        if (!ready || !go) return 3;
        ::SetEvent(ready.get());
        if (::WaitForSingleObject(go.get(), kSignalTimeoutMs) != WAIT_OBJECT_0) return 4;
    }

    const auto game = bench::StartProcess(games.front());
    if (!game) return 5;
    ::WaitForInputIdle(game->process.get(), kGameReadyTimeoutMs);
    return 0;
}
