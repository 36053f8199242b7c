#pragma once
// Finding a top-level window by caption, class and/or owning process, optionally waiting for it.

#include "options.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace probe {

// How long a message to another process's window may take; a hung window must not hang the probe.
inline constexpr UINT kMessageTimeoutMs = 2000;

struct WindowQuery {
    std::optional<std::wstring> caption;
    std::optional<std::wstring> className;
    std::optional<DWORD> processId;
    bool visibleOnly = false;
};

// From --title, --class and --pid (at least one must be given) and --visible.
std::optional<WindowQuery> WindowQueryFrom(const Options& options, std::wstring& error);

// The first matching top-level window in Z order. A query by process alone skips hidden and owned
// windows, so it yields the program's main window rather than a helper or a message box.
HWND FindTopLevelWindow(const WindowQuery& query);

// Polls every few milliseconds until `found` says yes or the time is up; returns whether it did.
template <typename Condition>
bool WaitUntil(std::uint32_t timeoutMs, Condition found) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (found()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(15);
    }
}

HWND WaitForTopLevelWindow(const WindowQuery& query, std::uint32_t timeoutMs);

// Text of a window through WM_GETTEXT, which works across processes for every control class.
std::wstring WindowText(HWND window);
// A top-level window's caption, read without sending it a message.
std::wstring CaptionOf(HWND window);
std::wstring ClassNameOf(HWND window);

}  // namespace probe
