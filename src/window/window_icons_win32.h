#pragma once
// The window's large and small icons, made from the template's icon file, or the program icon
// of the executable when the file yields neither.

#include <windows.h>

#include "window/byte_reader.h"
#include "window/win32_handles.h"

namespace launcher {

struct WindowIcons {
    UniqueIcon large;
    UniqueIcon small;
};

WindowIcons MakeWindowIcons(Bytes iconFile);

}  // namespace launcher
