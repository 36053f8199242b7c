#include <windows.h>

#include "shell/launcher_shell_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return launcher::RunLauncher(); }
