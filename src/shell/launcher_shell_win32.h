#pragma once
// The spine of the launcher: start-up, the message loop, the quit rule, shutdown, and the two
// ways the process ends early. One instance lives for the process, on the GUI thread.

#include <cstdint>
#include <string>
#include <string_view>

namespace launcher {

// Runs start-up, the message loop and shutdown; returns the process exit code.
int RunLauncher();

// A copy of the run directory, empty when the launcher's path holds no backslash.
std::wstring GetRunDirectory();

// Destroys the launcher's windows, shuts down and ends the process with exitCode.
[[noreturn]] void EndLauncher(std::uint32_t exitCode);

// Shows the fatal-error box, releases what start-up acquired and ends the process with -1.
[[noreturn]] void FatalError(std::wstring_view message, std::int32_t code);

}  // namespace launcher
