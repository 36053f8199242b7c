#include "actions/game_launch.h"

namespace launcher {

GameLaunch BuildGameLaunch(std::wstring_view runDirectory) {
    GameLaunch launch;
    launch.applicationName = std::wstring(runDirectory) + std::wstring(kGameFileSuffix);
    launch.commandLine = L"\"" + launch.applicationName + L"\"";
    launch.currentDirectory = std::wstring(runDirectory);
    // "D:" alone means the process's current directory on drive D; the game starts in the root.
    if (!runDirectory.empty() && runDirectory.back() == L':') launch.currentDirectory += L'\\';
    return launch;
}

}  // namespace launcher
