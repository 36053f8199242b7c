#include "shell/executable_path.h"

namespace launcher {

ExecutablePath SplitExecutablePath(std::wstring_view fullPath) {
    const auto slash = fullPath.rfind(L'\\');
    if (slash == std::wstring_view::npos) return {L"", std::wstring(fullPath)};
    return {std::wstring(fullPath.substr(0, slash)), std::wstring(fullPath.substr(slash + 1))};
}

}  // namespace launcher
