#pragma once
// Splits the launcher's own path into the run directory and the program file name. Paths are
// UTF-16 on Windows, so the last backslash is always a real separator; no code page can put a
// separator byte inside a character here.

#include <string>
#include <string_view>

namespace launcher {

struct ExecutablePath {
    std::wstring runDirectory;     // without a trailing backslash; empty when the path has none
    std::wstring programFileName;  // the part after the last backslash
};

ExecutablePath SplitExecutablePath(std::wstring_view fullPath);

}  // namespace launcher
