#include "actions/launch_actions_win32.h"

#include <windows.h>

#include "actions/game_launch.h"
#include "shell/launcher_shell_win32.h"
#include "window/win32_handles.h"

namespace launcher {
namespace {

constexpr DWORD kGameReadyTimeoutMs = 1000;

}  // namespace

void StartGame() {
    GameLaunch launch = BuildGameLaunch(GetRunDirectory());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // CreateProcessW may write into the command line, so it gets its own buffer.
    if (!::CreateProcessW(launch.applicationName.c_str(), launch.commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, launch.currentDirectory.empty() ? nullptr : launch.currentDirectory.c_str(),
                          &startup, &process)) {
        const auto error = static_cast<std::int32_t>(::GetLastError());
        FatalError(std::wstring(kGameStartFailedMessage) + launch.applicationName, error);
    }
    UniqueKernelHandle thread(process.hThread);
    UniqueKernelHandle game(process.hProcess);
    // Ready, timed out or failed (a game without a message queue): the launcher ends the same.
    ::WaitForInputIdle(game.Get(), kGameReadyTimeoutMs);
    thread.Reset();
    game.Reset();
    EndLauncher(0);
}

void OpenStudioPage(ShellServices& shell) {
    HWND owner = ::FindWindowExW(nullptr, nullptr, nullptr, L"Microsoft Internet Explorer");
    // What the shell answers is not shown: the launcher stays as it is either way.
    shell.Open(owner, std::wstring(kStudioPageUrl).c_str());
}

}  // namespace launcher
