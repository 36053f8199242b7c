#pragma once
// Class registration and creation shared by the launcher's controls.

#include <windows.h>

#include "window/window_template.h"

namespace launcher {

// Registers a control class once per process: arrow pointer, double-clicks, no background brush.
bool RegisterControlClass(const wchar_t* className, WNDPROC windowProc);

// Creates a hidden child window at the unit's rectangle with the styles of its flags.
HWND CreateChildWindow(const wchar_t* className, const UnitRecord& unit, HWND parent, int controlId, void* self);

}  // namespace launcher
