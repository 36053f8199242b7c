#pragma once
// What starting the game hands to the system: the game's full path as the application name,
// that path in quotation marks as the command line (so no space in the folder can make the
// system start another program), and the run directory as the current directory.

#include <string>
#include <string_view>

namespace launcher {

inline constexpr std::wstring_view kGameFileSuffix = L"\\Game.exe";
inline constexpr std::wstring_view kStudioPageUrl = L"http://www.tollmere.com/";
inline constexpr std::wstring_view kGameStartFailedMessage = L"无法启动游戏：";

struct GameLaunch {
    std::wstring applicationName;
    std::wstring commandLine;
    std::wstring currentDirectory;  // empty: the launcher's own current directory; a drive root keeps its backslash
};

GameLaunch BuildGameLaunch(std::wstring_view runDirectory);

}  // namespace launcher
