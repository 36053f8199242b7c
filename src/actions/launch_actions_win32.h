#pragma once
// The two actions the template's bindings name.

#include "actions/shell_services_win32.h"

namespace launcher {

// Starts Game.exe from the run directory, gives it up to 1000 ms to get ready for input and ends
// the launcher with exit code 0. A game that cannot be started is reported in the fatal-error
// box with the system's error code, and the launcher ends with -1.
[[noreturn]] void StartGame();

// Hands the studio's web page to the shell's "open" operation; the launcher stays open.
void OpenStudioPage(ShellServices& shell);

}  // namespace launcher
