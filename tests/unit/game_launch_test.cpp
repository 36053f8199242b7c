// What starting the game hands to the system.

#include "actions/game_launch.h"

#include <gtest/gtest.h>

namespace launcher {
namespace {

TEST(GameLaunch, QuotedFullPathAndRunDirectory) {
    struct Row {
        int line;
        const wchar_t* runDirectory;
        const wchar_t* application;
        const wchar_t* commandLine;
        const wchar_t* currentDirectory;
    };
    const Row rows[] = {
        {__LINE__, LR"(C:\Games\Vaskoran)", LR"(C:\Games\Vaskoran\Game.exe)", LR"("C:\Games\Vaskoran\Game.exe")",
         LR"(C:\Games\Vaskoran)"},
        // The root of a drive: the game is D:\Game.exe and starts in D:\, not in D:'s current folder.
        {__LINE__, L"D:", LR"(D:\Game.exe)", LR"("D:\Game.exe")", LR"(D:\)"},
        // Spaces: quoted, so D:\My.exe can never be taken for the game.
        {__LINE__, LR"(D:\My Games\Play)", LR"(D:\My Games\Play\Game.exe)", LR"("D:\My Games\Play\Game.exe")",
         LR"(D:\My Games\Play)"},
        {__LINE__, LR"(C:\游戏\淺)", LR"(C:\游戏\淺\Game.exe)", LR"("C:\游戏\淺\Game.exe")", LR"(C:\游戏\淺)"},
        // No run directory: Game.exe in the root of the current drive, in the current directory.
        {__LINE__, L"", LR"(\Game.exe)", LR"("\Game.exe")", L""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const GameLaunch launch = BuildGameLaunch(row.runDirectory);
        EXPECT_EQ(launch.applicationName, row.application);
        EXPECT_EQ(launch.commandLine, row.commandLine);
        EXPECT_EQ(launch.currentDirectory, row.currentDirectory);
    }
}

}  // namespace
}  // namespace launcher
