#pragma once
// Renders what Win32 says about a window, its icons and its child controls as JSON.

#include "json_writer.h"

#include <windows.h>

#include <optional>

namespace probe {

// Caption, class, rectangles (window and client, in screen coordinates), styles, owner, parent,
// state, focus, icons, process id, and the child controls in Z order.
JsonObject DescribeWindow(HWND window);

// Each direct child in Z order (top first): id, class, text, rectangle relative to the parent's
// client area, styles and state.
JsonArray DescribeChildren(HWND parent);

// Whether the icon handle could be read at all, whether it is set, and (when its bitmaps can be
// read) its size.
JsonObject DescribeIcon(std::optional<HICON> icon);

// The screen and frame metrics that decide where a window lands on the (virtual) desktop.
JsonObject ScreenMetrics();

JsonObject RectJson(const RECT& rect);

}  // namespace probe
