#include "controls/child_window_win32.h"

#include "controls/control_win32.h"

namespace launcher {

bool RegisterControlClass(const wchar_t* className, WNDPROC windowProc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

DWORD ControlStyle(const UnitRecord& unit) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (unit.Disabled()) style |= WS_DISABLED;
    if (unit.TabStop()) style |= WS_TABSTOP;
    return style;
}

HWND CreateChildWindow(const wchar_t* className, const UnitRecord& unit, HWND parent, int controlId, void* self) {
    const UnitRect& r = unit.rect;
    return ::CreateWindowExW(0, className, L"", ControlStyle(unit), r.left, r.top, r.width, r.height, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), ::GetModuleHandleW(nullptr),
                             self);
}

}  // namespace launcher
