#include "window_facts.h"

#include "win_handles.h"
#include "window_query.h"

#include <cstdint>
#include <optional>

namespace probe {
namespace {

std::uint64_t HandleValue(const void* handle) { return reinterpret_cast<std::uintptr_t>(handle); }

RECT ClientRectOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

// A child's window rectangle in its parent's client coordinates, the frame CreateWindowEx takes.
RECT RectInParent(HWND child, HWND parent) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Nothing when the icon cannot be read from this process: Wine 8 delivers no WM_GETICON across
// processes and keeps other processes' class icons to itself.
std::optional<HICON> IconFromMessage(HWND window, WPARAM which) {
    DWORD_PTR icon = 0;
    if (!SendMessageTimeoutW(window, WM_GETICON, which, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &icon)) {
        return std::nullopt;
    }
    return reinterpret_cast<HICON>(icon);
}

std::optional<HICON> IconFromClass(HWND window, int index) {
    SetLastError(ERROR_SUCCESS);
    const ULONG_PTR icon = GetClassLongPtrW(window, index);
    if (icon == 0 && GetLastError() != ERROR_SUCCESS) return std::nullopt;
    return reinterpret_cast<HICON>(icon);
}

JsonObject ChildFocus(HWND window) {
    JsonObject focus;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!GetGUIThreadInfo(thread, &info)) return focus.Boolean("known", false);
    focus.Boolean("known", true)
        .Boolean("active", info.hwndActive == window)
        .Unsigned("focus_hwnd", HandleValue(info.hwndFocus))
        .Boolean("capture", info.hwndCapture != nullptr);
    if (info.hwndFocus != nullptr && IsChild(window, info.hwndFocus)) {
        focus.Number("focus_control_id", GetDlgCtrlID(info.hwndFocus));
    } else {
        focus.Null("focus_control_id");
    }
    return focus;
}

}  // namespace

JsonObject RectJson(const RECT& rect) {
    return JsonObject()
        .Number("left", rect.left)
        .Number("top", rect.top)
        .Number("right", rect.right)
        .Number("bottom", rect.bottom)
        .Number("width", rect.right - rect.left)
        .Number("height", rect.bottom - rect.top);
}

JsonObject DescribeIcon(std::optional<HICON> icon) {
    JsonObject facts;
    facts.Boolean("readable", icon.has_value());
    if (!icon) return facts;
    facts.Boolean("present", *icon != nullptr);
    if (*icon == nullptr) return facts;
    ICONINFO info{};
    if (!GetIconInfo(*icon, &info)) return facts.Null("width").Null("height");
    const UniqueBitmap colour(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    BITMAP bitmap{};
    if (colour) {
        GetObjectW(colour.get(), sizeof bitmap, &bitmap);
        return facts.Number("width", bitmap.bmWidth).Number("height", bitmap.bmHeight);
    }
    // A monochrome icon stacks its AND and XOR masks in one bitmap of twice the height.
    GetObjectW(mask.get(), sizeof bitmap, &bitmap);
    return facts.Number("width", bitmap.bmWidth).Number("height", bitmap.bmHeight / 2);
}

JsonObject ScreenMetrics() {
    return JsonObject()
        .Number("cx_screen", GetSystemMetrics(SM_CXSCREEN))
        .Number("cy_screen", GetSystemMetrics(SM_CYSCREEN))
        .Number("cy_caption", GetSystemMetrics(SM_CYCAPTION))
        .Number("cx_fixed_frame", GetSystemMetrics(SM_CXFIXEDFRAME))
        .Number("cy_fixed_frame", GetSystemMetrics(SM_CYFIXEDFRAME))
        .Number("cx_icon", GetSystemMetrics(SM_CXICON))
        .Number("cx_small_icon", GetSystemMetrics(SM_CXSMICON));
}

JsonArray DescribeChildren(HWND parent) {
    JsonArray children;
    std::int64_t order = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.Append(JsonObject()
                            .Number("order", order++)
                            .Unsigned("hwnd", HandleValue(child))
                            .Number("id", GetDlgCtrlID(child))
                            .Text("class", ClassNameOf(child))
                            .Text("text", WindowText(child))
                            .Object("rect", RectJson(RectInParent(child, parent)))
                            .Unsigned("style", static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)))
                            .Unsigned("exstyle", static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE)))
                            .Boolean("visible", IsWindowVisible(child) != FALSE)
                            .Boolean("enabled", IsWindowEnabled(child) != FALSE));
    }
    return children;
}

JsonObject DescribeWindow(HWND window) {
    RECT windowRect{};
    GetWindowRect(window, &windowRect);
    RECT clientSize{};
    GetClientRect(window, &clientSize);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);

    return JsonObject()
        .Unsigned("hwnd", HandleValue(window))
        .Unsigned("pid", processId)
        .Text("caption", CaptionOf(window))
        .Text("class", ClassNameOf(window))
        .Object("window_rect", RectJson(windowRect))
        .Object("client_rect", RectJson(ClientRectOnScreen(window)))
        .Number("client_width", clientSize.right)
        .Number("client_height", clientSize.bottom)
        .Unsigned("style", static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)))
        .Unsigned("exstyle", static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)))
        .Unsigned("owner", HandleValue(GetWindow(window, GW_OWNER)))
        .Unsigned("parent", HandleValue(GetAncestor(window, GA_PARENT)))
        .Unsigned("desktop", HandleValue(GetDesktopWindow()))
        .Boolean("visible", IsWindowVisible(window) != FALSE)
        .Boolean("enabled", IsWindowEnabled(window) != FALSE)
        .Boolean("minimized", IsIconic(window) != FALSE)
        .Boolean("maximized", IsZoomed(window) != FALSE)
        .Boolean("foreground", GetForegroundWindow() == window)
        .Object("focus", ChildFocus(window))
        .Object("icon_big", DescribeIcon(IconFromMessage(window, ICON_BIG)))
        .Object("icon_small", DescribeIcon(IconFromMessage(window, ICON_SMALL)))
        .Object("class_icon", DescribeIcon(IconFromClass(window, GCLP_HICON)))
        .Object("class_icon_small", DescribeIcon(IconFromClass(window, GCLP_HICONSM)))
        .Object("metrics", ScreenMetrics())
        .Array("children", DescribeChildren(window));
}

}  // namespace probe
